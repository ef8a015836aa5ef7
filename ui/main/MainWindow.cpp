// SPDX-License-Identifier: MIT
#include "ui/main/MainWindow.h"

#include "AppInfo.h"
#include "core/state/EditorState.h"
#include "core/edit/MapCommands.h"
#include "core/preview/MapPicture.h"
#include "core/edit/Painting.h"
#include "core/render/TileGeometry.h"
#include "core/state/Scrolling.h"
#include "core/state/ViewZoom.h"
#include "core/edit/TileSetFile.h"
#include "core/files/OpenedFileKind.h"
#include "core/state/WindowPlacement.h"
#include "core/state/WindowTitle.h"
#include "host/FileDialog.h"
#include "host/Fonts.h"
#include "host/HelpViewer.h"
#include "host/MessageBox.h"
#include "host/OutlineShape.h"
#include "host/UrlOpener.h"
#include "resources/BuiltInArt.h"
#include "ui/about/CreditsWindow.h"
#include "ui/about/HelpTopics.h"
#include "ui/dialogs/NewMapDialog.h"
#include "ui/dialogs/ResizeMapDialog.h"
#include "ui/main/DrawingTexts.h"
#include "ui/main/EditActions.h"
#include "ui/main/FileDrops.h"
#include "ui/main/MainWindowConstants.h"
#include "ui/main/MapCanvas.h"
#include "ui/main/MapFileCommands.h"
#include "ui/main/RecentMapsMenu.h"
#include "ui/main/SharedShortcuts.h"
#include "ui/main/UnsavedChanges.h"
#include "ui/main/ViewMenu.h"
#include "ui/main/tools/Tool.h"
#include "ui/main/tools/ToolBox.h"
#include "ui/preview/ImageExport.h"
#include "ui/preview/PreviewWindow.h"
#include "core/tiles/TileFinding.h"
#include "ui/tiles/CellMarks.h"
#include "ui/tiles/PictureImporting.h"
#include "ui/tiles/TileBudgetConstants.h"
#include "ui/tiles/TilePicker.h"
#include "ui/tiles/TileSetLoading.h"
#include "ui/tiles/TileUsageWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

namespace Layout = MainWindowLayout;
namespace Texts = MainWindowTexts;

namespace {

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
    setObjectName(QStringLiteral("mainWindow"));
    setWindowIcon(QPixmap::fromImage(builtInPicture(Texts::IconResource)));

    auto *client = new QWidget(this);
    client->setFixedSize(Layout::ClientSize);
    setCentralWidget(client);

    TileSetFile::useBuiltInSheet(m_state, builtInPicture(TileSetFile::BuiltInSheetResource));

    buildBanner();
    buildViewport();
    buildScrollControls();
    buildStatusBar();
    buildMenus();
    new FileDrops(*this, [this](const QString &path) { openFile(path); });

    m_paintTimer = new QTimer(this);
    m_paintTimer->setObjectName(QStringLiteral("paintTimer"));
    m_paintTimer->setInterval(PaintInterval);
    connect(m_paintTimer, &QTimer::timeout, this, &MainWindow::onPaintTick);

    startUp();

    // Fixed single border without a maximise button, sized to the client area
    // below the menu bar and centred on the screen.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFixedSize(Layout::ClientSize.width(),
                 menuBar()->sizeHint().height() + Layout::ClientSize.height());
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - rect().center());
    }
}

void MainWindow::placePicker(bool raiseMainWindow)
{
    // From the frames as they stand, so after the window manager framed the
    // main window; the picker, not yet framed, takes the same decorations.
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QSize decorations = frameGeometry().size() - size();
    const WindowPlacement::PickerPlace place = WindowPlacement::pickerBelow(
        frameGeometry(), m_picker->size() + decorations, screen->availableGeometry());
    if (!raiseMainWindow) {
        // Below the main window as it stands, without the rise.
        m_picker->move(place.pickerTopLeft.x(),
                       place.pickerTopLeft.y() + frameGeometry().top() - place.mainTopLeft.y());
        return;
    }
    if (place.mainTopLeft != frameGeometry().topLeft())
        move(place.mainTopLeft);
    m_picker->move(place.pickerTopLeft);
}

void MainWindow::showPicker()
{
    // Placed before it is first on screen; then it stays where the user puts it.
    TilePicker &shown = picker();
    if (!m_pickerShown)
        placePicker(true);
    m_pickerShown = true;
    shown.show();
}

