// SPDX-License-Identifier: MIT
// The tile picker beside the main window: the menu shortcuts work while it is
// the active window, and the click that brings the main window back is not a
// stroke.
#include "core/state/EditorState.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/MouseEvents.h"
#include "ui/tiles/TilePicker.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

// The editor with the tile picker shown and active.
struct PickerActive : EditorFixture
{
    PickerActive()
    {
        window.show();
        window.picker().show();
        activate(window.picker());
    }

    static void activate(QWidget &target)
    {
        target.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&target));
    }

    QWidget *canvas() const { return find<QWidget>("mapCanvas"); }

    // The pointer moves onto cell (1, 1), presses, and the painting timer
    // ticks while it is held.
    void click() const
    {
        const QPointF cell(24, 24);
        MouseEvents::move(canvas(), cell);
        MouseEvents::press(canvas(), cell);
        QMetaObject::invokeMethod(find<QTimer>("paintTimer"), "timeout");
        MouseEvents::release(canvas(), cell);
    }
};

} // namespace

class TestToolWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuKeysInThePicker_data();
    void menuKeysInThePicker();
    void editKeysInThePicker();
    void activationClickIsNoStroke();
    void pressAfterOtherActivationPaints();
    void pressAfterMoveOverActiveMapPaints();
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
    PickerActive editor;
    QTest::keyClick(&editor.window.picker(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(editor.host.fileDialog.shown.size(), 1);
    QTEST(editor.host.fileDialog.shown.constFirst().title, "dialogTitle");
}

void TestToolWindows::editKeysInThePicker()
{
    PickerActive editor;
    editor.state.selectedTile = 5;
    TilePicker &picker = editor.window.picker();

    QTest::keyClick(&picker, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(editor.state.cell(10, 10), 5);
    QTest::keyClick(&picker, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.state.cell(10, 10), 0);
    QTest::keyClick(&picker, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(editor.state.cell(10, 10), 5);
}

void TestToolWindows::activationClickIsNoStroke()
{
    PickerActive editor;
    editor.state.selectedTile = 9;

    editor.click();
    QCOMPARE(editor.state.cell(1, 1), 0);
    QVERIFY(!editor.state.history.hasUnsavedChanges());
    QTRY_VERIFY_WITH_TIMEOUT(editor.window.isActiveWindow(), 5000);

    // Every press after it paints.
    editor.click();
    QCOMPARE(editor.state.cell(1, 1), 9);
}

void TestToolWindows::pressAfterOtherActivationPaints()
{
    PickerActive editor;
    editor.state.selectedTile = 9;
    // Back by the keyboard or the title bar: the next press is a stroke.
    PickerActive::activate(editor.window);
    QTRY_VERIFY_WITH_TIMEOUT(editor.window.isActiveWindow(), 5000);
    QCoreApplication::processEvents();

    editor.click();
    QCOMPARE(editor.state.cell(1, 1), 9);
}

void TestToolWindows::pressAfterMoveOverActiveMapPaints()
{
    PickerActive editor;
    editor.state.selectedTile = 9;
    // Active again, and before the round of events ends the pointer moves
    // over the map, then the press comes.
    QApplication::setActiveWindow(&editor.window);
    QVERIFY(editor.window.isActiveWindow());
    editor.click();
    QCOMPARE(editor.state.cell(1, 1), 9);
}

QTEST_MAIN(TestToolWindows)
#include "tst_toolwindows.moc"
