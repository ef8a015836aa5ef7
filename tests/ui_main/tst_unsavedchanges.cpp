// SPDX-License-Identifier: MIT
// The unsaved-changes question: when the map counts as changed, which
// commands ask before they replace it or end the editor, and what each answer
// does.
#include "core/edit/MapCommands.h"
#include "core/edit/TilePicking.h"
#include "core/state/EditorState.h"
#include "mapfile/MapFileFormat.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/FileDrop.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/MouseEvents.h"
#include "tests/support/PaintTicks.h"
#include "tests/support/TestFiles.h"
#include "ui/main/UnsavedChanges.h"

#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <functional>

namespace {

using Answer = MessageBox::Answer;
using Buttons = MessageBox::Buttons;

const QString Title = QStringLiteral("Tesselwick (v1.0) - Quorvane Labs");

// The title as the window manager shows it, with Qt's mark put in or left out.
QString shownTitle(QWidget &window)
{
    window.winId();
    return window.windowHandle()->title();
}

// The editor with a changed map: one Fill Map step with tile 7.
struct ChangedEditor : EditorFixture
{
    ChangedEditor()
    {
        state.selectedTile = 7;
        MapCommands::fillMap(state);
    }

    int questionsAsked() const
    {
        return int(std::count_if(host.messageBox.asked.cbegin(), host.messageBox.asked.cend(),
                                 [](const auto &asked) {
                                     return asked.buttons == Buttons::SaveDiscardCancel;
                                 }));
    }
};

// A stroke with the mouse over two cells of row 1, a tick on each, as the
// user paints: one step of the history.
void stroke(EditorFixture &editor, PaintTicks &ticks, int column, int tile)
{
    TilePicking::pickTile(editor.state, {tile % 32, tile / 32});
    auto *canvas = editor.find("mapCanvas");
    const QPointF first(column * 16 + 8, 24);
    const QPointF second = first + QPointF(16, 0);
    MouseEvents::move(canvas, first);
    MouseEvents::press(canvas, first);
    ticks.tick();
    MouseEvents::move(canvas, second, Qt::LeftButton);
    ticks.tick();
    MouseEvents::release(canvas, second);
}

} // namespace

Q_DECLARE_METATYPE(MessageBox::Answer)

class TestUnsavedChanges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markFollowsTheHistory();
    void markGoesBackToTheCleanState_data();
    void markGoesBackToTheCleanState();
    void everyPathAsks_data();
    void everyPathAsks();
    void failedSaveCancelsTheQuit();
    void wholeMapCommandsDoNotAsk_data();
    void wholeMapCommandsDoNotAsk();
};

void TestUnsavedChanges::markFollowsTheHistory()
{
    EditorFixture editor;
    editor.window.show();
    QCOMPARE(shownTitle(editor.window), Title);
    QVERIFY(!editor.window.isWindowModified());

    editor.state.selectedTile = 7;
    MapCommands::fillMap(editor.state);
    QVERIFY(editor.window.isWindowModified());
    QCOMPARE(shownTitle(editor.window), Title + QLatin1Char('*'));

    // Back at the start the map is unchanged again; forward it is changed.
    editor.state.history.undo();
    QCOMPARE(shownTitle(editor.window), Title);
    editor.state.history.redo();
    QVERIFY(editor.window.isWindowModified());

    // Saving makes the map as it stands the unchanged one.
    QTemporaryDir folder;
    editor.host.fileDialog.answers = {folder.filePath(QStringLiteral("saved.map"))};
    editor.trigger("saveMapAction");
    QCOMPARE(shownTitle(editor.window), Title);
    editor.state.history.undo();
    QVERIFY(editor.window.isWindowModified());

    // So does loading a file.
    editor.host.fileDialog.answers = {folder.filePath(QStringLiteral("saved.map"))};
    editor.trigger("loadMapAction");
    QCOMPARE(editor.host.messageBox.asked.size(), 1); // the question, nothing else
    QVERIFY(!editor.window.isWindowModified());
    QCOMPARE(editor.state.cell(0, 0), 7);
}

