// SPDX-License-Identifier: MIT
// The preview window: how it opens, zooms, scrolls, resizes and closes.
#include "tests/preview/PreviewFixture.h"
#include "ui/preview/PreviewDocument.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPushButton>
#include <QScrollBar>

class TestPreviewWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensAt100Percent();
    void controlStrip();
    void documentShowsTheCanvasOnBlack();
    void zoomFromTheList_data();
    void zoomFromTheList();
    void typedZoom_data();
    void typedZoom();
    void enterOnFullPageKeepsIt();
    void rejectedEntryAfterTypedZoomShowsIt();
    void zoomInForceMakesNoPass();
    void scrollBarsMoveTheHolder();
    void scrollingRepaintsOnlyWhatItExposes();
    void resizeLaysOutAgain();
    void lowWindowKeepsItsLayout();
    void tinyWindowKeepsEverySurface_data();
    void tinyWindowKeepsEverySurface();
    void everyActivationCopiesTheCanvas();
    void closeButtonAndEscapeClose();

private:
    void pick(int index);
    void type(const QString &text);
    QWidget *widget(const char *name) const { return m_fixture->child<QWidget>(name); }
    QScrollBar *bar(const char *name) const { return m_fixture->child<QScrollBar>(name); }
    PreviewDocument *document() const { return m_fixture->child<PreviewDocument>("document"); }
    QComboBox *zoomBox() const { return m_fixture->child<QComboBox>("zoomBox"); }

    std::unique_ptr<PreviewFixture> m_fixture;
};

void TestPreviewWindow::init()
{
    m_fixture = std::make_unique<PreviewFixture>();
}

void TestPreviewWindow::cleanup()
{
    m_fixture.reset();
}

void TestPreviewWindow::pick(int index)
{
    zoomBox()->setCurrentIndex(index);
    Q_EMIT zoomBox()->activated(index);
}

void TestPreviewWindow::type(const QString &text)
{
    zoomBox()->lineEdit()->selectAll();
    QTest::keyClicks(zoomBox(), text);
    QTest::keyClick(zoomBox(), Qt::Key_Return);
}

