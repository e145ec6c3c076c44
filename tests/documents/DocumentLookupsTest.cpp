#include "LookupFixture.h"

#include "common/WindowRefs.h"
#include "platform/runtime/Runtime.h"

#include <functional>
#include <sqlite3.h>

namespace vorna {
namespace {

using test::LookupFixture;

const QString DuplicatePrefix =
    QStringLiteral("JÁ EXISTE UM DOCUMENTO COM ESTE NÚMERO DE APÓLICE! O NÚMERO DO DOCUMENTO NO VORNA É: ");

class PolicyNumberEntry : public LookupFixture {};

// The duplicate check waits for a proposal without policy number to be shown,
// then refuses a number another policy carries, outside the nine exempt lines,
// as written and whatever characters it holds.
TEST_F(PolicyNumberEntry, DuplicateCheckAfterAProposalWasShown)
{
    const int plain = addDocument({{"APOLICE", "POL-1  "}, {"RAMO", 311}});
    const int marked = addDocument({{"APOLICE", "O'B#1"}, {"RAMO", 311}});
    addDocument({{"APOLICE", "END-1"}, {"RAMO", 311}, {"TIPO", "E"}});
    for (int line : {811, 812, 871, 872, 911, 912, 913, 914, 916, 915})
        addDocument({{"APOLICE", QStringLiteral("L-%1").arg(line)}, {"RAMO", line}});
    const int proposal = addDocument({{"APOLICE", " "}});
    open();

    // Nothing shown since the program started: no check.
    chooseType("APOLICE");
    enter("Text2", "POL-1");
    EXPECT_TRUE(dialogs.boxes.empty());

    showByNumber(proposal);
    ASSERT_EQ(values().ShownPolicyNumber, Variant(" "));
    struct Case {
        QString typed;
        int duplicateOf;  // 0: accepted
    } cases[] = {
        {"POL-1", plain},  {"pol-1", plain}, {" POL-1", 0}, {"POL-*", 0}, {"POL-?", 0},
        {"O'B#1", marked}, {"O'B[#]1", 0},   {"END-1", 0},  {"L-915", 0},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    for (int line : {811, 812, 871, 872, 911, 912, 913, 914, 916})
        all.push_back({QStringLiteral("L-%1").arg(line), 0});
    const int notExempt = int(rt::CLng(findRow("DOCUMENTOS", "APOLICE = 'L-915'").field("PROPOSTA")));
    all[8].duplicateOf = notExempt;
    for (int round = 0; round < 2; ++round) {
        for (const Case& c : all) {
            SCOPED_TRACE(c.typed.toStdString());
            dialogs.clear();
            chooseType("APOLICE");
            if (c.duplicateOf)
                dialogs.expectOk(DuplicatePrefix + QString::number(c.duplicateOf));
            enter("Text2", c.typed);
            EXPECT_EQ(dialogs.boxes.size(), c.duplicateOf ? 1u : 0u);
            EXPECT_EQ(box("Text2")->text(), c.duplicateOf ? QString(" ") : c.typed);
        }
        // Still on after "Limpar" and after closing and opening again.
        test::click(button("Command3D1"));
        test::click(button("Command3D5"));
        open();
    }
}

// The endorsement copies the policy's terms, a Null field leaving its box;
// a number no document carries changes no box.
TEST_F(PolicyNumberEntry, EndorsementPrefill)
{
    const int policy = addDocument({{"APOLICE", "P-9  "}, {"FILIAL", 2}, {"CODCLIENTE", 44}, {"NOMCLIENTE", "ANA"},
                                    {"RAMO", 311}, {"NOMRAMO", "SAUDE"}, {"SEGURADORA", 7}, {"NOMSEGURADORA", "CIA"},
                                    {"PCOMISSAO", 20.5}, {"PDESCONTO", 5}, {"PROD1", 3}, {"PROD5", 12},
                                    {"PREP1", 10}, {"VIGENCIAFINAL", Variant::date(QDate(2015, 12, 31))}});
    open();
    chooseType("ENDOSSO");
    dialogs.expectOk("ENDOSSO SEM APÓLICE");
    enter("Text2", "  ");

    box("Text32")->setText("77");
    dialogs.expectOk("APÓLICE NAO ENCONTRADA");
    enter("Text2", "P-*");
    EXPECT_EQ(operationMarker(), "5");
    EXPECT_EQ(box("Text9")->text(), "");

    enter("Text2", " p-9 ");
    EXPECT_EQ(operationMarker(), "2");
    EXPECT_EQ(values().PrefillPolicyNumber, policy);
    EXPECT_EQ(state().document.SourceDocumentNumber, policy);
    const std::pair<const char*, QString> expected[] = {
        {"Text2", "P-9  "}, {"Text15", QString::number(policy)}, {"Text23", "2"}, {"Text9", "44"},
        {"Combo5", "ANA"}, {"Text4", "311"}, {"Combo3", "SAUDE"}, {"Text7", "7"}, {"Combo4", "CIA"},
        {"MaskEdBox6", "20,5"}, {"MaskEdBox10", "5"}, {"Text18", "3"}, {"Text32", "77"}, {"Text33", "12"},
        {"MaskEdBox12", "10"}, {"MaskEdBox13", ""}, {"MaskEdBox7", "31/12/2015"}, {"Text1", ""},
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(test::text(control(name)), text) << name;
}

// The policy copied from is seen under the show's rules: refused, nothing is
// copied; commissions hidden, its commission boxes read "0".
TEST_F(PolicyNumberEntry, PrefillUnderTheViewingRules)
{
    addRow("PRODUTOR", {{"CODIGO", 3}, {"FILIAL", 1}, {"NOME", "DONO"}, {"SENHA", "JOAO"}});
    addDocument({{"APOLICE", "P-1"}, {"PROD1", 3}, {"PCOMISSAO", 20}, {"PREP1", 10}, {"CODCLIENTE", 44}});
    struct Case {
        const char* what;
        QString level;
        std::vector<Right> dropped, added;
        QString refusal;
        QString client, commission, share;  // refused: the boxes as the opening left them
    } cases[] = {
        {"another owner at VEXA", level::Minimum, {}, {}, msg::NotAllowedToSeeDocument, "", "", ""},
        {"without consult right", level::Total, {Right::CCD}, {}, msg::NoAccessToModule, "", "", ""},
        {"commissions hidden", level::Total, {}, {Right::OCU}, "", "44", "0", "0"},
        {"commissions shown", level::Total, {}, {}, "", "44", "20", "10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Right> rights = everyRight();
        for (Right r : c.dropped)
            std::erase(rights, r);
        rights.insert(rights.end(), c.added.begin(), c.added.end());
        logIn(c.level, rights);
        state().session.UserIdentification = Variant("MARIA");
        open();
        chooseType("ENDOSSO");
        if (!c.refusal.isEmpty())
            dialogs.expectOk(c.refusal);
        enter("Text2", "P-1");
        EXPECT_EQ(box("Text9")->text(), c.client);
        EXPECT_EQ(masked("MaskEdBox6")->Text(), c.commission);
        EXPECT_EQ(masked("MaskEdBox12")->Text(), c.share);
        test::click(button("Command3D5"));
    }
}

// The statements searching by APOLICE while a box is left, each with the plan
// SQLite gives it.
QStringList policyNumberPlans(sqlite3* db, const std::function<void()>& act)
{
    QStringList statements;
    const auto record = [](unsigned, void* into, void* stmt, void*) -> int {
        const QString sql = QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt*>(stmt)));
        if (sql.contains("WHERE") && sql.mid(sql.indexOf("WHERE")).contains("APOLICE"))
            *static_cast<QStringList*>(into) << sql;
        return 0;
    };
    sqlite3_trace_v2(db, SQLITE_TRACE_STMT, record, &statements);
    act();
    sqlite3_trace_v2(db, 0, nullptr, nullptr);
    QStringList plans;
    for (const QString& sql : statements) {
        sqlite3_stmt* explain = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, ("EXPLAIN QUERY PLAN " + sql).toUtf8().constData(), -1, &explain, nullptr),
                  SQLITE_OK);
        QString plan;
        while (sqlite3_step(explain) == SQLITE_ROW)
            plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(explain, 3))) + "; ";
        sqlite3_finalize(explain);
        plans << plan;
    }
    return plans;
}

