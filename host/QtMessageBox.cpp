// SPDX-License-Identifier: MIT
#include "host/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

int QtMessageBox::ask(const QString &prompt, int buttons, const QString &title)
{
    // Over whichever window asked: the main window or the preview.
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    // Prompts carry file names, which are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(prompt);
    box.setIcon(QMessageBox::NoIcon);
    if (buttons == YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? AnswerYes : AnswerNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return AnswerOk;
}
