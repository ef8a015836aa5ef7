// SPDX-License-Identifier: MIT
#include "cli/Commands.h"

#include "cli/CommandLine.h"
#include "cli/CsvFormat.h"
#include "cli/InputFile.h"
#include "cli/LoadedMap.h"
#include "cli/MapExport.h"
#include "cli/PngFile.h"
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

Report failure(const QString &message)
{
    Report report;
    report.ok = false;
    report.err = (ProgramName + QStringLiteral(": ") + message + QLatin1Char('\n')).toUtf8();
    return report;
}

Report cannotWrite(const QString &fileName, const QString &reason)
{
    return failure(QStringLiteral("%1: cannot write: %2").arg(fileName, reason));
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

// Why the editor's size differs from the bytes, when it does.
QString sizeNote(const QByteArray &bytes)
{
    const MapFile::Contents contents = MapFile::decode(bytes);
    if (contents.widthByte == MapFile::FullWidthByte)
        return QStringLiteral(" (width byte 255: the whole grid)");
    QStringList notes;
    if (contents.widthByte == 0)
        notes.append(QStringLiteral("width byte 0 taken as 1"));
    if (contents.heightByte == 0)
        notes.append(QStringLiteral("height byte 0 taken as 1"));
    if (contents.heightByte > Tiles::GridRows)
        notes.append(QStringLiteral("height byte %1 taken as %2")
                         .arg(contents.heightByte)
                         .arg(Tiles::GridRows));
    return notes.isEmpty() ? QString()
                           : QStringLiteral(" (%1)").arg(notes.join(QStringLiteral(", ")));
}

Report info(LoadedMap &map, const QString &input)
{
    QString error;
    if (!map.load(input, QImage(), &error))
        return failure(QStringLiteral("%1: %2").arg(input, error));
    const MapCells cells = map.cells();
    std::bitset<Tiles::TileCount> used;
    for (const std::uint8_t tile : cells.cells)
        used.set(tile);
    QString line = QStringLiteral("%1: bytes %2; size %3 x %4 tiles%5; canvas %6 x %7 pixels; "
                                  "distinct tiles %8")
                       .arg(input, hexBytes(map.bytes()))
                       .arg(map.width())
                       .arg(map.height())
                       .arg(sizeNote(map.bytes()))
                       .arg(map.canvasSize().width())
                       .arg(map.canvasSize().height())
                       .arg(used.count());
    if (map.bytes().size() < MapFile::FileSize)
        line += QStringLiteral("; short file: %1 of %2 bytes, the rest read as 0")
                    .arg(map.bytes().size())
                    .arg(MapFile::FileSize);
    Report report;
    report.out = (line + QLatin1Char('\n')).toUtf8();
    return report;
}

Report render(LoadedMap &map, const Shared &shared, const QString &input, const QString &output)
{
    QString error;
    if (!map.load(input, shared.sheet, &error))
        return failure(QStringLiteral("%1: %2").arg(input, error));
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
    if (output == CommandLine::StandardOutput) {
        Report report;
        report.out = bytes;
        return report;
    }
    const FileResult saved = MapFile::save(output, bytes);
    if (!saved.succeeded())
        return cannotWrite(output, saved.reason());
    return {};
}

// The files of one export, and for TMX the tile sheet beside them. A sheet
// written for map files that then cannot be written is taken away again.
Report writeExport(const LoadedMap &map, const Shared &shared, const MapExport::Files &files,
                   const QString &input, const QString &output)
{
    QString sheetPath;
    bool sheetExisted = true;
    if (shared.request.format == Formats::Tmx) {
        sheetPath = MapExport::sheetPathFor(output);
        sheetExisted = QFileInfo::exists(sheetPath);
        const QImage &sheet = map.state().tileSheet.image();
        const FileResult sheetWritten = PngFile::write(sheet.size(), bandsOf(sheet), sheetPath);
        if (!sheetWritten.succeeded())
            return cannotWrite(sheetPath, sheetWritten.reason());
    }
    Report report;
    if (!files.warning.isEmpty())
        report.err = QStringLiteral("%1: %2: warning: %3\n")
                         .arg(ProgramName, input, files.warning)
                         .toUtf8();
    for (const MapExport::File &file : files.files) {
        const Report written = writeFile(file.path, file.bytes);
        if (!written.ok) {
            if (!sheetExisted)
                QFile::remove(sheetPath);
            return written;
        }
        report.out += written.out;
    }
    return report;
}

Report exportMap(LoadedMap &map, const Shared &shared, const QString &input, const QString &output)
{
    QString error;
    if (!map.load(input, shared.sheet, &error))
        return failure(QStringLiteral("%1: %2").arg(input, error));
    MapExport::Files files;
    Problem problem;
    if (!MapExport::build(map.cells(), shared.request.format, shared.request.exportOptions,
                          mapName(input), output, &files, &problem))
        return failure(problem.describe(input));
    return writeExport(map, shared, files, input, output);
}

Report importMap(const Shared &shared, const QString &input, const QString &output)
{
    QByteArray text;
    QString error;
    if (!InputFile::read(input, &text, &error))
        return failure(QStringLiteral("%1: %2").arg(input, error));
    const QString format = shared.request.format.isEmpty() ? QFileInfo(input).suffix().toLower()
                                                           : shared.request.format;
    MapCells cells;
    Problem problem;
    const bool ok = format == Formats::Tmx ? TmxFormat::read(text, &cells, &problem)
                                           : CsvFormat::read(text, &cells, &problem);
    if (!ok)
        return failure(problem.describe(input));
    return writeFile(output, LoadedMap::fileFor(cells));
}

} // namespace

Report prepare(const Request &request, QImage *sheet)
{
    const bool draws =
        request.command == Request::Command::Render || request.command == Request::Command::Export;
    if (!draws)
        return {};
    // Of the exports only TMX writes the sheet; the others need no picture.
    const bool needsSheet =
        request.command == Request::Command::Render || request.format == Formats::Tmx;
    if (request.tiles.isEmpty()) {
        if (needsSheet)
            *sheet = TileSheet::builtIn();
        return {};
    }
    QString error;
    if (!TileSheet::read(request.tiles, sheet, &error))
        return failure(QStringLiteral("%1: %2").arg(request.tiles, error));
    return {};
}

Report run(const Shared &shared, int index, LoadedMap &map)
{
    const Request &request = shared.request;
    const QString &input = request.inputs.at(index);
    switch (request.command) {
    case Request::Command::Info:
        return info(map, input);
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
