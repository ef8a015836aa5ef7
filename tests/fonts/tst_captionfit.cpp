// SPDX-License-Identifier: MIT
#include "host/Fonts.h"
#include "tests/support/EditorFixture.h"
#include "ui/about/CreditsWindow.h"
#include "ui/about/HelpWindow.h"
#include "ui/dialogs/NewMapDialog.h"
#include "ui/dialogs/ResizeMapDialog.h"
#include "ui/preview/PreviewWindow.h"
#include "ui/tiles/TilePicker.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionButton>
#include <QTest>

namespace {

// A caption as its control draws it: the text, its font, how it is aligned
// and the box it is drawn in.
struct Caption
{
    QString text;
    QFont font;
    int flags = 0;
    QRect box;
};

Caption labelCaption(const QLabel &label)
{
    return {label.text(), label.font(),
            int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0),
            label.contentsRect()};
}

Caption buttonCaption(const QAbstractButton &button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return {button.text(), button.font(), Qt::AlignCenter | Qt::TextShowMnemonic,
            button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button)};
}

// Draws the caption without clipping, with room around its box, and returns
// where its ink falls relative to the box; ink outside the box is cut off.
QRect inkOf(const Caption &caption)
{
    constexpr int Room = 64;
    QImage canvas(caption.box.size() + QSize(2 * Room, 2 * Room),
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setFont(caption.font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(Room, Room), caption.box.size()),
                     caption.flags | Qt::TextDontClip, caption.text);
    painter.end();
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (qAlpha(canvas.pixel(x, y)) != 0)
                ink |= QRect(x - Room, y - Room, 1, 1);
    return ink;
}

QString describe(const QWidget &control, const Caption &caption, const QRect &ink)
{
    return QStringLiteral("%1 \"%2\" in %3 at %4 pt: ink %5x%6 at %7,%8 in a %9x%10 box")
        .arg(control.objectName(), caption.text, QFontInfo(caption.font).family())
        .arg(caption.font.pointSizeF())
        .arg(ink.width())
        .arg(ink.height())
        .arg(ink.x())
        .arg(ink.y())
        .arg(caption.box.width())
        .arg(caption.box.height());
}

// The shown labels and buttons of a window whose caption runs past its box.
QStringList clippedCaptions(const QWidget &window)
{
    QStringList clipped;
    for (const QWidget *control : window.findChildren<const QWidget *>()) {
        if (!control->isVisible())
            continue;
        Caption caption;
        if (const auto *label = qobject_cast<const QLabel *>(control))
            caption = labelCaption(*label);
        else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            caption = buttonCaption(*button);
        if (caption.text.isEmpty())
            continue;
        const QRect ink = inkOf(caption);
        if (!QRect(QPoint(0, 0), caption.box.size()).contains(ink))
            clipped << describe(*control, caption, ink);
    }
    return clipped;
}

} // namespace

class TestCaptionFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void captionsFitTheirControls();
};

// The font this run is about is the one the windows get.
void TestCaptionFit::initTestCase()
{
    const QString expected = qEnvironmentVariable("EXPECTED_FONT");
    QVERIFY2(!expected.isEmpty(), "EXPECTED_FONT names the font of this run");
    QCOMPARE(QFontInfo(Fonts::font(Fonts::MsSansSerif, 8.25)).family(), expected);
    QCOMPARE(QFontInfo(Fonts::font(Fonts::Arial, 12, true)).family(), expected);
}

void TestCaptionFit::captionsFitTheirControls()
{
    EditorFixture editor;
    NewMapDialog newMap(editor.state, editor.host.messageBox, &editor.window);
    ResizeMapDialog resizeMap(editor.state, editor.host.messageBox, &editor.window);
    PreviewWindow preview(editor.state, editor.host.host(), &editor.window);
    QWidget canvas;
    CreditsWindow credits(canvas, &editor.window);
    HelpWindow help;
    QWidget *const windows[] = {
        &editor.window, &editor.window.picker(), &newMap, &resizeMap, &preview, &credits, &help};
    QStringList clipped;
    for (QWidget *window : windows) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QStringList cut = clippedCaptions(*window);
        for (const QString &caption : cut)
            clipped << QLatin1String(window->metaObject()->className()) + QStringLiteral(": ") +
                           caption;
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestCaptionFit)
#include "tst_captionfit.moc"
