// SPDX-License-Identifier: MIT
// The New Map and Resize Map dialogs on their own: layout, fields, focus
// colours, the check's messages and the ways out.
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/edit/SizeFieldCheck.h"
#include "tests/dialogs/DialogTestSupport.h"
#include "tests/support/ScriptedMessageBox.h"
#include "ui/dialogs/NewMapDialog.h"
#include "ui/dialogs/ResizeMapDialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

enum Kind { NewMap, ResizeMap };

const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);
const QColor Navy(0, 0, 128);

QColor backColor(const QLineEdit *field)
{
    return field->palette().color(QPalette::Base);
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestSizeDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void frame_data();
    void frame();
    void layout_data();
    void layout();
    void fourthCharacterRefused_data();
    void fourthCharacterRefused();
    void focusColours_data();
    void focusColours();
    void fieldTextDarkOnDarkDesktop_data();
    void fieldTextDarkOnDarkDesktop();
    void failedCheck_data();
    void failedCheck();
    void wayOutAfterFailedCheckChangesNothing_data();
    void wayOutAfterFailedCheckChangesNothing();
    void enterAndEscapePressNothing_data();
    void enterAndEscapePressNothing();
    void enterPressesFocusedButton_data();
    void enterPressesFocusedButton();
    void applyingCloses_data();
    void applyingCloses();

private:
    void open(Kind kind);
    void addKinds();
    QLineEdit *field(const char *name) const
    {
        return m_dialog->findChild<QLineEdit *>(QLatin1String(name));
    }
    QPushButton *button(const char *name) const
    {
        return m_dialog->findChild<QPushButton *>(QLatin1String(name));
    }
    QPushButton *applyButton() const
    {
        return button(m_kind == NewMap ? "createMapButton" : "resizeButton");
    }
    void fill(const QString &width, const QString &height);

    std::unique_ptr<EditorState> m_state;
    ScriptedMessageBox m_box;
    std::unique_ptr<QDialog> m_dialog;
    Kind m_kind = NewMap;
};

void TestSizeDialogs::init()
{
    m_state = std::make_unique<EditorState>();
    m_box = ScriptedMessageBox();
    // A map with a tile of its own in every cell, so any change shows.
    for (int cell = 0; cell < Tiles::GridCells; ++cell)
        m_state->tileMap[cell] = static_cast<std::uint8_t>(cell % 251);
    sizeCanvasToMap(*m_state);
    redrawMap(*m_state);
    m_state->setStatusText(EditorState::MapPanel, QStringLiteral("Map: castle.map"));
    m_state->setStatusText(EditorState::SizePanel, QStringLiteral("Size: 255x127"));
}

void TestSizeDialogs::cleanup()
{
    m_dialog.reset();
    m_state.reset();
}

void TestSizeDialogs::open(Kind kind)
{
    m_kind = kind;
    if (kind == NewMap)
        m_dialog = std::make_unique<NewMapDialog>(*m_state, m_box);
    else
        m_dialog = std::make_unique<ResizeMapDialog>(*m_state, m_box);
    m_dialog->show();
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
}

void TestSizeDialogs::addKinds()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("newMapDialog") << NewMap;
    QTest::newRow("resizeMapDialog") << ResizeMap;
}

void TestSizeDialogs::fill(const QString &width, const QString &height)
{
    field("widthField")->setText(width);
    field("heightField")->setText(height);
}

void TestSizeDialogs::frame_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("sizable");
    QTest::newRow("newMapDialog") << NewMap << QStringLiteral("newMapDialog")
                                  << QStringLiteral("New Map") << QSize(262, 186) << true;
    QTest::newRow("resizeMapDialog") << ResizeMap << QStringLiteral("resizeMapDialog")
                                     << QStringLiteral("Resize Map") << QSize(254, 157) << false;
}

void TestSizeDialogs::frame()
{
    QFETCH(Kind, kind);
    QFETCH(bool, sizable);
    open(kind);

    QTEST(m_dialog->objectName(), "name");
    QTEST(m_dialog->windowTitle(), "caption");
    QTEST(m_dialog->size(), "client");
    const Qt::WindowFlags flags = m_dialog->windowFlags();
    QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), sizable);
    QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), sizable);
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(m_dialog->minimumSize() == m_dialog->maximumSize(), !sizable);
    QCOMPARE(m_dialog->findChild<QLabel *>(QStringLiteral("defaultSizeHint")) != nullptr, sizable);
}

