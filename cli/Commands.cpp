// SPDX-License-Identifier: MIT
#include "cli/Commands.h"

#include "cli/CommandLine.h"
#include "cli/CsvFormat.h"
#include "cli/InputFile.h"
#include "cli/LoadedMap.h"
#include "cli/MapFileCheck.h"
#include "cli/OutputPaths.h"
#include "cli/PngFile.h"
#include "cli/SourceFormats.h"
#include "cli/TileSheet.h"
#include "cli/TmxFormat.h"
#include "core/files/BitmapExport.h"
#include "core/preview/MapPicture.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapFileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <bitset>

namespace Commands {

namespace {

// The tile sheet of an exported TMX file: beside it, named after it.
const QString SheetSuffix = QStringLiteral(".tiles.png");

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
    const QString line = QStringLiteral("%1: bytes %2; size %3 x %4 tiles%5; canvas %6 x %7 "
                                        "pixels; distinct tiles %8; file %9 bytes; %10")
                             .arg(InputFile::nameOf(input), hexBytes(map.bytes()))
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

Report writeFile(const QString &output, const QByteArray &bytes)
{
    if (output == CommandLine::StandardOutput)
        return Output{bytes, {}};
    if (const Outcome<> folder = OutputPaths::makeFolderFor(output); !folder.succeeded())
        return folder.failure();
    const FileResult saved = MapFile::save(output, bytes);
    if (!saved.succeeded())
        return cannotWrite(output, saved.reason());
    return {};
}

// A TMX file and its tile sheet beside it. A sheet written for a map file
// that then cannot be written is taken away again.
Report writeTmx(const LoadedMap &map, const QString &input, const QString &output)
{
    const QFileInfo target(output);
    const QString sheetName = target.completeBaseName() + SheetSuffix;
    const QString sheetPath = target.dir().filePath(sheetName);
    if (const Outcome<> folder = OutputPaths::makeFolderFor(output); !folder.succeeded())
        return folder.failure();
    const bool sheetExisted = QFileInfo::exists(sheetPath);
    const QImage &sheet = map.state().tileSheet.image();
    const FileResult sheetWritten = PngFile::write(sheet.size(), bandsOf(sheet), sheetPath);
    if (!sheetWritten.succeeded())
        return cannotWrite(sheetPath, sheetWritten.reason());
    Report report = writeFile(output, TmxFormat::write(map.cells(), mapName(input), sheetName));
    if (!report.succeeded() && !sheetExisted)
        QFile::remove(sheetPath);
    return report;
}

Report exportMap(LoadedMap &map, const Shared &shared, const QString &input, const QString &output)
{
    if (const Outcome<> loaded = map.load(input, shared.sheet, shared.request.lenient);
        !loaded.succeeded())
        return loaded.failure();
    const QString &format = shared.request.format;
    if (format == Formats::Tmx)
        return writeTmx(map, input, output);
    const MapCells cells = map.cells();
    if (format == Formats::Csv)
        return writeFile(output, CsvFormat::write(cells));
    if (format == Formats::Asm)
        return writeFile(output, SourceFormats::writeAssembler(cells, mapName(input)));
    return writeFile(output, SourceFormats::writeC(cells, mapName(input)));
}

Report importMap(const Shared &shared, const QString &input, const QString &output)
{
    const Outcome<QByteArray> text = InputFile::read(input);
    if (!text.succeeded())
        return text.failure();
    const QString format = shared.request.format.isEmpty() ? QFileInfo(input).suffix().toLower()
                                                           : shared.request.format;
    const Outcome<MapCells> cells =
        format == Formats::Tmx ? TmxFormat::read(text.value()) : CsvFormat::read(text.value());
    if (!cells.succeeded())
        return cells.failure().in(input);
    return writeFile(output, LoadedMap::fileFor(cells.value()));
}

} // namespace

Outcome<QImage> prepare(const Request &request)
{
    const bool draws =
        request.command == Request::Command::Render || request.command == Request::Command::Export;
    if (!draws)
        return QImage();
    if (request.tiles.isEmpty())
        return TileSheet::builtIn();
    return TileSheet::read(request.tiles);
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
