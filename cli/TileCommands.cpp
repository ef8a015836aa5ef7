// SPDX-License-Identifier: MIT
#include "cli/TileCommands.h"

#include "cli/InputFile.h"
#include "cli/LoadedMap.h"
#include "cli/OutputPaths.h"
#include "cli/PngFile.h"
#include "cli/Request.h"
#include "cli/TileSheet.h"
#include "core/files/AtomicFile.h"
#include "core/files/BitmapExport.h"
#include "core/render/PictureBand.h"
#include "core/tiles/PictureImport.h"
#include "core/tiles/PictureTiles.h"
#include "core/tiles/TileBudget.h"
#include "mapfile/MapFileFormat.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace TileCommands {

namespace {

const QString ImportPictureCommand = QStringLiteral("import-picture");
const QString TilesCommand = QStringLiteral("tiles");
const QString CompactCommand = QStringLiteral("compact");

struct Options
{
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("The map file to write."), QStringLiteral("MAP")};
    QCommandLineOption sheet{{QStringLiteral("s"), QStringLiteral("sheet")},
                             QStringLiteral("The tile sheet picture to write (.png or .bmp)."),
                             QStringLiteral("SHEET")};
    QCommandLineOption tiles{{QStringLiteral("t"), QStringLiteral("tiles")},
                             QStringLiteral("The map's tile sheet."), QStringLiteral("SHEET")};
    QCommandLineOption merge{{QStringLiteral("m"), QStringLiteral("merge")},
                             QStringLiteral("Merge similar tiles down to 256.")};
};

using Result = Outcome<QByteArray>;

Failure usageError(const QString &message)
{
    return Failure::usage(message);
}

Failure badInput(const QString &file, const QString &message)
{
    return Failure::of(file, message);
}

Failure cannotWrite(const FileResult &result)
{
    return badInput(result.fileName(), QStringLiteral("cannot write: ") + result.reason());
}

bool namesPicture(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == Formats::Png || suffix == Formats::Bmp;
}

AtomicFile::Content sheetContent(const QImage &sheet, const QString &path)
{
    if (QFileInfo(path).suffix().toLower() == Formats::Bmp)
        return {path, bitmapContent(sheet, path)};
    return {path, PngFile::content(sheet, path)};
}

// Writes the map and its sheet as one set: both or neither.
Result writeMapAndSheet(const EditorState &state, const QString &mapPath, const QString &sheetPath)
{
    const QByteArray map = MapFile::encode(state);
    const FileResult written =
        AtomicFile::writeAll({{mapPath, map}, sheetContent(state.tileSheet.image(), sheetPath)});
    if (!written.succeeded())
        return cannotWrite(written);
    return QByteArray();
}

Result importPicture(const QString &input, const QString &mapPath, const QString &sheetPath,
                      bool merge)
{
    const PictureImport::Picture picture = PictureImport::read(input);
    if (picture.status != PictureImport::Picture::Status::Loaded)
        return badInput(input, picture.problem());
    const PictureTiles::Cut cut = PictureTiles::cut(picture.image);
    const std::optional<PictureImport::Plan> plan = PictureImport::plan(cut, merge);
    if (!plan)
        return badInput(input,
                        PictureImport::TooManyTilesMessage.arg(cut.distinctCount()) +
                            QStringLiteral(" Give --merge to merge similar tiles."));
    EditorState state;
    state.history.setRecording(false);
    TileBudget::importPicture(state, *plan, QFileInfo(input).fileName());
    const Result written = writeMapAndSheet(state, mapPath, sheetPath);
    if (!written.succeeded() || !plan->merged)
        return written;
    return QStringLiteral("%1: %2\n").arg(input, plan->mergedText()).toUtf8();
}

// "4-9, 12, 200-255": the tiles in runs.
QString runsOf(const std::vector<int> &tiles)
{
    QStringList runs;
    for (std::size_t i = 0; i < tiles.size();) {
        std::size_t end = i;
        while (end + 1 < tiles.size() && tiles[end + 1] == tiles[end] + 1)
            ++end;
        runs.append(end == i ? QString::number(tiles[i])
                             : QStringLiteral("%1-%2").arg(tiles[i]).arg(tiles[end]));
        i = end + 1;
    }
    return runs.join(QStringLiteral(", "));
}

