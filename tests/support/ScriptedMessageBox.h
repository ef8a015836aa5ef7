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
        Buttons buttons;
        QString title;
    };

    QList<Answer> answers;
    QList<Asked> asked;

protected:
    Answer ask(const QString &prompt, Buttons buttons, const QString &title) override
    {
        asked.append({prompt, buttons, title});
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        return answers.isEmpty() ? Answer::Yes : answers.takeFirst();
    }
};
