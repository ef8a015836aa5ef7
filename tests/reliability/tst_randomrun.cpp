// SPDX-License-Identifier: MIT
// A long seeded run of random editor operations through the functions the
// windows call: pointer moves, presses, releases and painting ticks on the
// canvas, picks of tiles and stamps in the tile picker, Fill, Clear, New and
// Resize Map, Load and Save Map, Load Tiles (bad files too), bucket and
// rectangle fills, cut and paste (each undone and redone at once), preview
// zoom passes, and undo and redo of the steps these made. After every
// operation the run checks what it changed, and the whole canvas after
// every whole-map operation and at intervals:
//  - the canvas shows at every cell the tile the grid holds, drawn from the
//    sheet in use, and the brush preview the selected tile of that sheet;
//  - cells outside the map keep their bytes through the tools' edits;
//  - the map's size stays within the grid and the canvas matches it;
//  - every save reads back byte for byte, loads back as the same map, and
//    leaves no other file in the folder;
//  - a refused tile set changes nothing;
//  - undo and redo, taken there and back, give the very states they gave
//    before.
// It prints its seed; TESSELWICK_SEED repeats a run and
// TESSELWICK_OPERATIONS sets its length.
#include "core/edit/CellEdits.h"
#include "core/history/EditHistory.h"
#include "core/state/CellRect.h"
#include "core/state/EditorState.h"
#include "core/edit/MapCommands.h"
#include "core/state/MapRoutines.h"
#include "core/edit/Painting.h"
#include "core/preview/PreviewLayout.h"
#include "core/render/ScaledPicture.h"
#include "core/edit/SizeFieldCheck.h"
#include "core/edit/TilePicking.h"
#include "core/edit/TileSetFile.h"
#include "core/preview/ZoomText.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapFileIO.h"
#include "mapfile/MapLoading.h"
#include "tests/support/BitmapFiles.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <map>

namespace {

constexpr int DefaultOperations = 100'000;
constexpr int WholeCanvasCheckInterval = 1000;
constexpr int SavedMapNames = 3;
constexpr int ScrollBarThickness = 17;

enum class Operation {
    Hover,
    Press,
    Release,
    Tick,
    Pick,
    Fill,
    Clear,
    NewMap,
    Resize,
    SaveMap,
    LoadMap,
    LoadTiles,
    PreviewPass,
    Undo,
    Redo,
    BucketFill,
    RectangleFill,
    Cut,
    Paste,
};

struct Kind
{
    Operation operation;
    int weight;
    const char *name;
};

// Pointer work is frequent, as in use; whole-map commands are rarer, and
// saves rarest: each waits for the disk.
constexpr Kind Kinds[] = {
    {Operation::Hover, 300, "hover"},       {Operation::Press, 50, "press"},
    {Operation::Release, 50, "release"},    {Operation::Tick, 400, "tick"},
    {Operation::Pick, 60, "pick"},          {Operation::Fill, 2, "fill"},
    {Operation::Clear, 2, "clear"},         {Operation::NewMap, 3, "new map"},
    {Operation::Resize, 5, "resize"},       {Operation::SaveMap, 1, "save map"},
    {Operation::LoadMap, 2, "load map"},    {Operation::LoadTiles, 3, "load tiles"},
    {Operation::PreviewPass, 4, "preview"}, {Operation::Undo, 2, "undo"},
    {Operation::Redo, 1, "redo"},           {Operation::BucketFill, 4, "bucket fill"},
    {Operation::RectangleFill, 4, "rectangle fill"}, {Operation::Cut, 3, "cut"},
    {Operation::Paste, 4, "paste"},
};

// What a user types into the size fields and the zoom box: good values,
// values out of range and words.
const QStringList WidthTexts = {
    QStringLiteral("1"),   QStringLiteral("40"), QStringLiteral("255"),  QStringLiteral("256"),
    QStringLiteral("300"), QStringLiteral("0"),  QStringLiteral("12.5"), QStringLiteral("wide")};
const QStringList HeightTexts = {QStringLiteral("1"),   QStringLiteral("25"), QStringLiteral("127"),
                                 QStringLiteral("128"), QStringLiteral("-3"), QStringLiteral("7.5"),
                                 QStringLiteral("")};
const QStringList ZoomTexts = {
    QStringLiteral("100"),  QStringLiteral("50"),        QStringLiteral("200"),
    QStringLiteral("33 %"), QStringLiteral("Full Page"), QStringLiteral("Full Width"),
    QStringLiteral("0"),    QStringLiteral("250"),       QStringLiteral("big")};

quint32 environmentNumber(const char *name, quint32 fallback)
{
    bool given = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&given);
    return given ? value : fallback;
}

