// SPDX-License-Identifier: MIT
#pragma once

#include "core/preview/CreditsScroll.h"

#include <QDialog>
#include <QImage>
#include <QLabel>

#include <array>

class PacedTimer;

namespace CreditsParts {

// A label that reports a click of the left button (press and release on it).
// It takes every press, so presses on it never reach the window behind. The
// credit lines, "Click To Close" and the scroll area, a label that shows the
// backdrop, are all such labels.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace CreditsParts

// The credits window: the credit lines scroll up over a picture of a
// sample map, pass after pass, until the user clicks anywhere in the window.
// Every opening builds the window anew, so each starts from the bottom.
// Closing with "Click To Close" also refreshes the main window's canvas.
class CreditsWindow : public QDialog
{
    Q_OBJECT

public:
    CreditsWindow(QWidget &canvas, QWidget *parent = nullptr);

    // How far the lines have moved up in this pass; each tick reports the new
    // offset through scrolled().
    int scrollOffset() const { return m_scrollOffset; }
    void setScrollOffset(int offset) { m_scrollOffset = offset; }

Q_SIGNALS:
    void scrolled(int offset);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void done(int result) override;

private:
    void placeLines();
    void onScrollTick();
    void onWindowPressed();
    void onScrollAreaClicked();
    void onCreditLineClicked();
    void onCloseLabelClicked();

    void unload();
    void placeAtRest(int slot);

    QWidget &m_canvas;
    const QImage m_backdrop;

    CreditsParts::ClickLabel *m_scrollArea = nullptr;
    std::array<CreditsParts::ClickLabel *, CreditsScroll::SlotCount> m_lines{};
    // In twips.
    int m_scrollOffset = CreditsScroll::StartOffset;
    CreditsParts::ClickLabel *m_closeLabel = nullptr;
    PacedTimer *m_scrollTimer = nullptr;
};
