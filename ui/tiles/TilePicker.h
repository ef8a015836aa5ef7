// SPDX-License-Identifier: MIT
#pragma once

#include "core/edit/TilePicking.h"

#include <QPointF>
#include <QWidget>

class EditorState;
class OutlineShape;
class QLabel;
class SurfaceView;

// The tile picker: shows the tile sheet in use, follows the pointer
// over it with an outline, and on a press of any button makes the tile under
// the pointer the one to paint with, copying it into the preview, the brush.
// A drag begun with Shift and released over another tile with Shift still
// held makes the rectangle of tiles between them a stamp to paint with; the
// outline frames it.
// Created hidden when first needed and never hidden by the editor; its close
// box only hides it, so the sheet and the brush live on.
class TilePicker : public QWidget
{
    Q_OBJECT

public:
    explicit TilePicker(EditorState &state, QWidget *parent = nullptr);

    // The tile to paint with was picked elsewhere (off the map): the
    // outline, the preview and the number follow.
    void followPick();

Q_SIGNALS:
    // A tile or a stamp was picked here.
    void picked();

private:
    void onSheetPointerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                             QPointF position);
    void onSheetPressed(Qt::KeyboardModifiers modifiers, QPointF position);
    void onSheetReleased(Qt::KeyboardModifiers modifiers, QPointF position);
    void frame(TilePicking::SheetCell from, TilePicking::SheetCell to);
    void frameSelectedTile();
    void followBrush();
    void showPointerNumber();
    void showSelectedNumber();

    EditorState &m_state;
    SurfaceView *m_sheetView = nullptr;
    OutlineShape *m_tileOutline = nullptr;
    QLabel *m_selectedCaption = nullptr;
    SurfaceView *m_brushView = nullptr;
    QLabel *m_pointerNumber = nullptr;
    QLabel *m_selectedNumber = nullptr;

    TilePicking::SheetCell m_pointer;
    // Where a press with Shift went down, while its drag lasts.
    bool m_shiftDrag = false;
    TilePicking::SheetCell m_dragStart;
};
