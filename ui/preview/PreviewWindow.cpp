// SPDX-License-Identifier: MIT
#include "ui/preview/PreviewWindow.h"

#include "core/EditorState.h"
#include "core/PreviewLayout.h"
#include "core/ScaledPicture.h"
#include "core/Twips.h"
#include "core/ZoomText.h"
#include "host/Fonts.h"
#include "ui/preview/ImageExport.h"
#include "ui/preview/PreviewDocument.h"
#include "ui/preview/PreviewWindowLayout.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <optional>

namespace Layout = PreviewWindowLayout;
using Twips::toPixels;

namespace {

constexpr int EnterKey = 13;
// The page argument of Preview_Display; the window shows one page.
constexpr int OnlyPage = 1;

// The hourglass for as long as the object lives; nested uses stack.
class BusyPointer
{
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

QWidget *filledWidget(const char *name, const QColor &colour, QWidget *parent)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    return widget;
}

QPushButton *button(const char *name, const QString &caption, const QRect &twips, const QFont &font,
                    QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(toPixels(twips));
    button->setFont(font);
    // Enter belongs to the zoom box; no button takes it as the default.
    button->setAutoDefault(false);
    return button;
}

QLabel *label(const char *name, const QString &text, const QRect &twips, const QFont &font,
              QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(toPixels(twips));
    label->setFont(font);
    return label;
}

QScrollBar *scrollBar(const char *name, Qt::Orientation orientation, QWidget *parent)
{
    auto *bar = new QScrollBar(orientation, parent);
    bar->setObjectName(QLatin1String(name));
    const int thickness = toPixels(Layout::ScrollBarThickness);
    bar->resize(thickness, thickness);
    // The document moves when the value changes, not while the thumb is dragged.
    bar->setTracking(false);
    return bar;
}

void applyScrollBar(QScrollBar &bar, const PreviewLayout::Bar &settings)
{
    if (!settings.visible) {
        bar.hide();
        return;
    }
    bar.show();
    // A range that ends below its start is left as a bar that cannot move.
    bar.setRange(PreviewLayout::ScrollMin, std::max(PreviewLayout::ScrollMin, settings.max));
    bar.setSingleStep(PreviewLayout::SmallChange);
    bar.setPageStep(settings.largeChange);
    bar.setValue(PreviewLayout::ScrollMin);
}

} // namespace

PreviewWindow::PreviewWindow(EditorState &state, Host host, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_state(state), m_host(host)
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(Layout::Title);
    setWindowIcon(QIcon(Layout::IconResource));
    setModal(true);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    resize(toPixels(Layout::ClientSize.width()), toPixels(Layout::ClientSize.height()));

    buildControlStrip();
    buildScrollArea();
    Form_Load();
}

void PreviewWindow::buildControlStrip()
{
    picControl =
        filledWidget("picControl", QGuiApplication::palette().color(QPalette::Button), this);
    picControl->setGeometry(toPixels(Layout::ControlStrip));

    const QFont tahoma = Fonts::font(Fonts::Tahoma, Layout::LabelPoints);
    lblView = label("lblView", Layout::ZoomLabelText, Layout::ZoomLabel,
                    Fonts::font(Fonts::MicrosoftSansSerif, Layout::LabelPoints, true), picControl);

    cboZoom = new QComboBox(picControl);
    cboZoom->setObjectName(QStringLiteral("cboZoom"));
    cboZoom->setGeometry(toPixels(Layout::ZoomBox));
    cboZoom->setFont(tahoma);
    cboZoom->setEditable(true);
    // A typed zoom is read on Enter, never added to the list or completed
    // from it.
    cboZoom->setInsertPolicy(QComboBox::NoInsert);
    cboZoom->setCompleter(nullptr);
    cboZoom->installEventFilter(this);
    connect(cboZoom, &QComboBox::activated, this, [this] { cboZoom_Click(); });

    cmdClose = button("cmdClose", Layout::CloseCaption, Layout::CloseButton, tahoma, picControl);
    connect(cmdClose, &QPushButton::clicked, this, &PreviewWindow::cmdClose_Click);
    cmdCreateImage = button("cmdCreateImage", Layout::CreateImageCaption, Layout::CreateImageButton,
                            Fonts::font(Fonts::MsSansSerif, Layout::LabelPoints), picControl);
    connect(cmdCreateImage, &QPushButton::clicked, this, &PreviewWindow::cmdCreateImage_Click);

    Label1 = label("Label1", Layout::NoteText, Layout::NoteLabel,
                   Fonts::font(Fonts::MsSansSerif, Layout::LabelPoints, true), picControl);
}

void PreviewWindow::buildScrollArea()
{
    picScroll = filledWidget("picScroll", Qt::black, this);
    picScroll->installEventFilter(this);
    picShow = filledWidget("picShow", Qt::black, picScroll);
    picHold = filledWidget("picHold", Qt::black, picShow);
    picDoc = new PreviewDocument(picHold);
    picDoc->setObjectName(QStringLiteral("picDoc"));
    picDoc->hide();

    vsPreview = scrollBar("vsPreview", Qt::Vertical, picScroll);
    hsPreview = scrollBar("hsPreview", Qt::Horizontal, picScroll);
    connect(vsPreview, &QScrollBar::valueChanged, this, &PreviewWindow::vsPreview_Change);
    connect(hsPreview, &QScrollBar::valueChanged, this, &PreviewWindow::hsPreview_Change);
}