void TestPreviewWindow::opensAt100Percent()
{
    m_fixture->setMap(10, 5);
    QVERIFY(m_fixture->open());
    PreviewWindow &window = *m_fixture->window;

    QCOMPARE(window.objectName(), QStringLiteral("previewWindow"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Tesselwick Map Preview"));
    QVERIFY(window.isModal());
    QVERIFY(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    QCOMPARE(window.size(), QSize(954, 633));
    QCOMPARE(window.zoomLevel(), 100.0f);
    QCOMPARE(zoomBox()->currentText(), QStringLiteral("100 %"));
    QCOMPARE(zoomBox()->count(), 7);
    QCOMPARE(zoomBox()->itemData(6).toInt(), -1);

    QCOMPARE(widget("scrollArea")->geometry(), QRect(0, 33, 954, 600));
    QCOMPARE(widget("viewport")->geometry(), QRect(0, 0, 954, 600));
    QCOMPARE(widget("holder")->geometry(), QRect(0, 0, 192, 112));
    QVERIFY(document()->isVisible());
    QCOMPARE(document()->geometry(), QRect(16, 16, 160, 80));
    QVERIFY(!bar("verticalBar")->isVisible());
    QVERIFY(!bar("horizontalBar")->isVisible());
    QVERIFY(!QApplication::overrideCursor());
}

void TestPreviewWindow::controlStrip()
{
    m_fixture->setMap(10, 5);
    QVERIFY(m_fixture->open());
    QCOMPARE(widget("controlStrip")->geometry(), QRect(0, 0, 2667, 33));
    const auto *zoom = m_fixture->child<QLabel>("zoomLabel");
    QCOMPARE(zoom->text(), QStringLiteral("Zoom:"));
    QCOMPARE(zoom->geometry(), QRect(8, 6, 33, 17));
    QCOMPARE(zoomBox()->geometry(), QRect(48, 4, 145, 21));
    QVERIFY(zoomBox()->isEditable());
    const auto *close = m_fixture->child<QPushButton>("closeButton");
    QCOMPARE(close->text(), QStringLiteral("&Close Preview"));
    QCOMPARE(close->geometry(), QRect(208, 4, 113, 21));
    const auto *create = m_fixture->child<QPushButton>("createImageButton");
    QCOMPARE(create->text(), QStringLiteral("Create Image"));
    QCOMPARE(create->geometry(), QRect(328, 4, 105, 21));
    const auto *note = m_fixture->child<QLabel>("noteLabel");
    QCOMPARE(
        note->text(),
        QStringLiteral("NOTE: Create Image takes screenshots with adjusted zoom level as shown."));
    QCOMPARE(note->geometry(), QRect(440, 8, 441, 17));
}

void TestPreviewWindow::documentShowsTheCanvasOnBlack()
{
    m_fixture->setMap(10, 5);
    QVERIFY(m_fixture->open());
    const QImage shown =
        widget("scrollArea")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.copy(16, 16, 160, 80), m_fixture->state.mapCanvas.image());
    QCOMPARE(shown.pixel(15, 15), qRgb(0, 0, 0));
    QCOMPARE(shown.pixel(176, 96), qRgb(0, 0, 0));
    QCOMPARE(shown.pixel(900, 500), qRgb(0, 0, 0));
}

void TestPreviewWindow::zoomFromTheList_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<QSize>("document");
    QTest::addColumn<bool>("horizontalBar");
    QTest::newRow("75 %") << 1 << 75.0f << QSize(120, 60) << false;
    QTest::newRow("50 %") << 2 << 50.0f << QSize(80, 40) << false;
    QTest::newRow("10 %") << 4 << 10.0f << QSize(16, 8) << false;
    QTest::newRow("Full Page") << 5 << 0.0f << QSize(1102, 551) << true;
    QTest::newRow("Full Width") << 6 << -1.0f << QSize(922, 461) << false;
}

void TestPreviewWindow::zoomFromTheList()
{
    QFETCH(int, index);
    m_fixture->setMap(10, 5);
    QVERIFY(m_fixture->open());
    pick(index);
    QTEST(m_fixture->window->zoomLevel(), "zoom");
    QTEST(document()->size(), "document");
    QTEST(bar("horizontalBar")->isVisible(), "horizontalBar");
    QCOMPARE(document()->image().size(), document()->size());
}

void TestPreviewWindow::typedZoom_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<QSize>("document");
    QTest::newRow("150") << QStringLiteral("150") << QStringLiteral("150 %") << 150.0f
                         << QSize(240, 120);
    QTest::newRow("200") << QStringLiteral("200") << QStringLiteral("200 %") << 200.0f
                         << QSize(320, 160);
    QTest::newRow("200.5") << QStringLiteral("200.5") << QStringLiteral("100 %") << 100.0f
                           << QSize(160, 80);
    QTest::newRow("0") << QStringLiteral("0") << QStringLiteral("100 %") << 100.0f
                       << QSize(160, 80);
    QTest::newRow("-5") << QStringLiteral("-5") << QStringLiteral("100 %") << 100.0f
                        << QSize(160, 80);
    QTest::newRow("text") << QStringLiteral("large") << QStringLiteral("100 %") << 100.0f
                          << QSize(160, 80);
    QTest::newRow("0.5") << QStringLiteral("0.5") << QStringLiteral("0.5 %") << 0.5f << QSize(1, 1);
    QTest::newRow("a list caption")
        << QStringLiteral("25 %") << QStringLiteral("25 %") << 25.0f << QSize(40, 20);
}

