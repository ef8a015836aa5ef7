// SPDX-License-Identifier: MIT
#include "core/state/WindowPlacement.h"

#include <algorithm>

namespace WindowPlacement {

namespace {

// The coordinate that keeps a span of length inside [low, low + room).
int within(int wanted, int length, int low, int room)
{
    return std::max(low, std::min(wanted, low + room - length));
}

} // namespace

PickerPlace pickerBelow(const QRect &mainFrame, QSize pickerFrame, const QRect &available)
{
    const int screenEnd = available.top() + available.height();
    const int left =
        within(mainFrame.left(), pickerFrame.width(), available.left(), available.width());
    if (mainFrame.height() + pickerFrame.height() > available.height())
        return {mainFrame.topLeft(), QPoint(left, screenEnd - pickerFrame.height())};
    const int mainTop = within(mainFrame.top(), mainFrame.height() + pickerFrame.height(),
                               available.top(), available.height());
    return {QPoint(mainFrame.left(), mainTop), QPoint(left, mainTop + mainFrame.height())};
}

QPoint beside(const QRect &mainFrame, QSize frame, const QRect &available)
{
    const int top = within(mainFrame.top(), frame.height(), available.top(), available.height());
    const int screenEnd = available.left() + available.width();
    if (mainFrame.right() + 1 + frame.width() <= screenEnd)
        return {mainFrame.right() + 1, top};
    if (mainFrame.left() - frame.width() >= available.left())
        return {mainFrame.left() - frame.width(), top};
    const QPoint centred = mainFrame.center() - QPoint(frame.width() / 2, frame.height() / 2);
    return {within(centred.x(), frame.width(), available.left(), available.width()),
            within(centred.y(), frame.height(), available.top(), available.height())};
}

} // namespace WindowPlacement
