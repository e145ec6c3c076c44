#include "DocumentEntryFixture.h"

#include "platform/controls/Twips.h"

#include <QTest>

namespace vorna {
namespace {

const QString NotAltered = QStringLiteral("SENHA INCORRETA!DOCUMENTO NÃO SERÁ ALTERADO!");

// A stored document shown with its first producer, commission and instalment
// count; the passwords of the settings.
class DocumentPassword : public test::DocumentEntryFixture {
protected:
    void SetUp() override
    {
        DocumentEntryFixture::SetUp();
        addProducer(7, 1, "ANA");
        addProducer(8, 1, "BETO");
        number = addDocument({{"PROD1", 7}, {"PREP1", 50}, {"VREP1", 20}, {"PCOMISSAO", 10}, {"PARCELAS", 4}});
        SettingsCopies& s = state().settings;
        s.DeletionPassword = Variant("Apaga");
        s.CommissionChangePassword = Variant(" Com12 ");
        s.SettlementPassword = Variant("Baixa");
        s.ProducerChangePassword = Variant("Prod1");
        open();
        show(number);
    }
    QWidget* panel() { return control("Frame3D2"); }
    // The panel's box typed into and left, as a user tabbing out of it.
    void enter(const QString& typed)
    {
        EXPECT_EQ(focused(), box("Text12"));
        EXPECT_EQ(test::text(box("Text12")), "");  // emptied at each opening
        QTest::keyClicks(box("Text12"), typed);
        control("Text6")->setFocus(Qt::TabFocusReason);
    }
    int number = 0;
};

// A change of the shown document: what the opener leaves in the boxes, and
// the boxes as the document has them.
struct Change {
    int action;
    std::vector<std::pair<const char*, QString>> changed, original;
    const char* focusAfter;  // after a right or wrong password
};

const Change Commission{2, {{"MaskEdBox6", "15"}}, {{"MaskEdBox6", "10"}}, "Combo7"};
const Change InstalmentCount{7, {{"Text20", "6"}}, {{"Text20", "4"}}, "Combo7"};
const Change Producer{4,
                      {{"Text18", "8"}, {"Combo8", "BETO"}, {"MaskEdBox12", "30"}, {"MaskEdBox15", "9"}},
                      {{"Text18", "7"}, {"Combo8", "ANA"}, {"MaskEdBox12", "50"}, {"MaskEdBox15", "20"}},
                      "Combo8"};

TEST_F(DocumentPassword, EachChangeStandsOnlyBehindItsPassword)
{
    enum Entry { Empty, Wrong, Right };
    struct Case {
        const char* what;
        const Change& change;
        QString typed;
        Entry entry;
    } cases[] = {
        {"commission, empty", Commission, "   ", Empty},
        {"commission, other letter case", Commission, "com12", Wrong},
        {"commission, right with a blank", Commission, " Com12", Right},
        {"instalments, empty", InstalmentCount, "", Empty},
        {"instalments, the producer's password", InstalmentCount, "Prod1", Wrong},
        {"instalments, right", InstalmentCount, "Com12", Right},
        {"producer, empty", Producer, " ", Empty},
        {"producer, wrong", Producer, "Com12", Wrong},
        {"producer, right", Producer, "Prod1 ", Right},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        values().PreviousCommissionPercent = 10;  // as the percentage box kept it on entry
        for (const auto& [name, typed] : c.change.changed)
            setBox(name, typed);
        box("Text12")->setText("Com12");  // an earlier entry never counts
        form().OpenPasswordPanel(c.change.action);
        ASSERT_TRUE(panel()->isVisible());
        EXPECT_EQ(panel()->y(), ui::twips(4740));
        EXPECT_EQ(values().PendingPasswordAction, c.change.action);
        EXPECT_TRUE(control("Frame3D14")->isVisible());  // a change covers nothing
        dialogs.clear();
        if (c.entry == Wrong)
            dialogs.expectOk(NotAltered);
        enter(c.typed);

        EXPECT_EQ(dialogs.boxes.size(), c.entry == Wrong ? 1u : 0u);
        if (c.entry == Wrong)
            EXPECT_EQ(dialogs.boxes[0].title, "");
        EXPECT_FALSE(panel()->isVisible());
        for (const auto& [name, expected] : c.entry == Right ? c.change.changed : c.change.original)
            EXPECT_EQ(record::boxText(control(name)), expected) << name;
        EXPECT_EQ(focused(), control(c.entry == Empty ? "Combo7" : c.change.focusAfter));
        EXPECT_EQ(values().PendingPasswordAction, c.entry == Right ? c.change.action : 0);
        if (c.entry == Right)
            EXPECT_EQ(test::text(box("Text12")), " ");
        // Nothing reaches the database before the next save.
        EXPECT_EQ(rt::CLng(stored(number, "PROD1")), 7);
        EXPECT_DOUBLE_EQ(rt::CDbl(stored(number, "PCOMISSAO")), 10);
        for (const auto& [name, typed] : c.change.original)
            setBox(name, typed);
    }
}

TEST_F(DocumentPassword, APasswordLongerThanTheBoxNeverMatches)
{
    state().settings.CommissionChangePassword = Variant("Com1234");
    setBox("MaskEdBox6", "15");
    values().PreviousCommissionPercent = 10;
    form().OpenPasswordPanel(2);
    dialogs.expectOk(NotAltered);
    enter("Com1234");
    EXPECT_EQ(record::boxText(control("MaskEdBox6")), "10");
}

TEST_F(DocumentPassword, TheSettlementsAndAnUnknownActionChangeNothing)
{
    form().OpenPasswordPanel(3);
    dialogs.expectOk("SENHA INCORRETA!AS BAIXAS NÃO SERÃO ACESSADAS!");
    enter("baixa");
    EXPECT_EQ(test::text(box("Text12")), "");
    EXPECT_EQ(values().PendingPasswordAction, 0);

    form().OpenPasswordPanel(3);
    enter("Baixa");
    EXPECT_TRUE(opened());
    EXPECT_EQ(state().handOver.SettlementDocumentNumber, number);

    // An action no opener stores only closes the panel: above all it deletes nothing.
    setBox("MaskEdBox6", "15");
    form().OpenPasswordPanel(2);
    values().PendingPasswordAction = 5;
    enter("Apaga");
    EXPECT_TRUE(dialogs.boxes.size() == 1u);
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_EQ(values().PendingPasswordAction, 0);
    EXPECT_EQ(record::boxText(control("MaskEdBox6")), "15");
    EXPECT_EQ(rowCount("DOCUMENTOS"), 1);
    EXPECT_EQ(test::text(box("Text1")), QString::number(number));
}

TEST_F(DocumentPassword, TheProducerNameListsOpenThePanelOnAStoredDocumentOnly)
{
    QWidget* names = control("Combo8");
    names->setFocus(Qt::TabFocusReason);  // keeps "ANA"
    setBox("Combo8", "BETO");
    setBox("Text18", "8");
    control("Text6")->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(values().PendingPasswordAction, 4);
    enter("");
    EXPECT_EQ(list("Combo8")->Text(), "ANA");
    EXPECT_EQ(test::text(box("Text18")), "7");

    // Left unchanged: no panel.
    names->setFocus(Qt::TabFocusReason);
    control("Text6")->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(panel()->isVisible());

    // A new document has no producer to guard.
    test::click(button("Command3D1"));
    names->setFocus(Qt::TabFocusReason);
    setBox("Combo8", "BETO");
    control("Text6")->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(panel()->isVisible());
}

}  // namespace
}  // namespace vorna
