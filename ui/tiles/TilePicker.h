// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QWidget>

class EditorState;
class OutlineShape;
class QLabel;
class SurfaceView;

// Form1, the tile picker: shows the tile sheet in use, follows the pointer
// over it with an outline, and on a press of any button makes the tile under
// the pointer the one to paint with, copying it into the preview, the brush.
// Created hidden with the editor and never hidden by it; its close box only
// hides it, so the sheet and the brush live on.
class TilePicker : public QWidget
{
    Q_OBJECT

public:
    explicit TilePicker(EditorState &state, QWidget *parent = nullptr);

private:
    void picTileSet_MouseMove(QPointF position);
    void picTileSet_MouseDown(QPointF position);
    void showPointerNumber();
    void showSelectedNumber();

    EditorState &m_state;
    SurfaceView *picTileSet = nullptr;
    OutlineShape *Shape1 = nullptr;
    QLabel *Label2 = nullptr;
    SurfaceView *picSelected = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblSelectedNumber = nullptr;

    int PickerColumn = 0;
    int PickerRow = 0;
};
