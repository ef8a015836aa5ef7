// SPDX-License-Identifier: MIT
#include "cli/TiledMap.h"

#include "core/render/TileGeometry.h"

#include <QStringList>

#include <algorithm>

namespace TiledLayers {

namespace {

// Numbers go into messages in one arg() call with the names, so a "%" in a
// name is never taken for a marker.
QString number(qint64 value)
{
    return QString::number(value);
}

// The high bits of a gid that flip or rotate the tile.
constexpr quint32 TransformBits = 0xF0000000u;

QString quotedNames(const TiledMap &map)
{
    QStringList names;
    for (const TiledMap::Layer &layer : map.layers)
        names.append(QLatin1Char('"') + layer.name + QLatin1Char('"'));
    return names.join(QStringLiteral(", "));
}

Outcome<const TiledMap::Layer *> chosenLayer(const TiledMap &map, const QString &choice)
{
    if (map.layers.empty())
        return Failure::saying(QStringLiteral("the map has no tile layer"));
    if (choice.isEmpty()) {
        if (map.layers.size() == 1)
            return &map.layers.front();
        return Failure::saying(QStringLiteral("the map has %1 tile layers (%2); choose one with "
                                              "--layer NAME or --layer NUMBER (from 1)")
                                   .arg(map.layers.size())
                                   .arg(quotedNames(map)));
    }
    for (const TiledMap::Layer &layer : map.layers)
        if (layer.name == choice)
            return &layer;
    bool isNumber = false;
    const int position = choice.toInt(&isNumber);
    if (isNumber && position >= 1 && position <= int(map.layers.size()))
        return &map.layers[position - 1];
    return Failure::saying(QStringLiteral("no tile layer \"%1\"; the map's tile layers are %2 "
                                          "(or give their number from 1 to %3)")
                               .arg(choice, quotedNames(map), number(map.layers.size())));
}

// The tileset a gid belongs to: the one with the highest first gid at or
// below it.
const TiledMap::Tileset *tilesetOf(const TiledMap &map, quint32 gid)
{
    const TiledMap::Tileset *found = nullptr;
    for (const TiledMap::Tileset &tileset : map.tilesets)
        if (tileset.firstGid <= gid && (!found || tileset.firstGid > found->firstGid))
            found = &tileset;
    return found;
}

QString nameOf(const TiledMap::Tileset &tileset)
{
    return QStringLiteral("tileset \"%1\" (firstgid %2)")
        .arg(tileset.name, number(tileset.firstGid));
}

} // namespace

Outcome<MapCells> cells(const TiledMap &map, const QString &layerChoice)
{
    const Outcome<const TiledMap::Layer *> chosen = chosenLayer(map, layerChoice);
    if (!chosen.succeeded())
        return chosen.failure();
    const TiledMap::Layer &layer = *chosen.value();
    const auto fail = [&](qsizetype cell, const QString &what) {
        return Failure::at(
            layer.line, layer.column,
            QStringLiteral("layer \"%1\", column %2, row %3: %4")
                .arg(layer.name, number(cell % map.width), number(cell / map.width), what));
    };

    MapCells result;
    result.width = map.width;
    result.height = map.height;
    result.cells.reserve(layer.gids.size());
    const TiledMap::Tileset *used = nullptr;
    for (qsizetype cell = 0; cell < qsizetype(layer.gids.size()); ++cell) {
        const quint32 gid = layer.gids[cell];
        if (gid == 0) {
            result.cells.push_back(0);
            continue;
        }
        if (gid & TransformBits)
            return fail(cell, QStringLiteral("tile id %1 is flipped or rotated, which a map "
                                             "cannot show")
                                  .arg(gid));
        const TiledMap::Tileset *tileset = tilesetOf(map, gid);
        if (!tileset)
            return fail(cell, QStringLiteral("tile id %1 belongs to no tileset").arg(gid));
        if (used && tileset != used)
            return fail(cell, QStringLiteral("tile id %1 is from %2, but the layer already uses "
                                             "%3; a map takes its tiles from one tileset")
                                  .arg(gid)
                                  .arg(nameOf(*tileset), nameOf(*used)));
        if (!used) {
            const bool known = tileset->tileWidth > 0 && tileset->tileHeight > 0;
            if (known && (tileset->tileWidth != TileSize || tileset->tileHeight != TileSize))
                return fail(cell,
                            QStringLiteral("tile id %1 is from %2 of %3 x %4 tiles; the "
                                           "tiles must be %5 x %5 pixels")
                                .arg(number(gid), nameOf(*tileset), number(tileset->tileWidth),
                                     number(tileset->tileHeight), number(TileSize)));
            used = tileset;
        }
        const quint32 tile = gid - tileset->firstGid;
        if (tileset->tileCount > 0 && tile >= quint32(tileset->tileCount))
            return fail(cell, QStringLiteral("tile id %1 is beyond the %2 tiles of %3")
                                  .arg(gid)
                                  .arg(tileset->tileCount)
                                  .arg(nameOf(*tileset)));
        if (tile >= quint32(Tiles::TileCount))
            return fail(cell, QStringLiteral("tile id %1 is tile %2 of %3; a map has tiles "
                                             "0..%4")
                                  .arg(number(gid), number(tile), nameOf(*tileset),
                                       number(Tiles::TileCount - 1)));
        result.cells.push_back(static_cast<std::uint8_t>(tile));
    }
    return result;
}

} // namespace TiledLayers
