// SPDX-License-Identifier: MIT
#include "ui/tiles/TilePicker.h"

#include "core/state/EditorState.h"
#include "core/edit/TilePicking.h"
#include "host/Fonts.h"
#include "host/OutlineShape.h"
#include "host/SurfaceView.h"
#include "ui/tiles/TilePickerConstants.h"

#include <QLabel>

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
    connect(m_sheetView, &SurfaceView::mouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPointF position) {
                onSheetPointerMoved(position);
            });
    connect(m_sheetView, &SurfaceView::mouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF position) {
                onSheetPressed(position);
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
    showSelectedNumber();
}

void TilePicker::onSheetPointerMoved(QPointF position)
{
    m_pointer = TilePicking::cellAt(position);
    m_tileOutline->move(m_pointer.column * Tiles::TileSize, m_pointer.row * Tiles::TileSize);
    showPointerNumber();
}

void TilePicker::onSheetPressed(QPointF position)
{
    // A press is always over the sheet, but the position last tracked lies
    // beyond it after a drag outside; it names no tile, so the press counts.
    if (!TilePicking::onSheet(m_pointer))
        onSheetPointerMoved(position);
    TilePicking::pickTile(m_state, m_pointer);
    m_brushView->refresh();
    showSelectedNumber();
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
