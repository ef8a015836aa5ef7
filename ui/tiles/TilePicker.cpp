// SPDX-License-Identifier: MIT
#include "ui/tiles/TilePicker.h"

#include "core/state/EditorState.h"
#include "core/edit/TilePicking.h"
#include "host/Fonts.h"
#include "host/OutlineShape.h"
#include "host/SurfaceView.h"
#include "ui/tiles/TilePickerConstants.h"

#include <QLabel>

#include <algorithm>

namespace Layout = TilePickerLayout;

namespace {

QLabel *whiteLabel(const char *name, const QRect &geometry, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent"));
    return label;
}

} // namespace

TilePicker::TilePicker(EditorState &state, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_state(state)
{
    setObjectName(QStringLiteral("tilePicker"));
    setFixedSize(Layout::ClientSize);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setWindowTitle(m_state.pickerCaption());
    connect(&m_state, &EditorState::pickerCaptionChanged, this, &QWidget::setWindowTitle);

    m_sheetView = new SurfaceView(m_state.tileSheet, this);
    m_sheetView->setObjectName(QStringLiteral("tileSheet"));
    m_sheetView->move(Layout::TileSheet);
    connect(m_sheetView, &SurfaceView::mouseMove, this, &TilePicker::onSheetPointerMoved);
    connect(m_sheetView, &SurfaceView::mouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers modifiers, QPointF position) {
                onSheetPressed(modifiers, position);
            });
    connect(m_sheetView, &SurfaceView::mouseUp, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers modifiers, QPointF position) {
                onSheetReleased(modifiers, position);
            });

    m_tileOutline = new OutlineShape(QSize(Tiles::TileSize, Tiles::TileSize), Qt::red, m_sheetView);
    m_tileOutline->setObjectName(QStringLiteral("tileOutline"));

    m_selectedCaption = whiteLabel("selectedCaption", Layout::SelectedLabel, this);
    m_selectedCaption->setText(Layout::SelectedTileText);
    m_selectedCaption->setWordWrap(true);
    m_selectedCaption->setFont(Fonts::font(Fonts::MsSansSerif, Layout::LabelPoints));

    m_brushView = new SurfaceView(m_state.brushPreview, this);
    m_brushView->setObjectName(QStringLiteral("brushPreview"));
    m_brushView->move(Layout::SelectedPreview.topLeft());

    m_pointerNumber = whiteLabel("pointerNumber", Layout::PointerNumber, this);
    m_pointerNumber->setToolTip(Layout::PointerNumberTip);
    m_selectedNumber = whiteLabel("selectedNumber", Layout::SelectedNumber, this);
    m_selectedNumber->setToolTip(Layout::SelectedNumberTip);
    showPointerNumber();
    // The preview is drawn anew whenever the selected tile or the sheet
    // changes (a pick, Load Tiles, Import Picture, Compact Tiles and their
    // undo and redo), so its number and outline follow it from here.
    connect(&m_state.brushPreview, &Surface::drawn, this, &TilePicker::followBrush);
    // Built after a tile was selected without it (a recovered map's), it
    // frames that tile from the start.
    followBrush();
}

void TilePicker::onSheetPointerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                     QPointF position)
{
    m_pointer = TilePicking::cellAt(position);
    if (m_shiftDrag && buttons != Qt::NoButton && (modifiers & Qt::ShiftModifier))
        frame(m_dragStart, m_pointer);
    else
        frame(m_pointer, m_pointer);
    showPointerNumber();
}

void TilePicker::onSheetPressed(Qt::KeyboardModifiers modifiers, QPointF position)
{
    // A press is always over the sheet, but the position last tracked lies
    // beyond it after a drag outside; it names no tile, so the press counts.
    if (!TilePicking::onSheet(m_pointer))
        onSheetPointerMoved(Qt::NoButton, Qt::NoModifier, position);
    frame(m_pointer, m_pointer);
    TilePicking::pickTile(m_state, m_pointer);
    m_brushView->refresh();
    showSelectedNumber();
    m_shiftDrag = modifiers & Qt::ShiftModifier;
    m_dragStart = m_pointer;
    Q_EMIT picked();
}

void TilePicker::onSheetReleased(Qt::KeyboardModifiers modifiers, QPointF position)
{
    const bool stamp = m_shiftDrag && (modifiers & Qt::ShiftModifier);
    m_shiftDrag = false;
    const TilePicking::SheetCell end = TilePicking::cellAt(position);
    if (!stamp || end == m_dragStart)
        return;
    TilePicking::pickStamp(m_state, m_dragStart, end);
    frame(m_dragStart, end);
    m_brushView->refresh();
    showSelectedNumber();
    Q_EMIT picked();
}

void TilePicker::frame(TilePicking::SheetCell from, TilePicking::SheetCell to)
{
    // Kept to the sheet, as the stamp is.
    const auto clampColumn = [](int column) {
        return std::clamp(column, 0, Tiles::SheetColumns - 1);
    };
    const auto clampRow = [](int row) { return std::clamp(row, 0, Tiles::SheetRows - 1); };
    if (from == to) {
        m_tileOutline->setFixedSize(Tiles::TileSize, Tiles::TileSize);
        m_tileOutline->move(from.column * Tiles::TileSize, from.row * Tiles::TileSize);
        return;
    }
    const QRect cells(QPoint(clampColumn(std::min(from.column, to.column)),
                             clampRow(std::min(from.row, to.row))),
                      QPoint(clampColumn(std::max(from.column, to.column)),
                             clampRow(std::max(from.row, to.row))));
    m_tileOutline->setFixedSize(cells.size() * Tiles::TileSize);
    m_tileOutline->move(cells.topLeft() * Tiles::TileSize);
}

void TilePicker::followPick()
{
    frameSelectedTile();
    m_brushView->refresh();
    showSelectedNumber();
}

void TilePicker::followBrush()
{
    // A stamp's frame stays: the picker draws it once the pick that made
    // the stamp is done.
    if (!m_state.hasStamp())
        frameSelectedTile();
    showSelectedNumber();
}

void TilePicker::frameSelectedTile()
{
    const TilePicking::SheetCell cell{m_state.selectedTile % Tiles::SheetColumns,
                                      m_state.selectedTile / Tiles::SheetColumns};
    frame(cell, cell);
}

void TilePicker::showPointerNumber()
{
    m_pointerNumber->setText(
        TilePicking::onSheet(m_pointer)
            ? Layout::TileNumberText.arg(Tiles::tileAt(m_pointer.column, m_pointer.row))
            : QString());
}

void TilePicker::showSelectedNumber()
{
    m_selectedNumber->setText(Layout::TileNumberText.arg(m_state.selectedTile));
}
