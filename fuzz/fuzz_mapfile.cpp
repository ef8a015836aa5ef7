// SPDX-License-Identifier: MIT
// Any bytes load as a map that stays inside the grid and saves back as the
// file's first 32,772 bytes, padded with zeros.
#include "core/state/EditorState.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapLoading.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static EditorState state;
    const QByteArrayView file(data, static_cast<qsizetype>(size));

    MapFile::applyLoadedMap(state, MapFile::decode(file));

    if (state.mapWidth < 1 || state.mapWidth > Tiles::GridColumns || state.mapHeight < 1 ||
        state.mapHeight > Tiles::GridRows || state.mapCanvas.size().isEmpty())
        std::abort();
    const QByteArray saved = MapFile::encode(state);
    const qsizetype kept = std::min<qsizetype>(file.size(), MapFile::FileSize);
    if (saved.size() != MapFile::FileSize ||
        QByteArrayView(saved).first(kept) != file.first(kept) ||
        std::any_of(saved.begin() + kept, saved.end(), [](char byte) { return byte != 0; }))
        std::abort();
    return 0;
}
