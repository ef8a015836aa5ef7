// SPDX-License-Identifier: MIT
#include "cli/CommandLine.h"

#include "AppInfo.h"
#include "cli/ExportArguments.h"
#include "cli/InputFile.h"
#include "cli/OutputPaths.h"
#include "core/preview/MapPicture.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QThread>

namespace CommandLine {

namespace {

const QString Usage = QStringLiteral("Usage: tesselwick-cli [options] command files...");

const QString Description =
    QStringLiteral(R"(Map files of the Tesselwick tile map editor as data and pictures.

Commands:
  info MAP...
      For each map: its four leading bytes, the size the editor takes from
      them, the number of distinct tiles inside the map, the file's size and
      whether the editor loads it unchanged.
  render MAP... -o OUT [--tiles SHEET] [--zoom PERCENT]
      The map's picture as the editor draws it, scaled as its preview
      scales (0 < PERCENT <= 200), written as BMP or PNG by OUT's extension.
      With several maps OUT is a folder and each picture is named after its
      map.
  export MAP... --format csv|tmx|tmj|asm|c|bin [-o OUT] [layout options]
      The map's cells as CSV, as a Tiled map (TMX or JSON) with its tile
      sheet as a PNG picture beside it, as assembler data (--dialect,
      default ca65), as C (a .c file of const arrays and a .h file beside it
      with extern declarations and size macros) or as raw bytes to include
      as binary.
      Without -o each file goes beside its map; -o - writes CSV, assembler,
      C (the .c file alone, no header) or bytes to standard output.
      Layout, for every format: --region, --order, --screens (one label or
      array per screen in reading order; csv, tmx and tmj write NAME_0,
      NAME_1, ... files; bin the screens one after another; cells that do
      not fill the last screens are padded with tile 0, with a warning),
      --offset (and --wrap); --rle packs each block of bin, asm or c (the
      scheme and its C and 6502 decoders: man tesselwick-cli).
      Labels and arrays are named after the map's file: letters, digits and
      underscores kept, anything else one underscore; a name that starts
      with a digit or underscore, or that a C library (C17, POSIX, cc65,
      SDCC) or an assembler keeps for itself gets the prefix map_.
      --symbol NAME sets it; screens add _0, _1, ...
  import IN.csv|IN.tmx|IN.tmj... -o MAP [--layer NAME]
      A map file from CSV (separated by commas, semicolons or tabs; -1 is
      tile 0) or from a Tiled map (.tmx, .tmj, .json, also .gz): one tile
      layer, chosen by --layer when there are several, whose tiles come
      from one tileset of 16 x 16 tiles. A map 255 or 256 columns wide
      becomes the whole grid, with a warning.
  import-picture PICTURE -o MAP --sheet SHEET [--merge]
      A map and its tile sheet (.png or .bmp, 512 x 128) from a PNG or BMP
      picture whose width and height are multiples of 16, at most
      4096 x 2048 and not 255 tiles wide: equal 16 x 16 tiles become one
      tile of the sheet, in the order they first appear. More than 256
      different tiles is an error unless --merge merges similar tiles down
      to 256 and reports the PSNR of the result against the picture.
  tiles MAP [--tiles SHEET]
      Each tile the map uses with its number of cells, then the unused
      tiles on one line. With SHEET, tiles that draw the same picture are
      named.
  compact MAP --tiles SHEET -o MAP2 --sheet SHEET2
      The used tiles moved to the front of the sheet in the order of their
      first use, and every cell of the map renumbered to match.

A map file of any size but 32772 bytes is refused unless --lenient is
given. An input named - is read from standard input (the only input, with
-o). Missing output folders are made; no input is written over, whatever
name or link leads to it.

CSV and TMX hold only the map's own cells (its width x height): the header
bytes and the cells outside the map are not kept. An imported map gets the
header bytes FE 4F and tile 0 outside the map.

Exit status: 0 on success; 1 on bad input (a message names the file and the
problem, and nothing is written for that file); 2 on wrong usage.)");

const QString InfoCommand = QStringLiteral("info");
const QString RenderCommand = QStringLiteral("render");
const QString ExportCommand = QStringLiteral("export");
const QString ImportCommand = QStringLiteral("import");

const QStringList PictureFormats = {Formats::Bmp, Formats::Png};
const QStringList ExportFormats = {Formats::Csv, Formats::Tmx, Formats::Tmj,
                                   Formats::Asm, Formats::C,   Formats::Bin};
const QStringList ImportFormats = {Formats::Csv, Formats::Tmx, Formats::Tmj};
// Tiled names its JSON maps .tmj or .json.
const QString JsonSuffix = QStringLiteral("json");
const QString GzipSuffix = QStringLiteral("gz");
const QString MapSuffix = QStringLiteral("map");

struct Options
{
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("Write to OUT: a file, or a folder for several "
                                             "inputs."),
                              QStringLiteral("OUT")};
    QCommandLineOption format{{QStringLiteral("f"), QStringLiteral("format")},
                              QStringLiteral("render: bmp or png (default: by OUT's "
                                             "extension); export: csv, tmx, tmj, asm, c or bin; "
                                             "import: csv, tmx or tmj (default: by the input's "
                                             "extension)."),
                              QStringLiteral("FORMAT")};
    QCommandLineOption tiles{{QStringLiteral("t"), QStringLiteral("tiles")},
                             QStringLiteral("Draw with the tile set picture SHEET, read as the "
                                            "editor's Load Tiles reads it (default: the "
                                            "built-in tile set)."),
                             QStringLiteral("SHEET")};
    QCommandLineOption zoom{{QStringLiteral("z"), QStringLiteral("zoom")},
                            QStringLiteral("render: the zoom in percent, 0 < PERCENT <= 200 "
                                           "(default: 100)."),
                            QStringLiteral("PERCENT"),
                            QStringLiteral("100")};
    QCommandLineOption lenient{QStringLiteral("lenient"),
                               QStringLiteral("Read a map file of any size as the editor does "
                                              "(a short file padded with zeros, only the first "
                                              "32772 bytes of a long one) instead of refusing "
                                              "it.")};
    QCommandLineOption layer{{QStringLiteral("l"), QStringLiteral("layer")},
                             QStringLiteral("import: read the tile layer NAME, or the one of that "
                                            "NUMBER counting from 1 (needed for a map of several "
                                            "tile layers)."),
                             QStringLiteral("NAME")};
    QCommandLineOption jobs{{QStringLiteral("j"), QStringLiteral("jobs")},
                            QStringLiteral("Work on N files at once (default: one per core)."),
                            QStringLiteral("N")};
    QCommandLineOption dialect{QStringLiteral("dialect"),
                               QStringLiteral("export --format asm: the assembler, one of ca65, "
                                              "64tass, acme, dasm, xa, kickass, z80 (pasmo, "
                                              "z80asm), sdas or rgbds (default: ca65)."),
                               QStringLiteral("NAME")};
    QCommandLineOption symbol{QStringLiteral("symbol"),
                              QStringLiteral("export --format asm or c: the label or array "
                                             "name (default: from the map's file name)."),
                              QStringLiteral("NAME")};
    QCommandLineOption order{QStringLiteral("order"),
                             QStringLiteral("export: rows (default) or columns, the cells "
                                            "column by column."),
                             QStringLiteral("ORDER")};
    QCommandLineOption region{QStringLiteral("region"),
                              QStringLiteral("export: only the W x H cells from column X, row Y "
                                             "of the map."),
                              QStringLiteral("X,Y,W,H")};
    QCommandLineOption screens{QStringLiteral("screens"),
                               QStringLiteral("export: cut into screens of W x H cells, in "
                                              "reading order."),
                               QStringLiteral("WxH")};
    QCommandLineOption offset{QStringLiteral("offset"),
                              QStringLiteral("export: add N (-255..255) to every tile number; "
                                             "a result outside 0..255 is an error."),
                              QStringLiteral("N")};
    QCommandLineOption wrap{QStringLiteral("wrap"),
                            QStringLiteral("export: take --offset's results modulo 256.")};
    QCommandLineOption rle{QStringLiteral("rle"),
                           QStringLiteral("export --format bin, asm or c: pack each block "
                                          "run-length (see the man page).")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and end.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and end.")};
};

void setUp(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(Description);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.addOptions({options.output, options.format, options.tiles, options.zoom, options.lenient,
                       options.layer, options.jobs, options.dialect, options.symbol, options.order,
                       options.region, options.screens, options.offset, options.wrap, options.rle,
                       options.help, options.version});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("info, render, export, import, import-picture, "
                                                "tiles or compact."));
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("The maps (or for import the CSV or TMX files)."),
                                 QStringLiteral("files..."));
}