void TestSizeDialogs::layout_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("navy");

    struct Control
    {
        const char *name;
        QRect geometry;
        const char *text;
        qreal points;
        bool navy;
    };
    const Control newMap[] = {
        {"widthLabel", {-8, 16, 113, 25}, "Width", 13.5, false},
        {"widthField", {104, 8, 81, 33}, "", 13.5, false},
        {"widthRange", {200, 24, 49, 25}, "1-255", 12, true},
        {"heightLabel", {-8, 64, 113, 33}, "Height", 13.5, false},
        {"heightField", {104, 64, 81, 33}, "", 13.5, false},
        {"heightRange", {200, 72, 49, 25}, "1-127", 12, true},
        {"cancelButton", {40, 112, 89, 33}, "Cancel", 8.25, false},
        {"createMapButton", {144, 112, 97, 33}, "Create New Map", 8.25, false},
        {"defaultSizeHint", {40, 160, 193, 17}, "Default map size is 255x127", 9.75, true},
    };
    const Control resizeMap[] = {
        {"widthLabel", {-16, 16, 113, 25}, "Width", 13.5, false},
        {"widthField", {96, 16, 81, 33}, "", 13.5, false},
        {"widthRange", {192, 24, 49, 25}, "1-255", 12, true},
        {"heightLabel", {-16, 64, 113, 33}, "Height", 13.5, false},
        {"heightField", {96, 64, 81, 33}, "", 13.5, false},
        {"heightRange", {192, 72, 49, 25}, "1-127", 12, true},
        {"cancelButton", {32, 112, 89, 33}, "Cancel", 8.25, false},
        {"resizeButton", {136, 112, 97, 33}, "Resize Map", 8.25, false},
    };
    for (const Control &c : newMap)
        QTest::addRow("newMapDialog %s", c.name)
            << NewMap << QString::fromLatin1(c.name) << c.geometry << QString::fromLatin1(c.text)
            << c.points << c.navy;
    for (const Control &c : resizeMap)
        QTest::addRow("resizeMapDialog %s", c.name)
            << ResizeMap << QString::fromLatin1(c.name) << c.geometry << QString::fromLatin1(c.text)
            << c.points << c.navy;
}

void TestSizeDialogs::layout()
{
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, navy);
    open(kind);

    auto *control = m_dialog->findChild<QWidget *>(name);
    QVERIFY(control);
    QTEST(control->geometry(), "geometry");
    QTEST(control->font().pointSizeF(), "points");
    QVERIFY(control->font().bold());
    if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(label->palette().color(QPalette::WindowText) == Navy, navy);
        QVERIFY(!label->autoFillBackground());
    } else if (auto *button = qobject_cast<QPushButton *>(control)) {
        QCOMPARE(button->text(), text);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    } else {
        auto *edit = qobject_cast<QLineEdit *>(control);
        QVERIFY(edit);
        QCOMPARE(edit->text(), text);
        QCOMPARE(edit->maxLength(), 3);
        QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
}

void TestSizeDialogs::fourthCharacterRefused_data()
{
    addKinds();
}

void TestSizeDialogs::fourthCharacterRefused()
{
    QFETCH(Kind, kind);
    open(kind);

    QTest::keyClicks(field("widthField"), QStringLiteral("1234"));
    QTest::keyClicks(field("heightField"), QStringLiteral("5e67"));

    QCOMPARE(field("widthField")->text(), QStringLiteral("123"));
    QCOMPARE(field("heightField")->text(), QStringLiteral("5e6"));
}

void TestSizeDialogs::focusColours_data()
{
    addKinds();
}

void TestSizeDialogs::focusColours()
{
    QFETCH(Kind, kind);
    open(kind);
    QLineEdit *width = field("widthField");
    QLineEdit *height = field("heightField");

    QVERIFY(width->hasFocus());
    QCOMPARE(backColor(width), Yellow);
    QCOMPARE(backColor(height), White);

    QTest::keyClick(m_dialog.get(), Qt::Key_Tab);
    QVERIFY(height->hasFocus());
    QCOMPARE(backColor(width), White);
    QCOMPARE(backColor(height), Yellow);

    QTest::keyClick(m_dialog.get(), Qt::Key_Tab);
    QVERIFY(applyButton()->hasFocus());
    QCOMPARE(backColor(height), White);
    QTest::keyClick(m_dialog.get(), Qt::Key_Tab);
    QVERIFY(button("cancelButton")->hasFocus());
    QTest::keyClick(m_dialog.get(), Qt::Key_Tab);
    QVERIFY(width->hasFocus());
    QCOMPARE(backColor(width), Yellow);
}

void TestSizeDialogs::fieldTextDarkOnDarkDesktop_data()
{
    addKinds();
}

// A dark desktop palette has light text, which would vanish on the fields'
// yellow and white.
void TestSizeDialogs::fieldTextDarkOnDarkDesktop()
{
    QFETCH(Kind, kind);
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    const auto restore = qScopeGuard([desktop] { QApplication::setPalette(desktop); });
    open(kind);

    for (const char *name : {"widthField", "heightField"})
        QCOMPARE(field(name)->palette().color(QPalette::Text), QColor(Qt::black));
}

void TestSizeDialogs::failedCheck_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("widthYellow");
    QTest::addColumn<bool>("heightYellow");

    for (Kind kind : {NewMap, ResizeMap}) {
        const char *dialog = kind == NewMap ? "newMapDialog" : "resizeMapDialog";
        QTest::addRow("%s width", dialog) << kind << QStringLiteral("0.9") << QStringLiteral("abc")
                                          << SizeFieldCheck::WidthMessage << true << false;
        QTest::addRow("%s height", dialog) << kind << QStringLiteral("40") << QStringLiteral("128")
                                           << SizeFieldCheck::HeightMessage << false << true;
        QTest::addRow("%s numbers only", dialog)
            << kind << QStringLiteral("40") << QString() << SizeFieldCheck::NumbersOnlyMessage
            << true << true;
    }
}

