// SPDX-License-Identifier: MIT
// Reading a typed zoom and the texts the zoom box shows afterwards.
#include "core/preview/ZoomText.h"

#include <QTest>

using namespace ZoomText;

namespace {
// Stands for "no new zoom" in the tables.
constexpr float Unchanged = -100.0f;
const QString NoItem;
} // namespace

class TestZoomText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zoomList();
    void leadingNumber_data();
    void leadingNumber();
    void formatNumber_data();
    void formatNumber();
    void enterZoom_data();
    void enterZoom();
};

void TestZoomText::zoomList()
{
    QStringList captions;
    QList<int> values;
    for (const ZoomItem &item : zoomItems()) {
        captions.append(item.caption);
        values.append(item.value);
    }
    QCOMPARE(captions,
             QStringList({QStringLiteral("100 %"), QStringLiteral("75 %"), QStringLiteral("50 %"),
                          QStringLiteral("25 %"), QStringLiteral("10 %"),
                          QStringLiteral("Full Page"), QStringLiteral("Full Width")}));
    QCOMPARE(values, QList<int>({100, 75, 50, 25, 10, 0, -1}));
}

void TestZoomText::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("expected");
    QTest::newRow("digits") << QStringLiteral("150") << 150.0f;
    QTest::newRow("a list caption") << QStringLiteral("150 %") << 150.0f;
    QTest::newRow("leading blanks") << QStringLiteral("  \t12.5abc") << 12.5f;
    QTest::newRow("point first") << QStringLiteral(".5") << 0.5f;
    QTest::newRow("negative") << QStringLiteral("-5") << -5.0f;
    QTest::newRow("plus sign") << QStringLiteral("+7 %") << 7.0f;
    QTest::newRow("point last") << QStringLiteral("20.") << 20.0f;
    QTest::newRow("stops at a second point") << QStringLiteral("1.2.3") << 1.2f;
    QTest::newRow("no exponent") << QStringLiteral("1e2") << 1.0f;
    QTest::newRow("text") << QStringLiteral("Full Page") << 0.0f;
    QTest::newRow("sign alone") << QStringLiteral("- 5") << 0.0f;
    QTest::newRow("empty") << QString() << 0.0f;
}

void TestZoomText::leadingNumber()
{
    QFETCH(QString, text);
    QTEST(ZoomText::leadingNumber(text), "expected");
}

void TestZoomText::formatNumber_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 150.0f << QStringLiteral("150");
    QTest::newRow("fraction") << 12.5f << QStringLiteral("12.5");
    QTest::newRow("below one") << 0.5f << QStringLiteral("0.5");
    QTest::newRow("single-precision tenth") << 0.1f << QStringLiteral("0.1");
    QTest::newRow("seven digits") << 1.0f / 3.0f << QStringLiteral("0.3333333");
    QTest::newRow("rounded at the seventh digit") << 123.456789f << QStringLiteral("123.4568");
    QTest::newRow("rounds up to a whole") << 199.99999f << QStringLiteral("200");
    QTest::newRow("small, without exponent") << 0.00001f << QStringLiteral("0.00001");
    QTest::newRow("negative") << -1.0f << QStringLiteral("-1");
}

void TestZoomText::formatNumber()
{
    QFETCH(float, value);
    QTEST(ZoomText::formatNumber(value), "expected");
}

void TestZoomText::enterZoom_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<float>("zoomLevel");
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("newZoom");

    const QString hundred = QStringLiteral("100 %");
    QTest::newRow("150") << QStringLiteral("150") << NoItem << 100.0f << QStringLiteral("150 %")
                         << 150.0f;
    QTest::newRow("200 accepted") << QStringLiteral("200") << NoItem << 100.0f
                                  << QStringLiteral("200 %") << 200.0f;
    QTest::newRow("half a percent")
        << QStringLiteral("0.5") << NoItem << 100.0f << QStringLiteral("0.5 %") << 0.5f;
    QTest::newRow("with its sign")
        << QStringLiteral(" 12.50 %") << NoItem << 100.0f << QStringLiteral("12.5 %") << 12.5f;
    QTest::newRow("200.5 restores the item")
        << QStringLiteral("200.5") << hundred << 100.0f << hundred << Unchanged;
    QTest::newRow("0 restores the item")
        << QStringLiteral("0") << hundred << 100.0f << hundred << Unchanged;
    QTest::newRow("-5 restores the item")
        << QStringLiteral("-5") << hundred << 100.0f << hundred << Unchanged;
    QTest::newRow("too long a number restores the item")
        << QString(60, QLatin1Char('9')) << hundred << 100.0f << hundred << Unchanged;
    QTest::newRow("text without an item shows the zoom")
        << QStringLiteral("big") << NoItem << 150.0f << QStringLiteral("150 %") << Unchanged;
    QTest::newRow("Enter on Full Page")
        << QStringLiteral("Full Page") << QStringLiteral("Full Page") << 0.0f
        << QStringLiteral("Full Page") << Unchanged;
    QTest::newRow("fit mode without an item shows its caption")
        << QStringLiteral("x") << NoItem << -1.0f << QStringLiteral("Full Width") << Unchanged;
    QTest::newRow("the zoom in force")
        << QStringLiteral("100") << NoItem << 100.0f << hundred << Unchanged;
}

void TestZoomText::enterZoom()
{
    QFETCH(QString, typed);
    QFETCH(QString, selected);
    QFETCH(float, zoomLevel);
    QFETCH(float, newZoom);
    const Entry entry = ZoomText::enterZoom(
        typed, selected.isNull() ? std::nullopt : std::optional<QString>(selected), zoomLevel);
    QTEST(entry.text, "text");
    QCOMPARE(entry.zoom.has_value(), newZoom != Unchanged);
    if (entry.zoom)
        QCOMPARE(*entry.zoom, newZoom);
}

QTEST_APPLESS_MAIN(TestZoomText)
#include "tst_zoomtext.moc"
