// SPDX-License-Identifier: MIT
// A preview layout pass on the full 4096 x 2048 canvas, the way the window
// runs it (layout, then painting what the pass exposes), beside
// QImage::scaled(..., Qt::FastTransformation) to the same document size, and
// the whole document that "Create Image" makes.
//
// The zoom argument is a percentage, or 0 for Full Page. Run with the
// offscreen platform (set here unless QT_QPA_PLATFORM says otherwise).
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/preview/PreviewLayout.h"
#include "core/render/ScaledPicture.h"
#include "tests/support/ScriptedHost.h"
#include "ui/preview/PreviewDocument.h"
#include "ui/preview/PreviewWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The window as it opens: 954 x 600 pixels below the control strip, 17-pixel bars.
constexpr QSize OpeningScrollArea(954, 600);
constexpr int BarThickness = 17;
constexpr int FullPageIndex = 5;

struct FullCanvas
{
    EditorState state;
    ScriptedHost host;

    FullCanvas()
    {
        QImage sheet(Tiles::SheetWidth, Tiles::SheetHeight, QImage::Format_RGB32);
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x)
                sheet.setPixel(x, y, qRgb(x * 5 % 256, y * 3 % 256, (x ^ y) % 256));
        state.tileSheet.setPicture(sheet);
        state.mapWidth = Tiles::GridColumns;
        state.mapHeight = Tiles::GridRows;
        sizeCanvasToMap(state);
        for (int i = 0; i < Tiles::GridCells; ++i)
            state.tileMap[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
        redrawMap(state);
        state.mapCanvas.takeDirty();
    }
};

FullCanvas &canvas()
{
    static FullCanvas instance;
    return instance;
}

float zoomOf(const benchmark::State &run)
{
    return static_cast<float>(run.range(0));
}

QSize documentSize(float zoom)
{
    const QImage &image = canvas().state.mapCanvas.image();
    return PreviewLayout::layout(PreviewLayout::Input::fromPixels(image.size(), OpeningScrollArea,
                                                                  BarThickness, BarThickness, zoom))
        .document.size();
}

void setZoom(PreviewWindow &window, float zoom)
{
    auto *box = window.findChild<QComboBox *>(QStringLiteral("zoomBox"));
    if (zoom == PreviewLayout::FullPage) {
        box->setCurrentIndex(FullPageIndex);
        Q_EMIT box->activated(FullPageIndex);
        return;
    }
    box->setEditText(QString::number(zoom));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &enter);
}

// Lets the window be shown and activated, which runs its first pass.
bool waitUntilActive(QWidget &window)
{
    constexpr int TimeoutMs = 5000;
    QElapsedTimer waited;
    waited.start();
    window.activateWindow();
    while (!window.isActiveWindow() && waited.elapsed() < TimeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return window.isActiveWindow();
}

void BM_QImageScaled(benchmark::State &run)
{
    const QImage &image = canvas().state.mapCanvas.image();
    const QSize size = documentSize(zoomOf(run));
    for (auto _ : run) {
        QImage scaled = image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        benchmark::DoNotOptimize(scaled.constBits());
    }
    run.SetLabel(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
}

void BM_LayoutPass(benchmark::State &run)
{
    PreviewWindow window(canvas().state, canvas().host.host());
    window.show();
    if (!waitUntilActive(window)) {
        run.SkipWithError("the preview window did not become active");
        return;
    }
    setZoom(window, zoomOf(run));
    QWidget *scrollArea = window.findChild<QWidget *>(QStringLiteral("scrollArea"));
    for (auto _ : run) {
        window.display();
        // What the pass exposes reaches the window's backing store now.
        scrollArea->repaint();
    }
    const QSize size = window.findChild<PreviewDocument *>()->size();
    run.SetLabel(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
}

void BM_WholeDocument(benchmark::State &run)
{
    const ScaledPicture picture(canvas().state.mapCanvas.image(), documentSize(zoomOf(run)));
    for (auto _ : run) {
        QImage whole = picture.whole();
        benchmark::DoNotOptimize(whole.constBits());
    }
}

void zooms(benchmark::internal::Benchmark *bench)
{
    for (int zoom : {100, 150, 200, 10, 0})
        bench->Arg(zoom);
    bench->ArgName("zoom")->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_QImageScaled)->Apply(zooms);
BENCHMARK(BM_LayoutPass)->Apply(zooms);
BENCHMARK(BM_WholeDocument)->Apply(zooms);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
