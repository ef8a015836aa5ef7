// SPDX-License-Identifier: MIT
#include "ui/main/MainWindow.h"

#include "AppInfo.h"
#include "core/EditorState.h"
#include "core/MapCommands.h"
#include "core/MapRoutines.h"
#include "core/Painting.h"
#include "core/Scrolling.h"
#include "core/StatusTexts.h"
#include "core/WindowTitle.h"
#include "host/Fonts.h"
#include "host/HelpViewer.h"
#include "host/MessageBox.h"
#include "host/OutlineShape.h"
#include "host/SurfaceView.h"
#include "host/UrlOpener.h"
#include "resources/BuiltInArt.h"
#include "ui/about/CreditsWindow.h"
#include "ui/about/HelpTopics.h"
#include "ui/dialogs/NewMapDialog.h"
#include "ui/dialogs/ResizeMapDialog.h"
#include "ui/main/MainWindowLayout.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/main/MapFileCommands.h"
#include "ui/preview/ImageExport.h"
#include "ui/preview/PreviewWindow.h"
#include "ui/tiles/TilePicker.h"
#include "ui/tiles/TileSetLoading.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

namespace Layout = MainWindowLayout;
namespace Texts = MainWindowTexts;

namespace {

const QColor ViewportGrey(128, 128, 128);
constexpr int PaintInterval = 1;

QPushButton *jumpButton(const char *name, const QString &caption, const QString &tip,
                        const QRect &geometry, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFont(Fonts::font(Fonts::MsSansSerif, Layout::ControlPoints, true));
    return button;
}

QScrollBar *scrollBar(const char *name, Qt::Orientation orientation, int maximum,
                      const QRect &geometry, QWidget *parent)
{
    auto *bar = new QScrollBar(orientation, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(geometry);
    bar->setRange(0, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // The view moves when the value changes, not while the thumb is dragged.
    bar->setTracking(false);
    return bar;
}

} // namespace

MainWindow::MainWindow(EditorState &state, Host host, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_host(host)
{
    initBuiltInArt();
    setObjectName(QStringLiteral("Form2"));
    setWindowIcon(QIcon(Texts::IconResource));

    auto *client = new QWidget(this);
    client->setFixedSize(Layout::ClientSize);
    setCentralWidget(client);

    Form1 = new TilePicker(m_state);

    buildBanner();
    buildViewport();
    buildScrollControls();
    buildStatusBar();
    buildMenus();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(PaintInterval);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);

    startUp();

    // Fixed single border without a maximise button, sized to the client area
    // below the menu bar and centred on the screen.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFixedSize(Layout::ClientSize.width(),
                 menuBar()->sizeHint().height() + Layout::ClientSize.height());
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - rect().center());
        placePickerBelow(available);
    }
}

void MainWindow::placePickerBelow(const QRect &available)
{
    // Below the main window where the screen has room, else over its bottom
    // edge; the picker floats above it either way.
    const int top = std::min(frameGeometry().bottom() + 1,
                             available.bottom() - Form1->frameGeometry().height());
    Form1->move(frameGeometry().left(), std::max(available.top(), top));
}

MainWindow::~MainWindow()
{
    delete Form1;
}

void MainWindow::buildBanner()
{
    Picture2 = new QLabel(centralWidget());
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(Layout::Banner);
    Picture2->setPixmap(QPixmap(Texts::BannerResource));
    Picture2->setStyleSheet(QStringLiteral("background: black"));
}

