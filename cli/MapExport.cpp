// SPDX-License-Identifier: MIT
#include "cli/MapExport.h"

#include "cli/AssemblerDialects.h"
#include "cli/CommandLine.h"
#include "cli/CsvFormat.h"
#include "cli/MapLayout.h"
#include "cli/RunLength.h"
#include "cli/SourceFormats.h"
#include "cli/SymbolNames.h"
#include "cli/TmjFormat.h"
#include "cli/TmxFormat.h"

#include <QDir>
#include <QFileInfo>

#include <cstdlib>

namespace MapExport {

namespace {

const QString SheetSuffix = QStringLiteral(".tiles.png");
const QString HeaderSuffix = QStringLiteral("h");

bool isTiled(const QString &format)
{
    return format == Formats::Tmx || format == Formats::Tmj;
}

// Each screen a file of its own, rather than one file of them all.
bool screenFiles(const QString &format, const ExportOptions &options)
{
    return options.screens.has_value() && (format == Formats::Csv || isTiled(format));
}

QString headerPathFor(const QString &output)
{
    const QFileInfo info(output);
    return info.dir().filePath(info.completeBaseName() + QLatin1Char('.') + HeaderSuffix);
}

// output with "_N" before its extension.
QString numbered(const QString &output, std::size_t index)
{
    const QFileInfo info(output);
    return info.dir().filePath(info.completeBaseName() + QLatin1Char('_') + QString::number(index) +
                               QLatin1Char('.') + info.suffix());
}

QString summary(const MapCells &cells, const MapLayout::Blocks &laid, const ExportOptions &options)
{
    QStringList parts;
    parts.append(QStringLiteral("%1 x %2 tiles").arg(cells.width).arg(cells.height));
    if (options.region)
        parts.last() += QStringLiteral(", region %1,%2 of %3 x %4")
                            .arg(options.region->x())
                            .arg(options.region->y())
                            .arg(options.region->width())
                            .arg(options.region->height());
    parts.append(QStringLiteral("one byte a tile"));
    parts.append(options.order == ExportOptions::Order::Columns ? QStringLiteral("column by column")
                                                                : QStringLiteral("row by row"));
    if (options.screens)
        parts.append(QStringLiteral("in %1 screens of %2 x %3 (%4 across, %5 down)")
                         .arg(laid.blocks.size())
                         .arg(options.screens->width())
                         .arg(options.screens->height())
                         .arg(laid.screens.width())
                         .arg(laid.screens.height()));
    if (options.offset != 0)
        parts.append(QStringLiteral("tile numbers %1%2%3")
                         .arg(options.offset > 0 ? QStringLiteral("+") : QStringLiteral("-"))
                         .arg(std::abs(options.offset))
                         .arg(options.wrap ? QStringLiteral(" modulo 256") : QString()));
    if (options.rle)
        parts.append(QStringLiteral("run-length packed"));
    return parts.join(QStringLiteral(", "));
}

QByteArray bytesOf(const MapCells &block)
{
    return QByteArray(reinterpret_cast<const char *>(block.cells.data()),
                      static_cast<qsizetype>(block.cells.size()));
}

SourceFormats::Data sourceData(const MapCells &cells, const MapLayout::Blocks &laid,
                               const ExportOptions &options, const QString &mapName)
{
    SourceFormats::Data data;
    data.mapName = mapName;
    data.summary = summary(cells, laid, options);
    data.symbol =
        (options.symbol.isEmpty() ? SymbolNames::fromFileName(mapName) : options.symbol).toUtf8();
    const MapCells &first = laid.blocks.front();
    const bool turned = options.order == ExportOptions::Order::Columns;
    data.blockCells = turned ? QSize(first.height, first.width) : QSize(first.width, first.height);
    data.split = options.screens.has_value();
    data.screens = laid.screens;
    data.lineLength = first.width;
    data.packed = options.rle;
    for (const MapCells &block : laid.blocks)
        data.blocks.push_back(options.rle ? RunLength::pack(bytesOf(block)) : bytesOf(block));
    return data;
}

} // namespace

QString sheetPathFor(const QString &output)
{
    const QFileInfo target(output);
    return target.dir().filePath(target.completeBaseName() + SheetSuffix);
}

QStringList namedPaths(const QString &format, const ExportOptions &options, const QString &output)
{
    if (output == CommandLine::StandardOutput)
        return {};
    QStringList paths;
    if (!screenFiles(format, options))
        paths.append(output);
    if (isTiled(format))
        paths.append(sheetPathFor(output));
    if (format == Formats::C)
        paths.append(headerPathFor(output));
    return paths;
}

Outcome<Files> build(const MapCells &cells, const QString &format, const ExportOptions &options,
                     const QString &mapName, const QString &output)
{
    const Outcome<MapLayout::Blocks> layout = MapLayout::lay(cells, options);
    if (!layout.succeeded())
        return layout.failure();
    const MapLayout::Blocks &laid = layout.value();
    Files files;
    if (laid.padded != laid.cut)
        files.warning = QStringLiteral("%1 x %2 cells do not divide into screens of %3 x %4: "
                                       "padded with tile 0 to %5 x %6")
                            .arg(laid.cut.width())
                            .arg(laid.cut.height())
                            .arg(options.screens->width())
                            .arg(options.screens->height())
                            .arg(laid.padded.width())
                            .arg(laid.padded.height());

    if (format == Formats::Csv || isTiled(format)) {
        const bool several = screenFiles(format, options);
        const QString sheetName = QFileInfo(sheetPathFor(output)).fileName();
        for (std::size_t i = 0; i < laid.blocks.size(); ++i) {
            const QString path = several ? numbered(output, i) : output;
            const QString name = several ? QStringLiteral("%1_%2").arg(mapName).arg(i) : mapName;
            const MapCells &block = laid.blocks[i];
            files.files.push_back({path, format == Formats::Csv ? CsvFormat::write(block)
                                         : format == Formats::Tmx
                                             ? TmxFormat::write(block, name, sheetName)
                                             : TmjFormat::write(block, name, sheetName)});
        }
        return files;
    }
    const SourceFormats::Data data = sourceData(cells, laid, options, mapName);
    if (format == Formats::Bin) {
        QByteArray all;
        for (const QByteArray &block : data.blocks)
            all += block;
        files.files.push_back({output, all});
    } else if (format == Formats::Asm) {
        if (const QString problem = AssemblerDialects::problemWith(data, options.dialect);
            !problem.isEmpty())
            return Failure::usage(problem);
        files.files.push_back({output, AssemblerDialects::write(data, options.dialect)});
    } else {
        SourceFormats::CSource source = SourceFormats::writeC(data);
        files.files.push_back({output, std::move(source.source)});
        if (output != CommandLine::StandardOutput)
            files.files.push_back({headerPathFor(output), std::move(source.header)});
    }
    return files;
}

} // namespace MapExport
