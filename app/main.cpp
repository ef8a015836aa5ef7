// SPDX-License-Identifier: MIT
#include "AppInfo.h"
#include "core/state/EditorState.h"
#include "host/LastingIconStyle.h"
#include "host/QtFileDialog.h"
#include "host/QtMessageBox.h"
#include "host/QtUrlOpener.h"
#include "ui/about/HelpOnDemand.h"
#include "ui/main/MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(AppInfo::ProductName));
    QApplication::setOrganizationName(QLatin1String(AppInfo::CompanyName));
    QGuiApplication::setDesktopFileName(QLatin1String(AppInfo::DesktopId));
    QApplication::setStyle(new LastingIconStyle);

    EditorState state;
    QtFileDialog fileDialog;
    QtMessageBox messageBox;
    HelpOnDemand help;
    QtUrlOpener urlOpener;
    MainWindow window(state, Host{fileDialog, messageBox, help, urlOpener});
    window.show();
    return QApplication::exec();
}
