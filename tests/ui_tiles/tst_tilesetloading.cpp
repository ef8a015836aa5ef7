// SPDX-License-Identifier: MIT
#include "cli/LoadedMap.h"
#include "cli/TileSheet.h"
#include "core/edit/MapCommands.h"
#include "core/edit/Painting.h"
#include "core/edit/TilePicking.h"
#include "core/edit/TileSetFile.h"
#include "core/preview/MapPicture.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "mapfile/MapFileFormat.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/MouseEvents.h"
#include "ui/main/MainWindow.h"
#include "ui/tiles/TilePicker.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

namespace {

const QString TileSetFilter = QStringLiteral("Tile Sets (.bmp)|*.bmp|");
const QString NotATileSet = QStringLiteral("This is not a TileSet file");

// A picture whose every pixel differs from its neighbours, so any shift or
// cut of it shows.
QImage pattern(QSize size, int seed)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y,
                             qRgb((x + seed) % 256, (y * 3 + seed) % 256, (x / 256 + y) % 256));
    return picture;
}

QString savePicture(const QTemporaryDir &dir, const QString &name, const QImage &picture,
                    const char *format)
{
    const QString path = dir.filePath(name);
    if (!picture.save(path, format))
        qWarning("could not write %s", qPrintable(path));
    return path;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("could not write %s", qPrintable(path));
    return path;
}

// The sheet a picture gives: the picture at the top-left corner of the
// 512 x 128 box, the rest in the box's background colour.
QImage sheetFrom(const QImage &picture, QColor background)
{
    QImage sheet(Tiles::SheetWidth, Tiles::SheetHeight, QImage::Format_RGB32);
    sheet.fill(background);
    QPainter painter(&sheet);
    painter.drawImage(0, 0, picture);
    return sheet;
}

QImage block(const QImage &image, QPoint origin)
{
    return image.copy(QRect(origin, QSize(Tiles::TileSize, Tiles::TileSize)));
}

// A Windows bitmap header claiming a size, with no pixels behind it.
QByteArray bitmapHeader(int width, int height)
{
    QByteArray bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    qToLittleEndian<quint32>(54, bytes.data() + 10);
    qToLittleEndian<quint32>(40, bytes.data() + 14);
    qToLittleEndian<qint32>(width, bytes.data() + 18);
    qToLittleEndian<qint32>(height, bytes.data() + 22);
    qToLittleEndian<quint16>(1, bytes.data() + 26);
    qToLittleEndian<quint16>(24, bytes.data() + 28);
    return bytes;
}

