// SPDX-License-Identifier: MIT
// A deferred icon makes its pictures once, when first asked for, and then
// answers exactly as the icon it made.
#include "host/DeferredIcon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTest>

class TestDeferredIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void madeOnceWhenFirstAskedFor();
    void answersAsTheIconItMade();
};

namespace {

QIcon redSquare()
{
    QPixmap square(16, 16);
    square.fill(Qt::red);
    return QIcon(square);
}

} // namespace

void TestDeferredIcon::madeOnceWhenFirstAskedFor()
{
    int made = 0;
    const QIcon icon = deferredIcon([&made] {
        ++made;
        return redSquare();
    });
    const QIcon copy = icon;
    QCOMPARE(made, 0);
    QVERIFY(!copy.isNull());
    QCOMPARE(made, 1);
    icon.pixmap(16);
    QImage target(16, 16, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    icon.paint(&painter, target.rect());
    QCOMPARE(made, 1);
}

void TestDeferredIcon::answersAsTheIconItMade()
{
    const QIcon made = redSquare();
    const QIcon icon = deferredIcon(redSquare);
    QCOMPARE(icon.availableSizes(), made.availableSizes());
    QCOMPARE(icon.actualSize(QSize(32, 32)), made.actualSize(QSize(32, 32)));
    QCOMPARE(icon.pixmap(16).toImage(), made.pixmap(16).toImage());
    QCOMPARE(icon.pixmap(16, QIcon::Disabled).toImage(), made.pixmap(16, QIcon::Disabled).toImage());
    QVERIFY(deferredIcon([] { return QIcon(); }).isNull());
}

QTEST_MAIN(TestDeferredIcon)
#include "tst_deferredicon.moc"
