// SPDX-License-Identifier: MIT
// Resident memory over many Load Map + Save Map cycles through the editor's
// real main window, file dialog and message box. Each file dialog is answered
// as soon as it shows: by default the name is handed to the dialog in code;
// with --typed it is typed key by key into the dialog's name field and
// confirmed with Return, as a user would, so the name completer and the file
// system model behind it do their work; with --xdotool the keys come through
// the X server (a display and xdotool needed).
//
// Every 250 cycles (or --every=N) it prints the resident size, glibc's heap
// figures (bytes in use and free in its arenas, bytes in mmapped blocks, the
// number of arenas) and the undo steps held. Two switches separate causes:
// --clear-pixmap-cache empties Qt's pixmap cache after each cycle (it holds up
// to QPixmapCache::cacheLimit() of scaled icons, then drops the oldest), and
// --no-teardown leaves without destroying anything, so heaptrack lists what
// is still held at the end as leaked, with where it was allocated. Like the
// editor, it runs with the style that keeps icons lasting; --own-icons runs
// with Qt's style alone, whose icons are new at each dialog.
//
// Usage: map_file_cycles [cycles] [--every=N] [--typed | --xdotool]
//                        [--clear-pixmap-cache] [--no-teardown] [--own-icons]
//        with QT_QPA_PLATFORM=offscreen or a display
#include "core/state/EditorState.h"
#include "host/LastingIconStyle.h"
#include "host/QtFileDialog.h"
#include "host/QtMessageBox.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/ScriptedUrlOpener.h"
#include "ui/about/HelpWindow.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmapCache>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <optional>

namespace {

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toDouble() / 1024;
    return 0;
}

// glibc keeps one heap per arena; threads that allocate may get their own.
int mallocArenas()
{
    char *text = nullptr;
    size_t size = 0;
    FILE *stream = open_memstream(&text, &size);
    if (stream == nullptr)
        return 0;
    malloc_info(0, stream);
    std::fclose(stream);
    int arenas = 0;
    for (const char *at = text; (at = std::strstr(at, "<heap nr=")) != nullptr; ++at)
        ++arenas;
    std::free(text);
    return arenas;
}

void report(int cycle, const EditorState &state)
{
    constexpr double MiB = 1024.0 * 1024.0;
    const struct mallinfo2 heap = mallinfo2();
    std::printf("cycle %5d: %6.1f MiB resident | heap: %6.1f MiB in use, %6.1f MiB free, "
                "%6.1f MiB sbrk/arenas, %5.1f MiB mmapped, %d arenas | %d undo steps\n",
                cycle, residentMiB(), heap.uordblks / MiB, heap.fordblks / MiB, heap.arena / MiB,
                heap.hblkhd / MiB, mallocArenas(), int(state.history.stack().count()));
    std::fflush(stdout);
}

// Types the next queued name into each file dialog that shows and presses
// Return; closes a message box, printing what it said. In code the keys
// go to the name field as Qt key events; through xdotool they come from the
// X server like a user's, read by Qt's X event thread.
class NameTyper : public QObject
{
public:
    enum class Keys { InCode, Xdotool };

    QStringList fileNames;

