// SPDX-License-Identifier: MIT
#pragma once

#include "cli/MapCells.h"
#include "core/render/TileGeometry.h"
#include "mapfile/MapFileFormat.h"

#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

// Map files to feed the program, and running it.
namespace CliSupport {

// A map file with the four leading bytes given and cell (c, r) = tile(c, r)
// inside columns x rows; every other cell 0.
inline QByteArray mapFile(std::uint8_t header1, std::uint8_t header2, std::uint8_t widthByte,
                          std::uint8_t heightByte, int columns, int rows,
                          const std::function<int(int, int)> &tile)
{
    QByteArray bytes(MapFile::FileSize, '\0');
    bytes[0] = static_cast<char>(header1);
    bytes[1] = static_cast<char>(header2);
    bytes[2] = static_cast<char>(widthByte);
    bytes[3] = static_cast<char>(heightByte);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            bytes[MapFile::GridOffset + row * Tiles::GridColumns + column] =
                static_cast<char>(tile(column, row));
    return bytes;
}

// Tiles that differ from cell to cell without a pattern, the same every run.
inline std::function<int(int, int)> scattered(quint32 seed)
{
    return [seed](int column, int row) {
        QRandomGenerator generator(seed + static_cast<quint32>(row * 256 + column));
        return static_cast<int>(generator.bounded(256));
    };
}

// The cells of a width x height map with scattered(seed) tiles.
inline MapCells cellsOf(int width, int height, quint32 seed)
{
    MapCells map;
    map.width = width;
    map.height = height;
    const auto tile = scattered(seed);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            map.cells.push_back(static_cast<std::uint8_t>(tile(column, row)));
    return map;
}

// A map that starts FE 4F with cells only inside its own width x height.
inline QByteArray plainMap(int width, int height, quint32 seed)
{
    const bool full = width == Tiles::GridColumns;
    return mapFile(0xFE, 0x4F, full ? 255 : width, full ? height - 1 : height, width, height,
                   scattered(seed));
}

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs program; standardInput, when given, is all it reads on standard
// input.
inline Run run(const QString &program, const QStringList &arguments,
               const QString &workingFolder = QString(),
               const std::optional<QByteArray> &standardInput = std::nullopt)
{
    QProcess process;
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    if (standardInput) {
        process.write(*standardInput);
        process.closeWriteChannel();
    }
    const bool finished = process.waitForFinished(120000);
    Run result;
    // A program still running at the end has not succeeded.
    result.exitCode =
        finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

#ifdef TESSELWICK_CLI
inline Run cli(const QStringList &arguments, const QString &workingFolder = QString(),
               const std::optional<QByteArray> &standardInput = std::nullopt)
{
    return run(QStringLiteral(TESSELWICK_CLI), arguments, workingFolder, standardInput);
}
#endif

inline QImage picture(const QString &path)
{
    QImage image(path);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace CliSupport
