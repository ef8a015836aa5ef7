// SPDX-License-Identifier: MIT
#include "core/history/EditHistory.h"

#include <QScopedValueRollback>

EditHistory::EditHistory(QObject *parent) : QObject(parent)
{
    m_stack.setUndoLimit(StepLimit);
    connect(&m_stack, &QUndoStack::indexChanged, this, &EditHistory::onIndexChanged);
    connect(&m_stack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { Q_EMIT unsavedChangesChanged(!clean); });
}

void EditHistory::push(QUndoCommand *step)
{
    {
        QScopedValueRollback pushing(m_pushing, true);
        m_stack.push(step);
    }
    // The step on top is the stroke's own, whether the new one merged into
    // it or began it.
    if (m_strokeOpen && m_stack.index() > 0)
        m_stroke = m_stack.command(m_stack.index() - 1);
}

void EditHistory::undo()
{
    m_stack.undo();
}

void EditHistory::redo()
{
    m_stack.redo();
}

void EditHistory::clear()
{
    endStroke();
    m_stack.clear();
}

void EditHistory::beginStroke()
{
    m_strokeOpen = true;
    m_stroke = nullptr;
}

void EditHistory::endStroke()
{
    m_strokeOpen = false;
    m_stroke = nullptr;
}

bool EditHistory::strokeTakes(const QUndoCommand *step) const
{
    return m_strokeOpen && step == m_stroke;
}

void EditHistory::onIndexChanged()
{
    if (m_pushing || !m_strokeOpen)
        return;
    endStroke();
    Q_EMIT strokeInterrupted();
}
