// SPDX-License-Identifier: MIT
// Tile numbers as CSV text: what is read, what is refused and why, and the
// text written for a grid.
#include "core/files/CsvCells.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

CellGrid grid(int width, int height, std::vector<std::uint8_t> cells)
{
    return CellGrid{width, height, std::move(cells)};
}

CellGrid randomGrid(int width, int height, quint32 seed)
{
    QRandomGenerator generator(seed);
    CellGrid result{width, height, {}};
    for (int cell = 0; cell < width * height; ++cell)
        result.cells.push_back(static_cast<std::uint8_t>(generator.bounded(256)));
    return result;
}

} // namespace

Q_DECLARE_METATYPE(CellGrid)

class TestCsvCells : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
    void writes_data();
    void writes();
    void roundTrip_data();
    void roundTrip();
};

void TestCsvCells::reads_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<CellGrid>("expected");

    const CellGrid twoRows = grid(3, 2, {0, 9, 255, 10, 100, 1});
    QTest::newRow("commas") << QByteArray("0,9,255\n10,100,1\n") << twoRows;
    QTest::newRow("no line feed at the end") << QByteArray("0,9,255\n10,100,1") << twoRows;
    QTest::newRow("windows line ends, blanks, blank lines at the end")
        << QByteArray("0, 9 ,255\r\n10,100,\t1\r\n\r\n  \n") << twoRows;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "0,9,255\n10,100,1\n")
                                     << twoRows;
    QTest::newRow("semicolons") << QByteArray("0;9;255\n10; 100 ;1\n") << twoRows;
    QTest::newRow("tabs") << QByteArray("0\t9\t255\n10\t100\t1\n") << twoRows;
    QTest::newRow("-1 is tile 0") << QByteArray("-1,9,255\n10,100,-1\n")
                                  << grid(3, 2, {0, 9, 255, 10, 100, 0});
    QTest::newRow("one column") << QByteArray("7\n8\n") << grid(1, 2, {7, 8});
    QTest::newRow("leading zeros") << QByteArray("007,0255\n") << grid(2, 1, {7, 255});
    QTest::newRow("whole grid") << QByteArray(
                                       ("0" + QByteArray(",0").repeated(255) + "\n").repeated(128))
                                << grid(256, 128, std::vector<std::uint8_t>(256 * 128, 0));
}

void TestCsvCells::reads()
{
    QFETCH(QByteArray, text);
    QFETCH(CellGrid, expected);
    const CsvCells::Reading reading = CsvCells::read(text);
    QVERIFY2(reading.succeeded(), qPrintable(reading.error));
    QCOMPARE(reading.grid.width, expected.width);
    QCOMPARE(reading.grid.height, expected.height);
    QVERIFY(reading.grid.cells == expected.cells);
}

void TestCsvCells::refuses_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("says");

    QTest::newRow("empty") << QByteArray() << 0 << 0 << "no rows of tile numbers";
    QTest::newRow("only blank lines") << QByteArray("\n  \r\n") << 0 << 0 << "no rows";
    QTest::newRow("ragged rows") << QByteArray("1,2,3\n4,5,6\n7,8\n") << 3 << 0
                                 << "2 values where line 1 has 3; every row needs the same";
    QTest::newRow("blank line inside")
        << QByteArray("1,2\n\n3,4\n") << 2 << 0 << "1 values where line 1 has 2";
    QTest::newRow("256") << QByteArray("1,2,3\n4,256,6\n") << 2 << 3
                         << "\"256\" is not a tile number 0..255";
    QTest::newRow("huge number") << QByteArray("1,99999999999999999999\n") << 1 << 3
                                 << "\"99999999999999999999\" is not a tile number";
    QTest::newRow("-2") << QByteArray("1,-2,3\n") << 1 << 3 << "\"-2\" is not a tile number";
    QTest::newRow("plus sign") << QByteArray("+1\n") << 1 << 1 << "\"+1\" is not a tile number";
    QTest::newRow("not a number") << QByteArray("1,2,3\n4,5,x7\n") << 2 << 5
                                  << "\"x7\" is not a tile number";
    QTest::newRow("fraction") << QByteArray("1.5\n") << 1 << 1 << "\"1.5\" is not a tile number";
    QTest::newRow("empty value") << QByteArray("1,,3\n") << 1 << 3 << "a value is missing";
    QTest::newRow("trailing comma") << QByteArray("1,2,\n") << 1 << 5 << "a value is missing";
    QTest::newRow("semicolon after commas")
        << QByteArray("1,2\n3;4\n") << 2 << 0 << "1 values where line 1 has 2";
    QTest::newRow("semicolons inside a comma row")
        << QByteArray("1,2\n3;4,5\n") << 2 << 1
        << "\"3;4\" is not a tile number 0..255 (or -1 for tile 0); the first line separates "
           "its values with commas, so every line must";
    QTest::newRow("257 columns") << QByteArray("0" + QByteArray(",0").repeated(256) + "\n") << 1
                                 << 0 << "257 values; a map has at most 256 columns";
    QTest::newRow("129 rows") << QByteArray("0\n").repeated(129) << 129 << 0
                              << "more than 128 rows; a map has at most 128";
    QTest::newRow("far too many rows")
        << QByteArray("0\n").repeated(100000) << 129 << 0 << "more than 128 rows";
}

void TestCsvCells::refuses()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, says);
    const CsvCells::Reading reading = CsvCells::read(text);
    QVERIFY(!reading.succeeded());
    QVERIFY2(reading.error.contains(says), qPrintable(reading.error));
    QCOMPARE(reading.line, line);
    QCOMPARE(reading.column, column);
}

void TestCsvCells::writes_data()
{
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("commas") << CsvCells::Comma << QByteArray("0,9,255\n10,100,1\n");
    QTest::newRow("semicolons") << CsvCells::Semicolon << QByteArray("0;9;255\n10;100;1\n");
    QTest::newRow("tabs") << CsvCells::Tab << QByteArray("0\t9\t255\n10\t100\t1\n");
}

void TestCsvCells::writes()
{
    QFETCH(char, separator);
    QFETCH(QByteArray, text);
    const CellGrid cells = grid(3, 2, {0, 9, 255, 10, 100, 1});
    QCOMPARE(CsvCells::write(cells, separator), text);
    const CsvCells::Reading back = CsvCells::read(text);
    QVERIFY2(back.succeeded(), qPrintable(back.error));
    QVERIFY(back.grid == cells);
}

void TestCsvCells::roundTrip_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("one cell") << 1 << 1;
    QTest::newRow("40 x 25") << 40 << 25;
    QTest::newRow("whole grid") << 256 << 128;
}

void TestCsvCells::roundTrip()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const CellGrid cells = randomGrid(width, height, 7);
    const CsvCells::Reading back = CsvCells::read(CsvCells::write(cells));
    QVERIFY2(back.succeeded(), qPrintable(back.error));
    QVERIFY(back.grid == cells);
}

QTEST_APPLESS_MAIN(TestCsvCells)
#include "tst_csvcells.moc"
