// SPDX-License-Identifier: MIT
#include "core/preview/CreditsScroll.h"
#include "core/preview/Twips.h"
#include "tests/support/EditorFixture.h"
#include "ui/about/CreditsWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace Scroll = CreditsScroll;

namespace {

// Stands in for the main canvas and counts how often it is painted.
class CanvasProbe : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

// Counts the paint events that reach a widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget &widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QList<QLabel *> creditLines(const QWidget &window)
{
    return window.findChildren<QLabel *>(QStringLiteral("creditLine"));
}

QWidget &scrollArea(const QWidget &window)
{
    return *window.findChild<QWidget *>(QStringLiteral("scrollArea"));
}

int scrollOffset(const QWidget &window)
{
    return qobject_cast<const CreditsWindow *>(&window)->scrollOffset();
}

bool allLinesBelowArea(const QWidget &window)
{
    const int areaHeight = scrollArea(window).height();
    const QList<QLabel *> lines = creditLines(window);
    return lines.size() == Scroll::SlotCount &&
           std::all_of(lines.begin(), lines.end(),
                       [areaHeight](const QLabel *line) { return line->y() >= areaHeight; });
}

// The top, in pixels, that a line waiting below the area has.
int restingTop(const QLabel &line)
{
    return Twips::toPixels(Scroll::restingTop(Scroll::AreaHeight, line.height() * Twips::PerPixel));
}

} // namespace

class TestCreditsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void designAfterOpening();
    void backdropContinuesAcrossScrollArea();
    void linesScrollTogether();
    void wrapPutsLinesBackBelow();
    void closingWays_data();
    void closingWays();
    void openingTwiceStartsFromTheBottom();
};

