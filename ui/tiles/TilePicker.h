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
// Created hidden when first needed and never hidden by the editor; its close
// box only hides it, so the sheet and the brush live on.
class TilePicker : public QWidget
{
    Q_OBJECT

public:
    explicit TilePicker(EditorState &state, QWidget *parent = nullptr);

private:
    void onSheetPointerMoved(QPointF position);
    void onSheetPressed(QPointF position);
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
};