void TestPreviewWindow::typedZoom()
{
    QFETCH(QString, typed);
    m_fixture->setMap(10, 5);
    QVERIFY(m_fixture->open());
    type(typed);
    QTEST(zoomBox()->currentText(), "text");
    QTEST(m_fixture->window->zoomLevel(), "zoom");
    QTEST(document()->size(), "document");
    QVERIFY(m_fixture->window->isVisible());
}

void TestPreviewWindow::enterOnFullPageKeepsIt()
{
    m_fixture->setMap(10, 5);
    QVERIFY(m_fixture->open());
    pick(5);
    QScrollBar *horizontal = bar("horizontalBar");
    QVERIFY(horizontal->isVisible());
    horizontal->setValue(50);
    QTest::keyClick(zoomBox(), Qt::Key_Return);
    QCOMPARE(zoomBox()->currentText(), QStringLiteral("Full Page"));
    QCOMPARE(m_fixture->window->zoomLevel(), 0.0f);
    // No pass ran: the bar was not returned to 0.
    QCOMPARE(horizontal->value(), 50);
}

// A typed zoom leaves no list item selected, although the box's list still
// has a current item: a rejected entry then shows the zoom in force, not
// that item's caption.
void TestPreviewWindow::rejectedEntryAfterTypedZoomShowsIt()
{
    m_fixture->setMap(10, 5);
    QVERIFY(m_fixture->open());
    type(QStringLiteral("150"));
    type(QStringLiteral("abc"));
    QCOMPARE(zoomBox()->currentText(), QStringLiteral("150 %"));
    QCOMPARE(m_fixture->window->zoomLevel(), 150.0f);
    QCOMPARE(document()->size(), QSize(240, 120));
}

void TestPreviewWindow::zoomInForceMakesNoPass()
{
    m_fixture->setMap(255, 127);
    QVERIFY(m_fixture->open());
    QScrollBar *vertical = bar("verticalBar");
    vertical->setValue(10);
    QCOMPARE(widget("holder")->pos(), QPoint(0, -10));

    type(QStringLiteral("100"));
    QCOMPARE(zoomBox()->currentText(), QStringLiteral("100 %"));
    QCOMPARE(vertical->value(), 10);
    QCOMPARE(widget("holder")->pos(), QPoint(0, -10));

    type(QStringLiteral("150"));
    QCOMPARE(vertical->value(), 0);
    QCOMPARE(widget("holder")->pos(), QPoint(0, 0));
    QCOMPARE(document()->size(), QSize(6120, 3048));
}

void TestPreviewWindow::scrollBarsMoveTheHolder()
{
    m_fixture->setMap(255, 127);
    QVERIFY(m_fixture->open());
    QScrollBar *horizontal = bar("horizontalBar");
    QScrollBar *vertical = bar("verticalBar");
    QCOMPARE(horizontal->maximum(), 3308);
    QCOMPARE(horizontal->pageStep(), 976);
    QCOMPARE(horizontal->singleStep(), 14);
    QCOMPARE(vertical->maximum(), 1544);
    QCOMPARE(vertical->height(), 583);
    QCOMPARE(horizontal->width(), 937);

    const QImage before = document()->picture().source();
    horizontal->setValue(100);
    vertical->setValue(1544);
    QCOMPARE(widget("holder")->pos(), QPoint(-96, -1482));
    // Scrolling only moves the holder: the document stays as it was.
    QCOMPARE(document()->picture().source().cacheKey(), before.cacheKey());
    QCOMPARE(document()->size(), QSize(4080, 2032));
    const QImage shown = widget("viewport")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.copy(0, 0, 200, 100),
             m_fixture->state.mapCanvas.image().copy(96 - 16, 1482 - 16, 200, 100));
}

namespace {

// Adds up the area of every paint event a widget gets.
class PaintedArea : public QObject
{
public:
    qint64 pixels = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            for (const QRect &rect : static_cast<QPaintEvent *>(event)->region())
                pixels += qint64(rect.width()) * rect.height();
        return false;
    }
};

} // namespace

