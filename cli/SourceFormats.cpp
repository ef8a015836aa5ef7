// SPDX-License-Identifier: MIT
#include "cli/SourceFormats.h"

#include "core/files/ValueTexts.h"

#include <algorithm>

namespace SourceFormats {

namespace {

QByteArray hexByte(char value)
{
    return "0x" + QByteArray::number(static_cast<std::uint8_t>(value), 16).rightJustified(2, '0');
}

QByteArray unsignedNumber(qsizetype value)
{
    return QByteArray::number(value) + 'u';
}

QByteArray define(const QByteArray &name, qsizetype value)
{
    return "#define " + name + ' ' + unsignedNumber(value) + '\n';
}

QByteArray sizeMacro(const Data &data, std::size_t index)
{
    return data.label(index).toUpper() + "_PACKED_SIZE";
}

} // namespace

QByteArray Data::label(std::size_t index) const
{
    return !split ? symbol : symbol + '_' + QByteArray::number(static_cast<qulonglong>(index));
}

QByteArray Data::comment() const
{
    // A line break in a file name would end the comment early, and "*/"
    // would end a C comment.
    QString printable = mapName;
    for (QChar &c : printable)
        if (c.category() == QChar::Other_Control)
            c = u'?';
    printable.replace(QStringLiteral("*/"), QStringLiteral("*?"));
    return (printable + QStringLiteral(": ") + summary).toUtf8();
}

std::vector<QByteArrayView> lines(const Data &data, const QByteArray &block)
{
    std::vector<QByteArrayView> result;
    const qsizetype lineLength = data.packed ? block.size() : data.lineLength;
    for (qsizetype start = 0; start < block.size(); start += lineLength) {
        const QByteArrayView line = QByteArrayView(block).sliced(start, lineLength);
        for (qsizetype at = 0; at < line.size(); at += ValuesPerLine)
            result.push_back(line.sliced(at, std::min<qsizetype>(ValuesPerLine, line.size() - at)));
    }
    return result;
}

CSource writeC(const Data &data)
{
    const QByteArray macro = data.symbol.toUpper();
    const QByteArray guard = macro + "_H_INCLUDED";
    const qsizetype size = qsizetype(data.blockCells.width()) * data.blockCells.height();

    CSource out;
    QByteArray &h = out.header;
    h = "/* " + data.comment() + " */\n";
    h += "#ifndef " + guard + "\n#define " + guard + "\n\n";
    h += define(macro + "_WIDTH", data.blockCells.width());
    h += define(macro + "_HEIGHT", data.blockCells.height());
    h += define(macro + "_SIZE", size);
    if (data.split) {
        h += define(macro + "_SCREENS", static_cast<qsizetype>(data.blocks.size()));
        h += define(macro + "_SCREENS_ACROSS", data.screens.width());
        h += define(macro + "_SCREENS_DOWN", data.screens.height());
    }
    if (data.packed)
        for (std::size_t i = 0; i < data.blocks.size(); ++i)
            h += define(sizeMacro(data, i), data.blocks[i].size());
    h += "\n#ifdef __cplusplus\nextern \"C\" {\n#endif\n\n";
    for (std::size_t i = 0; i < data.blocks.size(); ++i)
        h += "extern const unsigned char " + data.label(i) + '[' +
             (data.packed ? sizeMacro(data, i) : macro + "_SIZE") + "];\n";
    h += "\n#ifdef __cplusplus\n}\n#endif\n\n#endif\n";

    QByteArray &c = out.source;
    c = "/* " + data.comment() + " */\n";
    const ValueTexts hexBytes(hexByte);
    for (std::size_t i = 0; i < data.blocks.size(); ++i) {
        const QByteArray &block = data.blocks[i];
        const QByteArray declaration = "const unsigned char " + data.label(i) + '[' +
                                       unsignedNumber(block.size()) + ']';
        c += "\nextern " + declaration + ";\n" + declaration + " = {\n";
        const std::vector<QByteArrayView> parts = lines(data, block);
        for (std::size_t line = 0; line < parts.size(); ++line) {
            c += "    ";
            hexBytes.appendJoined(c, parts[line], ", ");
            c += line + 1 < parts.size() ? ",\n" : "\n";
        }
        c += "};\n";
    }
    return out;
}

} // namespace SourceFormats
