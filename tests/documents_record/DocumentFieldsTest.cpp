// A stored document shown on the window's controls: every mapped field, the
// codes, the commission hiding, Null fields and the claim criteria.
#include "DocumentWindowFixture.h"

#include "documents/DocumentFields.h"
#include "documents/StatusColours.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/runtime/Runtime.h"
#include "platform/controls/OptionButton.h"
#include "platform/controls/PickList.h"

namespace vorna::documents::testing {
namespace {

using test::Fields;

class DocumentFieldsTest : public DocumentWindowFixture {};

TEST_F(DocumentFieldsTest, EveryMappedFieldReachesItsControl)
{
    setNow(QDateTime(QDate(2025, 3, 1), QTime(10, 0)));
    db::Recordset rs = addDocument(everyShownField());
    const QString number = rt::CStr(rs.field("PROPOSTA"));
    PutDocumentFields(*fields, rs, state);

    struct Shown {
        const char* control;
        QString text;
    };
    const Shown shown[] = {
        {"Text23", "2"},         {"Text10", "2"},           {"Text1", number},         {"Text2", "AP-77"},
        {"Text3", "E-1"},        {"Text29", "REN9"},        {"Text21", "341"},         {"Text19", "0123"},
        {"Text17", "4567-8"},    {"Text14", "SENHA1"},      {"Text9", "321"},          {"Text8", "4"},
        {"Combo5", "ACME LTDA"}, {"Text4", "12"},           {"Combo3", "SAUDE"},       {"Text7", "7"},
        {"Text30", "55"},        {"Text34", "falta RG"},    {"Text35", "ctl 1"},       {"Combo4", "OPERA"},
        {"Text13", "OLD-1"},     {"Text11", "8"},           {"Combo6", "VELHA"},       {"MaskEdBox1", "1234,5"},
        {"MaskEdBox2", "10,25"}, {"MaskEdBox3", "60"},      {"MaskEdBox4", "7,38"},    {"MaskEdBox19", "3"},
        {"MaskEdBox5", "1315,13"}, {"Text15", "55"},        {"Text31", "4111"},        {"Text20", "10"},
        {"MaskEdBox78", "5,1"},  {"MaskEdBox6", "15"},      {"MaskEdBox10", "2,5"},    {"MaskEdBox11", "185,17"},
        {"Text18", "1"},         {"Text25", "2"},           {"Text26", "3"},           {"Text32", "4"},
        {"Text33", "5"},         {"MaskEdBox12", "10"},     {"MaskEdBox13", "20"},     {"MaskEdBox14", "30"},
        {"MaskEdBox75", "40"},   {"MaskEdBox77", "0,5"},    {"MaskEdBox15", "1,5"},    {"MaskEdBox16", "2,5"},
        {"MaskEdBox17", "3,5"},  {"MaskEdBox76", "4,5"},    {"MaskEdBox82", "5,5"},    {"MaskEdBox18", "17,5"},
        {"MaskEdBox7", "31/03/2025"}, {"MaskEdBox8", "01/04/2024"}, {"MaskEdBox9", "02/03/2024"},
        {"MaskEdBox56", "03/03/2024"}, {"MaskEdBox58", "04/03/2024"}, {"MaskEdBox59", "05/03/2024"},
        {"MaskEdBox60", "06/03/2024"}, {"MaskEdBox61", "07/03/2024"},
        {"Combo15", "CO UM"},    {"Combo16", "CO DOIS"},    {"Combo17", ""},           {"MaskEdBox81", "30"},
        {"MaskEdBox57", "20"},   {"MaskEdBox80", ""},       {"Text6", "nova"},         {"Combo13", "ANA"},
        {"Combo12", "Restrições Técnicas     "},            {"Combo11", "SUBSTITUIÇÃO"},
        {"Combo2", "ENDOSSO"},   {"Combo1", "RENOVADO"},    {"Text5", "30"},
    };
    for (const Shown& s : shown)
        EXPECT_EQ(text(s.control), s.text) << s.control;
    EXPECT_EQ(at<ui::MaskEdBox>("MaskEdBox7").Mask(), "##/##/####");

    EXPECT_FALSE(at<ui::OptionButton>("Option1").Value());
    EXPECT_TRUE(at<ui::OptionButton>("Option2").Value());
    const std::pair<const char*, int> checks[] = {{"Check1", 1}, {"Check3", 1}, {"Check4", 1}, {"Check5", 0},
                                                  {"Check6", 0}, {"Check7", 0}, {"Check9", 0}};
    for (const auto& [check, value] : checks)
        EXPECT_EQ(at<ui::CheckBox>(check).Value(), value) << check;
    // Stored spreading is fixed; the client, plan and type lists lock once shown.
    for (const char* locked : {"Check5", "Combo5", "Combo3", "Text4", "Combo2"})
        EXPECT_FALSE(at<QWidget>(locked).isEnabled()) << locked;

    EXPECT_EQ(state.ShownPolicyNumber.toString(), "AP-77");
    EXPECT_EQ(state.ClientBranch, 3);
    EXPECT_EQ(state.LoadedInstalmentCount, 10);
    EXPECT_EQ(state.CoinsurerCodes, (std::array<int32_t, 3>{21, 22, 0}));
    EXPECT_EQ(state.AdvancePassOnFlag, 1);
    EXPECT_EQ(textColour(at<QWidget>("Text2")), QColor(255, 0, 255));
}

TEST_F(DocumentFieldsTest, NullFieldsLeaveWhatTheClearingLeft)
{
    db::Recordset rs = addDocument({{"FILIAL", 1}});
    setText("Text3", "kept");
    setText("MaskEdBox1", "9");
    setText("Combo4", "kept name");
    state.ClientBranch = 0;
    state.CoinsurerCodes = {5, 6, 7};
    state.AdvancePassOnFlag = 1;
    PutDocumentFields(*fields, rs, state);

    EXPECT_EQ(text("Text3"), "kept");
    EXPECT_EQ(text("MaskEdBox1"), "9");
    EXPECT_EQ(text("Combo4"), "kept name");
    EXPECT_EQ(text("MaskEdBox7"), "__/__/____");
    EXPECT_EQ(text("Text5"), "");
    EXPECT_EQ(text("Text6"), "");
    EXPECT_EQ(at<ui::PickList>("Combo1").ListIndex(), -1);
    EXPECT_FALSE(at<ui::OptionButton>("Option1").Value());
    // Spreading never stored stays open to choice, ticked.
    EXPECT_EQ(at<ui::CheckBox>("Check5").Value(), 1);
    EXPECT_TRUE(at<QWidget>("Check5").isEnabled());
    // The client and plan lists lock all the same.
    EXPECT_FALSE(at<QWidget>("Combo5").isEnabled());
    EXPECT_FALSE(at<QWidget>("Combo3").isEnabled());

    EXPECT_EQ(state.ShownPolicyNumber.toString(), "");
    EXPECT_EQ(state.ClientBranch, 0);
    EXPECT_EQ(state.LoadedInstalmentCount, 0);
    EXPECT_EQ(state.CoinsurerCodes, (std::array<int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(state.AdvancePassOnFlag, 0);
}

TEST_F(DocumentFieldsTest, CodesAndFlagsAsTheirTablesSay)
{
    struct Case {
        Fields fields;
        const char* control;
        QString shown;
    };
    const Case cases[] = {
        {{{"MOTIVO", "F"}}, "Combo12", "Falta de Pagamento      "},
        {{{"MOTIVO", "Z"}}, "Combo12", ""},
        {{{"MOTIVO", "s"}}, "Combo12", ""},
        {{{"TRANSMITIDO", "1"}}, "Combo11", "CANCELAMENTO"},
        {{{"TRANSMITIDO", "0"}}, "Combo11", ""},
        {{{"TIPO", "A"}}, "Combo2", "APOLICE"},
        {{{"TIPO", "X"}}, "Combo2", ""},
        {{{"VIGENTE", "E"}}, "Combo1", "CANCELADO"},
        {{{"VIGENTE", "v"}}, "Combo1", ""},
        {{{"NOVAOBS", ""}, {"OBSERVACOES", "velha"}}, "Text6", ""},
        {{{"OBSERVACOES", "velha"}}, "Text6", "velha"},
    };
    for (const Case& c : cases) {
        for (const char* list : {"Combo1", "Combo2", "Combo11", "Combo12"})
            at<ui::PickList>(list).setListIndex(-1);
        setText("Text6", "");
        db::Recordset rs = addDocument(c.fields);
        PutDocumentFields(*fields, rs, state);
        EXPECT_EQ(text(c.control), c.shown) << c.control << " " << c.fields.front().second;
    }

    struct Flags {
        Fields fields;
        std::vector<std::pair<const char*, int>> checks;
        bool spreadOpen;
    };
    const Flags flags[] = {
        {{{"CARNET", "N"}, {"RATEIO", "S"}}, {{"Check3", 0}, {"Check6", 1}, {"Check5", 1}}, false},
        {{{"CARNET", "C"}, {"MULTIPLA", "N"}}, {{"Check7", 1}, {"Check1", 0}, {"Check5", 1}}, true},
        {{{"CARNET", "D"}, {"JUROS", "N"}}, {{"Check9", 1}, {"Check4", 0}}, true},
        {{{"CARNET", "X"}}, {{"Check3", 0}, {"Check6", 0}, {"Check7", 0}, {"Check9", 0}}, true},
    };
    for (const Flags& f : flags) {
        for (const char* check : {"Check1", "Check3", "Check4", "Check5", "Check6", "Check7", "Check9"}) {
            at<ui::CheckBox>(check).setValue(0);
            at<QWidget>(check).setEnabled(true);
        }
        db::Recordset rs = addDocument(f.fields);
        PutDocumentFields(*fields, rs, state);
        for (const auto& [check, value] : f.checks)
            EXPECT_EQ(at<ui::CheckBox>(check).Value(), value) << check << " " << f.fields.front().second;
        EXPECT_EQ(at<QWidget>("Check5").isEnabled(), f.spreadOpen) << f.fields.front().second;
    }
}

TEST_F(DocumentFieldsTest, HiddenCommissionsShowZeroInTheirFourteenBoxes)
{
    db::Recordset rs = addDocument(everyShownField());
    PutDocumentFields(*fields, rs, state, CommissionView::Hidden);
    int hidden = 0;
    for (const DocumentField& f : fields->fields) {
        if (!f.commission)
            continue;
        ++hidden;
        EXPECT_EQ(record::boxText(f.widget()), "0") << f.name().toStdString();
    }
    EXPECT_EQ(hidden, 14);
    EXPECT_EQ(text("Text18"), "1");
    EXPECT_EQ(text("MaskEdBox1"), "1234,5");
}

// The policy number as written, whatever it holds, finds its claims and no other.
TEST_F(DocumentFieldsTest, ClaimCriteriaMatchesThePolicyNumberAsWritten)
{
    const std::pair<int, const char*> claims[] = {{1, " D'AVILA*1 "}, {2, "D'AVILA-1"}, {3, "d'avila*1"},
                                                  {4, "AP?#[1"},      {5, "APX9X1"}};
    for (const auto& [process, policy] : claims)
        addRow("SINISTRO", {{"PROCESSO", process}, {"APOLICE", QString::fromUtf8(policy)}});
    struct Case {
        const char* typed;
        std::vector<int> processes;
    };
    const Case cases[] = {{"D'AVILA*1", {1, 3}}, {"AP?#[1", {4}}, {"APX9X1", {5}}, {"D'AVILA", {}}};
    for (const Case& c : cases) {
        db::Recordset rs = mainDatabase().openRecordset("SINISTRO");
        const QString criteria = ClaimCriteria(QString::fromUtf8(c.typed));
        std::vector<int> found;
        for (rs.FindFirst(criteria); !rs.NoMatch(); rs.FindNext(criteria))
            found.push_back(rs.field("PROCESSO").toLong());
        EXPECT_EQ(found, c.processes) << c.typed;
    }
}

}  // namespace
}  // namespace vorna::documents::testing