// Both the duplicate check and the prefill read the index on the trimmed
// policy number, not the table.
TEST_F(PolicyNumberEntry, SearchesReadTheTrimmedPolicyNumberIndex)
{
    addDocument({{"APOLICE", "P-7"}, {"RAMO", 311}});
    const int proposal = addDocument({{"APOLICE", " "}});
    open();
    showByNumber(proposal);
    for (const char* type : {"APOLICE", "ENDOSSO"}) {
        SCOPED_TRACE(type);
        if (QString(type) == "APOLICE")
            dialogs.expectOk(DuplicatePrefix + QString::number(proposal - 1));
        const QStringList plans = policyNumberPlans(mainDatabase().handle(), [&] {
            chooseType(type);
            enter("Text2", "P-7");
        });
        ASSERT_FALSE(plans.isEmpty());
        for (const QString& plan : plans)
            EXPECT_TRUE(plan.contains("USING INDEX DOCUMENTOS_APOLICE_TRIMMED")) << plan.toStdString();
        box("Text2")->setText("");
    }
}

class ClientLookups : public LookupFixture {};

// By code: the name and branch always, producer 1 only for a document not
// yet saved; a client without producer or branch leaves those boxes.
TEST_F(ClientLookups, ByCode)
{
    const int ana = addClient("ANA", 3, 2);
    const int bare = addClient("BIA", Variant::null(), Variant::null());
    const int nameless = int(rt::CLng(addRow("CLIENTES", {{"FILIAL", 4}}).field("CODIGO")));
    const int stored = addDocument({{"CODCLIENTE", ana}});
    struct Case {
        const char* what;
        int document;  // 0: a new one
        QString code;
        QString message;
        QString name, branch, producer;
        int32_t clientBranch;
    } cases[] = {
        {"new document", 0, QString::number(ana), "", "ANA", "2", "3", 2},
        {"stored document", stored, QString::number(ana), "", "ANA", "2", "9", 2},
        {"no producer nor branch", 0, QString::number(bare), "", "BIA", "8", "9", 0},
        {"no name", 0, QString::number(nameless), "", "OLD", "8", "9", 0},
        {"unknown", 0, "987654321", "CLIENTE NÃO ENCONTRADO", "OLD", "8", "9", 0},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::click(button("Command3D1"));
        if (c.document)
            showByNumber(c.document);
        list("Combo5")->setText("OLD");
        box("Text10")->setText("8");
        box("Text18")->setText("9");
        if (!c.message.isEmpty())
            dialogs.expectOk(c.message);
        enter("Text9", c.code);
        EXPECT_EQ(list("Combo5")->Text(), c.name);
        EXPECT_EQ(box("Text10")->text(), c.branch);
        EXPECT_EQ(box("Text18")->text(), c.producer);
        EXPECT_EQ(values().ClientBranch, c.clientBranch);
    }
    // Nine digits reach a client.
    EXPECT_EQ(box("Text9")->maxLength(), 9);
    EXPECT_EQ(box("Text1")->maxLength(), 9);
}

