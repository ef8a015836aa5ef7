// SPDX-License-Identifier: MIT
#include "core/state/EditorState.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/MouseEvents.h"
#include "ui/main/MainWindow.h"
#include "ui/tiles/TilePicker.h"

#include <QAction>
#include <QLabel>
#include <QTest>

class TestTilePicker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void layout();
    void outlineFollowsPointer_data();
    void outlineFollowsPointer();
    void pressSelectsTrackedTile_data();
    void pressSelectsTrackedTile();
    void pressWithoutMovementSelectsTileZero();
    void dragBeyondSheetMovesOutlineOnly();
    void pressAfterDragBeyondSheetSelectsPressedTile();
    void closeBoxOnlyHides();
    void shiftDragMakesAStamp_data();
    void shiftDragMakesAStamp();

private:
    QWidget *sheet() const
    {
        return m_window->picker().findChild<QWidget *>(QStringLiteral("tileSheet"));
    }
    QWidget *outline() const
    {
        return sheet()->findChild<QWidget *>(QStringLiteral("tileOutline"));
    }

    std::unique_ptr<EditorFixture> m_editor;
    EditorState *m_state = nullptr;
    MainWindow *m_window = nullptr;
};

void TestTilePicker::init()
{
    m_editor = std::make_unique<EditorFixture>();
    m_state = &m_editor->state;
    m_window = &m_editor->window;
}

void TestTilePicker::cleanup()
{
    m_editor.reset();
}

void TestTilePicker::layout()
{
    TilePicker &picker = m_window->picker();
    QCOMPARE(picker.size(), QSize(579, 130));
    QCOMPARE(sheet()->geometry(), QRect(0, 0, 512, 128));
    QCOMPARE(picker.findChild<QWidget *>(QStringLiteral("brushPreview"))->geometry(),
             QRect(536, 72, 16, 17));
    const auto *label = picker.findChild<QLabel *>(QStringLiteral("selectedCaption"));
    QCOMPARE(label->geometry(), QRect(520, 32, 49, 25));
    QCOMPARE(label->text(), QStringLiteral("Selected Tile"));
}

void TestTilePicker::outlineFollowsPointer_data()
{
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QPoint>("outlineAt");
    QTest::addColumn<QString>("number");
    QTest::newRow("origin") << QPointF(0, 0) << QPoint(0, 0) << "No. 0";
    QTest::newRow("last pixel") << QPointF(511, 127) << QPoint(496, 112) << "No. 255";
    QTest::newRow("tile 34") << QPointF(37, 20) << QPoint(32, 16) << "No. 34";
}

void TestTilePicker::outlineFollowsPointer()
{
    QFETCH(QPointF, position);
    QFETCH(QPoint, outlineAt);
    MouseEvents::move(sheet(), position);
    QCOMPARE(outline()->pos(), outlineAt);
    QTEST(m_window->picker().findChild<QLabel *>(QStringLiteral("pointerNumber"))->text(),
          "number");
}

void TestTilePicker::pressSelectsTrackedTile_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestTilePicker::pressSelectsTrackedTile()
{
    QFETCH(Qt::MouseButton, button);
    MouseEvents::move(sheet(), QPointF(37, 20));
    MouseEvents::press(sheet(), QPointF(37, 20), button);

    QCOMPARE(m_state->selectedTile, 34);
    QCOMPARE(m_state->selectedTileX, 32);
    QCOMPARE(m_state->selectedTileY, 16);
    QCOMPARE(m_window->picker().findChild<QLabel *>(QStringLiteral("selectedNumber"))->text(),
             QStringLiteral("No. 34"));
    QCOMPARE(m_state->brushPreview.image().copy(0, 0, 16, 16),
             m_state->tileSheet.image().copy(32, 16, 16, 16));
    QVERIFY(m_state->brushPreview.image().copy(0, 0, 16, 16) !=
            m_state->tileSheet.image().copy(0, 0, 16, 16));
}

void TestTilePicker::pressWithoutMovementSelectsTileZero()
{
    m_state->selectedTile = 99;
    MouseEvents::press(sheet(), QPointF(300, 100));
    QCOMPARE(m_state->selectedTile, 0);
    QCOMPARE(m_state->brushPreview.image().copy(0, 0, 16, 16),
             m_state->tileSheet.image().copy(0, 0, 16, 16));
}

void TestTilePicker::dragBeyondSheetMovesOutlineOnly()
{
    MouseEvents::move(sheet(), QPointF(37, 20));
    MouseEvents::press(sheet(), QPointF(37, 20));
    MouseEvents::move(sheet(), QPointF(-15, -3), Qt::LeftButton);
    QCOMPARE(outline()->pos(), QPoint(0, 0));
    MouseEvents::move(sheet(), QPointF(-17, 600), Qt::LeftButton);
    QCOMPARE(outline()->pos(), QPoint(-16, 592));
    MouseEvents::release(sheet(), QPointF(-17, 600));
    QCOMPARE(m_state->selectedTile, 34);
}