void TestPreviewWindow::scrollingRepaintsOnlyWhatItExposes()
{
    m_fixture->setMap(255, 127);
    QVERIFY(m_fixture->open());
    PaintedArea painted;
    document()->installEventFilter(&painted);
    // The opening pass paints all of the document the viewport shows.
    QTRY_COMPARE(painted.pixels, qint64(921) * 567);
    // Whatever the opening pass still has queued is delivered before counting.
    QCoreApplication::processEvents();
    QCOMPARE(painted.pixels, qint64(921) * 567);
    painted.pixels = 0;

    // One arrow step uncovers 13 rows of the 937-pixel-wide viewport.
    bar("verticalBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QTRY_VERIFY(painted.pixels > 0);
    QCoreApplication::processEvents();
    QVERIFY2(painted.pixels <= 937 * 14, qPrintable(QString::number(painted.pixels)));
}

void TestPreviewWindow::resizeLaysOutAgain()
{
    m_fixture->setMap(255, 127);
    QVERIFY(m_fixture->open());
    pick(2);
    bar("verticalBar")->setValue(20);
    m_fixture->window->resize(800, 500);
    QCOMPARE(widget("scrollArea")->geometry(), QRect(0, 33, 800, 467));
    QCOMPARE(bar("verticalBar")->geometry(), QRect(783, 0, 17, 450));
    QCOMPARE(bar("horizontalBar")->geometry(), QRect(0, 450, 783, 17));
    QCOMPARE(widget("viewport")->size(), QSize(783, 450));
    QCOMPARE(bar("verticalBar")->value(), 0);
    QCOMPARE(m_fixture->window->zoomLevel(), 50.0f);
    QCOMPARE(document()->size(), QSize(2040, 1016));
}

void TestPreviewWindow::lowWindowKeepsItsLayout()
{
    m_fixture->setMap(255, 127);
    QVERIFY(m_fixture->open());
    m_fixture->window->resize(700, 40);
    QCOMPARE(widget("scrollArea")->geometry(), QRect(0, 33, 954, 600));
}

void TestPreviewWindow::tinyWindowKeepsEverySurface_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("100 %") << 0;
    QTest::newRow("Full Page") << 5;
    QTest::newRow("Full Width") << 6;
}

void TestPreviewWindow::tinyWindowKeepsEverySurface()
{
    QFETCH(int, index);
    m_fixture->setMap(10, 5);
    QVERIFY(m_fixture->open());
    pick(index);
    m_fixture->window->resize(12, 41);
    QCOMPARE(widget("scrollArea")->geometry(), QRect(0, 33, 12, 8));
    QVERIFY(!widget("viewport")->size().isEmpty());
    QVERIFY(!document()->size().isEmpty());
    QVERIFY(!document()->image().isNull());
}

void TestPreviewWindow::everyActivationCopiesTheCanvas()
{
    m_fixture->setMap(60, 40);
    QVERIFY(m_fixture->open());
    bar("verticalBar")->setValue(30);

    QImage red(m_fixture->state.mapCanvas.size(), QImage::Format_RGB32);
    red.fill(Qt::red);
    m_fixture->state.mapCanvas.setPicture(red);
    // Another window takes the activation, as the save dialog does, and the
    // preview gets it back.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    m_fixture->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_fixture->window.get()));

    QCOMPARE(document()->image(), red);
    QCOMPARE(bar("verticalBar")->value(), 0);
}

void TestPreviewWindow::closeButtonAndEscapeClose()
{
    m_fixture->setMap(10, 5);
    QVERIFY(m_fixture->open());
    QTest::mouseClick(m_fixture->child<QPushButton>("closeButton"), Qt::LeftButton);
    QVERIFY(!m_fixture->window->isVisible());

    QVERIFY(m_fixture->open());
    QTest::keyClick(zoomBox(), Qt::Key_Escape);
    QVERIFY(!m_fixture->window->isVisible());
}

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
