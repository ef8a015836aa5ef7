// SPDX-License-Identifier: MIT
#include "host/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The letters let a keyboard user answer with one key.
const QString SaveCaption = QStringLiteral("&Save");
const QString DiscardCaption = QStringLiteral("&Discard");
const QString CancelCaption = QStringLiteral("Cancel");

} // namespace

MessageBox::Answer QtMessageBox::ask(const QString &prompt, Buttons buttons, const QString &title)
{
    // Over whichever window asked: the main window or the preview.
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    // Prompts carry file names, which are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(prompt);
    box.setIcon(QMessageBox::NoIcon);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    if (buttons == Buttons::SaveDiscardCancel) {
        // With a Cancel button, Esc and the close box answer Cancel.
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        box.button(QMessageBox::Save)->setText(SaveCaption);
        box.button(QMessageBox::Discard)->setText(DiscardCaption);
        box.button(QMessageBox::Cancel)->setText(CancelCaption);
        switch (box.exec()) {
        case QMessageBox::Save:
            return Answer::Save;
        case QMessageBox::Discard:
            return Answer::Discard;
        default:
            return Answer::Cancel;
        }
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}
