// SPDX-License-Identifier: MIT
// The tile picker beside the main window: the menu shortcuts work while it is
// the active window, and a press on the map acts at once whichever window was
// active before it, with every kind of brush and every tool, even when the
// pointer never moved over the map since the tile was picked.
#include "core/render/TileGeometry.h"
#include "core/state/EditorState.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/MouseEvents.h"
#include "tests/support/PaintTicks.h"
#include "ui/tiles/TilePicker.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>
#include <QUndoStack>

#include <memory>
#include <vector>

namespace {

// Which window is active when the press on the map comes.
enum class Start {
    PickerActive,
    // No window manager: nothing takes the activation from a click.
    NothingActive,
    // The main window, back by the keyboard or the title bar.
    MainWindowAgain,
};

enum class Brush { Tile, PickerStamp, PastedBlock };

enum class Gesture {
    // Press and release with no tick between them.
    Click,
    RightClick,
    // Held for one tick.
    Held,
};

enum class DrawTool { BucketFill, RectangleFill, Select, PickTile };

// The cells pressed on, away from the map cells that the sheet places of the
// picks below name: a press that paints at the paint position a pick left
// paints those instead.
constexpr QPoint First(6, 5);
constexpr QPoint Second(12, 9);

using Tiles2D = std::vector<std::vector<int>>;

// The editor with the tile picker shown and the start's window active.
struct EditorBeside : EditorFixture
{
    explicit EditorBeside(Start start)
    {
        window.show();
        window.picker().show();
        activate(window.picker());
        if (start == Start::NothingActive)
            activateNothing();
        else if (start == Start::MainWindowAgain)
            activate(window);
    }

    static void activate(QWidget &target)
    {
        target.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&target));
    }

    // A window that takes the activation and then goes leaves none active.
    static void activateNothing()
    {
        {
            QWidget other;
            other.show();
            activate(other);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeWindow(), 5000);
    }

    QWidget *canvas() const { return find<QWidget>("mapCanvas"); }
    QWidget *sheet() const { return window.picker().findChild<QWidget *>(QStringLiteral("tileSheet")); }
    static QPointF centre(QPoint cell) { return QPointF(cell * Tiles::TileSize) + QPointF(8.5, 8.5); }

    // A press on the sheet picks; with Shift, a drag to another tile makes a
    // stamp. The pointer moves over the sheet only.
    void pick(QPoint sheetCell, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        MouseEvents::move(sheet(), centre(sheetCell));
        MouseEvents::press(sheet(), centre(sheetCell), Qt::LeftButton, modifiers);
        MouseEvents::move(sheet(), centre(to), Qt::LeftButton, modifiers);
        MouseEvents::release(sheet(), centre(to), Qt::LeftButton, modifiers);
    }

    // Makes the brush, the way the user does it from the picker, and returns
    // its tiles row by row.
    Tiles2D makeBrush(Brush brush) const
    {
        switch (brush) {
        case Brush::Tile:
            pick(QPoint(9, 0), QPoint(9, 0));
            return {{9}};
        case Brush::PickerStamp:
            pick(QPoint(2, 1), QPoint(3, 2), Qt::ShiftModifier);
            return {{34, 35}, {66, 67}};
        case Brush::PastedBlock:
            QGuiApplication::clipboard()->setText(QStringLiteral("40,41\n42,43\n"));
            // Keys reach an active window only; else Edit > Paste.
            if (window.picker().isActiveWindow())
                QTest::keyClick(&window.picker(), Qt::Key_V, Qt::ControlModifier);
            else
                trigger("pasteAction");
            return {{40, 41}, {42, 43}};
        }
        return {};
    }

    // Presses on the cell without moving the pointer over the map first.
    void press(QPoint cell, Gesture gesture, PaintTicks &ticks) const
    {
        const Qt::MouseButton button =
            gesture == Gesture::RightClick ? Qt::RightButton : Qt::LeftButton;
        MouseEvents::press(canvas(), centre(cell), button);
        if (gesture == Gesture::Held)
            ticks.tick();
        MouseEvents::release(canvas(), centre(cell), button);
        ticks.tick();
    }

    void drag(QPoint from, QPoint to) const
    {
        MouseEvents::press(canvas(), centre(from));
        MouseEvents::move(canvas(), centre(to), Qt::LeftButton);
        MouseEvents::release(canvas(), centre(to));
    }

    int steps() const { return state.history.stack().count(); }
};