void TestCreditsWindow::designAfterOpening()
{
    CanvasProbe canvas;
    CreditsWindow window(canvas);

    QCOMPARE(window.objectName(), QStringLiteral("creditsWindow"));
    QCOMPARE(window.size(), QSize(529, 273));
    QVERIFY(window.windowTitle().isEmpty());
    QVERIFY(
        !(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(scrollArea(window).geometry(), QRect(0, 0, 301, 273));

    auto *exit = window.findChild<QLabel *>(QStringLiteral("closeLabel"));
    QVERIFY(exit);
    QCOMPARE(exit->text(), QStringLiteral("Click To Close"));
    QCOMPARE(exit->geometry(), QRect(416, 248, 113, 17));

    QCOMPARE(window.scrollOffset(), 0);

    const QList<QLabel *> lines = creditLines(window);
    QCOMPARE(lines.size(), Scroll::SlotCount);
    for (int slot = 1; slot <= Scroll::SlotCount; ++slot) {
        const QLabel &line = *lines[slot - 1];
        QCOMPARE(line.property("Index").toInt(), slot);
        QCOMPARE(line.text(), Scroll::Lines[slot - 1]);
        QCOMPARE(line.parentWidget(), &scrollArea(window));
        QCOMPARE(line.palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QVERIFY(line.font().bold());
        QCOMPARE(line.font().pointSize(), 12);
        // Sized to its own caption, ink included, and centred in the
        // 301-pixel area by it.
        const QFontMetrics metrics = line.fontMetrics();
        QCOMPARE(line.width(), std::max(metrics.horizontalAdvance(line.text()),
                                        metrics.boundingRect(line.text()).width() + 1));
        QVERIFY(qAbs(line.x() * 2 + line.width() - 301) <= 1);
        QCOMPARE(line.y(), restingTop(line));
    }
    QVERIFY(allLinesBelowArea(window));
    QVERIFY(lines[0]->width() > lines[1]->width()); // "Quorvane Labs" against "Presents"
}

// The built-in backdrop shows unscaled, in the scroll area just as beside it.
void TestCreditsWindow::backdropContinuesAcrossScrollArea()
{
    const QImage backdrop(QStringLiteral(":/art/credits_backdrop.bmp"));
    QCOMPARE(backdrop.size(), QSize(530, 275));
    CanvasProbe canvas;
    CreditsWindow window(canvas);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QImage shot = window.grab().toImage();
    for (const QPoint point :
         {QPoint(0, 0), QPoint(150, 136), QPoint(300, 272), QPoint(301, 0), QPoint(528, 100)})
        QCOMPARE(QColor(shot.pixel(point)), QColor(backdrop.pixel(point)));
}

void TestCreditsWindow::linesScrollTogether()
{
    CanvasProbe canvas;
    CreditsWindow window(canvas);
    window.show();

    // Slot 1 shows from offset 410, the 41st tick, about two thirds of a second in.
    QTRY_VERIFY_WITH_TIMEOUT(window.scrollOffset() >= 410, 30000);
    const QList<QLabel *> lines = creditLines(window);
    const int offset = window.scrollOffset();
    QVERIFY(lines[0]->y() < scrollArea(window).height());
    for (int slot = 1; slot <= Scroll::SlotCount; ++slot)
        QCOMPARE(lines[slot - 1]->y(),
                 Twips::toPixels(Scroll::AreaHeight - offset + Scroll::LineSpacing * slot));
}

void TestCreditsWindow::wrapPutsLinesBackBelow()
{
    CanvasProbe canvas;
    CreditsWindow window(canvas);
    window.setScrollOffset(13880);

    QList<int> offsets;
    bool restedAtWrap = false;
    connect(&window, &CreditsWindow::scrolled, &window, [&](int offset) {
        offsets.append(offset);
        if (offset == 0) {
            const QList<QLabel *> lines = creditLines(window);
            restedAtWrap = std::all_of(lines.begin(), lines.end(), [](const QLabel *line) {
                return line->y() == restingTop(*line);
            });
        }
    });
    window.show();

    QTRY_VERIFY_WITH_TIMEOUT(offsets.size() >= 3, 30000);
    QCOMPARE(offsets.mid(0, 3), QList<int>({13890, 0, 10}));
    QVERIFY(restedAtWrap);
}

void TestCreditsWindow::closingWays_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("refreshesCanvas");
    QTest::newRow("press on the backdrop") << QStringLiteral("backdrop") << true << false;
    QTest::newRow("right press on the backdrop")
        << QStringLiteral("backdrop-right") << true << false;
    QTest::newRow("click on the scroll area") << QStringLiteral("area") << true << false;
    QTest::newRow("click on a credit line") << QStringLiteral("line") << true << false;
    QTest::newRow("Click To Close") << QStringLiteral("exit") << true << true;
    QTest::newRow("the window's close box") << QStringLiteral("close-box") << true << false;
    QTest::newRow("right click on a credit line") << QStringLiteral("line-right") << false << false;
}

void TestCreditsWindow::closingWays()
{
    QFETCH(QString, way);
    CanvasProbe canvas;
    canvas.resize(100, 100);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    CreditsWindow window(canvas);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    const int paintsBefore = canvas.paints;

    QLabel *line = creditLines(window).at(5);
    if (way == QLatin1String("backdrop"))
        QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(450, 60));
    else if (way == QLatin1String("backdrop-right"))
        QTest::mousePress(&window, Qt::RightButton, {}, QPoint(450, 60));
    else if (way == QLatin1String("area"))
        QTest::mouseClick(&scrollArea(window), Qt::LeftButton, {}, QPoint(150, 40));
    else if (way == QLatin1String("line"))
        QTest::mouseClick(line, Qt::LeftButton);
    else if (way == QLatin1String("line-right"))
        QTest::mouseClick(line, Qt::RightButton);
    else if (way == QLatin1String("exit"))
        QTest::mouseClick(window.findChild<QLabel *>(QStringLiteral("closeLabel")), Qt::LeftButton);
    else
        window.close();

    QTEST(window.isHidden(), "closes");
    QTEST(canvas.paints > paintsBefore, "refreshesCanvas");
}

void TestCreditsWindow::openingTwiceStartsFromTheBottom()
{
    EditorFixture editor;
    MainWindow &main = editor.window;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    PaintCounter canvasPaints(*editor.find("mapCanvas"));

    struct Opening
    {
        bool startedBelow = false;
        bool scrolledIntoView = false;
        bool canvasRefreshed = false;
    };
    // Looks at the open window, closes it by a click on a credit line or on
    // "Click To Close", and notes what it saw. Never fails inside the modal
    // loop, so the window always closes.
    const auto visit = [&](Opening &seen, bool byExit) {
        QTimer::singleShot(0, &main, [&seen, byExit, &canvasPaints] {
            QWidget *window = QApplication::activeModalWidget();
            if (!window || window->objectName() != QLatin1String("creditsWindow"))
                return;
            seen.startedBelow = allLinesBelowArea(*window) && scrollOffset(*window) < 410;
            seen.scrolledIntoView = QTest::qWaitFor(
                [window] { return creditLines(*window).at(0)->y() < scrollArea(*window).height(); },
                30000);
            const int paintsBefore = canvasPaints.paints;
            QWidget *target = byExit ? window->findChild<QLabel *>(QStringLiteral("closeLabel"))
                                     : creditLines(*window).at(0);
            QTest::mouseClick(target, Qt::LeftButton);
            seen.canvasRefreshed = canvasPaints.paints > paintsBefore;
        });
        // Should the window not show up as expected, this still ends the modal loop.
        QTimer::singleShot(60000, &main, [] {
            if (QWidget *window = QApplication::activeModalWidget())
                window->close();
        });
        editor.trigger("creditsAction");
    };

    Opening first;
    visit(first, false);
    QVERIFY(first.startedBelow);
    QVERIFY(first.scrolledIntoView);
    QVERIFY(!first.canvasRefreshed);

    Opening second;
    visit(second, true);
    QVERIFY(second.startedBelow);
    QVERIFY(second.scrolledIntoView);
    QVERIFY(second.canvasRefreshed);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestCreditsWindow)
#include "tst_creditswindow.moc"
