// SPDX-License-Identifier: MIT
#include "AppInfo.h"
#include "core/EditorState.h"
#include "host/QtFileDialog.h"
#include "host/QtMessageBox.h"
#include "ui/main/MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(AppInfo::ProductName));
    QApplication::setOrganizationName(QLatin1String(AppInfo::CompanyName));

    EditorState state;
    QtFileDialog fileDialog(nullptr);
    QtMessageBox messageBox(nullptr);
    MainWindow window(state, Host{fileDialog, messageBox});
    window.show();
    return QApplication::exec();
}
