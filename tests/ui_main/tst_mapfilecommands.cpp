// SPDX-License-Identifier: MIT
#include "core/state/EditorState.h"
#include "host/QtFileDialog.h"
#include "mapfile/MapFileFormat.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/FileFaults.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/TestFiles.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QString MapFilter = QStringLiteral("MAP Files (.map, .prg)|*.map;*.prg|");

QByteArray mapBytes(int widthByte, int heightByte, int seed = 1)
{
    QByteArray bytes(MapFile::FileSize, Qt::Uninitialized);
    const char head[] = {char(0x21), char(0x43), char(widthByte), char(heightByte)};
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = i < 4 ? head[i] : char((i * seed + i / 256) % 256);
    return bytes;
}

// The editor as the user sees it, with a scripted user behind its file
// dialog and message boxes.
struct Editor : EditorFixture
{
    QScrollBar *scrollBar(const char *name) const { return find<QScrollBar>(name); }
    QWidget *canvas() const { return find<QWidget>("mapCanvas"); }
    QString panel(const char *name) const { return find<QLabel>(name)->text(); }
};

// What a command that fails or is cancelled must leave as it was.
struct Snapshot
{
    explicit Snapshot(const EditorState &state)
        : file(MapFile::encode(state)), width(state.mapWidth), height(state.mapHeight),
          canvas(state.mapCanvas.image()), mapPanel(state.statusText(EditorState::MapPanel)),
          sizePanel(state.statusText(EditorState::SizePanel))
    {
    }
    QByteArray file;
    int width;
    int height;
    QImage canvas;
    QString mapPanel;
    QString sizePanel;
};

void compareUnchanged(const EditorState &state, const Snapshot &before)
{
    QCOMPARE(MapFile::encode(state), before.file);
    QCOMPARE(int(state.mapWidth), before.width);
    QCOMPARE(int(state.mapHeight), before.height);
    QCOMPARE(state.mapCanvas.image(), before.canvas);
    QCOMPARE(state.statusText(EditorState::MapPanel), before.mapPanel);
    QCOMPARE(state.statusText(EditorState::SizePanel), before.sizePanel);
}

// Runs handle on the next file dialog that comes up modal; a dialog still
// open after five seconds is rejected so the test cannot hang on it.
void whenFileDialogShows(std::function<void(QFileDialog *)> handle)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, handle] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->deleteLater();
        handle(dialog);
        QTimer::singleShot(5000, dialog, &QDialog::reject);
    });
    poll->start();
}

} // namespace

class TestMapFileCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadMapShowsTheFile();
    void loadThenSaveIsByteIdentical();
    void saveMapWritesTheMap();
    void cancelChangesNothing();
    void loadFailureKeepsMap_data();
    void loadFailureKeepsMap();
    void failedSaveKeepsExistingFile();
    void saveAcceptsNewNameAfterLoadTiles();
};

void TestMapFileCommands::loadMapShowsTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("forest.map"));
    const QByteArray file = mapBytes(255, 40, 3);
    TestFiles::write(path, file);
    Editor editor;
    editor.state.tileSheet.setPicture(NumberedSheet::sheet());
    editor.scrollBar("horizontalBar")->setValue(5);
    editor.scrollBar("verticalBar")->setValue(3);
    QCOMPARE(editor.canvas()->pos(), QPoint(-500, -105));
    editor.host.fileDialog.answers = {path};

    editor.trigger("loadMapAction");

    QCOMPARE(editor.host.fileDialog.shown.size(), 1);
    const ScriptedFileDialog::Shown shown = editor.host.fileDialog.shown.constFirst();
    QCOMPARE(shown.mode, FileDialog::Mode::Open);
    QCOMPARE(shown.title, QStringLiteral("Load Map"));
    QCOMPARE(shown.filter, MapFilter);
    QVERIFY(editor.host.messageBox.asked.isEmpty());

    QCOMPARE(int(editor.state.mapWidth), 256);
    QCOMPARE(int(editor.state.mapHeight), 128);
    QCOMPARE(editor.state.mapCanvas.size(), QSize(4096, 656));
    QCOMPARE(editor.canvas()->size(), QSize(4096, 656));
    QCOMPARE(editor.panel("mapPanel"), QStringLiteral("Map: forest.map"));
    QCOMPARE(editor.panel("sizePanel"), QStringLiteral("Size: 256x128"));
    QCOMPARE(editor.scrollBar("horizontalBar")->value(), 0);
    QCOMPARE(editor.scrollBar("verticalBar")->value(), 0);
    QCOMPARE(editor.canvas()->pos(), QPoint(0, 0));
    for (const QPoint cell : {QPoint(0, 0), QPoint(100, 20), QPoint(255, 40)}) {
        const int tile = quint8(file[4 + cell.y() * 256 + cell.x()]);
        const QPoint centre = Tiles::cellOrigin(cell.x(), cell.y()) + QPoint(8, 8);
        QCOMPARE(editor.state.mapCanvas.image().pixel(centre), NumberedSheet::tileColour(tile));
    }
}

