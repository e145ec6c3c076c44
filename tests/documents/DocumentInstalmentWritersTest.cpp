#include "DocumentEntryFixture.h"

#include "common/ProgramState.h"
#include "documents/InstalmentPanel.h"
#include "platform/runtime/Runtime.h"
#include "support/SecondWorkstation.h"

#include <QDate>

#include <functional>

namespace vorna {
namespace {

const QString Added = QStringLiteral("Documento Cadastrado com Codigo: ");
const QString SumDiffers = QStringLiteral("VALOR DA SOMA DAS PARCELAS DIFERENTE DO VALOR DO PRÊMIO BRUTO");
const QString Question = QStringLiteral("Você deseja CONSULTAR/ALTERAR o ítem segurado?");
const QString NothingWillChange =
    QStringLiteral("ATENÇÃO: NENHUM DADO SERÁ ALTERADO! SUA SENHA NÃO PERMITE ACESSO A ESTE MÓDULO!");

struct Row {
    Variant PROPOSTA, NUMERO, FILIAL, DV1, DP1, DR1, VV1, VP1, VR1, VCA, VALOR, CA;
    std::array<Variant, 5> P, R;
};

QString dateText(const Variant& v) { return v.isNull() ? QString() : rt::Format(v, QStringLiteral("dd/mm/yyyy")); }

class DocumentInstalmentWriters : public test::DocumentEntryFixture {
public:
    // For the cases' own steps.
    using DocumentEntryFixture::setBox;

protected:
    void SetUp() override
    {
        DocumentEntryFixture::SetUp();
        addRow("RAMOS", {{"CODIGO", 931}, {"NOME", "VIDA"}});
        document = addDocument({{"RAMO", 311}, {"PARCELAS", 12}});
        next = addDocument({{"RAMO", 311}});
    }

    // The panel as the recalculation leaves it: "PARCELADA", count 12,
    // commission 10 % worth 1000 on 4, 3 and 3 %; producers 1 and 2 passing
    // on 360 and 120 of 480 with shares summing to 40, 10 % on instalments 1
    // to 4; net premium 1000, gross 1200 in twelve values of 100; policy
    // cost 150; due dates from 10/03/2024.
    void fillPanel(int number, int saveMode)
    {
        // The recordsets see the rows there were when the window opened.
        if (form().isLoaded())
            form().Unload();
        open();
        form().recordsets().DOCUMENTOS.FindFirst(QStringLiteral("PROPOSTA = %1").arg(number));
        control("Frame3D16")->setVisible(true);
        values().SaveMode = saveMode;
        values().ProducerShareSum = Variant(40.0);
        const std::pair<const char*, QString> boxes[] = {
            {"Text1", QString::number(number)}, {"Text23", "1"}, {"Text4", "311"}, {"Combo2", "APOLICE"},
            {"Combo3", "AUTOMOVEL"}, {"Combo5", "CLIENTE"}, {"Combo7", "PARCELADA"}, {"Text20", "12"},
            {"MaskEdBox8", "10/03/2024"}, {"MaskEdBox1", "1000"}, {"MaskEdBox3", "150"}, {"MaskEdBox5", "1200"},
            {"MaskEdBox6", "10"}, {"MaskEdBox11", "1000"}, {"MaskEdBox18", "480"}, {"MaskEdBox15", "360"},
            {"MaskEdBox16", "120"}, {"MaskEdBox17", "0"}, {"MaskEdBox76", "0"}, {"MaskEdBox82", "0"},
            {"Text18", "7"}, {"Text25", "8"}, {"Text26", ""}, {"Text32", ""}, {"Text33", ""}, {"MaskEdBox59", ""},
            {"Text2", ""},
        };
        for (const auto& [name, text] : boxes)
            setBox(name, text);
        check("Check5")->setValue(ui::CheckBox::Checked);
        for (int k = 1; k <= 12; ++k) {
            documents::panel::dueBox(&form(), k)->setText(QDate(2024, 3, 10).addMonths(k - 1).toString("dd/MM/yyyy"));
            documents::panel::valueBox(&form(), k)->setText("100");
            documents::panel::commissionBox(&form(), k)->setText(k == 1 ? "4" : k <= 3 ? "3" : "0");
            documents::panel::passOnBox(&form(), k)->setText(k <= 4 ? "10" : "0");
        }
    }
    void finish() { test::click(button("Command3D17")); }

