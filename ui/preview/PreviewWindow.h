// SPDX-License-Identifier: MIT
#pragma once

#include "core/ZoomText.h"
#include "host/Host.h"

#include <QDialog>
#include <QImage>

class EditorState;
class PreviewDocument;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

// frmPreview: the whole map as one picture at a zoom picked from a list or
// typed in, scrolled inside the window when it is larger. Each activation
// copies the canvas picture afresh; "Create Image" saves the zoomed document.
//
// The surfaces nest: the scroll area picScroll holds the viewport picShow and
// both scroll bars; the viewport clips the holder picHold, which the bars
// move; the holder carries the document picDoc inside a black margin.
class PreviewWindow : public QDialog
{
    Q_OBJECT

public:
    PreviewWindow(EditorState &state, Host host, QWidget *parent = nullptr);

    // Lays out and paints the document from the buffer, with the busy
    // pointer showing. iPage is not used.
    void Preview_Display(int iPage);

    float zoomLevel() const { return ZoomLevel; }

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControlStrip();
    void buildScrollArea();

    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void picScroll_Resize();
    void LayoutPreview();

    void cboZoom_Click();
    void cboZoom_KeyPress(int KeyAscii);
    void hsPreview_Change(int value);
    void vsPreview_Change(int value);
    void cmdClose_Click();
    void cmdCreateImage_Click();

    // The selected item of the zoom list, or -1 when the box's text is not
    // an item's caption (the user typed, or a typed zoom is shown).
    int zoomListIndex() const;

    EditorState &m_state;
    Host m_host;

    float ZoomLevel = ZoomText::OpeningZoom;
    bool LayoutBusy = false;
    bool PreviewShown = false;

    // The buffer: the canvas picture at full size, as copied at activation.
    QImage picNormal;

    QWidget *picControl = nullptr;
    QLabel *lblView = nullptr;
    QComboBox *cboZoom = nullptr;
    QPushButton *cmdClose = nullptr;
    QPushButton *cmdCreateImage = nullptr;
    QLabel *Label1 = nullptr;

    QWidget *picScroll = nullptr;
    QWidget *picShow = nullptr;
    QWidget *picHold = nullptr;
    PreviewDocument *picDoc = nullptr;
    QScrollBar *vsPreview = nullptr;
    QScrollBar *hsPreview = nullptr;
};
