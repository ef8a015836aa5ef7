// SPDX-License-Identifier: MIT
// Cells on the clipboard: the editor's own form both ways, the CSV text Copy
// writes, and pasted text taken or refused with the reason.
#include "core/edit/CellsClipboard.h"

#include <QTest>

Q_DECLARE_METATYPE(Stamp)

namespace {

Stamp block(int width, int height, std::vector<std::uint8_t> tiles)
{
    return Stamp(width, height, std::move(tiles));
}

} // namespace

class TestCellsClipboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ownFormRoundTrip_data();
    void ownFormRoundTrip();
    void ownFormRefusesDamage_data();
    void ownFormRefusesDamage();
    void csvText();
    void textTaken_data();
    void textTaken();
    void textRefused_data();
    void textRefused();
};

void TestCellsClipboard::ownFormRoundTrip_data()
{
    QTest::addColumn<Stamp>("stamp");
    QTest::newRow("one cell") << block(1, 1, {200});
    QTest::newRow("2 x 3") << block(2, 3, {0, 1, 2, 3, 254, 255});
    QTest::newRow("the whole grid")
        << block(256, 128, std::vector<std::uint8_t>(256 * 128, std::uint8_t(7)));
}

void TestCellsClipboard::ownFormRoundTrip()
{
    QFETCH(Stamp, stamp);
    const QByteArray bytes = CellsClipboard::encode(stamp);
    QCOMPARE(bytes.size(), 4 + stamp.width() * stamp.height());
    QCOMPARE(CellsClipboard::decode(bytes), stamp);
}

void TestCellsClipboard::ownFormRefusesDamage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("header cut") << QByteArray("\x02\x00\x01", 3);
    QTest::newRow("a cell short") << QByteArray("\x02\x00\x01\x00\x05", 5);
    QTest::newRow("a cell more") << QByteArray("\x01\x00\x01\x00\x05\x06", 6);
    QTest::newRow("zero width") << QByteArray("\x00\x00\x01\x00", 4);
    QTest::newRow("wider than the grid")
        << (QByteArray("\x01\x01\x01\x00", 4) + QByteArray(257, '\0'));
}

void TestCellsClipboard::ownFormRefusesDamage()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(CellsClipboard::decode(bytes).isEmpty());
}

void TestCellsClipboard::csvText()
{
    QCOMPARE(CellsClipboard::csvText(block(3, 2, {1, 22, 255, 0, 4, 5})),
             QByteArray("1,22,255\n0,4,5\n"));
}

void TestCellsClipboard::textTaken_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Stamp>("stamp");
    QTest::newRow("commas") << QByteArray("1,2,3\n4,5,6\n") << block(3, 2, {1, 2, 3, 4, 5, 6});
    QTest::newRow("semicolons") << QByteArray("1;2\r\n3;4") << block(2, 2, {1, 2, 3, 4});
    QTest::newRow("tabs, as spreadsheets copy")
        << QByteArray("9\t8\n7\t6\n") << block(2, 2, {9, 8, 7, 6});
    QTest::newRow("-1 is tile 0") << QByteArray("-1,5\n") << block(2, 1, {0, 5});
}

void TestCellsClipboard::textTaken()
{
    QFETCH(QByteArray, text);
    const CellsClipboard::Reading reading = CellsClipboard::fromText(text);
    QCOMPARE(reading.error, QString());
    QTEST(reading.stamp, "stamp");
}

void TestCellsClipboard::textRefused_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("reason");
    QTest::newRow("ragged") << QByteArray("1,2,3\n4,5\n") << QStringLiteral("line 2");
    QTest::newRow("256") << QByteArray("1,256\n") << QStringLiteral("\"256\" is not a tile number");
    QTest::newRow("empty") << QByteArray("") << QStringLiteral("the clipboard is empty");
    QTest::newRow("blank") << QByteArray(" \n\n") << QStringLiteral("the clipboard is empty");
    QTest::newRow("words") << QByteArray("hello world") << QStringLiteral("\"hello world\"");
}

void TestCellsClipboard::textRefused()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, reason);
    const CellsClipboard::Reading reading = CellsClipboard::fromText(text);
    QVERIFY(reading.stamp.isEmpty());
    QVERIFY2(reading.error.startsWith(QStringLiteral("The clipboard holds no map cells to paste: ")),
             qPrintable(reading.error));
    QVERIFY2(reading.error.contains(reason), qPrintable(reading.error));
}

QTEST_MAIN(TestCellsClipboard)
#include "tst_cellsclipboard.moc"
