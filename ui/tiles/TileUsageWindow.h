// SPDX-License-Identifier: MIT
#pragma once

#include <QRegion>
#include <QWidget>

class EditorState;
class MessageBox;
class QLabel;
class QPushButton;
class QTimer;
class TileUsage;
class TileUsageSheet;

// Tools > Tile Usage: a modeless window that shows the tile sheet with the
// number of map cells each tile fills, unused tiles shaded and crossed. It
// follows the map as it changes. For the tile chosen on it, Find shows its
// cells on the canvas and Replace with... puts another tile in them; Compact
// Tiles packs the used tiles at the front of the sheet.
class TileUsageWindow : public QWidget
{
    Q_OBJECT

public:
    TileUsageWindow(EditorState &state, MessageBox &messageBox, QWidget *parent = nullptr);
    ~TileUsageWindow() override;

    int chosenTile() const { return m_chosen; }
    void chooseTile(int tile);

    // What the buttons do, after Replace with... has asked for the tile.
    void find();
    void replaceWith(int tile);
    void compact();

Q_SIGNALS:
    // Show these cells of the map on the canvas (none: show no cells).
    void findRequested(int tile);
    // The window was closed: what it showed on the canvas goes.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void askForReplacement();
    void onCountsChanged(const QList<int> &tiles);
    void showChosen();
    void showChanges();

    EditorState &m_state;
    MessageBox &m_messageBox;
    TileUsage *m_usage = nullptr;
    TileUsageSheet *m_sheet = nullptr;
    QLabel *m_tileLine = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_find = nullptr;
    QPushButton *m_replace = nullptr;
    QPushButton *m_compact = nullptr;
    int m_chosen = 0;
    // Changed counts are shown at a pace the eye follows, not at every
    // painting tick: the tiles whose counts changed since they were shown.
    QTimer *m_showTimer = nullptr;
    QRegion m_changed;
};
