#include "FieldEntryFixture.h"

namespace vorna {
namespace {

const QString Refused = QStringLiteral("PRODUTOR SELECIONADO APENAS PARA POSIÇÃO 1");
const QString NotFound = QStringLiteral("PRODUTOR NAO ENCONTRADO");

struct Slot {
    const char* list;
    const char* code;
    const char* percent;
    const char* value;
};
const Slot Slots[] = {
    {"Combo8", "Text18", "MaskEdBox12", "MaskEdBox15"},
    {"Combo9", "Text25", "MaskEdBox13", "MaskEdBox16"},
    {"Combo10", "Text26", "MaskEdBox14", "MaskEdBox17"},
    {"Combo18", "Text32", "MaskEdBox75", "MaskEdBox76"},
    {"Combo19", "Text33", "MaskEdBox77", "MaskEdBox82"},
};

class DocumentProducers : public test::FieldEntryFixture {
protected:
    void SetUp() override
    {
        FieldEntryFixture::SetUp();
        producer(10, "DORA", "0", Variant::null(), 10);
        producer(11, "ANA", "1", "C", 10);
        producer(12, "BIA", "2", "S", 10);
        producer(13, "CAIO", "3", "C", 10, Variant::null(), 150);
        producer(14, "EVA", Variant::null(), "C", 10, 30);
        producer(15, "FABIO", "0", "C", Variant::null());
        producer(16, "GIL", "0", "X", 10);
    }
    void producer(int code, const QString& name, const Variant& position, const Variant& interest,
                  const Variant& renewals, const Variant& newBusiness = Variant::null(), const Variant& fixed = 0)
    {
        addRow("PRODUTOR", {{"CODIGO", code}, {"FILIAL", 1}, {"NOME", name}, {"POSICAO", position},
                            {"JUROS", interest}, {"COMISSAO", renewals}, {"COMISSAONOVOS", newBusiness},
                            {"FIXO", fixed}});
    }
    // Net premium 1000, interest 100, commission 20 %: the commission is 220
    // on premium and interest, 200 on the premium alone.
    void premium(bool newBusiness)
    {
        clearWindow();
        put({{"MaskEdBox1", "1000"}, {"MaskEdBox2", "100"}, {"MaskEdBox6", "20"}});
        check("Check1")->setValue(newBusiness ? ui::CheckBox::Checked : ui::CheckBox::Unchecked);
    }
    int namesIn(const char* listName, const QString& name) { return int(itemsOf(list(listName)).count(name)); }
};

TEST_F(DocumentProducers, EachSlotFillsItsProducerUnderThePositionRule)
{
    open();
    struct Case {
        int slot;
        QString code;
        bool newBusiness;
        QString message;  // empty: none
        QString name, percent, value;
        int added;  // entries added to the slot's list
        const char* focus;  // after Tab; nullptr: the slot's percentage box
    } cases[] = {
        {1, "11", false, "", "ANA", "10", "22", 1, nullptr},
        {2, "11", false, Refused, "", "0", "0", 0, nullptr},
        {1, "12", false, Refused, "", "0", "0", 0, nullptr},
        {3, "12", false, Refused, "", "0", "0", 0, nullptr},
        {2, "12", false, "", "BIA", "10", "20", 1, nullptr},
        {3, "13", false, "", "CAIO", "0", "150", 1, nullptr},
        {4, "13", false, "", "CAIO", "0", "150", 1, nullptr},
        {5, "13", false, "", "CAIO", "0", "150", 1, nullptr},
        {4, "11", false, Refused, "", "0", "0", 0, nullptr},
        {5, "12", false, Refused, "", "0", "0", 0, nullptr},
        {1, "10", false, "", "DORA", "10", "0", 1, nullptr},
        {5, "10", false, "", "DORA", "10", "0", 1, nullptr},
        {3, "14", false, "", "EVA", "10", "22", 0, nullptr},
        {3, "14", true, "", "EVA", "30", "66", 0, nullptr},
        {2, "15", true, "", "FABIO", "0", "0", 1, nullptr},
        {2, "16", false, "", "GIL", "10", "0", 1, nullptr},
        {1, "99", false, NotFound, "", "0", "0", 0, "MaskEdBox6"},
        {2, "99", false, NotFound, "", "0", "0", 0, nullptr},
        {1, "", false, "", "", "0", "0", 0, "MaskEdBox6"},
        {2, "", false, "", "", "0", "0", 0, nullptr},
    };
    for (const Case& c : cases) {
        const Slot& s = Slots[c.slot - 1];
        SCOPED_TRACE(QStringLiteral("slot %1 code %2").arg(c.slot).arg(c.code).toStdString());
        premium(c.newBusiness);
        const int entries = list(s.list)->ListCount();
        type(box(s.code), c.code);
        if (!c.message.isEmpty())
            dialogs.expectOk(c.message);
        tab();
        EXPECT_EQ(dialogs.pendingScript(), 0);
        if (!c.message.isEmpty())
            EXPECT_EQ(dialogs.boxes.back().title, c.message == Refused ? msg::TitleAttention
                                                                       : msg::TitleAttentionExclaimed);
        EXPECT_EQ(focused(), control(c.focus ? c.focus : s.percent));
        EXPECT_EQ(box(s.code)->text(), c.message == Refused ? QString() : c.code);
        EXPECT_EQ(list(s.list)->Text(), c.name);
        EXPECT_EQ(masked(s.percent)->Text(), c.percent);
        EXPECT_EQ(masked(s.value)->Text(), c.value);
        EXPECT_EQ(list(s.list)->ListCount() - entries, c.added);
        EXPECT_FALSE(control("Frame3D2")->isVisible());
    }

    // Left twice, an accepted producer is listed twice more.
    premium(false);
    const int before = namesIn("Combo8", "ANA");
    type(box("Text18"), "11");
    tab();
    enter(box("Text18"));
    tab();
    EXPECT_EQ(namesIn("Combo8", "ANA") - before, 2);
}

// On a stored document another producer asks for the producer-change
// password; slots 1 to 4 compare codes as text, slot 5 as numbers.
TEST_F(DocumentProducers, AnotherProducerOnAStoredDocumentOpensThePanel)
{
    const int stored = addDocument({{"PROD1", 11}, {"PROD4", 13}, {"PROD5", 13}});
    open();
    struct Case {
        const char* what;
        int slot;
        QString typed;
        bool panel;
        QString message;
    } cases[] = {
        {"slot 1 changed", 1, "10", true, ""},
        {"slot 1 same", 1, "11", false, ""},
        {"slot 1 unknown code", 1, "99", true, NotFound},
        {"slot 2 unknown code", 2, "99", false, NotFound},
        {"slot 2 first producer", 2, "12", true, ""},
        {"slot 4 same number, other text", 4, "013", true, ""},
        {"slot 4 same", 4, "13", false, ""},
        {"slot 5 same number, other text", 5, "013", false, ""},
        {"slot 5 changed", 5, "10", true, ""},
        {"slot 3 refused position", 3, "11", false, Refused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        showStored(stored);
        type(box(Slots[c.slot - 1].code), c.typed);
        if (!c.message.isEmpty())
            dialogs.expectOk(c.message);
        tab();
        EXPECT_EQ(dialogs.pendingScript(), 0);
        EXPECT_EQ(panelOpenFor(4), c.panel);
        closePanel();
    }

    // A new document never asks.
    clearWindow();
    type(box("Text18"), "10");
    tab();
    EXPECT_FALSE(control("Frame3D2")->isVisible());
}

// A code remembered on one document never lets a producer change through on
// another: each clearing forgets the remembered codes.
TEST_F(DocumentProducers, ACodeRememberedOnAnotherDocumentStillAsks)
{
    const int stored = addDocument({{"PROD1", 11}});
    open();
    for (int slot : {2, 5}) {
        SCOPED_TRACE(slot);
        clearWindow();
        type(box(Slots[slot - 1].code), "10");
        tab();
        enter(box(Slots[slot - 1].code));  // remembers 10
        park();
        showStored(stored);
        type(box(Slots[slot - 1].code), "10");
        tab();
        EXPECT_TRUE(panelOpenFor(4));
        closePanel();
    }
}

}  // namespace
}  // namespace vorna
