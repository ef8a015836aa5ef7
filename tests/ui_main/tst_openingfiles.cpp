// SPDX-License-Identifier: MIT
// Files given by name: opened as Load Map or Load Tiles would, from a drop on
// either window, and File > Recent Maps.
#include "core/state/EditorState.h"
#include "mapfile/MapFileFormat.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/FileDrop.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/TestFiles.h"
#include "ui/main/RecentMapsMenu.h"
#include "ui/tiles/TilePicker.h"

#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray mapBytes(int seed)
{
    QByteArray bytes(MapFile::FileSize, '\0');
    const char head[] = {char(0xFE), char(0x4F), char(20), char(10)};
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = i < 4 ? head[i] : char((i * seed) % 256);
    return bytes;
}

// The editor with an empty list of recent maps and files to open.
struct Opening : EditorFixture
{
    explicit Opening(bool freshRecentMaps = true)
    {
        if (freshRecentMaps)
            QSettings().remove(RecentMapsTexts::SettingsKey);
        TestFiles::write(mapPath, mapBytes(3));
        QVERIFY(NumberedSheet::sheet().save(picturePath, "PNG"));
    }

    QStringList recentEntries() const
    {
        QMenu *menu = find<QMenu>("recentMapsMenu");
        Q_EMIT menu->aboutToShow();
        QStringList entries;
        for (const QAction *entry : menu->actions())
            entries << entry->text() + (entry->isEnabled() ? QString() : QStringLiteral(" (grey)"));
        return entries;
    }

    QTemporaryDir folder;
    QString mapPath = folder.filePath(QStringLiteral("forest.map"));
    QString picturePath = folder.filePath(QStringLiteral("tiles.png"));
};

} // namespace

class TestOpeningFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void openedAsLoadMapOrLoadTiles_data();
    void openedAsLoadMapOrLoadTiles();
    void badFilesGetTheCommandsMessages_data();
    void badFilesGetTheCommandsMessages();
    void dropsOnEitherWindow_data();
    void dropsOnEitherWindow();
    void recentMaps();
};

void TestOpeningFiles::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane Labs"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_openingfiles"));
}

void TestOpeningFiles::openedAsLoadMapOrLoadTiles_data()
{
    QTest::addColumn<bool>("map");
    QTest::newRow("map") << true;
    QTest::newRow("picture") << false;
}

void TestOpeningFiles::openedAsLoadMapOrLoadTiles()
{
    QFETCH(bool, map);
    Opening editor;
    editor.window.openFile(map ? editor.mapPath : editor.picturePath);
    QVERIFY(editor.host.messageBox.asked.isEmpty());
    if (map) {
        QCOMPARE(MapFile::encode(editor.state), mapBytes(3));
        QCOMPARE(editor.state.statusText(EditorState::MapPanel), QStringLiteral("Map: forest.map"));
        QVERIFY(!editor.window.isWindowModified());
    } else {
        QCOMPARE(editor.state.tileSheet.image().pixel(16 * 5 + 3, 3),
                 NumberedSheet::sheet().pixel(16 * 5 + 3, 3));
        QCOMPARE(editor.state.pickerCaption(), QStringLiteral("Using tiles.png TileSet"));
    }
}

void TestOpeningFiles::badFilesGetTheCommandsMessages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing map") << "gone.map" << QByteArray()
                                 << "The map file %1 could not be loaded: No such file or directory.";
    QTest::newRow("not a picture") << "notes.txt" << QByteArray("just text")
                                   << "This is not a TileSet file";
    QTest::newRow("missing picture") << "gone.png" << QByteArray()
                                     << "The TileSet file %1 could not be opened: No such file or "
                                        "directory.";
}

void TestOpeningFiles::badFilesGetTheCommandsMessages()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    Opening editor;
    const QString path = editor.folder.filePath(name);
    if (!content.isEmpty())
        TestFiles::write(path, content);
    const QByteArray before = MapFile::encode(editor.state);

    editor.window.openFile(path);

    QCOMPARE(editor.host.messageBox.asked.size(), 1);
    QCOMPARE(editor.host.messageBox.asked.constFirst().prompt,
             message.contains(QLatin1String("%1")) ? message.arg(path) : message);
    QCOMPARE(MapFile::encode(editor.state), before);
    QVERIFY(!editor.window.isWindowModified());
    QVERIFY(editor.host.fileDialog.shown.isEmpty());
}

void TestOpeningFiles::dropsOnEitherWindow_data()
{
    QTest::addColumn<bool>("onPicker");
    QTest::addColumn<bool>("map");
    QTest::newRow("map on the main window") << false << true;
    QTest::newRow("picture on the main window") << false << false;
    QTest::newRow("map on the picker") << true << true;
    QTest::newRow("picture on the picker") << true << false;
}

void TestOpeningFiles::dropsOnEitherWindow()
{
    QFETCH(bool, onPicker);
    QFETCH(bool, map);
    Opening editor;
    QWidget &target = onPicker ? static_cast<QWidget &>(editor.window.picker()) : editor.window;
    dropFile(target, map ? editor.mapPath : editor.picturePath);
    if (map)
        QTRY_COMPARE_WITH_TIMEOUT(MapFile::encode(editor.state), mapBytes(3), 5000);
    else
        QTRY_COMPARE_WITH_TIMEOUT(editor.state.pickerCaption(),
                                  QStringLiteral("Using tiles.png TileSet"), 5000);
}

void TestOpeningFiles::recentMaps()
{
    Opening editor;
    QCOMPARE(editor.recentEntries(), QStringList{QStringLiteral("(none) (grey)")});

    // Loaded, saved, opened: newest first, each once.
    const QString saved = editor.folder.filePath(QStringLiteral("saved & kept.map"));
    editor.host.fileDialog.answers = {editor.mapPath, saved};
    editor.trigger("loadMapAction");
    editor.trigger("saveMapAction");
    editor.window.openFile(editor.mapPath);
    QCOMPARE(editor.recentEntries(), (QStringList{QStringLiteral("&1 ") + editor.mapPath,
                                                  QStringLiteral("&2 ") + QString(saved).replace(
                                                      QStringLiteral("&"), QStringLiteral("&&"))}));

    // A file that is gone stays, greyed.
    QFile::remove(saved);
    QCOMPARE(editor.recentEntries().at(1).endsWith(QStringLiteral(" (grey)")), true);

    // Choosing an entry opens it, asking first about unsaved changes.
    editor.state.selectedTile = 4;
    editor.trigger("fillMapAction");
    editor.host.messageBox.answers = {MessageBox::Answer::Discard};
    QMenu *menu = editor.find<QMenu>("recentMapsMenu");
    Q_EMIT menu->aboutToShow();
    menu->actions().at(0)->trigger();
    QCOMPARE(editor.host.messageBox.asked.size(), 1);
    QCOMPARE(MapFile::encode(editor.state), mapBytes(3));

    // Kept for the next run, and never more than eight.
    for (int i = 0; i < 9; ++i) {
        const QString path = editor.folder.filePath(QStringLiteral("m%1.map").arg(i));
        TestFiles::write(path, mapBytes(i + 5));
        editor.window.openFile(path);
    }
    Opening next(false);
    const QStringList entries = next.recentEntries();
    QCOMPARE(entries.size(), 8);
    QCOMPARE(entries.first(), QStringLiteral("&1 ") + editor.folder.filePath(QStringLiteral("m8.map")));
    QCOMPARE(entries.last(), QStringLiteral("&8 ") + editor.folder.filePath(QStringLiteral("m1.map")));
}

QTEST_MAIN(TestOpeningFiles)
#include "tst_openingfiles.moc"
