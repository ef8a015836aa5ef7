// SPDX-License-Identifier: MIT
#include "ui/preview/PreviewDocument.h"

#include <QPaintEvent>
#include <QPainter>

PreviewDocument::PreviewDocument(QWidget *parent) : QWidget(parent)
{
    // Every pixel is painted from the picture; no background goes first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewDocument::setPicture(const ScaledPicture &picture)
{
    m_picture = picture;
    resize(m_picture.size());
    update();
}

void PreviewDocument::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (const QRect &exposed : event->region())
        painter.drawImage(exposed.topLeft(), m_picture.render(exposed));
}