void TestUnsavedChanges::markGoesBackToTheCleanState_data()
{
    QTest::addColumn<QString>("cleanBy");
    QTest::newRow("start-up") << QStringLiteral("start-up");
    QTest::newRow("New Map") << QStringLiteral("new map");
    QTest::newRow("Load Map") << QStringLiteral("load map");
    QTest::newRow("Save Map") << QStringLiteral("save map");
}

// Strokes painted after the map was last unchanged, then undone one by one:
// the mark stays until the last of them is undone, goes with it, and comes
// back with a redo or an undo past that state.
void TestUnsavedChanges::markGoesBackToTheCleanState()
{
    QFETCH(QString, cleanBy);
    EditorFixture editor;
    PaintTicks ticks(&editor.window);
    editor.window.show();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("clean.map"));

    if (cleanBy != QLatin1String("start-up"))
        stroke(editor, ticks, 1, 9);
    if (cleanBy == QLatin1String("new map")) {
        MapCommands::applyNewMap(editor.state, {40, 25});
    } else if (cleanBy == QLatin1String("load map")) {
        TestFiles::write(path, MapFile::encode(editor.state));
        stroke(editor, ticks, 5, 11);
        editor.host.messageBox.answers = {Answer::Discard};
        editor.host.fileDialog.answers = {path};
        editor.trigger("loadMapAction");
    } else if (cleanBy == QLatin1String("save map")) {
        editor.host.fileDialog.answers = {path};
        editor.trigger("saveMapAction");
    }
    QCOMPARE(shownTitle(editor.window), Title);
    const QByteArray clean = MapFile::encode(editor.state);
    const bool stepsBefore = editor.state.history.stack().index() > 0;

    stroke(editor, ticks, 2, 34);
    QCOMPARE(shownTitle(editor.window), Title + QLatin1Char('*'));
    stroke(editor, ticks, 7, 35);
    editor.trigger("undoAction");
    QCOMPARE(shownTitle(editor.window), Title + QLatin1Char('*'));
    editor.trigger("undoAction");
    QCOMPARE(MapFile::encode(editor.state), clean);
    QCOMPARE(shownTitle(editor.window), Title);

    editor.trigger("redoAction");
    QCOMPARE(shownTitle(editor.window), Title + QLatin1Char('*'));
    editor.trigger("undoAction");
    QCOMPARE(shownTitle(editor.window), Title);
    if (stepsBefore) {
        editor.trigger("undoAction");
        QCOMPARE(shownTitle(editor.window), Title + QLatin1Char('*'));
    }
}

void TestUnsavedChanges::everyPathAsks_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("goesOn");
    const QStringList commands = {
        QStringLiteral("exit"),
        QStringLiteral("close box"),
        QStringLiteral("new map"),
        QStringLiteral("load map"),
        QStringLiteral("open file"),
        QStringLiteral("drop"),
    };
    for (const QString &command : commands) {
        const QByteArray name = command.toLatin1();
        QTest::newRow((name + ", save").constData()) << command << Answer::Save << true;
        QTest::newRow((name + ", discard").constData()) << command << Answer::Discard << true;
        QTest::newRow((name + ", cancel").constData()) << command << Answer::Cancel << false;
    }
}

