// SPDX-License-Identifier: MIT
#include "ui/tiles/TileUsageWindow.h"

#include "core/edit/TilePicking.h"
#include "core/state/EditorState.h"
#include "core/tiles/TileBudget.h"
#include "core/tiles/TileUsage.h"
#include "host/MessageBox.h"
#include "ui/tiles/TileBudgetConstants.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace TileBudgetTexts;
namespace Layout = TileUsageLayout;
using Tiles::TileSize;

// The sheet at twice its size with each tile's count; a click chooses a tile.
class TileUsageSheet : public QWidget
{
public:
    static constexpr int Cell = TileSize * Layout::Zoom;

    TileUsageSheet(EditorState &state, TileUsage &usage, QWidget *parent)
        : QWidget(parent), m_state(state), m_usage(usage)
    {
        setObjectName(QStringLiteral("usageSheet"));
        setFixedSize(Tiles::SheetColumns * Cell, Tiles::SheetRows * Cell);
        connect(&state.tileSheet, &Surface::dirtied, this, [this] { update(); });
    }

    std::function<void(int)> chosen;
    int current = 0;

    static QRect tileRect(int tile)
    {
        const QPoint origin = Tiles::sheetOrigin(tile) * Layout::Zoom;
        return QRect(origin, QSize(Cell, Cell));
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        const QImage &sheet = m_state.tileSheet.image();
        QFont font = painter.font();
        font.setPixelSize(Layout::CountPixels);
        painter.setFont(font);
        const auto &counts = m_usage.counts();
        for (int tile = 0; tile < Tiles::TileCount; ++tile) {
            const QRect box = tileRect(tile);
            if (!event->rect().intersects(box))
                continue;
            painter.drawImage(box, sheet, QRect(Tiles::sheetOrigin(tile), QSize(TileSize, TileSize)));
            if (counts[tile] == 0) {
                painter.fillRect(box, Layout::UnusedShade);
                painter.setPen(QPen(Layout::UnusedCross, 2));
                painter.drawLine(box.topLeft() + QPoint(4, 4), box.bottomRight() - QPoint(4, 4));
                painter.drawLine(box.topRight() + QPoint(-4, 4), box.bottomLeft() + QPoint(4, -4));
            } else {
                const QRect band(box.left(), box.bottom() - Layout::CountBand + 1, box.width(),
                                 Layout::CountBand);
                painter.fillRect(band, Layout::CountBackground);
                painter.setPen(Qt::white);
                painter.drawText(band, Qt::AlignCenter, QString::number(counts[tile]));
            }
        }
        painter.setPen(QPen(Layout::Chosen, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(tileRect(current).adjusted(1, 1, -1, -1));
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        const std::optional<int> tile = TilePicking::tileAt(event->position(), Layout::Zoom);
        if (tile && chosen)
            chosen(*tile);
    }

private:
    EditorState &m_state;
    TileUsage &m_usage;
};

TileUsageWindow::TileUsageWindow(EditorState &state, MessageBox &messageBox, QWidget *parent)
    : QWidget(parent, Qt::Tool), m_state(state), m_messageBox(messageBox),
      m_usage(new TileUsage(state, this))
{
    setObjectName(QStringLiteral("tileUsageWindow"));
    setWindowTitle(WindowTitle);

    m_sheet = new TileUsageSheet(state, *m_usage, this);
    m_sheet->chosen = [this](int tile) { chooseTile(tile); };
    m_tileLine = new QLabel(this);
    m_tileLine->setObjectName(QStringLiteral("tileLine"));
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_find = new QPushButton(Find, this);
    m_find->setObjectName(QStringLiteral("findButton"));
    m_replace = new QPushButton(ReplaceWith, this);
    m_replace->setObjectName(QStringLiteral("replaceButton"));
    m_compact = new QPushButton(CompactTiles, this);
    m_compact->setObjectName(QStringLiteral("compactButton"));

    // Fixed widths, so a count that changes with every stroke repaints its
    // label only and never lays the window out again.
    const QFontMetrics metrics(font());
    m_tileLine->setFixedWidth(metrics.horizontalAdvance(TileLine.arg(255).arg(Tiles::GridCells)));
    // The summary's two numbers together have four or five digits.
    int summaryWidth = 0;
    for (int used = 0; used <= Tiles::TileCount; ++used)
        summaryWidth =
            std::max(summaryWidth,
                     metrics.horizontalAdvance(Summary.arg(used).arg(Tiles::TileCount - used)));
    m_summary->setFixedWidth(summaryWidth);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_tileLine);
    buttons->addStretch(1);
    buttons->addWidget(m_find);
    buttons->addWidget(m_replace);
    buttons->addSpacing(24);
    buttons->addWidget(m_summary);
    buttons->addWidget(m_compact);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_sheet);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_find, &QPushButton::clicked, this, &TileUsageWindow::find);
    connect(m_replace, &QPushButton::clicked, this, &TileUsageWindow::askForReplacement);
    connect(m_compact, &QPushButton::clicked, this, &TileUsageWindow::compact);
    m_showTimer = new QTimer(this);
    m_showTimer->setObjectName(QStringLiteral("showTimer"));
    m_showTimer->setSingleShot(true);
    m_showTimer->setInterval(Layout::ShowInterval);
    connect(m_showTimer, &QTimer::timeout, this, &TileUsageWindow::showChanges);
    connect(m_usage, &TileUsage::changed, this, &TileUsageWindow::onCountsChanged);
    showChosen();
}

