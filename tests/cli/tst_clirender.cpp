// SPDX-License-Identifier: MIT
// tesselwick-cli render against the editor itself: the same map loaded with
// Load Map, the same sheet with Load Tiles, then "Create Bitmap Image" (and
// the preview's "Create Image" when zoomed) must give the very picture the
// program writes.
#include "tests/cli/CliSupport.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/TestFiles.h"
#include "ui/preview/PreviewWindow.h"

#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A sheet picture of any size in which neighbouring pixels differ.
QImage noise(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + y * 3) % 256, (x * y) % 251, (x + 5 * y) % 241));
    return image;
}

// The index of a zoom in the preview's list.
constexpr int FiftyPercent = 2;

} // namespace

class TestCliRender : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void sameAsCreateBitmapImage_data();
    void sameAsCreateBitmapImage();
    void sameAsZoomedPreview();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCliRender::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestCliRender::sameAsCreateBitmapImage_data()
{
    QTest::addColumn<QByteArray>("map");
    QTest::addColumn<QImage>("sheet");
    QTest::addColumn<QString>("sheetName");

    const QByteArray sample = TestFiles::readAll(QStringLiteral(TESSELWICK_TEST_DATA) +
                                                 QStringLiteral("/sample/sample.map"));
    const QByteArray full = CliSupport::plainMap(256, 128, 21);
    // Cells outside the map are drawn only where the canvas reaches.
    const QByteArray outsideDrawn =
        CliSupport::mapFile(0x01, 0x02, 10, 5, 256, 128, CliSupport::scattered(22));
    const QByteArray fullWidthLow =
        CliSupport::mapFile(0xFE, 0x4F, 255, 40, 256, 128, CliSupport::scattered(23));
    const QByteArray clamped =
        CliSupport::mapFile(0xFE, 0x4F, 0, 0, 3, 3, CliSupport::scattered(24));

    QTest::newRow("sample, built-in sheet") << sample << QImage() << QString();
    QTest::newRow("whole grid, built-in sheet") << full << QImage() << QString();
    QTest::newRow("10 x 5, built-in sheet") << outsideDrawn << QImage() << QString();
    QTest::newRow("width byte 255, height byte 40, built-in sheet")
        << fullWidthLow << QImage() << QString();
    QTest::newRow("width and height byte 0, built-in sheet") << clamped << QImage() << QString();
    QTest::newRow("sample, numbered sheet") << sample << NumberedSheet::sheet() << "numbered.bmp";
    QTest::newRow("whole grid, small sheet") << full << noise(QSize(256, 64)) << "small.png";
    QTest::newRow("width byte 255, height byte 40, large sheet")
        << fullWidthLow << noise(QSize(1024, 256)) << "large.bmp";
}

void TestCliRender::sameAsCreateBitmapImage()
{
    QFETCH(QByteArray, map);
    QFETCH(QImage, sheet);
    QFETCH(QString, sheetName);
    const QString mapPath = path(QStringLiteral("level.map"));
    TestFiles::write(mapPath, map);
    QStringList tiles;
    if (!sheetName.isEmpty()) {
        QVERIFY(sheet.save(path(sheetName)));
        tiles = {QStringLiteral("--tiles"), path(sheetName)};
    }

    EditorFixture editor;
    editor.host.fileDialog.answers = {mapPath};
    editor.trigger("loadMapAction");
    if (!sheetName.isEmpty()) {
        editor.host.fileDialog.answers = {path(sheetName)};
        editor.trigger("loadTilesAction");
    }
    const QString fromEditor = path(QStringLiteral("editor.bmp"));
    editor.host.fileDialog.answers = {fromEditor};
    editor.trigger("createImageAction");

    const QString fromProgram = path(QStringLiteral("program.bmp"));
    const CliSupport::Run run = CliSupport::cli(
        QStringList{QStringLiteral("render"), mapPath, QStringLiteral("-o"), fromProgram} + tiles);
    QVERIFY2(run.exitCode == 0, run.err.constData());

    const QImage expected = CliSupport::picture(fromEditor);
    QVERIFY(!expected.isNull());
    QCOMPARE(expected.size(), editor.state.mapCanvas.size());
    QCOMPARE(CliSupport::picture(fromProgram), expected);
    // Written by the same bitmap writer, the files are the same byte for byte.
    QCOMPARE(TestFiles::readAll(fromProgram), TestFiles::readAll(fromEditor));
}

void TestCliRender::sameAsZoomedPreview()
{
    const QString mapPath = path(QStringLiteral("level.map"));
    TestFiles::write(mapPath,
                     CliSupport::mapFile(0xFE, 0x4F, 37, 23, 37, 23, CliSupport::scattered(31)));
    EditorFixture editor;
    editor.host.fileDialog.answers = {mapPath};
    editor.trigger("loadMapAction");

    PreviewWindow preview(editor.state, editor.host.host());
    preview.show();
    QVERIFY(QTest::qWaitForWindowActive(&preview));
    auto *zoom = preview.findChild<QComboBox *>(QStringLiteral("zoomBox"));
    zoom->setCurrentIndex(FiftyPercent);
    Q_EMIT zoom->activated(FiftyPercent);
    const QString fromPreview = path(QStringLiteral("preview.bmp"));
    editor.host.fileDialog.answers = {fromPreview};
    QTest::mouseClick(preview.findChild<QPushButton *>(QStringLiteral("createImageButton")),
                      Qt::LeftButton);

    const QString fromProgram = path(QStringLiteral("program.bmp"));
    const CliSupport::Run run =
        CliSupport::cli({QStringLiteral("render"), mapPath, QStringLiteral("-o"), fromProgram,
                         QStringLiteral("--zoom"), QStringLiteral("50")});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QImage expected = CliSupport::picture(fromPreview);
    QCOMPARE(expected.size(), QSize(296, 184));
    QCOMPARE(CliSupport::picture(fromProgram), expected);
}

QTEST_MAIN(TestCliRender)
#include "tst_clirender.moc"
