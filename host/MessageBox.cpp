// SPDX-License-Identifier: MIT
#include "host/MessageBox.h"

#include "AppInfo.h"

int MessageBox::MsgBox(const QString &prompt, int buttons, const QString &title)
{
    return ask(prompt, buttons, title.isEmpty() ? QLatin1String(AppInfo::ProductName) : title);
}
