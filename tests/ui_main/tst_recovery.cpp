// SPDX-License-Identifier: MIT
// The recovery copy kept while the map has unsaved changes, and what the next
// start offers from it.
#include "core/edit/Painting.h"
#include "core/edit/TileSetFile.h"
#include "core/files/RecoveryCopy.h"
#include "core/files/RecoveryFolder.h"
#include "core/state/EditorState.h"
#include "mapfile/MapFileFormat.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/TestFiles.h"
#include "ui/main/RecoveryKeeper.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

using Answer = MessageBox::Answer;
using Buttons = MessageBox::Buttons;

// An editor with its recovery copies in a folder of the test's own.
struct RecoveringEditor : EditorFixture
{
    explicit RecoveringEditor(const QString &folder) : keeper(state, host.messageBox, folder) {}

    QTimer *timer() const { return keeper.findChild<QTimer *>(QStringLiteral("recoveryTimer")); }
    void tick() const { QMetaObject::invokeMethod(timer(), "timeout"); }

    RecoveryKeeper keeper;
};

void paintCell(EditorState &state, int column, int row, int tile)
{
    state.selectedTile = std::int16_t(tile);
    state.history.beginStroke();
    Painting::hover(state, QPointF(column * 16 + 1, row * 16 + 1));
    QVERIFY(Painting::paintTick(state));
    state.history.endStroke();
}

std::optional<RecoveryCopy::Contents> readCopy(const QString &path)
{
    return RecoveryCopy::decode(TestFiles::readAll(path));
}

// A copy as an editor killed while its map held changes leaves it: written,
// and its lock freed by the system.
QString leaveCopy(const QString &folder, const QByteArray &bytes)
{
    RecoveryFolder gone(folder);
    if (!gone.write(bytes).succeeded())
        return {};
    return gone.ownPath();
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

Q_DECLARE_METATYPE(MessageBox::Answer)

class TestRecovery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copyFollowsUnsavedChanges();
    void copyHoldsAnOwnSheet();
    void offeredCopyAnswered_data();
    void offeredCopyAnswered();
    void damagedCopyMovedAside();
};

void TestRecovery::copyFollowsUnsavedChanges()
{
    QTemporaryDir folder;
    QString copy;
    {
        RecoveringEditor editor(folder.path());
        copy = editor.keeper.copyPath();
        QVERIFY(!editor.timer()->isActive());
        QCOMPARE(editor.timer()->interval(), 30 * 1000);

        paintCell(editor.state, 3, 4, 9);
        QVERIFY(editor.timer()->isActive());
        QVERIFY(!QFileInfo::exists(copy));
        editor.tick();
        std::optional<RecoveryCopy::Contents> written = readCopy(copy);
        QVERIFY(written);
        QCOMPARE(written->mapFile, MapFile::encode(editor.state));
        QVERIFY(written->tileSheet.isNull());
        QCOMPARE(written->mapText, QStringLiteral("Map: Blank Map"));

        // Every tick writes what changed since.
        paintCell(editor.state, 5, 6, 11);
        editor.tick();
        QCOMPARE(readCopy(copy)->mapFile, MapFile::encode(editor.state));

        // Back as saved, nothing is left to recover.
        editor.state.history.undo();
        editor.state.history.undo();
        QVERIFY(!QFileInfo::exists(copy));
        QVERIFY(!editor.timer()->isActive());

        // Saved: the same.
        editor.state.history.redo();
        editor.tick();
        QVERIFY(QFileInfo::exists(copy));
        editor.host.fileDialog.answers = {folder.filePath(QStringLiteral("saved.map"))};
        editor.trigger("saveMapAction");
        QVERIFY(!QFileInfo::exists(copy));

        paintCell(editor.state, 1, 1, 2);
        editor.tick();
        QVERIFY(QFileInfo::exists(copy));
    }
    // A normal end takes the copy with it.
    QVERIFY(!QFileInfo::exists(copy));
    QCOMPARE(filesIn(folder.path()), QStringList{QStringLiteral("saved.map")});
}