QRect cellRect(int x, int y)
{
    return {x, y, Tiles::TileSize, Tiles::TileSize};
}

class RandomRun
{
public:
    RandomRun(quint32 seed, const QString &folder) : m_random(seed), m_folder(folder)
    {
        MapCommands::resetToStartUp(m_state);
        TileSetFile::useBuiltInSheet(m_state, NumberedSheet::sheet());
        redrawMap(m_state);
        m_brush = brushNow();
        redrawExpected();
        prepareFiles();
    }

    // Performs one random operation and checks it; returns what went wrong.
    QString step(const char **name)
    {
        const Kind &kind = pickKind();
        *name = kind.name;
        ++m_counts[QLatin1String(kind.name)];
        QString error = perform(kind.operation);
        if (error.isEmpty())
            error = checkSizes();
        if (error.isEmpty() &&
            (m_wholeMapChanged || ++m_sinceWholeCheck >= WholeCanvasCheckInterval))
            error = checkWholeCanvas();
        m_wholeMapChanged = false;
        return error;
    }

    QString counts() const
    {
        QStringList parts;
        for (const auto &[name, count] : m_counts)
            parts.append(QStringLiteral("%1 %2").arg(count).arg(name));
        return parts.join(QStringLiteral(", "));
    }

private:
    const Kind &pickKind()
    {
        int total = 0;
        for (const Kind &kind : Kinds)
            total += kind.weight;
        int roll = m_random.bounded(total);
        for (const Kind &kind : Kinds) {
            if (roll < kind.weight)
                return kind;
            roll -= kind.weight;
        }
        return Kinds[0];
    }

    double between(double low, double high) { return low + m_random.bounded(high - low); }

    template <typename T> const T &any(const QList<T> &list)
    {
        return list.at(m_random.bounded(qsizetype(list.size())));
    }

    QString perform(Operation operation)
    {
        switch (operation) {
        case Operation::Hover:
            return hover();
        case Operation::Press:
            m_state.history.beginStroke();
            m_held = true;
            return {};
        case Operation::Release:
            m_state.history.endStroke();
            m_held = false;
            return {};
        case Operation::Tick:
            return tick();
        case Operation::Pick:
            return pick();
        case Operation::Fill:
            MapCommands::fillMap(m_state);
            fillExpected();
            return {};
        case Operation::Clear:
            MapCommands::clearMap(m_state);
            return wholeMapRedrawn();
        case Operation::NewMap:
        case Operation::Resize:
            return changeSize(operation);
        case Operation::SaveMap:
            return saveMap();
        case Operation::LoadMap:
            return loadMap();
        case Operation::LoadTiles:
            return loadTiles();
        case Operation::PreviewPass:
            return previewPass();
        case Operation::Undo:
            return travel(Operation::Undo);
        case Operation::Redo:
            return travel(Operation::Redo);
        case Operation::BucketFill:
        case Operation::RectangleFill:
        case Operation::Cut:
        case Operation::Paste:
            return toolEdit(operation);
        }
        return {};
    }

    // Goes one step back or forth in the history, then there and back once
    // more: each way must give exactly the state it gave the first time.
    // The model then takes the canvas as it is, for the operations after.
    QString travel(Operation direction)
    {
        EditHistory &history = m_state.history;
        const bool back = direction == Operation::Undo;
        if (back ? !history.stack().canUndo() : !history.stack().canRedo())
            return {};
        const auto go = [&](bool backwards) { backwards ? history.undo() : history.redo(); };
        // Like the window, which stops painting when a step is taken back.
        m_held = false;
        const std::size_t before = stateHash();
        go(back);
        const std::size_t after = stateHash();
        go(!back);
        if (stateHash() != before)
            return QStringLiteral("going there and back did not give the state back");
        go(back);
        if (stateHash() != after)
            return QStringLiteral("going the same way twice gave two different states");
        m_brush = brushNow();
        return wholeMapRedrawn();
    }

