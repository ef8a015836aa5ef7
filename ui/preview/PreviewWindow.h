// SPDX-License-Identifier: MIT
#pragma once

#include "core/preview/ZoomText.h"
#include "host/Host.h"

#include <QDialog>
#include <QImage>

class EditorState;
class PreviewDocument;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

// The preview window: the whole map as one picture at a zoom picked from a list or
// typed in, scrolled inside the window when it is larger. Each activation
// copies the canvas picture afresh; "Create Image" saves the zoomed document.
//
// The surfaces nest: the scroll area m_scrollArea holds the viewport m_viewport and
// both scroll bars; the viewport clips the holder m_holder, which the bars
// move; the holder carries the document m_document inside a black margin.
class PreviewWindow : public QDialog
{
    Q_OBJECT

public:
    PreviewWindow(EditorState &state, Host host, QWidget *parent = nullptr);

    // Lays out and paints the document from the buffer, with the busy
    // pointer showing.
    void display();

    float zoomLevel() const { return m_zoomLevel; }

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControlStrip();
    void buildScrollArea();

    void load();
    void onActivated();
    void onResized();
    void onScrollAreaResized();
    void layOutPreview();

    void onZoomChosen();
    void onZoomKeyPressed(Qt::Key key);
    void onHorizontalBarChanged(int value);
    void onVerticalBarChanged(int value);
    void onCloseClicked();
    void onCreateImageClicked();

    // The selected item of the zoom list, or -1 when the box's text is not
    // an item's caption (the user typed, or a typed zoom is shown).
    int zoomListIndex() const;

    EditorState &m_state;
    Host m_host;

    float m_zoomLevel = ZoomText::OpeningZoom;
    bool m_layoutBusy = false;
    bool m_previewShown = false;

    // The buffer: the canvas picture at full size, as copied at activation.
    QImage m_buffer;

    QWidget *m_controlStrip = nullptr;
    QLabel *m_zoomLabel = nullptr;
    QComboBox *m_zoomBox = nullptr;
    QPushButton *m_closeButton = nullptr;
    QPushButton *m_createImageButton = nullptr;
    QLabel *m_noteLabel = nullptr;

    QWidget *m_scrollArea = nullptr;
    QWidget *m_viewport = nullptr;
    QWidget *m_holder = nullptr;
    PreviewDocument *m_document = nullptr;
    QScrollBar *m_verticalBar = nullptr;
    QScrollBar *m_horizontalBar = nullptr;
};
