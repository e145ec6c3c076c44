#include "common/WindowRefs.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/OptionButton.h"
#include "platform/controls/PickList.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Twips.h"
#include "platform/controls/Window.h"
#include "support/ProgramFixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>

namespace vorna {
namespace {

enum class Kind { Text, Memo, Date, Amount, List, EditableList, Check, Option };
enum class Reach { Window, Tab, None };

struct Box {
    const char* name;
    Kind kind;
    int maxLength;  // 0: not a limited text box
    Reach reach;
};

// Every box of the client table's field-to-control map.
std::vector<Box> clientBoxes()
{
    std::vector<Box> boxes = {
        {"Text1", Kind::Text, 5, Reach::Window},        {"Text2", Kind::Text, 40, Reach::Window},
        {"Combo2", Kind::List, 0, Reach::Window},       {"Text17", Kind::Text, 18, Reach::Window},
        {"MaskEdBox2", Kind::Date, 0, Reach::Window},   {"Text18", Kind::Text, 4, Reach::Window},
        {"Combo8", Kind::EditableList, 0, Reach::Window},
        {"Text4", Kind::Text, 50, Reach::Window},       {"Text20", Kind::Text, 20, Reach::Window},
        {"Text7", Kind::Text, 9, Reach::Window},        {"Text5", Kind::Text, 20, Reach::Window},
        {"Combo3", Kind::List, 0, Reach::Window},       {"Text9", Kind::Text, 50, Reach::Window},
        {"Text21", Kind::Text, 20, Reach::Window},      {"Text12", Kind::Text, 9, Reach::Window},
        {"Text10", Kind::Text, 30, Reach::Window},      {"Combo4", Kind::List, 0, Reach::Window},
        {"Text8", Kind::Text, 20, Reach::Window},       {"Text13", Kind::Text, 20, Reach::Window},
        {"Text22", Kind::Text, 20, Reach::Window},      {"Text14", Kind::Text, 20, Reach::Window},
        {"Text11", Kind::Text, 50, Reach::Window},      {"Text16", Kind::Text, 50, Reach::Window},
        {"Text47", Kind::Text, 150, Reach::Window},     {"Text46", Kind::Text, 150, Reach::Window},
        {"Text23", Kind::Text, 0, Reach::None},         {"Text3", Kind::Text, 30, Reach::Tab},
        {"Text15", Kind::Text, 30, Reach::Tab},         {"Combo1", Kind::EditableList, 0, Reach::Tab},
        {"Combo5", Kind::List, 0, Reach::Tab},          {"Combo6", Kind::List, 0, Reach::Tab},
        {"Combo7", Kind::List, 0, Reach::Tab},          {"MaskEdBox1", Kind::Date, 0, Reach::Tab},
        {"Text31", Kind::Text, 40, Reach::Tab},         {"Text32", Kind::Text, 40, Reach::Tab},
        {"Text19", Kind::Text, 40, Reach::Tab},         {"Text33", Kind::Text, 14, Reach::Tab},
        {"MaskEdBox4", Kind::Date, 0, Reach::Tab},      {"MaskEdBox5", Kind::Date, 0, Reach::Tab},
        {"MaskEdBox6", Kind::Date, 0, Reach::Tab},      {"Text25", Kind::Text, 14, Reach::Tab},
        {"MaskEdBox8", Kind::Date, 0, Reach::Tab},      {"Text30", Kind::Text, 30, Reach::Tab},
        {"Text24", Kind::Text, 14, Reach::Tab},         {"MaskEdBox7", Kind::Date, 0, Reach::Tab},
        {"MaskEdBox3", Kind::Date, 0, Reach::Tab},      {"Text56", Kind::Text, 3, Reach::Tab},
        {"Text85", Kind::Text, 50, Reach::Tab},         {"Text86", Kind::Text, 150, Reach::Tab},
        {"Text87", Kind::Text, 150, Reach::Tab},        {"Check20", Kind::Check, 0, Reach::Tab},
        {"Check7", Kind::Check, 0, Reach::Tab},         {"Option3", Kind::Option, 0, Reach::Tab},
        {"Option4", Kind::Option, 0, Reach::Tab},       {"Option5", Kind::Option, 0, Reach::Tab},
        {"Text26", Kind::Text, 50, Reach::Tab},         {"MaskEdBox21", Kind::Amount, 0, Reach::Tab},
        {"Text55", Kind::Text, 14, Reach::Tab},         {"Text27", Kind::Text, 2, Reach::Tab},
        {"Combo9", Kind::List, 0, Reach::Tab},          {"Text28", Kind::Text, 2, Reach::Tab},
        {"Text6", Kind::Memo, 0, Reach::Tab},           {"Text84", Kind::Text, 0, Reach::None},
        {"Text83", Kind::Text, 40, Reach::Tab},         {"Text67", Kind::Memo, 0, Reach::None},
    };
    for (const char* name : {"Text34", "Text36", "Text38", "Text40"})
        boxes.push_back({name, Kind::Text, 40, Reach::Window});
    for (const char* name : {"Text42", "Text43", "Text44", "Text45"})
        boxes.push_back({name, Kind::Text, 14, Reach::Window});
    for (const char* name : {"Text35", "Text37", "Text39", "Text41"})
        boxes.push_back({name, Kind::Text, 150, Reach::Window});
    for (const char* name : {"MaskEdBox9", "MaskEdBox10", "MaskEdBox11", "MaskEdBox12", "MaskEdBox13", "MaskEdBox14",
                             "MaskEdBox15", "MaskEdBox16"})
        boxes.push_back({name, Kind::Date, 0, Reach::Tab});
    for (int i = 8; i <= 19; ++i)
        boxes.push_back({qstrdup(QStringLiteral("Check%1").arg(i).toLatin1().constData()), Kind::Check, 0, Reach::Tab});
    for (int i = 57; i <= 66; ++i)
        boxes.push_back({qstrdup(QStringLiteral("Text%1").arg(i).toLatin1().constData()), Kind::Text, 2, Reach::Tab});
    for (const char* name : {"Text49", "Text48", "Text50", "Text51", "Text53", "Text52", "Text75", "Text74", "Text73",
                             "Text72", "Text77", "Text78", "Text79", "Text80", "Text81", "Text82"})
        boxes.push_back({name, Kind::Text, 40, Reach::None});
    for (const char* name : {"Text71", "Text70", "Text69", "Text68", "Text76"})
        boxes.push_back({name, Kind::Text, 0, Reach::None});
    for (const char* name : {"MaskEdBox20", "MaskEdBox19", "MaskEdBox18", "MaskEdBox17", "MaskEdBox24", "MaskEdBox23"})
        boxes.push_back({name, Kind::Date, 0, Reach::None});
    for (int i = 1; i <= 6; ++i)
        boxes.push_back({qstrdup(QStringLiteral("Check%1").arg(i).toLatin1().constData()), Kind::Check, 0, Reach::None});
    return boxes;
}

class ClientWindowLayout : public test::ProgramFixture {
protected:
    // The load step fills the producer list, and reports an empty producer table.
    void SetUp() override
    {
        test::ProgramFixture::SetUp();
        addRow("PRODUTOR", {{"CODIGO", 1}, {"FILIAL", 1}, {"NOME", "PRODUTOR"}});
    }
    void TearDown() override
    {
        ui::destroyAllWindows();
        test::ProgramFixture::TearDown();
    }
    ui::Window& window() { return windows::Form4(); }
    QWidget* control(const char* name) { return window().control<QWidget>(name); }
    void open()
    {
        window().Show();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    // Where a control lies within the window's client area.
    QRect placeOf(QWidget* w) { return QRect(w->mapTo(&window(), QPoint(0, 0)), w->size()); }
    QRect visibleArea() const { return QRect(0, 0, ui::twips(11700), ui::twips(6090)); }
};

TEST_F(ClientWindowLayout, EveryFieldHasItsBoxOfTheRightKindAndLength)
{
    for (const Box& box : clientBoxes()) {
        QWidget* w = control(box.name);
        ASSERT_NE(w, nullptr) << box.name;
        switch (box.kind) {
        case Kind::Date: {
            auto* date = qobject_cast<ui::MaskEdBox*>(w);
            ASSERT_NE(date, nullptr) << box.name;
            EXPECT_EQ(date->Mask(), "##/##/####") << box.name;
            break;
        }
        case Kind::Amount: {
            auto* amount = qobject_cast<ui::MaskEdBox*>(w);
            ASSERT_NE(amount, nullptr) << box.name;
            EXPECT_EQ(amount->Format(), "$#,##0.00;($#,##0.00)");
            break;
        }
        case Kind::Text: {
            auto* text = qobject_cast<ui::TextBox*>(w);
            ASSERT_NE(text, nullptr) << box.name;
            if (box.maxLength > 0)
                EXPECT_EQ(text->maxLength(), box.maxLength) << box.name;
            break;
        }
        case Kind::Memo: EXPECT_NE(qobject_cast<QPlainTextEdit*>(w), nullptr) << box.name; break;
        case Kind::List:
        case Kind::EditableList: {
            auto* list = qobject_cast<ui::PickList*>(w);
            ASSERT_NE(list, nullptr) << box.name;
            EXPECT_EQ(list->isEditable(), box.kind == Kind::EditableList) << box.name;
            break;
        }
        case Kind::Check: EXPECT_NE(qobject_cast<ui::CheckBox*>(w), nullptr) << box.name; break;
        case Kind::Option: EXPECT_NE(qobject_cast<ui::OptionButton*>(w), nullptr) << box.name; break;
        }
    }
}

TEST_F(ClientWindowLayout, PanelBoxesLieInsideTheWindowAndTheOthersOutside)
{
    open();
    for (const Box& box : clientBoxes()) {
        QWidget* w = control(box.name);
        if (box.reach == Reach::Window) {
            EXPECT_TRUE(visibleArea().contains(placeOf(w))) << box.name;
            EXPECT_TRUE(w->isVisible()) << box.name;
        } else {
            EXPECT_FALSE(visibleArea().intersects(placeOf(w))) << box.name;
        }
    }
    for (const char* hidden : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame3D6", "List1", "List2"})
        EXPECT_FALSE(control(hidden)->isVisible()) << hidden;
    EXPECT_FALSE(control("Text23")->isEnabled());
    EXPECT_FALSE(control("Text84")->isEnabled());
}

TEST_F(ClientWindowLayout, TabReachesEveryBoxOutsideTheWindowAndNoHiddenOne)
{
    open();
    control("Text1")->setFocus(Qt::TabFocusReason);
    QSet<QString> reached;
    for (int i = 0; i < 400; ++i) {
        reached.insert(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (const Box& box : clientBoxes()) {
        if (box.kind == Kind::Option)
            continue;  // one stop for the group: checked below
        EXPECT_EQ(reached.contains(box.name), box.reach != Reach::None) << box.name;
    }
    EXPECT_TRUE(reached.contains("Option3") || reached.contains("Option4") || reached.contains("Option5"));
    EXPECT_FALSE(reached.contains("Text29"));
}

TEST_F(ClientWindowLayout, ToolbarAndPasswordPanelAsDesigned)
{
    open();
    EXPECT_EQ(window().windowTitle(), "Cadastro de Estipulantes");
    EXPECT_EQ(window().size(), QSize(ui::twips(11700), ui::twips(6090)));
    for (const char* enabled : {"Command3D1", "Command3D2", "Command3D4", "Command3D5", "Command3D8", "Command3D9",
                                "Command3D6", "Command3D7", "Command3D12", "Command3D27"}) {
        EXPECT_TRUE(control(enabled)->isEnabled()) << enabled;
        EXPECT_TRUE(visibleArea().contains(placeOf(control(enabled)))) << enabled;
    }
    for (const char* disabled : {"Command3D3", "Command3D24", "Command3D11"})
        EXPECT_FALSE(control(disabled)->isEnabled()) << disabled;
    for (const char* outside : {"Command3D10", "Command3D11", "Command3D13", "Command3D28", "Command3D29", "Command3D31"})
        EXPECT_FALSE(visibleArea().intersects(placeOf(control(outside)))) << outside;

    auto* password = window().control<ui::TextBox>("Text29");
    EXPECT_EQ(password->PasswordChar(), "*");
    EXPECT_EQ(password->maxLength(), 30);
    EXPECT_EQ(window().control<QLabel>("Label26")->text(), "CNPJ:");
    EXPECT_EQ(window().control<QLabel>("Label3")->text(), "Senha");
}

TEST_F(ClientWindowLayout, CaptionsInsideTheWindowAreNotCut)
{
    open();
    const auto labels = window().findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (!label->isVisible() || label->textFormat() == Qt::RichText)
            continue;
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->objectName().toStdString();
    }
}


}  // namespace
}  // namespace vorna
