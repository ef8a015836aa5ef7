// SPDX-License-Identifier: MIT
#include "ui/main/tools/ToolBox.h"

#include "ui/main/DrawingTexts.h"
#include "ui/main/MapCanvas.h"
#include "ui/main/tools/BrushTool.h"
#include "ui/main/tools/Tool.h"

#include <QActionGroup>
#include <QMenu>

namespace Texts = DrawingTexts;

struct ToolBox::Entry
{
    const char *name;
    const QString &caption;
    const QString &keys;
    std::unique_ptr<Tool> tool;
    QAction *action = nullptr;
};

ToolBox::ToolBox(EditorState &state, MapCanvas &canvas, QObject *parent)
    : QObject(parent), m_canvas(canvas)
{
    m_entries.push_back({"brushAction", Texts::Brush, Texts::BrushKeys,
                         std::make_unique<BrushTool>(state, canvas)});
    use(m_entries.front().tool.get());
    canvas.setOverlay([this](QPainter &painter) { m_active->paintOverlay(painter, m_canvas); });
}

ToolBox::~ToolBox() = default;

void ToolBox::fillMenu(QMenu &menu)
{
    m_group = new QActionGroup(&menu);
    for (Entry &entry : m_entries) {
        QAction *action = menu.addAction(entry.caption);
        action->setObjectName(QLatin1String(entry.name));
        action->setShortcut(QKeySequence(entry.keys));
        action->setCheckable(true);
        action->setChecked(entry.tool.get() == m_active);
        m_group->addAction(action);
        entry.action = action;
        Tool *tool = entry.tool.get();
        connect(action, &QAction::triggered, this, [this, tool] { use(tool); });
    }
}

void ToolBox::choose(const QString &itemName)
{
    for (Entry &entry : m_entries) {
        if (QLatin1String(entry.name) == itemName) {
            use(entry.tool.get());
            if (entry.action)
                entry.action->setChecked(true);
        }
    }
}

void ToolBox::dropHeld()
{
    m_active->deactivate();
}

void ToolBox::use(Tool *tool)
{
    if (tool == m_active)
        return;
    if (m_active)
        m_active->deactivate();
    m_active = tool;
    m_canvas.update();
}