QString helpFrom(const QCommandLineParser &parser)
{
    QString text = parser.helpText();
    // Qt's first line names the program by the path it was started with.
    text.replace(0, text.indexOf(QLatin1Char('\n')), Usage);
    return text;
}

Parsed work(const Request &request)
{
    return {request, {}};
}

Parsed answer(const QString &text)
{
    return {std::nullopt, text};
}

Failure usageError(const QString &message)
{
    return Failure::usage(message);
}

QString versionText()
{
    return QStringLiteral("%1 %2.%3 (%4 by %5)\n")
        .arg(ProgramName)
        .arg(AppInfo::Major)
        .arg(AppInfo::Minor)
        .arg(QLatin1String(AppInfo::ProductName), QLatin1String(AppInfo::CompanyName));
}

// The format a command writes (or for import reads), from --format or from a
// file name's extension.
std::optional<QString> formatFor(const QString &given, const QString &fileName,
                                 const QStringList &known)
{
    const QString format = given.isEmpty() ? QFileInfo(fileName).suffix().toLower() : given;
    if (!known.contains(format))
        return std::nullopt;
    return format;
}

// Sets the format a command writes (or for import reads), or says why
// there is none.
Outcome<> chooseFormat(Request &request, const QString &givenFormat, const QString &output,
                       bool toFolder)
{
    switch (request.command) {
    case Request::Command::Render: {
        const std::optional<QString> format = toFolder && givenFormat.isEmpty()
                                                  ? std::optional<QString>(PictureFormats.first())
                                                  : formatFor(givenFormat, output, PictureFormats);
        if (!format)
            return usageError(QStringLiteral("cannot tell the picture format of '%1': name it "
                                             ".bmp or .png, or give --format bmp or png")
                                  .arg(output));
        request.format = *format;
        return {};
    }
    case Request::Command::Export:
        if (!ExportFormats.contains(givenFormat))
            return usageError(QStringLiteral("export needs --format csv, tmx, tmj, asm, c or bin"));
        request.format = givenFormat;
        if (output == StandardOutput && (request.inputs.size() > 1 || givenFormat == Formats::Tmx ||
                                         givenFormat == Formats::Tmj))
            return usageError(QStringLiteral("-o - takes one map exported as csv, asm, c or bin"));
        return {};
    case Request::Command::Import:
        if (!givenFormat.isEmpty() && importFormatOf(givenFormat, QString()).isEmpty())
            return usageError(QStringLiteral("import reads --format csv, tmx or tmj"));
        request.format = givenFormat;
        for (const QString &input : std::as_const(request.inputs))
            if (importFormatOf(givenFormat, input).isEmpty())
                return usageError(QStringLiteral("cannot tell the format of '%1': name it .csv, "
                                                 ".tmx, .tmj or .json (each also .gz), or give "
                                                 "--format csv, tmx or tmj")
                                      .arg(input));
        return {};
    case Request::Command::Info:
        break;
    }
    return {};
}

