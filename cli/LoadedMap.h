// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"
#include "cli/MapCells.h"
#include "core/state/EditorState.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// A map file put in use on an editor state of its own, exactly as the
// editor's Load Map puts it in use: the same file reading, the same size
// rules and the same full redraw of the canvas from the tile sheet. Each
// command works on one of these, so what it reports, renders or exports is
// what the editor would show.
class LoadedMap
{
public:
    // Reads the map file (or standard input) and draws it with sheet. A
    // file of any size but 32,772 bytes is refused unless lenient asks for
    // the editor's reading. On failure nothing is set.
    Outcome<> load(const QString &path, const QImage &sheet, bool lenient);

    // The file's bytes (at most the 32,772 a map file has) and its size.
    const QByteArray &bytes() const { return m_bytes; }
    qint64 fileSize() const { return m_fileSize; }
    const EditorState &state() const { return m_state; }
    // For a command that changes the loaded map before writing it.
    EditorState &editableState() { return m_state; }

    // The size the editor takes from the file's width and height bytes.
    int width() const;
    int height() const;
    QSize canvasSize() const;

    // The map's own cells, width x height.
    MapCells cells() const;

    // The map file that holds cells as the map, with the header bytes FE 4F
    // and the cells outside it 0.
    static QByteArray fileFor(const MapCells &cells);

private:
    EditorState m_state;
    QByteArray m_bytes;
    qint64 m_fileSize = 0;
};
