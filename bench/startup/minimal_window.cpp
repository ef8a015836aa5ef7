// SPDX-License-Identifier: MIT
// The baseline of the start-up benchmark: a Qt Widgets program that shows
// one empty main window and nothing else.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    return QApplication::exec();
}