TilePicker &MainWindow::picker() const
{
    if (!m_picker) {
        m_picker = new TilePicker(m_state);
        makeOnTop(*m_picker);
        SharedShortcuts::shareWith(*menuBar(), *m_picker);
        connect(m_picker, &TilePicker::picked, m_tools, &ToolBox::brushPickedElsewhere);
        // Built on first use by this accessor; opening a file is no less a
        // change of the window for that.
        auto *window = const_cast<MainWindow *>(this);
        new FileDrops(*m_picker, [window](const QString &path) { window->openFile(path); });
        window->placePicker(false);
    }
    return *m_picker;
}

MainWindow::~MainWindow()
{
    delete m_picker;
}

void MainWindow::buildBanner()
{
    m_banner = new QLabel(centralWidget());
    m_banner->setObjectName(QStringLiteral("banner"));
    m_banner->setGeometry(Layout::Banner);
    m_banner->setPixmap(QPixmap::fromImage(builtInPicture(Texts::BannerResource)));
    m_banner->setStyleSheet(QStringLiteral("background: black"));
}

void MainWindow::buildViewport()
{
    m_viewport = new QFrame(centralWidget());
    m_viewport->setObjectName(QStringLiteral("viewport"));
    m_viewport->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    m_viewport->setGeometry(Layout::Viewport);
    m_viewport->setAutoFillBackground(true);
    QPalette grey = m_viewport->palette();
    grey.setColor(QPalette::Window, Layout::ViewportGrey);
    m_viewport->setPalette(grey);

    // The canvas moves inside the area within the border, which clips it.
    auto *clip = new QWidget(m_viewport);
    clip->setGeometry(m_viewport->contentsRect());

    m_canvasView = new MapCanvas(m_state.mapCanvas, clip);
    m_canvasView->setObjectName(QStringLiteral("mapCanvas"));
    connect(m_canvasView, &MapCanvas::mouseDown, this, &MainWindow::onCanvasPressed);
    connect(m_canvasView, &MapCanvas::mouseMove, this, &MainWindow::onCanvasMoved);
    connect(m_canvasView, &MapCanvas::mouseUp, this, &MainWindow::onCanvasReleased);
    m_tools = new ToolBox(m_state, *m_canvasView, this);
    connect(m_tools, &ToolBox::pickedOffThePicker, this, [this] { picker().followPick(); });

    m_cellOutline =
        new OutlineShape(QSize(Tiles::TileSize, Tiles::TileSize), Qt::red, m_canvasView);
    m_cellOutline->setObjectName(QStringLiteral("cellOutline"));
    m_cellMarks = new CellMarks(m_state, *m_canvasView);
}

void MainWindow::buildScrollControls()
{
    QWidget *client = centralWidget();
    m_topButton = jumpButton("topButton", Texts::JumpToTopCaption, Texts::JumpToTopTip,
                             Layout::JumpToTop, client);
    m_verticalBar =
        scrollBar("verticalBar", Qt::Vertical, Scrolling::VerticalMax, Layout::VerticalBar, client);
    m_leftButton = jumpButton("leftButton", Texts::JumpToLeftCaption, Texts::JumpToLeftTip,
                              Layout::JumpToLeft, client);
    m_horizontalBar = scrollBar("horizontalBar", Qt::Horizontal, Scrolling::HorizontalMax,
                                Layout::HorizontalBar, client);
    m_homeButton =
        jumpButton("homeButton", Texts::HomeCaption, Texts::HomeTip, Layout::Home, client);

    connect(m_horizontalBar, &QScrollBar::valueChanged, this, &MainWindow::onHorizontalBarChanged);
    connect(m_verticalBar, &QScrollBar::valueChanged, this, &MainWindow::onVerticalBarChanged);
    connect(m_homeButton, &QPushButton::clicked, this, &MainWindow::onHomeButtonClicked);
    connect(m_topButton, &QPushButton::clicked, this, &MainWindow::onTopButtonClicked);
    connect(m_leftButton, &QPushButton::clicked, this, &MainWindow::onLeftButtonClicked);

    m_viewMenu = new ViewMenu(*m_canvasView, *m_horizontalBar, *m_verticalBar, this);
    connect(m_viewMenu, &ViewMenu::zoomChanged, this, &MainWindow::placeCellOutline);
}