TileUsageWindow::~TileUsageWindow() = default;

void TileUsageWindow::chooseTile(int tile)
{
    m_sheet->update(TileUsageSheet::tileRect(m_chosen));
    m_chosen = tile;
    m_sheet->current = tile;
    m_sheet->update(TileUsageSheet::tileRect(tile));
    showChosen();
}

void TileUsageWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

void TileUsageWindow::find()
{
    Q_EMIT findRequested(m_chosen);
}

void TileUsageWindow::askForReplacement()
{
    bool ok = false;
    const int to = QInputDialog::getInt(this, ReplaceTitle, ReplacePrompt.arg(m_chosen),
                                        m_chosen, 0, Tiles::TileCount - 1, 1, &ok);
    if (ok)
        replaceWith(to);
}

void TileUsageWindow::replaceWith(int tile)
{
    if (m_usage->uses(m_chosen) == 0) {
        m_messageBox.show(NothingToReplace.arg(m_chosen));
        return;
    }
    TileBudget::replaceTile(m_state, m_chosen, tile);
}

void TileUsageWindow::compact()
{
    if (!TileBudget::compactTiles(m_state))
        m_messageBox.show(AlreadyCompact);
}

void TileUsageWindow::onCountsChanged(const QList<int> &tiles)
{
    if (tiles.size() >= Tiles::TileCount)
        m_changed = m_sheet->rect();
    else
        for (const int tile : tiles)
            m_changed += TileUsageSheet::tileRect(tile);
    if (!m_showTimer->isActive())
        m_showTimer->start();
}

void TileUsageWindow::showChanges()
{
    m_sheet->update(m_changed);
    m_changed = QRegion();
    showChosen();
}

void TileUsageWindow::showChosen()
{
    const int uses = m_usage->uses(m_chosen);
    if (uses == 0)
        m_tileLine->setText(UnusedTileLine.arg(m_chosen));
    else if (uses == 1)
        m_tileLine->setText(TileLineOne.arg(m_chosen));
    else
        m_tileLine->setText(TileLine.arg(m_chosen).arg(uses));
    const int used = m_usage->usedTiles();
    m_summary->setText(Summary.arg(used).arg(Tiles::TileCount - used));
    m_replace->setEnabled(uses > 0);
}
