// SPDX-License-Identifier: MIT
#include "core/state/WindowTitle.h"

#include "AppInfo.h"

QString mainWindowTitle()
{
    return QStringLiteral("%1 (v%2.%3) - %4")
        .arg(QLatin1String(AppInfo::ProductName))
        .arg(AppInfo::Major)
        .arg(AppInfo::Minor)
        .arg(QLatin1String(AppInfo::CompanyName));
}