    // A cell of the grid, mostly on the map, sometimes beyond it or off the
    // grid, as a drag past the map's edge gives.
    QPoint anyCell()
    {
        return {m_random.bounded(-4, m_state.mapWidth + 4),
                m_random.bounded(-4, m_state.mapHeight + 4)};
    }

    QRect anyCells() { return CellRect::between(anyCell(), anyCell()); }

    // A tool's edit, checked cell by cell against what its rule says, then
    // undone and redone: each must give back the grid it left.
    QString toolEdit(Operation operation)
    {
        // Like the window, which ends a stroke before another tool acts.
        m_state.history.endStroke();
        m_held = false;
        const auto before = m_state.tileMap;
        // The newest step, by which a new one shows even when the oldest
        // falls off the history's end.
        const auto newest = [this] {
            const QUndoStack &stack = m_state.history.stack();
            return stack.index() > 0 ? stack.command(stack.index() - 1) : nullptr;
        };
        const QUndoCommand *newestBefore = newest();
        const QRect map = CellRect::mapArea(m_state);
        const Stamp brush = m_state.brush();
        // What each cell of the map should hold afterwards; cells outside the
        // map keep their bytes.
        std::function<std::uint8_t(QPoint)> expected;
        bool changed = false;
        if (operation == Operation::BucketFill) {
            const QPoint cell = anyCell();
            const QRect selection = m_random.bounded(3) == 0 ? anyCells() : QRect();
            const QRect area = CellRect::editArea(m_state, selection);
            changed = CellEdits::bucketFill(m_state, cell, brush, selection);
            // Every changed cell lies in the area, held the clicked cell's
            // tile, and now holds the stamp's tile; the region is checked by
            // the rule's own tests.
            const std::uint8_t target = area.contains(cell) ? before[index(cell)] : 0;
            expected = [&, cell, target, area](QPoint at) {
                const std::uint8_t now = m_state.cell(at.x(), at.y());
                const bool mayChange = area.contains(cell) && area.contains(at) &&
                                       before[index(at)] == target &&
                                       now == brush.repeatedAt(at, cell);
                return mayChange ? now : before[index(at)];
            };
        } else if (operation == Operation::RectangleFill) {
            const QRect cells = anyCells();
            changed = CellEdits::fillRectangle(m_state, cells, brush);
            expected = [&, cells](QPoint at) {
                return cells.contains(at) ? brush.repeatedAt(at, cells.topLeft()) : before[index(at)];
            };
        } else if (operation == Operation::Cut) {
            const QRect cells = anyCells();
            const QRect inside = cells.intersected(map);
            m_clipboard = CellEdits::cutCells(m_state, cells);
            changed = newest() != newestBefore;
            if (m_clipboard.size() != inside.size())
                return QStringLiteral("the cut of %1 cells copied %2")
                    .arg(inside.width() * inside.height())
                    .arg(m_clipboard.width() * m_clipboard.height());
            for (int row = 0; row < inside.height(); ++row)
                for (int column = 0; column < inside.width(); ++column)
                    if (m_clipboard.at(column, row) !=
                        before[index(inside.topLeft() + QPoint(column, row))])
                        return QStringLiteral("the cut did not copy cell %1, %2")
                            .arg(column)
                            .arg(row);
            expected = [&, cells](QPoint at) {
                return cells.contains(at) ? std::uint8_t(0) : before[index(at)];
            };
        } else {
            const QPoint topLeft = anyCell();
            const Stamp pasted = m_clipboard.isEmpty() ? brush : m_clipboard;
            changed = CellEdits::pasteStamp(m_state, topLeft, pasted);
            const QRect cells(topLeft, pasted.size());
            expected = [&, cells, pasted](QPoint at) {
                return cells.contains(at) ? pasted.repeatedAt(at, cells.topLeft())
                                          : before[index(at)];
            };
        }
        for (int row = 0; row < Tiles::GridRows; ++row)
            for (int column = 0; column < Tiles::GridColumns; ++column) {
                const QPoint at(column, row);
                const std::uint8_t want = map.contains(at) ? expected(at) : before[index(at)];
                if (m_state.cell(column, row) != want)
                    return QStringLiteral("cell %1, %2 holds %3, not %4")
                        .arg(column)
                        .arg(row)
                        .arg(m_state.cell(column, row))
                        .arg(want);
            }
        if (changed != (m_state.tileMap != before))
            return QStringLiteral("the edit reported a change it did not make, or hid one");
        if ((newest() != newestBefore) != changed)
            return changed ? QStringLiteral("the edit recorded no step")
                           : QStringLiteral("an edit that changed nothing recorded a step");
        if (changed) {
            const auto after = m_state.tileMap;
            m_state.history.undo();
            if (m_state.tileMap != before)
                return QStringLiteral("undo did not give the grid back");
            m_state.history.redo();
            if (m_state.tileMap != after)
                return QStringLiteral("redo did not give the edit back");
        }
        return wholeMapRedrawn();
    }

