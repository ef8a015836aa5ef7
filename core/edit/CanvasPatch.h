// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

class BlockPool;
class EditorState;

// What the canvas shows beyond a redraw from the grid and the tile sheet:
// cells painted with a brush from an earlier sheet, or left from before a
// resize. A whole-map step keeps this instead of the canvas picture, so a
// canvas that matches its grid costs nothing and one with stale cells costs
// one shared picture per distinct block.
class CanvasPatch
{
public:
    // Compares every block of the canvas with what a redraw would put there.
    static CanvasPatch capture(const EditorState &state, BlockPool &pool);

    // Puts the captured blocks back over a redraw of the same grid and sheet.
    void apply(EditorState &state) const;

    bool isEmpty() const { return m_pictures.isEmpty(); }

private:
    // One 32-bit number per block of the canvas, row by row, compressed:
    // 0 where a redraw draws it, otherwise 1 + its index in m_pictures.
    QByteArray m_blocks;
    int m_columns = 0;
    QList<QImage> m_pictures;
};
