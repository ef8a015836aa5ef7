// SPDX-License-Identifier: MIT
#pragma once

#include "core/history/EditHistory.h"
#include "core/render/Surface.h"
#include "core/render/TileGeometry.h"
#include "core/state/Stamp.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

// The map the editor starts with: 255 x 127 tiles, in a file whose header
// bytes are FE 4F.
namespace StartUp {
inline constexpr std::int16_t MapWidth = 255;
inline constexpr std::int16_t MapHeight = 127;
inline constexpr std::uint8_t MapWidthByte = 255;
inline constexpr std::uint8_t MapHeightByte = 127;
inline constexpr std::uint8_t HeaderByte1 = 0xFE;
inline constexpr std::uint8_t HeaderByte2 = 0x4F;
} // namespace StartUp

// The state that every window of the editor shares: the map grid, its size,
// the four bytes a map file carries, the tile selection, and the three
// surfaces tiles are drawn on. Texts that windows show (the status panels and the
// picker's caption) live here too, so routines can write them without knowing
// which widget displays them.
class EditorState : public QObject
{
    Q_OBJECT

public:
    enum StatusPanel { MapPanel = 1, SizePanel = 2, CursorPanel = 3 };

    explicit EditorState(QObject *parent = nullptr);

    // The whole 256 x 128 grid, column varying fastest: cell (c, r) is byte
    // r * 256 + c, the order of the map file.
    std::array<std::uint8_t, Tiles::GridCells> tileMap{};

    std::int16_t mapWidth = StartUp::MapWidth;
    std::int16_t mapHeight = StartUp::MapHeight;
    std::uint8_t mapWidthByte = StartUp::MapWidthByte;
    std::uint8_t mapHeightByte = StartUp::MapHeightByte;
    std::uint8_t headerByte1 = StartUp::HeaderByte1;
    std::uint8_t headerByte2 = StartUp::HeaderByte2;

    std::int16_t selectedTile = 0;
    std::int16_t selectedTileX = 0;
    std::int16_t selectedTileY = 0;

    // The map canvas, the tile sheet and the selected-tile preview (the brush).
    // Only the edit functions listed in core/MapCommands.h change the map.
    Surface mapCanvas;
    Surface tileSheet;
    Surface brushPreview;

    // Every change the edit functions make, as steps to undo and redo.
    EditHistory history;

    std::uint8_t &cell(int column, int row) { return tileMap[row * Tiles::GridColumns + column]; }
    std::uint8_t cell(int column, int row) const
    {
        return tileMap[row * Tiles::GridColumns + column];
    }

    // What painting puts down: the stamp in use, or else the selected tile
    // as a 1 x 1 stamp.
    Stamp brush() const;
    bool hasStamp() const { return !m_stamp.isEmpty(); }
    // A stamp of more than one cell becomes the brush; a 1 x 1 or empty
    // stamp leaves the selected tile as the brush. The caller keeps
    // selectedTile and the preview (TilePicking::pickStamp does both).
    void setStamp(Stamp stamp);
    void dropStamp() { m_stamp = Stamp(); }

    QString statusText(int panel) const;
    void setStatusText(int panel, const QString &text);

    QString pickerCaption() const { return m_pickerCaption; }
    void setPickerCaption(const QString &caption);

Q_SIGNALS:
    void statusTextChanged(int panel, const QString &text);
    void pickerCaptionChanged(const QString &caption);

private:
    Stamp m_stamp;
    std::array<QString, 3> m_statusTexts;
    QString m_pickerCaption;
};
