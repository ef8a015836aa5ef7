// SPDX-License-Identifier: MIT
#pragma once

#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "tests/support/ScriptedHost.h"
#include "ui/preview/PreviewWindow.h"

#include <QTest>

#include <memory>

// An editor state with a canvas of the given map size carrying a picture in
// which every pixel differs, and the preview window opened on it.
struct PreviewFixture
{
    EditorState state;
    ScriptedHost host;
    std::unique_ptr<PreviewWindow> window;

    static QImage pattern(QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, qRgb(x % 251, y % 241, (x / 251 + y / 241 * 17) % 256));
        return image;
    }

    void setMap(int columns, int rows)
    {
        state.mapWidth = static_cast<std::int16_t>(columns);
        state.mapHeight = static_cast<std::int16_t>(rows);
        sizeCanvasToMap(state);
        state.mapCanvas.setPicture(pattern(state.mapCanvas.size()));
    }

    // Opens the preview the way the editor does, up to its first activation.
    bool open()
    {
        window = std::make_unique<PreviewWindow>(state, host.host());
        window->show();
        return QTest::qWaitForWindowActive(window.get());
    }

    template <class Widget> Widget *child(const char *name) const
    {
        return window->findChild<Widget *>(QLatin1String(name));
    }
};
