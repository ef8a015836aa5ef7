// SPDX-License-Identifier: MIT
#pragma once

#include "core/PictureBand.h"
#include "core/ScaledPicture.h"

#include <QImage>
#include <QSize>

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

// The whole picture at a zoom percentage. At full size it is the canvas's own
// image, shared rather than copied. A null image when there is not enough
// memory for it.
QImage picture(const EditorState &state, float percent = FullSize);

// The same picture band by band, so that a writer never needs it whole. The
// state's canvas must outlive the bands.
PictureBand bands(const EditorState &state, float percent = FullSize);

} // namespace MapPicture
