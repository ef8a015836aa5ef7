// SPDX-License-Identifier: MIT
// Every window and dialog of the editor opened and closed many times, with
// the real file dialog and message box, while maps and tile sets are loaded
// and saved. In the sanitizer build LeakSanitizer checks at the end that
// nothing of it leaks; here the test checks that each window really opened
// and closed every time.
#include "core/state/EditorState.h"
#include "host/QtFileDialog.h"
#include "host/QtMessageBox.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/ScriptedUrlOpener.h"
#include "ui/about/HelpWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/tiles/TilePicker.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Cycles = 20;

} // namespace

class TestWindowCycles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyWindowOpensAndClosesAgain();
};

void TestWindowCycles::everyWindowOpensAndClosesAgain()
{
    QTemporaryDir dir;
    const QString map = dir.filePath(QStringLiteral("cycle.map"));
    const QString picture = dir.filePath(QStringLiteral("cycle.bmp"));
    const QString tiles = dir.filePath(QStringLiteral("tiles.bmp"));
    QImage sheet(512, 128, QImage::Format_RGB32);
    sheet.fill(Qt::darkGreen);
    QVERIFY(sheet.save(tiles, "BMP"));

    EditorState state;
    QtFileDialog fileDialog;
    QtMessageBox messageBox;
    HelpWindow help;
    ScriptedUrlOpener urlOpener;
    MainWindow window(state, Host{fileDialog, messageBox, help, urlOpener});
    window.show();
    ModalAnswerer answerer;
    const auto trigger = [&window](const char *name) {
        window.findChild<QAction *>(QLatin1String(name))->trigger();
    };

    for (int cycle = 0; cycle < Cycles; ++cycle) {
        answerer.fileNames = {map, map, tiles, picture};
        trigger("saveMapAction");
        trigger("loadMapAction");
        trigger("loadTilesAction");
        trigger("createImageAction");
        // Saved as it stands, so Load Map and New Map open their own windows
        // at once.
        state.history.markSaved();
        trigger("loadMapAction"); // cancelled
        trigger("newMapAction");
        trigger("resizeMapAction");
        trigger("clearMapAction");
        trigger("previewAction");
        trigger("creditsAction");
        trigger("showTilesAction");
        QVERIFY(window.picker().isVisible());
        window.picker().close();
        trigger("helpAction");
        QVERIFY(help.isVisible());
        help.close();
        QVERIFY(answerer.fileNames.isEmpty());
    }

    QCOMPARE(answerer.closed.value(QStringLiteral("QFileDialog")), 5 * Cycles);
    QCOMPARE(answerer.closed.value(QStringLiteral("QMessageBox")), Cycles);
    QCOMPARE(answerer.closed.value(QStringLiteral("NewMapDialog")), Cycles);
    QCOMPARE(answerer.closed.value(QStringLiteral("ResizeMapDialog")), Cycles);
    QCOMPARE(answerer.closed.value(QStringLiteral("PreviewWindow")), Cycles);
    QCOMPARE(answerer.closed.value(QStringLiteral("CreditsWindow")), Cycles);
    QCOMPARE(window.picker().windowTitle(), QStringLiteral("Using tiles.bmp TileSet"));
    QVERIFY(QFileInfo(picture).size() > 0);
}

QTEST_MAIN(TestWindowCycles)
#include "tst_windowcycles.moc"
