// SPDX-License-Identifier: MIT
// The application style hands out lasting icons: windows built anew at each
// opening paint the same icon pictures, and look exactly as before.
#include "host/LastingIconStyle.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOptionHeader>
#include <QTest>

#include <memory>

class TestLastingIconStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void standardIconsLast_data();
    void standardIconsLast();
    void headerLabelLooksTheSame_data();
    void headerLabelLooksTheSame();
};

void TestLastingIconStyle::standardIconsLast_data()
{
    QTest::addColumn<int>("icon");
    QTest::newRow("back") << int(QStyle::SP_ArrowBack);
    QTest::newRow("parent folder") << int(QStyle::SP_FileDialogToParent);
    QTest::newRow("new folder") << int(QStyle::SP_FileDialogNewFolder);
    QTest::newRow("detail view") << int(QStyle::SP_FileDialogDetailedView);
    QTest::newRow("open") << int(QStyle::SP_DialogOpenButton);
    QTest::newRow("menu bar overflow") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
    QTest::newRow("warning") << int(QStyle::SP_MessageBoxWarning);
}

void TestLastingIconStyle::standardIconsLast()
{
    QFETCH(int, icon);
    const auto which = QStyle::StandardPixmap(icon);
    LastingIconStyle style;
    const QIcon first = style.standardIcon(which);
    QVERIFY(!first.isNull());
    // The same picture each time, so its painted copies are found again.
    QCOMPARE(style.standardIcon(which).cacheKey(), first.cacheKey());
    QCOMPARE(style.standardIcon(which).pixmap(16).toImage(),
             std::unique_ptr<QStyle>(QStyleFactory::create(style.baseStyle()->name()))
                 ->standardIcon(which)
                 .pixmap(16)
                 .toImage());
}

void TestLastingIconStyle::headerLabelLooksTheSame_data()
{
    QTest::addColumn<QSize>("iconSize");
    QTest::addColumn<bool>("blank");
    QTest::newRow("the file list's blank icon") << QSize(16, 1) << true;
    QTest::newRow("a drawn icon") << QSize(12, 12) << false;
}

// A header label draws exactly as the base style draws it, whether its icon
// is a blank the style swaps for a lasting one or a real picture.
void TestLastingIconStyle::headerLabelLooksTheSame()
{
    QFETCH(QSize, iconSize);
    QFETCH(bool, blank);
    QImage picture(iconSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(blank ? QColor(Qt::transparent) : QColor(Qt::red));
    QStyleOptionHeader option;
    option.rect = QRect(0, 0, 120, 20);
    option.text = QStringLiteral("Name");
    option.icon = QIcon(QPixmap::fromImage(picture));
    option.palette = QPalette(Qt::white);

    const auto draw = [&option](const QStyle &style) {
        QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        style.drawControl(QStyle::CE_HeaderLabel, &option, &painter);
        painter.end();
        return image;
    };
    LastingIconStyle style;
    const std::unique_ptr<QStyle> base(QStyleFactory::create(style.baseStyle()->name()));
    QCOMPARE(draw(style), draw(*base));
}

QTEST_MAIN(TestLastingIconStyle)
#include "tst_lastingiconstyle.moc"