    std::vector<Row> rowsOf(int number)
    {
        std::vector<Row> rows;
        for (const Row& row : readRows<Row>("PARCELAS", [](const db::Recordset& rs) {
                 Row r{rs["PROPOSTA"], rs["NUMERO"], rs["FILIAL"], rs["DV1"], rs["DP1"], rs["DR1"], rs["VV1"],
                       rs["VP1"], rs["VR1"], rs["VCA"], rs["VALOR"], rs["CA"], {}, {}};
                 for (int j = 0; j < 5; ++j) {
                     r.P[j] = rs[QStringLiteral("P%1").arg(j + 1)];
                     r.R[j] = rs[QStringLiteral("R%1").arg(j + 1)];
                 }
                 return r;
             }))
            if (!row.PROPOSTA.isNull() && row.PROPOSTA.toLong() == number)
                rows.push_back(row);
        return rows;
    }
    // Twelve stored rows of a document with VV1 1, VR1 2, VALOR 3 and a due date.
    void storeRows(int number, int rows = 12, int branch = 1)
    {
        for (int k = 1; k <= rows; ++k)
            addRow("PARCELAS", {{"PROPOSTA", number}, {"NUMERO", k}, {"FILIAL", branch}, {"VV1", 1.0}, {"VR1", 2.0},
                                {"VALOR", 3.0}, {"R1", 2.0}, {"DV1", Variant::date(45000 + k)}});
    }
    double at(const std::vector<Row>& rows, int k, Variant Row::*field) { return (rows.at(k - 1).*field).toDouble(); }