// Names each input's output file: OUT itself, a file named after the input
// in the folder OUT, or without OUT a file beside the input. Two inputs may
// not share an output; that no output is an input is checked with the
// files each output writes (Commands::prepare).
Outcome<> planOutputs(Request &request, const QString &output, bool toFolder)
{
    const bool toStandardOutput = output == StandardOutput;
    const QString suffix = request.command == Request::Command::Import ? MapSuffix : request.format;
    QSet<QString> taken;
    for (const QString &input : std::as_const(request.inputs)) {
        const QFileInfo info(input);
        QString stem = info.completeBaseName();
        if (info.suffix().toLower() == GzipSuffix)
            stem = QFileInfo(stem).completeBaseName();
        const QString name = stem + QLatin1Char('.') + suffix;
        QString target;
        if (toStandardOutput)
            target = StandardOutput;
        else if (output.isEmpty())
            target = info.dir().filePath(name);
        else if (toFolder)
            target = QDir(output).filePath(name);
        else
            target = output;
        const QString absolute = QFileInfo(target).absoluteFilePath();
        if (!toStandardOutput && taken.contains(absolute))
            return usageError(
                QStringLiteral("two inputs would both be written to '%1'").arg(target));
        taken.insert(absolute);
        request.outputs.append(target);
    }
    return {};
}

} // namespace

QString importFormatOf(const QString &given, const QString &fileName)
{
    QString format = given;
    if (format.isEmpty()) {
        QFileInfo info(fileName);
        if (info.suffix().toLower() == GzipSuffix)
            info.setFile(info.completeBaseName());
        format = info.suffix().toLower();
    }
    if (format == JsonSuffix)
        format = Formats::Tmj;
    return ImportFormats.contains(format) ? format : QString();
}

