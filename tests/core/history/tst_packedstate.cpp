// SPDX-License-Identifier: MIT
#include "core/history/PackedState.h"
#include "tests/support/NumberedSheet.h"

#include <QRandomGenerator>
#include <QTest>

#include <numeric>

namespace {

using Grid = PackedState::Grid;

// Spare room a packed piece may keep beyond its bytes: allocator rounding,
// never a buffer sized for the unpacked data.
constexpr qsizetype SpareBytes = 64;

} // namespace

class TestPackedState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Undo steps hold packed grids by the thousand: each must come back byte
    // for byte and hold no more memory than its packed bytes.
    void gridComesBackAndKeepsOnlyItsBytes_data()
    {
        QTest::addColumn<Grid>("grid");
        Grid blank{};
        QTest::newRow("blank") << blank;
        Grid counting{};
        std::iota(counting.begin(), counting.end(), std::uint8_t(0));
        QTest::newRow("every tile in turn") << counting;
        Grid noise{};
        QRandomGenerator random(7);
        for (std::uint8_t &cell : noise)
            cell = std::uint8_t(random.bounded(256));
        QTest::newRow("noise that does not compress") << noise;
    }

    void gridComesBackAndKeepsOnlyItsBytes()
    {
        QFETCH(Grid, grid);
        const QByteArray packed = PackedState::packGrid(grid);
        Grid unpacked{};
        unpacked.fill(0xAA);
        PackedState::unpackGrid(packed, unpacked);
        QVERIFY(unpacked == grid);
        QVERIFY2(packed.capacity() - packed.size() <= SpareBytes,
                 qPrintable(QStringLiteral("%1 bytes held for %2 packed")
                                .arg(packed.capacity())
                                .arg(packed.size())));
    }

    void sheetComesBackAndKeepsOnlyItsBytes()
    {
        const QImage sheet = NumberedSheet::sheet();
        SheetStore store;
        const QByteArray packed = store.pack(sheet);
        QCOMPARE(SheetStore::unpack(packed).convertToFormat(QImage::Format_RGB32), sheet);
        QVERIFY2(packed.capacity() - packed.size() <= SpareBytes,
                 qPrintable(QStringLiteral("%1 bytes held for %2 packed")
                                .arg(packed.capacity())
                                .arg(packed.size())));
    }
};

QTEST_GUILESS_MAIN(TestPackedState)
#include "tst_packedstate.moc"
