// SPDX-License-Identifier: MIT
#include "cli/MapLayout.h"

#include "core/render/TileGeometry.h"

namespace MapLayout {

namespace {

MapCells cutOut(const MapCells &map, const QRect &area)
{
    MapCells block;
    block.width = area.width();
    block.height = area.height();
    block.cells.reserve(static_cast<std::size_t>(area.width() * area.height()));
    for (int row = area.top(); row <= area.bottom(); ++row)
        for (int column = area.left(); column <= area.right(); ++column) {
            const bool inside = column < map.width && row < map.height;
            block.cells.push_back(inside ? map.at(column, row) : 0);
        }
    return block;
}

MapCells turned(const MapCells &block)
{
    MapCells columns;
    columns.width = block.height;
    columns.height = block.width;
    columns.cells.reserve(block.cells.size());
    for (int column = 0; column < block.width; ++column)
        for (int row = 0; row < block.height; ++row)
            columns.cells.push_back(block.at(column, row));
    return columns;
}

Outcome<> shift(MapCells &block, const ExportOptions &options)
{
    if (options.offset == 0)
        return {};
    for (std::uint8_t &cell : block.cells) {
        const int sum = cell + options.offset;
        if (!options.wrap && (sum < 0 || sum >= Tiles::TileCount)) {
            return Failure::saying(QStringLiteral("tile %1 with --offset %2 gives %3, outside "
                                                  "0..255 (--wrap takes it modulo 256)")
                                       .arg(cell)
                                       .arg(options.offset)
                                       .arg(sum));
        }
        cell = static_cast<std::uint8_t>(sum & (Tiles::TileCount - 1));
    }
    return {};
}

} // namespace

Outcome<Blocks> lay(const MapCells &map, const ExportOptions &options)
{
    const QRect whole(0, 0, map.width, map.height);
    const QRect area = options.region.value_or(whole);
    if (!whole.contains(area)) {
        return Failure::saying(QStringLiteral("--region %1,%2,%3,%4 reaches outside the map's "
                                              "%5 x %6 cells")
                                   .arg(area.x())
                                   .arg(area.y())
                                   .arg(area.width())
                                   .arg(area.height())
                                   .arg(map.width)
                                   .arg(map.height));
    }
    const MapCells cut = area == whole ? map : cutOut(map, area);
    const QSize screen = options.screens.value_or(area.size());
    const int across = (area.width() + screen.width() - 1) / screen.width();
    const int down = (area.height() + screen.height() - 1) / screen.height();
    Blocks blocks;
    blocks.screens = QSize(across, down);
    blocks.cut = area.size();
    blocks.padded = QSize(across * screen.width(), down * screen.height());
    for (int y = 0; y < down; ++y)
        for (int x = 0; x < across; ++x) {
            const QRect part(x * screen.width(), y * screen.height(), screen.width(),
                             screen.height());
            MapCells block = part == QRect(QPoint(0, 0), area.size()) ? cut : cutOut(cut, part);
            if (const Outcome<> shifted = shift(block, options); !shifted.succeeded())
                return shifted.failure();
            blocks.blocks.push_back(
                options.order == ExportOptions::Order::Columns ? turned(block) : std::move(block));
        }
    return blocks;
}

} // namespace MapLayout
