// SPDX-License-Identifier: MIT
#include "ui/preview/PreviewWindow.h"

#include "core/state/EditorState.h"
#include "core/preview/PreviewLayout.h"
#include "core/render/ScaledPicture.h"
#include "core/preview/Twips.h"
#include "core/preview/ZoomText.h"
#include "host/Fonts.h"
#include "resources/BuiltInArt.h"
#include "ui/preview/ImageExport.h"
#include "ui/preview/PreviewDocument.h"
#include "ui/preview/PreviewWindowConstants.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <optional>

namespace Layout = PreviewWindowLayout;
using Twips::toPixels;

namespace {

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
    setObjectName(QStringLiteral("previewWindow"));
    setWindowTitle(Layout::Title);
    setWindowIcon(QPixmap::fromImage(builtInPicture(Layout::IconResource)));
    setModal(true);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    resize(toPixels(Layout::ClientSize.width()), toPixels(Layout::ClientSize.height()));

    buildControlStrip();
    buildScrollArea();
    load();
}

void PreviewWindow::buildControlStrip()
{
    m_controlStrip =
        filledWidget("controlStrip", QGuiApplication::palette().color(QPalette::Button), this);
    m_controlStrip->setGeometry(toPixels(Layout::ControlStrip));

    const QFont tahoma = Fonts::font(Fonts::Tahoma, Layout::LabelPoints);
    m_zoomLabel =
        label("zoomLabel", Layout::ZoomLabelText, Layout::ZoomLabel,
              Fonts::font(Fonts::MicrosoftSansSerif, Layout::LabelPoints, true), m_controlStrip);

    m_zoomBox = new QComboBox(m_controlStrip);
    m_zoomBox->setObjectName(QStringLiteral("zoomBox"));
    m_zoomBox->setGeometry(toPixels(Layout::ZoomBox));
    m_zoomBox->setFont(tahoma);
    m_zoomBox->setEditable(true);
    // A typed zoom is read on Enter, never added to the list or completed
    // from it.
    m_zoomBox->setInsertPolicy(QComboBox::NoInsert);
    m_zoomBox->setCompleter(nullptr);
    m_zoomBox->installEventFilter(this);
    connect(m_zoomBox, &QComboBox::activated, this, [this] { onZoomChosen(); });

    m_closeButton =
        button("closeButton", Layout::CloseCaption, Layout::CloseButton, tahoma, m_controlStrip);
    connect(m_closeButton, &QPushButton::clicked, this, &PreviewWindow::onCloseClicked);
    m_createImageButton =
        button("createImageButton", Layout::CreateImageCaption, Layout::CreateImageButton,
               Fonts::font(Fonts::MsSansSerif, Layout::LabelPoints), m_controlStrip);
    connect(m_createImageButton, &QPushButton::clicked, this, &PreviewWindow::onCreateImageClicked);

    m_noteLabel = label("noteLabel", Layout::NoteText, Layout::NoteLabel,
                        Fonts::font(Fonts::MsSansSerif, Layout::LabelPoints, true), m_controlStrip);
}

void PreviewWindow::buildScrollArea()
{
    m_scrollArea = filledWidget("scrollArea", Qt::black, this);
    m_scrollArea->installEventFilter(this);
    m_viewport = filledWidget("viewport", Qt::black, m_scrollArea);
    m_holder = filledWidget("holder", Qt::black, m_viewport);
    m_document = new PreviewDocument(m_holder);
    m_document->setObjectName(QStringLiteral("document"));
    m_document->hide();

    m_verticalBar = scrollBar("verticalBar", Qt::Vertical, m_scrollArea);
    m_horizontalBar = scrollBar("horizontalBar", Qt::Horizontal, m_scrollArea);
    connect(m_verticalBar, &QScrollBar::valueChanged, this, &PreviewWindow::onVerticalBarChanged);
    connect(m_horizontalBar, &QScrollBar::valueChanged, this,
            &PreviewWindow::onHorizontalBarChanged);
}

void PreviewWindow::load()
{
    m_zoomLevel = ZoomText::OpeningZoom;
    for (const ZoomText::ZoomItem &item : ZoomText::zoomItems()) {
        m_zoomBox->addItem(item.caption);
        m_zoomBox->setItemData(m_zoomBox->count() - 1, item.value);
    }
    m_layoutBusy = true;
    m_zoomBox->setCurrentIndex(0);
    m_layoutBusy = false;
    m_zoomLevel = ZoomText::OpeningZoom;

    m_scrollArea->setGeometry(PreviewLayout::scrollAreaOnLoad(size()));
    const QSize scroll = m_scrollArea->size();
    m_verticalBar->setGeometry(scroll.width() - m_verticalBar->width(), 0, m_verticalBar->width(),
                               scroll.height() - m_horizontalBar->height());
    m_horizontalBar->setGeometry(0, scroll.height() - m_horizontalBar->height(),
                                 scroll.width() - m_verticalBar->width(),
                                 m_horizontalBar->height());
    m_viewport->setGeometry(QRect(QPoint(0, 0), scroll));
    m_document->move(-m_document->width(), -m_document->height());
}

