// SPDX-License-Identifier: MIT
// Picture files that end early, lie about their size or carry a bad
// checksum: Load Tiles refuses every one and leaves the editor as it was.
// Qt's readers return a picture for many of them, with the rows the file
// lacks showing whatever memory held before.
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/edit/TileSetFile.h"
#include "tests/support/BitmapFiles.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/TestFiles.h"
#include "ui/tiles/TilePicker.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

using BitmapFiles::Compression;
using BitmapFiles::Layout;

namespace {

const QString NotATileSet = QStringLiteral("This is not a TileSet file");
constexpr int Width = 40;
constexpr int Height = 24;

struct NamedLayout
{
    const char *name;
    Layout layout;
};

const NamedLayout Layouts[] = {
    {"1-bit", {1}},
    {"4-bit", {4}},
    {"8-bit", {8}},
    {"16-bit", {16}},
    {"24-bit", {24}},
    {"32-bit", {32}},
    {"RLE4", {4, Compression::Rle4}},
    {"RLE8", {8, Compression::Rle8}},
    {"top-down 24-bit", {24, Compression::None, true}},
    {"top-down 1-bit", {1, Compression::None, true}},
};

QByteArray encoded(const QImage &picture, const char *format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return buffer.data();
}

QImage gradient()
{
    QImage picture(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            picture.setPixel(x, y, qRgb(x * 6, y * 10, (x * y) % 256));
    return picture;
}

// Where the first chunk of a kind starts in a PNG file (its length field).
qsizetype pngChunk(const QByteArray &png, const char *type)
{
    return png.indexOf(type) - 4;
}

// Where the pixels of the test's 8-bit and 4-bit bitmaps start, after the palette.
constexpr qsizetype RlePixels8 = BitmapFiles::HeadersSize + 256 * 4;
constexpr qsizetype RlePixels4 = BitmapFiles::HeadersSize + 16 * 4;

// A run-length encoded bitmap with runs put in front of its own.
QByteArray withLeadingRuns(const QByteArray &bitmap, qsizetype pixels, const QByteArray &runs)
{
    return bitmap.left(pixels) + runs + bitmap.mid(pixels);
}

// The editor at start-up with a map whose visible cells use every tile.
struct Editor : EditorFixture
{
    Editor()
    {
        for (int row = 0; row < Tiles::GridRows; ++row)
            for (int column = 0; column < Tiles::GridColumns; ++column)
                state.cell(column, row) = static_cast<std::uint8_t>(column * 3 + row);
        redrawMap(state);
    }
    void loadTiles(const QString &path)
    {
        host.fileDialog.answers = {path, path};
        trigger("loadTilesAction");
    }
};

struct Snapshot
{
    explicit Snapshot(const Editor &editor)
        : grid(editor.state.tileMap), sheet(editor.state.tileSheet.image()),
          canvas(editor.state.mapCanvas.image()), brush(editor.state.brushPreview.image()),
          caption(editor.window.picker().windowTitle())
    {
    }
    bool operator==(const Snapshot &) const = default;

    std::array<std::uint8_t, Tiles::GridCells> grid;
    QImage sheet;
    QImage canvas;
    QImage brush;
    QString caption;
};

} // namespace

class TestDamagedPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeBitmapsLoad_data();
    void wholeBitmapsLoad();
    void damagedPictureIsRefused_data();
    void damagedPictureIsRefused();
    void headerClaimIsCheckedFirst_data();
    void headerClaimIsCheckedFirst();
};

void TestDamagedPictures::wholeBitmapsLoad_data()
{
    QTest::addColumn<QByteArray>("content");
    for (const NamedLayout &entry : Layouts)
        QTest::newRow(entry.name) << BitmapFiles::bitmap(Width, Height, entry.layout);
    const QByteArray rle8 = BitmapFiles::bitmap(Width, Height, {8, Compression::Rle8});
    // A literal run of three pixels, then the row's other 37 as a run.
    // One row: a literal run of three pixels (padded to a whole word), a run
    // of the other 37, the end of the line and of the picture.
    QTest::newRow("RLE8 with a literal run")
        << BitmapFiles::bitmap(Width, 1, {8, Compression::Rle8}).left(RlePixels8) +
               QByteArray("\0\3\7\7\7\0\45\1\0\0\0\1", 12);
    QTest::newRow("RLE8 without its end mark") << rle8.chopped(2);
}

// The check refuses nothing whole: each layout reads as Qt reads it.
void TestDamagedPictures::wholeBitmapsLoad()
{
    QFETCH(QByteArray, content);
    QBuffer device(&content);
    device.open(QIODevice::ReadOnly);

    const TileSetFile::Result read = TileSetFile::read(device);

    QCOMPARE(read.status, TileSetFile::Result::Status::Loaded);
    const QImage expected = QImage::fromData(content);
    QVERIFY(!expected.isNull());
    QCOMPARE(read.picture, expected);
}

