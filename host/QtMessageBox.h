// SPDX-License-Identifier: MIT
#pragma once

#include "host/MessageBox.h"

// The message box shown with Qt's own box, modal to the active window.
class QtMessageBox : public MessageBox
{
protected:
    Answer ask(const QString &prompt, Buttons buttons, const QString &title) override;
};