// Every cell of the grid: the brush's tiles with their top-left tile on each
// of the pressed cells, tile 0 everywhere else. Returns the first cell that
// differs, or nothing.
QString gridMismatch(const EditorState &state, const Tiles2D &brush, const std::vector<QPoint> &at)
{
    for (int row = 0; row < Tiles::GridRows; ++row) {
        for (int column = 0; column < Tiles::GridColumns; ++column) {
            int expected = 0;
            for (const QPoint &origin : at) {
                const int dx = column - origin.x();
                const int dy = row - origin.y();
                if (dy >= 0 && dy < int(brush.size()) && dx >= 0 && dx < int(brush[dy].size()))
                    expected = brush[dy][dx];
            }
            if (state.cell(column, row) != expected)
                return QStringLiteral("cell %1, %2 holds %3, not %4")
                    .arg(column)
                    .arg(row)
                    .arg(state.cell(column, row))
                    .arg(expected);
        }
    }
    return {};
}

} // namespace

class TestToolWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuKeysInThePicker_data();
    void menuKeysInThePicker();
    void editKeysInThePicker();
    void activatingPressPaints_data();
    void activatingPressPaints();
    void otherToolsActAtOnce_data();
    void otherToolsActAtOnce();
};

void TestToolWindows::menuKeysInThePicker_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("dialogTitle");
    QTest::newRow("save map") << int(Qt::Key_S) << QStringLiteral("Save Map");
    QTest::newRow("load map") << int(Qt::Key_M) << QStringLiteral("Load Map");
    QTest::newRow("load tiles") << int(Qt::Key_L) << QStringLiteral("Load TileSet");
}

