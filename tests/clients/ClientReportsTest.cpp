#include "ClientFixture.h"

#include "clients/Form4.h"
#include "platform/controls/Window.h"

#include <QSet>
#include <map>

namespace vorna::test {
namespace {

const QString ClientCard = QStringLiteral("FICHA DE ESTIPULANTE COM APÓLICES");

class ClientReportsTest : public ClientFixture {
protected:
    int alfa = 0;
    int beta = 0;

    // Two clients of branch 1; ALFA holds a policy in force, an endorsement, a
    // cancelled policy and a policy of branch 2; BETA one policy in force.
    void addClientsWithDocuments()
    {
        addProducer(1, 1, "ANA PRODUTORA");
        alfa = addClient("ALFA SEGURADO");
        beta = addClient("BETA SEGURADO");
        addDocument(10, alfa, "A", "V", 1, 100);
        addDocument(11, alfa, "E", "V", 1, 20);
        addDocument(12, alfa, "A", "C", 1, 300);
        addDocument(13, alfa, "A", "V", 2, 400);
        addDocument(14, beta, "A", "V", 1, 500);
    }
    void addDocument(int number, int client, const char* type, const char* status, int branch, double premium)
    {
        addRow("DOCUMENTOS", {{"PROPOSTA", number}, {"CODCLIENTE", client}, {"TIPO", type}, {"VIGENTE", status},
                              {"FILIAL", branch}, {"APOLICE", QString("AP-%1").arg(number)},
                              {"PREMIOLIQ", premium}, {"NOMCLIENTE", "DOC " + QString::number(number)}});
    }
    void showClient(int code)
    {
        type(box("Text1"), QString::number(code));
        leave(box("Text1"));
        ASSERT_TRUE(shown());
    }
    const report::LaunchRecord& lastLaunch()
    {
        EXPECT_FALSE(reports.launches.empty());
        return reports.launches.back();
    }
    // The document numbers a list run selected (its first column).
    static QSet<QString> numbers(const report::LaunchRecord& launch)
    {
        QSet<QString> found;
        if (!launch.document)
            return found;
        for (const QStringList& row : launch.document->rows)
            found << row.value(0);
        return found;
    }
    clients::Form4& window() { return ui::windowRef<clients::Form4>(); }
};

// The three launches on one control, in a row: each sets only its own
// properties, so what the card set stays for the two others, and each
// definition takes the GRU the card leaves behind.
TEST_F(ClientReportsTest, EachLaunchSetsItsOwnPropertiesAndKeepsTheRest)
{
    addClientsWithDocuments();
    open();
    showClient(alfa);
    const QString code = QString::number(alfa);

    click(button("Command3D12"));
    {
        const report::LaunchRecord& launch = lastLaunch();
        EXPECT_EQ(launch.owner, "Form4");
        EXPECT_EQ(launch.control, "CrystalReport1");
        EXPECT_EQ(launch.settings.reportFileName, folder() + "\\EMICLI.RPT");
        EXPECT_EQ(launch.settings.windowLeft, 10);
        EXPECT_EQ(launch.settings.windowTop, 10);
        EXPECT_EQ(launch.settings.windowTitle, ClientCard);
        EXPECT_EQ(launch.settings.formulas, (std::map<int, QString>{{0, "GRU = " + code}}));
        EXPECT_EQ(launch.settings.selectionFormula, "");
        ASSERT_TRUE(launch.succeeded) << launch.failure.toStdString();
        EXPECT_EQ(numbers(launch), (QSet<QString>{"10", "11", "12", "13"}));
    }

    click(button("Command3D10"));
    {
        const report::LaunchRecord& launch = lastLaunch();
        EXPECT_EQ(launch.settings.reportFileName, folder() + "\\POSICLI.RPT");
        EXPECT_EQ(launch.settings.selectionFormula,
                  "{DOCUMENTOS.CODCLIENTE} = " + code +
                      " and {DOCUMENTOS.TIPO} = 'A' and {DOCUMENTOS.VIGENTE} = 'V' and {DOCUMENTOS.FILIAL} = 1");
        EXPECT_EQ(launch.settings.windowLeft, 10);
        EXPECT_EQ(launch.settings.windowTitle, ClientCard);
        EXPECT_EQ(launch.settings.formulas.at(0), "GRU = " + code);
        ASSERT_TRUE(launch.succeeded) << launch.failure.toStdString();
        EXPECT_EQ(numbers(launch), (QSet<QString>{"10"}));
    }

    click(button("Command3D11"));
    {
        const report::LaunchRecord& launch = lastLaunch();
        EXPECT_EQ(launch.settings.reportFileName, folder() + "\\EMICLI2.RPT");
        EXPECT_EQ(launch.settings.selectionFormula, "{CLIENTES.CODIGO} = " + code);
        EXPECT_EQ(launch.settings.windowTop, 10);
        EXPECT_EQ(launch.settings.formulas.at(0), "GRU = " + code);
        ASSERT_TRUE(launch.succeeded) << launch.failure.toStdString();
        ASSERT_EQ(launch.document->rows.size(), 1u);
        EXPECT_TRUE(launch.document->rows[0].contains("ALFA SEGURADO"));
    }
    EXPECT_EQ(reports.launches.size(), 3u);
    EXPECT_TRUE(dialogs.boxes.empty());
}

// Without PCC the card and the position refuse; the sheet asks for no right.
// The level plays no part: a third-level user holding PCC prints.
TEST_F(ClientReportsTest, PrintingClientsNeedsPccAtAnyLevel)
{
    addClientsWithDocuments();
    struct Case {
        QString level;
        bool pcc;
    };
    for (const Case& k : {Case{level::Total, false}, Case{level::Minimum, true}}) {
        SCOPED_TRACE(k.level.toStdString());
        std::vector<Right> rights = everyRight();
        if (!k.pcc)
            std::erase(rights, Right::PCC);
        logIn(k.level, rights);
        reports.launches.clear();
        dialogs.clear();
        open();
        // Put there as the show step would, without the owner rule of the look-up.
        box("Text3")->setFocus();
        box("Text1")->setText(QString::number(alfa));
        box("Text23")->setText("1");
        button("Command3D11")->setEnabled(true);
        if (!k.pcc)
            dialogs.expectOk(msg::NoAccessToModule).expectOk(msg::NoAccessToModule);
        click(button("Command3D12"));
        click(button("Command3D10"));
        click(button("Command3D11"));
        if (!k.pcc) {
            ASSERT_EQ(dialogs.boxes.size(), 2u);
            EXPECT_EQ(dialogs.boxes[0].title, "");
            ASSERT_EQ(reports.launches.size(), 1u);
            EXPECT_EQ(reports.launches[0].settings.reportFileName, folder() + "\\EMICLI2.RPT");
        } else {
            EXPECT_TRUE(dialogs.boxes.empty());
            EXPECT_EQ(reports.launches.size(), 3u);
        }
        form().Unload();
    }
}

// A code box that is blank, spaces only, or holds pasted non-digits runs nothing
// and says nothing.
TEST_F(ClientReportsTest, NoCodeRunsNothing)
{
    addProducer(1, 1, "ANA PRODUTORA");
    open();
    button("Command3D11")->setEnabled(true);
    box("Text3")->setFocus();
    for (const QString& code : {QString(), QStringLiteral("   "), QStringLiteral("12a")}) {
        box("Text1")->setText(code);
        for (const char* name : {"Command3D12", "Command3D10", "Command3D11"})
            click(button(name));
    }
    EXPECT_TRUE(reports.launches.empty());
    EXPECT_TRUE(dialogs.boxes.empty());
}

// The card for a code no stored client has prints an empty report and leaves
// every button as it was: "Excluir" must not come on, or "Gravar" would alter
// whatever row the table stands on.
TEST_F(ClientReportsTest, TheCardOfAnUnknownCodeChangesNoButton)
{
    addClientsWithDocuments();
    open();
    showClient(alfa);
    click(button("Command3D2"));
    dialogs.expectOk(msg::ClientNotFound);
    type(box("Text1"), "999");
    leave(box("Text1"));
    const char* const watched[] = {"Command3D2", "Command3D3", "Command3D11", "Command3D24"};
    std::vector<bool> before;
    for (const char* name : watched)
        before.push_back(button(name)->isEnabled());

    click(button("Command3D12"));

    ASSERT_EQ(reports.launches.size(), 1u);
    EXPECT_EQ(reports.launches[0].settings.formulas.at(0), "GRU = 999");
    ASSERT_TRUE(reports.launches[0].succeeded);
    EXPECT_TRUE(reports.launches[0].document->rows.empty());
    for (size_t i = 0; i < std::size(watched); ++i)
        EXPECT_EQ(button(watched[i])->isEnabled(), before[i]) << watched[i];
    EXPECT_FALSE(shown());
}

// A client without a branch leaves the branch out of the position's selection:
// the engine refuses it in its one box and the window stays usable.
TEST_F(ClientReportsTest, ThePositionOfAClientWithoutBranchFailsInTheEnginesBox)
{
    addProducer(1, 1, "ANA PRODUTORA");
    const int code = addClient("SEM FILIAL", {{"FILIAL", Variant::null()}});
    open();
    showClient(code);
    EXPECT_EQ(box("Text23")->text(), "");
    dialogs.expectOk();
    click(button("Command3D10"));

    const report::LaunchRecord& launch = lastLaunch();
    EXPECT_TRUE(launch.settings.selectionFormula.endsWith("{DOCUMENTOS.FILIAL} = "));
    EXPECT_FALSE(launch.succeeded);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.contains(launch.failure));
    EXPECT_TRUE(form().isEnabled());
    EXPECT_TRUE(shown());
}

// The proposal's definition by line of business, compared as a number; it
// runs with the window's four proposal values as they start.
TEST_F(ClientReportsTest, TheProposalPicksItsDefinitionByLineOfBusiness)
{
    struct Case {
        Variant line;
        const char* file;
    };
    const Case cases[] = {
        {Variant(311), "\\EMIAUT.RPT"}, {Variant("312"), "\\EMIAUT.RPT"}, {Variant(711), "\\EMIRD.RPT"},
        {Variant(761), "\\EMIRD.RPT"},  {Variant("762"), "\\EMIRD.RPT"},  {Variant(763), "\\EMIRD.RPT"},
        {Variant(531), "\\EMIOUT.RPT"}, {Variant(), "\\EMIOUT.RPT"},      {Variant::null(), "\\EMIOUT.RPT"},
        {Variant("AUTO"), "\\EMIOUT.RPT"}, {Variant(3120), "\\EMIOUT.RPT"},
    };
    addProducer(1, 1, "ANA PRODUTORA");
    open();
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&k - cases));
        state().document.EmissionLineOfBusiness = k.line;
        window().PrintProposalDocument();
        const report::LaunchRecord& launch = lastLaunch();
        EXPECT_EQ(launch.settings.reportFileName, folder() + k.file);
        EXPECT_EQ(launch.settings.windowLeft, 0);
        EXPECT_EQ(launch.settings.windowTop, 0);
        EXPECT_EQ(launch.settings.windowTitle, "");
        EXPECT_EQ(launch.settings.selectionFormula, "{DOCUMENTOS.PROPOSTA} = 0");
        EXPECT_TRUE(launch.succeeded) << launch.failure.toStdString();
    }
    EXPECT_EQ(reports.launches.size(), std::size(cases));
}

