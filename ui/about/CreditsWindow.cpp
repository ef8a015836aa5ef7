// SPDX-License-Identifier: MIT
#include "ui/about/CreditsWindow.h"

#include "core/Twips.h"
#include "host/EmptyTitle.h"
#include "host/Fonts.h"
#include "resources/BuiltInArt.h"
#include "ui/about/AboutTexts.h"
#include "ui/about/CreditsLayout.h"
#include "ui/about/PacedTimer.h"

#include <QLineEdit>
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
    initBuiltInArt();
    return QImage(AboutTexts::CreditsBackdropResource);
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
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString());
    EmptyTitle::keep(*this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(toPixels(Layout::ClientSize.width()), toPixels(Layout::ClientSize.height()));

    // The backdrop at the area's own top-left corner continues the window's.
    Picture1 = new CreditsParts::ClickLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(toPixels(QRect(0, 0, Scroll::AreaWidth, Scroll::AreaHeight)));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(QPixmap::fromImage(m_backdrop));
    connect(Picture1, &CreditsParts::ClickLabel::clicked, this, &CreditsWindow::Picture1_Click);

    // Slot 1 as designed; the others are made as copies of it at set-up.
    auto *slot1 = new CreditsParts::ClickLabel(Picture1);
    slot1->setFont(Fonts::font(Fonts::Arial, Layout::FontPoints, true));
    slot1->setAlignment(Qt::AlignCenter);
    makeYellow(*slot1);
    Label1[0] = slot1;

    Text1 = new QLineEdit(Scroll::DesignOffsetText, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->hide();

    lblExit = new CreditsParts::ClickLabel(AboutTexts::ClickToClose, this);
    lblExit->setObjectName(QStringLiteral("lblExit"));
    lblExit->setGeometry(toPixels(Layout::ClickToClose));
    lblExit->setAlignment(Qt::AlignCenter);
    lblExit->setFont(Fonts::font(Fonts::MsSansSerif, Layout::ClickToClosePoints));
    makeYellow(*lblExit);
    connect(lblExit, &CreditsParts::ClickLabel::clicked, this, &CreditsWindow::lblExit_Click);

    Timer1 = new PacedTimer(Scroll::TicksPerSecond, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &PacedTimer::timeout, this, &CreditsWindow::Timer1_Timer);

    Form_Initialize();
    Timer1->start();
}

void CreditsWindow::Form_Initialize()
{
    for (int slot = 1; slot <= Scroll::SlotCount; ++slot) {
        CreditsParts::ClickLabel *&label = Label1[slot - 1];
        if (!label) {
            label = new CreditsParts::ClickLabel(Picture1);
            label->setFont(Label1[0]->font());
            label->setPalette(Label1[0]->palette());
        }
        label->setObjectName(QStringLiteral("Label1"));
        label->setProperty("Index", slot);
        connect(label, &CreditsParts::ClickLabel::clicked, this, &CreditsWindow::Label1_Click,
                Qt::UniqueConnection);
        label->show();
        label->setAlignment(Qt::AlignCenter);
        makeYellow(*label);
        sizeToCaption(*label);
        moveBelowArea(*label);
    }
    for (int slot = 1; slot <= Scroll::SlotCount; ++slot) {
        Label1[slot - 1]->setText(Scroll::Lines[slot - 1]);
        sizeToCaption(*Label1[slot - 1]);
    }
    for (CreditsParts::ClickLabel *label : Label1)
        centreInArea(*label);
}

void CreditsWindow::Timer1_Timer()
{
    const Scroll::Tick tick = Scroll::step(Text1->text(), Scroll::AreaHeight);
    for (int slot = 1; slot <= Scroll::SlotCount; ++slot) {
        QLabel *label = Label1[slot - 1];
        label->move(label->x(), toPixels(tick.tops[slot - 1]));
    }
    if (tick.wrapped) {
        for (int slot = 1; slot <= Scroll::SlotCount; ++slot)
            placeAtRest(slot);
    }
    Text1->setText(tick.offsetText);
}

void CreditsWindow::placeAtRest(int slot)
{
    QLabel &label = *Label1[slot - 1];
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
    Form_MouseDown();
}

void CreditsWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, m_backdrop);
}

void CreditsWindow::done(int result)
{
    Timer1->stop();
    QDialog::done(result);
}

void CreditsWindow::Form_MouseDown()
{
    unload();
}

void CreditsWindow::Picture1_Click()
{
    unload();
}

void CreditsWindow::Label1_Click()
{
    unload();
}

void CreditsWindow::lblExit_Click()
{
    unload();
    // Puts the canvas back on screen at once, whatever the window covered.
    m_canvas.repaint();
}

void CreditsWindow::unload()
{
    accept();
}
