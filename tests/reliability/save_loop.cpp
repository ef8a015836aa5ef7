// SPDX-License-Identifier: MIT
// Saves a map and exports a picture over and over, alternating between two
// versions of each, through the editor's own save and export code, until it
// is killed. The first run writes both versions of each file into
// <folder>/expected/0 and /1 and saves version 0; every run prints "ready"
// before the loop.
// Usage: save_loop <folder>
#include "core/files/BitmapExport.h"
#include "core/render/TileGeometry.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapFileIO.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>

namespace {

// Version 0 or 1 of the map file: a header and a grid that differ in every byte.
QByteArray mapBytes(int version)
{
    QByteArray bytes(MapFile::FileSize, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7 + version * 101) & 0xFF);
    return bytes;
}

// Version 0 or 1 of the exported picture: large enough that writing it
// takes a while, so kills land within the write as well as between.
QImage picture(int version)
{
    QImage image(1024, 512, QImage::Format_RGB32);
    image.fill(version == 0 ? Qt::darkCyan : Qt::darkYellow);
    for (int y = 0; y < image.height(); y += Tiles::TileSize)
        for (int x = version; x < image.width(); x += 2)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 99));
    return image;
}

bool saveBoth(const QString &folder, int version)
{
    const FileResult saved = MapFile::save(folder + QStringLiteral("/map.map"), mapBytes(version));
    if (!saved.succeeded()) {
        std::fprintf(stderr, "map save failed: %s\n", qPrintable(saved.reason()));
        return false;
    }
    const FileResult exported =
        writeBitmapFile(picture(version), folder + QStringLiteral("/picture.bmp"));
    if (!exported.succeeded()) {
        std::fprintf(stderr, "export failed: %s\n", qPrintable(exported.reason()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: save_loop <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    // The versions to compare with, written once for all later runs.
    for (int version : {0, 1}) {
        const QString expected = folder + QStringLiteral("/expected/%1").arg(version);
        if (!QDir(expected).exists() && !(QDir().mkpath(expected) && saveBoth(expected, version)))
            return 1;
    }
    // Later runs start from the files an earlier run left.
    if (!QFile::exists(folder + QStringLiteral("/picture.bmp")) && !saveBoth(folder, 0))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    for (int version = 1;; version ^= 1)
        if (!saveBoth(folder, version))
            return 1;
}
