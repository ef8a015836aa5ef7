// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

// A rectangle outline laid over another widget; the pointer passes through it.
class OutlineShape : public QWidget
{
public:
    OutlineShape(QSize size, QColor colour, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};