void MainWindow::buildViewport()
{
    Picture1 = new QFrame(centralWidget());
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Picture1->setGeometry(Layout::Viewport);
    Picture1->setAutoFillBackground(true);
    QPalette grey = Picture1->palette();
    grey.setColor(QPalette::Window, ViewportGrey);
    Picture1->setPalette(grey);

    // The canvas moves inside the area within the border, which clips it.
    auto *clip = new QWidget(Picture1);
    clip->setGeometry(Picture1->contentsRect());

    picMap = new SurfaceView(m_state.picMap, clip);
    picMap->setObjectName(QStringLiteral("picMap"));
    connect(picMap, &SurfaceView::mouseDown, this, [this] { picMap_MouseDown(); });
    connect(picMap, &SurfaceView::mouseMove, this,
            [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPointF position) {
                picMap_MouseMove(buttons, position);
            });
    connect(picMap, &SurfaceView::mouseUp, this, [this] { picMap_MouseUp(); });

    Shape1 = new OutlineShape(QSize(Tiles::TileSize, Tiles::TileSize), Qt::red, picMap);
    Shape1->setObjectName(QStringLiteral("Shape1"));
}

void MainWindow::buildScrollControls()
{
    QWidget *client = centralWidget();
    Command4 = jumpButton("Command4", Texts::JumpToTopCaption, Texts::JumpToTopTip,
                          Layout::JumpToTop, client);
    VScroll1 =
        scrollBar("VScroll1", Qt::Vertical, Scrolling::VerticalMax, Layout::VerticalBar, client);
    Command5 = jumpButton("Command5", Texts::JumpToLeftCaption, Texts::JumpToLeftTip,
                          Layout::JumpToLeft, client);
    HScroll1 = scrollBar("HScroll1", Qt::Horizontal, Scrolling::HorizontalMax,
                         Layout::HorizontalBar, client);
    Command2 = jumpButton("Command2", Texts::HomeCaption, Texts::HomeTip, Layout::Home, client);

    connect(HScroll1, &QScrollBar::valueChanged, this, &MainWindow::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &MainWindow::VScroll1_Change);
    connect(Command2, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &MainWindow::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &MainWindow::Command5_Click);
}

void MainWindow::buildStatusBar()
{
    // A plain strip of three sunken panels along the client area's bottom
    // edge, placed at their designed widths.
    auto *bar = new QWidget(centralWidget());
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setGeometry(0, Layout::ClientSize.height() - Layout::StatusBarHeight,
                     Layout::ClientSize.width(), Layout::StatusBarHeight);
    bar->setStyleSheet(QStringLiteral("QLabel { border: 1px solid; border-color: #808080 #ffffff"
                                      " #ffffff #808080; padding: 0 2px; }"));

    struct Panel
    {
        const char *key;
        int panel;
        int width;
        const QString &tip;
    };
    const Panel panels[] = {
        {"map", EditorState::MapPanel, Layout::MapPanelWidth, Texts::MapPanelTip},
        {"Size", EditorState::SizePanel, Layout::SizePanelWidth, Texts::SizePanelTip},
        {"cursor", EditorState::CursorPanel, Layout::CursorPanelWidth, Texts::CursorPanelTip},
    };
    int left = 0;
    for (const Panel &panel : panels) {
        auto *label = new QLabel(m_state.statusText(panel.panel), bar);
        label->setObjectName(QLatin1String(panel.key));
        // File names are shown as they are, never read as markup.
        label->setTextFormat(Qt::PlainText);
        label->setToolTip(panel.tip);
        label->setGeometry(left, 0, panel.width, Layout::StatusBarHeight);
        label->setFont(Fonts::font(Fonts::MsSansSerif, Layout::ControlPoints, true));
        left += panel.width;
        connect(&m_state, &EditorState::statusTextChanged, label,
                [label, index = panel.panel](int changed, const QString &text) {
                    if (changed == index)
                        label->setText(text);
                });
    }
}