void TestSizeDialogs::failedCheck()
{
    QFETCH(Kind, kind);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(bool, widthYellow);
    QFETCH(bool, heightYellow);
    const MapSnapshot before(*m_state);
    open(kind);
    fill(width, height);

    QTest::mouseClick(applyButton(), Qt::LeftButton);

    QCOMPARE(m_box.asked.size(), 1);
    QTEST(m_box.asked.first().prompt, "message");
    QCOMPARE(m_box.asked.first().buttons, MessageBox::Buttons::Ok);
    QCOMPARE(m_box.asked.first().title, QStringLiteral("Tesselwick"));
    QCOMPARE(backColor(field("widthField")), widthYellow ? Yellow : White);
    QCOMPARE(backColor(field("heightField")), heightYellow ? Yellow : White);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(field("widthField")->text(), width);
    QCOMPARE(field("heightField")->text(), height);
    QVERIFY(MapSnapshot(*m_state) == before);
}

void TestSizeDialogs::wayOutAfterFailedCheckChangesNothing_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("new map, Cancel") << NewMap << false;
    QTest::newRow("new map, close box") << NewMap << true;
    QTest::newRow("resize, Cancel") << ResizeMap << false;
    QTest::newRow("resize, close box") << ResizeMap << true;
}

void TestSizeDialogs::wayOutAfterFailedCheckChangesNothing()
{
    QFETCH(Kind, kind);
    QFETCH(bool, closeBox);
    const MapSnapshot before(*m_state);
    open(kind);
    fill(QStringLiteral("256"), QStringLiteral("10"));
    QTest::mouseClick(applyButton(), Qt::LeftButton);
    fill(QStringLiteral("40"), QStringLiteral("0"));
    QTest::mouseClick(applyButton(), Qt::LeftButton);
    QCOMPARE(m_box.asked.size(), 2);

    if (closeBox)
        m_dialog->close();
    else
        QTest::mouseClick(button("cancelButton"), Qt::LeftButton);

    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QVERIFY(MapSnapshot(*m_state) == before);
}

void TestSizeDialogs::enterAndEscapePressNothing_data()
{
    addKinds();
}

void TestSizeDialogs::enterAndEscapePressNothing()
{
    QFETCH(Kind, kind);
    const MapSnapshot before(*m_state);
    open(kind);
    fill(QStringLiteral("40"), QStringLiteral("25"));

    for (QLineEdit *edit : {field("widthField"), field("heightField")}) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter);
        QTest::keyClick(edit, Qt::Key_Escape);
    }

    QVERIFY(m_dialog->isVisible());
    QVERIFY(m_box.asked.isEmpty());
    QVERIFY(MapSnapshot(*m_state) == before);
}

void TestSizeDialogs::enterPressesFocusedButton_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("apply");
    QTest::newRow("new map, Create New Map") << NewMap << true;
    QTest::newRow("new map, Cancel") << NewMap << false;
    QTest::newRow("resize, Resize Map") << ResizeMap << true;
    QTest::newRow("resize, Cancel") << ResizeMap << false;
}

// Tabbing to a button and pressing Enter presses it, as a click would.
void TestSizeDialogs::enterPressesFocusedButton()
{
    QFETCH(Kind, kind);
    QFETCH(bool, apply);
    open(kind);
    fill(QStringLiteral("40"), QStringLiteral("25"));
    QPushButton *pressed = apply ? applyButton() : button("cancelButton");
    pressed->setFocus();

    QTest::keyClick(pressed, Qt::Key_Return);

    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(apply ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(m_state->mapWidth, apply ? 40 : 255);
}

void TestSizeDialogs::applyingCloses_data()
{
    addKinds();
}

void TestSizeDialogs::applyingCloses()
{
    QFETCH(Kind, kind);
    const auto grid = m_state->tileMap;
    open(kind);
    fill(QStringLiteral(" 40"), QStringLiteral("2.5"));

    QTest::mouseClick(applyButton(), Qt::LeftButton);

    QVERIFY(m_box.asked.isEmpty());
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_state->mapWidth, 40);
    QCOMPARE(m_state->mapHeight, 2);
    QCOMPARE(m_state->mapCanvas.size(), QSize(640, 32));
    QCOMPARE(m_state->statusText(EditorState::SizePanel), QStringLiteral("Size: 40x2"));
    if (kind == NewMap) {
        QVERIFY(std::all_of(m_state->tileMap.begin(), m_state->tileMap.end(),
                            [](std::uint8_t tile) { return tile == 0; }));
        QCOMPARE(m_state->statusText(EditorState::MapPanel),
                 QStringLiteral("Map: New map created."));
    } else {
        QVERIFY(m_state->tileMap == grid);
        QCOMPARE(m_state->statusText(EditorState::MapPanel), QStringLiteral("Map: Map Resized"));
    }
}

QTEST_MAIN(TestSizeDialogs)
#include "tst_sizedialogs.moc"
