// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

#include <optional>

// The preview window's geometry. The window is designed in twips, so its
// arithmetic is done in twips, with single-precision floats where the window
// keeps geometry, and turned into whole pixels only where a widget is placed.
namespace PreviewLayout {

// The black border around the document inside the holder, on every side.
inline constexpr float Margin = 240.0f;
inline constexpr float BothMargins = 2 * Margin;

// One scroll unit is a hundredth of an inch; the arrow step is 14 units.
inline constexpr double ScrollUnit = 14.4;
inline constexpr int ScrollMin = 0;
inline constexpr int SmallChange = 14;

// The two fit modes among the zoom values; every other value is a percentage.
inline constexpr float FullPage = 0.0f;
inline constexpr float FullWidth = -1.0f;

// The scroll area starts below the control strip: at the strip's height when
// the window loads, at a slightly larger top on every resize.
inline constexpr float ControlStripHeight = 495.0f;
inline constexpr float ResizedScrollTop = 500.0f;
// A window this low or lower keeps its layout when resized.
inline constexpr float MinimumResizeHeight = 600.0f;

struct Input
{
    // The buffer, that is the canvas picture, in twips (W and H).
    float bufferWidth = 0;
    float bufferHeight = 0;
    // The inner size of the scroll area, bars included.
    float scrollWidth = 0;
    float scrollHeight = 0;
    // The thickness of the horizontal bar (its height) and the vertical one.
    float hBarHeight = 0;
    float vBarWidth = 0;
    // A percentage in (0, 200], FullPage or FullWidth.
    float zoom = 100;

    // The same, measured from widgets in pixels.
    static Input fromPixels(QSize buffer, QSize scrollArea, int hBarHeight, int vBarWidth,
                            float zoom);
};

// A scroll bar as a layout pass leaves it: Min 0, SmallChange 14, Value 0.
struct Bar
{
    bool visible = false;
    // Along the bar: the viewport's height (vertical) or width (horizontal),
    // in pixels. Set whether or not the bar is shown.
    int length = 1;
    // Max as computed. It can be 0 or less when a bar stays although the
    // re-fitted page fits; a bar with such a range cannot move.
    int max = 0;
    int largeChange = 1;
};

struct Result
{
    // In twips, as computed.
    float scale = 1;
    float viewportWidth = 0;
    float viewportHeight = 0;
    float documentWidth = 0;
    float documentHeight = 0;

    // In pixels, as the widgets take them: the viewport (at 0, 0 in the scroll
    // area), the holder (at 0, 0 in the viewport) and the document inside the
    // holder. None is smaller than 1 pixel.
    QSize viewport;
    QSize holder;
    QRect document;

    Bar vertical;
    Bar horizontal;
};

// The layout pass: the scale, the viewport left free by the bars that the
// document needs, the document and holder sizes and the scroll ranges.
Result layout(const Input &input);

// Where the holder's left (or top) edge goes for a scroll value: -14.4 twips a
// unit, stored as a single.
float holderOffset(int scrollValue);
int holderOffsetPixels(int scrollValue);

// The scroll area's place when the window loads (below the strip, filling
// the rest of the window), in pixels, for the window's inner size in pixels.
QRect scrollAreaOnLoad(QSize windowInner);

// The scroll area's place after the window's size changed, or nothing when a
// minimized or very low window keeps its layout.
std::optional<QRect> scrollAreaOnResize(QSize windowInner, bool minimized);

// A double-precision value taken to the nearest 16-bit integer, halves to the
// even neighbour; values beyond the 16-bit range stop at its ends.
int toScrollInteger(double value);

} // namespace PreviewLayout
