// SPDX-License-Identifier: MIT
#include "host/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

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
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}