void MainWindow::buildStatusBar()
{
    // A plain strip of three sunken panels along the client area's bottom
    // edge, placed at their designed widths.
    auto *bar = new QWidget(centralWidget());
    bar->setObjectName(QStringLiteral("statusBar"));
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
        {"mapPanel", EditorState::MapPanel, Layout::MapPanelWidth, Texts::MapPanelTip},
        {"sizePanel", EditorState::SizePanel, Layout::SizePanelWidth, Texts::SizePanelTip},
        {"cursorPanel", EditorState::CursorPanel, Layout::CursorPanelWidth, Texts::CursorPanelTip},
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

    QMenu *file = menu("fileMenu", Texts::FileMenu);
    item(file, "newMapAction", Texts::NewMap, Texts::NewMapKeys, &MainWindow::onNewMapChosen);
    item(file, "clearMapAction", Texts::ClearMap, Texts::ClearMapKeys,
         &MainWindow::onClearMapChosen);
    item(file, "resizeMapAction", Texts::ResizeMap, Texts::ResizeMapKeys,
         &MainWindow::onResizeMapChosen);
    separator(file, "fileLoadSeparator");
    item(file, "loadMapAction", Texts::LoadMap, Texts::LoadMapKeys, &MainWindow::onLoadMapChosen);
    item(file, "importPictureAction", TileBudgetTexts::ImportPicture,
         TileBudgetTexts::ImportPictureKeys, &MainWindow::onImportPictureChosen);
    item(file, "saveMapAction", Texts::SaveMap, Texts::SaveMapKeys, &MainWindow::onSaveMapChosen);
    item(file, "saveTilesAction", TileBudgetTexts::SaveTiles, QString(),
         &MainWindow::onSaveTilesChosen);
    buildRecentMapsMenu(file);
    separator(file, "fileExitSeparator");
    item(file, "exitAction", Texts::Exit, Texts::ExitKeys, &MainWindow::onExitChosen);

    buildEditMenu();
    m_viewMenu->fillMenuBar(*menuBar());
    QMenu *draw = menu("drawMenu", DrawingTexts::DrawMenu);
    m_tools->fillMenu(*draw);

    QMenu *tools = menu("toolsMenu", Texts::ToolsMenu);
    item(tools, "loadTilesAction", Texts::LoadTiles, Texts::LoadTilesKeys,
         &MainWindow::onLoadTilesChosen);
    item(tools, "showTilesAction", Texts::ShowTiles, Texts::ShowTilesKeys,
         &MainWindow::onShowTilesChosen);
    item(tools, "tileUsageAction", TileBudgetTexts::TileUsageItem, TileBudgetTexts::TileUsageKeys,
         &MainWindow::onTileUsageChosen);
    separator(tools, "toolsFillSeparator");
    item(tools, "fillMapAction", Texts::FillMap, Texts::FillMapKeys, &MainWindow::onFillMapChosen);
    separator(tools, "toolsPreviewSeparator");
    item(tools, "previewAction", Texts::MapPreview, Texts::MapPreviewKeys,
         &MainWindow::onPreviewChosen);
    separator(tools, "toolsImageSeparator");
    item(tools, "createImageAction", Texts::CreateBitmapImage, Texts::CreateBitmapImageKeys,
         &MainWindow::onCreateImageChosen);

    QMenu *about = menu("aboutMenu", Texts::AboutMenu);
    item(about, "helpAction", Texts::Help, Texts::HelpKeys, &MainWindow::onHelpChosen);
    item(about, "webSiteAction", Texts::VisitPrefix + QLatin1String(AppInfo::WebSiteName),
         QString(), &MainWindow::onWebSiteChosen);
    item(about, "creditsAction", Texts::Credits, QString(), &MainWindow::onCreditsChosen);
}

void MainWindow::buildEditMenu()
{
    QMenu *edit = menuBar()->addMenu(Texts::EditMenu);
    edit->setObjectName(QStringLiteral("editMenu"));
    edit->menuAction()->setObjectName(QStringLiteral("editMenu"));

    // The history keeps the captions ("Undo Fill Map") and enabled states.
    QUndoStack &steps = m_state.history.stack();
    QAction *undo = steps.createUndoAction(edit, Texts::Undo);
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcut(QKeySequence(Texts::UndoKeys));
    QAction *redo = steps.createRedoAction(edit, Texts::Redo);
    redo->setObjectName(QStringLiteral("redoAction"));
    redo->setShortcuts({QKeySequence(Texts::RedoKeys), QKeySequence(Texts::RedoOtherKeys)});
    edit->addAction(undo);
    edit->addAction(redo);
    auto *clipboard = new EditActions(m_state, *m_tools, m_host.messageBox, this);
    clipboard->fillMenu(*edit, *this);

    // Undo or redo while a button is held ends the stroke first.
    connect(&m_state.history, &EditHistory::strokeInterrupted, this, &MainWindow::endGesture);
    connect(&m_state.history, &EditHistory::viewHomeRequested, this, &MainWindow::scrollHome);
}

