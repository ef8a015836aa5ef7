// SPDX-License-Identifier: MIT
#include "tools/artgen/Banner.h"

#include "tools/artgen/Font.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/TileIds.h"

#include <QPainter>

#include <string_view>

namespace ArtGen {

namespace {

constexpr int BannerWidth = 1200;
constexpr int BannerHeight = 45;
constexpr int Scale = 5; // one glyph pixel on the banner
constexpr std::string_view Name = "Tesselwick";

struct Span
{
    int first, last;
};

// The columns a glyph really uses; the lettering is set proportionally so the narrow 'i' and
// 'l' don't leave gaps.
Span usedColumns(const Glyph &g)
{
    Span s{8, -1};
    for (const char *row : g)
        for (int x = 0; x < 8; ++x)
            if (row[x] == '#') {
                s.first = std::min(s.first, x);
                s.last = std::max(s.last, x);
            }
    return s;
}

// Draws the name with its left edge at x and returns its width, all in glyph pixels.
int drawName(QPainter *p, int x, int y, const QColor &colour)
{
    int cursor = 0;
    for (char c : Name) {
        const Glyph &g = letteringGlyph(c);
        const Span s = usedColumns(g);
        if (p)
            for (int row = 0; row < 8; ++row)
                for (int col = s.first; col <= s.last; ++col)
                    if (g[row][col] == '#')
                        p->fillRect(x + (cursor + col - s.first) * Scale, y + row * Scale, Scale,
                                    Scale, colour);
        cursor += s.last - s.first + 2;
    }
    return cursor - 1;
}

void drawGlyph(QPainter &p, const Glyph &g, int x, int y, int scale, const QColor &colour)
{
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col)
            if (g[row][col] == '#')
                p.fillRect(x + col * scale, y + row * scale, scale, scale, colour);
}

// A short run of picture glyphs in alternating colours, reading outwards from the name.
void drawOrnament(QPainter &p, int x, int y, int step)
{
    const int pictures[] = {GlyphDiamond, GlyphStar, GlyphDiamond};
    for (int i = 0; i < 3; ++i)
        drawGlyph(p, tileGlyph(pictures[i]), x + i * step, y, 3,
                  QColor::fromRgb(rgb(i % 2 ? White : Red)));
}

} // namespace

QImage banner()
{
    QImage image(BannerWidth, BannerHeight, QImage::Format_RGB888);
    image.fill(Qt::black);
    QPainter p(&image);

    // Seven rows of letters plus one of shadow below them.
    const int width = drawName(nullptr, 0, 0, {}) * Scale;
    const int x = (BannerWidth - width - Scale) / 2;
    const int y = (BannerHeight - 8 * Scale) / 2;
    drawName(&p, x + Scale, y + Scale, QColor::fromRgb(rgb(DarkRed)));
    drawName(&p, x + Scale / 2 + 1, y + Scale / 2 + 1, QColor::fromRgb(rgb(Red)));
    drawName(&p, x, y, QColor::fromRgb(rgb(White)));

    constexpr int Gap = 36, Step = 34, OrnamentWidth = 2 * Step + 21;
    const int oy = y + 4 * Scale - 12;
    drawOrnament(p, x - Gap - OrnamentWidth, oy, Step);
    drawOrnament(p, x + width + Scale + Gap, oy, Step);
    return image;
}

} // namespace ArtGen