void TestUnsavedChanges::everyPathAsks()
{
    QFETCH(QString, command);
    QFETCH(Answer, answer);
    QFETCH(bool, goesOn);

    ChangedEditor editor;
    editor.window.show();
    const QByteArray changed = MapFile::encode(editor.state);
    QTemporaryDir folder;
    const QString savedPath = folder.filePath(QStringLiteral("kept.map"));
    editor.host.messageBox.answers = {answer};
    // Save names a file; a Load Map that goes on is then cancelled.
    editor.host.fileDialog.answers = {savedPath};
    ModalAnswerer answerer; // rejects the New Map dialog

    // A map file to open by its name.
    const QString otherPath = folder.filePath(QStringLiteral("other.map"));
    QByteArray other = changed;
    other[100] = char(42);
    TestFiles::write(otherPath, other);
    const auto opened = [&] { return MapFile::encode(editor.state) == other; };

    // Each command, and how to tell that it went on past the question.
    const auto trigger = [&](const char *action) { return [&editor, action] { editor.trigger(action); }; };
    const QHash<QString, std::pair<std::function<void()>, std::function<bool()>>> commands = {
        {QStringLiteral("exit"), {trigger("exitAction"), [&] { return !editor.window.isVisible(); }}},
        {QStringLiteral("close box"),
         {[&] { editor.window.close(); }, [&] { return !editor.window.isVisible(); }}},
        {QStringLiteral("new map"),
         {trigger("newMapAction"),
          [&] { return answerer.closed.value(QStringLiteral("NewMapDialog")) == 1; }}},
        {QStringLiteral("load map"),
         {trigger("loadMapAction"),
          [&] {
              return std::any_of(editor.host.fileDialog.shown.cbegin(),
                                 editor.host.fileDialog.shown.cend(), [](const auto &shown) {
                                     return shown.title == QStringLiteral("Load Map");
                                 });
          }}},
        {QStringLiteral("open file"), {[&] { editor.window.openFile(otherPath); }, opened}},
        {QStringLiteral("drop"),
         {[&] {
              dropFile(editor.window, otherPath);
              QTRY_COMPARE_WITH_TIMEOUT(editor.questionsAsked(), 1, 5000);
          },
          opened}},
    };
    const auto &[run, wentOn] = commands.value(command);
    run();

    QCOMPARE(editor.questionsAsked(), 1);
    const auto &asked = editor.host.messageBox.asked.constFirst();
    QCOMPARE(asked.prompt, UnsavedChanges::Prompt);
    QCOMPARE(asked.title, QStringLiteral("Tesselwick"));
    QCOMPARE(wentOn(), goesOn);
    QCOMPARE(QFileInfo::exists(savedPath), answer == Answer::Save);
    if (answer == Answer::Save)
        QCOMPARE(TestFiles::readAll(savedPath), changed);
    if (!goesOn) {
        QCOMPARE(MapFile::encode(editor.state), changed);
        QVERIFY(editor.window.isWindowModified());
    }
}

void TestUnsavedChanges::failedSaveCancelsTheQuit()
{
    ChangedEditor editor;
    editor.window.show();
    const QByteArray changed = MapFile::encode(editor.state);
    QTemporaryDir folder;
    const QString plain = folder.filePath(QStringLiteral("plain.map"));
    TestFiles::write(plain, QByteArray("x"));
    editor.host.messageBox.answers = {Answer::Save};
    editor.host.fileDialog.answers = {plain + QStringLiteral("/a.map")};

    editor.trigger("exitAction");

    QVERIFY(editor.window.isVisible());
    QCOMPARE(editor.host.messageBox.asked.size(), 2);
    QVERIFY(editor.host.messageBox.asked.at(1).prompt.contains(QStringLiteral("could not be saved")));
    QCOMPARE(MapFile::encode(editor.state), changed);
    QVERIFY(editor.window.isWindowModified());

    // A cancelled Save Map dialog cancels the quit as well.
    editor.host.messageBox.answers = {Answer::Save};
    editor.trigger("exitAction");
    QVERIFY(editor.window.isVisible());
    QCOMPARE(editor.questionsAsked(), 2);
}

void TestUnsavedChanges::wholeMapCommandsDoNotAsk_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("fill map") << QStringLiteral("fillMapAction");
    QTest::newRow("clear map") << QStringLiteral("clearMapAction");
}

void TestUnsavedChanges::wholeMapCommandsDoNotAsk()
{
    QFETCH(QString, action);
    ChangedEditor editor;
    editor.host.messageBox.answers = {Answer::Yes};
    editor.trigger(action.toLatin1().constData());
    QCOMPARE(editor.questionsAsked(), 0);
    QVERIFY(editor.window.isWindowModified());
}

QTEST_MAIN(TestUnsavedChanges)
#include "tst_unsavedchanges.moc"
