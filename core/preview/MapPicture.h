// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/FileResult.h"
#include "core/render/PictureBand.h"
#include "core/render/ScaledPicture.h"

#include <QSize>
#include <QString>

class EditorState;

// The picture of the map that exports write: the canvas as the last full
// redraw and painting left it, at full size or scaled the way the preview
// scales it. The editor's "Create Bitmap Image" and the command-line renderer
// both take their pictures from here, so the two cannot drift apart.
namespace MapPicture {

inline constexpr float FullSize = 100.0f;
inline constexpr float LargestZoom = 200.0f;

// The size the preview gives a canvas picture at a zoom percentage.
QSize scaledSize(QSize canvas, float percent);

// The canvas picture at a zoom percentage (0 < percent <= 200), to be made
// whole or in parts.
ScaledPicture scaled(const EditorState &state, float percent);

// The picture at a zoom percentage band by band, so that a writer never
// needs it whole: at full size, rows of the canvas the editor has not drawn
// yet are drawn for the writer alone, in the pixel format it asks for
// (RGB32 or BGR888); scaled bands are RGB32. The state's canvas must outlive
// the bands and stay unchanged while they are read.
PictureBand bands(const EditorState &state, float percent = FullSize,
                  QImage::Format format = QImage::Format_RGB32);

// Writes the picture at a zoom percentage as a Windows bitmap file.
FileResult writeBitmap(const EditorState &state, const QString &fileName, float percent = FullSize);

} // namespace MapPicture
