// SPDX-License-Identifier: MIT
// "Create Bitmap Image" in the main window and "Create Image" in the preview:
// the shared save dialog, what each writes, and what happens when it cannot.
#include "tests/preview/PreviewFixture.h"
#include "tests/support/TestFiles.h"
#include "ui/main/MainWindow.h"
#include "ui/preview/PreviewDocument.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QImage readBitmap(const QString &path)
{
    QImage image;
    if (!image.load(path, "BMP"))
        return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestImageExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void createImageWritesTheDocument_data();
    void createImageWritesTheDocument();
    void createImageWhileScrolledWritesTheWhole();
    void dialogSettings();
    void cancelWritesNothing();
    void existingFileIsReplaced();
    void unwritableFolderIsReported();
    void createBitmapImageWritesTheCanvas();
    void mapPreviewOpensModal();

private:
    void pick(int index);
    void createImage(const QString &answer);

    std::unique_ptr<PreviewFixture> m_fixture;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestImageExport::init()
{
    m_fixture = std::make_unique<PreviewFixture>();
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestImageExport::cleanup()
{
    m_fixture.reset();
    m_dir.reset();
}

void TestImageExport::pick(int index)
{
    auto *zoom = m_fixture->child<QComboBox>("zoomBox");
    zoom->setCurrentIndex(index);
    Q_EMIT zoom->activated(index);
}

void TestImageExport::createImage(const QString &answer)
{
    m_fixture->host.fileDialog.answers = {answer};
    QTest::mouseClick(m_fixture->child<QPushButton>("createImageButton"), Qt::LeftButton);
}

void TestImageExport::createImageWritesTheDocument_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QSize>("size");
    QTest::newRow("100 %") << 0 << QSize(160, 80);
    QTest::newRow("50 %") << 2 << QSize(80, 40);
    QTest::newRow("Full Width") << 6 << QSize(922, 461);
}

void TestImageExport::createImageWritesTheDocument()
{
    QFETCH(int, index);
    m_fixture->setMap(10, 5);
    QVERIFY(m_fixture->open());
    pick(index);
    const QString path = m_dir->filePath(QStringLiteral("zoomed.bmp"));
    createImage(path);

    const QImage written = readBitmap(path);
    QTEST(written.size(), "size");
    // Exactly what the document shows: no margins, no bars.
    const QImage shown = m_fixture->child<PreviewDocument>("document")
                             ->grab()
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    QCOMPARE(written, shown);
    if (index == 0)
        QCOMPARE(written, m_fixture->state.mapCanvas.image());
    QVERIFY(m_fixture->host.messageBox.asked.isEmpty());
}

void TestImageExport::createImageWhileScrolledWritesTheWhole()
{
    m_fixture->setMap(60, 40);
    QVERIFY(m_fixture->open());
    m_fixture->child<QScrollBar>("horizontalBar")->setValue(30);
    m_fixture->child<QScrollBar>("verticalBar")->setValue(40);
    const QString path = m_dir->filePath(QStringLiteral("whole.bmp"));
    createImage(path);
    QCOMPARE(readBitmap(path), m_fixture->state.mapCanvas.image());
}

void TestImageExport::dialogSettings()
{
    m_fixture->setMap(10, 5);
    QVERIFY(m_fixture->open());
    ScriptedFileDialog &dialog = m_fixture->host.fileDialog;
    // Left behind by loading a tile set; the export does not change them.
    dialog.flags = FileDialog::FileMustExist;
    dialog.filterIndex = 1;
    dialog.fileName = QStringLiteral("/somewhere/old.map");
    createImage(QString());

    QCOMPARE(dialog.shown.size(), 1);
    const ScriptedFileDialog::Shown &shown = dialog.shown.constFirst();
    QCOMPARE(shown.mode, FileDialog::Mode::Save);
    QCOMPARE(shown.title, QStringLiteral("Save Image File"));
    QCOMPARE(shown.filter, QStringLiteral("Windows Bitmap Files (*.bmp)|*.bmp"));
    QCOMPARE(shown.flags, FileDialog::FileMustExist);
    QCOMPARE(shown.filterIndex, 1);
    QCOMPARE(dialog.fileName, QString());
}

void TestImageExport::cancelWritesNothing()
{
    m_fixture->setMap(10, 5);
    QVERIFY(m_fixture->open());
    createImage(QString());
    QVERIFY(QDir(m_dir->path()).isEmpty());
    QVERIFY(m_fixture->host.messageBox.asked.isEmpty());
}

void TestImageExport::existingFileIsReplaced()
{
    m_fixture->setMap(10, 5);
    QVERIFY(m_fixture->open());
    const QString path = m_dir->filePath(QStringLiteral("again.bmp"));
    TestFiles::write(path, "older export");
    pick(2);
    createImage(path);
    QCOMPARE(readBitmap(path).size(), QSize(80, 40));
    QVERIFY(m_fixture->host.messageBox.asked.isEmpty());
}

void TestImageExport::unwritableFolderIsReported()
{
    m_fixture->setMap(10, 5);
    QVERIFY(m_fixture->open());
    const QString plain = m_dir->filePath(QStringLiteral("old.bmp"));
    TestFiles::write(plain, "old");
    const QString path = plain + QStringLiteral("/new.bmp");
    createImage(path);

    QCOMPARE(m_fixture->host.messageBox.asked.size(), 1);
    const ScriptedMessageBox::Asked &asked = m_fixture->host.messageBox.asked.constFirst();
    QVERIFY2(asked.prompt.contains(path), qPrintable(asked.prompt));
    QVERIFY(asked.prompt.contains(QStringLiteral("could not be written")));
    QVERIFY(asked.prompt.length() > path.length() + 40);
    QCOMPARE(asked.buttons, MessageBox::Buttons::Ok);
    QFile old(plain);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
}

void TestImageExport::createBitmapImageWritesTheCanvas()
{
    MainWindow window(m_fixture->state, m_fixture->host.host());
    m_fixture->state.mapWidth = 10;
    m_fixture->state.mapHeight = 5;
    resetMap(m_fixture->state);
    m_fixture->state.mapCanvas.setPicture(PreviewFixture::pattern(QSize(160, 80)));
    window.findChild<QScrollBar *>(QStringLiteral("horizontalBar"))->setValue(3);
    window.findChild<QScrollBar *>(QStringLiteral("verticalBar"))->setValue(2);

    const QString path = m_dir->filePath(QStringLiteral("canvas"));
    m_fixture->host.fileDialog.answers = {path};
    window.findChild<QAction *>(QStringLiteral("createImageAction"))->trigger();

    QCOMPARE(m_fixture->host.fileDialog.shown.constFirst().title,
             QStringLiteral("Save Image File"));
    // Used as typed: no extension is added.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList({QStringLiteral("canvas")}));
    QCOMPARE(readBitmap(path), m_fixture->state.mapCanvas.image());
}

void TestImageExport::mapPreviewOpensModal()
{
    MainWindow window(m_fixture->state, m_fixture->host.host());
    window.show();
    QAction *preview = window.findChild<QAction *>(QStringLiteral("previewAction"));
    QCOMPARE(preview->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));

    QString seenTitle;
    QString seenZoom;
    QTimer::singleShot(0, this, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            seenTitle = modal->windowTitle();
            if (QTest::qWaitForWindowActive(modal))
                seenZoom = modal->findChild<QComboBox *>(QStringLiteral("zoomBox"))->currentText();
            modal->close();
        }
    });
    preview->trigger();
    QCOMPARE(seenTitle, QStringLiteral("Tesselwick Map Preview"));
    QCOMPARE(seenZoom, QStringLiteral("100 %"));
    // Closing unloads it: the next opening starts afresh.
    QVERIFY(!window.findChild<PreviewWindow *>());
}

QTEST_MAIN(TestImageExport)
#include "tst_imageexport.moc"
