#include "FieldEntryFixture.h"

namespace vorna {
namespace {

const QString LineNotFound = QStringLiteral("RAMO NAO ENCONTRADO");
const QString CountWrong = QStringLiteral("NUMERO DE PARCELAS INCORRETO!");

class DocumentEntry : public test::FieldEntryFixture {
protected:
    void SetUp() override
    {
        FieldEntryFixture::SetUp();
        // A schedule with Null percentages, and a line without one.
        addRow("RAMOS", {{"CODIGO", 31}, {"NOME", "AUTOMOVEL"}, {"COM1", 10}, {"COM2", 2.5}, {"COM12", 0.25}});
        addRow("RAMOS", {{"CODIGO", 45}, {"NOME", "VIDA"}});
        addRow("CIAS", {{"CODIGO", 5}, {"NOME", "CIA CHEIA"}, {"CHEIA", 25}});
        addRow("CIAS", {{"CODIGO", 6}, {"NOME", "CIA SEM CHEIA"}});
        state().settings.IofRateHealth = 2.38;
        state().settings.IofRateLife = 0.38;
        state().settings.IofRateProperty = 7.38;
    }
    QString schedule()
    {
        QStringList texts;
        for (int n = 32; n <= 43; ++n)
            texts << form().findChild<ui::MaskEdBox*>(QStringLiteral("MaskEdBox%1").arg(n))->Text();
        return texts.join(u' ');
    }
};

// Leaving the code box names the line; only a new policy takes its schedule,
// every time the box is left, over a percentage typed meanwhile.
TEST_F(DocumentEntry, LineOfBusinessNamesTheLineAndGivesANewPolicyItsSchedule)
{
    open();
    const QString fullSchedule = "10 2,5 0 0 0 0 0 0 0 0 0 0,25";
    struct Case {
        const char* what;
        QString code;
        bool numbered, endorsement;  // a document number in Text1; an endorsement
        QString message;  // empty: none
        QString name, percent, schedule;
    } cases[] = {
        {"unknown code", "99", false, false, LineNotFound, "", "0", ""},
        {"new policy", "31", false, false, "", "AUTOMOVEL", "12,75", fullSchedule},
        {"all Null", "45", false, false, "", "VIDA", "0", "0 0 0 0 0 0 0 0 0 0 0 0"},
        {"document number shown", "31", true, false, "", "AUTOMOVEL", "0", ""},
        {"endorsement", "31", false, true, "", "AUTOMOVEL", "0", ""},
        {"no digits (pasted)", "3'1", false, false, LineNotFound, "", "0", ""},
        {"a pattern", "3*", false, false, LineNotFound, "", "0", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clearWindow();
        put({{"MaskEdBox32", ""}});
        for (int n = 33; n <= 43; ++n)
            form().findChild<ui::MaskEdBox*>(QStringLiteral("MaskEdBox%1").arg(n))->setText("");
        // A shown document locks the line's boxes; its number alone is what counts.
        if (c.numbered)
            put({{"Text1", "77"}});
        if (c.endorsement)
            list("Combo2")->setText("ENDOSSO");
        const QString nameBefore = list("Combo3")->Text();
        enter(box("Text4"));
        box("Text4")->setText(c.code);
        if (!c.message.isEmpty())
            dialogs.expectOk(c.message);
        tab();
        EXPECT_EQ(dialogs.pendingScript(), 0);
        EXPECT_EQ(focused(), c.message.isEmpty() ? control("Combo3") : control("Text4"));
        EXPECT_EQ(list("Combo3")->Text(), c.name.isEmpty() ? nameBefore : c.name);
        EXPECT_EQ(masked("MaskEdBox6")->Text(), c.percent);
        EXPECT_EQ(schedule().trimmed(), c.schedule);
        if (!c.message.isEmpty())
            box("Text4")->setText("");
    }

    // Left again, the code sets the schedule's total over a typed percentage.
    clearWindow();
    type(box("Text4"), "31");
    tab();
    put({{"MaskEdBox6", "33"}});
    enter(box("Text4"));
    tab();
    EXPECT_EQ(masked("MaskEdBox6")->Text(), "12,75");
}

// The premium panel's required boxes: the message, and the focus where it
// sends the user rather than where Tab was going.
TEST_F(DocumentEntry, PremiumRequiredBoxesSendTheUserBack)
{
    open();
    struct Case {
        const char* what;
        const char* left;  // the box left with Tab
        QString line, client, startDate;
        QString message;
        const char* focus;
    } cases[] = {
        {"net premium, no line", "MaskEdBox1", "", "1", "", "PROPOSTA SEM RAMO!", "Combo3"},
        {"net premium, no client", "MaskEdBox1", "31", "", "", "PROPOSTA SEM CODIGO DE CLIENTE!", "Text9"},
        {"net premium, both", "MaskEdBox1", "31", "1", "", "", "MaskEdBox2"},
        {"cost, start date first", "MaskEdBox2", "", "1", "01/02/20", "PREENCHIMENTO OBRIGATORIO - VIGÊNCIA INICIAL",
         "MaskEdBox8"},
        {"cost, no line", "MaskEdBox2", "", "1", "01/02/2024", "PREENCHIMENTO OBRIGATORIO - RAMO", "Text4"},
        {"cost, both", "MaskEdBox2", "31", "1", "01/02/2024", "", "MaskEdBox3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clearWindow();
        put({{"Text4", c.line}, {"Text9", c.client}, {"MaskEdBox8", c.startDate}});
        enter(control(c.left));
        if (!c.message.isEmpty())
            dialogs.expectOk(c.message);
        tab();
        EXPECT_EQ(dialogs.pendingScript(), 0);
        EXPECT_EQ(focused(), control(c.focus));
        if (!c.message.isEmpty())
            EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttentionExclaimed);
        // A start date box sent back to holds a part date, which its own
        // check refuses on leaving: the next case starts from an empty one.
        put({{"MaskEdBox8", ""}});
    }
}

// The policy cost starts from 0 on each entry while a net premium is typed.
TEST_F(DocumentEntry, PolicyCostStartsFromZeroWithANetPremium)
{
    open();
    put({{"Text4", "31"}, {"Text9", "1"}, {"MaskEdBox8", "01/02/2024"}, {"MaskEdBox3", "55"}});
    put({{"MaskEdBox1", ""}});
    enter(masked("MaskEdBox3"));
    EXPECT_EQ(masked("MaskEdBox3")->Text(), "55");
    park();
    put({{"MaskEdBox1", "100"}});
    enter(masked("MaskEdBox3"));
    EXPECT_EQ(masked("MaskEdBox3")->Text(), "0");
}

// The IOF by the line's rate and the gross premium, unrounded, computed on
// entering their boxes; empty amounts become "0" first.
TEST_F(DocumentEntry, IofAndGrossPremiumOnEntry)
{
    open();
    struct Case {
        const char* what;
        QString line, net, interest, cost, assistances;
        QString iof, gross;
    } cases[] = {
        {"health", "871", "1000", "", "", "", "23,8", "1023,8"},
        {"life", "912", "1000", "", "", "", "3,8", "1003,8"},
        {"other", "999", "100", "50", "0", "", "11,07", "161,07"},
        {"no line", "", "100", "50", "0", "", "11,07", "161,07"},
        // A text that is no number stops the computation: the boxes keep what they held.
        {"no number", "999", "-", "100", "", "2,5", "0", "0"},
        {"many digits", "871", "1234,56", "", "", "", "29,382528", "1263,942528"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clearWindow();
        put({{"Text4", c.line}, {"MaskEdBox1", c.net}, {"MaskEdBox2", c.interest}, {"MaskEdBox3", c.cost},
             {"MaskEdBox19", c.assistances}});
        enter(masked("MaskEdBox4"));
        EXPECT_EQ(masked("MaskEdBox4")->Text(), c.iof);
        EXPECT_EQ(masked("MaskEdBox2")->Text(), c.interest.isEmpty() ? "0" : c.interest);
        tab();
        tab();  // through the assistances into the count
        EXPECT_EQ(focused(), control("Text20"));
        EXPECT_EQ(masked("MaskEdBox5")->Text(), c.gross);
        EXPECT_EQ(masked("MaskEdBox19")->Text(), c.assistances.isEmpty() ? "0" : c.assistances);
        put({{"Text20", "1"}});
    }

    // A changed net premium waits for the count box.
    put({{"MaskEdBox1", "500"}});
    EXPECT_EQ(masked("MaskEdBox5")->Text(), "1263,942528");
}

// A count from 1 to 12; on a stored document a changed count asks for the
// commission password.
TEST_F(DocumentEntry, InstalmentCountIsCheckedAndItsChangeProtected)
{
    const int stored = addDocument({{"PARCELAS", 4}});
    open();
    struct Case {
        const char* what;
        bool storedDocument;
        QString count;
        bool refused, panel;
    } cases[] = {
        {"empty", false, "", true, false},        {"zero", false, "0", true, false},
        {"double zero", false, "00", true, false}, {"13", false, "13", true, false},
        {"99, stored", true, "99", true, false},   {"new document", false, "6", false, false},
        {"stored, changed", true, "6", false, true}, {"stored, same", true, "4", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clearWindow();
        if (c.storedDocument)
            showStored(stored);
        type(box("Text20"), c.count);
        if (c.refused)
            dialogs.expectOk(CountWrong);
        tab();
        EXPECT_EQ(dialogs.pendingScript(), 0);
        EXPECT_EQ(panelOpenFor(7), c.panel);
        if (c.refused) {
            EXPECT_EQ(focused(), control("Text20"));
            EXPECT_EQ(box("Text20")->text(), c.count);
            box("Text20")->setText(c.storedDocument ? "4" : "1");
        } else if (!c.panel) {
            EXPECT_EQ(focused(), control("Check4"));
        }
        closePanel();
    }
}

// The discount turns an empty or zero percentage into the insurer's full
// commission less the discount; leaving the percentage gives the amount.
TEST_F(DocumentEntry, DiscountFillsAnEmptyPercentage)
{
    open();
    struct Case {
        const char* what;
        QString insurer, discount, percent;
        QString discountAfter, percentAfter;
    } cases[] = {
        {"full commission", "5", "5", "", "5", "21,0526315789474"},
        {"percentage set", "5", "5", "10", "5", "10"},
        {"no discount", "5", "", "0", "0", "25"},
        {"no insurer code", "", "", "", "0", ""},
        {"insurer missing", "77", "10", "0", "10", "-11,1111111111111"},
        {"Null full commission", "6", "5", "", "5", ""},
        {"discount of 100", "5", "100", "0", "100", "0"},
        {"pattern in the code", "5*", "5", "0", "5", "-5,26315789473684"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clearWindow();
        put({{"Text7", c.insurer}, {"MaskEdBox10", c.discount}, {"MaskEdBox6", c.percent}});
        enter(masked("MaskEdBox10"));
        tab();
        EXPECT_EQ(focused(), control("MaskEdBox6"));
        EXPECT_EQ(masked("MaskEdBox10")->Text(), c.discountAfter);
        EXPECT_EQ(masked("MaskEdBox6")->Text(), c.percentAfter);
    }
}

TEST_F(DocumentEntry, CommissionAmountAndItsProtectedChange)
{
    const int stored = addDocument({{"PCOMISSAO", 10}, {"VCOMISSAO", 99}, {"PREMIOLIQ", 1000}});
    open();
    struct Amount {
        bool onInterest;
        QString net, interest, amount;
    } amounts[] = {{true, "1000", "50", "105"}, {false, "1000", "50", "100"}, {true, "", "", "0"}};
    for (const Amount& a : amounts) {
        clearWindow();
        check("Check4")->setValue(a.onInterest ? ui::CheckBox::Checked : ui::CheckBox::Unchecked);
        put({{"MaskEdBox1", a.net}, {"MaskEdBox2", a.interest}});
        type(masked("MaskEdBox6"), "10");
        tab();
        EXPECT_EQ(masked("MaskEdBox11")->Text(), a.amount);
        EXPECT_EQ(masked("MaskEdBox1")->Text(), a.net.isEmpty() ? "0" : a.net);
        EXPECT_FALSE(control("Frame3D2")->isVisible());
    }

    struct Case {
        const char* what;
        QString typed;
        bool panel;
        QString after, amount;
    } cases[] = {
        {"changed", "12", true, "12", "120"},
        {"same", "10", false, "10", "100"},
        {"emptied", "", false, "0", "99"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        showStored(stored);
        type(masked("MaskEdBox6"), c.typed);
        EXPECT_EQ(values().PreviousCommissionPercent, 10.0);
        tab();
        EXPECT_EQ(panelOpenFor(2), c.panel);
        EXPECT_EQ(masked("MaskEdBox6")->Text(), c.after);
        EXPECT_EQ(masked("MaskEdBox11")->Text(), c.amount);
        closePanel();
    }
}

}  // namespace
}  // namespace vorna
