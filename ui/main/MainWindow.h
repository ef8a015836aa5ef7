// SPDX-License-Identifier: MIT
#pragma once

#include "core/edit/Painting.h"
#include "host/Host.h"

#include <QMainWindow>
#include <QPointF>

class CellMarks;
class EditorState;
class MapCanvas;
class OutlineShape;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class RecentMapsMenu;
class QScrollBar;
class QTimer;
class TilePicker;
class ToolBox;
class ViewMenu;
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

    // Asks whether to save a changed map before a command replaces it or the
    // editor ends (Save, Discard, Cancel). Returns whether the command may go
    // on; false after Cancel or a cancelled or failed save.
    bool settleUnsavedChanges();

    // Opens a file given by its name (the command line, a drop, Recent
    // Maps): a map as Load Map loads it, after the unsaved-changes question,
    // or a picture as Load Tiles loads it.
    void openFile(const QString &path);

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
    void buildRecentMapsMenu(QMenu *file);
    void startUp();
    // Puts the picker below the main window's frame; at its first showing the
    // main window may rise to make room (WindowPlacement::pickerBelow).
    void placePicker(bool raiseMainWindow);
    void showPicker();

    // Pointer tracking on the canvas, handed to the tool in use, and the
    // timer tick.
    void onCanvasPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                         QPointF position);
    void onCanvasMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                       QPointF position);
    void onCanvasReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                          QPointF position);
    void endGesture();
    void onPaintTick();
    void placeCellOutline();

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
    bool saveMap();
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
    bool m_pickerShown = false;

    QLabel *m_banner = nullptr;
    QFrame *m_viewport = nullptr;
    MapCanvas *m_canvasView = nullptr;
    OutlineShape *m_cellOutline = nullptr;
    QPushButton *m_topButton = nullptr;
    QScrollBar *m_verticalBar = nullptr;
    QPushButton *m_leftButton = nullptr;
    QScrollBar *m_horizontalBar = nullptr;
    QPushButton *m_homeButton = nullptr;
    QTimer *m_paintTimer = nullptr;
    ToolBox *m_tools = nullptr;
    ViewMenu *m_viewMenu = nullptr;
    RecentMapsMenu *m_recentMaps = nullptr;
    TileUsageWindow *m_tileUsage = nullptr;
    CellMarks *m_cellMarks = nullptr;

    bool m_mouseHeld = false;
    Painting::Cell m_pointerCell;
};
