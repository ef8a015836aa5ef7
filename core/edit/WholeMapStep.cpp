// SPDX-License-Identifier: MIT
#include "core/edit/WholeMapStep.h"

#include "core/history/EditHistory.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"

void WholeMapStep::perform(EditorState &state, const QString &name, Replaces replaces, Apply apply)
{
    if (!state.history.recording())
        apply(state);
    else
        state.history.push(new WholeMapStep(state, name, replaces, std::move(apply)));
}

WholeMapStep::WholeMapStep(EditorState &state, const QString &name, Replaces replaces, Apply apply)
    : m_state(&state), m_replaces(replaces), m_apply(std::move(apply)),
      m_headerByte1(state.headerByte1), m_headerByte2(state.headerByte2),
      m_mapWidthByte(state.mapWidthByte), m_mapHeightByte(state.mapHeightByte),
      m_mapWidth(state.mapWidth), m_mapHeight(state.mapHeight),
      m_canvasSize(state.mapCanvas.size()),
      m_mapPanel(state.statusText(EditorState::MapPanel)),
      m_sizePanel(state.statusText(EditorState::SizePanel))
{
    setText(name);
    if (replaces.grid)
        m_grid = PackedState::packGrid(state.tileMap);
    if (replaces.sheet) {
        m_sheet = state.history.sheets().pack(state.tileSheet.image());
        m_pickerCaption = state.pickerCaption();
    }
}

void WholeMapStep::undo()
{
    EditorState &state = *m_state;
    state.headerByte1 = m_headerByte1;
    state.headerByte2 = m_headerByte2;
    state.mapWidthByte = m_mapWidthByte;
    state.mapHeightByte = m_mapHeightByte;
    state.mapWidth = m_mapWidth;
    state.mapHeight = m_mapHeight;
    if (m_replaces.grid)
        PackedState::unpackGrid(m_grid, state.tileMap);
    if (m_replaces.sheet) {
        state.tileSheet.setPicture(SheetStore::unpack(m_sheet));
        drawBrushFromSheet(state);
        state.setPickerCaption(m_pickerCaption);
    }
    // The redraw covers every pixel of the canvas.
    state.mapCanvas.resizeForRedraw(m_canvasSize);
    redrawMap(state);
    state.setStatusText(EditorState::MapPanel, m_mapPanel);
    state.setStatusText(EditorState::SizePanel, m_sizePanel);
    if (m_replaces.homesView)
        Q_EMIT state.history.viewHomeRequested();
}

void WholeMapStep::redo()
{
    m_apply(*m_state);
    if (m_replaces.homesView && m_state->history.replaying())
        Q_EMIT m_state->history.viewHomeRequested();
}
