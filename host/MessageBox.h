// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Modal message boxes. Buttons: Ok shows one OK button; YesNo shows Yes and No
// with Yes as the default (Enter answers Yes); SaveDiscardCancel shows Save,
// Discard and Cancel with Save as the default and Esc answering Cancel. The
// title is the program's title unless one is given.
class MessageBox
{
public:
    enum class Buttons { Ok, YesNo, SaveDiscardCancel };
    enum class Answer { Ok, Yes, No, Save, Discard, Cancel };

    virtual ~MessageBox() = default;

    Answer show(const QString &prompt, Buttons buttons = Buttons::Ok, const QString &title = {});

protected:
    virtual Answer ask(const QString &prompt, Buttons buttons, const QString &title) = 0;
};