void PreviewWindow::Form_Load()
{
    ZoomLevel = ZoomText::OpeningZoom;
    for (const ZoomText::ZoomItem &item : ZoomText::zoomItems()) {
        cboZoom->addItem(item.caption);
        cboZoom->setItemData(cboZoom->count() - 1, item.value);
    }
    LayoutBusy = true;
    cboZoom->setCurrentIndex(0);
    LayoutBusy = false;
    ZoomLevel = ZoomText::OpeningZoom;

    picScroll->setGeometry(PreviewLayout::scrollAreaOnLoad(size()));
    const QSize scroll = picScroll->size();
    vsPreview->setGeometry(scroll.width() - vsPreview->width(), 0, vsPreview->width(),
                           scroll.height() - hsPreview->height());
    hsPreview->setGeometry(0, scroll.height() - hsPreview->height(),
                           scroll.width() - vsPreview->width(), hsPreview->height());
    picShow->setGeometry(QRect(QPoint(0, 0), scroll));
    picDoc->move(-picDoc->width(), -picDoc->height());
}

void PreviewWindow::Form_Activate()
{
    // Shares the canvas picture rather than copying it: the canvas is not
    // drawn on while this modal window is open, and if it were, it would get
    // a copy of its own and leave this one as it was.
    picNormal = m_state.picMap.image();
    repaint();
    PreviewShown = true;
    Preview_Display(OnlyPage);
}

void PreviewWindow::Preview_Display(int iPage)
{
    Q_UNUSED(iPage);
    BusyPointer busy;
    // Nothing is ever drawn over the buffer's picture, so there is nothing
    // to clear from it before the pass.
    LayoutPreview();
}

void PreviewWindow::LayoutPreview()
{
    {
        BusyPointer busy;
        const PreviewLayout::Result result = PreviewLayout::layout(
            PreviewLayout::Input::fromPixels(picNormal.size(), picScroll->size(),
                                             hsPreview->height(), vsPreview->width(), ZoomLevel));
        vsPreview->resize(vsPreview->width(), result.vertical.length);
        hsPreview->resize(result.horizontal.length, hsPreview->height());
        picShow->setGeometry(QRect(QPoint(0, 0), result.viewport));
        picDoc->setGeometry(result.document);
        picDoc->setPicture(ScaledPicture(picNormal, result.document.size()));

        LayoutBusy = true;
        picHold->setGeometry(QRect(QPoint(0, 0), result.holder));
        applyScrollBar(*vsPreview, result.vertical);
        applyScrollBar(*hsPreview, result.horizontal);
        LayoutBusy = false;
    }
    if (PreviewShown)
        picDoc->show();
}

bool PreviewWindow::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return handled;
}

void PreviewWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

bool PreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picScroll && event->type() == QEvent::Resize) {
        picScroll_Resize();
    } else if (watched == cboZoom && event->type() == QEvent::KeyPress) {
        // The key goes on to the box afterwards, Enter included.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter)
            cboZoom_KeyPress(EnterKey);
        else if (!key->text().isEmpty())
            cboZoom_KeyPress(key->text().front().unicode());
    }
    return QDialog::eventFilter(watched, event);
}

void PreviewWindow::Form_Resize()
{
    if (const auto place = PreviewLayout::scrollAreaOnResize(size(), isMinimized()))
        picScroll->setGeometry(*place);
}

void PreviewWindow::picScroll_Resize()
{
    const QSize scroll = picScroll->size();
    vsPreview->setGeometry(scroll.width() - vsPreview->width(), vsPreview->y(), vsPreview->width(),
                           scroll.height());
    hsPreview->setGeometry(hsPreview->x(), scroll.height() - hsPreview->height(), scroll.width(),
                           hsPreview->height());
    LayoutPreview();
}

void PreviewWindow::cboZoom_Click()
{
    if (LayoutBusy || zoomListIndex() < 0)
        return;
    // Lets the list close and the window repaint before a long pass.
    QCoreApplication::processEvents();
    const int index = zoomListIndex();
    if (index < 0)
        return;
    const int value = cboZoom->itemData(index).toInt();
    if (static_cast<double>(value) != static_cast<double>(ZoomLevel)) {
        ZoomLevel = static_cast<float>(value);
        LayoutPreview();
    }
}

void PreviewWindow::cboZoom_KeyPress(int KeyAscii)
{
    if (KeyAscii != EnterKey)
        return;
    const int index = zoomListIndex();
    const std::optional<QString> selected =
        index >= 0 ? std::optional<QString>(cboZoom->itemText(index)) : std::nullopt;
    const ZoomText::Entry entry = ZoomText::enterZoom(cboZoom->currentText(), selected, ZoomLevel);
    cboZoom->setEditText(entry.text);
    if (entry.zoom) {
        ZoomLevel = *entry.zoom;
        LayoutPreview();
    }
}

void PreviewWindow::hsPreview_Change(int value)
{
    if (LayoutBusy)
        return;
    picHold->move(PreviewLayout::holderOffsetPixels(value), picHold->y());
}

void PreviewWindow::vsPreview_Change(int value)
{
    if (LayoutBusy)
        return;
    picHold->move(picHold->x(), PreviewLayout::holderOffsetPixels(value));
}

void PreviewWindow::cmdClose_Click()
{
    close();
}

void PreviewWindow::cmdCreateImage_Click()
{
    ImageExport::createImage(m_host, [this] { return picDoc->image(); });
}

int PreviewWindow::zoomListIndex() const
{
    const int index = cboZoom->currentIndex();
    if (index < 0 || cboZoom->currentText() != cboZoom->itemText(index))
        return -1;
    return index;
}
