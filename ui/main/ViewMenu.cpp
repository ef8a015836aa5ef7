// SPDX-License-Identifier: MIT
#include "ui/main/ViewMenu.h"

#include "core/state/Scrolling.h"
#include "core/state/ViewZoom.h"
#include "ui/main/DrawingTexts.h"
#include "ui/main/MapCanvas.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>

#include <cstdlib>

namespace Texts = DrawingTexts;

namespace {

// One notch of an ordinary wheel.
constexpr int Notch = 120;

} // namespace

ViewMenu::ViewMenu(MapCanvas &canvas, QScrollBar &horizontal, QScrollBar &vertical,
                   QObject *parent)
    : QObject(parent), m_canvas(canvas), m_horizontal(horizontal), m_vertical(vertical)
{
    // Over the canvas, inside the viewport's clipping area.
    m_label = new QLabel(canvas.parentWidget());
    m_label->setObjectName(QStringLiteral("zoomLabel"));
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label->setStyleSheet(
        QStringLiteral("background: rgba(0, 0, 0, 160); color: white; padding: 2px 6px;"));
    m_label->hide();
    m_labelTimer = new QTimer(this);
    m_labelTimer->setObjectName(QStringLiteral("zoomLabelTimer"));
    m_labelTimer->setSingleShot(true);
    m_labelTimer->setInterval(LabelMilliseconds);
    connect(m_labelTimer, &QTimer::timeout, m_label, &QWidget::hide);

    connect(&canvas, &MapCanvas::wheelTurned, this, &ViewMenu::onWheel);
}

void ViewMenu::fillMenuBar(QMenuBar &bar)
{
    QMenu *view = bar.addMenu(Texts::ViewMenu);
    view->setObjectName(QStringLiteral("viewMenu"));
    view->menuAction()->setObjectName(QStringLiteral("viewMenu"));

    const auto item = [view](const char *name, const QString &caption,
                             const QList<QKeySequence> &keys) {
        QAction *action = view->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        return action;
    };
    connect(item("zoomInAction", Texts::ZoomIn,
                 {QKeySequence(Texts::ZoomInKeys), QKeySequence(Texts::ZoomInOtherKeys)}),
            &QAction::triggered, this, [this] { zoomTo(ViewZoom::zoomIn(m_canvas.zoom())); });
    connect(item("zoomOutAction", Texts::ZoomOut, {QKeySequence(Texts::ZoomOutKeys)}),
            &QAction::triggered, this, [this] { zoomTo(ViewZoom::zoomOut(m_canvas.zoom())); });
    connect(item("actualSizeAction", Texts::ActualSize, {QKeySequence(Texts::ActualSizeKeys)}),
            &QAction::triggered, this, [this] { zoomTo(ViewZoom::ActualSize); });

    QMenu *levels = view->addMenu(Texts::ZoomMenu);
    levels->setObjectName(QStringLiteral("zoomMenu"));
    levels->menuAction()->setObjectName(QStringLiteral("zoomMenu"));
    m_levels = new QActionGroup(levels);
    for (int percent : ViewZoom::Levels) {
        QAction *level = levels->addAction(Texts::ZoomLevelText.arg(percent));
        level->setObjectName(QStringLiteral("zoom%1Action").arg(percent));
        level->setCheckable(true);
        level->setChecked(percent == m_canvas.zoom());
        level->setData(percent);
        m_levels->addAction(level);
        connect(level, &QAction::triggered, this, [this, percent] { zoomTo(percent); });
    }

    view->addSeparator()->setObjectName(QStringLiteral("viewGridSeparator"));
    QAction *grid = item("showGridAction", Texts::ShowGrid, {QKeySequence(Texts::ShowGridKeys)});
    grid->setCheckable(true);
    grid->setChecked(m_canvas.gridShown());
    connect(grid, &QAction::toggled, &m_canvas, &MapCanvas::setGridShown);
}

void ViewMenu::zoomTo(int percent)
{
    // The map pixel at the view's top-left corner stays there: a scroll
    // value stands for the same map distance at every zoom.
    const QPointF topLeft(-Scrolling::canvasLeft(m_horizontal.value()),
                          -Scrolling::canvasTop(m_vertical.value()));
    zoomKeeping(percent, topLeft, QPointF(0, 0));
}

void ViewMenu::zoomKeeping(int percent, QPointF mapPosition, QPointF viewPosition)
{
    const QSize view = m_canvas.parentWidget()->size();
    const bool changed = percent != m_canvas.zoom();
    // The canvas takes the zoom before the bars move it.
    m_canvas.setZoom(percent);
    m_horizontal.setMaximum(ViewZoom::horizontalMax(percent, view.width()));
    m_vertical.setMaximum(ViewZoom::verticalMax(percent, view.height()));
    m_horizontal.setValue(ViewZoom::valueKeeping(mapPosition.x(), viewPosition.x(), percent,
                                                 Scrolling::HorizontalStep,
                                                 m_horizontal.maximum()));
    m_vertical.setValue(ViewZoom::valueKeeping(mapPosition.y(), viewPosition.y(), percent,
                                               Scrolling::VerticalStep, m_vertical.maximum()));
    m_canvas.move(ViewZoom::canvasLeft(m_horizontal.value(), percent),
                  ViewZoom::canvasTop(m_vertical.value(), percent));
    for (QAction *level : m_levels->actions())
        level->setChecked(level->data().toInt() == percent);
    if (changed) {
        showLevel(percent);
        Q_EMIT zoomChanged(percent);
    }
}

void ViewMenu::showLevel(int percent)
{
    m_label->setText(Texts::ZoomLevelText.arg(percent));
    m_label->adjustSize();
    m_label->move(8, 8);
    m_label->raise();
    m_label->show();
    m_labelTimer->start();
}

void ViewMenu::onWheel(QPoint angleDelta, Qt::KeyboardModifiers modifiers, QPointF canvasPosition)
{
    m_wheelRest += angleDelta;
    const QPoint notches(m_wheelRest.x() / Notch, m_wheelRest.y() / Notch);
    m_wheelRest -= notches * Notch;
    // Some systems turn Shift+wheel into a sideways turn themselves.
    const int turn = notches.y() != 0 ? notches.y() : notches.x();
    if (turn == 0)
        return;
    if (modifiers & Qt::ControlModifier) {
        int percent = m_canvas.zoom();
        for (int step = 0; step < std::abs(turn); ++step)
            percent = turn > 0 ? ViewZoom::zoomIn(percent) : ViewZoom::zoomOut(percent);
        if (percent != m_canvas.zoom())
            zoomKeeping(percent, ViewZoom::toMap(canvasPosition, m_canvas.zoom()),
                        canvasPosition + m_canvas.pos());
    } else if (modifiers & Qt::ShiftModifier) {
        m_horizontal.setValue(m_horizontal.value() - turn);
    } else {
        m_horizontal.setValue(m_horizontal.value() - notches.x());
        m_vertical.setValue(m_vertical.value() - notches.y());
    }
}
