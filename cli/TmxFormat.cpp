// SPDX-License-Identifier: MIT
#include "cli/TmxFormat.h"

#include "cli/TileNumbers.h"
#include "cli/TiledData.h"
#include "cli/TiledMap.h"
#include "core/files/ValueTexts.h"
#include "core/render/TileGeometry.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <optional>

namespace TmxFormat {

namespace {

const QString TmxVersion = QStringLiteral("1.8");
// The layer's data element as written, up to its text.
constexpr QByteArrayView DataStart = "<data encoding=\"csv\">";

QString number(int value)
{
    return QString::number(value);
}

QByteArray layerCsv(const MapCells &map)
{
    // Laid out as Tiled writes it: a line per row, each but the last ending
    // in a comma.
    const ValueTexts ids = ValueTexts::decimal(1);
    QByteArray text = "\n";
    // Up to three digits and a comma a cell, and a line end a row.
    text.reserve(qsizetype(map.width) * map.height * 4 + map.height + 1);
    for (int row = 0; row < map.height; ++row) {
        ids.appendJoined(text, QByteArrayView(map.cells.data() + row * map.width, map.width), ",");
        text += row + 1 < map.height ? ",\n" : "\n";
    }
    return text;
}

// Reads the tilesets and tile layers of a TMX file; every check on the way
// reports the place of the element at fault.
class Reader
{
public:
    explicit Reader(const QByteArray &text) : m_xml(text) {}

    Outcome<TiledMap> read();

private:
    // What a layer's <data> element holds, and where its text starts.
    struct Data
    {
        QString encoding;
        QString compression;
        QString text;
        int line = 0;
        int column = 0;
    };

    bool fail(const QString &what);
    bool failAt(int line, int column, const QString &what);
    std::optional<int> size(const QString &element, const QString &attribute, int largest);
    bool checkTileSize(const QString &element);
    bool readMapElement();
    void readTileset();
    bool readLayer();
    bool readData();
    bool decodeCsv(const Data &data, std::vector<quint32> *gids);
    bool decodeBase64(const Data &data, std::vector<quint32> *gids);

    QXmlStreamReader m_xml;
    Failure m_failure;
    TiledMap m_map;
    // Whether the last layer read has its <data> yet.
    bool m_layerHasData = true;
};

bool Reader::fail(const QString &what)
{
    return failAt(static_cast<int>(m_xml.lineNumber()), static_cast<int>(m_xml.columnNumber()) + 1,
                  what);
}

bool Reader::failAt(int line, int column, const QString &what)
{
    m_failure = Failure::at(line, column, what);
    return false;
}

std::optional<int> Reader::size(const QString &element, const QString &attribute, int largest)
{
    const QStringView text = m_xml.attributes().value(attribute);
    bool ok = false;
    const int value = text.toInt(&ok);
    if (text.isEmpty()) {
        fail(QStringLiteral("<%1> has no %2 attribute").arg(element, attribute));
        return std::nullopt;
    }
    if (!ok || value < 1 || value > largest) {
        fail(QStringLiteral("<%1> attribute %2=\"%3\": must be 1..%4")
                 .arg(element, attribute, text.toString())
                 .arg(largest));
        return std::nullopt;
    }
    return value;
}

bool Reader::checkTileSize(const QString &element)
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    for (const QString &attribute : {QStringLiteral("tilewidth"), QStringLiteral("tileheight")}) {
        if (!attributes.hasAttribute(attribute))
            continue;
        const QString value = attributes.value(attribute).toString();
        if (value != number(TileSize))
            return fail(QStringLiteral("<%1> attribute %2=\"%3\": tiles must be %4 x %4 pixels")
                            .arg(element, attribute, value)
                            .arg(TileSize));
    }
    return true;
}

bool Reader::readMapElement()
{
    const QString map = QStringLiteral("map");
    if (!m_xml.readNextStartElement())
        return fail(m_xml.hasError() ? m_xml.errorString()
                                     : QStringLiteral("the file holds no XML element"));
    if (m_xml.name() != map)
        return fail(QStringLiteral("the file starts with <%1>, not with a TMX <map>")
                        .arg(m_xml.name().toString()));
    const QXmlStreamAttributes attributes = m_xml.attributes();
    const QString orientation = attributes.value(QStringLiteral("orientation")).toString();
    if (!orientation.isEmpty() && orientation != QStringLiteral("orthogonal"))
        return fail(QStringLiteral("<map> attribute orientation=\"%1\": only orthogonal maps "
                                   "are supported")
                        .arg(orientation));
    const QString infinite = attributes.value(QStringLiteral("infinite")).toString();
    if (!infinite.isEmpty() && infinite != QStringLiteral("0"))
        return fail(QStringLiteral("<map> attribute infinite=\"%1\": infinite maps are not "
                                   "supported; give the map a fixed size")
                        .arg(infinite));
    if (!checkTileSize(map))
        return false;
    const std::optional<int> width = size(map, QStringLiteral("width"), TileNumbers::MaxColumns);
    if (!width)
        return false;
    const std::optional<int> height = size(map, QStringLiteral("height"), TileNumbers::MaxRows);
    if (!height)
        return false;
    m_map.width = *width;
    m_map.height = *height;
    return true;
}

void Reader::readTileset()
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    TiledMap::Tileset tileset;
    tileset.firstGid = attributes.value(QStringLiteral("firstgid")).toUInt();
    tileset.name = attributes.value(QStringLiteral("name")).toString();
    if (tileset.name.isEmpty())
        tileset.name = attributes.value(QStringLiteral("source")).toString();
    tileset.tileWidth = attributes.value(QStringLiteral("tilewidth")).toInt();
    tileset.tileHeight = attributes.value(QStringLiteral("tileheight")).toInt();
    tileset.tileCount = attributes.value(QStringLiteral("tilecount")).toInt();
    m_map.tilesets.push_back(tileset);
}

