#include "FieldEntryFixture.h"

#include <QPlainTextEdit>

namespace vorna {
namespace {

class DocumentInput : public test::FieldEntryFixture {
protected:
    // Keys sent straight to the box, so no box is entered or left meanwhile.
    QString typedInto(const QString& name, const QString& keys)
    {
        auto* line = form().findChild<QLineEdit*>(name);
        line->clear();
        test::typeKeys(line, keys);
        return line->text();
    }
};

const QStringList AmountBoxes = [] {
    QStringList names;
    for (int n : {1, 2, 3, 4, 19, 10, 6, 12, 15, 13, 16, 14, 17, 75, 76, 77, 82, 81, 57, 80})
        names << QStringLiteral("MaskEdBox%1").arg(n);
    for (int n = 32; n <= 55; ++n)
        names << QStringLiteral("MaskEdBox%1").arg(n);
    return names;
}();
// Text23 and Text30 are never enabled, so no key reaches them.
const QStringList CodeBoxes{"Text1", "Text9", "Text4", "Text7", "Text8", "Text11",
                            "Text18", "Text25", "Text26", "Text32", "Text33", "Text20"};
const QStringList TextBoxes{"Text2", "Text3", "Text13"};

// Each key set, on every box that has it: a refused character beeps and
// leaves the box as it was.
TEST_F(DocumentInput, EachBoxTakesOnlyTheKeysOfItsSet)
{
    open();
    // The co-insurer and instalment panels, shown as code shows them.
    control("Frame3D1")->setVisible(true);
    control("Frame3D16")->setVisible(true);
    struct Case {
        const QStringList* boxes;
        QString key;
        bool passes;
    } cases[] = {
        {&AmountBoxes, "7", true},  {&AmountBoxes, ",", true},  {&AmountBoxes, "-", true},
        {&AmountBoxes, ".", false}, {&AmountBoxes, "a", false}, {&AmountBoxes, "\r", false},
        {&CodeBoxes, "7", true},    {&CodeBoxes, ",", false},   {&CodeBoxes, "-", false},
        {&CodeBoxes, "a", false},   {&CodeBoxes, "\r", false},
        {&TextBoxes, "7", true},    {&TextBoxes, "a", true},    {&TextBoxes, "Z", true},
        {&TextBoxes, " ", true},    {&TextBoxes, "/", true},    {&TextBoxes, ".", true},
        {&TextBoxes, "Ç", false},   {&TextBoxes, "ã", false},   {&TextBoxes, "\r", false},
        {&TextBoxes, "*", false},
    };
    for (const Case& c : cases) {
        for (const QString& name : *c.boxes) {
            SCOPED_TRACE((name + " " + c.key).toStdString());
            const int beeps = dialogs.beeps;
            EXPECT_EQ(typedInto(name, "1" + c.key), c.passes ? "1" + c.key : "1");
            EXPECT_EQ(dialogs.beeps - beeps, c.passes ? 0 : 1);
        }
    }
    // Backspace everywhere; an unfiltered box takes anything.
    for (const char* name : {"MaskEdBox1", "Text20", "Text2"}) {
        typedInto(name, "12");
        QTest::keyClick(form().findChild<QLineEdit*>(name), Qt::Key_Backspace);
        EXPECT_EQ(form().findChild<QLineEdit*>(name)->text(), "1") << name;
    }
    EXPECT_EQ(typedInto("Text14", "ç*"), "ç*");

    // Enter keeps the focus in the box.
    enter(masked("MaskEdBox19"));
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(focused(), control("MaskEdBox19"));
}

// Entering a box selects its first characters, whatever brings the focus.
TEST_F(DocumentInput, EnteringSelectsTheBoxsFirstCharacters)
{
    // What the boxes hold must pass their own leave handlers.
    addRow("RAMOS", {{"CODIGO", 123}, {"NOME", "RAMO"}});
    addRow("PRODUTOR", {{"CODIGO", 1234}, {"FILIAL", 1}, {"NOME", "PRODUTOR"}});
    open();
    put({{"Text4", "123"}, {"Text9", "1"}});
    struct Case {
        const char* box;
        QString text, selected;
    } cases[] = {
        {"MaskEdBox1", "123456789012345", "123456789012"},
        {"MaskEdBox15", "12,5", "12,5"},
        {"MaskEdBox10", "12345678", "123456"},
        {"MaskEdBox6", "12,34567", "12,345"},
        {"MaskEdBox7", "01/02/2024", "01/02/2024"},
        {"MaskEdBox58", "01/02/2024", ""},
        {"Text13", "ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOPQ"},
        {"Text4", "123", "123"},
        {"Text20", "12", "12"},
        {"Text18", "1234", ""},
        {"Text1", "12345", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        put({{c.box, c.text}});
        // Leaving the number box looks the document up: none is stored.
        if (c.box == QLatin1String("Text1"))
            dialogs.expectOk(QStringLiteral("DOCUMENTO NAO ENCONTRADO"));
        for (Qt::FocusReason reason : {Qt::TabFocusReason, Qt::MouseFocusReason}) {
            park();
            auto* line = form().findChild<QLineEdit*>(c.box);
            line->setFocus(reason);
            EXPECT_EQ(line->selectedText(), c.selected);
        }
        put({{c.box, c.box == QLatin1String("Text20") ? "1" : ""}});
    }
}

// Leaving a date box: a typed text must be a date; an untouched box passes,
// except the instalment due dates, which must hold one.
TEST_F(DocumentInput, DateBoxesRefuseWhatIsNoDate)
{
    open();
    struct Case {
        QString keys, shown;
        bool accepted;
    } cases[] = {
        {"", "__/__/____", true},        {"29022024", "29/02/2024", true},
        {"31", "31/__/____", false},     {"31042020", "31/04/2020", false},
        {"29022023", "29/02/2023", false}, {"00052020", "00/05/2020", false},
        {"01132020", "01/13/2020", false},
    };
    const char* const optional[] = {"MaskEdBox7", "MaskEdBox56", "MaskEdBox58", "MaskEdBox59", "MaskEdBox60"};
    for (const Case& c : cases) {
        for (const char* name : optional) {
            SCOPED_TRACE((QString(name) + " " + c.keys).toStdString());
            ui::MaskEdBox* date = masked(name);
            type(date, "");
            date->setCursorPosition(0);
            QTest::keyClicks(date, c.keys);
            if (!c.accepted)
                dialogs.expectOk(msg::InvalidDate);
            park();
            EXPECT_EQ(dialogs.pendingScript(), 0);
            EXPECT_EQ(focused() == date, !c.accepted);
            EXPECT_EQ(date->Text(), c.shown);
            if (!c.accepted) {
                // Boxes that select on entry offer the refused date for retyping.
                const bool selects = QStringList{"MaskEdBox7", "MaskEdBox56", "MaskEdBox60"}.contains(name);
                EXPECT_EQ(date->selectedText(), selects ? c.shown : QString());
                type(date, "");
                park();
            }
        }
    }

    // The due dates lie in a panel nothing shows; shown here to reach them.
    control("Frame3D16")->setVisible(true);
    for (int n = 20; n <= 31; ++n) {
        SCOPED_TRACE(n);
        auto* due = form().findChild<ui::MaskEdBox*>(QStringLiteral("MaskEdBox%1").arg(n));
        enter(due);
        dialogs.expectOk(msg::InvalidDate);
        park();
        EXPECT_EQ(focused(), due);
        QTest::keyClicks(due, "29022024");
        park();
        EXPECT_EQ(dialogs.pendingScript(), 0);
        EXPECT_EQ(focused(), control("Text14"));
    }
}

}  // namespace
}  // namespace vorna
