#include "DocumentEntryFixture.h"

namespace vorna {
namespace {

class DocumentDates : public test::DocumentEntryFixture {
protected:
    void SetUp() override
    {
        DocumentEntryFixture::SetUp();
        open();
    }
    QString shown(const char* name) { return masked(name)->Text(); }
};

TEST_F(DocumentDates, TheStartDateFillsTheEndAndProductionDatesAndMayDropThePolicyCost)
{
    struct Case {
        const char* what;
        const char* type;
        const char* costOption;
        const char* typed;
        QString end, production;
        bool costDropped;
        bool refused = false;
    } cases[] = {
        {"leap day", "APOLICE", "N", "29022016", "28/02/2017", "29/02/2016", false},
        {"the day before 2013", "APOLICE", "S", "31122012", "31/12/2013", "31/12/2012", false},
        {"the first day of 2013", "APOLICE", "S", "01012013", "01/01/2014", "01/01/2013", true},
        {"2016 kept costing", "APOLICE", "N", "15032016", "15/03/2017", "15/03/2016", false},
        {"no type chosen", "", "S", "15032016", "15/03/2017", "15/03/2016", true},
        {"an endorsement", "ENDOSSO", "S", "10052016", "01/01/2020", "01/01/2020", false},
        {"before 1923", "APOLICE", "S", "01011900", "01/01/1901", "01/01/1900", false},
        {"after 2102", "APOLICE", "S", "20092150", "20/09/2151", "20/09/2150", true},
        {"31 February", "APOLICE", "S", "31022016", "01/01/2020", "01/01/2020", false, true},
        {"day and one digit of the month", "APOLICE", "S", "120", "01/01/2020", "01/01/2020", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Once hidden, the cost box stays hidden while the window is loaded.
        for (const char* cost : {"MaskEdBox3", "Label18"})
            control(cost)->show();
        state().settings.CostOption = Variant(c.costOption);
        setBox("Combo2", c.type);
        setBox("MaskEdBox3", "50");
        setBox("MaskEdBox7", "01/01/2020");
        setBox("MaskEdBox58", "01/01/2020");
        dialogs.clear();
        if (c.refused)
            dialogs.expectOk(msg::InvalidDate);
        enterAndLeave(masked("MaskEdBox8"), c.typed);
        EXPECT_EQ(shown("MaskEdBox7"), c.end);
        EXPECT_EQ(shown("MaskEdBox58"), c.production);
        EXPECT_EQ(control("MaskEdBox3")->isHidden(), c.costDropped);
        EXPECT_EQ(control("Label18")->isHidden(), c.costDropped);
        EXPECT_EQ(record::boxText(control("MaskEdBox3")), c.costDropped ? "0" : "50");
        if (c.refused) {
            EXPECT_EQ(focused(), control("MaskEdBox8"));
            record::clearBox(control("MaskEdBox8"));  // emptied, the box may be left
        }
        control("Text6")->setFocus(Qt::TabFocusReason);
    }
}

TEST_F(DocumentDates, TheRequestDateFillsAnEmptyStartOnly)
{
    enterAndLeave(masked("MaskEdBox9"), "05012016");
    EXPECT_EQ(shown("MaskEdBox8"), "05/01/2016");
    EXPECT_EQ(masked("MaskEdBox7")->ClipText(), "");  // until the start box itself is left

    enterAndLeave(masked("MaskEdBox9"), "07082017");
    EXPECT_EQ(shown("MaskEdBox8"), "05/01/2016");

    // The exclusion date is only checked.
    dialogs.expectOk(msg::InvalidDate);
    enterAndLeave(masked("MaskEdBox61"), "31042016");
    EXPECT_EQ(focused(), control("MaskEdBox61"));
    EXPECT_EQ(shown("MaskEdBox61"), "31/04/2016");
    record::clearBox(control("MaskEdBox61"));
    control("Text6")->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(dialogs.boxes.size() == 1u);
}

}  // namespace
}  // namespace vorna
