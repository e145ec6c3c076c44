#include "FieldEntryFixture.h"

#include "documents/instalments/NumberConventions.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/Runtime.h"
#include "support/SecondWorkstation.h"

#include <QDate>

namespace vorna {
namespace {

using documents::instalments::dueDateText;
using documents::instalments::InstalmentValues;

const QString Masked = QStringLiteral("##/##/####");

Variant day(int d, int m, int y) { return Variant::date(QDate(y, m, d)); }

class DocumentInstalmentChain : public test::FieldEntryFixture {
protected:
    void SetUp() override
    {
        FieldEntryFixture::SetUp();
        // Commission % 4, 3, 3 on the first three instalments, nothing set after.
        addRow("RAMOS", {{"CODIGO", 311}, {"NOME", "AUTOMOVEL"}, {"COM1", 4}, {"COM2", 3}, {"COM3", 3}});
    }
    // A fresh opening of the window with a document's boxes as a show leaves
    // them: premium 900, commission 10 % worth 90, producers 30 % and 20 %
    // (pass-on 30 and 15 of a total 45), from 31/01/2016.
    void reopenOn(int number, int count, const QString& form, const QString& start = "31/01/2016")
    {
        if (form_loaded())
            documentWindow().Unload();
        open();
        park();
        put({{"Text1", QString::number(number)}, {"Text4", "311"}, {"Text20", QString::number(count)},
             {"MaskEdBox5", "900"}, {"MaskEdBox6", "10"}, {"MaskEdBox8", start}, {"MaskEdBox11", "90"},
             {"MaskEdBox12", "30"}, {"MaskEdBox13", "20"}, {"MaskEdBox14", "0"}, {"MaskEdBox15", "30"},
             {"MaskEdBox16", "15"}, {"MaskEdBox17", "0"}, {"MaskEdBox76", "0"}, {"MaskEdBox82", "0"},
             {"MaskEdBox18", "45"}});
        choose(list("Combo7"), form);
    }
    bool form_loaded() { return documentWindow().isLoaded(); }
    static documents::Form14& documentWindow() { return form(); }
    ui::MaskEdBox* panel(int number) { return masked(QByteArray("MaskEdBox" + QByteArray::number(number)).constData()); }
    ui::MaskEdBox* due(int k) { return panel(19 + k); }
    ui::MaskEdBox* value(int k) { return panel(61 + k); }
    ui::MaskEdBox* commission(int k) { return panel(31 + k); }
    ui::MaskEdBox* passOn(int k) { return panel(56 - k); }
    InstalmentValues& series() { return values().Instalments; }
    bool panelShown() { return !control("Frame3D16")->isHidden(); }
    void instalment(int number, int k, const test::Fields& more = {})
    {
        addRow("PARCELAS", test::joined({{"PROPOSTA", number}, {"NUMERO", k}, {"FILIAL", 1}}, more));
    }
    static double amount(const Variant& v) { return rt::CDbl(v); }
    template <class F>
    static int errorOf(F&& run)
    {
        try {
            run();
        } catch (const EngineError& e) {
            return e.number();
        }
        return 0;
    }
};

TEST_F(DocumentInstalmentChain, ADocumentWithoutRowsGetsThePanelFilledFromItsLine)
{
    struct Case {
        QString form, start;
        int count;
        std::vector<QString> dueDates;
        QString commission1, passOn1;  // the percentage boxes of instalment 1
        double commissionSeries1, commissionSeries2;
        bool percentagesLocked;
    } cases[] = {
        {"PARCELADA", "31/01/2016", 3, {"31/01/2016", "29/02/2016", "29/03/2016"}, "4", "20", 30, 30, false},
        {"ANTECIPADA", "31/01/2016", 3, {"31/01/2016", "29/02/2016", "29/03/2016"}, "10", "50", 90, 0, true},
        // The "+ 30dd" forms take the amounts of the form they extend, a month later.
        {"PARCELADA + 30dd", "15/03/2016", 2, {"15/04/2016", "15/05/2016"}, "4", "20", 45, 45, false},
        {"ANTECIPADA + 30dd", "15/03/2016", 2, {"15/04/2016", "15/05/2016"}, "10", "50", 90, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form.toStdString());
        const int number = addDocument({{"RAMO", 311}});
        reopenOn(number, c.count, c.form, c.start);
        form().RecalculateInstalments();

        EXPECT_TRUE(panelShown());
        EXPECT_EQ(values().SaveMode, 3);
        EXPECT_EQ(documentWindow().focusWidget(), due(1));
        EXPECT_EQ(values().ProducerShareSum.toString(), "50");
        EXPECT_EQ(series().SeriesDocumentNumber, number);
        EXPECT_EQ(commission(1)->Text(), c.commission1);
        EXPECT_EQ(passOn(1)->Text(), c.passOn1);
        EXPECT_EQ(commission(2)->Text(), "3");
        EXPECT_EQ(passOn(2)->Text(), "15");
        EXPECT_EQ(commission(1)->isEnabled(), !c.percentagesLocked);
        EXPECT_EQ(amount(series().InstalmentCommissions[0]), c.commissionSeries1);
        EXPECT_EQ(amount(series().InstalmentCommissions[1]), c.commissionSeries2);
        EXPECT_EQ(amount(series().InstalmentPassOns[11]), 45.0 / c.count);
        EXPECT_EQ(amount(series().InstalmentProducerPassOns[0][0]), 30.0 / c.count);
        EXPECT_EQ(amount(series().InstalmentProducerPassOns[1][0]), 15.0 / c.count);
        for (int k = 1; k <= 12; ++k) {
            SCOPED_TRACE(k);
            const bool within = k <= c.count;
            EXPECT_EQ(due(k)->Text(), within ? c.dueDates[k - 1] : QString());
            EXPECT_EQ(dueDateText(series().InstalmentDueDates[k - 1]), within ? c.dueDates[k - 1] : QString());
            EXPECT_EQ(value(k)->Text(), within ? documents::instalments::numberText(900.0 / c.count) : QString());
            EXPECT_EQ(due(k)->isEnabled(), within);
            EXPECT_EQ(due(k)->Mask(), QString());
            EXPECT_EQ(value(k)->isEnabled(), within);
        }
    }
}

TEST_F(DocumentInstalmentChain, StoredRowsSpreadWhatIsStillOpenOverTheOpenInstalments)
{
    struct Case {
        QString form;
        int count;
        bool split;
        double commission1, commission2;  // the commission series
        QString value1;
    } cases[] = {
        {"PARCELADA", 6, false, 150, 150, "111"},
        // Commission was already received: the advance form spreads it too.
        {"ANTECIPADA", 6, true, 150, 150, "150"},
        // A count lowered below the received instalments puts the rest on one.
        {"PARCELADA", 1, false, 600, 600, "111"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form.toStdString() + " " + std::to_string(c.count));
        const int number = addDocument({{"RAMO", 311}});
        for (int k = 1; k <= 12; ++k) {
            test::Fields row{{"VALOR", 111}, {"VP1", 100}, {"VR1", 30}, {"R1", 10.5}};
            if (k != 3)
                row.push_back({"DV1", day(10, k, 2016)});
            if (k <= 2)
                row.push_back({"DP1", day(10, k, 2016)});
            if (k == 1)
                row.push_back({"DR1", "11/11/1111"});
            instalment(number, k, row);
        }
        reopenOn(number, c.count, c.form);
        put({{"MaskEdBox5", "900"}, {"MaskEdBox11", "800"}, {"MaskEdBox18", "90"}, {"MaskEdBox15", "60"}});
        check("Check8")->setValue(c.split ? ui::CheckBox::Checked : ui::CheckBox::Unchecked);
        form().RecalculateInstalments();

        EXPECT_FALSE(panelShown());
        EXPECT_EQ(values().SaveMode, 0);
        EXPECT_EQ(series().ReceivedCommissionSum, 200);
        EXPECT_EQ(series().ReceivedInstalmentCount, 2);
        EXPECT_EQ(series().PaidPassOnCount, 1);
        // The producers' paid pass-on is summed as stored, like the total.
        EXPECT_EQ(series().PaidProducerPassOn[0], 10.5);
        EXPECT_EQ(amount(series().InstalmentCommissions[0]), c.commission1);
        EXPECT_EQ(amount(series().InstalmentCommissions[11]), c.commission2);
        const double openPassOn = std::max(1, c.count - 1);
        EXPECT_EQ(amount(series().InstalmentPassOns[5]), (90 - 30) / openPassOn);
        EXPECT_EQ(amount(series().InstalmentProducerPassOns[0][5]), (60 - 10.5) / openPassOn);
        EXPECT_EQ(series().SeriesDocumentNumber, number);
        EXPECT_EQ(value(1)->Text(), c.value1);
        EXPECT_EQ(due(1)->Text(), "10/01/2016");
        EXPECT_EQ(due(1)->Mask(), QString());
        for (int k = 2; k <= 12; ++k) {
            SCOPED_TRACE(k);
            const bool within = k <= c.count;
            EXPECT_EQ(due(k)->Text(), within && k != 3 ? dueDateText(day(10, k, 2016)) : QString());
            EXPECT_EQ(value(k)->Text(), within ? c.value1 : QString());
        }
    }
}

TEST_F(DocumentInstalmentChain, TheLoaderWalksTheDocumentsRowsInTableOrder)
{
    struct Case {
        const char* name;
        std::vector<std::pair<bool, int>> rows;  // (the document's own, due month)
        int branch;
        int loaded;  // due dates loaded
        int current;  // CurrentInstalmentNumber
    } cases[] = {
        {"five then another document", {{true, 1}, {true, 2}, {true, 3}, {true, 4}, {true, 5}, {false, 9}}, 1, 5, 6},
        {"interleaved", {{true, 1}, {true, 2}, {false, 9}, {true, 3}}, 1, 2, 3},
        {"another branch", {{true, 1}, {true, 2}}, 2, 2, 3},
        {"thirteen", {{true, 1}, {true, 2}, {true, 3}, {true, 4}, {true, 5}, {true, 6}, {true, 7}, {true, 8},
                      {true, 9}, {true, 10}, {true, 11}, {true, 12}, {true, 12}}, 1, 12, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int number = addDocument({{"RAMO", 311}});
        const int other = addDocument({{"RAMO", 311}});
        int k = 0;
        for (const auto& [own, month] : c.rows) {
            ++k;
            addRow("PARCELAS", {{"PROPOSTA", own ? number : other}, {"NUMERO", k}, {"FILIAL", c.branch},
                                {"DV1", day(5, month, 2016)}});
        }
        reopenOn(number, 12, "PARCELADA");
        put({{"Text23", QString::number(c.branch)}});
        form().LoadInstalmentGrid();

        EXPECT_FALSE(panelShown());
        EXPECT_EQ(series().CurrentInstalmentNumber, c.current);
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(series().LoadedDueDates[i].toString(),
                      i < c.loaded ? dueDateText(day(5, i + 1, 2016)) : QString())
                << i + 1;
    }
}

TEST_F(DocumentInstalmentChain, ABoxThatDoesNotReadLeavesTheWindowAsItWas)
{
    const int number = addDocument({{"RAMO", 311}});
    struct Case {
        const char* box;
        QString text;
        int error;
    } cases[] = {
        {"Text20", "13", err::Overflow},
        {"Text20", "0", err::Overflow},
        {"Text20", "", err::TypeMismatch},
        {"MaskEdBox11", "", err::TypeMismatch},
        {"MaskEdBox15", "x", err::TypeMismatch},
        {"Text1", "", err::TypeMismatch},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " '" + c.text.toStdString() + "'");
        reopenOn(number, 3, "PARCELADA");
        put({{c.box, c.text}, {"MaskEdBox62", "777"}});
        EXPECT_EQ(errorOf([&] { form().RecalculateInstalments(); }), c.error);
        EXPECT_FALSE(panelShown());
        EXPECT_EQ(values().SaveMode, 0);
        EXPECT_EQ(value(1)->Text(), "777");
        EXPECT_EQ(due(4)->Mask(), Masked);
        EXPECT_EQ(series().SeriesDocumentNumber, 0);
    }
}

TEST_F(DocumentInstalmentChain, MasksTakenOffStayOffUntilTheWindowIsLoadedAgain)
{
    const int number = addDocument({{"RAMO", 311}});
    reopenOn(number, 3, "PARCELADA");
    form().RecalculateInstalments();
    form().ClearDocumentForm();
    EXPECT_FALSE(panelShown());
    EXPECT_TRUE(due(4)->isEnabled());
    EXPECT_EQ(due(4)->Mask(), QString());
    EXPECT_EQ(due(1)->Mask(), QString());

    form().Unload();
    open();
    EXPECT_EQ(due(4)->Mask(), Masked);
    // The values the writers read are kept with the window.
    EXPECT_EQ(series().SeriesDocumentNumber, number);
}

TEST_F(DocumentInstalmentChain, TheOpenerMakesBothDivisorsNonZero)
{
    const int number = addDocument({{"RAMO", 311}});
    reopenOn(number, 12, "PARCELADA");
    put({{"MaskEdBox12", "10,4"}, {"MaskEdBox13", "-10,4"}, {"MaskEdBox14", "0"}, {"MaskEdBox75", "50"},
         {"MaskEdBox6", "0,00"}});
    form().OpenInstalmentPanel();
    EXPECT_EQ(values().ProducerShareSum.toString(), documents::instalments::numberText(1E-08));
    EXPECT_EQ(test::text(masked("MaskEdBox6")), "1E-08");
    EXPECT_EQ(values().SaveMode, 3);
    // Count 12: nothing locked or emptied.
    EXPECT_TRUE(due(12)->isEnabled());
    EXPECT_EQ(due(12)->Text(), "29/12/2016");
    EXPECT_EQ(commission(1)->Text(), "4");
    EXPECT_EQ(passOn(1)->Text(), documents::instalments::numberText(1E-08 * (4 / 1E-08)));
}

TEST_F(DocumentInstalmentChain, AnUnknownLineShowsItsBoxAndFillsNothing)
{
    const int number = addDocument({{"RAMO", 311}});
    for (const QString code : {"999", "3 1", "ABC"}) {
        SCOPED_TRACE(code.toStdString());
        reopenOn(number, 3, "PARCELADA");
        put({{"Text4", code}, {"MaskEdBox32", "7"}});
        values().ProducerShareSum = Variant(50);
        dialogs.expectOk("RAMO NAO ENCONTRADO");
        form().FillInstalmentGridFromRamo();
        EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
        EXPECT_EQ(documentWindow().focusWidget(), box("Text4"));
        EXPECT_EQ(commission(1)->Text(), "7");
        EXPECT_EQ(due(1)->Text(), "__/__/____");
        put({{"Text4", ""}});  // so that leaving it looks nothing up
        park();
    }
    // An empty code: nothing at all.
    reopenOn(number, 3, "PARCELADA");
    put({{"Text4", ""}, {"MaskEdBox32", "7"}});
    form().FillInstalmentGridFromRamo();
    EXPECT_EQ(commission(1)->Text(), "7");
    EXPECT_TRUE(dialogs.boxes.size() == 3);
}

// ---- the missing instalment rows ----

class MissingInstalments : public DocumentInstalmentChain {
protected:
    // Totals that divide evenly by 12: commission 1200, pass-on 600 (producers
    // 360 and 240), premium 2400.
    int header(const Variant& count, const Variant& requested)
    {
        return addDocument({{"RAMO", 311}, {"PARCELAS", count}, {"SOLICITACAO", requested}, {"VCOMISSAO", 1200},
                            {"VREPASSE", 600}, {"PREMIOBRUTO", 2400}, {"PROD1", 7}, {"PROD2", 8},
                            {"VREP1", 360}, {"VREP2", 240}, {"VREP3", 0}, {"VREP4", 0}, {"VREP5", 0}});
    }
    void regenerate(int number)
    {
        if (form_loaded())
            documentWindow().Unload();
        open();
        form().recordsets().DOCUMENTOS.FindFirst(QStringLiteral("PROPOSTA = %1").arg(number));
        form().RegenerateMissingInstalments();
    }
    struct Row {
        int number;
        Variant DV1, DP1, DR1, P1, P2;
        double VV1, VP1, VR1, R1, R2, VALOR;
        int FILIAL;
    };
    std::vector<Row> rowsOf(int document)
    {
        std::vector<Row> rows;
        for (Row row : readRows<Row>("PARCELAS", [](const db::Recordset& rs) {
                 const auto d = [&](const char* f) { return rs.field(f).isNull() ? -1.0 : rt::CDbl(rs.field(f)); };
                 return Row{rt::CLng(rs.field("PROPOSTA")) * 100 + rt::CLng(rs.field("NUMERO")),
                            rs.field("DV1"), rs.field("DP1"), rs.field("DR1"), rs.field("P1"), rs.field("P2"),
                            d("VV1"), d("VP1"), d("VR1"), d("R1"), d("R2"), d("VALOR"),
                            rt::CLng(rs.field("FILIAL"))};
             }))
            if (row.number / 100 == document) {
                row.number %= 100;
                rows.push_back(row);
            }
        return rows;
    }
};

TEST_F(MissingInstalments, EachMissingNumberIsAddedOnceFromTheHeader)
{
    struct Case {
        const char* name;
        Variant count;
        std::vector<int> present;  // in table order
        std::vector<int> added;
    } cases[] = {
        {"at the start", 12, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {1}},
        {"in the middle", 12, {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12}, {5}},
        {"at the end", 12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {11, 12}},
        {"stored out of order", 12, {3, 1, 2, 5, 4, 6, 8, 7, 9, 12, 11, 10}, {}},
        {"out of order with gaps", 12, {4, 1, 12, 3, 5, 6, 7, 8, 9, 10, 11}, {2}},
        {"a count of 3", 3, {1, 2, 3}, {4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"a count of 0", 0, {1}, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int number = header(c.count, day(31, 1, 2016));
        for (int k : c.present)
            instalment(number, k, {{"VV1", -5}});
        regenerate(number);

        const std::vector<Row> rows = rowsOf(number);
        ASSERT_EQ(rows.size(), c.present.size() + c.added.size());
        for (size_t i = 0; i < c.present.size(); ++i)
            EXPECT_EQ(rows[i].VV1, -5) << "a present row stays as it was";
        for (size_t i = 0; i < c.added.size(); ++i) {
            const Row& row = rows[c.present.size() + i];
            const int k = c.added[i];
            SCOPED_TRACE(k);
            EXPECT_EQ(row.number, k);
            EXPECT_EQ(row.FILIAL, 1);
            const bool within = rt::CLng(c.count) >= k;
            const QString date = within ? dueDateText(rt::DateAdd("m", k - 1, day(31, 1, 2016))) : QString();
            EXPECT_EQ(row.DV1.isNull() ? QString() : dueDateText(row.DV1), date);
            EXPECT_EQ(row.DP1.isNull() ? QString() : dueDateText(row.DP1), date);
            EXPECT_EQ(row.DR1.isNull() ? QString() : dueDateText(row.DR1), date);
            EXPECT_EQ(row.P1.isNull() ? QString() : row.P1.toString(), within ? "7" : "");
            EXPECT_EQ(row.P2.isNull() ? QString() : row.P2.toString(), within ? "8" : "");
            const double n = within ? rt::CLng(c.count) : 0;
            EXPECT_EQ(row.VV1, within ? 1200 / n : 0);
            EXPECT_EQ(row.VP1, within ? 1200 / n : 0);
            EXPECT_EQ(row.VR1, within ? 600 / n : 0);
            EXPECT_EQ(row.R1, within ? 360 / n : 0);
            EXPECT_EQ(row.R2, within ? 240 / n : 0);
            EXPECT_EQ(row.VALOR, within ? 2400 / n : 0);
        }
    }
}

TEST_F(MissingInstalments, MonthsAreCountedFromTheRequestDateItself)
{
    const int number = header(12, day(31, 1, 2016));
    for (int k : {1, 4, 5, 6, 7, 8, 9, 10, 11, 12})
        instalment(number, k);
    regenerate(number);
    const std::vector<Row> rows = rowsOf(number);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(dueDateText(rows[10].DV1), "29/02/2016");
    EXPECT_EQ(dueDateText(rows[11].DV1), "31/03/2016");

    // Without a request date the rows carry no dates.
    const int undated = header(2, Variant::null());
    instalment(undated, 2);
    regenerate(undated);
    const std::vector<Row> added = rowsOf(undated);
    ASSERT_EQ(added.size(), 12u);
    EXPECT_TRUE(added[1].DV1.isNull());
    EXPECT_EQ(added[1].VALOR, 1200);
}

TEST_F(MissingInstalments, AWriteThatFailsAddsNoRowAtAll)
{
    const int number = header(12, day(1, 3, 2016));
    instalment(number, 6);
    {
        test::SecondWorkstationWriting other(pathOf("VORNA.MDB"));
        EXPECT_EQ(errorOf([&] { regenerate(number); }), err::RecordLocked);
    }
    EXPECT_EQ(rowsOf(number).size(), 1u);

    // A header amount that does not read stops the run and stores nothing.
    const int unreadable = header(12, day(1, 3, 2016));
    addRow("PARCELAS", {{"PROPOSTA", unreadable}, {"NUMERO", 1}, {"FILIAL", 1}});
    db::Recordset doc = findRow("DOCUMENTOS", QStringLiteral("PROPOSTA = %1").arg(unreadable));
    doc.Edit();
    doc["VREP5"] = Variant::null();
    doc.Update();
    EXPECT_EQ(errorOf([&] { regenerate(unreadable); }), err::InvalidUseOfNull);
    EXPECT_EQ(rowsOf(unreadable).size(), 1u);
}

}  // namespace
}  // namespace vorna
