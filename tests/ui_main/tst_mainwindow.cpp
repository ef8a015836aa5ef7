// SPDX-License-Identifier: MIT
// The main window at start-up: its state, texts, layout and menu bar.
#include "core/state/EditorState.h"
#include "core/edit/MapCommands.h"
#include "core/state/WindowPlacement.h"
#include "tests/support/EditorFixture.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowConstants.h"
#include "ui/tiles/TilePicker.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startUpState();
    void startUpTexts();
    void windowTitles_data();
    void windowTitles();
    void previewHoldsTileZero();
    void pickerExistsHiddenAndOnTop();
    void pickerOpensBelowTheMainWindow();
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void menuBarHoldsEveryCommand();
    void menuItemsHaveUniqueLetters();
    void ctrlCClearsTheMapAfterAsking();
    void itemsWithSecondKeys_data();
    void itemsWithSecondKeys();
    void exitClosesEveryWindow();

private:
    std::unique_ptr<EditorFixture> m_editor;
    EditorState *m_state = nullptr;
    MainWindow *m_window = nullptr;
};

void TestMainWindow::init()
{
    m_editor = std::make_unique<EditorFixture>();
    m_state = &m_editor->state;
    m_window = &m_editor->window;
}

void TestMainWindow::cleanup()
{
    m_editor.reset();
}

void TestMainWindow::startUpState()
{
    QCOMPARE(m_state->mapWidth, 255);
    QCOMPARE(m_state->mapHeight, 127);
    QCOMPARE(m_state->mapWidthByte, 255);
    QCOMPARE(m_state->mapHeightByte, 127);
    QCOMPARE(m_state->headerByte1, 254);
    QCOMPARE(m_state->headerByte2, 79);
    QCOMPARE(m_state->selectedTile, 0);
    QCOMPARE(m_state->mapCanvas.size(), QSize(4080, 2032));
    QVERIFY(std::all_of(m_state->tileMap.begin(), m_state->tileMap.end(),
                        [](auto cell) { return cell == 0; }));
    const QWidget *canvas = m_window->findChild<QWidget *>(QStringLiteral("mapCanvas"));
    QCOMPARE(canvas->size(), QSize(4080, 2032));
    // Clipped within the viewport's two-pixel sunken border.
    QCOMPARE(canvas->parentWidget()->geometry(), QRect(2, 2, 771, 579));
}

void TestMainWindow::startUpTexts()
{
    const auto panel = [this](const char *key) {
        return m_window->findChild<QLabel *>(QLatin1String(key));
    };
    QCOMPARE(panel("mapPanel")->text(), QStringLiteral("Map: Blank Map"));
    QCOMPARE(panel("sizePanel")->text(), QStringLiteral("Size: 255x127"));
    QCOMPARE(panel("cursorPanel")->text(), QStringLiteral("Cursor Location"));
    QCOMPARE(panel("mapPanel")->toolTip(), QStringLiteral("Your current loaded map."));
    QCOMPARE(panel("sizePanel")->toolTip(), QStringLiteral("The current map size."));
    QCOMPARE(panel("cursorPanel")->toolTip(), QStringLiteral("Your cursor location on map."));
    QCOMPARE(panel("mapPanel")->width(), 427);
    QCOMPARE(panel("sizePanel")->width(), 188);
    QCOMPARE(panel("cursorPanel")->width(), 214);
    // A file name such as "<b>level</b>.map" must show as it is.
    for (const char *key : {"mapPanel", "sizePanel", "cursorPanel"})
        QCOMPARE(panel(key)->textFormat(), Qt::PlainText);
}

void TestMainWindow::windowTitles_data()
{
    QTest::addColumn<bool>("picker");
    QTest::addColumn<QString>("title");
    QTest::newRow("main window") << false << QStringLiteral("Tesselwick (v1.0) - Quorvane Labs");
    QTest::newRow("tile picker") << true << QStringLiteral("Using Default TileSet");
}

void TestMainWindow::windowTitles()
{
    QFETCH(bool, picker);
    QWidget *window = picker ? static_cast<QWidget *>(&m_window->picker()) : m_window;
    // As the window manager shows it: the main window's modified mark is out.
    window->winId();
    QTEST(window->windowHandle()->title(), "title");
}

void TestMainWindow::previewHoldsTileZero()
{
    const QImage brush = m_state->brushPreview.image().copy(0, 0, 16, 16);
    const QImage tileZero = m_state->tileSheet.image().copy(0, 0, 16, 16);
    QCOMPARE(brush, tileZero);
    QCOMPARE(m_state->mapCanvas.image().copy(4064, 2016, 16, 16), tileZero);
}