// Searches add to the list until a pick; a pick takes the line's own client,
// also of two namesakes; typed pattern characters match only themselves.
TEST_F(ClientLookups, ByNameIntoTheList)
{
    addClient("ANA SILVA", 3, 1);
    const int namesake = addClient("ANA SILVA", 4, 2);
    addClient("MARIANA");
    addClient("JO'O [X]*");
    open();
    list("Combo5")->setText("ANA");
    test::click(control("Command5"));
    auto* names = c<ui::ListBox>("List9");
    EXPECT_TRUE(names->isVisible());
    EXPECT_EQ(names->geometry(), QRect(231, 92, 298, 212));
    EXPECT_EQ(test::items(names), QStringList({"ANA SILVA", "ANA SILVA", "MARIANA"}));

    list("Combo5")->setText("O'O [X]*");
    test::click(control("Command5"));
    EXPECT_EQ(names->ListCount(), 4);
    list("Combo5")->setText("O [*");
    dialogs.expectOk("CLIENTE NÃO ENCONTRADO");
    test::click(control("Command5"));
    EXPECT_FALSE(names->isVisible());
    EXPECT_EQ(names->ListCount(), 4);

    list("Combo5")->setText("ANA");
    test::click(control("Command5"));
    int second = -1;
    for (int i = 0; i < names->ListCount(); ++i)
        if (names->List(i) == "ANA SILVA" && names->ItemData(i).toInt() == namesake)
            second = i;
    ASSERT_GE(second, 0);
    test::pickRow(names, second);
    EXPECT_EQ(box("Text9")->text(), QString::number(namesake));
    EXPECT_EQ(list("Combo5")->Text(), "ANA SILVA");
    EXPECT_EQ(box("Text18")->text(), "4");
    EXPECT_EQ(box("Text10")->text(), "2");
    EXPECT_EQ(values().ClientBranch, 2);
    EXPECT_EQ(state().handOver.ReturnDocumentBranch, 2);
    EXPECT_FALSE(names->isVisible());
    EXPECT_EQ(names->ListCount(), 0);
}

