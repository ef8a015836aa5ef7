// SPDX-License-Identifier: MIT
#include "cli/Commands.h"

#include "cli/CommandLine.h"
#include "cli/CsvFormat.h"
#include "cli/Inflate.h"
#include "cli/InputFile.h"
#include "cli/LoadedMap.h"
#include "cli/MapExport.h"
#include "cli/MapFileCheck.h"
#include "cli/OutputPaths.h"
#include "cli/PngFile.h"
#include "cli/TileSheet.h"
#include "cli/TmjFormat.h"
#include "cli/TmxFormat.h"
#include "core/files/AtomicFile.h"
#include "core/files/BitmapExport.h"
#include "core/preview/MapPicture.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapFileIO.h"

#include <QFileInfo>

#include <bitset>

namespace Commands {

namespace {

// The first bytes of every gzip stream.
constexpr QByteArrayView GzipMagic = "\x1f\x8b";

// A map 255 or 256 columns wide can only be stored with the width byte 255,
// which makes it the whole grid.
QStringList sizeWarnings(const QString &input, const MapCells &cells)
{
    if (cells.width < MapFile::FullWidthByte ||
        (cells.width == Tiles::GridColumns && cells.height == Tiles::GridRows))
        return {};
    return {QStringLiteral("%1: warning: %2 x %3 tiles read; a map file keeps a map %2 columns "
                           "wide only as the whole %4 x %5 grid, so the map is %4 x %5 tiles, "
                           "the cells not read being tile 0")
                .arg(input, QString::number(cells.width), QString::number(cells.height),
                     QString::number(Tiles::GridColumns), QString::number(Tiles::GridRows))};
}

Failure cannotWrite(const QString &fileName, const QString &reason)
{
    return Failure::of(fileName, QStringLiteral("cannot write: %1").arg(reason));
}

QString mapName(const QString &path)
{
    return QFileInfo(path).completeBaseName();
}

QString hexBytes(const QByteArray &bytes)
{
    QStringList parts;
    for (int i = 0; i < MapFile::GridOffset; ++i)
        parts.append(i < bytes.size()
                         ? QStringLiteral("%1")
                               .arg(static_cast<std::uint8_t>(bytes[i]), 2, 16, QLatin1Char('0'))
                               .toUpper()
                         : QStringLiteral("--"));
    return parts.join(QLatin1Char(' '));
}

// What the width byte 255 means, which the size alone does not show.
QString sizeNote(const QByteArray &bytes)
{
    return MapFile::decode(bytes).widthByte == MapFile::FullWidthByte
               ? QStringLiteral(" (width byte 255: the whole grid)")
               : QString();
}

QString loadingNote(const LoadedMap &map)
{
    const QStringList changes = MapFileCheck::loadChanges(map.bytes(), map.fileSize());
    if (changes.isEmpty())
        return QStringLiteral("loads in the editor unchanged");
    return QStringLiteral("the editor loads it changed: %1")
        .arg(changes.join(QStringLiteral(", ")));
}

Report info(LoadedMap &map, const Shared &shared, const QString &input)
{
    if (const Outcome<> loaded = map.load(input, QImage(), shared.request.lenient);
        !loaded.succeeded())
        return loaded.failure();
    const MapCells cells = map.cells();
    std::bitset<Tiles::TileCount> used;
    for (const std::uint8_t tile : cells.cells)
        used.set(tile);
    // The name goes in front, not through arg(), so a "%" in it is never
    // taken for a marker.
    const QString line =
        InputFile::nameOf(input) +
        QStringLiteral(": bytes %1; size %2 x %3 tiles%4; canvas %5 x %6 pixels; distinct tiles "
                       "%7; file %8 bytes; %9")
            .arg(hexBytes(map.bytes()))
            .arg(map.width())
            .arg(map.height())
            .arg(sizeNote(map.bytes()))
            .arg(map.canvasSize().width())
            .arg(map.canvasSize().height())
            .arg(used.count())
            .arg(map.fileSize())
            .arg(loadingNote(map));
    return Output{(line + QLatin1Char('\n')).toUtf8(), {}};
}

Report render(LoadedMap &map, const Shared &shared, const QString &input, const QString &output)
{
    if (const Outcome<> loaded = map.load(input, shared.sheet, shared.request.lenient);
        !loaded.succeeded())
        return loaded.failure();
    if (const Outcome<> allowed = shared.inputs.allowWrites({output}); !allowed.succeeded())
        return allowed.failure();
    if (const Outcome<> folder = OutputPaths::makeFolderFor(output); !folder.succeeded())
        return folder.failure();
    const float zoom = shared.request.zoom;
    const FileResult written = shared.request.format == Formats::Png
                                   ? PngFile::write(MapPicture::scaledSize(map.canvasSize(), zoom),
                                                    MapPicture::bands(map.state(), zoom), output)
                                   : MapPicture::writeBitmap(map.state(), output, zoom);
    if (!written.succeeded())
        return cannotWrite(output, written.reason());
    return {};
}

Report writeFile(const Shared &shared, const QString &output, const QByteArray &bytes)
{
    if (output == CommandLine::StandardOutput)
        return Output{bytes, {}};
    if (const Outcome<> allowed = shared.inputs.allowWrites({output}); !allowed.succeeded())
        return allowed.failure();
    if (const Outcome<> folder = OutputPaths::makeFolderFor(output); !folder.succeeded())
        return folder.failure();
    const FileResult saved = MapFile::save(output, bytes);
    if (!saved.succeeded())
        return cannotWrite(output, saved.reason());
    return {};
}

// The files of one export, and for a Tiled map (TMX or JSON) the tile sheet
// beside them. Standard output takes the one file of its export; files on
// disk are written as one set, so a failure leaves none of them changed.
Report writeExport(const LoadedMap &map, const Shared &shared, const MapExport::Files &files,
                   const QString &input, const QString &output)
{
    const QString &format = shared.request.format;
    Output result;
    if (!files.warning.isEmpty())
        result.warnings.append(
            QStringLiteral("%1: warning: %2").arg(InputFile::nameOf(input), files.warning));
    std::vector<AtomicFile::Content> contents;
    for (const MapExport::File &file : files.files) {
        if (file.path == CommandLine::StandardOutput)
            result.out += file.bytes;
        else
            contents.emplace_back(file.path, file.bytes);
    }
    if (format == Formats::Tmx || format == Formats::Tmj) {
        const QString sheetPath = MapExport::sheetPathFor(output);
        contents.emplace_back(sheetPath,
                              PngFile::content(map.state().tileSheet.image(), sheetPath));
    }
    QStringList paths;
    for (const AtomicFile::Content &content : contents)
        paths.append(content.path);
    if (const Outcome<> allowed = shared.inputs.allowWrites(paths); !allowed.succeeded())
        return allowed.failure();
    for (const QString &path : std::as_const(paths))
        if (const Outcome<> folder = OutputPaths::makeFolderFor(path); !folder.succeeded())
            return folder.failure();
    if (const FileResult written = AtomicFile::writeAll(contents); !written.succeeded())
        return cannotWrite(written.fileName(), written.reason());
    return result;
}

Report exportMap(LoadedMap &map, const Shared &shared, const QString &input, const QString &output)
{
    if (const Outcome<> loaded = map.load(input, shared.sheet, shared.request.lenient);
        !loaded.succeeded())
        return loaded.failure();
    const Outcome<MapExport::Files> files = MapExport::build(
        map.cells(), shared.request.format, shared.request.exportOptions, mapName(input), output);
    if (!files.succeeded())
        return files.failure().in(InputFile::nameOf(input));
    return writeExport(map, shared, files.value(), input, output);
}

Report importMap(const Shared &shared, const QString &input, const QString &output)
{
    const QString name = InputFile::nameOf(input);
    Outcome<QByteArray> text = InputFile::read(input);
    if (!text.succeeded())
        return text.failure();
    // A .tmx.gz, or any input packed with gzip, is read unpacked.
    if (text.value().startsWith(GzipMagic)) {
        text = Inflate::unpackUpTo(text.value(), Inflate::Wrapper::Gzip, InputFile::MaxBytes);
        if (!text.succeeded())
            return text.failure().in(name);
    }
    const QString format = CommandLine::importFormatOf(shared.request.format, input);
    const QString &layer = shared.request.layer;
    const Outcome<MapCells> cells = format == Formats::Tmx   ? TmxFormat::read(text.value(), layer)
                                    : format == Formats::Tmj ? TmjFormat::read(text.value(), layer)
                                                             : CsvFormat::read(text.value());
    if (!cells.succeeded())
        return cells.failure().in(name);
    Report report = writeFile(shared, output, LoadedMap::fileFor(cells.value()));
    if (report.succeeded())
        report.value().warnings = sizeWarnings(name, cells.value());
    return report;
}

// The files a request reads: its inputs and the --tiles sheet.
QStringList inputsOf(const Request &request)
{
    return request.inputs + QStringList{request.tiles};
}

// The files written for an input's output whose names are known before
// the input is read.
QStringList namedPaths(const Request &request, const QString &output)
{
    if (request.command != Request::Command::Export)
        return {output};
    return MapExport::namedPaths(request.format, request.exportOptions, output);
}

} // namespace

Shared::Shared(const Request &request, QImage sheet)
    : request(request), sheet(std::move(sheet)), inputs(inputsOf(request))
{
}

Outcome<QImage> prepare(const Request &request)
{
    // No file is written while one of them would replace an input. What
    // each input writes is checked once more just before it is written,
    // the numbered screens too.
    const OutputPaths::InputFiles inputs(inputsOf(request));
    for (const QString &output : request.outputs)
        if (const Outcome<> allowed = inputs.allowWrites(namedPaths(request, output));
            !allowed.succeeded())
            return allowed.failure();
    const bool draws =
        request.command == Request::Command::Render || request.command == Request::Command::Export;
    if (!draws)
        return QImage();
    if (!request.tiles.isEmpty())
        return TileSheet::read(request.tiles);
    // Only a picture and a Tiled map show tiles: the other exports are the
    // cells alone and need not decode the built-in sheet.
    const bool showsTiles = request.command == Request::Command::Render ||
                            request.format == Formats::Tmx || request.format == Formats::Tmj;
    return showsTiles ? TileSheet::builtIn() : QImage();
}

Report run(const Shared &shared, int index, LoadedMap &map)
{
    const Request &request = shared.request;
    const QString &input = request.inputs.at(index);
    switch (request.command) {
    case Request::Command::Info:
        return info(map, shared, input);
    case Request::Command::Render:
        return render(map, shared, input, request.outputs.at(index));
    case Request::Command::Export:
        return exportMap(map, shared, input, request.outputs.at(index));
    case Request::Command::Import:
        return importMap(shared, input, request.outputs.at(index));
    }
    return {};
}

} // namespace Commands
