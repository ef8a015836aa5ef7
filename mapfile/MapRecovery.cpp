// SPDX-License-Identifier: MIT
#include "mapfile/MapRecovery.h"

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
    return contents;
}

void restore(EditorState &state, const RecoveryCopy::Contents &contents)
{
    if (!contents.tileSheet.isNull())
        TileSetFile::useTileSheet(state, contents.tileSheet, QString());
    MapFile::applyLoadedMap(state, MapFile::decode(contents.mapFile));
    state.setStatusText(EditorState::MapPanel, contents.mapText);
    state.setPickerCaption(contents.pickerCaption);
}

} // namespace MapRecovery