bool Reader::readLayer()
{
    if (!m_layerHasData)
        return fail(QStringLiteral("layer \"%1\" has no <data>").arg(m_map.layers.back().name));
    const QXmlStreamAttributes attributes = m_xml.attributes();
    for (const auto &[attribute, expected] : {std::pair{QStringLiteral("width"), m_map.width},
                                              std::pair{QStringLiteral("height"), m_map.height}}) {
        const QString value = attributes.value(attribute).toString();
        if (!value.isEmpty() && value != number(expected))
            return fail(QStringLiteral("<layer> attribute %1=\"%2\": differs from the map's %3")
                            .arg(attribute, value)
                            .arg(expected));
    }
    TiledMap::Layer layer;
    layer.name = attributes.value(QStringLiteral("name")).toString();
    m_map.layers.push_back(std::move(layer));
    m_layerHasData = false;
    return true;
}

bool Reader::readData()
{
    if (m_map.layers.empty() || m_layerHasData)
        return fail(QStringLiteral("<data> outside a tile layer <layer>"));
    Data data;
    const QXmlStreamAttributes attributes = m_xml.attributes();
    data.encoding = attributes.value(QStringLiteral("encoding")).toString();
    data.compression = attributes.value(QStringLiteral("compression")).toString();
    if (data.encoding.isEmpty())
        return fail(QStringLiteral("<data> has no encoding attribute: tiles as XML elements are "
                                   "not supported; use csv or base64"));
    if (data.encoding != QStringLiteral("csv") && data.encoding != QStringLiteral("base64"))
        return fail(QStringLiteral("<data> attribute encoding=\"%1\": must be csv or base64")
                        .arg(data.encoding));
    if (data.encoding == QStringLiteral("csv") && !data.compression.isEmpty())
        return fail(QStringLiteral("<data> attribute compression=\"%1\": csv data cannot be "
                                   "compressed")
                        .arg(data.compression));
    if (!data.compression.isEmpty() && data.compression != QStringLiteral("zlib") &&
        data.compression != QStringLiteral("gzip"))
        return fail(QStringLiteral("<data> attribute compression=\"%1\": must be zlib or gzip, "
                                   "or none")
                        .arg(data.compression));
    // The text starts right after the start tag, where the reader stands now.
    data.line = static_cast<int>(m_xml.lineNumber());
    data.column = static_cast<int>(m_xml.columnNumber()) + 1;
    while (!m_xml.atEnd()) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            data.text += m_xml.text();
        } else if (token == QXmlStreamReader::StartElement) {
            const QString child = m_xml.name().toString();
            return fail(child == QStringLiteral("chunk")
                            ? QStringLiteral("<data> holds <chunk> elements of an infinite map; "
                                             "give the map a fixed size")
                            : QStringLiteral("<data> holds a <%1> element; only csv or base64 "
                                             "text is supported")
                                  .arg(child));
        } else if (token == QXmlStreamReader::EndElement) {
            break;
        }
    }
    TiledMap::Layer &layer = m_map.layers.back();
    layer.line = data.line;
    layer.column = data.column;
    m_layerHasData = true;
    return data.encoding == QStringLiteral("csv") ? decodeCsv(data, &layer.gids)
                                                  : decodeBase64(data, &layer.gids);
}

