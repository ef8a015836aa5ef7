// SPDX-License-Identifier: MIT
#pragma once

#include "core/state/EditorState.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

// What the size dialogs and the whole-map commands may change, captured to
// show that a way out left all of it as it was.
struct MapSnapshot
{
    std::array<std::uint8_t, Tiles::GridCells> grid;
    int width;
    int height;
    int widthByte;
    int heightByte;
    QImage canvas;
    QString mapPanel;
    QString sizePanel;

    explicit MapSnapshot(const EditorState &state)
        : grid(state.tileMap), width(state.mapWidth), height(state.mapHeight),
          widthByte(state.mapWidthByte), heightByte(state.mapHeightByte),
          canvas(state.mapCanvas.image().copy()), mapPanel(state.statusText(EditorState::MapPanel)),
          sizePanel(state.statusText(EditorState::SizePanel))
    {
    }

    friend bool operator==(const MapSnapshot &, const MapSnapshot &) = default;
};
