// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

// The credits window's scrolling lines, in twips as the window is laid out.
// The lines stand a fixed distance apart and move up together by one step a
// tick; the window keeps the scroll offset between ticks. When the last line has gone far enough
// above the scroll area, every line goes back below it and the pass starts again.
namespace CreditsScroll {

inline constexpr int SlotCount = 24;
inline constexpr int Step = 10;
// The window asks for a tick every millisecond; like a classic desktop
// timer, it gets 64 a second, so a pass of 1390 ticks takes about 22 s.
inline constexpr int TicksPerSecond = 64;
inline constexpr int LineSpacing = 400;
// A pass ends when the last line's top is strictly above this.
inline constexpr int WrapAbove = -200;

// The scroll area the lines move in.
inline constexpr int AreaWidth = 4515;
inline constexpr int AreaHeight = 4095;

// The offset when the window opens and after a wrap.
inline constexpr int StartOffset = 0;

inline const QString Programmer = QStringLiteral("Ilse Marwood");
inline const QString SecondArtist = QStringLiteral("Tobias Fenchurch");
inline const QString Tester = QStringLiteral("Rosa Kettleby");
inline const QString FurtherTester = QStringLiteral("Declan Ashworth-Pryce");

// The credit lines of slots 1 to 24 (index 0 is slot 1); empty lines keep
// their place in the spacing.
inline const std::array<QString, SlotCount> Lines = {
    QStringLiteral("Quorvane Labs"),
    QStringLiteral("Presents"),
    QStringLiteral("Tesselwick v1.0"),
    QString(),
    QStringLiteral("Programmed By"),
    Programmer,
    QString(),
    QStringLiteral("Graphics By"),
    Programmer,
    SecondArtist,
    QString(),
    QStringLiteral("Testing and Ideas"),
    Programmer,
    Tester,
    SecondArtist,
    FurtherTester,
    QString(),
    QStringLiteral("Check Our Website"),
    QStringLiteral("For Further Support"),
    QString(),
    QStringLiteral("Happy Mapping!"),
    QString(),
    QStringLiteral("March 13th 2010"),
    QString(),
};

// One scroll step.
struct Tick
{
    // The offset afterwards: advanced by one step, or StartOffset when the
    // step wrapped.
    int offset = StartOffset;
    // The tops the step gives slots 1 to 24 (index 0 is slot 1) before any
    // wrap: areaHeight - offset + LineSpacing x slot.
    std::array<int, SlotCount> tops{};
    // The last line went above WrapAbove: every line goes back to its
    // resting top below the area.
    bool wrapped = false;
};

Tick step(int offset, int areaHeight = AreaHeight);

// A line waiting just below the scroll area, out of sight: the area's height
// plus the line's own height.
constexpr int restingTop(int areaHeight, int lineHeight)
{
    return areaHeight + lineHeight;
}

// The left edge that centres a line of the given width in the area.
constexpr double centredLeft(int areaWidth, int lineWidth)
{
    return (areaWidth - lineWidth) / 2.0;
}

} // namespace CreditsScroll