quint32 crc32(const char *data, int length)
{
    quint32 crc = 0xFFFFFFFF;
    for (int i = 0; i < length; ++i) {
        crc ^= quint8(data[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

// A PNG whose header claims a size, with one pixel of data behind it.
QByteArray pngHeader(int width, int height)
{
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    pixel.save(&buffer, "PNG");
    QByteArray bytes = buffer.data();
    constexpr int Chunk = 12; // IHDR's type, after the signature and length
    qToBigEndian<quint32>(width, bytes.data() + Chunk + 4);
    qToBigEndian<quint32>(height, bytes.data() + Chunk + 8);
    qToBigEndian<quint32>(crc32(bytes.constData() + Chunk, 17), bytes.data() + Chunk + 17);
    return bytes;
}

// The editor at start-up with a map whose visible cells use every tile.
struct Editor : EditorFixture
{
    Editor()
    {
        for (int row = 0; row < Tiles::GridRows; ++row)
            for (int column = 0; column < Tiles::GridColumns; ++column)
                state.cell(column, row) = static_cast<std::uint8_t>(column + row * 5);
        redrawMap(state);
    }
    void loadTiles(const QStringList &answers)
    {
        host.fileDialog.answers = answers;
        trigger("loadTilesAction");
    }
};

// What a refused or cancelled Load Tiles must leave as it was.
struct Snapshot
{
    explicit Snapshot(const Editor &editor)
        : sheet(editor.state.tileSheet.image()), canvas(editor.state.mapCanvas.image()),
          brush(editor.state.brushPreview.image()), caption(editor.window.picker().windowTitle())
    {
    }
    QImage sheet;
    QImage canvas;
    QImage brush;
    QString caption;
};

void compareUnchanged(const Editor &editor, const Snapshot &before)
{
    QCOMPARE(editor.state.tileSheet.image(), before.sheet);
    QCOMPARE(editor.state.mapCanvas.image(), before.canvas);
    QCOMPARE(editor.state.brushPreview.image(), before.brush);
    QCOMPARE(editor.window.picker().windowTitle(), before.caption);
    QCOMPARE(editor.state.pickerCaption(), before.caption);
}

} // namespace

class TestTileSetLoading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadTilesUsesThePicture_data();
    void loadTilesUsesThePicture();
    void readDecodesOnlyTheSheetCorner_data();
    void readDecodesOnlyTheSheetCorner();
    void notAPictureChangesNothing_data();
    void notAPictureChangesNothing();
    void hugePictureIsRefused_data();
    void hugePictureIsRefused();
    void unopenableFileOffersDialogOnceMore_data();
    void unopenableFileOffersDialogOnceMore();
    void specialFileIsRefusedUnopened_data();
    void specialFileIsRefusedUnopened();
    void cancelChangesNothing();
    void brushIsTheSelectedTileOfTheNewSheet();
    void exportAfterLoadTilesIsTheRenderOfTheCells();
};

void TestTileSetLoading::loadTilesUsesThePicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("512 x 128 bitmap")
        << QStringLiteral("dungeon.bmp") << QSize(512, 128) << QByteArray("BMP");
    QTest::newRow("256 x 64 bitmap")
        << QStringLiteral("small.bmp") << QSize(256, 64) << QByteArray("BMP");
    QTest::newRow("1024 x 256 bitmap")
        << QStringLiteral("large.bmp") << QSize(1024, 256) << QByteArray("BMP");
    QTest::newRow("PNG") << QStringLiteral("tiles.png") << QSize(512, 128) << QByteArray("PNG");
    QTest::newRow("PNG named .bmp")
        << QStringLiteral("really-a-png.bmp") << QSize(300, 200) << QByteArray("PNG");
}

// The picture goes to the sheet's top-left corner, cut or surrounded by the
// box's background, every visible cell is redrawn from the new sheet and the
// caption names the file; the brush stays as it was.
void TestTileSetLoading::loadTilesUsesThePicture()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QByteArray, format);
    QTemporaryDir dir;
    const QImage picture = pattern(size, 17);
    const QString path = savePicture(dir, name, picture, format.constData());
    Editor editor;

    editor.loadTiles({path});

    QCOMPARE(editor.host.fileDialog.shown.size(), 1);
    const ScriptedFileDialog::Shown shown = editor.host.fileDialog.shown.constFirst();
    QCOMPARE(shown.mode, FileDialog::Mode::Open);
    QCOMPARE(shown.title, QStringLiteral("Load TileSet"));
    QCOMPARE(shown.filter, TileSetFilter);
    QCOMPARE(shown.filterIndex, 1);
    QCOMPARE(shown.flags, 4096);
    QVERIFY(editor.host.messageBox.asked.isEmpty());

    const QImage sheet = sheetFrom(picture, editor.state.tileSheet.background());
    QCOMPARE(editor.state.tileSheet.image(), sheet);
    const QImage &canvas = editor.state.mapCanvas.image();
    for (int row = 0; row < editor.state.mapHeight; ++row)
        for (int column = 0; column < editor.state.mapWidth; ++column) {
            const int tile = editor.state.cell(column, row);
            if (block(canvas, Tiles::cellOrigin(column, row)) !=
                block(sheet, Tiles::sheetOrigin(tile)))
                QFAIL(qPrintable(QStringLiteral("cell %1, %2").arg(column).arg(row)));
        }
    QCOMPARE(editor.window.picker().windowTitle(), QStringLiteral("Using %1 TileSet").arg(name));
    // The brush is the selected tile of the new sheet.
    QCOMPARE(block(editor.state.brushPreview.image(), QPoint(0, 0)),
             block(sheet, Tiles::sheetOrigin(editor.state.selectedTile)));
}

void TestTileSetLoading::readDecodesOnlyTheSheetCorner_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("BMP") << QByteArray("BMP");
    QTest::newRow("PNG") << QByteArray("PNG");
    QTest::newRow("JPEG") << QByteArray("JPEG");
}

void TestTileSetLoading::readDecodesOnlyTheSheetCorner()
{
    QFETCH(QByteArray, format);
    QTemporaryDir dir;
    const QString path =
        savePicture(dir, QStringLiteral("big"), pattern(QSize(3000, 2000), 3), format.constData());

    const TileSetFile::Result read = TileSetFile::read(path);

    QCOMPARE(read.status, TileSetFile::Result::Status::Loaded);
    QCOMPARE(read.size, QSize(3000, 2000));
    QCOMPARE(read.picture.size(), QSize(512, 128));
    const QImage whole(path);
    QCOMPARE(read.picture.convertToFormat(QImage::Format_RGB32),
             whole.copy(0, 0, 512, 128).convertToFormat(QImage::Format_RGB32));
}