// Each proposal definition, run as the window runs it (with the GRU the card
// leaves on the control), lists the chosen proposal with its own items only.
TEST_F(ClientReportsTest, ProposalDefinitionsListTheChosenProposalsItems)
{
    for (int number : {20, 21})
        addRow("DOCUMENTOS", {{"PROPOSTA", number}, {"NOMCLIENTE", QString("SEGURADO %1").arg(number)},
                              {"PREMIOLIQ", 10.0 * number}});
    for (int number : {20, 21})
        for (int item : {1, 2}) {
            const QString tag = QString("%1-%2").arg(number).arg(item);
            addRow("AUTOMOVEL", {{"PROPOSTA", number}, {"ITEM", item}, {"PLACA", "PL" + tag}});
            addRow("MULTIRISCO", {{"PROPOSTA", number}, {"ITEM", item}, {"LOCAL", "RUA " + tag}});
        }
    addRow("OUTROS", {{"PROPOSTA", 20}, {"TEXTO", "ITENS DA 20"}});
    addRow("OUTROS", {{"PROPOSTA", 21}, {"TEXTO", "ITENS DA 21"}});

    struct Case {
        const char* file;
        QStringList shown;
        QStringList hidden;
        size_t rows;
    };
    const Case cases[] = {
        {"EMIAUT.RPT", {"PL21-1", "PL21-2", "SEGURADO 21"}, {"PL20-1", "PL20-2"}, 2},
        {"EMIRD.RPT", {"RUA 21-1", "RUA 21-2"}, {"RUA 20-1"}, 2},
        {"EMIOUT.RPT", {"ITENS DA 21", "SEGURADO 21"}, {"ITENS DA 20"}, 1},
    };
    report::ReportControl rpt;
    rpt.setObjectName("CrystalReport1");
    rpt.setFormulas(0, "GRU = 5");
    rpt.setSelectionFormula("{DOCUMENTOS.PROPOSTA} = 21");
    for (const Case& k : cases) {
        SCOPED_TRACE(k.file);
        rpt.setReportFileName(pathOf(k.file));
        rpt.setAction(1);
        const report::LaunchRecord& launch = lastLaunch();
        ASSERT_TRUE(launch.succeeded) << launch.failure.toStdString();
        ASSERT_EQ(launch.document->rows.size(), k.rows);
        QStringList all;
        for (const QStringList& row : launch.document->rows)
            all << row;
        for (const QString& text : k.shown)
            EXPECT_TRUE(all.contains(text)) << text.toStdString();
        for (const QString& text : k.hidden)
            EXPECT_FALSE(all.contains(text)) << text.toStdString();
    }
    // A proposal without items still shows its header.
    addRow("DOCUMENTOS", {{"PROPOSTA", 22}, {"NOMCLIENTE", "SEM ITENS"}});
    rpt.setSelectionFormula("{DOCUMENTOS.PROPOSTA} = 22");
    for (const char* file : {"EMIAUT.RPT", "EMIRD.RPT", "EMIOUT.RPT"}) {
        rpt.setReportFileName(pathOf(file));
        rpt.setAction(1);
        ASSERT_TRUE(lastLaunch().succeeded) << file;
        ASSERT_EQ(lastLaunch().document->rows.size(), 1u) << file;
        EXPECT_TRUE(lastLaunch().document->rows[0].contains("SEM ITENS")) << file;
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace vorna::test