void TestMainWindow::pickerExistsHiddenAndOnTop()
{
    TilePicker &picker = m_window->picker();
    QCOMPARE(picker.objectName(), QStringLiteral("tilePicker"));
    QVERIFY(!picker.isVisible());
    QVERIFY(picker.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestMainWindow::pickerOpensBelowTheMainWindow()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    const QRect available = screen->availableGeometry();
    // Where the main window stands when the picker is built, not where it
    // started.
    m_window->move(m_window->frameGeometry().topLeft() + QPoint(40, 30));
    const QRect frame = m_window->frameGeometry();

    const QRect picker = m_window->picker().frameGeometry();
    QCOMPARE(picker.topLeft(),
             WindowPlacement::pickerBelow(frame, picker.size(), available).pickerTopLeft);
    QVERIFY(picker.top() > frame.bottom() || picker.bottom() == available.bottom());
    QVERIFY(available.contains(picker));
}

void TestMainWindow::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    QTest::newRow("banner") << "banner" << QRect(-168, 0, 1204, 45) << QString() << QString();
    QTest::newRow("viewport") << "viewport" << QRect(16, 56, 775, 583) << QString() << QString();
    QTest::newRow("top") << "topButton" << QRect(792, 56, 17, 19) << "^"
                         << "Jump to Top";
    QTest::newRow("vertical bar") << "verticalBar" << QRect(792, 72, 17, 569) << QString()
                                  << QString();
    QTest::newRow("left") << "leftButton" << QRect(16, 640, 25, 17) << "<<"
                          << "Jump to Left";
    QTest::newRow("horizontal bar")
        << "horizontalBar" << QRect(40, 640, 753, 17) << QString() << QString();
    QTest::newRow("home") << "homeButton" << QRect(792, 640, 17, 17) << "H"
                          << "Home";
}

void TestMainWindow::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    const QWidget *control = m_window->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), tip);
    }
}

void TestMainWindow::menuBarHoldsEveryCommand()
{
    struct Entry
    {
        const char *name;
        const char *caption;
        const char *shortcut;
    };
    const QList<QList<Entry>> expected = {
        {{"fileMenu", "&File", ""},
         {"newMapAction", "&New Map", "Ctrl+N"},
         {"clearMapAction", "&Clear Map", "Ctrl+C"},
         {"resizeMapAction", "&Resize Map", "Ctrl+R"},
         {"fileLoadSeparator", "", ""},
         {"loadMapAction", "&Load Map", "Ctrl+M"},
         {"importPictureAction", "&Import Picture", "Ctrl+Shift+I"},
         {"saveMapAction", "&Save Map", "Ctrl+S"},
         {"saveTilesAction", "Save &Tiles...", ""},
         {"recentMapsMenu", "Recent &Maps", ""},
         {"fileExitSeparator", "", ""},
         {"exitAction", "E&xit", "Ctrl+Q"}},
        {{"editMenu", "&Edit", ""},
         {"undoAction", "&Undo", "Ctrl+Z"},
         {"redoAction", "&Redo", "Ctrl+Y"},
         {"editClipboardSeparator", "", ""},
         {"cutAction", "Cu&t", "Ctrl+X"},
         {"copyAction", "&Copy", "Ctrl+Shift+C"},
         {"pasteAction", "&Paste", "Ctrl+V"},
         {"deleteAction", "&Delete", "Del"},
         {"editSelectSeparator", "", ""},
         {"selectAllAction", "Select &All", "Ctrl+A"},
         {"selectNoneAction", "Select &None", "Ctrl+Shift+A"}},
        {{"viewMenu", "&View", ""},
         {"zoomInAction", "Zoom &In", "Ctrl+="},
         {"zoomOutAction", "Zoom &Out", "Ctrl+-"},
         {"actualSizeAction", "&Actual Size", "Ctrl+0"},
         {"zoomMenu", "&Zoom", ""},
         {"viewGridSeparator", "", ""},
         {"showGridAction", "Show &Grid", "Ctrl+G"}},
        {{"drawMenu", "&Draw", ""},
         {"brushAction", "&Brush", "B"},
         {"bucketFillAction", "Bucket &Fill", "F"},
         {"rectangleFillAction", "&Rectangle Fill", "P"},
         {"selectAction", "&Select", "R"},
         {"pickTileAction", "&Pick Tile", "I"}},
        {{"toolsMenu", "&Tools", ""},
         {"loadTilesAction", "&Load Tiles", "Ctrl+L"},
         {"showTilesAction", "&Show Tiles", "Ctrl+T"},
         {"tileUsageAction", "Tile &Usage", "Ctrl+U"},
         {"toolsFillSeparator", "", ""},
         {"fillMapAction", "&Fill Map", "Ctrl+F"},
         {"toolsPreviewSeparator", "", ""},
         {"previewAction", "Map &Preview", "Ctrl+P"},
         {"toolsImageSeparator", "", ""},
         {"createImageAction", "Create &Bitmap Image", "Ctrl+B"}},
        {{"aboutMenu", "&About", ""},
         {"helpAction", "&Help", "F1"},
         {"webSiteAction", "&Visit Quorvane.example", ""},
         {"creditsAction", "&Credits", ""}},
    };

    const QList<QAction *> menus = m_window->menuBar()->actions();
    QCOMPARE(menus.size(), expected.size());
    for (qsizetype m = 0; m < menus.size(); ++m) {
        const QList<Entry> &entries = expected.at(m);
        QCOMPARE(menus.at(m)->objectName(), QLatin1String(entries.at(0).name));
        QCOMPARE(menus.at(m)->text(), QLatin1String(entries.at(0).caption));
        const QList<QAction *> items = menus.at(m)->menu()->actions();
        QCOMPARE(items.size(), entries.size() - 1);
        for (qsizetype i = 0; i < items.size(); ++i) {
            const Entry &entry = entries.at(i + 1);
            QCOMPARE(items.at(i)->objectName(), QLatin1String(entry.name));
            QCOMPARE(items.at(i)->isSeparator(), *entry.caption == '\0');
            QCOMPARE(items.at(i)->text(), QLatin1String(entry.caption));
            QCOMPARE(items.at(i)->shortcut(), QKeySequence(QLatin1String(entry.shortcut)));
            QVERIFY(items.at(i)->isVisible());
        }
    }
}

