// SPDX-License-Identifier: MIT
#include "host/LastingIconStyle.h"

#include "host/DeferredIcon.h"

#include <QPixmap>
#include <QPointer>
#include <QStyleOptionHeader>

QIcon LastingIconStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                     const QWidget *widget) const
{
    // Icons asked for with a style option may depend on it: those are made
    // each time.
    if (option != nullptr)
        return QProxyStyle::standardIcon(icon, option, widget);
    const auto found = m_icons.constFind(icon);
    if (found != m_icons.constEnd())
        return *found;
    // Made when first shown: a window built at start may hold icons it
    // seldom or never shows.
    const QPointer<QStyle> base(baseStyle());
    return *m_icons.insert(icon, deferredIcon([base, icon] {
        return base ? base->standardIcon(icon) : QIcon();
    }));
}

QIcon LastingIconStyle::blankIcon(QSize size) const
{
    const auto found = m_blankIcons.constFind(size);
    if (found != m_blankIcons.constEnd())
        return *found;
    QPixmap blank(size);
    blank.fill(Qt::transparent);
    return *m_blankIcons.insert(size, QIcon(blank));
}

void LastingIconStyle::drawControl(ControlElement element, const QStyleOption *option,
                                   QPainter *painter, const QWidget *widget) const
{
    // The file list's header carries an icon that its model makes afresh at
    // each paint: a transparent picture one pixel high that only keeps the
    // name column's label in line with the names. One lasting transparent
    // icon of the same size keeps it there. It is told by its size alone:
    // asking the icon for its picture would itself leave a key behind.
    const auto *header = qstyleoption_cast<const QStyleOptionHeader *>(option);
    if (element == CE_HeaderLabel && header != nullptr) {
        const QList<QSize> sizes = header->icon.availableSizes();
        if (sizes.size() == 1 && sizes.constFirst().height() == 1) {
            QStyleOptionHeader lasting = *header;
            lasting.icon = blankIcon(sizes.constFirst());
            QProxyStyle::drawControl(element, &lasting, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}
