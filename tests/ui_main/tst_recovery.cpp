// SPDX-License-Identifier: MIT
// The recovery copy kept while the map has unsaved changes, and what the next
// start offers from it.
#include "core/edit/Painting.h"
#include "core/edit/TilePicking.h"
#include "core/edit/TileSetFile.h"
#include "core/files/RecoveryCopy.h"
#include "core/files/RecoveryFolder.h"
#include "core/state/EditorState.h"
#include "mapfile/MapFileFormat.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/TestFiles.h"
#include "ui/main/RecoveryKeeper.h"
#include "ui/tiles/TilePicker.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

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

// What the main window's status panels show.
QStringList panelTexts(const EditorFixture &editor)
{
    QStringList texts;
    for (const char *panel : {"mapPanel", "sizePanel", "cursorPanel"})
        texts += editor.find<QLabel>(panel)->text();
    return texts;
}

// The copy an editor leaves when it is killed after changes made by change:
// written at its recovery tick, and then left with its lock freed.
QString killAfter(const QString &folder, const std::function<void(RecoveringEditor &)> &change)
{
    QByteArray bytes;
    {
        RecoveringEditor killed(folder);
        change(killed);
        killed.tick();
        bytes = TestFiles::readAll(killed.keeper.copyPath());
    }
    return leaveCopy(folder, bytes);
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
    void recoveredStartUpMapIsAsItWas();
    void copyOfAnEarlierVersionLoads();
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

// The start-up map, 255 x 127 but with the width byte of the whole grid,
// painted with tile 77 and killed: the next start puts back the same map at
// the same size, the same panels, and tile 77 selected in the picker.
void TestRecovery::recoveredStartUpMapIsAsItWas()
{
    QTemporaryDir folder;
    QByteArray painted;
    QStringList panels;
    QImage canvas;
    const QString left = killAfter(folder.path(), [&](RecoveringEditor &killed) {
        TilePicking::pickTile(killed.state, {13, 2});
        paintCell(killed.state, 4, 3, 77);
        painted = MapFile::encode(killed.state);
        panels = panelTexts(killed);
        canvas = killed.state.mapCanvas.image();
    });
    QVERIFY(!left.isEmpty());
    QCOMPARE(panels, (QStringList{QStringLiteral("Map: Blank Map"), QStringLiteral("Size: 255x127"),
                                  QStringLiteral("Cursor Loc: 4, 3")}));

    RecoveringEditor next(folder.path());
    next.host.messageBox.answers = {Answer::Yes};
    next.keeper.offerLeftCopies();

    QCOMPARE(MapFile::encode(next.state), painted);
    QCOMPARE(next.state.mapWidth, 255);
    QCOMPARE(next.state.mapHeight, 127);
    QCOMPARE(next.state.mapCanvas.image(), canvas);
    QCOMPARE(panelTexts(next), panels);
    QVERIFY(next.window.isWindowModified());
    QCOMPARE(next.state.selectedTile, 77);
    const QImage tile77 = next.state.tileSheet.image().copy(13 * 16, 2 * 16, 16, 16);
    QCOMPARE(next.state.brushPreview.image().copy(0, 0, 16, 16), tile77);
    const TilePicker &picker = next.window.picker();
    QCOMPARE(picker.findChild<QLabel *>(QStringLiteral("selectedNumber"))->text(),
             QStringLiteral("No. 77"));
    QCOMPARE(picker.findChild<QWidget *>(QStringLiteral("tileOutline"))->pos(),
             QPoint(13 * 16, 2 * 16));
}

// A copy from before the size was kept loads as Load Map reads its bytes.
void TestRecovery::copyOfAnEarlierVersionLoads()
{
    QTemporaryDir folder;
    // The copy the format's own test keeps.
    const QByteArray version1 = TestFiles::readAll(QDir::cleanPath(
        QStringLiteral(TESSELWICK_TEST_DATA "/../../core/files/data/recovery/version1.copy")));
    QVERIFY(version1.startsWith("Tesselwick recovery copy 1\n"));
    QVERIFY(!leaveCopy(folder.path(), version1).isEmpty());

    RecoveringEditor next(folder.path());
    next.host.messageBox.answers = {Answer::Yes};
    next.keeper.offerLeftCopies();

    QCOMPARE(next.state.mapWidth, 256);
    QCOMPARE(next.state.mapHeight, 128);
    QCOMPARE(next.state.cell(7, 2), 200);
    QCOMPARE(next.state.pickerCaption(), QStringLiteral("Using flat.png TileSet"));
    QCOMPARE(panelTexts(next),
             (QStringList{QStringLiteral("Map: Blank Map"), QStringLiteral("Size: 256x128"),
                          QStringLiteral("Cursor Location")}));
    QCOMPARE(next.state.selectedTile, 0);
    QVERIFY(next.window.isWindowModified());
    // Kept again at once, now in the current version.
    QVERIFY(TestFiles::readAll(next.keeper.copyPath()).startsWith("Tesselwick recovery copy 2\n"));
}

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
