// The header writer, box by box, on new and stored rows; and the commission
// received on a document's instalment rows.
#include "DocumentWindowFixture.h"

#include "documents/DocumentFields.h"
#include "documents/DocumentRecord.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/OptionButton.h"
#include "platform/controls/PickList.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents::testing {
namespace {

using test::Fields;

class DocumentWriterTest : public DocumentWindowFixture {
protected:
    void SetUp() override
    {
        DocumentWindowFixture::SetUp();
        logIn(level::Total, everyRight());
    }
    // Writes the window into a new row; the stored row.
    db::Recordset writeNew()
    {
        db::Recordset rs = documents();
        rs.AddNew();
        EXPECT_TRUE(WriteDocumentHeader(*fields, rs, state));
        rs.MoveLast();
        return rs;
    }
    db::Recordset writeOver(const Fields& stored)
    {
        db::Recordset rs = addDocument(stored);
        rs.Edit();
        EXPECT_TRUE(WriteDocumentHeader(*fields, rs, state));
        return rs;
    }
};

TEST_F(DocumentWriterTest, EachBoxReachesItsField)
{
    struct Case {
        const char* box;
        QString typed;
        const char* field;
        Variant stored;
    };
    const Case cases[] = {
        {"Text2", "AP-1", "APOLICE", "AP-1"},
        {"Text2", "   ", "APOLICE", "   "},
        {"Text3", "E-2", "ENDOSSO", "E-2"},
        {"Text14", "  ", "NUMPROP", " "},
        {"Text14", "S1", "NUMPROP", "S1"},
        {"Text8", "6", "CHAME", 6},
        {"Text9", "321", "CODCLIENTE", 321},
        {"Combo5", "ACME", "NOMCLIENTE", "ACME"},
        {"Text4", "12", "RAMO", 12},
        {"Combo3", "SAUDE", "NOMRAMO", "SAUDE"},
        {"Text7", "7", "SEGURADORA", 7},
        {"Combo4", "OPERA", "NOMSEGURADORA", "OPERA"},
        {"MaskEdBox9", "02/03/2024", "SOLICITACAO", Variant::date(QDate(2024, 3, 2))},
        {"MaskEdBox8", "01/04/2024", "ANOPRODUCAO", Variant::integer(2024)},
        {"MaskEdBox7", "31/03/2025", "VIGENCIAFINAL", Variant::date(QDate(2025, 3, 31))},
        {"MaskEdBox59", "05/03/2024", "BAIXAANTE", Variant::date(QDate(2024, 3, 5))},
        {"MaskEdBox61", "07/03/2024", "DTEXCLUSAO", Variant::date(QDate(2024, 3, 7))},
        {"Text13", "", "APORENOVA", " "},
        {"Combo6", "VELHA", "NOMCIARENOVA", "VELHA"},
        {"Text15", "55", "ORIGINAL", 55},
        {"Text15", "55", "CD", "55"},
        {"Text15", " ", "ORIGINAL", 0},
        {"Text15", " ", "CD", " "},
        {"Text31", " ", "CARTAO", Variant::null()},
        {"Text34", "falta RG", "PENDE", "falta RG"},
        {"MaskEdBox1", "1.234,50", "PREMIOLIQ", 1234.5},
        {"MaskEdBox19", "3", "ASSCU", 3.0},
        {"MaskEdBox5", "", "PREMIOBRUTO", Variant::null()},
        {"Text20", "10", "PARCELAS", Variant::integer(10)},
        {"Text20", "", "PARCELAS", Variant::integer(1)},
        {"Text20", "13", "PARCELAS", Variant::integer(1)},
        {"MaskEdBox78", "", "COTACAO", 1.0},
        {"MaskEdBox78", "5,1", "COTACAO", 5.1},
        {"Text33", "5", "PROD5", 5},
        {"Text26", "", "PROD3", Variant::null()},
        {"MaskEdBox77", "0,5", "PREP5", 0.5},
        {"MaskEdBox76", "4,5", "VREP4", 4.5},
        {"MaskEdBox18", "17,5", "VREPASSE", 17.5},
        {"Text6", "obs", "NOVAOBS", "obs"},
        {"Combo11", "FATURA", "TRANSMITIDO", "4"},
        {"Combo13", "", "ATPOS", " "},
        {"Combo12", "Outros Motivos          ", "MOTIVO", "M"},
        {"Combo16", "CO DOIS", "NCO2", "CO DOIS"},
        {"MaskEdBox80", "25", "PCO3", 25.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.field);
        setText(c.box, c.typed);
        db::Recordset rs = writeNew();
        EXPECT_TRUE(rs.field(c.field).identical(c.stored)) << rs.field(c.field) << " vs " << c.stored;
        setText(c.box, "");
    }
}

TEST_F(DocumentWriterTest, ANewRowIsAPolicyInForceOfBranchOneAndAnAlterationKeepsThem)
{
    at<ui::PickList>("Combo1").setListIndex(0);
    at<ui::PickList>("Combo2").setListIndex(1);
    db::Recordset made = writeNew();
    EXPECT_EQ(made.field("FILIAL").toLong(), 1);
    EXPECT_EQ(made.field("TIPO").toString(), "A");
    EXPECT_EQ(made.field("VIGENTE").toString(), "V");
    EXPECT_EQ(made.field("MOEDA").toLong(), 1);
    EXPECT_EQ(made.field("APOLICE").toString(), " ");
    EXPECT_EQ(text("Text2"), " ");
    EXPECT_EQ(made.field("CHAME").toLong(), 0);
    EXPECT_EQ(text("Text8"), "0");

    db::Recordset altered = writeOver({{"FILIAL", 4},
                                       {"TIPO", "E"},
                                       {"VIGENTE", "E"},
                                       {"PARCELAS", 7},
                                       {"CARNET", "C"},
                                       {"MOTIVO", "F"},
                                       {"PREMIOLIQ", 99.0},
                                       {"VIGENCIAFINAL", Variant::date(QDate(2025, 1, 1))}});
    EXPECT_EQ(altered.field("FILIAL").toLong(), 4);
    EXPECT_EQ(altered.field("TIPO").toString(), "E");
    EXPECT_EQ(altered.field("VIGENTE").toString(), "E");
    // Emptied boxes keep what was stored; a blank count too.
    EXPECT_EQ(altered.field("PARCELAS").toLong(), 7);
    EXPECT_EQ(altered.field("CARNET").toString(), "C");
    EXPECT_EQ(altered.field("MOTIVO").toString(), "F");
    EXPECT_EQ(altered.field("PREMIOLIQ").toDouble(), 99.0);
    EXPECT_TRUE(altered.field("VIGENCIAFINAL").identical(Variant::date(QDate(2025, 1, 1))));
}

TEST_F(DocumentWriterTest, ChoicesOfTicksOptionsAndLists)
{
    struct Case {
        std::vector<const char*> ticked;
        const char* field;
        Variant stored;
    };
    const Case cases[] = {
        {{"Check6", "Check9"}, "CARNET", "D"},
        {{"Check3", "Check7"}, "CARNET", "C"},
        {{}, "CARNET", Variant::null()},
        {{"Check1"}, "MULTIPLA", "S"},
        {{}, "MULTIPLA", "N"},
        {{"Check4"}, "JUROS", "S"},
        {{}, "RATEIO", "N"},
        {{"Check5"}, "RATEIO", "S"},
    };
    for (const Case& c : cases) {
        for (const char* check : {"Check1", "Check3", "Check4", "Check5", "Check6", "Check7", "Check9"})
            at<ui::CheckBox>(check).setValue(0);
        for (const char* check : c.ticked)
            at<ui::CheckBox>(check).setValue(1);
        db::Recordset rs = writeNew();
        EXPECT_TRUE(rs.field(c.field).identical(c.stored)) << c.field << " " << rs.field(c.field);
    }

    at<ui::OptionButton>("Option2").setValue(true);
    EXPECT_EQ(writeNew().field("MOEDA").toLong(), 2);

    // A reason differing only in its trailing blanks is no reason.
    setText("Combo12", "Outros Motivos");
    state.CoinsurerCodes = {31, 0, 33};
    db::Recordset rs = writeNew();
    EXPECT_TRUE(rs.field("MOTIVO").isNull());
    EXPECT_EQ(rs.field("CCO1").toLong(), 31);
    EXPECT_EQ(rs.field("CCO2").toLong(), 0);
    EXPECT_EQ(rs.field("CCO3").toLong(), 33);
}

TEST_F(DocumentWriterTest, AUserWhoseCommissionsAreHiddenWritesNothing)
{
    logIn(level::Total, {Right::OCU});
    db::Recordset rs = documents();
    rs.AddNew();
    setText("Text2", "");
    EXPECT_FALSE(WriteDocumentHeader(*fields, rs, state));
    EXPECT_EQ(rs.editMode(), db::Recordset::EditMode::Add);
    EXPECT_EQ(text("Text2"), "");
    rs.CancelUpdate();
    EXPECT_EQ(rowCount("DOCUMENTOS"), 0);
}

TEST_F(DocumentWriterTest, ARefusedValueStoresNothingAndLeavesNothingPending)
{
    db::Recordset stored = addDocument({{"APOLICE", "OLD"}});
    const QString number = rt::CStr(stored.field("PROPOSTA"));
    setText("Text2", "NEW");
    setText("MaskEdBox11", "abc");
    db::Recordset rs = documents();
    rs.FindFirst("PROPOSTA = " + number);
    rs.Edit();
    EXPECT_THROW(WriteDocumentHeader(*fields, rs, state), EngineError);
    EXPECT_EQ(rs.editMode(), db::Recordset::EditMode::None);
    EXPECT_EQ(findRow("DOCUMENTOS", "PROPOSTA = " + number).field("APOLICE").toString(), "OLD");
}

// ---- received commission --------------------------------------------------------

class ReceivedCommissionTest : public DocumentWindowFixture {
protected:
    // One instalment row: the document, its number, the receipt date set or
    // not, and the received value.
    void instalment(int document, int number, bool received, const Variant& value)
    {
        addRow("PARCELAS", {{"PROPOSTA", document},
                            {"NUMERO", number},
                            {"FILIAL", 1},
                            {"DP1", received ? Variant::date(QDate(2024, 5, number % 28 + 1)) : Variant::null()},
                            {"VP1", value}});
    }
    double sum(const QString& documentBox)
    {
        db::Recordset rs = mainDatabase().openRecordset("PARCELAS");
        return SumReceivedCommission(documentBox, rs, state);
    }
};

TEST_F(ReceivedCommissionTest, CountsReceivedRowsWhileTheyFollowOneAnother)
{
    for (int n = 1; n <= 12; ++n)
        instalment(1, n, n <= 3, 10.0);      // 30 received
    instalment(2, 1, true, 5.0);
    instalment(2, 2, false, 100.0);          // not received
    instalment(2, 3, true, Variant::null()); // received, value missing
    instalment(3, 1, true, 1.0);
    instalment(2, 4, true, 7.0);             // after another document's row
    for (int n = 1; n <= 13; ++n)
        instalment(4, n, true, 1.0);         // the thirteenth is past twelve
    instalment(5, 1, true, 2.5);
    instalment(5, 2, true, 2.5);             // the last rows of the table

    struct Case {
        QString document;
        double received;
    };
    const Case cases[] = {{"1", 30.0}, {"2", 5.0}, {"3", 1.0}, {"4", 12.0}, {"5", 5.0},
                          {"6", 0.0},  {"", 0.0},  {"1 OR 1=1", 0.0}};
    for (const Case& c : cases) {
        state.ReceivedCommission = -1;
        EXPECT_DOUBLE_EQ(sum(c.document), c.received) << c.document.toStdString();
        EXPECT_DOUBLE_EQ(state.ReceivedCommission, c.received);
    }
}

}  // namespace
}  // namespace vorna::documents::testing