// Alt and a menu's letter open the menu; then the item's letter chooses it.
void TestMainWindow::menuItemsHaveUniqueLetters()
{
    for (const QAction *menu : m_window->menuBar()->actions()) {
        QSet<QChar> letters;
        for (const QAction *item : menu->menu()->actions()) {
            if (item->isSeparator())
                continue;
            const QString text = item->text();
            const QString withoutDoubles = QString(text).remove(QStringLiteral("&&"));
            QCOMPARE(withoutDoubles.count(QLatin1Char('&')), 1);
            const qsizetype at = withoutDoubles.indexOf(QLatin1Char('&'));
            QVERIFY2(at + 1 < withoutDoubles.size() && withoutDoubles.at(at + 1).isLetterOrNumber(),
                     qPrintable(text));
            const QChar letter = withoutDoubles.at(at + 1).toLower();
            QVERIFY2(!letters.contains(letter), qPrintable(menu->text() + QLatin1String(": ") + text));
            letters.insert(letter);
        }
    }
}

// Ctrl+C is Clear Map's shortcut, not a copy command.
void TestMainWindow::ctrlCClearsTheMapAfterAsking()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_state->cell(3, 4) = 9;

    QTest::keyClick(m_window, Qt::Key_C, Qt::ControlModifier);

    QCOMPARE(m_editor->host.messageBox.asked.size(), 1);
    QCOMPARE(m_editor->host.messageBox.asked.constFirst().prompt, MainWindowTexts::ClearMapPrompt);
    QCOMPARE(m_state->cell(3, 4), 0);
}

void TestMainWindow::itemsWithSecondKeys_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("Copy") << QStringLiteral("copyAction")
                          << QStringList({QStringLiteral("Ctrl+Shift+C"),
                                          QStringLiteral("Ctrl+Ins")});
    QTest::newRow("Paste") << QStringLiteral("pasteAction")
                           << QStringList({QStringLiteral("Ctrl+V"),
                                           QStringLiteral("Shift+Ins")});
    QTest::newRow("Zoom In") << QStringLiteral("zoomInAction")
                             << QStringList({QStringLiteral("Ctrl+="), QStringLiteral("Ctrl++")});
    QTest::newRow("Esc, in no menu") << QStringLiteral("dropAction")
                                     << QStringList({QStringLiteral("Esc")});
}

void TestMainWindow::itemsWithSecondKeys()
{
    QFETCH(QString, item);
    QFETCH(QStringList, keys);
    QStringList shortcuts;
    for (const QKeySequence &keySequence : m_window->findChild<QAction *>(item)->shortcuts())
        shortcuts.append(keySequence.toString());
    QCOMPARE(shortcuts, keys);
}

void TestMainWindow::exitClosesEveryWindow()
{
    m_window->show();
    m_window->findChild<QAction *>(QStringLiteral("showTilesAction"))->trigger();
    QVERIFY(m_window->picker().isVisible());

    m_window->findChild<QAction *>(QStringLiteral("exitAction"))->trigger();

    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_window->picker().isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
