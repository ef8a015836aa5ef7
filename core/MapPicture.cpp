// SPDX-License-Identifier: MIT
#include "core/MapPicture.h"

#include "core/EditorState.h"
#include "core/PreviewLayout.h"

namespace MapPicture {

QSize scaledSize(QSize canvas, float percent)
{
    // A percentage zoom does not depend on the viewport, so any viewport
    // gives the document size the preview would show.
    const auto input = PreviewLayout::Input::fromPixels(canvas, canvas, 0, 0, percent);
    return PreviewLayout::layout(input).document.size();
}

ScaledPicture scaled(const EditorState &state, float percent)
{
    const QImage &canvas = state.mapCanvas.image();
    return ScaledPicture(canvas, scaledSize(canvas.size(), percent));
}

QImage picture(const EditorState &state, float percent)
{
    const QImage &canvas = state.mapCanvas.image();
    if (scaledSize(canvas.size(), percent) == canvas.size())
        return canvas;
    return scaled(state, percent).whole();
}

PictureBand bands(const EditorState &state, float percent)
{
    const QImage &canvas = state.mapCanvas.image();
    if (scaledSize(canvas.size(), percent) == canvas.size())
        return bandsOf(canvas);
    return [picture = scaled(state, percent)](int first, int count) {
        return picture.render(QRect(0, first, picture.size().width(), count));
    };
}

} // namespace MapPicture
