// SPDX-License-Identifier: MIT
#include "ui/main/tools/ToolBox.h"

#include "ui/main/DrawingTexts.h"
#include "ui/main/MapCanvas.h"
#include "ui/main/tools/BrushTool.h"
#include "ui/main/tools/BucketFillTool.h"
#include "ui/main/tools/PickTileTool.h"
#include "ui/main/tools/RectangleFillTool.h"
#include "ui/main/tools/SelectTool.h"

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
    : QObject(parent), m_canvas(canvas), m_selection(canvas)
{
    const ToolContext context{state, canvas, m_selection};
    auto brush = std::make_unique<BrushTool>(context);
    m_brush = brush.get();
    auto pick = std::make_unique<PickTileTool>(context, [this] { announcePick(); });
    m_entries.push_back({"brushAction", Texts::Brush, Texts::BrushKeys, std::move(brush)});
    m_entries.push_back({"bucketFillAction", Texts::BucketFill, Texts::BucketFillKeys,
                         std::make_unique<BucketFillTool>(context)});
    m_entries.push_back({"rectangleFillAction", Texts::RectangleFill, Texts::RectangleFillKeys,
                         std::make_unique<RectangleFillTool>(context)});
    m_entries.push_back(
        {"selectAction", Texts::Select, Texts::SelectKeys, std::make_unique<SelectTool>(context)});
    m_entries.push_back({"pickTileAction", Texts::PickTile, Texts::PickTileKeys, std::move(pick)});

    m_active = m_brush;
    canvas.setOverlay([this](QPainter &painter) {
        m_selection.paint(painter);
        m_active->paintOverlay(painter, m_canvas);
    });
}

ToolBox::~ToolBox() = default;

void ToolBox::fillMenu(QMenu &menu)
{
    auto *group = new QActionGroup(&menu);
    for (Entry &entry : m_entries) {
        QAction *action = menu.addAction(entry.caption);
        action->setObjectName(QLatin1String(entry.name));
        action->setShortcut(QKeySequence(entry.keys));
        action->setCheckable(true);
        action->setChecked(entry.tool.get() == m_active);
        group->addAction(action);
        entry.action = action;
        connect(action, &QAction::triggered, this, [this, &entry] { use(entry); });
    }
}

void ToolBox::dropHeld()
{
    m_active->deactivate();
}

void ToolBox::floatPaste()
{
    use(m_entries.front());
    m_brush->floatPaste();
}

void ToolBox::brushPickedElsewhere()
{
    m_brush->forgetPaste();
}

void ToolBox::use(Entry &entry)
{
    if (entry.action)
        entry.action->setChecked(true);
    if (entry.tool.get() == m_active)
        return;
    m_active->deactivate();
    m_active = entry.tool.get();
    m_canvas.update();
}
