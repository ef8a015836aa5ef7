// SPDX-License-Identifier: MIT
#include "cli/SymbolNames.h"

#include <QSet>

namespace SymbolNames {

namespace {

// Compared in lower case: assemblers take registers and instructions in any
// case, and a C name that differs from a keyword only in case reads as one.
const QSet<QString> &reservedWords()
{
    static const QSet<QString> words = [] {
        const char *const lists[] = {
            // C and C++ keywords and the C names of the standard library's
            // reserved forms that a map name could spell.
            "alignas alignof and and_eq asm auto bitand bitor bool break case catch char char8_t "
            "char16_t char32_t class compl concept const consteval constexpr constinit "
            "const_cast continue co_await co_return co_yield decltype default delete do double "
            "dynamic_cast else enum explicit export extern false float for friend goto if "
            "inline int long mutable namespace new noexcept not not_eq nullptr operator or "
            "or_eq private protected public register reinterpret_cast requires restrict return "
            "short signed sizeof static static_assert static_cast struct switch template this "
            "thread_local throw true try typedef typeid typename union unsigned using virtual "
            "void volatile wchar_t while xor xor_eq main errno",
            // 6502 registers and instructions.
            "a x y s p pc sp adc and asl bcc bcs beq bit bmi bne bpl brk bvc bvs clc cld cli "
            "clv cmp cpx cpy dec dex dey eor inc inx iny jmp jsr lda ldx ldy lsr nop ora pha "
            "php pla plp rol ror rti rts sbc sec sed sei sta stx sty tax tay tsx txa txs tya",
            // Z80 and SM83 registers, conditions and instructions.
            "b c d e h l i r f af bc de hl ix iy ixh ixl iyh iyl hli hld nz z nc po pe m "
            "call ccf cp cpd cpdr cpi cpir cpl daa di djnz ei ex exx halt im in ind indr ini "
            "inir jp jr ld ldd lddr ldi ldir ldh neg otdr otir out outd outi pop push res ret "
            "reti retn rl rla rlc rlca rld rr rra rrc rrca rrd rst sbc scf set sla sra srl stop "
            "sub swap",
            // Directives the dialects spell without a leading dot.
            "org equ db dw ds dc defb defw defs defm defl end byte word hex processor seg rorg "
            "incbin include section align macro endm endr rept if else endif elif ifdef ifndef "
            "global export import module area rb rw rs charmap opt load purge",
            // The rest of RGBDS's keywords, which it takes in any case as well.
            "add def redef equs fragment bank sizeof startof round ceil floor div mul fmod pow "
            "log sin cos tan asin acos atan atan2 high low isconst bitwidth tzcount bytelen "
            "readfile strbyte strcat strchar strcmp strfind strfmt strin strlen strlwr "
            "strrfind strrin strrpl strslice strsub strupr charcmp charlen charsize charsub "
            "charval incharmap revchar print println dl endsection rsreset rsset newcharmap "
            "setcharmap pushc popc pushs pops pusho popo fail warn fatal assert shift endl "
            "endc nextu endu rom0 romx vram sram wram0 wramx oam hram"};
        QSet<QString> all;
        for (const char *list : lists)
            for (const QString &word :
                 QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                all.insert(word);
        return all;
    }();
    return words;
}

bool plain(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

bool unsafe(const QString &name)
{
    return name.isEmpty() || name.front().isDigit() || name.front() == u'_' ||
           reservedWords().contains(name.toLower());
}

} // namespace

QString fromFileName(const QString &name)
{
    QString result;
    for (const QChar c : name) {
        if (plain(c))
            result += c;
        else if (!result.endsWith(QLatin1Char('_')))
            result += QLatin1Char('_');
    }
    // An underscore at the start stays out: it would only be followed by
    // the prefix's own.
    while (result.startsWith(QLatin1Char('_')))
        result.remove(0, 1);
    if (result.isEmpty())
        return Prefix.chopped(1);
    if (unsafe(result))
        result.prepend(Prefix);
    return result;
}

QString problemWith(const QString &name)
{
    for (const QChar c : name)
        if (!plain(c) && c != u'_')
            return QStringLiteral("--symbol takes letters, digits and underscores only, "
                                  "not '%1'")
                .arg(name);
    if (name.contains(QStringLiteral("__")))
        return QStringLiteral("--symbol '%1' has two underscores in a row, which C++ keeps "
                              "for itself")
            .arg(name);
    if (unsafe(name))
        return QStringLiteral("--symbol '%1' is empty, starts with a digit or an underscore, or "
                              "is a keyword or a register, instruction or directive name")
            .arg(name);
    return {};
}

} // namespace SymbolNames
