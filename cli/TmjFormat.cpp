// SPDX-License-Identifier: MIT
#include "cli/TmjFormat.h"

#include "cli/TiledData.h"
#include "cli/TiledMap.h"
#include "core/files/ValueTexts.h"
#include "core/render/TileGeometry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace TmjFormat {

namespace {

const QString TiledVersion = QStringLiteral("1.8");
// The layer's data as written before its ids are put in.
constexpr QByteArrayView EmptyDataMember = "\"data\":[]";

Failure failure(const QString &member, const QString &what)
{
    return Failure::saying(QStringLiteral("%1: %2").arg(member, what));
}

// A whole number from lowest to highest, or nothing when the member is
// missing or something else.
std::optional<qint64> integer(const QJsonObject &object, const QString &key, qint64 lowest,
                              qint64 highest)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < double(lowest) || number > double(highest))
        return std::nullopt;
    return static_cast<qint64>(number);
}

class Reader
{
public:
    Outcome<TiledMap> read(const QJsonObject &root);

private:
    Outcome<> readMapMembers(const QJsonObject &root);
    Outcome<> readLayers(const QJsonArray &layers, const QString &path);
    Outcome<> readTileLayer(const QJsonObject &layer, const QString &path);

    TiledMap m_map;
};

Outcome<> Reader::readMapMembers(const QJsonObject &root)
{
    const QString orientation = root.value(QStringLiteral("orientation")).toString();
    if (!orientation.isEmpty() && orientation != QStringLiteral("orthogonal"))
        return failure(
            QStringLiteral("orientation"),
            QStringLiteral("\"%1\": only orthogonal maps are supported").arg(orientation));
    if (root.value(QStringLiteral("infinite")).toBool())
        return failure(QStringLiteral("infinite"),
                       QStringLiteral("infinite maps are not supported; give the map a fixed "
                                      "size"));
    for (const QString &key : {QStringLiteral("tilewidth"), QStringLiteral("tileheight")})
        if (root.contains(key) && integer(root, key, 0, 1 << 20) != TiledLayers::TileSize)
            return failure(
                key, QStringLiteral("tiles must be %1 x %1 pixels").arg(TiledLayers::TileSize));
    const std::optional<qint64> width =
        integer(root, QStringLiteral("width"), 1, Tiles::GridColumns);
    if (!width)
        return failure(QStringLiteral("width"),
                       QStringLiteral("must be a number 1..%1").arg(Tiles::GridColumns));
    const std::optional<qint64> height =
        integer(root, QStringLiteral("height"), 1, Tiles::GridRows);
    if (!height)
        return failure(QStringLiteral("height"),
                       QStringLiteral("must be a number 1..%1").arg(Tiles::GridRows));
    m_map.width = int(*width);
    m_map.height = int(*height);
    return {};
}

Outcome<> Reader::readTileLayer(const QJsonObject &layer, const QString &path)
{
    TiledMap::Layer result;
    result.name = layer.value(QStringLiteral("name")).toString();
    if (layer.contains(QStringLiteral("chunks")))
        return failure(path, QStringLiteral("chunks of an infinite map; give the map a fixed "
                                            "size"));
    for (const auto &[key, expected] : {std::pair{QStringLiteral("width"), m_map.width},
                                        std::pair{QStringLiteral("height"), m_map.height}})
        if (layer.contains(key) && integer(layer, key, 0, 1 << 20) != expected)
            return failure(path + QLatin1Char('.') + key,
                           QStringLiteral("differs from the map's %1").arg(expected));
    const QString dataPath = path + QStringLiteral(".data");
    const QJsonValue data = layer.value(QStringLiteral("data"));
    const qsizetype wanted = qsizetype(m_map.width) * m_map.height;
    if (data.isArray()) {
        const QJsonArray ids = data.toArray();
        if (ids.size() != wanted)
            return failure(dataPath, QStringLiteral("%1 tile ids where the %2 x %3 map needs %4")
                                         .arg(ids.size())
                                         .arg(m_map.width)
                                         .arg(m_map.height)
                                         .arg(wanted));
        result.gids.reserve(wanted);
        for (qsizetype i = 0; i < ids.size(); ++i) {
            const double id = ids.at(i).toDouble(-1);
            if (!ids.at(i).isDouble() || id != std::floor(id) || id < 0 || id > 0xffffffffu)
                return failure(QStringLiteral("%1[%2]").arg(dataPath).arg(i),
                               QStringLiteral("not a tile id"));
            result.gids.push_back(static_cast<quint32>(id));
        }
    } else if (data.isString()) {
        const QString encoding = layer.value(QStringLiteral("encoding")).toString();
        const QString compression = layer.value(QStringLiteral("compression")).toString();
        if (encoding != QStringLiteral("base64"))
            return failure(path + QStringLiteral(".encoding"),
                           QStringLiteral("\"%1\": text data must be base64").arg(encoding));
        if (!compression.isEmpty() && compression != QStringLiteral("zlib") &&
            compression != QStringLiteral("gzip"))
            return failure(
                path + QStringLiteral(".compression"),
                QStringLiteral("\"%1\": must be zlib or gzip, or none").arg(compression));
        Outcome<std::vector<quint32>> gids = TiledData::fromBase64(
            data.toString().toLatin1(), compression, m_map.width, m_map.height);
        if (!gids.succeeded())
            return failure(dataPath, gids.failure().message);
        result.gids = std::move(gids.value());
    } else {
        return failure(dataPath, QStringLiteral("missing; expected an array of tile ids or "
                                                "base64 text"));
    }
    m_map.layers.push_back(std::move(result));
    return {};
}