    static int index(QPoint cell) { return cell.y() * Tiles::GridColumns + cell.x(); }

    // Everything a step may change: the grid, the sizes and file bytes, the
    // canvas and the sheet.
    std::size_t stateHash() const
    {
        const QImage &canvas = m_state.mapCanvas.image();
        const QImage &sheet = m_state.tileSheet.image();
        std::size_t seed = qHashBits(m_state.tileMap.data(), m_state.tileMap.size());
        seed = qHashMulti(seed, m_state.mapWidth, m_state.mapHeight, m_state.mapWidthByte,
                          m_state.mapHeightByte, m_state.headerByte1, m_state.headerByte2,
                          canvas.width(), canvas.height(), m_state.pickerCaption(),
                          m_state.statusText(EditorState::MapPanel),
                          m_state.statusText(EditorState::SizePanel));
        seed = qHashBits(canvas.constBits(), std::size_t(canvas.sizeInBytes()), seed);
        return qHashBits(sheet.constBits(), std::size_t(sheet.sizeInBytes()), seed);
    }

    // Pointer positions reach beyond the canvas on every side, as a drag does.
    QString hover()
    {
        const QPointF position(between(-64.0, 4200.0), between(-64.0, 2100.0));
        Painting::hover(m_state, position);
        return {};
    }

    QString tick()
    {
        if (!m_held)
            return {};
        const int x = m_state.selectedTileX;
        const int y = m_state.selectedTileY;
        if (!Painting::paintTick(m_state))
            return {};
        const int column = x / Tiles::TileSize;
        const int row = y / Tiles::TileSize;
        if (m_state.cell(column, row) != m_state.selectedTile)
            return QStringLiteral("cell %1, %2 does not hold the painted tile")
                .arg(column)
                .arg(row);
        paintExpected(QPoint(x, y), m_brush);
        if (m_state.mapCanvas.image().copy(cellRect(x, y)) != m_expected.copy(cellRect(x, y)))
            return QStringLiteral("cell %1, %2 does not show the brush").arg(column).arg(row);
        // The rest of a stamp, as the grid now holds it.
        if (m_state.hasStamp())
            drawCellsExpected(QRect(), QRect(QPoint(column, row), m_state.brush().size()));
        return {};
    }

    // As the picker does on a press: the position names a sheet cell, and a
    // press off the sheet counts for the cell under the press.
    QString pick()
    {
        const QPointF position(between(-20.0, 530.0), between(-20.0, 140.0));
        const TilePicking::SheetCell cell = TilePicking::cellAt(position);
        if (!TilePicking::onSheet(cell))
            return {};
        // A Shift+drag to another cell picks a stamp of the tiles between.
        if (m_random.bounded(4) == 0)
            TilePicking::pickStamp(m_state, cell,
                                   {m_random.bounded(Tiles::SheetColumns),
                                    m_random.bounded(Tiles::SheetRows)});
        else
            TilePicking::pickTile(m_state, cell);
        m_brush = brushNow();
        const QImage tile = m_state.tileSheet.image().copy(QRect(
            Tiles::sheetOrigin(m_state.selectedTile), QSize(Tiles::TileSize, Tiles::TileSize)));
        if (m_brush != tile)
            return QStringLiteral("the brush is not tile %1").arg(m_state.selectedTile);
        return {};
    }

