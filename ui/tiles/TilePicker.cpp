// SPDX-License-Identifier: MIT
#include "ui/tiles/TilePicker.h"

#include "core/EditorState.h"
#include "core/MapRoutines.h"
#include "host/Fonts.h"
#include "host/OutlineShape.h"
#include "host/SurfaceView.h"
#include "ui/tiles/TilePickerLayout.h"

#include <QImage>
#include <QLabel>

#include <cmath>

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

bool onSheet(int column, int row)
{
    return column >= 0 && column < Tiles::SheetColumns && row >= 0 && row < Tiles::SheetRows;
}

} // namespace

TilePicker::TilePicker(EditorState &state, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_state(state)
{
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(Layout::ClientSize);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setWindowTitle(m_state.pickerCaption());
    connect(&m_state, &EditorState::pickerCaptionChanged, this, &QWidget::setWindowTitle);

    m_state.picTileSet.setPicture(QImage(Layout::TileSetResource));

    picTileSet = new SurfaceView(m_state.picTileSet, this);
    picTileSet->setObjectName(QStringLiteral("picTileSet"));
    picTileSet->move(Layout::TileSheet);
    connect(picTileSet, &SurfaceView::mouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPointF position) {
                picTileSet_MouseMove(position);
            });
    connect(picTileSet, &SurfaceView::mouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF position) {
                picTileSet_MouseDown(position);
            });

    Shape1 = new OutlineShape(QSize(Tiles::TileSize, Tiles::TileSize), Qt::red, picTileSet);
    Shape1->setObjectName(QStringLiteral("Shape1"));

    Label2 = whiteLabel("Label2", Layout::SelectedLabel, this);
    Label2->setText(Layout::SelectedTileText);
    Label2->setWordWrap(true);
    Label2->setFont(Fonts::font(Fonts::MsSansSerif, Layout::LabelPoints));

    picSelected = new SurfaceView(m_state.picSelected, this);
    picSelected->setObjectName(QStringLiteral("picSelected"));
    picSelected->move(Layout::SelectedPreview.topLeft());

    Label1 = whiteLabel("Label1", Layout::PointerNumber, this);
    Label1->setToolTip(Layout::PointerNumberTip);
    lblSelectedNumber = whiteLabel("lblSelectedNumber", Layout::SelectedNumber, this);
    lblSelectedNumber->setToolTip(Layout::SelectedNumberTip);
    showPointerNumber();
    showSelectedNumber();
}

void TilePicker::picTileSet_MouseMove(QPointF position)
{
    // Truncation toward zero: the first 15 pixels left of or above the sheet
    // still give column or row 0.
    PickerColumn = static_cast<int>(std::trunc(position.x() / Tiles::TileSize));
    PickerRow = static_cast<int>(std::trunc(position.y() / Tiles::TileSize));
    Shape1->move(PickerColumn * Tiles::TileSize, PickerRow * Tiles::TileSize);
    showPointerNumber();
}

void TilePicker::picTileSet_MouseDown(QPointF position)
{
    // A press is always over the sheet, but the position last tracked lies
    // beyond it after a drag outside; it names no tile, so the press counts.
    if (!onSheet(PickerColumn, PickerRow))
        picTileSet_MouseMove(position);
    SelectTile(m_state, static_cast<std::int16_t>(PickerColumn),
               static_cast<std::int16_t>(PickerRow));
    m_state.SelectedTile = static_cast<std::int16_t>(Tiles::tileAt(PickerColumn, PickerRow));
    copySelectionToPreview(m_state);
    picSelected->refresh();
    showSelectedNumber();
}

void TilePicker::showPointerNumber()
{
    Label1->setText(onSheet(PickerColumn, PickerRow)
                        ? Layout::TileNumberText.arg(Tiles::tileAt(PickerColumn, PickerRow))
                        : QString());
}

void TilePicker::showSelectedNumber()
{
    lblSelectedNumber->setText(Layout::TileNumberText.arg(m_state.SelectedTile));
}
