// SPDX-License-Identifier: MIT
#include "core/preview/CreditsScroll.h"
#include "core/preview/Twips.h"

#include <QTest>

namespace Scroll = CreditsScroll;

class TestCreditsScroll : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void step_data();
    void step();
    void passRepeatsAfterWrap();
    void centredLeft();
    void linesFollowTheTable();
};

void TestCreditsScroll::step_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("slot1Top");
    QTest::addColumn<int>("slot24Top");
    QTest::addColumn<bool>("wrapped");
    // Tick n of a pass starts from the offset of tick n - 1.
    QTest::newRow("first tick after opening")
        << Scroll::StartOffset << 10 << 4485 << 13685 << false;
    QTest::newRow("slot 1 comes into view (tick 41)") << 400 << 410 << 4085 << 13285 << false;
    QTest::newRow("tick 1389 does not wrap") << 13880 << 13890 << -9395 << -195 << false;
    QTest::newRow("tick 1390 wraps") << 13890 << 0 << -9405 << -205 << true;
    QTest::newRow("tick after a wrap") << 0 << 10 << 4485 << 13685 << false;
}

void TestCreditsScroll::step()
{
    QFETCH(int, before);
    QFETCH(int, slot1Top);
    const Scroll::Tick tick = Scroll::step(before);
    QTEST(tick.offset, "after");
    QCOMPARE(tick.tops.front(), slot1Top);
    QTEST(tick.tops.back(), "slot24Top");
    QTEST(tick.wrapped, "wrapped");
    // The lines stand 400 apart and move together.
    for (int slot = 1; slot <= Scroll::SlotCount; ++slot)
        QCOMPARE(tick.tops[slot - 1], slot1Top + Scroll::LineSpacing * (slot - 1));
}

void TestCreditsScroll::passRepeatsAfterWrap()
{
    int offset = Scroll::StartOffset;
    int wrapsAt = 0;
    for (int tick = 1; tick <= 3000 && wrapsAt == 0; ++tick) {
        const Scroll::Tick result = Scroll::step(offset);
        offset = result.offset;
        if (result.wrapped)
            wrapsAt = tick;
    }
    QCOMPARE(wrapsAt, 1390);
    QCOMPARE(offset, 0);
    QCOMPARE(Scroll::step(offset).tops.front(), 4485);
}

void TestCreditsScroll::centredLeft()
{
    QCOMPARE(Scroll::centredLeft(Scroll::AreaWidth, 0), 2257.5);
    QCOMPARE(Scroll::centredLeft(Scroll::AreaWidth, 1515), 1500.0);
    QCOMPARE(Twips::toPixels(Scroll::centredLeft(Scroll::AreaWidth, 1515)), 100);
    QCOMPARE(Scroll::restingTop(Scroll::AreaHeight, 285), 4380);
}

void TestCreditsScroll::linesFollowTheTable()
{
    const auto &lines = Scroll::Lines;
    QCOMPARE(lines[0], QStringLiteral("Quorvane Labs"));
    QCOMPARE(lines[2], QStringLiteral("Tesselwick v1.0"));
    QCOMPARE(lines[22], QStringLiteral("March 13th 2010"));
    // The programmer and the second artist come back in their later slots.
    QVERIFY(!lines[5].isEmpty());
    QCOMPARE(lines[8], lines[5]);
    QCOMPARE(lines[12], lines[5]);
    QCOMPARE(lines[14], lines[9]);
    for (int blank : {4, 7, 11, 17, 20, 22, 24})
        QVERIFY2(lines[blank - 1].isEmpty(), qPrintable(QString::number(blank)));
}

QTEST_APPLESS_MAIN(TestCreditsScroll)
#include "tst_creditsscroll.moc"