void MainWindow::buildRecentMapsMenu(QMenu *file)
{
    QMenu *recent = file->addMenu(RecentMapsTexts::Menu);
    recent->setObjectName(QStringLiteral("recentMapsMenu"));
    recent->menuAction()->setObjectName(QStringLiteral("recentMapsMenu"));
    m_recentMaps = new RecentMapsMenu(*recent, [this](const QString &path) { openFile(path); });
}

void MainWindow::startUp()
{
    setWindowTitle(mainWindowTitle() + UnsavedChanges::TitleMark);
    connect(&m_state.history, &EditHistory::unsavedChangesChanged, this,
            &MainWindow::setWindowModified);
    MapCommands::resetToStartUp(m_state);
    m_host.help.helpFile = HelpTopics::helpFilePath();
}

void MainWindow::makeOnTop(QWidget &window)
{
    // Changing window flags hides a shown window; put it back as it was.
    const bool wasVisible = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (wasVisible)
        window.show();
}

void MainWindow::scrollHome()
{
    onHomeButtonClicked();
}

bool MainWindow::settleUnsavedChanges()
{
    return UnsavedChanges::settle(m_state, m_host.messageBox, [this] { return saveMap(); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    // Ending the editor closes every other window with it.
    event->accept();
    m_paintTimer->stop();
    if (m_picker)
        m_picker->close();
    QCoreApplication::quit();
}

void MainWindow::changeEvent(QEvent *event)
{
    // A window that takes over while the button is held (a dialog opened by
    // its shortcut) gets the release, so painting ends here.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        endGesture();
    QMainWindow::changeEvent(event);
}

void MainWindow::onCanvasPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                 QPointF position)
{
    // The press names its own cell: the paint position may still be where a
    // pick in the tile picker left it, with no move over the map since.
    m_pointerCell = Painting::hover(m_state, position);
    placeCellOutline();
    m_mouseHeld = true;
    m_tools->active().press({m_pointerCell, button, button, modifiers});
    m_paintTimer->start();
}

void MainWindow::onCanvasMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                               QPointF position)
{
    // A release can also go to a menu opened while the button was held.
    if (m_mouseHeld && buttons == Qt::NoButton)
        endGesture();
    m_pointerCell = Painting::hover(m_state, position);
    placeCellOutline();
    m_tools->active().move({m_pointerCell, Qt::NoButton, buttons, modifiers});
}

void MainWindow::onCanvasReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                  QPointF position)
{
    if (m_mouseHeld)
        m_tools->active().release({Painting::cellAt(position), button, Qt::NoButton, modifiers});
    m_mouseHeld = false;
    m_paintTimer->stop();
}

void MainWindow::endGesture()
{
    if (m_mouseHeld)
        m_tools->active().interrupt();
    m_mouseHeld = false;
    m_paintTimer->stop();
}

void MainWindow::placeCellOutline()
{
    const QRect cell =
        m_canvasView->viewRect(QRect(m_pointerCell.column, m_pointerCell.row, 1, 1));
    m_cellOutline->setFixedSize(cell.size());
    m_cellOutline->move(cell.topLeft());
}

void MainWindow::onPaintTick()
{
    if (m_mouseHeld)
        m_tools->active().tick();
    m_canvasView->refresh();
}

void MainWindow::onHorizontalBarChanged(int value)
{
    m_canvasView->move(ViewZoom::canvasLeft(value, m_canvasView->zoom()), m_canvasView->y());
}

void MainWindow::onVerticalBarChanged(int value)
{
    m_canvasView->move(m_canvasView->x(), ViewZoom::canvasTop(value, m_canvasView->zoom()));
}

void MainWindow::onHomeButtonClicked()
{
    m_canvasView->move(0, m_canvasView->y());
    m_horizontalBar->setValue(0);
    m_canvasView->move(m_canvasView->x(), 0);
    m_verticalBar->setValue(0);
}

void MainWindow::onTopButtonClicked()
{
    m_verticalBar->setValue(0);
}

void MainWindow::onLeftButtonClicked()
{
    m_horizontalBar->setValue(0);
}