void MainWindow::buildMenus()
{
    using Handler = void (MainWindow::*)();
    const auto menu = [this](const char *name, const QString &caption) {
        QMenu *menu = menuBar()->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return menu;
    };
    const auto item = [this](QMenu *menu, const char *name, const QString &caption,
                             const QString &shortcut, Handler handler) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(QKeySequence(shortcut));
        connect(action, &QAction::triggered, this, handler);
    };
    const auto separator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu *file = menu("mnuFile", Texts::FileMenu);
    item(file, "mnuNew", Texts::NewMap, Texts::NewMapKeys, &MainWindow::mnuNew_Click);
    item(file, "mnuClearMap", Texts::ClearMap, Texts::ClearMapKeys, &MainWindow::mnuClearMap_Click);
    item(file, "mnuResizeMap", Texts::ResizeMap, Texts::ResizeMapKeys,
         &MainWindow::mnuResizeMap_Click);
    separator(file, "mnuFileBar4");
    item(file, "mnuLoad", Texts::LoadMap, Texts::LoadMapKeys, &MainWindow::mnuLoad_Click);
    item(file, "mnuSave", Texts::SaveMap, Texts::SaveMapKeys, &MainWindow::mnuSave_Click);
    separator(file, "mnuFileBar2");
    item(file, "mnuExit", Texts::Exit, Texts::ExitKeys, &MainWindow::mnuExit_Click);

    QMenu *tools = menu("mnuTools", Texts::ToolsMenu);
    item(tools, "mnuLoadTiles", Texts::LoadTiles, Texts::LoadTilesKeys,
         &MainWindow::mnuLoadTiles_Click);
    item(tools, "mnuShowTiles", Texts::ShowTiles, Texts::ShowTilesKeys,
         &MainWindow::mnuShowTiles_Click);
    separator(tools, "mnuFileBar5");
    item(tools, "mnuFill", Texts::FillMap, Texts::FillMapKeys, &MainWindow::mnuFill_Click);
    separator(tools, "mnuFileBar3");
    item(tools, "mnuFull", Texts::MapPreview, Texts::MapPreviewKeys, &MainWindow::mnuFull_Click);
    separator(tools, "mnuFileBar1");
    item(tools, "mnuImage", Texts::CreateBitmapImage, Texts::CreateBitmapImageKeys,
         &MainWindow::mnuImage_Click);

    QMenu *about = menu("mnuAbout", Texts::AboutMenu);
    item(about, "mnuHelp", Texts::Help, Texts::HelpKeys, &MainWindow::mnuHelp_Click);
    item(about, "mnuWeb", Texts::VisitPrefix + QLatin1String(AppInfo::WebSiteName), QString(),
         &MainWindow::mnuWeb_Click);
    item(about, "mnuCredits", Texts::Credits, QString(), &MainWindow::mnuCredits_Click);
}

void MainWindow::startUp()
{
    setWindowTitle(mainWindowTitle());
    m_state.DialogCancelled = 0;
    m_state.HeaderByte1 = StartUp::HeaderByte1;
    m_state.HeaderByte2 = StartUp::HeaderByte2;
    m_state.MapWidthByte = StartUp::MapWidthByte;
    m_state.MapHeightByte = StartUp::MapHeightByte;
    m_state.MapWidth = StartUp::MapWidth;
    m_state.MapHeight = StartUp::MapHeight;
    // Sizes the canvas to the map as well.
    ResetMap(m_state);
    SelectTile(m_state, 0, 0);
    m_state.SelectedTile = 0;
    copySelectionToPreview(m_state);
    MakeOnTop(*Form1);
    m_host.help.HelpFile = HelpTopics::helpFilePath();
}

void MainWindow::MakeOnTop(QWidget &window)
{
    // Changing window flags hides a shown window; put it back as it was.
    const bool wasVisible = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (wasVisible)
        window.show();
}

void MainWindow::scrollHome()
{
    Command2_Click();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Ending the editor closes every other window with it; nothing is asked.
    event->accept();
    Timer1->stop();
    Form1->close();
    QCoreApplication::quit();
}

void MainWindow::changeEvent(QEvent *event)
{
    // A window that takes over while the button is held (a dialog opened by
    // its shortcut) gets the release, so painting ends here.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        picMap_MouseUp();
    QMainWindow::changeEvent(event);
}

void MainWindow::picMap_MouseDown()
{
    MouseHeld = true;
    Timer1->start();
}

