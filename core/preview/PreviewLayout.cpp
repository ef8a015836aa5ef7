// SPDX-License-Identifier: MIT
#include "core/preview/PreviewLayout.h"

#include "core/preview/Twips.h"

#include <algorithm>
#include <cmath>

namespace PreviewLayout {

namespace {

constexpr double SmallestScrollInteger = -32768.0;
constexpr double LargestScrollInteger = 32767.0;
constexpr float OnePixel = Twips::PerPixel;

using Twips::toPixels;

float toTwips(int pixels)
{
    return static_cast<float>(Twips::fromPixels(pixels));
}

// A fit mode's scale. A viewport no larger than the margins would give a
// scale of 0 or less; the page then keeps at least one pixel.
float fitScale(float viewport, float picture)
{
    if (picture <= 0)
        return 1.0f;
    return std::max(viewport - BothMargins, OnePixel) / picture;
}

float scaleFor(const Input &input, float vw, float vh)
{
    if (input.zoom == FullPage)
        return fitScale(vh, input.bufferHeight);
    if (input.zoom == FullWidth)
        return fitScale(vw, input.bufferWidth);
    return input.zoom / 100.0f;
}

int atLeastOnePixel(float twips)
{
    return std::max(1, toPixels(twips));
}

// The scroll settings for a holder that is holderPixels long on the bar's
// axis in a viewport viewportPixels long, both as the widgets measure them.
Bar scrollBar(int holderPixels, int viewportPixels)
{
    const float holder = toTwips(holderPixels);
    const float viewport = toTwips(viewportPixels);
    Bar bar;
    bar.visible = true;
    bar.length = viewportPixels;
    bar.max = toScrollInteger(static_cast<double>(holder - viewport) / ScrollUnit + 1.0);
    bar.largeChange = std::max(1, toScrollInteger(static_cast<double>(viewport) / ScrollUnit));
    return bar;
}

} // namespace

Input Input::fromPixels(QSize buffer, QSize scrollArea, int hBarHeight, int vBarWidth, float zoom)
{
    Input input;
    input.bufferWidth = toTwips(buffer.width());
    input.bufferHeight = toTwips(buffer.height());
    input.scrollWidth = toTwips(scrollArea.width());
    input.scrollHeight = toTwips(scrollArea.height());
    input.hBarHeight = toTwips(hBarHeight);
    input.vBarWidth = toTwips(vBarWidth);
    input.zoom = zoom;
    return input;
}

Result layout(const Input &input)
{
    float vw = input.scrollWidth;
    float vh = input.scrollHeight;
    bool horizontalBar = false;
    bool verticalBar = false;
    float s = 1;
    float dw = 0;
    float dh = 0;

    // Bars are only ever added, so this ends after at most three rounds. The
    // fit modes take their scale from the viewport as the bars have left it.
    for (;;) {
        const bool hadHorizontal = horizontalBar;
        const bool hadVertical = verticalBar;
        s = scaleFor(input, vw, vh);
        dw = input.bufferWidth * s;
        dh = input.bufferHeight * s;
        if (!horizontalBar && dw > vw) {
            vh = vh - input.hBarHeight;
            horizontalBar = true;
        }
        if (!verticalBar && dh > vh) {
            vw = vw - input.vBarWidth;
            verticalBar = true;
        }
        if (horizontalBar == hadHorizontal && verticalBar == hadVertical)
            break;
    }

    Result result;
    result.scale = s;
    result.viewportWidth = vw;
    result.viewportHeight = vh;
    result.documentWidth = dw;
    result.documentHeight = dh;

    // A viewport smaller than the bars, or a page scaled below a pixel, still
    // gets a surface of one pixel.
    result.viewport = QSize(atLeastOnePixel(vw), atLeastOnePixel(vh));
    const int margin = toPixels(Margin);
    const QSize document(atLeastOnePixel(dw), atLeastOnePixel(dh));
    result.document = QRect(QPoint(margin, margin), document);
    result.holder = document + QSize(2 * margin, 2 * margin);

    if (verticalBar)
        result.vertical = scrollBar(result.holder.height(), result.viewport.height());
    if (horizontalBar)
        result.horizontal = scrollBar(result.holder.width(), result.viewport.width());
    result.vertical.length = result.viewport.height();
    result.horizontal.length = result.viewport.width();
    return result;
}

float holderOffset(int scrollValue)
{
    return static_cast<float>(-(scrollValue * ScrollUnit));
}

int holderOffsetPixels(int scrollValue)
{
    return toPixels(holderOffset(scrollValue));
}

QRect scrollAreaOnLoad(QSize windowInner)
{
    const float height = toTwips(windowInner.height()) - ControlStripHeight;
    return QRect(0, toPixels(ControlStripHeight), windowInner.width(),
                 std::max(0, toPixels(height)));
}

std::optional<QRect> scrollAreaOnResize(QSize windowInner, bool minimized)
{
    const float height = toTwips(windowInner.height());
    if (minimized || height <= MinimumResizeHeight)
        return std::nullopt;
    return QRect(0, toPixels(ResizedScrollTop), windowInner.width(),
                 toPixels(height - ResizedScrollTop));
}

int toScrollInteger(double value)
{
    // nearbyint rounds in the default mode, to nearest with halves to even.
    return static_cast<int>(
        std::nearbyint(std::clamp(value, SmallestScrollInteger, LargestScrollInteger)));
}

} // namespace PreviewLayout
