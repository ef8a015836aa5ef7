// SPDX-License-Identifier: MIT
#include "core/preview/MapPicture.h"

#include "core/files/BitmapExport.h"
#include "core/state/EditorState.h"
#include "core/preview/PreviewLayout.h"

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

PictureBand bands(const EditorState &state, float percent, QImage::Format format)
{
    const Surface &canvas = state.mapCanvas;
    if (scaledSize(canvas.size(), percent) == canvas.size())
        return
            [&canvas, format](int first, int count) { return canvas.rows(first, count, format); };
    return [picture = scaled(state, percent)](int first, int count) {
        return picture.render(QRect(0, first, picture.size().width(), count));
    };
}

FileResult writeBitmap(const EditorState &state, const QString &fileName, float percent)
{
    // Bands in the file's own pixel layout need no conversion.
    return writeBitmapFile(scaledSize(state.mapCanvas.size(), percent),
                           bands(state, percent, QImage::Format_BGR888), fileName);
}

} // namespace MapPicture
