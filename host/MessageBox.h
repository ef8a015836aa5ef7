// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Modal message boxes. Buttons: Ok shows one OK button; YesNo shows Yes and No
// with Yes as the default (Enter answers Yes). The title is the program's
// title unless one is given.
class MessageBox
{
public:
    enum Buttons { Ok = 0, YesNo = 4 };
    enum Answer { AnswerOk = 1, AnswerYes = 6, AnswerNo = 7 };

    virtual ~MessageBox() = default;

    int MsgBox(const QString &prompt, int buttons = Ok, const QString &title = {});

protected:
    virtual int ask(const QString &prompt, int buttons, const QString &title) = 0;
};
