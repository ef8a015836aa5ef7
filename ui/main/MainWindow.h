// SPDX-License-Identifier: MIT
#pragma once

#include "host/Host.h"

#include <QMainWindow>
#include <QPointF>

class CellMarks;
class EditorState;
class OutlineShape;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class SurfaceView;
class TilePicker;
class TileUsageWindow;

// The editor's main window: the map canvas in its viewport with scroll
// bars and jump buttons, the menu bar every command starts from, the status
// bar and the painting timer.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(EditorState &state, Host host, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The tile picker, built hidden when it is first needed.
    TilePicker &picker() const;

    // Keeps a window above ordinary windows without moving, resizing or
    // showing it.
    static void makeOnTop(QWidget &window);

    // Returns the view to the map's top-left corner.
    void scrollHome();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildBanner();
    void buildViewport();
    void buildScrollControls();
    void buildStatusBar();
    void buildMenus();
    void buildEditMenu();
    void startUp();
    void placePickerBelow(const QRect &available);

    // Painting (pointer tracking on the canvas and the timer tick).
    void onCanvasPressed();
    void onCanvasMoved(Qt::MouseButtons buttons, QPointF position);
    void onCanvasReleased();
    void onPaintTick();

    // Scrolling and the jump buttons.
    void onHorizontalBarChanged(int value);
    void onVerticalBarChanged(int value);
    void onHomeButtonClicked();
    void onTopButtonClicked();
    void onLeftButtonClicked();

    // File menu.
    void onNewMapChosen();
    void onClearMapChosen();
    void onResizeMapChosen();
    void onLoadMapChosen();
    void onSaveMapChosen();
    void onExitChosen();
    void onImportPictureChosen();
    void onSaveTilesChosen();

    // Tools menu.
    void onLoadTilesChosen();
    void onShowTilesChosen();
    void onFillMapChosen();
    void onPreviewChosen();
    void onCreateImageChosen();
    void onTileUsageChosen();
    void onFindRequested(int tile);

    // About menu.
    void onHelpChosen();
    void onWebSiteChosen();
    void onCreditsChosen();

    EditorState &m_state;
    Host m_host;
    mutable TilePicker *m_picker = nullptr;
    QPoint m_pickerPosition;

    QLabel *m_banner = nullptr;
    QFrame *m_viewport = nullptr;
    SurfaceView *m_canvasView = nullptr;
    OutlineShape *m_cellOutline = nullptr;
    QPushButton *m_topButton = nullptr;
    QScrollBar *m_verticalBar = nullptr;
    QPushButton *m_leftButton = nullptr;
    QScrollBar *m_horizontalBar = nullptr;
    QPushButton *m_homeButton = nullptr;
    QTimer *m_paintTimer = nullptr;
    TileUsageWindow *m_tileUsage = nullptr;
    CellMarks *m_cellMarks = nullptr;

    bool m_mouseHeld = false;
};