void MainWindow::onNewMapChosen()
{
    if (!settleUnsavedChanges())
        return;
    NewMapDialog dialog(m_state, m_host.messageBox, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_verticalBar->setValue(0);
    m_horizontalBar->setValue(0);
}

void MainWindow::onClearMapChosen()
{
    const MessageBox::Answer answer = m_host.messageBox.show(
        Texts::ClearMapPrompt, MessageBox::Buttons::YesNo, Texts::ClearMapTitle);
    if (answer == MessageBox::Answer::Yes)
        MapCommands::clearMap(m_state);
}

void MainWindow::onResizeMapChosen()
{
    ResizeMapDialog dialog(m_state, m_host.messageBox, this);
    // A resize brings the view back to the map's top-left corner with it.
    if (dialog.exec() == QDialog::Accepted)
        scrollHome();
}

void MainWindow::onLoadMapChosen()
{
    if (!settleUnsavedChanges() || !loadMapFile(m_state, m_host))
        return;
    m_recentMaps->add(m_host.fileDialog.fileName);
    scrollHome();
}

void MainWindow::openFile(const QString &path)
{
    if (OpenedFileKind::ofFile(path) == OpenedFileKind::Kind::Picture) {
        loadTileSetAt(m_state, m_host, path);
        return;
    }
    if (!settleUnsavedChanges() || !loadMapFileAt(m_state, m_host, path))
        return;
    m_recentMaps->add(path);
    scrollHome();
}

void MainWindow::onSaveMapChosen()
{
    saveMap();
}

bool MainWindow::saveMap()
{
    if (!saveMapFile(m_state, m_host))
        return false;
    m_recentMaps->add(m_host.fileDialog.fileName);
    return true;
}

void MainWindow::onExitChosen()
{
    close();
}

void MainWindow::onImportPictureChosen()
{
    if (settleUnsavedChanges() && importPictureFile(m_state, m_host))
        scrollHome();
}

void MainWindow::onSaveTilesChosen()
{
    saveTileSheet(m_state, m_host);
}

void MainWindow::onLoadTilesChosen()
{
    loadTileSet(m_state, m_host);
}

void MainWindow::onShowTilesChosen()
{
    showPicker();
    picker().raise();
}

void MainWindow::onFillMapChosen()
{
    if (!picker().isVisible())
        showPicker();
    MapCommands::fillMap(m_state);
}

void MainWindow::onPreviewChosen()
{
    // Loaded afresh at every opening, so it always opens at 100 %.
    PreviewWindow preview(m_state, m_host, this);
    preview.exec();
}

void MainWindow::onCreateImageChosen()
{
    ImageExport::createImage(m_host, [this](const QString &fileName) {
        return MapPicture::writeBitmap(m_state, fileName);
    });
}

void MainWindow::onTileUsageChosen()
{
    if (!m_tileUsage) {
        m_tileUsage = new TileUsageWindow(m_state, m_host.messageBox, this);
        connect(m_tileUsage, &TileUsageWindow::findRequested, this, &MainWindow::onFindRequested);
        connect(m_tileUsage, &TileUsageWindow::closed, m_cellMarks, &CellMarks::clear);
        // Below the main window as far as the screen allows, so the canvas
        // where Find marks cells stays in view.
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect available = screen->availableGeometry();
            const int top = std::min(frameGeometry().bottom() + 1,
                                     available.bottom() - m_tileUsage->sizeHint().height());
            m_tileUsage->move(available.left(), std::max(available.top(), top));
        }
    }
    m_tileUsage->show();
    m_tileUsage->raise();
}

void MainWindow::onFindRequested(int tile)
{
    const std::vector<QPoint> cells = TileFinding::cellsHolding(m_state, tile);
    m_cellMarks->show(tile, cells);
    if (cells.empty())
        return;
    const QPoint values = TileFinding::scrollValuesShowing(cells.front());
    m_horizontalBar->setValue(values.x());
    m_verticalBar->setValue(values.y());
}

void MainWindow::onHelpChosen()
{
    m_host.help.showHelp(HelpTopics::helpFilePath(), HelpTopics::ContentsContext);
}

void MainWindow::onWebSiteChosen()
{
    m_host.urlOpener.open(QUrl(QLatin1String(AppInfo::WebSiteAddress)));
}

void MainWindow::onCreditsChosen()
{
    CreditsWindow credits(*m_canvasView, this);
    credits.exec();
}
