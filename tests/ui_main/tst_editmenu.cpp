// SPDX-License-Identifier: MIT
// The Edit menu: its captions, keys and enabled states follow the history,
// and undo while a button is held on the canvas ends the stroke first.
#include "core/state/EditorState.h"
#include "core/edit/MapCommands.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/MouseEvents.h"
#include "tests/support/PaintTicks.h"
#include "ui/main/MainWindow.h"

#include <QScrollBar>
#include <QTest>

namespace {
// Long enough for the 1 ms painting timer to tick several times.
} // namespace

class TestEditMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void itemsFollowDoUndoRedo();
    void keysUndoAndRedo_data();
    void keysUndoAndRedo();
    void undoWhileButtonHeldEndsTheStroke();
    void viewFollowsOnlyStepsThatResize();

private:
    QAction *action(const char *name) const { return m_editor->find<QAction>(name); }
    QWidget *canvas() const { return m_editor->find<QWidget>("mapCanvas"); }
    void expectItems(const QString &undo, bool canUndo, const QString &redo, bool canRedo) const
    {
        QCOMPARE(action("undoAction")->text(), undo);
        QCOMPARE(action("undoAction")->isEnabled(), canUndo);
        QCOMPARE(action("redoAction")->text(), redo);
        QCOMPARE(action("redoAction")->isEnabled(), canRedo);
    }

    std::unique_ptr<EditorFixture> m_editor;
};

void TestEditMenu::init()
{
    m_editor = std::make_unique<EditorFixture>();
    m_editor->window.show();
}

void TestEditMenu::cleanup()
{
    m_editor.reset();
}

void TestEditMenu::itemsFollowDoUndoRedo()
{
    QCOMPARE(action("undoAction")->shortcuts(),
             QList<QKeySequence>{QKeySequence::fromString(QStringLiteral("Ctrl+Z"))});
    QCOMPARE(action("redoAction")->shortcuts(),
             (QList<QKeySequence>{QKeySequence::fromString(QStringLiteral("Ctrl+Y")),
                                  QKeySequence::fromString(QStringLiteral("Ctrl+Shift+Z"))}));
    expectItems(QStringLiteral("&Undo"), false, QStringLiteral("&Redo"), false);

    m_editor->trigger("fillMapAction");
    expectItems(QStringLiteral("&Undo Fill Map"), true, QStringLiteral("&Redo"), false);

    m_editor->host.messageBox.answers = {MessageBox::Answer::Yes};
    m_editor->trigger("clearMapAction");
    expectItems(QStringLiteral("&Undo Clear Map"), true, QStringLiteral("&Redo"), false);

    m_editor->trigger("undoAction");
    expectItems(QStringLiteral("&Undo Fill Map"), true, QStringLiteral("&Redo Clear Map"), true);
    m_editor->trigger("undoAction");
    expectItems(QStringLiteral("&Undo"), false, QStringLiteral("&Redo Fill Map"), true);

    m_editor->trigger("redoAction");
    expectItems(QStringLiteral("&Undo Fill Map"), true, QStringLiteral("&Redo Clear Map"), true);

    // A new step drops what could be redone.
    m_editor->trigger("fillMapAction");
    expectItems(QStringLiteral("&Undo Fill Map"), true, QStringLiteral("&Redo"), false);
}

void TestEditMenu::keysUndoAndRedo_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("redoModifiers");
    QTest::addColumn<int>("redoKey");
    QTest::newRow("Ctrl+Y") << Qt::KeyboardModifiers(Qt::ControlModifier) << int(Qt::Key_Y);
    QTest::newRow("Ctrl+Shift+Z") << (Qt::ControlModifier | Qt::ShiftModifier) << int(Qt::Key_Z);
}

void TestEditMenu::keysUndoAndRedo()
{
    QFETCH(Qt::KeyboardModifiers, redoModifiers);
    QFETCH(int, redoKey);
    MainWindow &window = m_editor->window;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    EditorState &state = m_editor->state;
    state.selectedTile = 7;
    MapCommands::fillMap(state);

    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(state.cell(100, 100), 0);
    QTest::keyClick(&window, Qt::Key(redoKey), redoModifiers);
    QCOMPARE(state.cell(100, 100), 7);
}

void TestEditMenu::undoWhileButtonHeldEndsTheStroke()
{
    EditorState &state = m_editor->state;
    state.selectedTile = 5;
    PaintTicks ticks(&m_editor->window);
    MouseEvents::move(canvas(), QPointF(20, 20));
    MouseEvents::press(canvas(), QPointF(20, 20));
    ticks.tick();
    MouseEvents::move(canvas(), QPointF(52, 20), Qt::LeftButton);
    ticks.tick();
    QCOMPARE(state.cell(1, 1), 5);
    QCOMPARE(state.cell(3, 1), 5);
    QCOMPARE(action("undoAction")->text(), QStringLiteral("&Undo Paint"));

    m_editor->trigger("undoAction");
    ticks.tick();

    // The whole stroke is gone, and the held button paints no more.
    QCOMPARE(state.cell(1, 1), 0);
    QCOMPARE(state.cell(3, 1), 0);
    expectItems(QStringLiteral("&Undo"), false, QStringLiteral("&Redo Paint"), true);
    MouseEvents::release(canvas(), QPointF(52, 20));
}

void TestEditMenu::viewFollowsOnlyStepsThatResize()
{
    EditorState &state = m_editor->state;
    auto *horizontal = m_editor->find<QScrollBar>("horizontalBar");
    auto *vertical = m_editor->find<QScrollBar>("verticalBar");
    const auto scrollAway = [&] {
        horizontal->setValue(20);
        vertical->setValue(7);
    };

    MapCommands::fillMap(state);
    scrollAway();
    m_editor->trigger("undoAction");
    QCOMPARE(horizontal->value(), 20);
    QCOMPARE(vertical->value(), 7);

    MapCommands::applyResize(state, {30, 20});
    scrollAway();
    m_editor->trigger("undoAction");
    QCOMPARE(horizontal->value(), 0);
    QCOMPARE(vertical->value(), 0);
    QCOMPARE(canvas()->pos(), QPoint(0, 0));
    QCOMPARE(canvas()->size(), QSize(4080, 2032));

    scrollAway();
    m_editor->trigger("redoAction");
    QCOMPARE(horizontal->value(), 0);
    QCOMPARE(vertical->value(), 0);
    QCOMPARE(canvas()->size(), QSize(480, 320));
}

QTEST_MAIN(TestEditMenu)
#include "tst_editmenu.moc"
