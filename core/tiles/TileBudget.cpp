// SPDX-License-Identifier: MIT
#include "core/tiles/TileBudget.h"

#include "core/edit/ReplaceTile.h"
#include "core/edit/WholeMapStep.h"
#include "core/history/EditHistory.h"
#include "core/history/PackedState.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/state/StatusTexts.h"
#include "core/tiles/PictureImport.h"

#include <QUndoCommand>

#include <algorithm>
#include <cstring>

using Tiles::TileSize;

namespace TileBudget {

namespace {

const QString PictureImported = QStringLiteral("Picture imported.");

template <typename Visit> void forEachMapCell(const EditorState &state, Visit visit)
{
    const QRect cells = mapCells(state);
    for (int row = 0; row < cells.height(); ++row)
        for (int column = 0; column < cells.width(); ++column)
            visit(column, row, row * Tiles::GridColumns + column);
}

// Moves every tile of the sheet to its new number.
QImage renumberedSheet(const QImage &sheet, const Renumbering &to)
{
    QImage moved(sheet.size(), sheet.format());
    const int lineBytes = TileSize * (sheet.depth() / 8);
    for (int tile = 0; tile < Tiles::TileCount; ++tile) {
        const QPoint from = Tiles::sheetOrigin(tile);
        const QPoint into = Tiles::sheetOrigin(to[tile]);
        for (int line = 0; line < TileSize; ++line)
            std::memcpy(moved.scanLine(into.y() + line) + into.x() * (sheet.depth() / 8),
                        sheet.constScanLine(from.y() + line) + from.x() * (sheet.depth() / 8),
                        lineBytes);
    }
    return moved;
}

Renumbering inverseOf(const Renumbering &to)
{
    Renumbering back{};
    for (int tile = 0; tile < Tiles::TileCount; ++tile)
        back[to[tile]] = static_cast<std::uint8_t>(tile);
    return back;
}

// Renumbers the grid, the sheet, the selected tile and a stamp in use
// together. The canvas is left alone: every cell keeps its picture under its
// new number, and a cell that shows a picture of an earlier sheet keeps
// showing it. The preview is drawn again from the sheet, so the picker
// learns the selected tile's new number.
void renumber(EditorState &state, const Renumbering &to)
{
    for (std::uint8_t &cell : state.tileMap)
        cell = to[cell];
    state.tileSheet.setPicture(renumberedSheet(state.tileSheet.image(), to));
    state.selectedTile = to[static_cast<std::uint8_t>(state.selectedTile)];
    if (state.hasStamp()) {
        const Stamp stamp = state.brush();
        std::vector<std::uint8_t> tiles = stamp.tiles();
        for (std::uint8_t &tile : tiles)
            tile = to[tile];
        state.setStamp(Stamp(stamp.width(), stamp.height(), std::move(tiles)));
    }
    drawBrushFromSheet(state);
}

// Compact as a step: a renumbering is undone by its inverse, so the step
// keeps only the 256 numbers.
class CompactStep : public QUndoCommand
{
public:
    CompactStep(EditorState &state, const Renumbering &to) : m_state(&state), m_to(to)
    {
        setText(StepNames::CompactTiles);
    }
    void redo() override { renumber(*m_state, m_to); }
    void undo() override { renumber(*m_state, inverseOf(m_to)); }

private:
    EditorState *m_state;
    Renumbering m_to;
};

void putPlanInUse(EditorState &state, const QByteArray &grid, const QByteArray &sheet,
                  const PictureImport::Plan &sizes, const QString &caption)
{
    state.headerByte1 = StartUp::HeaderByte1;
    state.headerByte2 = StartUp::HeaderByte2;
    state.mapWidthByte = sizes.widthByte();
    state.mapHeightByte = sizes.heightByte();
    state.mapWidth = static_cast<std::int16_t>(sizes.mapWidth());
    state.mapHeight = static_cast<std::int16_t>(sizes.mapHeight());
    PackedState::unpackGrid(grid, state.tileMap);
    state.tileSheet.setPicture(SheetStore::unpack(sheet));
    // The redraw covers every pixel: the canvas is exactly the picture.
    state.mapCanvas.resizeForRedraw(QSize(sizes.columns * TileSize, sizes.rows * TileSize));
    redrawMap(state);
    state.setStatusText(EditorState::MapPanel, StatusTexts::mapText(PictureImported));
    state.setStatusText(EditorState::SizePanel,
                        StatusTexts::sizeText(state.mapWidth, state.mapHeight));
    state.setPickerCaption(caption);
    drawBrushFromSheet(state);
}

} // namespace

QRect mapCells(const EditorState &state)
{
    const QSize canvas = state.mapCanvas.size();
    return QRect(0, 0, std::min<int>(state.mapWidth, canvas.width() / TileSize),
                 std::min<int>(state.mapHeight, canvas.height() / TileSize));
}

Counts countUses(const EditorState &state)
{
    Counts counts{};
    forEachMapCell(state, [&](int, int, int index) { ++counts[state.tileMap[index]]; });
    return counts;
}

void importPicture(EditorState &state, const PictureImport::Plan &plan, const QString &fileTitle)
{
    PackedState::Grid cells{};
    for (int row = 0; row < plan.rows; ++row)
        std::copy_n(plan.cells.begin() + std::ptrdiff_t(row) * plan.columns, plan.columns,
                    cells.begin() + std::ptrdiff_t(row) * Tiles::GridColumns);
    const QByteArray grid = PackedState::packGrid(cells);
    const QByteArray sheet = state.history.sheets().pack(plan.sheet);
    PictureImport::Plan sizes;
    sizes.columns = plan.columns;
    sizes.rows = plan.rows;
    const QString caption = StatusTexts::pickerCaption(fileTitle);
    WholeMapStep::perform(state, StepNames::ImportPicture,
                          {.grid = true, .sheet = true, .homesView = true},
                          [grid, sheet, sizes, caption](EditorState &s) {
                              putPlanInUse(s, grid, sheet, sizes, caption);
                          });
}

bool replaceTile(EditorState &state, int from, int to)
{
    return ReplaceTile::replaceAll(state, static_cast<std::uint8_t>(from),
                                   static_cast<std::uint8_t>(to), mapCells(state));
}

Renumbering compactOrder(const EditorState &state)
{
    Renumbering to{};
    std::array<bool, Tiles::TileCount> placed{};
    int next = 0;
    forEachMapCell(state, [&](int, int, int index) {
        const std::uint8_t tile = state.tileMap[index];
        if (!placed[tile]) {
            placed[tile] = true;
            to[tile] = static_cast<std::uint8_t>(next++);
        }
    });
    for (int tile = 0; tile < Tiles::TileCount; ++tile)
        if (!placed[tile])
            to[tile] = static_cast<std::uint8_t>(next++);
    return to;
}

bool compactTiles(EditorState &state)
{
    const Renumbering to = compactOrder(state);
    bool moves = false;
    for (int tile = 0; tile < Tiles::TileCount; ++tile)
        moves = moves || to[tile] != tile;
    if (!moves)
        return false;
    if (state.history.recording())
        state.history.push(new CompactStep(state, to));
    else
        renumber(state, to);
    return true;
}

} // namespace TileBudget
