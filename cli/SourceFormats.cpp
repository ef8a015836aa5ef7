// SPDX-License-Identifier: MIT
#include "cli/SourceFormats.h"

namespace SourceFormats {

namespace {

QByteArray hexByte(std::uint8_t value, const char *prefix)
{
    return prefix + QByteArray::number(value, 16).rightJustified(2, '0');
}

QByteArray sizeComment(const MapCells &map, const QString &name)
{
    // A line break in a file name would end the comment early.
    QString printable = name;
    for (QChar &c : printable)
        if (c.category() == QChar::Other_Control)
            c = u'?';
    return QStringLiteral("%1: %2 x %3 tiles, one byte a tile, row by row")
        .arg(printable)
        .arg(map.width)
        .arg(map.height)
        .toUtf8();
}

} // namespace

QString identifier(const QString &name)
{
    QString result;
    for (const QChar c : name) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                           (c >= u'0' && c <= u'9') || c == u'_';
        result += plain ? c : QLatin1Char('_');
    }
    if (result.isEmpty() || result.front().isDigit())
        result.prepend(QLatin1Char('_'));
    return result;
}

QByteArray writeAssembler(const MapCells &map, const QString &name)
{
    QByteArray text = "; " + sizeComment(map, name) + '\n';
    text += identifier(name).toUtf8() + ":\n";
    for (int row = 0; row < map.height; ++row) {
        text += "    .byte ";
        for (int column = 0; column < map.width; ++column) {
            if (column > 0)
                text += ',';
            text += hexByte(map.at(column, row), "$");
        }
        text += '\n';
    }
    return text;
}

QByteArray writeC(const MapCells &map, const QString &name)
{
    const QByteArray array = identifier(name).toUtf8();
    const QByteArray width = array.toUpper() + "_WIDTH";
    const QByteArray height = array.toUpper() + "_HEIGHT";
    QByteArray text = "/* " + sizeComment(map, name) + " */\n";
    text += "#define " + width + ' ' + QByteArray::number(map.width) + '\n';
    text += "#define " + height + ' ' + QByteArray::number(map.height) + '\n';
    text += '\n';
    text += "const unsigned char " + array + '[' + height + " * " + width + "] = {\n";
    for (int row = 0; row < map.height; ++row) {
        text += "    ";
        for (int column = 0; column < map.width; ++column) {
            text += hexByte(map.at(column, row), "0x");
            if (column + 1 < map.width || row + 1 < map.height)
                text += column + 1 < map.width ? ", " : ",";
        }
        text += '\n';
    }
    text += "};\n";
    return text;
}

} // namespace SourceFormats
