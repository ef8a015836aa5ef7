// SPDX-License-Identifier: MIT
#include "host/MessageBox.h"

#include "AppInfo.h"

MessageBox::Answer MessageBox::show(const QString &prompt, Buttons buttons, const QString &title)
{
    return ask(prompt, buttons, title.isEmpty() ? QLatin1String(AppInfo::ProductName) : title);
}