Outcome<> Reader::readLayers(const QJsonArray &layers, const QString &path)
{
    for (qsizetype i = 0; i < layers.size(); ++i) {
        const QJsonObject layer = layers.at(i).toObject();
        const QString layerPath = QStringLiteral("%1[%2]").arg(path).arg(i);
        const QString type = layer.value(QStringLiteral("type")).toString();
        Outcome<> read;
        if (type == QStringLiteral("tilelayer"))
            read = readTileLayer(layer, layerPath);
        else if (type == QStringLiteral("group"))
            read = readLayers(layer.value(QStringLiteral("layers")).toArray(),
                              layerPath + QStringLiteral(".layers"));
        if (!read.succeeded())
            return read;
    }
    return {};
}

Outcome<TiledMap> Reader::read(const QJsonObject &root)
{
    const QString type = root.value(QStringLiteral("type")).toString();
    if (!type.isEmpty() && type != QStringLiteral("map"))
        return failure(QStringLiteral("type"),
                       QStringLiteral("\"%1\": the file is not a Tiled map").arg(type));
    if (const Outcome<> members = readMapMembers(root); !members.succeeded())
        return members.failure();
    const QJsonArray tilesets = root.value(QStringLiteral("tilesets")).toArray();
    for (const QJsonValue &value : tilesets) {
        const QJsonObject object = value.toObject();
        TiledMap::Tileset tileset;
        tileset.firstGid =
            quint32(integer(object, QStringLiteral("firstgid"), 0, 0x0fffffff).value_or(0));
        tileset.name = object.value(QStringLiteral("name")).toString();
        if (tileset.name.isEmpty())
            tileset.name = object.value(QStringLiteral("source")).toString();
        tileset.tileWidth =
            int(integer(object, QStringLiteral("tilewidth"), 0, 1 << 20).value_or(0));
        tileset.tileHeight =
            int(integer(object, QStringLiteral("tileheight"), 0, 1 << 20).value_or(0));
        tileset.tileCount =
            int(integer(object, QStringLiteral("tilecount"), 0, 0x0fffffff).value_or(0));
        m_map.tilesets.push_back(tileset);
    }
    if (const Outcome<> layers =
            readLayers(root.value(QStringLiteral("layers")).toArray(), QStringLiteral("layers"));
        !layers.succeeded())
        return layers.failure();
    return std::move(m_map);
}

// The layer's ids as compact JSON writes an array of numbers, written
// straight: a QJsonArray of tens of thousands of values would be most of
// the time an export takes.
QByteArray idArray(const MapCells &map)
{
    QByteArray text = "[";
    ValueTexts::decimal(1).appendJoined(
        text, QByteArrayView(map.cells.data(), qsizetype(map.cells.size())), ",");
    text += ']';
    return text;
}

} // namespace

QByteArray write(const MapCells &map, const QString &name, const QString &sheetImage)
{
    const QJsonObject tileset{
        {QStringLiteral("firstgid"), 1},
        {QStringLiteral("name"), name},
        {QStringLiteral("image"), sheetImage},
        {QStringLiteral("imagewidth"), Tiles::SheetWidth},
        {QStringLiteral("imageheight"), Tiles::SheetHeight},
        {QStringLiteral("tilewidth"), Tiles::TileSize},
        {QStringLiteral("tileheight"), Tiles::TileSize},
        {QStringLiteral("tilecount"), Tiles::TileCount},
        {QStringLiteral("columns"), Tiles::SheetColumns},
        {QStringLiteral("margin"), 0},
        {QStringLiteral("spacing"), 0},
    };
    const QJsonObject layer{
        {QStringLiteral("id"), 1},
        {QStringLiteral("name"), name},
        {QStringLiteral("type"), QStringLiteral("tilelayer")},
        {QStringLiteral("width"), map.width},
        {QStringLiteral("height"), map.height},
        {QStringLiteral("x"), 0},
        {QStringLiteral("y"), 0},
        {QStringLiteral("opacity"), 1},
        {QStringLiteral("visible"), true},
        {QStringLiteral("data"), QJsonArray()},
    };
    const QJsonObject root{
        {QStringLiteral("type"), QStringLiteral("map")},
        {QStringLiteral("version"), TiledVersion},
        {QStringLiteral("orientation"), QStringLiteral("orthogonal")},
        {QStringLiteral("renderorder"), QStringLiteral("right-down")},
        {QStringLiteral("width"), map.width},
        {QStringLiteral("height"), map.height},
        {QStringLiteral("tilewidth"), Tiles::TileSize},
        {QStringLiteral("tileheight"), Tiles::TileSize},
        {QStringLiteral("infinite"), false},
        {QStringLiteral("nextlayerid"), 2},
        {QStringLiteral("nextobjectid"), 1},
        {QStringLiteral("tilesets"), QJsonArray{tileset}},
        {QStringLiteral("layers"), QJsonArray{layer}},
    };
    // The layer's ids go where its empty array stands. Compact JSON sorts
    // members: none before "layers" holds a name, and "data" is the layer's
    // first, so the first match is that array whatever the names hold.
    QByteArray text = QJsonDocument(root).toJson(QJsonDocument::Compact);
    const qsizetype data = text.indexOf(EmptyDataMember);
    text.replace(data + EmptyDataMember.size() - 2, 2, idArray(map));
    return text + '\n';
}

Outcome<MapCells> read(const QByteArray &text, const QString &layer)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        return Failure::saying(QStringLiteral("not valid JSON at byte %1: %2")
                                   .arg(error.offset)
                                   .arg(error.errorString()));
    if (!document.isObject())
        return Failure::saying(QStringLiteral("the file holds no JSON object, not a Tiled map"));
    const Outcome<TiledMap> map = Reader().read(document.object());
    if (!map.succeeded())
        return map.failure();
    return TiledLayers::cells(map.value(), layer);
}

} // namespace TmjFormat