void TestTileSetLoading::notAPictureChangesNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("text file named .bmp") << QByteArray("Just some notes, no picture.\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("bitmap cut after its header") << bitmapHeader(64, 64);
}

void TestTileSetLoading::notAPictureChangesNothing()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("notes.bmp"), content);
    Editor editor;
    const Snapshot before(editor);

    editor.loadTiles({path, path});

    QCOMPARE(editor.host.fileDialog.shown.size(), 1);
    QCOMPARE(editor.host.messageBox.asked.size(), 1);
    const ScriptedMessageBox::Asked asked = editor.host.messageBox.asked.constFirst();
    QCOMPARE(asked.prompt, NotATileSet);
    QCOMPARE(asked.buttons, MessageBox::Buttons::Ok);
    QCOMPARE(asked.title, QStringLiteral("Tesselwick"));
    compareUnchanged(editor, before);
}

void TestTileSetLoading::hugePictureIsRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QSize>("claimed");
    QTest::newRow("bitmap") << bitmapHeader(16000, 16000) << QSize(16000, 16000);
    QTest::newRow("PNG") << pngHeader(20000, 20000) << QSize(20000, 20000);
    QTest::newRow("PNG one pixel too many") << pngHeader(8192, 4097) << QSize(8192, 4097);
}

// A header claiming a huge picture is refused before anything is decoded.
void TestTileSetLoading::hugePictureIsRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(QSize, claimed);
    QTemporaryDir dir;
    // A "%2" in the name must come through the message as it is.
    const QString path = writeFile(dir, QStringLiteral("huge %2.bmp"), content);
    Editor editor;
    const Snapshot before(editor);

    editor.loadTiles({path});

    QCOMPARE(editor.host.messageBox.asked.size(), 1);
    const ScriptedMessageBox::Asked asked = editor.host.messageBox.asked.constFirst();
    QCOMPARE(
        asked.prompt,
        QStringLiteral("%1 is %2 x %3 pixels, too large to be a TileSet (a TileSet is 512 x 128).")
            .arg(path, QString::number(claimed.width()), QString::number(claimed.height())));
    QCOMPARE(asked.title, QStringLiteral("Tesselwick"));
    compareUnchanged(editor, before);
}

void TestTileSetLoading::unopenableFileOffersDialogOnceMore_data()
{
    QTest::addColumn<QString>("secondAnswer");
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("then cancel") << QString() << 1 << false;
    QTest::newRow("then a tile set") << QStringLiteral("good.bmp") << 1 << true;
    QTest::newRow("then the folder again") << QStringLiteral("folder.bmp") << 2 << false;
}

// A file that cannot be opened (here a folder) is reported, and the dialog
// comes back once; a second failure ends the command.
void TestTileSetLoading::unopenableFileOffersDialogOnceMore()
{
    QFETCH(QString, secondAnswer);
    QFETCH(int, messages);
    QFETCH(bool, loaded);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder.bmp"));
    const QString folder = dir.filePath(QStringLiteral("folder.bmp"));
    savePicture(dir, QStringLiteral("good.bmp"), pattern(QSize(512, 128), 9), "BMP");
    Editor editor;
    const Snapshot before(editor);

    editor.loadTiles(
        {folder, secondAnswer.isEmpty() ? QString() : dir.filePath(secondAnswer), folder});

    QCOMPARE(editor.host.fileDialog.shown.size(), 2);
    QCOMPARE(editor.host.messageBox.asked.size(), messages);
    QCOMPARE(editor.host.messageBox.asked.constFirst().prompt,
             QStringLiteral("The TileSet file %1 could not be opened: file to open is a directory.")
                 .arg(folder));
    if (loaded)
        QCOMPARE(editor.window.picker().windowTitle(), QStringLiteral("Using good.bmp TileSet"));
    else
        compareUnchanged(editor, before);
}

// A pipe or a device is refused before it is opened: opening a pipe waits for
// a writer, which would freeze the editor for good.
void TestTileSetLoading::specialFileIsRefusedUnopened_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("pipe") << QStringLiteral("pipe");
    QTest::newRow("device") << QStringLiteral("/dev/zero");
}

void TestTileSetLoading::specialFileIsRefusedUnopened()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = kind;
    if (kind == QStringLiteral("pipe")) {
        path = dir.filePath(QStringLiteral("pipe.bmp"));
        QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    }
    Editor editor;
    const Snapshot before(editor);

    editor.loadTiles({path});

    QCOMPARE(editor.host.fileDialog.shown.size(), 2);
    QCOMPARE(editor.host.messageBox.asked.size(), 1);
    QCOMPARE(
        editor.host.messageBox.asked.constFirst().prompt,
        QStringLiteral("The TileSet file %1 could not be opened: Not a regular file.").arg(path));
    compareUnchanged(editor, before);
}

