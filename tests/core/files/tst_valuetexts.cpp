// SPDX-License-Identifier: MIT
#include "core/files/ValueTexts.h"

#include <QTest>

// The joined texts against the same texts appended one by one, which is what
// the map's text formats wrote before the table.
class TestValueTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void joinsLikeAppendingEachText_data();
    void joinsLikeAppendingEachText();
    void decimalCountsFromTheOffset();
    void keepsTheTextAlreadyThere();
};

namespace {

QByteArray longHex(std::uint8_t value)
{
    // Texts of different lengths, some empty, so a short value after a long
    // one shows a wrong position.
    return value % 5 == 0 ? QByteArray() : QByteArray::number(value, 16).repeated(value % 4);
}

} // namespace

void TestValueTexts::joinsLikeAppendingEachText_data()
{
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<QByteArray>("separator");

    QByteArray all(256, Qt::Uninitialized);
    for (int value = 0; value < 256; ++value)
        all[value] = char(value);
    QByteArray many;
    for (int i = 0; i < 40000; ++i)
        many += char((i * 37 + i / 256) % 256);

    QTest::newRow("nothing") << QByteArray() << QByteArray(",");
    QTest::newRow("one value") << QByteArray(1, char(200)) << QByteArray(", ");
    QTest::newRow("every value") << all << QByteArray(",");
    QTest::newRow("long separator") << all << QByteArray(" -- ");
    QTest::newRow("no separator") << all << QByteArray();
    QTest::newRow("a whole map and more") << many << QByteArray(",");
}

void TestValueTexts::joinsLikeAppendingEachText()
{
    QFETCH(QByteArray, values);
    QFETCH(QByteArray, separator);
    const ValueTexts texts(longHex);
    QByteArray expected;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            expected += separator;
        expected += longHex(std::uint8_t(values[i]));
    }
    QByteArray joined;
    texts.appendJoined(joined, values, separator);
    QCOMPARE(joined, expected);
}

void TestValueTexts::decimalCountsFromTheOffset()
{
    const ValueTexts plain = ValueTexts::decimal();
    const ValueTexts tiled = ValueTexts::decimal(1);
    QCOMPARE(plain.text(0), QByteArray("0"));
    QCOMPARE(plain.text(255), QByteArray("255"));
    QCOMPARE(tiled.text(0), QByteArray("1"));
    QCOMPARE(tiled.text(9), QByteArray("10"));
    QCOMPARE(tiled.text(255), QByteArray("256"));
}

void TestValueTexts::keepsTheTextAlreadyThere()
{
    // Lines appended one after another, as the writers append them, each
    // after text the table did not write.
    const ValueTexts texts = ValueTexts::decimal();
    QByteArray text = "head\n";
    QByteArray expected = text;
    for (int line = 0; line < 300; ++line) {
        const QByteArray values(line % 7 + 1, char(line));
        text += "  ";
        texts.appendJoined(text, values, ";");
        text += '\n';
        expected += "  ";
        for (qsizetype i = 0; i < values.size(); ++i)
            expected += (i > 0 ? ";" : "") + QByteArray::number(std::uint8_t(values[i]));
        expected += '\n';
    }
    QCOMPARE(text, expected);
}

QTEST_GUILESS_MAIN(TestValueTexts)
#include "tst_valuetexts.moc"
