// SPDX-License-Identifier: MIT
#include "cli/ExportArguments.h"

#include "cli/AssemblerDialects.h"
#include "cli/Request.h"
#include "cli/SymbolNames.h"
#include "core/render/TileGeometry.h"

#include <QList>

#include <optional>

namespace ExportArguments {

namespace {

const QString Rows = QStringLiteral("rows");
const QString Columns = QStringLiteral("columns");

// count whole numbers split by separator, each at least lowest.
std::optional<QList<int>> numbers(const QString &text, QChar separator, int count, int lowest)
{
    const QStringList parts = text.split(separator);
    if (parts.size() != count)
        return std::nullopt;
    QList<int> values;
    for (const QString &part : parts) {
        bool ok = false;
        const int value = part.toInt(&ok);
        if (!ok || value < lowest || part.trimmed() != part || part.startsWith(QLatin1Char('+')))
            return std::nullopt;
        values.append(value);
    }
    return values;
}

} // namespace

Outcome<ExportOptions> read(const Given &given)
{
    ExportOptions options;
    const bool source = given.format == Formats::Asm || given.format == Formats::C;
    if (!given.dialect.isEmpty()) {
        if (given.format != Formats::Asm)
            return Failure::usage(QStringLiteral("--dialect belongs to --format asm"));
        if (!AssemblerDialects::names().contains(given.dialect))
            return Failure::usage(
                QStringLiteral("--dialect takes %1, not '%2'")
                    .arg(AssemblerDialects::names().join(QStringLiteral(", ")), given.dialect));
        options.dialect = given.dialect;
    }
    if (!given.symbol.isEmpty()) {
        if (!source)
            return Failure::usage(QStringLiteral("--symbol belongs to --format asm and c"));
        const QString problem = SymbolNames::problemWith(given.symbol);
        if (!problem.isEmpty())
            return Failure::usage(problem);
        options.symbol = given.symbol;
    }
    if (!given.order.isEmpty()) {
        if (given.order != Rows && given.order != Columns)
            return Failure::usage(
                QStringLiteral("--order takes rows or columns, not '%1'").arg(given.order));
        options.order =
            given.order == Columns ? ExportOptions::Order::Columns : ExportOptions::Order::Rows;
    }
    if (!given.region.isEmpty()) {
        const std::optional<QList<int>> value = numbers(given.region, QLatin1Char(','), 4, 0);
        if (!value || value->at(2) < 1 || value->at(3) < 1)
            return Failure::usage(
                QStringLiteral("--region takes X,Y,W,H (cells, W and H at least 1), not '%1'")
                    .arg(given.region));
        options.region = QRect(value->at(0), value->at(1), value->at(2), value->at(3));
    }
    if (!given.screens.isEmpty()) {
        const std::optional<QList<int>> value = numbers(given.screens, QLatin1Char('x'), 2, 1);
        if (!value || value->at(0) > Tiles::GridColumns || value->at(1) > Tiles::GridRows)
            return Failure::usage(
                QStringLiteral("--screens takes WxH (1..256 x 1..128 cells), not '%1'")
                    .arg(given.screens));
        options.screens = QSize(value->at(0), value->at(1));
        if (given.toStandardOutput &&
            (given.format == Formats::Csv || given.format == Formats::Tmx ||
             given.format == Formats::Tmj))
            return Failure::usage(
                QStringLiteral("--screens writes one %1 file per screen: give -o a file name, "
                               "not -")
                    .arg(given.format));
    }
    if (!given.offset.isEmpty()) {
        bool ok = false;
        options.offset = given.offset.toInt(&ok);
        if (!ok || options.offset < -(Tiles::TileCount - 1) ||
            options.offset > Tiles::TileCount - 1)
            return Failure::usage(
                QStringLiteral("--offset takes a whole number from -255 to 255, not '%1'")
                    .arg(given.offset));
    }
    if (given.wrap && given.offset.isEmpty())
        return Failure::usage(QStringLiteral("--wrap belongs to --offset"));
    options.wrap = given.wrap;
    if (given.rle && !source && given.format != Formats::Bin)
        return Failure::usage(
            QStringLiteral("--rle packs bin, asm and c, not %1").arg(given.format));
    options.rle = given.rle;
    return options;
}

} // namespace ExportArguments