    QString changeSize(Operation operation)
    {
        const SizeFieldCheck::Outcome outcome =
            SizeFieldCheck::checkSizeFields(any(WidthTexts), any(HeightTexts));
        if (!outcome.passed)
            return {};
        const QImage before = m_expected;
        if (operation == Operation::NewMap) {
            MapCommands::applyNewMap(m_state, outcome.size);
            if (std::any_of(m_state.tileMap.begin(), m_state.tileMap.end(),
                            [](std::uint8_t tile) { return tile != 0; }))
                return QStringLiteral("New Map left a tile in the grid");
            redrawExpected();
        } else {
            MapCommands::applyResize(m_state, outcome.size);
            resizeExpected(before);
        }
        m_wholeMapChanged = true;
        if (m_state.mapWidth != outcome.size.width || m_state.mapHeight != outcome.size.height)
            return QStringLiteral("the map is %1 x %2, not %3 x %4")
                .arg(m_state.mapWidth)
                .arg(m_state.mapHeight)
                .arg(outcome.size.width)
                .arg(outcome.size.height);
        return {};
    }

    QString saveMap()
    {
        const QString path =
            m_folder.filePath(QStringLiteral("saved-%1.map").arg(m_random.bounded(SavedMapNames)));
        const QByteArray bytes = MapFile::encode(m_state);
        const FileResult saved = MapFile::save(path, bytes);
        if (!saved.succeeded())
            return QStringLiteral("Save Map failed: %1").arg(saved.reason());
        if (TestFiles::readAll(path) != bytes)
            return QStringLiteral("%1 does not read back as saved").arg(path);
        m_saved.insert(path, bytes);
        const QStringList files = m_folder.entryList(QDir::Files | QDir::Hidden);
        for (const QString &file : files)
            if (!m_prepared.contains(file) && !m_saved.contains(m_folder.filePath(file)))
                return QStringLiteral("a save left %1 beside the maps").arg(file);
        return {};
    }

    QString loadMap()
    {
        QStringList choices = m_badMaps;
        choices += m_saved.keys();
        const QString path = any(choices);
        const FileResult result = MapFile::load(m_state, path);
        if (!result.succeeded() && m_saved.contains(path))
            return QStringLiteral("Load Map of %1 failed: %2").arg(path, result.reason());
        if (!result.succeeded())
            return {};
        if (m_saved.contains(path) && MapFile::encode(m_state) != m_saved.value(path))
            return QStringLiteral("%1 does not load back as the map that was saved").arg(path);
        return wholeMapRedrawn();
    }

    QString loadTiles()
    {
        const bool good = m_random.bounded(2) == 0;
        const QString path = good ? any(m_goodSheets) : any(m_badSheets);
        const QImage sheetBefore = m_state.tileSheet.image();
        const TileSetFile::Result read = TileSetFile::read(path);
        if (!good) {
            if (read.status == TileSetFile::Result::Status::Loaded)
                return QStringLiteral("the damaged tile set %1 was taken").arg(path);
            if (m_state.tileSheet.image() != sheetBefore)
                return QStringLiteral("refusing %1 changed the sheet").arg(path);
            return {};
        }
        if (read.status != TileSetFile::Result::Status::Loaded)
            return QStringLiteral("the tile set %1 was refused").arg(path);
        TileSetFile::useTileSheet(m_state, read.picture, QFileInfo(path).fileName());
        // The brush is the selected tile of the sheet now in use.
        m_brush = brushNow();
        const QImage tile = m_state.tileSheet.image().copy(QRect(
            Tiles::sheetOrigin(m_state.selectedTile), QSize(Tiles::TileSize, Tiles::TileSize)));
        if (m_brush != tile)
            return QStringLiteral("after Load Tiles the brush is not tile %1 of the new sheet")
                .arg(m_state.selectedTile);
        return wholeMapRedrawn();
    }