void TestRecovery::copyHoldsAnOwnSheet()
{
    QTemporaryDir folder;
    RecoveringEditor editor(folder.path());
    const QImage sheet = NumberedSheet::sheet();
    TileSetFile::useTileSheet(editor.state, sheet, QStringLiteral("numbers.bmp"));
    editor.tick();
    const std::optional<RecoveryCopy::Contents> written = readCopy(editor.keeper.copyPath());
    QVERIFY(written);
    QCOMPARE(written->tileSheet, editor.state.tileSheet.image());
    QCOMPARE(written->pickerCaption, QStringLiteral("Using numbers.bmp TileSet"));
}

void TestRecovery::offeredCopyAnswered_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::newRow("yes") << Answer::Yes;
    QTest::newRow("no") << Answer::No;
}

void TestRecovery::offeredCopyAnswered()
{
    QFETCH(Answer, answer);
    QTemporaryDir folder;
    QByteArray painted;
    QImage sheet;
    {
        // The editor that is killed: its copy has a painted map and a sheet.
        RecoveringEditor killed(folder.path());
        TileSetFile::useTileSheet(killed.state, NumberedSheet::sheet(),
                                  QStringLiteral("numbers.bmp"));
        paintCell(killed.state, 7, 2, 200);
        painted = MapFile::encode(killed.state);
        sheet = killed.state.tileSheet.image();
        killed.tick();
        QVERIFY(QFile::copy(killed.keeper.copyPath(), folder.filePath(QStringLiteral("kept"))));
    }
    const QString left = leaveCopy(folder.path(), TestFiles::readAll(folder.filePath(QStringLiteral("kept"))));
    QVERIFY(!left.isEmpty());
    QFile::remove(folder.filePath(QStringLiteral("kept")));

    RecoveringEditor next(folder.path());
    const QByteArray startMap = MapFile::encode(next.state);
    next.host.messageBox.answers = {answer};
    next.keeper.offerLeftCopies();

    QCOMPARE(next.host.messageBox.asked.size(), 1);
    const auto &asked = next.host.messageBox.asked.constFirst();
    QCOMPARE(asked.buttons, Buttons::YesNo);
    QCOMPARE(asked.title, QStringLiteral("Tesselwick"));
    QVERIFY(asked.prompt.startsWith(QStringLiteral("The editor did not end normally")));
    QVERIFY(!QFileInfo::exists(left));
    if (answer == Answer::Yes) {
        QCOMPARE(MapFile::encode(next.state), painted);
        QCOMPARE(next.state.tileSheet.image(), sheet);
        QCOMPARE(next.state.pickerCaption(), QStringLiteral("Using numbers.bmp TileSet"));
        QVERIFY(next.window.isWindowModified());
        // Kept at once as this editor's own copy.
        QCOMPARE(readCopy(next.keeper.copyPath())->mapFile, painted);
    } else {
        QCOMPARE(MapFile::encode(next.state), startMap);
        QVERIFY(!next.window.isWindowModified());
        QVERIFY(filesIn(folder.path()).isEmpty());
    }
    // Nothing is offered twice.
    RecoveringEditor third(folder.path());
    third.keeper.offerLeftCopies();
    QVERIFY(third.host.messageBox.asked.isEmpty());
}

void TestRecovery::damagedCopyMovedAside()
{
    QTemporaryDir folder;
    RecoveryCopy::Contents contents;
    contents.mapFile = QByteArray(32772, '\x05');
    QByteArray bytes = RecoveryCopy::encode(contents);
    bytes.chop(10);
    const QString left = leaveCopy(folder.path(), bytes);

    RecoveringEditor next(folder.path());
    const QByteArray startMap = MapFile::encode(next.state);
    next.keeper.offerLeftCopies();

    QCOMPARE(next.host.messageBox.asked.size(), 1);
    const auto &told = next.host.messageBox.asked.constFirst();
    QCOMPARE(told.buttons, Buttons::Ok);
    QVERIFY(told.prompt.contains(QDir::toNativeSeparators(left)));
    QVERIFY(told.prompt.contains(RecoveryCopy::Damaged));
    QCOMPARE(MapFile::encode(next.state), startMap);
    QVERIFY(!QFileInfo::exists(left));
    const QString aside = QString(left).replace(QStringLiteral(".recovery"), QStringLiteral(".damaged"));
    QVERIFY(told.prompt.contains(QDir::toNativeSeparators(aside)));
    QCOMPARE(TestFiles::readAll(aside), bytes);
}

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
