// SPDX-License-Identifier: MIT
// Draws Tesselwick's built-in artwork and writes it into the given resources folder.

#include "tools/artgen/Banner.h"
#include "tools/artgen/Icons.h"
#include "tools/artgen/Scenes.h"
#include "tools/artgen/TileSheet.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

using namespace ArtGen;

namespace {

bool saveImage(const QImage &image, const QString &path, const char *format)
{
    if (image.save(path, format))
        return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

bool saveBytes(const QByteArray &bytes, const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: artgen RESOURCES_DIR\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("icons"))) {
        QTextStream(stderr) << "cannot create " << out.filePath(QStringLiteral("icons")) << '\n';
        return 1;
    }

    const QImage sheet = tileSheetImage(buildTileSet());

    bool ok = saveImage(sheet, out.filePath(QStringLiteral("tileset.bmp")), "BMP");
    ok &= saveImage(banner(), out.filePath(QStringLiteral("banner.bmp")), "BMP");
    ok &= saveImage(creditsBackdrop(sheet), out.filePath(QStringLiteral("credits_backdrop.bmp")),
                    "BMP");
    ok &= saveBytes(sampleScene().fileBytes(), out.filePath(QStringLiteral("sample.map")));
    ok &=
        saveImage(applicationIcon(2), out.filePath(QStringLiteral("icons/tesselwick.png")), "PNG");
    for (int scale : {1, 3, 4, 8, 16}) {
        const QString name = QStringLiteral("icons/tesselwick-%1.png").arg(16 * scale);
        ok &= saveImage(applicationIcon(scale), out.filePath(name), "PNG");
    }
    ok &= saveImage(previewIcon(2), out.filePath(QStringLiteral("icons/preview.png")), "PNG");
    return ok ? 0 : 1;
}