// "Consultar Cliente" opens the client window on the client and its
// "Retornar" brings back the document handed over, or an empty window.
TEST_F(ClientLookups, VisitToTheClientWindowAndBack)
{
    // The client window lists the producers when it opens.
    addProducer(3, 1, "PRODUTOR");
    const int client = addClient("ANA", 3, 1);
    const int document = addDocument({{"CODCLIENTE", client}, {"FILIAL", 1}});
    ui::Window& clients = windows::Form4();
    const auto clientCode = [&] { return clients.findChild<ui::TextBox*>("Text1")->text(); };
    const auto goAndReturn = [&] {
        test::click(control("Command6"));
        EXPECT_FALSE(opened());
        EXPECT_TRUE(clients.isVisible());
        EXPECT_EQ(clientCode(), QString::number(client));
        test::click(clients.findChild<QWidget*>("Command3D5"));
        EXPECT_FALSE(clients.isVisible());
        EXPECT_TRUE(opened());
        EXPECT_EQ(state().handOver.CallerCode, Variant(caller::Normal));
    };

    open();
    showByNumber(document);
    goAndReturn();
    EXPECT_EQ(box("Text1")->text(), QString::number(document));

    // A document never saved: the window comes back empty; no branch in the
    // branch box hands over the first branch.
    test::click(button("Command3D1"));
    box("Text9")->setText(QString::number(client));
    box("Text10")->setText("");
    goAndReturn();
    EXPECT_EQ(state().handOver.ReturnDocumentBranch, 1);
    EXPECT_EQ(box("Text1")->text(), "");

    // No client code: nothing happens.
    test::click(control("Command6"));
    EXPECT_TRUE(opened());
    EXPECT_EQ(state().handOver.CallerCode, Variant(caller::Normal));
}

class InsurerLookups : public LookupFixture {};

// A code names its insurer in the name list; an unknown code keeps the user
// in the box; an insurer without name leaves the list's text.
TEST_F(InsurerLookups, CodeIntoName)
{
    addRow("CIAS", {{"CODIGO", 7}, {"NOME", "CIA SETE"}});
    addRow("CIAS", {{"CODIGO", 8}});
    open();
    for (const auto& [code, name] : {std::pair{"Text7", "Combo4"}, std::pair{"Text11", "Combo6"}}) {
        SCOPED_TRACE(code);
        enter(code, "7");
        EXPECT_EQ(list(name)->Text(), "CIA SETE");
        enter(code, "8");
        EXPECT_EQ(list(name)->Text(), "CIA SETE");
        enter(code, "");
        EXPECT_EQ(list(name)->Text(), "CIA SETE");
        dialogs.expectOk("CIA NAO ENCONTRADA");
        enter(code, "99");
        EXPECT_EQ(QApplication::focusWidget(), control(code));
        EXPECT_EQ(box(code)->text(), "99");
        box(code)->setText("");
        control("Text6")->setFocus(Qt::TabFocusReason);
    }
}

class DocumentFinders : public LookupFixture {};

// A number found is shown under the viewing rules; one not found keeps the
// window's content and takes away what acts on a shown document.
TEST_F(DocumentFinders, ByDocumentNumber)
{
    addRow("PRODUTOR", {{"CODIGO", 3}, {"FILIAL", 1}, {"NOME", "DONO"}, {"SENHA", "JOAO"}});
    const int first = addDocument({{"CODCLIENTE", 11}, {"ORIGINAL", 500}, {"FILIAL", 2}});
    const int owned = addDocument({{"PROD1", 3}, {"CODCLIENTE", 12}});
    open();
    showByNumber(first);
    EXPECT_EQ(box("Text9")->text(), "11");
    EXPECT_TRUE(button("Command3D3")->isEnabled());

    dialogs.expectOk("DOCUMENTO NAO ENCONTRADO");
    showByNumber(999999999);
    EXPECT_EQ(box("Text9")->text(), "11");
    EXPECT_EQ(box("Text1")->text(), "999999999");
    for (const char* off : {"Command3D3", "Command3D15", "Command3D20", "Command3D16"})
        EXPECT_FALSE(control(off)->isEnabled()) << off;
    EXPECT_TRUE(control("Frame3D2")->isEnabled());

    enter("Text1", " ");
    EXPECT_EQ(dialogs.boxes.size(), 1u);

    logIn(level::Minimum, everyRight());
    state().session.UserIdentification = Variant("MARIA");
    dialogs.expectOk(msg::NotAllowedToSeeDocument);
    showByNumber(owned);
    EXPECT_EQ(box("Text9")->text(), "");

    // The reference-number finder, which only code reaches.
    logIn(level::Total, everyRight());
    box("Text30")->setText("500");
    box("Text23")->setText("2");
    form().Text30_LostFocus();
    EXPECT_EQ(box("Text1")->text(), QString::number(first));
    box("Text30")->setText("500");
    box("Text23")->setText("1");
    dialogs.expectOk("DOCUMENTO NÃO ENCONTRADO");
    form().Text30_LostFocus();
    form().Text23_LostFocus();
    EXPECT_EQ(box("Text23")->text(), "1");
}

}  // namespace
}  // namespace vorna
