// SPDX-License-Identifier: MIT
// Where the tile picker and the help open beside the main window.
#include "core/state/WindowPlacement.h"

#include <QTest>

namespace {

// The main window's frame at the size a window manager gives it: 830 x 720.
const QSize MainFrame(830, 720);
const QSize PickerFrame(583, 155);
const QSize HelpFrame(764, 585);

} // namespace

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picker_data();
    void picker();
    void beside_data();
    void beside();
};

void TestWindowPlacement::picker_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("main");
    QTest::addColumn<QPoint>("mainAfter");
    QTest::addColumn<QPoint>("picker");
    // Centred on 1920 x 1080 there is room below.
    QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1080) << QPoint(545, 180) << QPoint(545, 180)
                                 << QPoint(545, 900);
    // Centred on 1280 x 1024 the picker lacks 3 pixels: the main window rises.
    QTest::newRow("1280 x 1024") << QRect(0, 0, 1280, 1024) << QPoint(225, 152) << QPoint(225, 149)
                                 << QPoint(225, 869);
    QTest::newRow("exactly room") << QRect(0, 0, 1280, 875) << QPoint(225, 80) << QPoint(225, 0)
                                  << QPoint(225, 720);
    QTest::newRow("panel at the top") << QRect(0, 30, 1280, 900) << QPoint(225, 10)
                                      << QPoint(225, 30) << QPoint(225, 750);
    // Too short for both: the picker at the screen's bottom edge.
    QTest::newRow("1024 x 768") << QRect(0, 0, 1024, 768) << QPoint(97, 24) << QPoint(97, 24)
                                << QPoint(97, 613);
    // Kept within the screen sideways, and on the main window's own screen.
    QTest::newRow("at the right edge") << QRect(0, 0, 1920, 1080) << QPoint(1500, 0)
                                       << QPoint(1500, 0) << QPoint(1337, 720);
    QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QPoint(2145, 100)
                                   << QPoint(2145, 100) << QPoint(2145, 820);
}

void TestWindowPlacement::picker()
{
    QFETCH(QRect, available);
    QFETCH(QPoint, main);
    const WindowPlacement::PickerPlace place =
        WindowPlacement::pickerBelow(QRect(main, MainFrame), PickerFrame, available);
    QTEST(place.mainTopLeft, "mainAfter");
    QTEST(place.pickerTopLeft, "picker");
    const QRect picker(place.pickerTopLeft, PickerFrame);
    QVERIFY(available.contains(picker));
}

void TestWindowPlacement::beside_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("main");
    QTest::addColumn<QPoint>("help");
    QTest::newRow("right") << QRect(0, 0, 2560, 1440) << QPoint(865, 360) << QPoint(1695, 360);
    QTest::newRow("left") << QRect(0, 0, 1920, 1080) << QPoint(1000, 100) << QPoint(236, 100);
    // 1280 wide: no room on either side, so centred over the main window.
    QTest::newRow("centred") << QRect(0, 0, 1280, 1024) << QPoint(225, 152) << QPoint(257, 219);
    QTest::newRow("centred, kept on screen") << QRect(0, 0, 1024, 768) << QPoint(-100, 300)
                                             << QPoint(0, 183);
}

void TestWindowPlacement::beside()
{
    QFETCH(QRect, available);
    QFETCH(QPoint, main);
    const QPoint help = WindowPlacement::beside(QRect(main, MainFrame), HelpFrame, available);
    QTEST(help, "help");
    QVERIFY(available.contains(QRect(help, HelpFrame)));
}

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
