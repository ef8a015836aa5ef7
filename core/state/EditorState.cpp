// SPDX-License-Identifier: MIT
#include "core/state/EditorState.h"

#include "core/state/StatusTexts.h"

namespace {
constexpr QSize PreviewSize(Tiles::TileSize, Tiles::TileSize + 1);
// The sheet's box shows the system window colour where a small picture leaves room.
const QColor SheetBackground(Qt::white);
} // namespace

EditorState::EditorState(QObject *parent)
    : QObject(parent), mapCanvas(QSize(Tiles::TileSize, Tiles::TileSize), Qt::black),
      tileSheet(QSize(Tiles::SheetWidth, Tiles::SheetHeight), SheetBackground),
      brushPreview(PreviewSize, Qt::black), m_statusTexts{StatusTexts::MapStart,
                                                          StatusTexts::SizeStart,
                                                          StatusTexts::CursorStart},
      m_pickerCaption(StatusTexts::PickerDefaultCaption)
{
}

Stamp EditorState::brush() const
{
    return hasStamp() ? m_stamp : Stamp::single(static_cast<std::uint8_t>(selectedTile));
}

void EditorState::setStamp(Stamp stamp)
{
    m_stamp = stamp.isEmpty() || stamp.isSingle() ? Stamp() : std::move(stamp);
}

QString EditorState::statusText(int panel) const
{
    return m_statusTexts.at(panel - 1);
}

void EditorState::setStatusText(int panel, const QString &text)
{
    QString &slot = m_statusTexts.at(panel - 1);
    if (slot == text)
        return;
    slot = text;
    Q_EMIT statusTextChanged(panel, text);
}

void EditorState::setPickerCaption(const QString &caption)
{
    if (m_pickerCaption == caption)
        return;
    m_pickerCaption = caption;
    Q_EMIT pickerCaptionChanged(caption);
}
