// SPDX-License-Identifier: MIT
#include "host/LastingIconStyle.h"

#include <QPixmap>
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
    return *m_icons.insert(icon, QProxyStyle::standardIcon(icon, option, widget));
}

QImage LastingIconStyle::blankImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QIcon LastingIconStyle::blankIcon(QSize size) const
{
    const auto found = m_blankIcons.constFind(size);
    if (found != m_blankIcons.constEnd())
        return *found;
    return *m_blankIcons.insert(size, QIcon(QPixmap::fromImage(blankImage(size))));
}

void LastingIconStyle::drawControl(ControlElement element, const QStyleOption *option,
                                   QPainter *painter, const QWidget *widget) const
{
    // The file list's header carries an icon that its model makes afresh at
    // each paint: a transparent picture that only keeps the name column's
    // label in line with the names. One lasting transparent icon of the same
    // size keeps it there.
    const auto *header = qstyleoption_cast<const QStyleOptionHeader *>(option);
    if (element == CE_HeaderLabel && header != nullptr && !header->icon.isNull()) {
        const QList<QSize> sizes = header->icon.availableSizes();
        if (sizes.size() == 1 &&
            header->icon.pixmap(sizes.constFirst()).toImage() == blankImage(sizes.constFirst())) {
            QStyleOptionHeader lasting = *header;
            lasting.icon = blankIcon(sizes.constFirst());
            QProxyStyle::drawControl(element, &lasting, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}
