// SPDX-License-Identifier: MIT
#pragma once

#include "host/MessageBox.h"

#include <QList>

// A message box that records what it was asked and answers from a script.
// With the script empty it lets the command go on: Yes, or Discard when it
// asks about unsaved changes.
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
        if (answers.isEmpty())
            return buttons == Buttons::SaveDiscardCancel ? Answer::Discard : Answer::Yes;
        return answers.takeFirst();
    }
};
