// SPDX-License-Identifier: MIT
// New Map, Resize Map, Fill Map and Clear Map as the user runs them from the
// main window's menus, with the modal dialogs answered by a scripted user.
#include "core/state/EditorState.h"
#include "core/edit/MapCommands.h"
#include "host/QtMessageBox.h"
#include "tests/dialogs/DialogTestSupport.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/MouseEvents.h"
#include "tests/support/PaintTicks.h"
#include "ui/main/MainWindowConstants.h"
#include "ui/tiles/TilePicker.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

namespace {
// Long enough for the 1 ms painting timer to tick several times.
} // namespace

class TestMapMenuCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void newMapReplacesMapAndReturnsHome();
    void wayOutChangesNothing_data();
    void wayOutChangesNothing();
    void shrinkThenGrowKeepsPaintedCells();
    void resizeToSameSizeStillResizes();
    void fillAfterTilePickFillsWholeGrid();
    void fillLeavesShownPickerAlone();
    void clearMap_data();
    void clearMap();
    void clearMapBoxAnswersYesOnEnter();

private:
    using User = std::function<void(QDialog &)>;
    // Runs the menu command; `user` acts on the modal dialog it opens and
    // must close it.
    void runWithDialog(const char *menuItem, const char *dialogName, const User &user);
    static void type(QDialog &dialog, const QString &width, const QString &height);
    static void press(QDialog &dialog, const char *button);
    QScrollBar *bar(const char *name) const { return m_editor->find<QScrollBar>(name); }
    QWidget *canvas() const { return m_editor->find<QWidget>("mapCanvas"); }
    QString panel(const char *name) const { return m_editor->find<QLabel>(name)->text(); }
    QImage tilePicture(int tile) const;
    QImage cellPicture(int column, int row) const;
    void pickTile(int tile);
    void paintCell(int column, int row);
    void scrollAway();

    std::unique_ptr<EditorFixture> m_editor;
    EditorState *m_state = nullptr;
};

void TestMapMenuCommands::init()
{
    m_editor = std::make_unique<EditorFixture>();
    m_state = &m_editor->state;
    m_editor->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_editor->window));
}

void TestMapMenuCommands::cleanup()
{
    m_editor.reset();
}

void TestMapMenuCommands::runWithDialog(const char *menuItem, const char *dialogName,
                                        const User &user)
{
    bool opened = false;
    bool leftOpen = false;
    QTimer::singleShot(0, &m_editor->window, [&, dialogName] {
        auto *dialog = m_editor->window.findChild<QDialog *>(QLatin1String(dialogName));
        if (!dialog || !dialog->isVisible())
            return;
        opened = true;
        user(*dialog);
        // A dialog the script left open would block the test for good.
        if (dialog->isVisible()) {
            leftOpen = true;
            dialog->reject();
        }
    });
    m_editor->trigger(menuItem);
    QVERIFY(opened);
    QVERIFY(!leftOpen);
}

void TestMapMenuCommands::type(QDialog &dialog, const QString &width, const QString &height)
{
    QLineEdit *widthField = dialog.findChild<QLineEdit *>(QStringLiteral("widthField"));
    QLineEdit *heightField = dialog.findChild<QLineEdit *>(QStringLiteral("heightField"));
    widthField->clear();
    QTest::keyClicks(widthField, width);
    heightField->clear();
    QTest::keyClicks(heightField, height);
}