void PreviewWindow::onActivated()
{
    // Shares the canvas picture rather than copying it: the canvas is not
    // drawn on while this modal window is open, and if it were, it would get
    // a copy of its own and leave this one as it was.
    m_buffer = m_state.mapCanvas.image();
    repaint();
    m_previewShown = true;
    display();
}

void PreviewWindow::display()
{
    BusyPointer busy;
    // Nothing is ever drawn over the buffer's picture, so there is nothing
    // to clear from it before the pass.
    layOutPreview();
}

void PreviewWindow::layOutPreview()
{
    {
        BusyPointer busy;
        const PreviewLayout::Result result = PreviewLayout::layout(PreviewLayout::Input::fromPixels(
            m_buffer.size(), m_scrollArea->size(), m_horizontalBar->height(),
            m_verticalBar->width(), m_zoomLevel));
        m_verticalBar->resize(m_verticalBar->width(), result.vertical.length);
        m_horizontalBar->resize(result.horizontal.length, m_horizontalBar->height());
        m_viewport->setGeometry(QRect(QPoint(0, 0), result.viewport));
        m_document->setGeometry(result.document);
        m_document->setPicture(ScaledPicture(m_buffer, result.document.size()));

        m_layoutBusy = true;
        m_holder->setGeometry(QRect(QPoint(0, 0), result.holder));
        applyScrollBar(*m_verticalBar, result.vertical);
        applyScrollBar(*m_horizontalBar, result.horizontal);
        m_layoutBusy = false;
    }
    if (m_previewShown)
        m_document->show();
}

bool PreviewWindow::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        onActivated();
    return handled;
}

void PreviewWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    onResized();
}

bool PreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scrollArea && event->type() == QEvent::Resize) {
        onScrollAreaResized();
    } else if (watched == m_zoomBox && event->type() == QEvent::KeyPress) {
        // The key goes on to the box afterwards, Enter included.
        onZoomKeyPressed(static_cast<Qt::Key>(static_cast<QKeyEvent *>(event)->key()));
    }
    return QDialog::eventFilter(watched, event);
}

void PreviewWindow::onResized()
{
    if (const auto place = PreviewLayout::scrollAreaOnResize(size(), isMinimized()))
        m_scrollArea->setGeometry(*place);
}

void PreviewWindow::onScrollAreaResized()
{
    const QSize scroll = m_scrollArea->size();
    m_verticalBar->setGeometry(scroll.width() - m_verticalBar->width(), m_verticalBar->y(),
                               m_verticalBar->width(), scroll.height());
    m_horizontalBar->setGeometry(m_horizontalBar->x(), scroll.height() - m_horizontalBar->height(),
                                 scroll.width(), m_horizontalBar->height());
    layOutPreview();
}

void PreviewWindow::onZoomChosen()
{
    if (m_layoutBusy || zoomListIndex() < 0)
        return;
    // Lets the list close and the window repaint before a long pass.
    QCoreApplication::processEvents();
    const int index = zoomListIndex();
    if (index < 0)
        return;
    const int value = m_zoomBox->itemData(index).toInt();
    if (static_cast<double>(value) != static_cast<double>(m_zoomLevel)) {
        m_zoomLevel = static_cast<float>(value);
        layOutPreview();
    }
}

void PreviewWindow::onZoomKeyPressed(Qt::Key key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    const int index = zoomListIndex();
    const std::optional<QString> selected =
        index >= 0 ? std::optional<QString>(m_zoomBox->itemText(index)) : std::nullopt;
    const ZoomText::Entry entry =
        ZoomText::enterZoom(m_zoomBox->currentText(), selected, m_zoomLevel);
    m_zoomBox->setEditText(entry.text);
    if (entry.zoom) {
        m_zoomLevel = *entry.zoom;
        layOutPreview();
    }
}

void PreviewWindow::onHorizontalBarChanged(int value)
{
    if (m_layoutBusy)
        return;
    m_holder->move(PreviewLayout::holderOffsetPixels(value), m_holder->y());
}

void PreviewWindow::onVerticalBarChanged(int value)
{
    if (m_layoutBusy)
        return;
    m_holder->move(m_holder->x(), PreviewLayout::holderOffsetPixels(value));
}

void PreviewWindow::onCloseClicked()
{
    close();
}

void PreviewWindow::onCreateImageClicked()
{
    ImageExport::createImage(m_host, [this] { return m_document->image(); });
}

int PreviewWindow::zoomListIndex() const
{
    const int index = m_zoomBox->currentIndex();
    if (index < 0 || m_zoomBox->currentText() != m_zoomBox->itemText(index))
        return -1;
    return index;
}