// After a drag released beyond the sheet, a press that no movement over the
// sheet preceded (the window came up under a resting pointer) must still
// select a tile of the sheet, the one pressed.
void TestTilePicker::pressAfterDragBeyondSheetSelectsPressedTile()
{
    MouseEvents::move(sheet(), QPointF(5, 5));
    MouseEvents::press(sheet(), QPointF(5, 5));
    MouseEvents::move(sheet(), QPointF(600, 200), Qt::LeftButton);
    MouseEvents::release(sheet(), QPointF(600, 200));

    MouseEvents::press(sheet(), QPointF(37, 20));

    QCOMPARE(m_state->selectedTile, 34);
    QCOMPARE(m_state->brushPreview.image().copy(0, 0, 16, 16),
             m_state->tileSheet.image().copy(32, 16, 16, 16));
    QCOMPARE(outline()->pos(), QPoint(32, 16));
}

void TestTilePicker::closeBoxOnlyHides()
{
    m_window->show();
    QAction *showTiles = m_window->findChild<QAction *>(QStringLiteral("showTilesAction"));
    showTiles->trigger();
    MouseEvents::move(sheet(), QPointF(37, 20));
    MouseEvents::press(sheet(), QPointF(37, 20));

    QVERIFY(m_window->picker().close());
    QVERIFY(!m_window->picker().isVisible());
    showTiles->trigger();

    QVERIFY(m_window->picker().isVisible());
    QCOMPARE(m_state->selectedTile, 34);
    QCOMPARE(outline()->pos(), QPoint(32, 16));
}

void TestTilePicker::shiftDragMakesAStamp_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("atRelease");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QSize>("stamp");
    QTest::newRow("left, down and right")
        << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << QPoint(5, 3)
        << QSize(4, 3);
    QTest::newRow("right button, up and left")
        << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << QPoint(0, 0)
        << QSize(3, 2);
    QTest::newRow("past the sheet's edge: clipped")
        << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << QPoint(40, 12)
        << QSize(30, 7);
    QTest::newRow("Shift let go before the release: a plain pick")
        << Qt::LeftButton << Qt::KeyboardModifiers(Qt::NoModifier) << QPoint(5, 3) << QSize();
    QTest::newRow("released over the pressed tile: a plain pick")
        << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << QPoint(2, 1) << QSize();
}

// A Shift press picks its tile as a plain press does; the release over
// another tile with Shift held makes the rectangle between them a stamp,
// framed by the outline, with its top-left tile in the preview.
void TestTilePicker::shiftDragMakesAStamp()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, atRelease);
    QFETCH(QPoint, to);
    QFETCH(QSize, stamp);
    const QPointF from(2 * 16 + 3, 1 * 16 + 3);
    const QPointF end = QPointF(to * 16) + QPointF(3, 3);
    MouseEvents::move(sheet(), from);
    MouseEvents::press(sheet(), from, button, Qt::ShiftModifier);
    QCOMPARE(m_state->selectedTile, 34);
    MouseEvents::move(sheet(), end, button, Qt::ShiftModifier);
    MouseEvents::release(sheet(), end, button, atRelease);

    if (stamp.isEmpty()) {
        QVERIFY(!m_state->hasStamp());
        QCOMPARE(m_state->selectedTile, 34);
        return;
    }
    QVERIFY(m_state->hasStamp());
    QCOMPARE(m_state->brush().size(), stamp);
    const QPoint topLeft(std::min(2, to.x()), std::min(1, to.y()));
    QCOMPARE(m_state->brush().at(0, 0), Tiles::tileAt(topLeft.x(), topLeft.y()));
    QCOMPARE(m_state->selectedTile, Tiles::tileAt(topLeft.x(), topLeft.y()));
    QCOMPARE(outline()->geometry(), QRect(topLeft * 16, stamp * 16));
    QCOMPARE(m_state->brushPreview.image().copy(0, 0, 16, 16),
             m_state->tileSheet.image().copy(QRect(topLeft * 16, QSize(16, 16))));
    QCOMPARE(m_window->picker().findChild<QLabel *>(QStringLiteral("selectedNumber"))->text(),
             QStringLiteral("No. %1").arg(Tiles::tileAt(topLeft.x(), topLeft.y())));

    // A plain press afterwards picks one tile again.
    MouseEvents::press(sheet(), from);
    MouseEvents::release(sheet(), from);
    QVERIFY(!m_state->hasStamp());
    QCOMPARE(outline()->size(), QSize(16, 16));
}

QTEST_MAIN(TestTilePicker)
#include "tst_tilepicker.moc"