Outcome<TiledMap> Reader::read()
{
    if (!readMapElement())
        return m_failure;
    // Every element below the map, layers inside groups included.
    while (!m_xml.atEnd()) {
        if (m_xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = m_xml.name();
        bool ok = true;
        if (name == QStringLiteral("tileset"))
            readTileset();
        else if (name == QStringLiteral("layer"))
            ok = readLayer();
        else if (name == QStringLiteral("data"))
            ok = readData();
        if (!ok)
            return m_failure;
    }
    if (m_xml.hasError()) {
        fail(QStringLiteral("not well-formed XML: %1").arg(m_xml.errorString()));
        return m_failure;
    }
    if (!m_layerHasData) {
        fail(QStringLiteral("layer \"%1\" has no <data>").arg(m_map.layers.back().name));
        return m_failure;
    }
    return std::move(m_map);
}

bool Reader::decodeCsv(const Data &data, std::vector<quint32> *gids)
{
    const qsizetype wanted = qsizetype(m_map.width) * m_map.height;
    const QByteArray text = data.text.toUtf8();
    int line = data.line;
    int column = data.column;
    qsizetype i = 0;
    gids->reserve(wanted);
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (i < text.size()) {
        const char c = text[i];
        if (isSpace(c) || c == ',') {
            if (c == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && !isSpace(text[end]) && text[end] != ',')
            ++end;
        const QByteArrayView value(text.constData() + i, end - i);
        const std::optional<quint32> id = TileNumbers::parse(value);
        if (!id)
            return failAt(
                line, column,
                QStringLiteral("<data>: %1 is not a tile id").arg(TileNumbers::quoted(value)));
        if (qsizetype(gids->size()) == wanted)
            return failAt(line, column,
                          QStringLiteral("<data>: more than the %1 x %2 = %3 tile ids the map "
                                         "needs")
                              .arg(m_map.width)
                              .arg(m_map.height)
                              .arg(wanted));
        gids->push_back(*id);
        column += static_cast<int>(end - i);
        i = end;
    }
    if (qsizetype(gids->size()) != wanted)
        return failAt(data.line, data.column,
                      QStringLiteral("<data>: %1 tile ids where the %2 x %3 map needs %4")
                          .arg(gids->size())
                          .arg(m_map.width)
                          .arg(m_map.height)
                          .arg(wanted));
    return true;
}

bool Reader::decodeBase64(const Data &data, std::vector<quint32> *gids)
{
    const Outcome<std::vector<quint32>> decoded =
        TiledData::fromBase64(data.text.toLatin1(), data.compression, m_map.width, m_map.height);
    if (!decoded.succeeded())
        return failAt(data.line, data.column, decoded.failure().message);
    *gids = decoded.value();
    return true;
}

} // namespace

QByteArray write(const MapCells &map, const QString &name, const QString &sheetImage)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();

    xml.writeStartElement(QStringLiteral("map"));
    xml.writeAttribute(QStringLiteral("version"), TmxVersion);
    xml.writeAttribute(QStringLiteral("orientation"), QStringLiteral("orthogonal"));
    xml.writeAttribute(QStringLiteral("renderorder"), QStringLiteral("right-down"));
    xml.writeAttribute(QStringLiteral("width"), number(map.width));
    xml.writeAttribute(QStringLiteral("height"), number(map.height));
    xml.writeAttribute(QStringLiteral("tilewidth"), number(TileSize));
    xml.writeAttribute(QStringLiteral("tileheight"), number(TileSize));
    xml.writeAttribute(QStringLiteral("infinite"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("nextlayerid"), QStringLiteral("2"));
    xml.writeAttribute(QStringLiteral("nextobjectid"), QStringLiteral("1"));

    xml.writeStartElement(QStringLiteral("tileset"));
    xml.writeAttribute(QStringLiteral("firstgid"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("name"), name);
    xml.writeAttribute(QStringLiteral("tilewidth"), number(TileSize));
    xml.writeAttribute(QStringLiteral("tileheight"), number(TileSize));
    xml.writeAttribute(QStringLiteral("tilecount"), number(Tiles::TileCount));
    xml.writeAttribute(QStringLiteral("columns"), number(Tiles::SheetColumns));
    xml.writeEmptyElement(QStringLiteral("image"));
    xml.writeAttribute(QStringLiteral("source"), sheetImage);
    xml.writeAttribute(QStringLiteral("width"), number(Tiles::SheetWidth));
    xml.writeAttribute(QStringLiteral("height"), number(Tiles::SheetHeight));
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("layer"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("name"), name);
    xml.writeAttribute(QStringLiteral("width"), number(map.width));
    xml.writeAttribute(QStringLiteral("height"), number(map.height));
    xml.writeStartElement(QStringLiteral("data"));
    xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("csv"));
    // A stand-in the layer's ids replace once the document is written: they
    // need no escaping, and the writer's escaping of every character of them
    // was most of the time an export took.
    xml.writeCharacters(QStringLiteral("\n"));
    xml.writeEndElement();
    xml.writeEndElement();

    xml.writeEndElement();
    xml.writeEndDocument();
    // The data element comes after every name, and a name's "<" is escaped:
    // the last match is the stand-in.
    const qsizetype data = out.lastIndexOf(DataStart);
    out.replace(data + DataStart.size(), 1, layerCsv(map));
    return out;
}

Outcome<MapCells> read(const QByteArray &text, const QString &layer)
{
    const Outcome<TiledMap> map = Reader(text).read();
    if (!map.succeeded())
        return map.failure();
    return TiledLayers::cells(map.value(), layer);
}

} // namespace TmxFormat