void TestMapMenuCommands::press(QDialog &dialog, const char *button)
{
    QTest::mouseClick(dialog.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

QImage TestMapMenuCommands::tilePicture(int tile) const
{
    return m_state->tileSheet.image().copy(QRect(Tiles::sheetOrigin(tile), QSize(16, 16)));
}

QImage TestMapMenuCommands::cellPicture(int column, int row) const
{
    return m_state->mapCanvas.image().copy(QRect(Tiles::cellOrigin(column, row), QSize(16, 16)));
}

void TestMapMenuCommands::pickTile(int tile)
{
    auto *sheet = m_editor->window.picker().findChild<QWidget *>(QStringLiteral("tileSheet"));
    const QPointF at = QPointF(Tiles::sheetOrigin(tile)) + QPointF(3, 3);
    MouseEvents::move(sheet, at);
    MouseEvents::press(sheet, at);
    MouseEvents::release(sheet, at);
}

void TestMapMenuCommands::paintCell(int column, int row)
{
    const QPointF at = QPointF(Tiles::cellOrigin(column, row)) + QPointF(8, 8);
    PaintTicks ticks(&m_editor->window);
    MouseEvents::move(canvas(), at);
    MouseEvents::press(canvas(), at);
    ticks.tick();
    MouseEvents::release(canvas(), at);
}

void TestMapMenuCommands::scrollAway()
{
    bar("horizontalBar")->setValue(7);
    bar("verticalBar")->setValue(9);
    QCOMPARE(canvas()->pos(), QPoint(-700, -315));
}

void TestMapMenuCommands::newMapReplacesMapAndReturnsHome()
{
    pickTile(34);
    paintCell(3, 2);
    paintCell(200, 100);
    scrollAway();

    runWithDialog("newMapAction", "newMapDialog", [](QDialog &dialog) {
        type(dialog, QStringLiteral("40"), QStringLiteral("25"));
        press(dialog, "createMapButton");
    });

    QCOMPARE(m_state->mapWidth, 40);
    QCOMPARE(m_state->mapHeight, 25);
    QCOMPARE(m_state->mapWidthByte, 40);
    QCOMPARE(m_state->mapHeightByte, 25);
    QVERIFY(std::all_of(m_state->tileMap.begin(), m_state->tileMap.end(),
                        [](std::uint8_t tile) { return tile == 0; }));
    QCOMPARE(m_state->mapCanvas.size(), QSize(640, 400));
    QCOMPARE(cellPicture(3, 2), tilePicture(0));
    QCOMPARE(cellPicture(39, 24), tilePicture(0));
    QCOMPARE(panel("mapPanel"), QStringLiteral("Map: New map created."));
    QCOMPARE(panel("sizePanel"), QStringLiteral("Size: 40x25"));
    QCOMPARE(bar("horizontalBar")->value(), 0);
    QCOMPARE(bar("verticalBar")->value(), 0);
    QCOMPARE(canvas()->pos(), QPoint(0, 0));
}

// Cancel or the close box after a size the check refused: the map, the
// panels and the view stay as they were, for both size dialogs.
void TestMapMenuCommands::wayOutChangesNothing_data()
{
    QTest::addColumn<QByteArray>("action");
    QTest::addColumn<QByteArray>("dialogName");
    QTest::addColumn<QByteArray>("applyButton");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<bool>("closeBox");
    const auto addRows = [](const char *name, const QByteArray &action,
                            const QByteArray &dialogName, const QByteArray &applyButton,
                            const QString &width, const QString &height) {
        QTest::addRow("%s, Cancel", name)
            << action << dialogName << applyButton << width << height << false;
        QTest::addRow("%s, close box", name)
            << action << dialogName << applyButton << width << height << true;
    };
    addRows("new map", "newMapAction", "newMapDialog", "createMapButton", QStringLiteral("0"),
            QStringLiteral("25"));
    addRows("resize", "resizeMapAction", "resizeMapDialog", "resizeButton", QStringLiteral("40"),
            QStringLiteral("x"));
}

void TestMapMenuCommands::wayOutChangesNothing()
{
    QFETCH(QByteArray, action);
    QFETCH(QByteArray, dialogName);
    QFETCH(QByteArray, applyButton);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(bool, closeBox);
    pickTile(34);
    paintCell(3, 2);
    // As saved: New Map opens its dialog without asking about the changes.
    m_state->history.markSaved();
    scrollAway();
    m_state->setStatusText(EditorState::MapPanel, QStringLiteral("Map: castle.map"));
    const MapSnapshot before(*m_state);
    const QString mapPanel = panel("mapPanel");
    const QString sizePanel = panel("sizePanel");

    runWithDialog(action.constData(), dialogName.constData(), [&](QDialog &dialog) {
        type(dialog, width, height);
        press(dialog, applyButton.constData());
        if (closeBox)
            dialog.close();
        else
            press(dialog, "cancelButton");
    });

    QCOMPARE(m_editor->host.messageBox.asked.size(), 1);
    QVERIFY(MapSnapshot(*m_state) == before);
    QCOMPARE(panel("mapPanel"), mapPanel);
    QCOMPARE(panel("sizePanel"), sizePanel);
    QCOMPARE(bar("horizontalBar")->value(), 7);
    QCOMPARE(bar("verticalBar")->value(), 9);
    QCOMPARE(canvas()->pos(), QPoint(-700, -315));
}

void TestMapMenuCommands::shrinkThenGrowKeepsPaintedCells()
{
    pickTile(34);
    paintCell(3, 2);
    paintCell(200, 100);
    paintCell(254, 126);
    const auto grid = m_state->tileMap;
    scrollAway();

    runWithDialog("resizeMapAction", "resizeMapDialog", [](QDialog &dialog) {
        type(dialog, QStringLiteral("10"), QStringLiteral("10"));
        press(dialog, "resizeButton");
    });

    QVERIFY(m_state->tileMap == grid);
    QCOMPARE(m_state->mapWidth, 10);
    QCOMPARE(m_state->mapHeightByte, 10);
    QCOMPARE(m_state->mapCanvas.size(), QSize(160, 160));
    QCOMPARE(cellPicture(3, 2), tilePicture(34));
    QCOMPARE(panel("mapPanel"), QStringLiteral("Map: Map Resized"));
    QCOMPARE(panel("sizePanel"), QStringLiteral("Size: 10x10"));
    QCOMPARE(bar("horizontalBar")->value(), 0);
    QCOMPARE(bar("verticalBar")->value(), 0);
    QCOMPARE(canvas()->pos(), QPoint(0, 0));

    runWithDialog("resizeMapAction", "resizeMapDialog", [](QDialog &dialog) {
        type(dialog, QStringLiteral("255"), QStringLiteral("127"));
        press(dialog, "resizeButton");
    });

    QVERIFY(m_state->tileMap == grid);
    QCOMPARE(m_state->mapCanvas.size(), QSize(4080, 2032));
    QCOMPARE(m_state->cell(200, 100), 34);
    QCOMPARE(cellPicture(200, 100), tilePicture(34));
    QCOMPARE(cellPicture(254, 126), tilePicture(34));
    QCOMPARE(cellPicture(3, 2), tilePicture(34));
    QCOMPARE(cellPicture(100, 50), tilePicture(0));
    QCOMPARE(panel("sizePanel"), QStringLiteral("Size: 255x127"));
}

void TestMapMenuCommands::resizeToSameSizeStillResizes()
{
    scrollAway();
    m_state->setStatusText(EditorState::MapPanel, QStringLiteral("Map: castle.map"));
    m_state->setStatusText(EditorState::SizePanel, QString());

    runWithDialog("resizeMapAction", "resizeMapDialog", [](QDialog &dialog) {
        type(dialog, QStringLiteral("255"), QStringLiteral("127"));
        press(dialog, "resizeButton");
    });

    QCOMPARE(panel("mapPanel"), QStringLiteral("Map: Map Resized"));
    QCOMPARE(panel("sizePanel"), QStringLiteral("Size: 255x127"));
    QCOMPARE(bar("horizontalBar")->value(), 0);
    QCOMPARE(bar("verticalBar")->value(), 0);
    QCOMPARE(canvas()->pos(), QPoint(0, 0));
}

void TestMapMenuCommands::fillAfterTilePickFillsWholeGrid()
{
    runWithDialog("resizeMapAction", "resizeMapDialog", [](QDialog &dialog) {
        type(dialog, QStringLiteral("10"), QStringLiteral("5"));
        press(dialog, "resizeButton");
    });
    pickTile(34);
    QVERIFY(!m_editor->window.picker().isVisible());
    const QString mapPanel = panel("mapPanel");

    m_editor->trigger("fillMapAction");

    QVERIFY(m_editor->window.picker().isVisible());
    QVERIFY(std::all_of(m_state->tileMap.begin(), m_state->tileMap.end(),
                        [](std::uint8_t tile) { return tile == 34; }));
    QCOMPARE(m_state->mapCanvas.size(), QSize(160, 80));
    for (int column = 0; column < 10; ++column)
        for (int row = 0; row < 5; ++row)
            QCOMPARE(cellPicture(column, row), tilePicture(34));
    QCOMPARE(m_state->mapWidth, 10);
    QCOMPARE(panel("mapPanel"), mapPanel);
}

void TestMapMenuCommands::fillLeavesShownPickerAlone()
{
    TilePicker &picker = m_editor->window.picker();
    picker.show();
    picker.move(123, 45);
    const QPoint where = picker.pos();

    m_editor->trigger("fillMapAction");

    QVERIFY(picker.isVisible());
    QCOMPARE(picker.pos(), where);
    QVERIFY(std::all_of(m_state->tileMap.begin(), m_state->tileMap.end(),
                        [](std::uint8_t tile) { return tile == 0; }));
}

void TestMapMenuCommands::clearMap_data()
{
    QTest::addColumn<MessageBox::Answer>("answer");
    QTest::newRow("No") << MessageBox::Answer::No;
    QTest::newRow("Yes") << MessageBox::Answer::Yes;
}

void TestMapMenuCommands::clearMap()
{
    QFETCH(MessageBox::Answer, answer);
    runWithDialog("resizeMapAction", "resizeMapDialog", [](QDialog &dialog) {
        type(dialog, QStringLiteral("40"), QStringLiteral("25"));
        press(dialog, "resizeButton");
    });
    pickTile(34);
    paintCell(3, 2);
    m_state->setStatusText(EditorState::MapPanel, QStringLiteral("Map: castle.map"));
    const MapSnapshot before(*m_state);
    m_editor->host.messageBox.answers = {answer};

    m_editor->trigger("clearMapAction");

    const auto &asked = m_editor->host.messageBox.asked;
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().prompt, QStringLiteral("Are you sure you want to clear the map?"));
    QCOMPARE(asked.first().title, QStringLiteral("WARNING!!"));
    QCOMPARE(asked.first().buttons, MessageBox::Buttons::YesNo);
    if (answer == MessageBox::Answer::No) {
        QVERIFY(MapSnapshot(*m_state) == before);
        return;
    }
    QVERIFY(std::all_of(m_state->tileMap.begin(), m_state->tileMap.end(),
                        [](std::uint8_t tile) { return tile == 0; }));
    QCOMPARE(m_state->mapCanvas.size(), QSize(640, 400));
    QCOMPARE(cellPicture(3, 2), tilePicture(0));
    QCOMPARE(panel("mapPanel"), QStringLiteral("Map: castle.map"));
    QCOMPARE(panel("sizePanel"), QStringLiteral("Size: 40x25"));
}

void TestMapMenuCommands::clearMapBoxAnswersYesOnEnter()
{
    QtMessageBox box;
    QString shownText;
    QTimer::singleShot(0, &m_editor->window, [&shownText] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *text = modal->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            shownText = text->text();
        QTest::keyClick(modal, Qt::Key_Return);
    });

    const MessageBox::Answer answer =
        box.show(MainWindowTexts::ClearMapPrompt, MessageBox::Buttons::YesNo,
                 MainWindowTexts::ClearMapTitle);

    QCOMPARE(answer, MessageBox::Answer::Yes);
    QCOMPARE(shownText, MainWindowTexts::ClearMapPrompt);
}

QTEST_MAIN(TestMapMenuCommands)
#include "tst_mapmenucommands.moc"
