// SPDX-License-Identifier: MIT
#pragma once

#include "core/render/ScaledPicture.h"

#include <QWidget>

// The preview's document surface: the canvas picture at the zoom of the last
// layout pass. It holds the scaled picture as one image that is made pixel by
// pixel where it is seen, so a repaint paints only the exposed part and
// scrolling makes no new picture; image() makes the whole of it, the same
// pixels the screen shows.
class PreviewDocument : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewDocument(QWidget *parent = nullptr);

    // Replaces the picture, takes its size and repaints.
    void setPicture(const ScaledPicture &picture);
    const ScaledPicture &picture() const { return m_picture; }

    // The whole document: null when there is not enough memory for it.
    QImage image() const { return m_picture.whole(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ScaledPicture m_picture;
};