    int document = 0, next = 0;
};

// ---- the new-document writer -------------------------------------------------------------------

TEST_F(DocumentInstalmentWriters, NewDocumentRowsFollowFormCountProducersAndFixedRules)
{
    struct Case {
        const char* what;
        std::function<void(DocumentInstalmentWriters&)> tweak;
        int k;
        double vv1, vr1, r1, r2;
        QString dv1, dr1;
    } cases[] = {
        {"plain split, row 1", {}, 1, 400, 120, 90, 30, "10/03/2024", ""},
        {"plain split, row 5", {}, 5, 0, 0, 0, 0, "10/07/2024", ""},
        {"count 3: row 4 empty", [](auto& t) { t.setBox("Text20", "3"); }, 4, 0, 0, 0, 0, "", ""},
        {"ANTECIPADA: row 2 empty", [](auto& t) { t.setBox("Combo7", "ANTECIPADA"); }, 2, 0, 0, 0, 0,
         "10/04/2024", ""},
        {"ANTECIPADA + 30dd is not ANTECIPADA", [](auto& t) { t.setBox("Combo7", "ANTECIPADA + 30dd"); }, 2, 300,
         120, 90, 30, "10/04/2024", ""},
        {"931 policy, row 1", [](auto& t) { t.setBox("Text4", "931"); }, 1, 400, 400, 400, 30, "10/03/2024", ""},
        {"931 policy, row 2", [](auto& t) { t.setBox("Text4", "931"); }, 2, 300, 1000 * 0.174 * 0.4,
         1000 * 0.174 * 0.4, 30, "10/04/2024", ""},
        {"932 policy, row 2", [](auto& t) { t.setBox("Text4", "932"); }, 2, 300, 350, 350, 30, "10/04/2024", ""},
        {"932 policy, row 3", [](auto& t) { t.setBox("Text4", "932"); }, 3, 300, 1000 * 0.1995 * 0.35,
         1000 * 0.1995 * 0.35, 30, "10/05/2024", ""},
        {"933 policy, row 1", [](auto& t) { t.setBox("Text4", "933"); }, 1, 400, 300, 300, 30, "10/03/2024", ""},
        {"931 endorsement: no rule",
         [](auto& t) {
             t.setBox("Text4", "931");
             t.setBox("Combo2", "ENDOSSO");
         },
         1, 400, 120, 90, 30, "10/03/2024", ""},
        {"advance date overrides the rule, row 1",
         [](auto& t) {
             t.setBox("Text4", "931");
             t.setBox("MaskEdBox59", "05/03/2016");
         },
         1, 400, 480, 360, 120, "10/03/2024", "05/03/2016"},
        {"advance date, row 3",
         [](auto& t) { t.setBox("MaskEdBox59", "05/03/2016"); }, 3, 300, 0, 0, 0, "10/05/2024", "11/11/1111"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int number = addDocument();
        fillPanel(number, 1);
        if (c.tweak)
            c.tweak(*this);
        // As the completion step captures them before the writer runs.
        for (int k = 1; k <= 12; ++k)
            values().Instalments.InstalmentDueDates[k - 1] = Variant(documents::panel::dueBox(&form(), k)->Text());
        form().InsertDocumentInstalments();
        const std::vector<Row> rows = rowsOf(number);
        ASSERT_EQ(rows.size(), 12u);
        const Row& row = rows[c.k - 1];
        EXPECT_EQ(row.NUMERO.toLong(), c.k);
        EXPECT_DOUBLE_EQ(row.VV1.toDouble(), c.vv1);
        EXPECT_DOUBLE_EQ(row.VR1.toDouble(), c.vr1);
        EXPECT_DOUBLE_EQ(row.R[0].toDouble(), c.r1);
        EXPECT_DOUBLE_EQ(row.R[1].toDouble(), c.r2);
        EXPECT_EQ(dateText(row.DV1), c.dv1);
        EXPECT_EQ(dateText(row.DR1), c.dr1);
        EXPECT_TRUE(row.DP1.isNull());
        EXPECT_EQ(row.VP1.toDouble(), 0.0);
        EXPECT_EQ(row.VALOR.toDouble(), 100.0);
        EXPECT_EQ(row.FILIAL.toLong(), 1);
        EXPECT_EQ(row.CA.toString(), "N");
        EXPECT_EQ(row.P[0].toString(), "7");
        EXPECT_EQ(row.P[3].toString(), "");
        // The policy cost share on row 1 only.
        EXPECT_EQ(rows[0].VCA.toDouble(), 30.0);
        EXPECT_TRUE(rows[1].VCA.isNull());
        form().ClearDocumentForm();
    }
}

TEST_F(DocumentInstalmentWriters, PanelModeAppliesNoFixedRuleAndTestsNoRight)
{
    fillPanel(document, 3);
    setBox("Text4", "931");
    state().session.right(Right::OCU) = Variant("S");
    dialogs.expectNo(Question);
    finish();
    const std::vector<Row> rows = rowsOf(document);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_DOUBLE_EQ(at(rows, 1, &Row::VR1), 120);
    EXPECT_DOUBLE_EQ(rows[0].R[0].toDouble(), 90);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(values().SaveMode, 0);
    EXPECT_FALSE(control("Frame3D16")->isVisible());
}

// ---- the completion step ----------------------------------------------------------------------

TEST_F(DocumentInstalmentWriters, SumCheckWarnsBeyondOneAndGoesOn)
{
    struct Case {
        const char* what;
        QString gross, value;
        bool warned;
    } cases[] = {
        {"equal", "1200", "100", false},
        {"1 below", "1201", "100", false},
        {"1.01 below", "1201,01", "100", true},
        {"all values empty", "1200", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int number = addDocument();
        fillPanel(number, 3);
        setBox("MaskEdBox5", c.gross);
        for (int k = 1; k <= 12; ++k)
            setBox(QStringLiteral("MaskEdBox%1").arg(61 + k).toLatin1().constData(), c.value);
        dialogs.clear();
        if (c.warned)
            dialogs.expectOk(SumDiffers);
        dialogs.expectNo(Question);
        finish();
        EXPECT_EQ(rowsOf(number).size(), 12u);
        EXPECT_EQ(test::text(control("MaskEdBox73")), c.value.isEmpty() ? "0" : c.value);
    }
}

TEST_F(DocumentInstalmentWriters, NewDocumentEndingsHandTheDocumentOver)
{
    struct Case {
        const char* what;
        QString type, policy, line;
        QString marker, kind;
        bool closed;
        QString code;
    } cases[] = {
        {"policy", "APOLICE", "", "311", "1", "1", true, ""},
        {"endorsement with policy number", "ENDOSSO", "123", "311", "2", "2", true, ""},
        {"endorsement without policy number", "ENDOSSO", "", "311", "0", "2", false, ""},
        {"life and health", "APOLICE", "", "871", "1", "1", true, "871"},
        {"712 goes to the other lines", "APOLICE", "", "712", "1", "1", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state().handOver = {};
        const int number = addDocument();
        fillPanel(number, 1);
        values().PrefillPolicyNumber = 77;
        setBox("Combo2", c.type);
        setBox("Text2", c.policy);
        setBox("Text4", c.line);
        dialogs.clear();
        dialogs.expectOk(Added + QString::number(number));
        finish();
        EXPECT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes.at(0).title, "Inclusão");
        EXPECT_EQ(rowsOf(number).size(), 12u);
        const HandOver& h = state().handOver;
        EXPECT_EQ(rt::CStr(state().document.OperationMarker), c.marker);
        EXPECT_EQ(h.HandOverDocumentKind, c.kind);
        EXPECT_EQ(h.PassedRecordName, "CLIENTE");
        EXPECT_EQ(h.HandOverLineName, "AUTOMOVEL");
        EXPECT_EQ(rt::CStr(h.PassedRecordCode), c.marker == "1" ? QString::number(number) : "77");
        if (c.marker != "1") {
            EXPECT_EQ(rt::CStr(h.HandOverDocumentNumber), QString::number(number));
        }
        EXPECT_EQ(rt::CStr(h.HandOverCode), c.code);
        EXPECT_EQ(values().SaveMode, 0);
        EXPECT_EQ(form().isLoaded(), !c.closed);
        if (!c.closed) {
            EXPECT_TRUE(test::text(box("Text1")).isEmpty());
            EXPECT_FALSE(button("Command3D3")->isEnabled());
            EXPECT_FALSE(button("Command3D20")->isEnabled());
        }
    }
}

TEST_F(DocumentInstalmentWriters, StoredDocumentEndingAsksAndClosesOrClears)
{
    storeRows(document);
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        state().handOver = {};
        fillPanel(document, 0);
        setBox("Text4", "712");
        setBox("Combo2", "ENDOSSO");
        setBox("Text2", "55");
        state().document.SourceDocumentNumber = 40;
        values().LoadedInstalmentCount = 12;
        yes ? dialogs.expectYes(Question) : dialogs.expectNo(Question);
        finish();
        const HandOver& h = state().handOver;
        EXPECT_EQ(h.HandOverDocumentKind, "2");
        EXPECT_EQ(rt::CStr(h.PassedRecordCode), "40");
        EXPECT_EQ(rt::CStr(h.HandOverDocumentNumber), QString::number(document));
        EXPECT_EQ(rt::CStr(state().document.OperationMarker), "2");
        EXPECT_EQ(values().SaveMode, 0);
        EXPECT_EQ(form().isLoaded(), !yes);
        if (!yes) {
            EXPECT_FALSE(control("Frame3D16")->isVisible());
            EXPECT_TRUE(test::text(box("Text1")).isEmpty());
        }
    }
}

TEST_F(DocumentInstalmentWriters, ZeroFillOnlyInModesOneAndThree)
{
    storeRows(document);
    for (const int mode : {0, 2, 3}) {
        SCOPED_TRACE(mode);
        fillPanel(mode == 3 ? addDocument() : document, mode);
        values().LoadedInstalmentCount = 12;
        setBox("MaskEdBox43", "");
        setBox("MaskEdBox44", "");
        dialogs.expectNo(Question);
        finish();
        EXPECT_EQ(test::text(control("MaskEdBox43")), mode == 3 ? "0" : "");
        EXPECT_EQ(test::text(control("MaskEdBox44")), mode == 3 ? "0" : "");
    }
}

// ---- stored documents -------------------------------------------------------------------------

TEST_F(DocumentInstalmentWriters, StoredDocumentsAreRewrittenByCountAndSettlement)
{
    struct Case {
        const char* what;
        QString count;       // Text20; the loaded count is 12
        int seriesOf;        // 0: the shown document's
        int received, paid;  // settled rows
        bool ticked = true;
        bool refused = false;
        int k;
        double vv1, vr1, valor;
    } cases[] = {
        // The test's own series carry 5 everywhere: stored only when they are the shown document's.
        {"changed count, series of this document", "6", 0, 0, 0, true, false, 2, 5, 5, 100},
        {"changed count, series of another: recomputed", "6", -1, 0, 0, true, false, 2, 1000.0 / 6, 80, 100},
        {"changed count, row above the count", "6", 0, 0, 0, true, false, 8, 5, 5, 0},
        {"same count, nothing settled: recomputed", "12", 0, 0, 0, true, false, 2, 1000.0 / 12, 40, 100},
        {"same count, 3 received: row 3 keeps VV1", "12", 0, 3, 0, true, false, 3, 1, 5, 100},
        {"same count, 3 received: row 4 takes VV1", "12", 0, 3, 0, true, false, 4, 5, 5, 100},
        {"same count, all paid", "12", 0, 0, 12, true, false, 4, 5, 2, 100},
        {"Check5 unticked", "12", 0, 0, 0, false, false, 2, 1, 2, 3},
        {"OCU S: refused", "12", 0, 0, 0, true, true, 2, 1, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int number = addDocument();
        storeRows(number);
        storeRows(number + 1000);  // the next document's rows
        fillPanel(number, 0);
        setBox("Text20", c.count);
        check("Check5")->setValue(c.ticked ? ui::CheckBox::Checked : ui::CheckBox::Unchecked);
        values().LoadedInstalmentCount = 12;
        auto& v = values().Instalments;
        v.SeriesDocumentNumber = c.seriesOf == 0 ? number : next;
        v.ReceivedInstalmentCount = c.received;
        v.PaidPassOnCount = c.paid;
        for (int k = 0; k < 12; ++k) {
            v.InstalmentCommissions[k] = v.InstalmentPassOns[k] = Variant(5.0);
            for (auto& producer : v.InstalmentProducerPassOns)
                producer[k] = Variant(5.0);
        }
        state().session.right(Right::OCU) = Variant(c.refused ? "S" : "N");
        dialogs.clear();
        if (c.refused)
            dialogs.expectOk(NothingWillChange);
        dialogs.expectNo(Question);
        finish();
        const std::vector<Row> rows = rowsOf(number);
        ASSERT_EQ(rows.size(), 12u);
        EXPECT_DOUBLE_EQ(at(rows, c.k, &Row::VV1), c.vv1);
        EXPECT_DOUBLE_EQ(at(rows, c.k, &Row::VR1), c.vr1);
        EXPECT_DOUBLE_EQ(at(rows, c.k, &Row::VALOR), c.valor);
        for (const Row& other : rowsOf(number + 1000))
            EXPECT_EQ(other.VV1.toDouble(), 1.0);
    }
}

TEST_F(DocumentInstalmentWriters, SameCountKeepsTypedDueDatesAndWritesAdvancePassOnDates)
{
    storeRows(document);
    fillPanel(document, 0);
    values().LoadedInstalmentCount = 12;
    documents::panel::dueBox(&form(), 2)->setText("20/04/2024");
    dialogs.expectNo(Question);
    finish();
    std::vector<Row> rows = rowsOf(document);
    EXPECT_EQ(dateText(rows[1].DV1), "20/04/2024");
    EXPECT_EQ(values().Instalments.SameCountFlag, 0);

    // Settled rows: updated in place, the pass-on moved to instalment 1 with its date.
    fillPanel(document, 0);
    values().LoadedInstalmentCount = 12;
    values().AdvancePassOnFlag = 0;
    values().Instalments.ReceivedInstalmentCount = 2;
    setBox("MaskEdBox59", "05/03/2016");
    dialogs.expectNo(Question);
    finish();
    rows = rowsOf(document);
    EXPECT_EQ(dateText(rows[0].DR1), "05/03/2016");
    EXPECT_EQ(dateText(rows[5].DR1), "11/11/1111");
    EXPECT_DOUBLE_EQ(rows[0].VR1.toDouble(), 480);
    EXPECT_DOUBLE_EQ(rows[0].R[1].toDouble(), 120);
    EXPECT_DOUBLE_EQ(rows[5].VR1.toDouble(), 0);
    EXPECT_EQ(rows[0].P[0].toString(), "7");
}

TEST_F(DocumentInstalmentWriters, BranchTwoDocumentIsFoundByItsNumberAlone)
{
    storeRows(document);
    fillPanel(document, 0);
    setBox("Text23", "2");
    values().LoadedInstalmentCount = 12;
    dialogs.expectNo(Question);
    finish();
    EXPECT_EQ(state().handOver.ReturnDocumentBranch, 2);
    EXPECT_DOUBLE_EQ(at(rowsOf(document), 2, &Row::VV1), 1000.0 / 12);
}

// ---- failures ---------------------------------------------------------------------------------

TEST_F(DocumentInstalmentWriters, FailuresStoreNothingAndShowTheBox)
{
    struct Case {
        const char* what;
        int mode;
        std::function<void(DocumentInstalmentWriters&)> spoil;
        int error;
    } cases[] = {
        {"value box without a number", 1, [](auto& t) { t.setBox("MaskEdBox68", "abc"); }, 13},
        {"blank line code", 1, [](auto& t) { t.setBox("Text4", ""); }, 13},
        {"document number not whole", 3, [](auto& t) { t.setBox("Text1", "1 OR 1=1"); }, 13},
        {"due date of row 7 refused", 3,
         [](auto&) {
             documents::panel::dueBox(&form(), 7)->setMask({});
             documents::panel::dueBox(&form(), 7)->setText("99/99/9999");
         },
         13},
        {"stored rows, value of row 7", 0, [](auto& t) { t.setBox("MaskEdBox68", "x"); }, 13},
    };
    storeRows(document);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int number = c.mode == 0 ? document : addDocument();
        fillPanel(number, c.mode);
        values().LoadedInstalmentCount = 12;
        c.spoil(*this);
        dialogs.clear();
        dialogs.expectOk();
        finish();
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_TRUE(dialogs.boxes[0].text.endsWith(QString::number(c.error))) << dialogs.boxes[0].text.toStdString();
        EXPECT_EQ(rowsOf(number).size(), c.mode == 0 ? 12u : 0u);
        if (c.mode == 0) {
            EXPECT_EQ(at(rowsOf(number), 1, &Row::VV1), 1.0);
        }
        EXPECT_TRUE(test::text(box("Text1")).isEmpty());  // cleared
    }
}

TEST_F(DocumentInstalmentWriters, LockHeldByAnotherWorkstationStoresNothing)
{
    storeRows(document);
    fillPanel(document, 0);
    values().LoadedInstalmentCount = 12;
    {
        test::SecondWorkstationWriting other(pathOf("VORNA.MDB"));
        dialogs.expectOk();
        finish();
    }
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.endsWith("3260"));
    EXPECT_EQ(at(rowsOf(document), 7, &Row::VV1), 1.0);
}

// ---- hover caption ----------------------------------------------------------------------------

TEST_F(DocumentInstalmentWriters, FinishButtonShowsItsCaptionAndThePanelHidesIt)
{
    open();
    label("Label79")->setVisible(true);
    form().Command3D17_MouseMove();
    EXPECT_FALSE(label("Label39")->isHidden());
    EXPECT_FALSE(label("Label79")->isHidden());  // hides no other caption
    form().Frame3D16_MouseMove();
    EXPECT_TRUE(label("Label39")->isHidden());
}

}  // namespace
}  // namespace vorna