Outcome<Parsed> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const Options options;
    setUp(parser, options);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(options.help))
        return answer(helpFrom(parser));
    if (parser.isSet(options.version))
        return answer(versionText());

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(QStringLiteral("no command given"));
    const QString command = positional.takeFirst();
    Request request;
    request.inputs = positional;
    if (command == InfoCommand)
        request.command = Request::Command::Info;
    else if (command == RenderCommand)
        request.command = Request::Command::Render;
    else if (command == ExportCommand)
        request.command = Request::Command::Export;
    else if (command == ImportCommand)
        request.command = Request::Command::Import;
    else
        return usageError(QStringLiteral("unknown command '%1'").arg(command));
    if (request.inputs.isEmpty())
        return usageError(QStringLiteral("%1 needs at least one file").arg(command));

    const bool info = request.command == Request::Command::Info;
    const bool render = request.command == Request::Command::Render;
    const bool exporting = request.command == Request::Command::Export;
    const bool importing = request.command == Request::Command::Import;
    if (info && (parser.isSet(options.output) || parser.isSet(options.format)))
        return usageError(QStringLiteral("info takes no --output and no --format"));
    if (!render && parser.isSet(options.zoom))
        return usageError(QStringLiteral("--zoom belongs to render"));
    if ((info || importing) && parser.isSet(options.tiles))
        return usageError(QStringLiteral("--tiles belongs to render and export"));
    if (importing && parser.isSet(options.lenient))
        return usageError(QStringLiteral("--lenient belongs to info, render and export"));
    request.lenient = parser.isSet(options.lenient);
    if (!importing && parser.isSet(options.layer))
        return usageError(QStringLiteral("--layer belongs to import"));
    request.layer = parser.value(options.layer);
    for (const QCommandLineOption *layout :
         {&options.dialect, &options.symbol, &options.order, &options.region, &options.screens,
          &options.offset, &options.wrap, &options.rle})
        if (!exporting && parser.isSet(*layout))
            return usageError(
                QStringLiteral("--%1 belongs to export").arg(layout->names().constFirst()));

    request.jobs = QThread::idealThreadCount();
    if (parser.isSet(options.jobs)) {
        bool ok = false;
        request.jobs = parser.value(options.jobs).toInt(&ok);
        if (!ok || request.jobs < 1)
            return usageError(QStringLiteral("--jobs needs a whole number of at least 1"));
    }
    if (render) {
        bool ok = false;
        request.zoom = parser.value(options.zoom).toFloat(&ok);
        if (!ok || !(request.zoom > 0.0f && request.zoom <= MapPicture::LargestZoom))
            return usageError(QStringLiteral("--zoom needs a percentage above 0 and at most 200, "
                                             "not '%1'")
                                  .arg(parser.value(options.zoom)));
    }
    request.tiles = parser.value(options.tiles);

    const bool several = request.inputs.size() > 1;
    if (several && request.inputs.contains(InputFile::StandardInput))
        return usageError(QStringLiteral("- (standard input) must be the only input"));
    if (info)
        return work(request);

    const QString output = parser.value(options.output);
    const QString givenFormat = parser.value(options.format).toLower();
    if (output.isEmpty() && !exporting)
        return usageError(QStringLiteral("%1 needs -o OUT").arg(command));
    if (request.inputs.contains(InputFile::StandardInput) && output.isEmpty())
        return usageError(QStringLiteral("reading standard input needs -o OUT"));
    const bool toStandardOutput = output == StandardOutput;
    const bool toFolder =
        !toStandardOutput && !output.isEmpty() && (several || QFileInfo(output).isDir());

    if (toStandardOutput && !exporting)
        return usageError(QStringLiteral("-o - is for export only"));
    if (const Outcome<> chosen = chooseFormat(request, givenFormat, output, toFolder);
        !chosen.succeeded())
        return chosen.failure();
    if (exporting) {
        const Outcome<ExportOptions> layout = ExportArguments::read(
            {request.format, toStandardOutput, parser.value(options.dialect),
             parser.value(options.symbol), parser.value(options.order),
             parser.value(options.region), parser.value(options.screens),
             parser.value(options.offset), parser.isSet(options.wrap), parser.isSet(options.rle)});
        if (!layout.succeeded())
            return layout.failure();
        request.exportOptions = layout.value();
    }
    if (several && toFolder && !QFileInfo(output).isDir() &&
        (QFileInfo::exists(output) || OutputPaths::namesAFile(output)))
        return usageError(QStringLiteral("several inputs need -o to name a folder, and '%1' is "
                                         "a file")
                              .arg(output));
    if (const Outcome<> planned = planOutputs(request, output, toFolder); !planned.succeeded())
        return planned.failure();
    return work(request);
}

} // namespace CommandLine
