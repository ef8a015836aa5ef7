// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

// Answers each modal window as soon as it is shown: a file dialog with the
// next name queued (or Cancel when none is), a message box with its Escape
// or default button, any other dialog by closing it. Counts what it closed
// by class name.
class ModalAnswerer : public QObject
{
public:
    QStringList fileNames;
    QMap<QString, int> closed;

    ModalAnswerer()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::answer);
        m_timer.start(5);
    }

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        ++closed[QString::fromLatin1(modal->metaObject()->className())];
        if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            if (fileNames.isEmpty()) {
                files->reject();
            } else {
                files->selectFile(fileNames.takeFirst());
                static_cast<QDialog *>(files)->accept(); // QFileDialog hides it
            }
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            QAbstractButton *button = box->escapeButton() != nullptr
                                          ? box->escapeButton()
                                          : static_cast<QAbstractButton *>(box->defaultButton());
            (button != nullptr ? button : box->buttons().constFirst())->click();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    QTimer m_timer;
};