void TestMapFileCommands::loadThenSaveIsByteIdentical()
{
    QTemporaryDir dir;
    const QString original = dir.filePath(QStringLiteral("level1.prg"));
    const QString copy = dir.filePath(QStringLiteral("copy.prg"));
    TestFiles::write(original, mapBytes(10, 5, 11));
    Editor editor;
    editor.host.fileDialog.answers = {original, copy};

    editor.trigger("loadMapAction");
    editor.trigger("saveMapAction");

    QCOMPARE(TestFiles::readAll(copy), TestFiles::readAll(original));
    QCOMPARE(editor.canvas()->size(), QSize(160, 80));
    QCOMPARE(editor.panel("sizePanel"), QStringLiteral("Size: 10x5"));
}

void TestMapFileCommands::saveMapWritesTheMap()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.map"));
    Editor editor;
    editor.state.cell(2, 3) = 77;
    editor.state.cell(255, 127) = 9;
    const Snapshot before(editor.state);
    editor.host.fileDialog.answers = {path};

    editor.trigger("saveMapAction");

    const ScriptedFileDialog::Shown shown = editor.host.fileDialog.shown.constFirst();
    QCOMPARE(shown.mode, FileDialog::Mode::Save);
    QCOMPARE(shown.title, QStringLiteral("Save Map"));
    QCOMPARE(shown.filter, MapFilter);
    QByteArray expected = QByteArray("\xFE\x4F\xFF\x7F", 4) + QByteArray(32768, '\0');
    expected[4 + 3 * 256 + 2] = char(77);
    expected[32771] = char(9);
    QCOMPARE(TestFiles::readAll(path), expected);
    QVERIFY(editor.host.messageBox.asked.isEmpty());
    compareUnchanged(editor.state, before);
}

// A cancelled Load Map leaves the map on screen, so a save right after it
// writes that map; a cancelled Save Map writes nothing.
void TestMapFileCommands::cancelChangesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("after-cancel.map"));
    Editor editor;
    editor.state.cell(5, 5) = 123;
    const Snapshot before(editor.state);
    editor.host.fileDialog.answers = {QString(), QString(), path};

    editor.trigger("loadMapAction");
    compareUnchanged(editor.state, before);
    editor.trigger("saveMapAction");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    editor.trigger("saveMapAction");

    QCOMPARE(TestFiles::readAll(path), before.file);
    QVERIFY(editor.host.messageBox.asked.isEmpty());
    compareUnchanged(editor.state, before);
}

void TestMapFileCommands::loadFailureKeepsMap_data()
{
    FileFaults::addReadFailureRows();
}

