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

QTEST_MAIN(TestTilePicker)
#include "tst_tilepicker.moc"