    explicit NameTyper(Keys keys) : m_keys(keys)
    {
        connect(&m_timer, &QTimer::timeout, this, &NameTyper::answer);
        m_timer.start(5);
    }

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            // A load or save that failed: said on stderr, and the run goes on.
            std::fprintf(stderr, "message: %s\n", qPrintable(box->text()));
            box->buttons().constFirst()->click();
            return;
        }
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (dialog == nullptr || !dialog->isVisible() || fileNames.isEmpty())
            return;
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (field == nullptr)
            return;
        if (m_keys == Keys::InCode)
            typeInCode(dialog, field);
        else
            typeThroughX(dialog, field);
        if (!dialog->isVisible())
            fileNames.removeFirst();
    }

    void typeInCode(QFileDialog *dialog, QLineEdit *field)
    {
        // The name is typed again when it is not all there (the dialog may
        // put its own start-up choice in the field while it lists a folder)
        // and now and then when the dialog keeps its button off although the
        // file exists: the folder's listing came in after the last key.
        constexpr int RetypeAfterMs = 1000;
        if (dialog != m_typedInto || field->text() != fileNames.constFirst() ||
            m_sinceTyped.elapsed() > RetypeAfterMs) {
            m_typedInto = dialog;
            m_sinceTyped.start();
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, fileNames.constFirst());
        }
        // The completer's list may open late and hold the keyboard; Escape
        // closes it before Return.
        if (QWidget *completions = QApplication::activePopupWidget())
            QTest::keyClick(completions, Qt::Key_Escape);
        QTest::keyClick(field, Qt::Key_Return);
    }

    // The keys arrive a while after xdotool sends them, so each dialog is
    // typed into once; Return is sent again only once the name is complete,
    // and the whole name again if keys were lost.
    void typeThroughX(QFileDialog *dialog, QLineEdit *field)
    {
        constexpr int RetypeAfterMs = 3000;
        constexpr int ReturnEveryMs = 200;
        const QString window = QString::number(dialog->winId());
        if (dialog != m_typedInto || field->text() != fileNames.constFirst() ||
            m_sinceTyped.elapsed() > RetypeAfterMs) {
            m_typedInto = dialog;
            m_sinceTyped.start();
            m_sinceReturn.start();
            QProcess::execute(QStringLiteral("xdotool"),
                              {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window,
                               QStringLiteral("key"), QStringLiteral("ctrl+a"),
                               QStringLiteral("type"), QStringLiteral("--delay"),
                               QStringLiteral("1"), fileNames.constFirst() + u'\n'});
        } else if (field->text() == fileNames.constFirst() &&
                   m_sinceReturn.elapsed() > ReturnEveryMs) {
            m_sinceReturn.start();
            QProcess::execute(QStringLiteral("xdotool"),
                              {QStringLiteral("key"), QStringLiteral("--window"), window,
                               QStringLiteral("Return")});
        }
    }

    Keys m_keys;
    QTimer m_timer;
    QPointer<QFileDialog> m_typedInto;
    QElapsedTimer m_sinceTyped;
    QElapsedTimer m_sinceReturn;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (!application.arguments().contains(QStringLiteral("--own-icons")))
        QApplication::setStyle(new LastingIconStyle);
    const QStringList arguments = application.arguments().mid(1);
    const bool xdotool = arguments.contains(QStringLiteral("--xdotool"));
    const bool typed = xdotool || arguments.contains(QStringLiteral("--typed"));
    const bool clearPixmapCache = arguments.contains(QStringLiteral("--clear-pixmap-cache"));
    const bool noTeardown = arguments.contains(QStringLiteral("--no-teardown"));
    int cycles = 2000;
    int reportEvery = 250;
    for (const QString &argument : arguments) {
        if (argument.startsWith(QStringLiteral("--every=")))
            reportEvery = qMax(1, argument.mid(8).toInt());
        else if (!argument.startsWith(QLatin1Char('-')))
            cycles = argument.toInt();
    }
    QTemporaryDir dir;
    const QString map = dir.filePath(QStringLiteral("cycle.map"));

    EditorState state;
    QtFileDialog fileDialog;
    QtMessageBox messageBox;
    HelpWindow help;
    ScriptedUrlOpener urlOpener;
    MainWindow window(state, Host{fileDialog, messageBox, help, urlOpener});
    window.show();
    // Only one of them answers the file dialogs.
    std::optional<NameTyper> typer;
    std::optional<ModalAnswerer> answerer;
    if (typed)
        typer.emplace(xdotool ? NameTyper::Keys::Xdotool : NameTyper::Keys::InCode);
    else
        answerer.emplace();
    QStringList &fileNames = typed ? typer->fileNames : answerer->fileNames;
    QAction *load = window.findChild<QAction *>(QStringLiteral("loadMapAction"));
    QAction *save = window.findChild<QAction *>(QStringLiteral("saveMapAction"));

    fileNames = {map};
    save->trigger();
    report(0, state);
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        fileNames = {map, map};
        load->trigger();
        save->trigger();
        if (clearPixmapCache)
            QPixmapCache::clear();
        if (cycle % reportEvery == 0)
            report(cycle, state);
    }
    if (noTeardown) {
        std::fflush(stdout);
        std::_Exit(0);
    }
    return 0;
}
