// SPDX-License-Identifier: MIT
#include "mapfile/MapRecovery.h"

#include "core/edit/TilePicking.h"
#include "core/edit/TileSetFile.h"
#include "core/state/EditorState.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapLoading.h"

namespace MapRecovery {

RecoveryCopy::Contents capture(const EditorState &state, const QImage &startSheet)
{
    RecoveryCopy::Contents contents;
    contents.mapFile = MapFile::encode(state);
    if (state.tileSheet.image() != startSheet)
        contents.tileSheet = state.tileSheet.image();
    contents.mapText = state.statusText(EditorState::MapPanel);
    contents.pickerCaption = state.pickerCaption();
    contents.mapSize = QSize(state.mapWidth, state.mapHeight);
    contents.cursorText = state.statusText(EditorState::CursorPanel);
    contents.selectedTile = state.selectedTile;
    return contents;
}

void restore(EditorState &state, const RecoveryCopy::Contents &contents)
{
    if (!contents.tileSheet.isNull())
        TileSetFile::useTileSheet(state, contents.tileSheet, QString());
    const MapFile::Contents map = MapFile::decode(contents.mapFile);
    // A copy from before the size was kept: the bytes as Load Map reads them.
    if (contents.mapSize)
        MapFile::applyRecoveredMap(state, map, *contents.mapSize);
    else
        MapFile::applyLoadedMap(state, map);
    state.setStatusText(EditorState::MapPanel, contents.mapText);
    if (contents.cursorText)
        state.setStatusText(EditorState::CursorPanel, *contents.cursorText);
    state.setPickerCaption(contents.pickerCaption);
    if (contents.selectedTile)
        TilePicking::pickTile(state, {*contents.selectedTile % Tiles::SheetColumns,
                                      *contents.selectedTile / Tiles::SheetColumns});
}

} // namespace MapRecovery
