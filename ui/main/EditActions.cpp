// SPDX-License-Identifier: MIT
#include "ui/main/EditActions.h"

#include "core/edit/CellEdits.h"
#include "core/edit/CellsClipboard.h"
#include "core/edit/TilePicking.h"
#include "core/state/CellRect.h"
#include "core/state/EditorState.h"
#include "host/MessageBox.h"
#include "ui/main/DrawingTexts.h"
#include "ui/main/tools/ToolBox.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QWidget>

namespace Texts = DrawingTexts;

namespace {

void putOnClipboard(const Stamp &stamp)
{
    auto *data = new QMimeData;
    data->setData(CellsClipboard::MimeType, CellsClipboard::encode(stamp));
    data->setText(QString::fromLatin1(CellsClipboard::csvText(stamp)));
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace

EditActions::EditActions(EditorState &state, ToolBox &tools, MessageBox &messages,
                         QObject *parent)
    : QObject(parent), m_state(state), m_tools(tools), m_messages(messages)
{
}

void EditActions::fillMenu(QMenu &menu, QWidget &window)
{
    using Handler = void (EditActions::*)();
    const auto item = [this](QWidget &owner, const char *name, const QString &caption,
                             const QList<QKeySequence> &keys, Handler handler) {
        auto *action = new QAction(caption, &owner);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        owner.addAction(action);
        connect(action, &QAction::triggered, this, handler);
    };
    menu.addSeparator()->setObjectName(QStringLiteral("editClipboardSeparator"));
    item(menu, "cutAction", Texts::Cut, {QKeySequence(Texts::CutKeys)}, &EditActions::cut);
    item(menu, "copyAction", Texts::Copy,
         {QKeySequence(Texts::CopyKeys), QKeySequence(Texts::CopyOtherKeys)}, &EditActions::copy);
    item(menu, "pasteAction", Texts::Paste,
         {QKeySequence(Texts::PasteKeys), QKeySequence(Texts::PasteOtherKeys)},
         &EditActions::paste);
    item(menu, "deleteAction", Texts::Delete, {QKeySequence(Texts::DeleteKeys)},
         &EditActions::deleteCells);
    menu.addSeparator()->setObjectName(QStringLiteral("editSelectSeparator"));
    item(menu, "selectAllAction", Texts::SelectAll, {QKeySequence(Texts::SelectAllKeys)},
         &EditActions::selectAll);
    item(menu, "selectNoneAction", Texts::SelectNone, {QKeySequence(Texts::SelectNoneKeys)},
         &EditActions::selectNone);
    // Esc works in the window without standing in a menu.
    item(window, "dropAction", QString(), {QKeySequence(Texts::DropKeys)}, &EditActions::drop);
}

void EditActions::cut()
{
    if (m_tools.selection().isEmpty())
        return;
    const Stamp cells = CellEdits::cutCells(m_state, m_tools.selection().cells());
    if (!cells.isEmpty())
        putOnClipboard(cells);
}

void EditActions::copy()
{
    if (m_tools.selection().isEmpty())
        return;
    const Stamp cells = CellEdits::copyCells(m_state, m_tools.selection().cells());
    if (!cells.isEmpty())
        putOnClipboard(cells);
}

void EditActions::paste()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    Stamp cells;
    if (data && data->hasFormat(CellsClipboard::MimeType))
        cells = CellsClipboard::decode(data->data(CellsClipboard::MimeType));
    if (cells.isEmpty()) {
        const QByteArray text = data ? data->text().toUtf8() : QByteArray();
        CellsClipboard::Reading reading = CellsClipboard::fromText(text);
        if (!reading.error.isEmpty()) {
            m_messages.show(reading.error);
            return;
        }
        cells = std::move(reading.stamp);
    }
    // One cell is a tile like any other: the brush takes it as a pick does.
    if (cells.isSingle()) {
        TilePicking::pickTile(m_state, {cells.at(0, 0) % Tiles::SheetColumns,
                                        cells.at(0, 0) / Tiles::SheetColumns});
        m_tools.announcePick();
    } else
        m_state.setStamp(cells);
    m_tools.floatPaste();
}

void EditActions::deleteCells()
{
    if (!m_tools.selection().isEmpty())
        CellEdits::deleteCells(m_state, m_tools.selection().cells());
}

void EditActions::selectAll()
{
    m_tools.selection().set(CellRect::mapArea(m_state));
}

void EditActions::selectNone()
{
    m_tools.selection().clear();
}

void EditActions::drop()
{
    m_tools.dropHeld();
    m_tools.selection().clear();
}
