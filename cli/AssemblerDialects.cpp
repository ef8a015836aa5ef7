// SPDX-License-Identifier: MIT
#include "cli/AssemblerDialects.h"

#include "core/files/ValueTexts.h"

#include <functional>

namespace AssemblerDialects {

namespace {

// The size of a Game Boy ROM bank, RGBDS's limit for a ROMX section.
constexpr qsizetype RgbdsBankBytes = 16384;

struct Dialect
{
    QString name;
    QByteArray commentStart;
    // Written before the first block, after the comment.
    QByteArray preamble;
    // Written before each block's label (sections, areas), with %1 for it.
    QByteArray blockStart;
    // The label line, with %1 for the label.
    QByteArray label;
    QByteArray directive;
    std::function<QByteArray(std::uint8_t)> hex;
};

QByteArray twoDigits(std::uint8_t value)
{
    return QByteArray::number(value, 16).rightJustified(2, '0');
}

QByteArray dollar(std::uint8_t value)
{
    return '$' + twoDigits(value);
}

const std::vector<Dialect> &dialects()
{
    static const std::vector<Dialect> all = {
        // Each label exported, so that the file also links as a module of
        // its own.
        {Ca65, "; ", {}, "    .export %1\n", "%1:", "    .byte ", dollar},
        {Tass64, "; ", {}, {}, "%1:", "    .byte ", dollar},
        // ACME and dasm write nothing before the program counter is set: on
        // its own the file starts at 0, and included it follows the code
        // before it. dasm knows whether the counter is set; ACME cannot ask,
        // so a program that includes the file defines AcmeIncludedSymbol.
        {Acme, "; ", "!ifndef " + AcmeIncludedSymbol.toLatin1() + " { * = $0000 }\n", {}, "%1",
         "    !byte ", dollar},
        {Dasm, "; ", "    ifnconst .\n    processor 6502\n    org $0000\n    endif\n", {}, "%1",
         "    .byte ", dollar},
        {Xa, "; ", {}, {}, "%1", "    .byte ", dollar},
        {KickAss, "// ", {}, {}, "%1:", "    .byte ", dollar},
        // Both Z80 assemblers read 0FFh, with a digit first.
        {Z80, "; ", {}, {}, "%1:", "    defb ",
         [](std::uint8_t value) { return '0' + twoDigits(value) + 'h'; }},
        // SDCC names a C object NAME as _NAME in assembler: the label is the
        // C name, exported.
        {Sdas, "; ", "    .area _CODE\n", {}, "_%1::", "    .db ",
         [](std::uint8_t value) { return "0x" + twoDigits(value); }},
        // A Game Boy ROM bank holds 16 KiB: each block gets a section of its
        // own that the linker places in any bank.
        {Rgbds, "; ", {}, "SECTION \"%1\", ROMX\n", "%1::", "    db ", dollar},
    };
    return all;
}

const Dialect &dialect(const QString &name)
{
    for (const Dialect &candidate : dialects())
        if (candidate.name == name)
            return candidate;
    return dialects().front();
}

QByteArray filled(const QByteArray &pattern, const QByteArray &label)
{
    QByteArray text = pattern;
    return text.replace("%1", label);
}

} // namespace

const QStringList &names()
{
    static const QStringList list = [] {
        QStringList result;
        for (const Dialect &each : dialects())
            result.append(each.name);
        return result;
    }();
    return list;
}

QString problemWith(const SourceFormats::Data &data, const QString &dialect)
{
    if (dialect != Rgbds)
        return {};
    for (const QByteArray &block : data.blocks)
        if (block.size() > RgbdsBankBytes)
            return QStringLiteral("a block of %1 bytes does not fit one %2-byte ROM bank, which "
                                  "is all an RGBDS section holds: split the map with --screens "
                                  "or --region")
                .arg(block.size())
                .arg(RgbdsBankBytes);
    return {};
}

QByteArray write(const SourceFormats::Data &data, const QString &name)
{
    const Dialect &style = dialect(name);
    QByteArray comment = data.comment();
    // xa reads a colon as the end of a statement, in comments too.
    if (style.name == Xa)
        comment.replace(':', ',');
    QByteArray text = style.commentStart + comment + '\n' + style.preamble;
    const ValueTexts values(style.hex);
    for (std::size_t i = 0; i < data.blocks.size(); ++i) {
        const QByteArray label = data.label(i);
        text += filled(style.blockStart, label) + filled(style.label, label) + '\n';
        for (const QByteArrayView line : SourceFormats::lines(data, data.blocks[i])) {
            text += style.directive;
            values.appendJoined(text, line, ",");
            text += '\n';
        }
    }
    return text;
}

} // namespace AssemblerDialects
