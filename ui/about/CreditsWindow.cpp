// SPDX-License-Identifier: MIT
#include "ui/about/CreditsWindow.h"

#include "core/preview/Twips.h"
#include "host/EmptyTitle.h"
#include "host/Fonts.h"
#include "resources/BuiltInArt.h"
#include "ui/about/CreditsConstants.h"
#include "ui/about/PacedTimer.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace Scroll = CreditsScroll;
namespace Layout = CreditsLayout;
using Twips::toPixels;

namespace {

const QColor Yellow(255, 255, 0);

// A label sized to its caption on one line, as an auto-sized label is: wide
// enough for the advance and for the ink, which may overhang it by a pixel.
void sizeToCaption(QLabel &label)
{
    const QFontMetrics metrics(label.font());
    const int width = std::max(metrics.horizontalAdvance(label.text()),
                               metrics.boundingRect(label.text()).width() + 1);
    label.resize(width, metrics.height());
}

// Just below the visible part of the scroll area, out of sight.
void moveBelowArea(QLabel &label)
{
    const int top = Scroll::restingTop(Scroll::AreaHeight, Twips::fromPixels(label.height()));
    label.move(label.x(), toPixels(top));
}

// Centred in the scroll area by its own width.
void centreInArea(QLabel &label)
{
    const double left = Scroll::centredLeft(Scroll::AreaWidth, Twips::fromPixels(label.width()));
    label.move(toPixels(left), label.y());
}

QImage builtInBackdrop()
{
    return builtInPicture(CreditsTexts::BackdropResource);
}

void makeYellow(QLabel &label)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, Yellow);
    label.setPalette(palette);
}

} // namespace

namespace CreditsParts {

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

} // namespace CreditsParts

CreditsWindow::CreditsWindow(QWidget &canvas, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_canvas(canvas), m_backdrop(builtInBackdrop())
{
    setObjectName(QStringLiteral("creditsWindow"));
    setWindowTitle(QString());
    EmptyTitle::keep(*this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(toPixels(Layout::ClientSize.width()), toPixels(Layout::ClientSize.height()));

    // The backdrop at the area's own top-left corner continues the window's.
    m_scrollArea = new CreditsParts::ClickLabel(this);
    m_scrollArea->setObjectName(QStringLiteral("scrollArea"));
    m_scrollArea->setGeometry(toPixels(QRect(0, 0, Scroll::AreaWidth, Scroll::AreaHeight)));
    m_scrollArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scrollArea->setPixmap(QPixmap::fromImage(m_backdrop));
    connect(m_scrollArea, &CreditsParts::ClickLabel::clicked, this,
            &CreditsWindow::onScrollAreaClicked);

    // Slot 1 as designed; the others are made as copies of it at set-up.
    auto *slot1 = new CreditsParts::ClickLabel(m_scrollArea);
    slot1->setFont(Fonts::font(Fonts::Arial, Layout::FontPoints, true));
    slot1->setAlignment(Qt::AlignCenter);
    makeYellow(*slot1);
    m_lines[0] = slot1;

    m_closeLabel = new CreditsParts::ClickLabel(CreditsTexts::ClickToClose, this);
    m_closeLabel->setObjectName(QStringLiteral("closeLabel"));
    m_closeLabel->setGeometry(toPixels(Layout::ClickToClose));
    m_closeLabel->setAlignment(Qt::AlignCenter);
    m_closeLabel->setFont(Fonts::font(Fonts::MsSansSerif, Layout::ClickToClosePoints));
    makeYellow(*m_closeLabel);
    connect(m_closeLabel, &CreditsParts::ClickLabel::clicked, this,
            &CreditsWindow::onCloseLabelClicked);

    m_scrollTimer = new PacedTimer(Scroll::TicksPerSecond, this);
    m_scrollTimer->setObjectName(QStringLiteral("scrollTimer"));
    connect(m_scrollTimer, &PacedTimer::timeout, this, &CreditsWindow::onScrollTick);

    placeLines();
    m_scrollTimer->start();
}

void CreditsWindow::placeLines()
{
    for (int slot = 1; slot <= Scroll::SlotCount; ++slot) {
        CreditsParts::ClickLabel *&label = m_lines[slot - 1];
        if (!label) {
            label = new CreditsParts::ClickLabel(m_scrollArea);
            label->setFont(m_lines[0]->font());
            label->setPalette(m_lines[0]->palette());
        }
        label->setObjectName(QStringLiteral("creditLine"));
        label->setProperty("Index", slot);
        connect(label, &CreditsParts::ClickLabel::clicked, this,
                &CreditsWindow::onCreditLineClicked, Qt::UniqueConnection);
        label->show();
        label->setAlignment(Qt::AlignCenter);
        makeYellow(*label);
        sizeToCaption(*label);
        moveBelowArea(*label);
    }
    for (int slot = 1; slot <= Scroll::SlotCount; ++slot) {
        m_lines[slot - 1]->setText(Scroll::Lines[slot - 1]);
        sizeToCaption(*m_lines[slot - 1]);
    }
    for (CreditsParts::ClickLabel *label : m_lines)
        centreInArea(*label);
}

void CreditsWindow::onScrollTick()
{
    const Scroll::Tick tick = Scroll::step(m_scrollOffset, Scroll::AreaHeight);
    for (int slot = 1; slot <= Scroll::SlotCount; ++slot) {
        QLabel *label = m_lines[slot - 1];
        label->move(label->x(), toPixels(tick.tops[slot - 1]));
    }
    if (tick.wrapped) {
        for (int slot = 1; slot <= Scroll::SlotCount; ++slot)
            placeAtRest(slot);
    }
    m_scrollOffset = tick.offset;
    Q_EMIT scrolled(m_scrollOffset);
}

void CreditsWindow::placeAtRest(int slot)
{
    QLabel &label = *m_lines[slot - 1];
    moveBelowArea(label);
    QFont font = label.font();
    font.setPointSize(Layout::FontPoints);
    label.setFont(font);
    sizeToCaption(label);
    centreInArea(label);
}

void CreditsWindow::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    onWindowPressed();
}

void CreditsWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, m_backdrop);
}

void CreditsWindow::done(int result)
{
    m_scrollTimer->stop();
    QDialog::done(result);
}

void CreditsWindow::onWindowPressed()
{
    unload();
}

void CreditsWindow::onScrollAreaClicked()
{
    unload();
}

void CreditsWindow::onCreditLineClicked()
{
    unload();
}

void CreditsWindow::onCloseLabelClicked()
{
    unload();
    // Puts the canvas back on screen at once, whatever the window covered.
    m_canvas.repaint();
}

void CreditsWindow::unload()
{
    accept();
}
