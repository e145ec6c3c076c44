#include "DocumentFixture.h"

#include "platform/controls/FlexGrid.h"

#include <QPlainTextEdit>
#include <QTimer>

namespace vorna {
namespace {

class DocumentClear : public test::DocumentFixture {
protected:
    void SetUp() override
    {
        DocumentFixture::SetUp();
        addRow("GRUPO", {{"CODIGO", 1}, {"NOME", "GRUPO"}});
        addRow("RAMOS", {{"CODIGO", 1}, {"NOME", "RAMO"}});
        addRow("CIAS", {{"CODIGO", 1}, {"NOME", "CIA"}});
        addProducer(1, 1, "PRODUTOR");
        addRow("ATENDE", {{"XCONPG", 1}, {"XCONTA", "ATENDENTE"}});
        open();
    }
    static QColor textColour(QWidget* w) { return w->palette().color(QPalette::Text); }
    static void colour(QWidget* w, const QColor& c)
    {
        QPalette p = w->palette();
        p.setColor(QPalette::Text, c);
        w->setPalette(p);
    }
    // A window as a shown document leaves it: every box filled, every list on
    // an item, the check and option boxes set, the texts red.
    void fillEverything()
    {
        for (ui::TextBox* b : form().findChildren<ui::TextBox*>()) {
            if (auto* m = qobject_cast<ui::MaskEdBox*>(b))
                m->setText(m->Mask().isEmpty() ? "12,5" : "01/02/2024");
            else
                b->setText("X" + b->objectName());
            colour(b, Qt::red);
        }
        c<QPlainTextEdit>("Text6")->setPlainText("OBS");
        for (ui::PickList* l : form().findChildren<ui::PickList*>()) {
            if (l->ListCount() > 0)
                l->setListIndex(0);
            else
                l->setText("TEXTO");
            colour(l, Qt::red);
        }
        for (ui::CheckBox* b : form().findChildren<ui::CheckBox*>())
            b->setValue(ui::CheckBox::Checked);
        option("Option2")->setValue(true);
        c<ui::ListBox>("List1")->AddItem("OBJETO");
        // Disabled, the focused list would pass the focus on to the line code box.
        box("Text14")->setFocus(Qt::OtherFocusReason);
        for (const char* disabled : {"Combo2", "Combo3", "Combo5", "Text4", "Check5", "MaskEdBox59", "MaskEdBox20",
                                     "MaskEdBox73"})
            control(disabled)->setEnabled(false);
        for (const char* shown : {"Label6", "Command3", "Frame3D16", "Frame1", "Frame3D2", "MSFlexGrid1"})
            control(shown)->setVisible(true);
        for (const char* enabled : {"Command3D3", "Command3D13", "Command3D11", "Command3D15", "Command3D16",
                                    "Command3D20", "Command3D22"})
            control(enabled)->setEnabled(true);
        form().findChild<QTimer*>("Timer1")->start();
        values().ClientBranch = 2;
        values().CoinsurerCodes = {4, 5, 6};
        values().LoadedInstalmentCount = 10;
        values().ImportedProspect.NOME = Variant("PROSPECTO");
        values().PendingPasswordAction = 4;
        values().ReceivedCommission = 7.5;
        values().InstalmentDeleteLimit = 33;
    }
};

// "Limpar": the window as a new document finds it.
TEST_F(DocumentClear, LimparEmptiesTheWindowStepByStep)
{
    fillEverything();
    test::click(button("Command3D1"));

    EXPECT_FALSE(form().findChild<QTimer*>("Timer1")->isActive());
    for (const char* hidden : {"Label6", "Command3", "Frame3D16", "Frame1", "MSFlexGrid1"})
        EXPECT_FALSE(control(hidden)->isVisible()) << hidden;
    EXPECT_EQ(values().ClientBranch, 0);
    EXPECT_EQ(values().CoinsurerCodes, (std::array<int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(values().LoadedInstalmentCount, 0);
    EXPECT_TRUE(values().ImportedProspect.NOME.isEmpty());
    EXPECT_EQ(box("Text23")->text(), "1");

    struct Expect {
        std::vector<const char*> names;
        QString text;
    };
    const Expect boxes[] = {
        {{"Text1", "Text2", "Text3", "Text4", "Text5", "Text7", "Text8", "Text9", "Text10", "Text11", "Text12",
          "Text13", "Text14", "Text15", "Text17", "Text18", "Text19", "Text20", "Text21", "Text25", "Text26", "Text29",
          "Text31", "Text32", "Text33", "Text34", "Text35"},
         ""},
        {{"MaskEdBox1", "MaskEdBox2", "MaskEdBox3", "MaskEdBox4", "MaskEdBox5", "MaskEdBox6", "MaskEdBox10",
          "MaskEdBox11", "MaskEdBox12", "MaskEdBox13", "MaskEdBox14", "MaskEdBox15", "MaskEdBox16", "MaskEdBox17",
          "MaskEdBox18", "MaskEdBox19", "MaskEdBox81", "MaskEdBox57", "MaskEdBox80", "MaskEdBox75", "MaskEdBox76",
          "MaskEdBox82", "MaskEdBox77"},
         "0"},
        {{"MaskEdBox78", "MaskEdBox83"}, ""},
        // Left as they were.
        {{"Text16"}, "XText16"},
        {{"Text22"}, "XText22"},
        {{"Text24"}, "XText24"},
        {{"Text27"}, "XText27"},
        {{"Text30"}, "XText30"},
    };
    for (const Expect& e : boxes)
        for (const char* name : e.names)
            EXPECT_EQ(qobject_cast<ui::MaskEdBox*>(control(name)) ? masked(name)->Text() : box(name)->text(), e.text)
                << name;
    for (const char* date : {"MaskEdBox7", "MaskEdBox8", "MaskEdBox9", "MaskEdBox56", "MaskEdBox58", "MaskEdBox59",
                             "MaskEdBox60", "MaskEdBox61"}) {
        EXPECT_EQ(masked(date)->ClipText(), "") << date;
        EXPECT_EQ(masked(date)->Mask(), "##/##/####") << date;
    }
    EXPECT_EQ(c<QPlainTextEdit>("Text6")->toPlainText(), "");
    EXPECT_EQ(c<ui::ListBox>("List1")->ListCount(), 0);

    EXPECT_FALSE(option("Option1")->Value());
    EXPECT_FALSE(option("Option2")->Value());
    for (const char* unticked : {"Check1", "Check9", "Check3", "Check4", "Check6", "Check7"})
        EXPECT_EQ(check(unticked)->Value(), ui::CheckBox::Unchecked) << unticked;
    EXPECT_EQ(check("Check5")->Value(), ui::CheckBox::Checked);
    EXPECT_EQ(check("Check2")->Value(), ui::CheckBox::Checked);
    EXPECT_EQ(check("Check8")->Value(), ui::CheckBox::Checked);

    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 18, 19}) {
        const QString name = QString("Combo%1").arg(n);
        ui::PickList* l = list(name.toLatin1());
        EXPECT_EQ(l->ListIndex(), -1) << name.toStdString();
        EXPECT_EQ(l->Text(), "") << name.toStdString();
        EXPECT_EQ(textColour(l), QColor(0, 0, 255)) << name.toStdString();
    }
    // The co-insurer lists keep their pick, every list its items.
    EXPECT_EQ(list("Combo15")->ListIndex(), 0);
    EXPECT_EQ(list("Combo1")->ListCount(), 5);
    EXPECT_EQ(list("Combo3")->ListCount(), 1);

    for (const char* enabled : {"Combo2", "Combo3", "Combo5", "Text4", "Check5", "MaskEdBox59", "MaskEdBox20",
                                "MaskEdBox73"})
        EXPECT_TRUE(control(enabled)->isEnabled()) << enabled;
    for (const char* blue : {"Text1", "Text6", "Text23", "Text33", "MaskEdBox1", "MaskEdBox19", "MaskEdBox61",
                             "MaskEdBox78", "MaskEdBox82"})
        EXPECT_EQ(textColour(control(blue)), QColor(0, 0, 255)) << blue;
    for (const char* untouched : {"Text5", "Text12", "Text15", "MaskEdBox83", "MaskEdBox81"})
        EXPECT_EQ(textColour(control(untouched)), QColor(Qt::red)) << untouched;

    // "Limpar" adds: the buttons of a shown document off, the result grid away;
    // the password panel and the values of other steps stay.
    for (const char* disabled : {"Command3D3", "Command3D13", "Command3D11", "Command3D15", "Command3D16",
                                 "Command3D20", "Command3D22"})
        EXPECT_FALSE(control(disabled)->isEnabled()) << disabled;
    EXPECT_TRUE(button("Command3D2")->isEnabled());
    EXPECT_TRUE(control("Frame3D2")->isVisible());
    EXPECT_EQ(values().PendingPasswordAction, 4);
    EXPECT_EQ(values().ReceivedCommission, 7.5);
    EXPECT_EQ(values().InstalmentDeleteLimit, 33);
}

TEST_F(DocumentClear, LimparOnAnEmptyWindowLeavesItEmpty)
{
    test::click(button("Command3D1"));
    EXPECT_EQ(box("Text1")->text(), "");
    EXPECT_EQ(masked("MaskEdBox1")->Text(), "0");
    EXPECT_FALSE(button("Command3D3")->isEnabled());
    EXPECT_FALSE(button("Command3D13")->isEnabled());
    EXPECT_TRUE(dialogs.boxes.empty());
}

// The claim signal blinks its label while the timer runs.
TEST_F(DocumentClear, TheClaimTimerBlinksTheLabel)
{
    auto* timer = form().findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
    QWidget* label = control("Label6");
    const bool before = label->isHidden();
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    EXPECT_NE(label->isHidden(), before);
}

}  // namespace
}  // namespace vorna
