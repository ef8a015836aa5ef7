// SPDX-License-Identifier: MIT
// A second reference for the start-up benchmark: the empty main window with a
// menu bar of four titles. Its text makes it pay what any window that shows
// text pays before it can be laid out: reading the font configuration,
// filling the font database and loading a font.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char *title : {"&File", "&Edit", "&Tools", "&About"})
        window.menuBar()->addMenu(QString::fromLatin1(title));
    window.show();
    return QApplication::exec();
}