void TestMapFileCommands::loadFailureKeepsMap()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder.map"));
    const QString first = dir.filePath(QStringLiteral("plain.map"));
    TestFiles::write(first, mapBytes(10, 5, 5));
    TestFiles::write(dir.filePath(QStringLiteral("locked.map")), mapBytes(20, 20));
    const QString path = QDir::isAbsolutePath(name) ? name : dir.filePath(name);
    if (name == QStringLiteral("locked.map") && !FileFaults::makeUnreadable(path))
        QSKIP("permissions do not stop this user from reading");
    Editor editor;
    editor.host.fileDialog.answers = {first, path};
    editor.trigger("loadMapAction");
    editor.scrollBar("horizontalBar")->setValue(2);
    const Snapshot before(editor.state);

    editor.trigger("loadMapAction");

    QCOMPARE(editor.host.messageBox.asked.size(), 1);
    const ScriptedMessageBox::Asked asked = editor.host.messageBox.asked.constFirst();
    QCOMPARE(asked.prompt,
             QStringLiteral("The map file %1 could not be loaded: %2.").arg(path, reason));
    QCOMPARE(asked.buttons, MessageBox::Buttons::Ok);
    QCOMPARE(asked.title, QStringLiteral("Tesselwick"));
    compareUnchanged(editor.state, before);
    QCOMPARE(editor.panel("mapPanel"), QStringLiteral("Map: plain.map"));
    QCOMPARE(editor.scrollBar("horizontalBar")->value(), 2);
}

// Saving over a file when the disk fills up part way reports it and leaves
// the earlier file whole, with no temporary file left beside it.
void TestMapFileCommands::failedSaveKeepsExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("precious.map"));
    const QByteArray precious = mapBytes(40, 25, 13);
    TestFiles::write(path, precious);
    Editor editor;
    editor.host.fileDialog.answers = {path};

    {
        FileFaults::FileSizeLimit limit(4096);
        editor.trigger("saveMapAction");
    }

    QCOMPARE(editor.host.messageBox.asked.size(), 1);
    const ScriptedMessageBox::Asked asked = editor.host.messageBox.asked.constFirst();
    QCOMPARE(asked.prompt,
             QStringLiteral("The map file %1 could not be saved: only 4096 of 32772 bytes could "
                            "be written; the disk may be full.\nAny earlier file of that name "
                            "is unchanged.")
                 .arg(path));
    QCOMPARE(asked.buttons, MessageBox::Buttons::Ok);
    QCOMPARE(asked.title, QStringLiteral("Tesselwick"));
    QCOMPARE(TestFiles::readAll(path), precious);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("precious.map")});
}

// Load Tiles leaves the must-exist flag on the shared dialog; the real save
// dialog still takes a name that does not exist yet.
void TestMapFileCommands::saveAcceptsNewNameAfterLoadTiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("brand-new.map"));
    EditorState state;
    ScriptedHost scripted;
    QtFileDialog dialog;
    MainWindow window(state, Host{dialog, scripted.messageBox, scripted.help, scripted.urlOpener});

    QFileDialog::FileMode tilesMode = QFileDialog::AnyFile;
    whenFileDialogShows([&](QFileDialog *shown) {
        tilesMode = shown->fileMode();
        shown->reject();
    });
    window.findChild<QAction *>(QStringLiteral("loadTilesAction"))->trigger();
    QCOMPARE(tilesMode, QFileDialog::ExistingFile);
    QCOMPARE(dialog.flags, FileDialog::FileMustExist);

    QFileDialog::AcceptMode saveAccept = QFileDialog::AcceptOpen;
    QFileDialog::FileMode saveMode = QFileDialog::ExistingFile;
    whenFileDialogShows([&](QFileDialog *shown) {
        saveAccept = shown->acceptMode();
        saveMode = shown->fileMode();
        // Typed by the user into the name field.
        shown->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        // QFileDialog hides its accept(); the dialog takes it as its own.
        static_cast<QDialog *>(shown)->accept();
    });
    window.findChild<QAction *>(QStringLiteral("saveMapAction"))->trigger();

    QCOMPARE(saveAccept, QFileDialog::AcceptSave);
    QCOMPARE(saveMode, QFileDialog::AnyFile);
    QCOMPARE(dialog.fileName, path);
    QCOMPARE(TestFiles::readAll(path).size(), MapFile::FileSize);
    QVERIFY(scripted.messageBox.asked.isEmpty());
}

QTEST_MAIN(TestMapFileCommands)
#include "tst_mapfilecommands.moc"
