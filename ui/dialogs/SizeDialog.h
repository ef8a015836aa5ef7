// SPDX-License-Identifier: MIT
#pragma once

#include "core/edit/SizeFieldCheck.h"
#include "ui/dialogs/SizeDialogConstants.h"

#include <QDialog>

class EditorState;
class QFont;
class MessageBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What the New Map and Resize Map dialogs share: a width and a height field of
// three characters that turn yellow while they have the focus, their labels,
// "Cancel" and an applying button. The applying button runs the size check,
// shows its message and marks the failing fields, or applies the size and
// closes the dialog. Neither button is the default or the cancel button, so
// Enter and Escape in a field press nothing, while Enter presses a button that
// has the focus; the close box closes the dialog without touching the editor
// state.
class SizeDialog : public QDialog
{
    Q_OBJECT

public:
    // A fixed text in navy, top-left aligned, on the dialog's background.
    static QLabel *navyLabel(const char *name, const QString &text, const QRect &geometry,
                             const QFont &font, QWidget *parent);

protected:
    SizeDialog(EditorState &state, MessageBox &messageBox, const SizeDialogLayout::Controls &layout,
               const char *applyName, const QString &applyCaption, QWidget *parent);

    // Applies a size that passed the check.
    virtual void apply(SizeFieldCheck::MapSize size) = 0;

    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    EditorState &m_state;

private:
    void onApplyClicked();
    void onCancelClicked();
    void onFieldFocused(QLineEdit *field);
    void onFieldUnfocused(QLineEdit *field);

    MessageBox &m_messageBox;
    QLabel *m_widthLabel = nullptr;
    QLineEdit *m_widthField = nullptr;
    QLabel *m_widthRange = nullptr;
    QLabel *m_heightLabel = nullptr;
    QLineEdit *m_heightField = nullptr;
    QLabel *m_heightRange = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_applyButton = nullptr;
};