    // A zoom typed into the preview's box, then its layout pass; at 100 %
    // the document is the canvas pixel for pixel.
    QString previewPass()
    {
        const ZoomText::Entry entry = ZoomText::enterZoom(any(ZoomTexts), std::nullopt, m_zoom);
        if (entry.zoom)
            m_zoom = *entry.zoom;
        const QImage canvas = m_state.mapCanvas.image();
        const QSize scrollArea(m_random.bounded(100, 900), m_random.bounded(100, 700));
        const PreviewLayout::Result layout = PreviewLayout::layout(PreviewLayout::Input::fromPixels(
            canvas.size(), scrollArea, ScrollBarThickness, ScrollBarThickness, m_zoom));
        const ScaledPicture document(canvas, layout.document.size());
        if (document.size().isEmpty())
            return QStringLiteral("an empty document at zoom %1").arg(m_zoom);
        const QRect seen =
            QRect(QPoint(0, 0), layout.viewport).intersected(QRect(QPoint(0, 0), document.size()));
        const QImage shown = document.render(seen);
        if (shown.size() != seen.size())
            return QStringLiteral("the document rendered %1 x %2 pixels for %3 x %4")
                .arg(shown.width())
                .arg(shown.height())
                .arg(seen.width())
                .arg(seen.height());
        if (m_zoom == 100.0f && document.size() == canvas.size() &&
            shown != canvas.copy(seen).convertToFormat(shown.format()))
            return QStringLiteral("the document at 100 % is not the canvas");
        return {};
    }

    QString wholeMapRedrawn()
    {
        redrawExpected();
        m_wholeMapChanged = true;
        return {};
    }

    QString checkSizes() const
    {
        const QSize canvas = m_state.mapCanvas.size();
        if (m_state.mapWidth < 1 || m_state.mapWidth > Tiles::GridColumns ||
            m_state.mapHeight < 1 || m_state.mapHeight > Tiles::GridRows)
            return QStringLiteral("the map is %1 x %2")
                .arg(m_state.mapWidth)
                .arg(m_state.mapHeight);
        if (canvas.isEmpty() || canvas.width() > Tiles::GridColumns * Tiles::TileSize ||
            canvas.height() > Tiles::GridRows * Tiles::TileSize)
            return QStringLiteral("the canvas is %1 x %2").arg(canvas.width()).arg(canvas.height());
        return {};
    }

    QString checkWholeCanvas()
    {
        m_sinceWholeCheck = 0;
        const QImage &canvas = m_state.mapCanvas.image();
        if (canvas == m_expected)
            return {};
        for (int y = 0; y < canvas.height(); y += Tiles::TileSize)
            for (int x = 0; x < canvas.width(); x += Tiles::TileSize)
                if (canvas.copy(cellRect(x, y)) != m_expected.copy(cellRect(x, y)))
                    return QStringLiteral("cell %1, %2 shows something else than tile %3")
                        .arg(x / Tiles::TileSize)
                        .arg(y / Tiles::TileSize)
                        .arg(m_state.cell(x / Tiles::TileSize, y / Tiles::TileSize));
        return QStringLiteral("the canvas is %1 x %2, the model %3 x %4")
            .arg(canvas.width())
            .arg(canvas.height())
            .arg(m_expected.width())
            .arg(m_expected.height());
    }

    QImage brushNow() const { return m_state.brushPreview.image().copy(cellRect(0, 0)); }

    // The model's own drawing: every cell of the canvas from the grid and
    // the sheet in use.
    void redrawExpected()
    {
        m_expected = QImage(m_state.mapCanvas.size(), QImage::Format_RGB32);
        m_expected.fill(m_state.mapCanvas.background());
        drawCellsExpected(QRect());
    }

    // Draws from the grid every cell of the model that lies outside kept
    // and, when only is given, inside it (in cells).
    void drawCellsExpected(const QRect &kept, const QRect &only = {})
    {
        QPainter painter(&m_expected);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        const QImage &sheet = m_state.tileSheet.image();
        for (int y = 0; y < m_expected.height(); y += Tiles::TileSize)
            for (int x = 0; x < m_expected.width(); x += Tiles::TileSize)
                if (!kept.contains(QPoint(x, y)) &&
                    (only.isNull() || only.contains(x / Tiles::TileSize, y / Tiles::TileSize)))
                    painter.drawImage(QPoint(x, y), sheet,
                                      QRect(Tiles::sheetOrigin(m_state.cell(x / Tiles::TileSize,
                                                                            y / Tiles::TileSize)),
                                            QSize(Tiles::TileSize, Tiles::TileSize)));
    }