Result listTiles(const QString &input, const QImage &sheet, bool sheetGiven)
{
    LoadedMap map;
    if (const Outcome<> loaded = map.load(input, sheet, false); !loaded.succeeded())
        return loaded.failure();
    const TileBudget::Counts counts = TileBudget::countUses(map.state());
    // With the sheet given, tiles that draw the same picture are named: one
    // of them would do.
    std::vector<int> firstWithPicture(Tiles::TileCount);
    if (sheetGiven) {
        const PictureTiles::Cut pictures = PictureTiles::cut(map.state().tileSheet.image());
        std::vector<int> first(std::size_t(pictures.distinctCount()), -1);
        for (int tile = 0; tile < Tiles::TileCount; ++tile) {
            int &seen = first[std::size_t(pictures.cells[tile])];
            firstWithPicture[tile] = seen < 0 ? tile : seen;
            if (seen < 0)
                seen = tile;
        }
    } else {
        for (int tile = 0; tile < Tiles::TileCount; ++tile)
            firstWithPicture[tile] = tile;
    }

    const QRect cells = TileBudget::mapCells(map.state());
    QString text;
    std::vector<int> unused;
    for (int tile = 0; tile < Tiles::TileCount; ++tile) {
        if (counts[tile] == 0) {
            unused.push_back(tile);
            continue;
        }
        text += QStringLiteral("tile %1: %2").arg(tile).arg(counts[tile]);
        if (firstWithPicture[tile] != tile)
            text += QStringLiteral(" (the same picture as tile %1)").arg(firstWithPicture[tile]);
        text += QLatin1Char('\n');
    }
    const QString head = QStringLiteral("%1: %2 of %3 tiles used in %4 x %5 cells\n")
                             .arg(InputFile::nameOf(input))
                             .arg(Tiles::TileCount - int(unused.size()))
                             .arg(Tiles::TileCount)
                             .arg(cells.width())
                             .arg(cells.height());
    if (!unused.empty())
        text += QStringLiteral("unused: %1\n").arg(runsOf(unused));
    return (head + text).toUtf8();
}

Result compact(const QString &input, const QImage &sheet, const QString &mapPath,
               const QString &sheetPath)
{
    LoadedMap map;
    if (const Outcome<> loaded = map.load(input, sheet, false); !loaded.succeeded())
        return loaded.failure();
    TileBudget::compactTiles(map.editableState());
    return writeMapAndSheet(map.state(), mapPath, sheetPath);
}

} // namespace

std::optional<Result> run(const QStringList &arguments)
{
    QCommandLineParser parser;
    const Options options;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.addOptions({options.output, options.sheet, options.tiles, options.merge});
    // Parsed first without knowing the command; what belongs to another
    // command is left to the main parser.
    parser.parse(arguments);
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return std::nullopt;
    const QString command = positional.first();
    if (command != ImportPictureCommand && command != TilesCommand && command != CompactCommand)
        return std::nullopt;
    // The main parser shows the help, which covers these commands too.
    if (arguments.contains(QStringLiteral("-h")) || arguments.contains(QStringLiteral("--help")))
        return std::nullopt;
    if (!parser.unknownOptionNames().isEmpty())
        return usageError(parser.errorText());
    if (positional.size() != 2)
        return usageError(QStringLiteral("%1 takes one file").arg(command));
    const QString input = positional.at(1);
    const QString output = parser.value(options.output);
    const QString sheetOut = parser.value(options.sheet);
    const QString tiles = parser.value(options.tiles);

    const bool writes = command != TilesCommand;
    if (writes && (output.isEmpty() || sheetOut.isEmpty()))
        return usageError(QStringLiteral("%1 needs -o MAP and --sheet SHEET").arg(command));
    if (!writes && (parser.isSet(options.output) || parser.isSet(options.sheet)))
        return usageError(QStringLiteral("tiles takes no -o and no --sheet"));
    if (writes && !namesPicture(sheetOut))
        return usageError(QStringLiteral("cannot tell the picture format of '%1': name it .bmp "
                                         "or .png")
                              .arg(sheetOut));
    if (parser.isSet(options.merge) && command != ImportPictureCommand)
        return usageError(QStringLiteral("--merge belongs to import-picture"));
    if (command == ImportPictureCommand && parser.isSet(options.tiles))
        return usageError(QStringLiteral("import-picture makes its sheet; it takes no --tiles"));
    if (command == CompactCommand && tiles.isEmpty())
        return usageError(QStringLiteral("compact needs --tiles SHEET"));
    if (writes && QFileInfo(output).absoluteFilePath() == QFileInfo(sheetOut).absoluteFilePath())
        return usageError(QStringLiteral("the map and the sheet would both be written to '%1'")
                              .arg(output));
    if (const Outcome<> allowed =
            OutputPaths::InputFiles({input, tiles}).allowWrites({output, sheetOut});
        !allowed.succeeded())
        return allowed.failure();

    if (command == ImportPictureCommand)
        return importPicture(input, output, sheetOut, parser.isSet(options.merge));
    QImage sheet = TileSheet::builtIn();
    if (!tiles.isEmpty()) {
        Outcome<QImage> read = TileSheet::read(tiles);
        if (!read.succeeded())
            return read.failure();
        sheet = std::move(read.value());
    }
    if (command == TilesCommand)
        return listTiles(input, sheet, !tiles.isEmpty());
    return compact(input, sheet, output, sheetOut);
}

} // namespace TileCommands