void MainWindow::picMap_MouseMove(Qt::MouseButtons buttons, QPointF position)
{
    // A release can also go to a menu opened while the button was held.
    if (MouseHeld && buttons == Qt::NoButton)
        picMap_MouseUp();
    const Painting::Cell cell = Painting::cellAt(position);
    CursorColumn = cell.column;
    CursorRow = cell.row;
    SelectTile(m_state, static_cast<std::int16_t>(CursorColumn),
               static_cast<std::int16_t>(CursorRow));
    m_state.setStatusText(EditorState::CursorPanel,
                          StatusTexts::cursorText(CursorColumn, CursorRow));
    Shape1->move(Tiles::cellOrigin(CursorColumn, CursorRow));
}

void MainWindow::picMap_MouseUp()
{
    MouseHeld = false;
    Timer1->stop();
}

void MainWindow::Timer1_Timer()
{
    if (MouseHeld)
        Painting::paintTick(m_state);
    picMap->refresh();
}

void MainWindow::HScroll1_Change(int value)
{
    picMap->move(Scrolling::canvasLeft(value), picMap->y());
}

void MainWindow::VScroll1_Change(int value)
{
    picMap->move(picMap->x(), Scrolling::canvasTop(value));
}

void MainWindow::Command2_Click()
{
    picMap->move(0, picMap->y());
    HScroll1->setValue(0);
    picMap->move(picMap->x(), 0);
    VScroll1->setValue(0);
}

void MainWindow::Command4_Click()
{
    VScroll1->setValue(0);
}

void MainWindow::Command5_Click()
{
    HScroll1->setValue(0);
}

void MainWindow::mnuNew_Click()
{
    NewMapDialog frmNewMap(m_state, m_host.messageBox, this);
    frmNewMap.exec();
    if (m_state.DialogCancelled == 1)
        return;
    ResetMap(m_state);
    VScroll1->setValue(0);
    HScroll1->setValue(0);
}

void MainWindow::mnuClearMap_Click()
{
    const int answer = m_host.messageBox.MsgBox(MapCommands::ClearMapPrompt, MessageBox::YesNo,
                                                MapCommands::ClearMapTitle);
    if (answer == MessageBox::AnswerYes)
        ResetMap(m_state);
}

void MainWindow::mnuResizeMap_Click()
{
    ResizeMapDialog Form4(m_state, m_host.messageBox, this);
    // A resize brings the view back to the map's top-left corner with it.
    if (Form4.exec() == QDialog::Accepted)
        scrollHome();
}

void MainWindow::mnuLoad_Click()
{
    LoadMapFile(m_state, m_host, *this);
}

void MainWindow::mnuSave_Click()
{
    SaveMapFile(m_state, m_host);
}

void MainWindow::mnuExit_Click()
{
    close();
}

void MainWindow::mnuLoadTiles_Click()
{
    LoadTileSet(m_state, m_host);
}

void MainWindow::mnuShowTiles_Click()
{
    Form1->show();
    Form1->raise();
}

void MainWindow::mnuFill_Click()
{
    if (!Form1->isVisible())
        Form1->show();
    MapCommands::fillMap(m_state);
}

void MainWindow::mnuFull_Click()
{
    // Loaded afresh at every opening, so it always opens at 100 %.
    PreviewWindow preview(m_state, m_host, this);
    preview.exec();
}

void MainWindow::mnuImage_Click()
{
    ImageExport::createImage(m_host, [this] { return m_state.picMap.image(); });
}

void MainWindow::mnuHelp_Click()
{
    m_host.help.showHelp(HelpTopics::helpFilePath(), HelpTopics::ContentsContext);
}

void MainWindow::mnuWeb_Click()
{
    m_host.urlOpener.open(QUrl(QLatin1String(AppInfo::WebSiteAddress)));
}

void MainWindow::mnuCredits_Click()
{
    CreditsWindow Form3(*picMap, this);
    Form3.exec();
}