void TestDamagedPictures::damagedPictureIsRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    using BitmapFiles::withField32;
    for (const NamedLayout &entry : Layouts) {
        const QByteArray whole = BitmapFiles::bitmap(Width, Height, entry.layout);
        const QByteArray name(entry.name);
        QTest::newRow((name + " cut to 100 bytes").constData()) << whole.left(100);
        QTest::newRow((name + " cut in half").constData()) << whole.left(whole.size() / 2);
        QTest::newRow((name + " without its last row").constData())
            << whole.left(whole.size() * 9 / 10);
        // A run-length stream may end without its end mark (see wholeBitmapsLoad),
        // but not within its last run: before the end of the line and of
        // the bitmap come the last run's two bytes.
        if (entry.layout.compression == Compression::None)
            QTest::newRow((name + " without its last byte").constData()) << whole.chopped(1);
        else
            QTest::newRow((name + " cut in its last run").constData()) << whole.chopped(5);
        const int moreRows = entry.layout.topDown ? -2 * Height : 2 * Height;
        QTest::newRow((name + " claiming more rows than it holds").constData())
            << withField32(whole, BitmapFiles::HeightField, std::uint32_t(moreRows));
        QTest::newRow((name + " with its pixels past the end").constData())
            << withField32(whole, BitmapFiles::OffsetField, std::uint32_t(whole.size() + 8));
    }
    const QByteArray rle8 = BitmapFiles::bitmap(Width, Height, {8, Compression::Rle8});
    const QByteArray rle4 = BitmapFiles::bitmap(Width, Height, {4, Compression::Rle4});
    QTest::newRow("RLE8 run past the row")
        << withLeadingRuns(rle8, RlePixels8, QByteArray("\x60\1", 2));
    QTest::newRow("RLE4 run past the row")
        << withLeadingRuns(rle4, RlePixels4, QByteArray("\x60\1", 2));
    QTest::newRow("RLE8 literal run past the end")
        << rle8.left(RlePixels8) + QByteArray("\0\xff\1\2\3", 5);
    QTest::newRow("RLE8 skipping pixels")
        << withLeadingRuns(rle8, RlePixels8, QByteArray("\0\2\4\1", 4));
    QTest::newRow("RLE8 ending a row early")
        << withLeadingRuns(rle8, RlePixels8, QByteArray("\2\1\0\0", 4));
    QTest::newRow("RLE4 ending the picture early")
        << withLeadingRuns(rle4, RlePixels4, QByteArray("\x28\x11\0\1", 4));
    QTest::newRow("bitmap header cut short") << rle8.left(30);

    const QByteArray png = encoded(gradient(), "PNG");
    const qsizetype end = pngChunk(png, "IEND");
    QTest::newRow("PNG cut in its pixel data") << png.left(pngChunk(png, "IDAT") + 20);
    QTest::newRow("PNG without its end chunk") << png.left(end);
    QByteArray badChecksum = png;
    badChecksum[end - 1] = char(badChecksum[end - 1] ^ 0x5A); // the pixel data's CRC
    QTest::newRow("PNG with a bad checksum") << badChecksum;
    const QByteArray jpeg = encoded(gradient(), "JPEG");
    QTest::newRow("JPEG cut short") << jpeg.chopped(12);
}

void TestDamagedPictures::damagedPictureIsRefused()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.bmp"));
    TestFiles::write(path, content);
    Editor editor;
    const Snapshot before(editor);

    editor.loadTiles(path);

    QCOMPARE(editor.host.fileDialog.shown.size(), 1);
    QCOMPARE(editor.host.messageBox.asked.size(), 1);
    QCOMPARE(editor.host.messageBox.asked.constFirst().prompt, NotATileSet);
    QVERIFY(Snapshot(editor) == before);
}

void TestDamagedPictures::headerClaimIsCheckedFirst_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QSize>("tooLarge"); // invalid for a file that is no picture
    const auto claiming = [](int width, int height) {
        QByteArray bytes = BitmapFiles::bitmap(4, 4, {24});
        bytes = BitmapFiles::withField32(bytes, BitmapFiles::WidthField, std::uint32_t(width));
        return BitmapFiles::withField32(bytes, BitmapFiles::HeightField, std::uint32_t(height));
    };
    QTest::newRow("60000 x 60000") << claiming(60000, 60000) << QSize(60000, 60000);
    QTest::newRow("65535 x 65535") << claiming(65535, 65535) << QSize(65535, 65535);
    QTest::newRow("2147483647 x 1") << claiming(2147483647, 1) << QSize(2147483647, 1);
    QTest::newRow("top-down 9000 x 4000") << claiming(9000, -4000) << QSize(9000, 4000);
    QTest::newRow("negative width") << claiming(-40, 24) << QSize();
    QTest::newRow("no rows") << claiming(40, 0) << QSize();
}

// The size a bitmap's header claims decides before Qt's reader does, which
// refuses some huge sizes with no word about them.
void TestDamagedPictures::headerClaimIsCheckedFirst()
{
    QFETCH(QByteArray, content);
    QFETCH(QSize, tooLarge);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("claim.bmp"));
    TestFiles::write(path, content);
    Editor editor;
    const Snapshot before(editor);

    editor.loadTiles(path);

    QCOMPARE(editor.host.messageBox.asked.size(), 1);
    const QString message =
        tooLarge.isValid()
            ? QStringLiteral("%1 is %2 x %3 pixels, too large to be a TileSet (a TileSet is "
                             "512 x 128).")
                  .arg(path, QString::number(tooLarge.width()), QString::number(tooLarge.height()))
            : NotATileSet;
    QCOMPARE(editor.host.messageBox.asked.constFirst().prompt, message);
    QVERIFY(Snapshot(editor) == before);
}

QTEST_MAIN(TestDamagedPictures)
#include "tst_damagedpictures.moc"