void TestTileSetLoading::cancelChangesNothing()
{
    Editor editor;
    const Snapshot before(editor);

    editor.loadTiles({QString()});

    QCOMPARE(editor.host.fileDialog.shown.size(), 1);
    QVERIFY(editor.host.messageBox.asked.isEmpty());
    compareUnchanged(editor, before);
}

// After a load the brush is the selected tile of the new sheet: the preview
// shows it and painting draws it.
void TestTileSetLoading::brushIsTheSelectedTileOfTheNewSheet()
{
    QTemporaryDir dir;
    const QString path =
        savePicture(dir, QStringLiteral("new.bmp"), pattern(QSize(512, 128), 40), "BMP");
    Editor editor;
    EditorState &state = editor.state;
    QWidget *sheetView = editor.window.picker().findChild<QWidget *>(QStringLiteral("tileSheet"));
    const QPointF onTile37(5 * 16 + 4, 1 * 16 + 4);
    MouseEvents::move(sheetView, onTile37);
    MouseEvents::press(sheetView, onTile37);
    MouseEvents::release(sheetView, onTile37);
    QCOMPARE(state.selectedTile, 37);
    const QImage oldTile = block(state.tileSheet.image(), Tiles::sheetOrigin(37));

    editor.loadTiles({path});

    const QImage newTile = block(state.tileSheet.image(), Tiles::sheetOrigin(37));
    QVERIFY(newTile != oldTile);
    QCOMPARE(block(state.brushPreview.image(), QPoint(0, 0)), newTile);
    selectTile(state, 3, 2);
    QVERIFY(Painting::paintTick(state));
    QCOMPARE(state.cell(3, 2), 37);
    QCOMPARE(block(state.mapCanvas.image(), Tiles::cellOrigin(3, 2)), newTile);
    // Undoing the load gives the old sheet's tile back to the brush.
    state.history.undo();
    state.history.undo();
    QCOMPARE(block(state.brushPreview.image(), QPoint(0, 0)), oldTile);
}

// Create Bitmap Image after Load Tiles and painting writes the very file the
// command-line renderer writes for the saved map and the same sheet.
void TestTileSetLoading::exportAfterLoadTilesIsTheRenderOfTheCells()
{
    QTemporaryDir dir;
    const QString sheetPath =
        savePicture(dir, QStringLiteral("new.png"), pattern(QSize(512, 128), 90), "PNG");
    Editor editor;
    EditorState &state = editor.state;
    // The start-up map's width byte 255 would load as the whole grid; a
    // map of its own size loads back as it is.
    MapCommands::applyNewMap(state, {40, 25});
    TilePicking::pickTile(state, {6, 2});
    MapCommands::fillMap(state);
    TilePicking::pickTile(state, {9, 1});

    editor.loadTiles({sheetPath});
    state.history.beginStroke();
    for (int column = 0; column < 6; ++column) {
        selectTile(state, static_cast<std::int16_t>(column * 3), 4);
        QVERIFY(Painting::paintTick(state));
    }
    state.history.endStroke();
    MapCommands::fillMap(state);
    TilePicking::pickTile(state, {1, 0});
    state.history.undo();
    state.history.beginStroke();
    selectTile(state, 30, 20);
    QVERIFY(Painting::paintTick(state));
    state.history.endStroke();
    const QString exported = dir.filePath(QStringLiteral("editor.bmp"));
    QVERIFY(MapPicture::writeBitmap(state, exported).succeeded());

    const QString mapPath = writeFile(dir, QStringLiteral("saved.map"), MapFile::encode(state));
    const Outcome<QImage> sheet = TileSheet::read(sheetPath);
    if (!sheet.succeeded())
        QFAIL(qPrintable(sheet.failure().describe()));
    LoadedMap rendered;
    if (const Outcome<> loaded = rendered.load(mapPath, sheet.value(), false); !loaded.succeeded())
        QFAIL(qPrintable(loaded.failure().describe()));
    const QString renderedPath = dir.filePath(QStringLiteral("render.bmp"));
    QVERIFY(MapPicture::writeBitmap(rendered.state(), renderedPath).succeeded());

    QFile editorFile(exported);
    QFile renderFile(renderedPath);
    QVERIFY(editorFile.open(QIODevice::ReadOnly) && renderFile.open(QIODevice::ReadOnly));
    QVERIFY(editorFile.readAll() == renderFile.readAll());
}

QTEST_MAIN(TestTileSetLoading)
#include "tst_tilesetloading.moc"
