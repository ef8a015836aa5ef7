// SPDX-License-Identifier: MIT
#pragma once

#include "core/history/PackedState.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

class QUndoCommand;

// The names the Edit menu gives the steps ("Undo Fill Map", "Redo Paint").
namespace StepNames {
inline const QString Paint = QStringLiteral("Paint");
inline const QString FillMap = QStringLiteral("Fill Map");
inline const QString ClearMap = QStringLiteral("Clear Map");
inline const QString NewMap = QStringLiteral("New Map");
inline const QString ResizeMap = QStringLiteral("Resize Map");
inline const QString LoadMap = QStringLiteral("Load Map");
inline const QString LoadTiles = QStringLiteral("Load Tiles");
inline const QString BucketFill = QStringLiteral("Bucket Fill");
inline const QString ReplaceTile = QStringLiteral("Replace Tile");
inline const QString RectangleFill = QStringLiteral("Rectangle Fill");
inline const QString Paste = QStringLiteral("Paste");
inline const QString Cut = QStringLiteral("Cut");
inline const QString Delete = QStringLiteral("Delete");
} // namespace StepNames

// The undo history of the map and the tile sheet. Every edit function
// records its change here as one step and performs it through the step, so
// undo and redo run the same code as the command itself. A stroke of
// painting is one step from the press to the release: its ticks merge into
// the step the stroke's first change made.
class EditHistory : public QObject
{
    Q_OBJECT

public:
    // Steps beyond this many fall off the old end of the history.
    static constexpr int StepLimit = 1000;

    explicit EditHistory(QObject *parent = nullptr);

    QUndoStack &stack() { return m_stack; }
    const QUndoStack &stack() const { return m_stack; }

    // Performs a step and records it; takes ownership.
    void push(QUndoCommand *step);

    void undo();
    void redo();

    // Forgets every step (a fresh start of the editor).
    void clear();

    // A state that only converts maps (the command-line tool) has nothing
    // to take back: with recording off the edit functions just make their
    // change. On from the start.
    void setRecording(bool on) { m_recording = on; }
    bool recording() const { return m_recording; }

    // A stroke runs from the press to the release; paint steps made while it
    // runs merge into one.
    void beginStroke();
    void endStroke();
    bool strokeTakes(const QUndoCommand *step) const;

    // Whether the map differs from what was last saved or loaded: the
    // history stands away from the step it stood at then, so undoing back to
    // it makes the map unchanged again. A fresh start and a new map count as
    // saved.
    bool hasUnsavedChanges() const { return !m_stack.isClean(); }
    // The map as it stands is what its file now holds, or has nothing to
    // save.
    void markSaved() { m_stack.setClean(); }

    // Whether a step is being undone or redone rather than done the first
    // time.
    bool replaying() const { return !m_pushing; }

    SheetStore &sheets() { return m_sheets; }

Q_SIGNALS:
    // An undo or redo ended the stroke that was being painted; painting
    // stops until the next press.
    void strokeInterrupted();
    // An undo or redo gave the map another size; the view goes back to the
    // map's top-left corner as the command itself takes it there.
    void viewHomeRequested();
    // hasUnsavedChanges() turned.
    void unsavedChangesChanged(bool changed);

private:
    void onIndexChanged();

    QUndoStack m_stack;
    SheetStore m_sheets;
    bool m_recording = true;
    bool m_pushing = false;
    bool m_strokeOpen = false;
    const QUndoCommand *m_stroke = nullptr;
};
