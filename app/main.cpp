// SPDX-License-Identifier: MIT
#include "AppInfo.h"
#include "core/files/RecoveryFolder.h"
#include "core/state/EditorState.h"
#include "host/LastingIconStyle.h"
#include "host/QtFileDialog.h"
#include "host/QtMessageBox.h"
#include "host/QtUrlOpener.h"
#include "ui/about/HelpOnDemand.h"
#include "ui/main/MainWindow.h"
#include "ui/main/RecoveryKeeper.h"

#include <QApplication>
#include <QCommandLineParser>

namespace {

const QString FileArgument = QStringLiteral("file");
const QString FileArgumentHelp =
    QStringLiteral("A map file to open, or a picture to use as the tile set.");

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(AppInfo::ProductName));
    QApplication::setOrganizationName(QLatin1String(AppInfo::CompanyName));
    QGuiApplication::setDesktopFileName(QLatin1String(AppInfo::DesktopId));
    QApplication::setStyle(new LastingIconStyle);

    QCommandLineParser arguments;
    arguments.addHelpOption();
    arguments.addPositionalArgument(FileArgument, FileArgumentHelp);
    arguments.process(app);

    EditorState state;
    QtFileDialog fileDialog;
    QtMessageBox messageBox;
    HelpOnDemand help;
    QtUrlOpener urlOpener;
    MainWindow window(state, Host{fileDialog, messageBox, help, urlOpener});
    help.placeBeside(&window);
    RecoveryKeeper recovery(state, messageBox, RecoveryFolder::defaultFolder());
    window.show();
    recovery.offerLeftCopies();
    if (!arguments.positionalArguments().isEmpty())
        window.openFile(arguments.positionalArguments().constFirst());
    return QApplication::exec();
}
