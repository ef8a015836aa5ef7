// SPDX-License-Identifier: MIT
#include "ui/dialogs/SizeDialog.h"

#include "core/state/EditorState.h"
#include "host/Fonts.h"
#include "host/MessageBox.h"
#include "ui/dialogs/SizeDialogConstants.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Layout = SizeDialogLayout;
namespace Texts = SizeDialogTexts;

namespace {

QFont boldFont(const QString &family, qreal points)
{
    return Fonts::font(family, points, true);
}

QLabel *label(const char *name, const QString &text, const QRect &geometry, const QFont &font,
              QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel *captionLabel(const char *name, const QString &text, const QRect &geometry, QWidget *parent)
{
    QLabel *caption =
        label(name, text, geometry, boldFont(Fonts::MsSansSerif, Layout::CaptionPoints), parent);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return caption;
}

QLabel *rangeLabel(const char *name, const QString &text, const QRect &geometry, QWidget *parent)
{
    return SizeDialog::navyLabel(name, text, geometry, boldFont(Fonts::Arial, Layout::RangePoints),
                                 parent);
}

QLineEdit *sizeField(const char *name, const QRect &geometry, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(geometry);
    field->setFont(boldFont(Fonts::MsSansSerif, Layout::CaptionPoints));
    field->setAlignment(Qt::AlignCenter);
    field->setMaxLength(Layout::FieldLength);
    // The field shows on yellow or white, so its text stays black also
    // under a dark desktop palette.
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, Layout::FieldText);
    field->setPalette(palette);
    return field;
}

QPushButton *button(const char *name, const QString &caption, const QRect &geometry,
                    QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(boldFont(Fonts::MsSansSerif, Layout::ButtonPoints));
    // A dialog would otherwise make a button the default one, pressed by Enter.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void setBackColor(QLineEdit &field, const QColor &colour)
{
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, colour);
    field.setPalette(palette);
}

// Focus that leaves with the whole window (to a message box or another
// program) or for a context menu comes back to the same field, so the field
// keeps its colour meanwhile.
bool movesWithinDialog(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

QLabel *SizeDialog::navyLabel(const char *name, const QString &text, const QRect &geometry,
                              const QFont &font, QWidget *parent)
{
    QLabel *navy = label(name, text, geometry, font, parent);
    QPalette palette = navy->palette();
    palette.setColor(QPalette::WindowText, Layout::Navy);
    navy->setPalette(palette);
    return navy;
}

SizeDialog::SizeDialog(EditorState &state, MessageBox &messageBox, const Layout::Controls &layout,
                       const char *applyName, const QString &applyCaption, QWidget *parent)
    : QDialog(parent), m_state(state), m_messageBox(messageBox)
{
    m_widthLabel = captionLabel("widthLabel", Texts::Width, layout.widthLabel, this);
    m_widthField = sizeField("widthField", layout.widthField, this);
    m_widthRange = rangeLabel("widthRange", Texts::WidthRange, layout.widthRange, this);
    m_heightLabel = captionLabel("heightLabel", Texts::Height, layout.heightLabel, this);
    m_heightField = sizeField("heightField", layout.heightField, this);
    setBackColor(*m_heightField, Layout::White);
    m_heightRange = rangeLabel("heightRange", Texts::HeightRange, layout.heightRange, this);
    m_cancelButton = button("cancelButton", Texts::Cancel, layout.cancelButton, this);
    m_applyButton = button(applyName, applyCaption, layout.m_applyButton, this);

    setTabOrder(m_widthField, m_heightField);
    setTabOrder(m_heightField, m_applyButton);
    setTabOrder(m_applyButton, m_cancelButton);
    m_widthField->setFocus();

    m_widthField->installEventFilter(this);
    m_heightField->installEventFilter(this);
    connect(m_applyButton, &QPushButton::clicked, this, &SizeDialog::onApplyClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &SizeDialog::onCancelClicked);
}

bool SizeDialog::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (field && (field == m_widthField || field == m_heightField)) {
        if (event->type() == QEvent::FocusIn)
            onFieldFocused(field);
        else if (event->type() == QEvent::FocusOut && movesWithinDialog(event))
            onFieldUnfocused(field);
    }
    return QDialog::eventFilter(watched, event);
}

void SizeDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        // There is no cancel button: Escape leaves the dialog open.
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // No button is the default, so Enter in a field presses nothing; a
        // button that has the focus takes Enter as a press, as Space.
        if (auto *focused = qobject_cast<QPushButton *>(focusWidget())) {
            event->accept();
            focused->click();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void SizeDialog::onApplyClicked()
{
    const SizeFieldCheck::Outcome outcome =
        SizeFieldCheck::checkSizeFields(m_widthField->text(), m_heightField->text());
    if (!outcome.passed) {
        m_messageBox.show(outcome.message, MessageBox::Buttons::Ok);
        if (outcome.markWidth)
            setBackColor(*m_widthField, Layout::Yellow);
        if (outcome.markHeight)
            setBackColor(*m_heightField, Layout::Yellow);
        return;
    }
    apply(outcome.size);
    accept();
}

void SizeDialog::onCancelClicked()
{
    reject();
}

void SizeDialog::onFieldFocused(QLineEdit *field)
{
    setBackColor(*field, Layout::Yellow);
}

void SizeDialog::onFieldUnfocused(QLineEdit *field)
{
    setBackColor(*field, Layout::White);
}