void TestToolWindows::menuKeysInThePicker()
{
    QFETCH(int, key);
    EditorBeside editor(Start::PickerActive);
    QTest::keyClick(&editor.window.picker(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(editor.host.fileDialog.shown.size(), 1);
    QTEST(editor.host.fileDialog.shown.constFirst().title, "dialogTitle");
}

void TestToolWindows::editKeysInThePicker()
{
    EditorBeside editor(Start::PickerActive);
    editor.state.selectedTile = 5;
    TilePicker &picker = editor.window.picker();

    QTest::keyClick(&picker, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(editor.state.cell(10, 10), 5);
    QTest::keyClick(&picker, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.state.cell(10, 10), 0);
    QTest::keyClick(&picker, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(editor.state.cell(10, 10), 5);
}

void TestToolWindows::activatingPressPaints_data()
{
    QTest::addColumn<Start>("start");
    QTest::addColumn<Brush>("brush");
    QTest::addColumn<Gesture>("gesture");
    const std::pair<Start, const char *> starts[] = {{Start::PickerActive, "picker active"},
                                                     {Start::NothingActive, "nothing active"},
                                                     {Start::MainWindowAgain, "main window again"}};
    const std::pair<Brush, const char *> brushes[] = {{Brush::Tile, "tile"},
                                                      {Brush::PickerStamp, "picker stamp"},
                                                      {Brush::PastedBlock, "pasted block"}};
    const std::pair<Gesture, const char *> gestures[] = {
        {Gesture::Click, "click"}, {Gesture::RightClick, "right click"}, {Gesture::Held, "held"}};
    for (const auto &[start, startName] : starts)
        for (const auto &[brush, brushName] : brushes)
            for (const auto &[gesture, gestureName] : gestures)
                QTest::addRow("%s, %s, %s", startName, brushName, gestureName)
                    << start << brush << gesture;
}

// The press that follows a pick paints the pressed cell at once, whether it
// is over before the first tick or held for one; so does the next press.
void TestToolWindows::activatingPressPaints()
{
    QFETCH(Start, start);
    QFETCH(Brush, brush);
    QFETCH(Gesture, gesture);
    EditorBeside editor(start);
    PaintTicks ticks(&editor.window);
    const Tiles2D tiles = editor.makeBrush(brush);
    const int stepsBefore = editor.steps();

    editor.press(First, gesture, ticks);
    QString mismatch = gridMismatch(editor.state, tiles, {First});
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QCOMPARE(editor.steps(), stepsBefore + 1);
    const QImage &canvas = editor.state.mapCanvas.image();
    const QSize tile(Tiles::TileSize, Tiles::TileSize);
    QCOMPARE(canvas.copy(QRect(First * Tiles::TileSize, tile)),
             editor.state.tileSheet.image().copy(
                 QRect(Tiles::sheetOrigin(tiles.front().front()), tile)));
    // The press moved the outline and the status to its cell.
    QCOMPARE(editor.find<QWidget>("cellOutline")->pos(), First * Tiles::TileSize);
    QCOMPARE(editor.find<QLabel>("cursorPanel")->text(), QStringLiteral("Cursor Loc: 6, 5"));

    editor.press(Second, gesture, ticks);
    mismatch = gridMismatch(editor.state, tiles, {First, Second});
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QCOMPARE(editor.steps(), stepsBefore + 2);
}

void TestToolWindows::otherToolsActAtOnce_data()
{
    QTest::addColumn<Start>("start");
    QTest::addColumn<DrawTool>("tool");
    const std::pair<Start, const char *> starts[] = {{Start::PickerActive, "picker active"},
                                                     {Start::NothingActive, "nothing active"}};
    const std::pair<DrawTool, const char *> tools[] = {{DrawTool::BucketFill, "bucket fill"},
                                                       {DrawTool::RectangleFill, "rectangle fill"},
                                                       {DrawTool::Select, "select"},
                                                       {DrawTool::PickTile, "pick tile"}};
    for (const auto &[start, startName] : starts)
        for (const auto &[tool, toolName] : tools)
            QTest::addRow("%s, %s", startName, toolName) << start << tool;
}

// Every tool of the Draw menu acts on the first press after a pick.
void TestToolWindows::otherToolsActAtOnce()
{
    QFETCH(Start, start);
    QFETCH(DrawTool, tool);
    EditorBeside editor(start);
    editor.makeBrush(Brush::Tile);
    const QPoint corner = First + QPoint(2, 1);

    switch (tool) {
    case DrawTool::BucketFill:
        editor.trigger("bucketFillAction");
        editor.drag(First, First);
        QCOMPARE(editor.state.cell(First.x(), First.y()), 9);
        QCOMPARE(editor.state.cell(0, 0), 9);
        QCOMPARE(editor.state.cell(254, 126), 9);
        break;
    case DrawTool::RectangleFill: {
        editor.trigger("rectangleFillAction");
        editor.drag(First, corner);
        const QString mismatch =
            gridMismatch(editor.state, Tiles2D(2, std::vector<int>(3, 9)), {First});
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        break;
    }
    case DrawTool::Select:
        editor.trigger("fillMapAction");
        editor.trigger("selectAction");
        editor.drag(First, corner);
        editor.trigger("deleteAction");
        QCOMPARE(editor.state.cell(First.x(), First.y()), 0);
        QCOMPARE(editor.state.cell(corner.x(), corner.y()), 0);
        QCOMPARE(editor.state.cell(corner.x() + 1, corner.y()), 9);
        QCOMPARE(editor.state.cell(First.x() - 1, First.y()), 9);
        break;
    case DrawTool::PickTile:
        editor.state.cell(First.x(), First.y()) = 77;
        editor.trigger("pickTileAction");
        editor.drag(First, First);
        QCOMPARE(int(editor.state.selectedTile), 77);
        break;
    }
}

QTEST_MAIN(TestToolWindows)
#include "tst_toolwindows.moc"
