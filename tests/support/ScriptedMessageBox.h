// SPDX-License-Identifier: MIT
#pragma once

#include "host/MessageBox.h"

#include <QList>

// A message box that records what it was asked and answers from a script
// (Yes when the script is empty).
class ScriptedMessageBox : public MessageBox
{
public:
    struct Asked
    {
        QString prompt;
        int buttons;
        QString title;
    };

    QList<int> answers;
    QList<Asked> asked;

protected:
    int ask(const QString &prompt, int buttons, const QString &title) override
    {
        asked.append({prompt, buttons, title});
        if (buttons == Ok)
            return AnswerOk;
        return answers.isEmpty() ? AnswerYes : answers.takeFirst();
    }
};
