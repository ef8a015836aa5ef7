// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>
#include <QSize>

// The application's style, giving windows that are built anew each time they
// open, such as the file dialog, the same icon objects every time.
//
// Qt caches each painted, scaled copy of an icon under a text key made from
// the icon's own picture, and keeps that key after the copy has gone until
// the same key is looked up again, which a new icon's key never is. A window
// whose standard icons, and a header icon its model makes at each paint, were
// new every time would leave a little memory behind at every opening.
class LastingIconStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

private:
    QIcon blankIcon(QSize size) const;

    mutable QHash<int, QIcon> m_icons;
    mutable QHash<QSize, QIcon> m_blankIcons;
};