    void resizeExpected(const QImage &before)
    {
        m_expected = QImage(m_state.mapCanvas.size(), QImage::Format_RGB32);
        m_expected.fill(m_state.mapCanvas.background());
        {
            QPainter painter(&m_expected);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(QPoint(0, 0), before);
        }
        drawCellsExpected(before.rect());
    }

    void paintExpected(QPoint at, const QImage &block)
    {
        QPainter painter(&m_expected);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(at, block);
    }

    void fillExpected()
    {
        for (int y = 0; y < m_expected.height(); y += Tiles::TileSize)
            for (int x = 0; x < m_expected.width(); x += Tiles::TileSize)
                paintExpected(QPoint(x, y), m_brush);
        m_wholeMapChanged = true;
    }

    // Tile sets to load, good and damaged, and map files that are not maps
    // (every byte string loads as some map).
    void prepareFiles()
    {
        const auto write = [this](const QString &name, const QByteArray &bytes) {
            const QString path = m_folder.filePath(name);
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
            m_prepared.append(name);
            return path;
        };
        const auto image = [](QImage picture, const char *format) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            picture.save(&buffer, format);
            return bytes;
        };
        QImage shifted = NumberedSheet::sheet();
        shifted.invertPixels();
        QImage small(200, 60, QImage::Format_RGB32);
        small.fill(Qt::darkMagenta);
        m_goodSheets = {write(QStringLiteral("numbered.bmp"), image(NumberedSheet::sheet(), "BMP")),
                        write(QStringLiteral("inverted.png"), image(shifted, "PNG")),
                        write(QStringLiteral("small.bmp"), image(small, "BMP"))};
        const QByteArray rle = BitmapFiles::bitmap(512, 128, {8, BitmapFiles::Compression::Rle8});
        const QByteArray png = image(shifted, "PNG");
        m_badSheets = {write(QStringLiteral("cut.bmp"), rle.left(rle.size() / 2)),
                       write(QStringLiteral("cut.png"), png.left(png.size() / 2)),
                       write(QStringLiteral("notes.bmp"), QByteArrayLiteral("not a picture"))};
        QByteArray noise(40'000, '\0');
        for (char &byte : noise)
            byte = char(m_random.bounded(256));
        m_badMaps = {write(QStringLiteral("empty.map"), QByteArray()),
                     write(QStringLiteral("short.map"), noise.left(10)),
                     write(QStringLiteral("noise.map"), noise)};
    }

    EditorState m_state;
    QRandomGenerator m_random;
    QDir m_folder;
    QImage m_expected;
    QImage m_brush;
    Stamp m_clipboard;
    bool m_held = false;
    float m_zoom = ZoomText::OpeningZoom;
    bool m_wholeMapChanged = false;
    int m_sinceWholeCheck = 0;
    QStringList m_prepared;
    QStringList m_goodSheets;
    QStringList m_badSheets;
    QStringList m_badMaps;
    QMap<QString, QByteArray> m_saved;
    std::map<QString, int> m_counts;
};

} // namespace

class TestRandomRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomOperationsKeepTheEditorWhole();
};

void TestRandomRun::randomOperationsKeepTheEditorWhole()
{
    const quint32 seed =
        environmentNumber("TESSELWICK_SEED", QRandomGenerator::global()->generate());
    const int operations = int(environmentNumber("TESSELWICK_OPERATIONS", DefaultOperations));
    qInfo("random run: seed %u, %d operations (repeat with TESSELWICK_SEED=%u)", seed, operations,
          seed);
    QTemporaryDir dir;
    RandomRun run(seed, dir.path());
    QElapsedTimer timer;
    timer.start();

    for (int index = 1; index <= operations; ++index) {
        const char *name = nullptr;
        const QString error = run.step(&name);
        if (!error.isEmpty())
            QFAIL(qPrintable(QStringLiteral("operation %1 (%2) of the run with seed %3: %4")
                                 .arg(index)
                                 .arg(QLatin1String(name))
                                 .arg(seed)
                                 .arg(error)));
    }
    qInfo("random run: seed %u, %d operations in %.1f s: %s", seed, operations,
          timer.elapsed() / 1000.0, qPrintable(run.counts()));
}

QTEST_GUILESS_MAIN(TestRandomRun)
#include "tst_randomrun.moc"
