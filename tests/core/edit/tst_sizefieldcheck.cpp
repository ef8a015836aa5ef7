// SPDX-License-Identifier: MIT
#include "core/edit/SizeFieldCheck.h"

#include <QLocale>
#include <QTest>

using namespace SizeFieldCheck;

class TestSizeFieldCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void check_data();
    void check();
    void numbersReadAlikeInEveryLocale_data();
    void numbersReadAlikeInEveryLocale();
};

namespace {
enum Marked { None, WidthOnly, HeightOnly, Both };
}
Q_DECLARE_METATYPE(Marked)

void TestSizeFieldCheck::check_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    // Empty when the check passes.
    QTest::addColumn<QString>("message");
    QTest::addColumn<Marked>("marked");
    QTest::addColumn<int>("newWidth");
    QTest::addColumn<int>("newHeight");

    const auto row = [](const char *name, const char *width, const char *height,
                        const QString &message, Marked marked, int newWidth = 0,
                        int newHeight = 0) {
        QTest::newRow(name) << QString::fromLatin1(width) << QString::fromLatin1(height) << message
                            << marked << newWidth << newHeight;
    };

    row("largest", "255", "127", {}, None, 255, 127);
    row("smallest", "1", "1", {}, None, 1, 1);
    row("halves go to even", "2.5", "3.5", {}, None, 2, 4);
    row("exponent", "1e2", "25", {}, None, 100, 25);
    row("blanks around", " 40 ", "\t25 ", {}, None, 40, 25);
    row("explicit sign", "+40", "+25", {}, None, 40, 25);
    row("fraction only", ".5e1", "25.", {}, None, 5, 25);
    row("rounds down inside range", "1.4", "126.6", {}, None, 1, 127);
    row("just below half", "254.4", "1.5", {}, None, 254, 2);

    row("width 256", "256", "25", WidthMessage, WidthOnly);
    row("width 0", "0", "25", WidthMessage, WidthOnly);
    row("width -5", "-5", "25", WidthMessage, WidthOnly);
    row("width 0.9 tested unrounded", "0.9", "25", WidthMessage, WidthOnly);
    row("width 255.4 tested unrounded", "255.4", "25", WidthMessage, WidthOnly);
    row("width fails before letters in height", "256", "abc", WidthMessage, WidthOnly);

    row("height 128", "40", "128", HeightMessage, HeightOnly);
    row("height 0", "40", "0", HeightMessage, HeightOnly);
    row("height 127.5 tested unrounded", "40", "127.5", HeightMessage, HeightOnly);

    row("empty width", "", "25", NumbersOnlyMessage, Both);
    row("blank width", "   ", "25", NumbersOnlyMessage, Both);
    row("letters in width", "abc", "25", NumbersOnlyMessage, Both);
    row("empty height", "40", "", NumbersOnlyMessage, Both);
    row("letters in height", "40", "x", NumbersOnlyMessage, Both);
    row("both empty", "", "", NumbersOnlyMessage, Both);
    row("comma is no decimal point", "2,5", "25", NumbersOnlyMessage, Both);
    row("comma is no group separator", "1,0", "25", NumbersOnlyMessage, Both);
    row("hexadecimal", "0x1", "25", NumbersOnlyMessage, Both);
    row("infinity", "inf", "25", NumbersOnlyMessage, Both);
    row("not a number", "40", "nan", NumbersOnlyMessage, Both);
    row("blank inside", "4 0", "25", NumbersOnlyMessage, Both);
    row("dangling exponent", "1e", "25", NumbersOnlyMessage, Both);
}

void TestSizeFieldCheck::check()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, message);
    QFETCH(Marked, marked);

    const Outcome outcome = checkSizeFields(width, height);

    QCOMPARE(outcome.passed, message.isEmpty());
    QCOMPARE(outcome.message, message);
    QCOMPARE(outcome.markWidth, marked == WidthOnly || marked == Both);
    QCOMPARE(outcome.markHeight, marked == HeightOnly || marked == Both);
    if (outcome.passed) {
        QFETCH(int, newWidth);
        QFETCH(int, newHeight);
        QCOMPARE(outcome.size, (MapSize{newWidth, newHeight}));
    }
}

void TestSizeFieldCheck::numbersReadAlikeInEveryLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("German") << QStringLiteral("de_DE");
    QTest::newRow("French") << QStringLiteral("fr_FR");
    QTest::newRow("English") << QStringLiteral("en_US");
}

void TestSizeFieldCheck::numbersReadAlikeInEveryLocale()
{
    QFETCH(QString, locale);
    const QLocale previous;
    QLocale::setDefault(QLocale(locale));

    const Outcome point = checkSizeFields(QStringLiteral("2.5"), QStringLiteral("3.5"));
    const Outcome comma = checkSizeFields(QStringLiteral("2,5"), QStringLiteral("3"));

    QLocale::setDefault(previous);
    QVERIFY(point.passed);
    QCOMPARE(point.size, (MapSize{2, 4}));
    QVERIFY(!comma.passed);
    QCOMPARE(comma.message, NumbersOnlyMessage);
}

QTEST_APPLESS_MAIN(TestSizeFieldCheck)
#include "tst_sizefieldcheck.moc"
