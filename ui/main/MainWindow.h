// SPDX-License-Identifier: MIT
#pragma once

#include "host/Host.h"

#include <QMainWindow>
#include <QPointF>

class EditorState;
class OutlineShape;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class SurfaceView;
class TilePicker;

// Form2, the editor's main window: the map canvas in its viewport with scroll
// bars and jump buttons, the menu bar every command starts from, the status
// bar and the painting timer.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(EditorState &state, Host host, QWidget *parent = nullptr);
    ~MainWindow() override;

    TilePicker &picker() const { return *Form1; }

    // Keeps a window above ordinary windows without moving, resizing or
    // showing it.
    static void MakeOnTop(QWidget &window);

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
    void startUp();
    void placePickerBelow(const QRect &available);

    // Painting (pointer tracking on the canvas and the timer tick).
    void picMap_MouseDown();
    void picMap_MouseMove(Qt::MouseButtons buttons, QPointF position);
    void picMap_MouseUp();
    void Timer1_Timer();

    // Scrolling and the jump buttons.
    void HScroll1_Change(int value);
    void VScroll1_Change(int value);
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();

    // File menu.
    void mnuNew_Click();
    void mnuClearMap_Click();
    void mnuResizeMap_Click();
    void mnuLoad_Click();
    void mnuSave_Click();
    void mnuExit_Click();

    // Tools menu.
    void mnuLoadTiles_Click();
    void mnuShowTiles_Click();
    void mnuFill_Click();
    void mnuFull_Click();
    void mnuImage_Click();

    // About menu.
    void mnuHelp_Click();
    void mnuWeb_Click();
    void mnuCredits_Click();

    EditorState &m_state;
    Host m_host;
    TilePicker *Form1 = nullptr;

    QLabel *Picture2 = nullptr;
    QFrame *Picture1 = nullptr;
    SurfaceView *picMap = nullptr;
    OutlineShape *Shape1 = nullptr;
    QPushButton *Command4 = nullptr;
    QScrollBar *VScroll1 = nullptr;
    QPushButton *Command5 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QPushButton *Command2 = nullptr;
    QTimer *Timer1 = nullptr;

    int CursorColumn = 0;
    int CursorRow = 0;
    bool MouseHeld = false;
};
