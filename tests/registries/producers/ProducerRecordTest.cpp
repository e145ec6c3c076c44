#include "ProducerFixture.h"

#include "common/AppFolder.h"
#include "common/WindowRefs.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/Twips.h"
#include "platform/controls/Window.h"

#include <QTest>

namespace vorna::test {
namespace {

const QString Added = QStringLiteral("Produtor Cadastrado com Codigo: ");
const QString OtherBranchAlteration =
    QStringLiteral("CUIDADO! VOCÊ ESTÁ ALTERANDO OS DADOS DE OUTRA FILIAL E ISTO PODERÁ CAUSAR SÉRIAS DIVERGÊNCIAS!!");
const QString OtherBranchDeletion =
    QStringLiteral("CUIDADO! VOCÊ ESTÁ EXCLUINDO OS DADOS DE OUTRA FILIAL E ISTO PODERÁ CAUSAR SÉRIAS DIVERGÊNCIAS!!");

class ProducerRecordTest : public ProducerFixture {};

struct StoredProducer {
    int code;
    int branch;
};
struct CodeCase {
    const char* what;
    std::vector<StoredProducer> rows;
    int expected;
};
const CodeCase CodeCases[] = {
    {"an empty table", {}, 1},
    {"producers of another branch only", {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}}, 1},
    {"the branch's last row in the table's order", {{5, 1}, {9, 2}, {2, 1}}, 3},
};

class ProducerCodeTest : public ProducerFixture, public ::testing::WithParamInterface<CodeCase> {};

TEST_P(ProducerCodeTest, ANewProducerGetsTheNextCodeOfTheInstallationsBranchAndItsAuditRow)
{
    const CodeCase& c = GetParam();
    setNow(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 30)));
    for (const StoredProducer& s : c.rows)
        addProducer(s.code, s.branch, QStringLiteral("EXISTENTE %1").arg(s.code));
    auto& w = open();
    type(w.name, "JOAO DA SILVA");
    type(w.branch, "9");  // whatever the box held: the installation's branch
    type(w.telephone, "11 5555-1234");
    dialogs.expectOk(Added + QString::number(c.expected));
    click(w.save);

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "Inclusao");
    db::Recordset stored = producer(c.expected, Branch);
    EXPECT_EQ(stored.field("NOME").toString(), "JOAO DA SILVA");
    EXPECT_EQ(stored.field("TELEFONE").toString(), "11 5555-1234");
    const std::vector<AuditEntry> audit = auditRows();
    ASSERT_EQ(audit.size(), 1u);
    EXPECT_EQ(audit[0].code, Variant(c.expected));
    EXPECT_EQ(audit[0].name, "JOAO DA SILVA");
    EXPECT_EQ(audit[0].remarks, "INCLUSAO DE PRODUTOR");
    EXPECT_EQ(audit[0].user, Variant(UserCode));
    EXPECT_EQ(audit[0].date, "05/03/2024");
    EXPECT_EQ(audit[0].time, "14:07");
    EXPECT_EQ(audit[0].settled, "S");
    // The window is cleared for the next producer.
    EXPECT_EQ(text(w.name), "");
    EXPECT_EQ(text(w.branch), "");
    EXPECT_EQ(text(w.telephone), "");
    EXPECT_EQ(focused(), w.name);
    EXPECT_FALSE(shown());

    // The following producer gets the following code.
    type(w.name, "MARIA");
    dialogs.expectOk(Added + QString::number(c.expected + 1));
    click(w.save);
    EXPECT_EQ(producer(c.expected + 1).field("NOME").toString(), "MARIA");
    EXPECT_EQ(auditRows().back().code, Variant(c.expected + 1));
}

INSTANTIATE_TEST_SUITE_P(Branches, ProducerCodeTest, ::testing::ValuesIn(CodeCases),
                         [](const ::testing::TestParamInfo<CodeCase>& info) {
                             return std::to_string(info.index);
                         });

TEST_F(ProducerRecordTest, ANewProducerNeedsANameButAnAlterationDoesNot)
{
    addProducer(1, Branch, "ANA");
    auto& w = open();
    for (const char* blank : {"", "   "}) {
        type(w.name, blank);
        dialogs.expectOk(msg::RequiredName);
        click(w.save);
        EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
        EXPECT_EQ(focused(), w.name);
    }
    EXPECT_EQ(rowCount("PRODUTOR"), 1);
    EXPECT_TRUE(auditRows().empty());

    click(w.first);
    type(w.name, "");
    click(w.save);
    EXPECT_EQ(producer(1).field("NOME").toString(), "");
    EXPECT_EQ(auditRows().size(), 1u);
}

TEST_F(ProducerRecordTest, ShowFillsEveryBoxAndAnAlterationKeepsWhatWasBlankedAndWritesItsAuditRow)
{
    setNow(QDateTime(QDate(2024, 11, 30), QTime(9, 5)));
    addProducer(4, Branch, "CARLOS",
                {{"SENHA", "CARLOS"}, {"TELEFONE", "3333-0000"}, {"BANCO", "BANCO X"}, {"AGENCIA", "0123"},
                 {"CONTA", "45678-9"}, {"COMISSAO", 10.5}, {"COMISSAONOVOS", 12.25}, {"FIXO", 0.0},
                 {"META", 1500.0}, {"POSICAO", "2"}, {"JUROS", "C"}});
    auto& w = open();
    click(w.first);

    EXPECT_TRUE(shown());
    EXPECT_EQ(text(w.code), "4");
    EXPECT_EQ(text(w.branch), "1");
    EXPECT_EQ(text(w.name), "CARLOS");
    EXPECT_EQ(text(w.access), "CARLOS");
    EXPECT_EQ(text(w.telephone), "3333-0000");
    EXPECT_EQ(text(w.bank), "BANCO X");
    EXPECT_EQ(text(w.agency), "0123");
    EXPECT_EQ(text(w.account), "45678-9");
    EXPECT_EQ(text(w.renewalRate), "10,5");
    EXPECT_EQ(text(w.newRate), "12,25");
    EXPECT_EQ(text(w.fixed), "0");
    EXPECT_EQ(text(w.target), "1500");
    EXPECT_TRUE(w.position[1]->Value());
    EXPECT_TRUE(w.interestPassed->Value());

    type(w.telephone, "   ");
    type(w.bank, "");
    type(w.renewalRate, "");
    type(w.target, "");
    type(w.account, "1111-2");
    w.position[3]->setValue(true);
    w.interestNotPassed->setValue(true);
    click(w.save);

    EXPECT_TRUE(dialogs.boxes.empty());
    db::Recordset stored = producer(4);
    EXPECT_EQ(stored.field("TELEFONE").toString(), "3333-0000");
    EXPECT_EQ(stored.field("BANCO").toString(), "BANCO X");
    EXPECT_DOUBLE_EQ(stored.field("COMISSAO").toDouble(), 10.5);
    EXPECT_DOUBLE_EQ(stored.field("META").toDouble(), 1500);
    EXPECT_EQ(stored.field("CONTA").toString(), "1111-2");
    EXPECT_EQ(stored.field("POSICAO").toString(), "0");
    EXPECT_EQ(stored.field("JUROS").toString(), "S");
    const std::vector<AuditEntry> audit = auditRows();
    ASSERT_EQ(audit.size(), 1u);
    EXPECT_EQ(audit[0].code, Variant(4));
    EXPECT_EQ(audit[0].name, "CARLOS");
    EXPECT_EQ(audit[0].remarks, "ALTERAÇAO DE DADOS DO PRODUTOR");
    EXPECT_EQ(audit[0].user, Variant(UserCode));
    EXPECT_EQ(audit[0].date, "30/11/2024");
    EXPECT_EQ(audit[0].time, "09:05");
    EXPECT_EQ(audit[0].settled, "S");
    EXPECT_FALSE(shown());
    EXPECT_EQ(text(w.code), "");
    EXPECT_EQ(text(w.account), "");
    EXPECT_FALSE(w.position[3]->Value());
    EXPECT_EQ(focused(), w.code);
    EXPECT_EQ(rowCount("PRODUTOR"), 1);
}

TEST_F(ProducerRecordTest, AStoredChoiceOutsideTheKnownCodesSelectsNothingAndIsKept)
{
    addProducer(1, Branch, "ANA", {{"POSICAO", "9"}, {"JUROS", "X"}});
    auto& w = open();
    click(w.first);
    for (ui::OptionButton* option : w.position)
        EXPECT_FALSE(option->Value());
    EXPECT_FALSE(w.interestPassed->Value());
    EXPECT_FALSE(w.interestNotPassed->Value());
    click(w.save);
    EXPECT_EQ(producer(1).field("POSICAO").toString(), "9");
    EXPECT_EQ(producer(1).field("JUROS").toString(), "X");
}

TEST_F(ProducerRecordTest, RatesShowTwoDecimalsWhileTheBoxIsLeftAndAreSavedAgainAsStored)
{
    addProducer(1, Branch, "ANA", {{"COMISSAO", 12.3456}, {"COMISSAONOVOS", 10.5}, {"FIXO", 1234.5}});
    auto& w = open();
    click(w.first);
    EXPECT_EQ(w.renewalRate->FormattedText(), "$12,35");
    EXPECT_EQ(w.newRate->FormattedText(), "$10,50");
    EXPECT_EQ(w.fixed->FormattedText(), "$1.234,50");
    EXPECT_EQ(w.renewalRate->displayText(), "$12,35");
    // The box itself holds the stored value, so saving it again changes nothing.
    EXPECT_EQ(text(w.renewalRate), "12,3456");
    click(w.save);
    EXPECT_DOUBLE_EQ(producer(1).field("COMISSAO").toDouble(), 12.3456);
    EXPECT_DOUBLE_EQ(producer(1).field("FIXO").toDouble(), 1234.5);
}

TEST_F(ProducerRecordTest, AProducerOfAnotherBranchIsAlteredAfterItsWarningAndMovesWithItsBranchBox)
{
    struct Case {
        const char* what;
        int storedBranch;
        const char* typedBranch;  // nullptr: the box as shown
        bool warned;
        int branchAfter;
    };
    const Case cases[] = {
        {"another branch, box untouched", 2, nullptr, true, 2},
        {"moved into this branch", 2, "1", false, 1},
        {"moved into a third branch", 2, "3", true, 3},
        {"this branch written with a leading zero", 1, "01", false, 1},
        {"this branch", 1, nullptr, false, 1},
    };
    int code = 0;
    for (const Case& c : cases) {
        ++code;
        addProducer(code, c.storedBranch, QStringLiteral("PRODUTOR %1").arg(code));
    }
    auto& w = open();
    code = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ++code;
        type(w.code, QString::number(code));
        click(w.search);
        ASSERT_TRUE(shown());
        if (c.typedBranch)
            type(w.branch, c.typedBranch);
        type(w.name, QStringLiteral("ALTERADO %1").arg(code));
        if (c.warned)
            dialogs.expectOk(OtherBranchAlteration);
        click(w.save);
        EXPECT_EQ(dialogs.boxes.size(), c.warned ? 1u : 0u);
        if (c.warned) {
            EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO");
        }
        db::Recordset stored = producer(code, c.branchAfter);
        EXPECT_EQ(stored.field("NOME").toString(), QStringLiteral("ALTERADO %1").arg(code));
        EXPECT_EQ(auditRows().back().remarks, "ALTERAÇAO DE DADOS DO PRODUTOR");
        EXPECT_EQ(auditRows().back().code, Variant(code));
        dialogs.clear();
    }
}

TEST_F(ProducerRecordTest, DeletionAsksFirstAndItsAuditRowFollowsTheDeletion)
{
    setNow(QDateTime(QDate(2024, 1, 2), QTime(23, 59)));
    addProducer(1, Branch, "ANA");
    addProducer(2, 2, "BRUNO");
    auto& w = open();

    // No: nothing deleted, the window is cleared and lets go of the producer.
    click(w.first);
    dialogs.expectNo(msg::ConfirmDeletion);
    click(w.remove);
    EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO");
    EXPECT_EQ(dialogs.boxes[0].buttons, dlg::Buttons::YesNo);
    EXPECT_EQ(rowCount("PRODUTOR"), 2);
    EXPECT_TRUE(auditRows().empty());
    EXPECT_FALSE(shown());
    EXPECT_EQ(text(w.name), "");

    // Yes, on a producer of another branch: the warning, then the question.
    click(w.last);
    dialogs.expectOk(OtherBranchDeletion).expectYes(msg::ConfirmDeletion);
    click(w.remove);
    EXPECT_EQ(dialogs.boxes[1].title, "ATENÇÃO");
    EXPECT_TRUE(findRow("PRODUTOR", "CODIGO = 2").NoMatch());
    EXPECT_EQ(rowCount("PRODUTOR"), 1);
    const std::vector<AuditEntry> audit = auditRows();
    ASSERT_EQ(audit.size(), 1u);
    EXPECT_EQ(audit[0].code, Variant(2));
    EXPECT_EQ(audit[0].name, "BRUNO");
    EXPECT_EQ(audit[0].remarks, "EXCLUSAO DE PRODUTOR");
    EXPECT_EQ(audit[0].user, Variant(UserCode));
    EXPECT_EQ(audit[0].date, "02/01/2024");
    EXPECT_EQ(audit[0].time, "23:59");
    EXPECT_EQ(audit[0].settled, "S");
    EXPECT_FALSE(shown());
    EXPECT_EQ(text(w.name), "");
    EXPECT_EQ(focused(), w.code);
}

TEST_F(ProducerRecordTest, ADeletionTheDatabaseRefusesLeavesNoAuditRow)
{
    UnhandledEngineFailures failures;
    addProducer(1, Branch, "ANA");
    auto& w = open();
    click(w.first);
    dialogs.expectYes(msg::ConfirmDeletion);
    {
        SecondWorkstation other(pathOf("VORNA.MDB"));
        other.exec("BEGIN IMMEDIATE");
        click(w.remove);
    }
    EXPECT_EQ(failures.numbers, std::vector<int>{err::RecordLocked});
    EXPECT_EQ(rowCount("PRODUTOR"), 1);
    EXPECT_TRUE(auditRows().empty());
    // Still shown: a second try deletes it.
    ASSERT_TRUE(shown());
    dialogs.expectYes(msg::ConfirmDeletion);
    click(w.remove);
    EXPECT_EQ(rowCount("PRODUTOR"), 0);
    EXPECT_EQ(auditRows().size(), 1u);
}

// Only the deletion fails here (the audit table stays writable): still no audit row.
TEST_F(ProducerRecordTest, ADeletionOfARowGoneElsewhereLeavesNoAuditRow)
{
    UnhandledEngineFailures failures;
    addProducer(1, Branch, "ANA");
    auto& w = open();
    click(w.first);
    SecondWorkstation(pathOf("VORNA.MDB")).exec("DELETE FROM PRODUTOR");
    dialogs.expectYes(msg::ConfirmDeletion);
    click(w.remove);
    EXPECT_EQ(failures.numbers, std::vector<int>{err::RecordDeleted});
    EXPECT_TRUE(auditRows().empty());
}

TEST_F(ProducerRecordTest, AfterTheBranchsLastProducerIsDeletedItsCodeIsGivenAgain)
{
    addProducer(1, Branch, "ANA");
    addProducer(2, Branch, "BRUNO");
    auto& w = open();
    click(w.last);
    dialogs.expectYes(msg::ConfirmDeletion);
    click(w.remove);
    type(w.name, "CAIO");
    dialogs.expectOk(Added + "2");
    click(w.save);
    EXPECT_EQ(producer(2).field("NOME").toString(), "CAIO");
}

TEST_F(ProducerRecordTest, ClearEmptiesEveryBoxAndChoiceButLeavesTheListOfFoundNames)
{
    addProducer(1, Branch, "ANA", {{"TELEFONE", "1"}, {"COMISSAO", 3.0}, {"POSICAO", "1"}, {"JUROS", "S"}});
    addProducer(2, Branch, "ANA PAULA");
    auto& w = open();
    type(w.name, "ANA");
    click(w.search);
    ASSERT_TRUE(shown());
    click(w.clear);
    for (QWidget* box : std::initializer_list<QWidget*>{w.code, w.branch, w.name, w.access, w.telephone, w.bank,
                                                        w.agency, w.account, w.newRate, w.fixed, w.renewalRate,
                                                        w.target})
        EXPECT_EQ(text(box), "") << box->objectName().toStdString();
    for (ui::OptionButton* option : {w.position[0], w.position[1], w.position[2], w.position[3],
                                     w.interestPassed, w.interestNotPassed})
        EXPECT_FALSE(option->Value()) << option->objectName().toStdString();
    EXPECT_FALSE(shown());
    EXPECT_EQ(focused(), w.name);
    EXPECT_EQ(items(w.list), QStringList({"ANA", "ANA PAULA"}));
}

TEST_F(ProducerRecordTest, ConsultarFindsByCodeInAnyBranchOrListsTheNamesContainingTheText)
{
    addProducer(1, Branch, "ANA MARIA");
    addProducer(5, 2, "JOSE");
    addProducer(2, Branch, "MARIANA");
    addProducer(3, Branch, "PEDRO");
    auto& w = open();

    // By code, in any branch; a name typed beside it is not looked at.
    type(w.code, "5");
    type(w.name, "PEDRO");
    click(w.search);
    EXPECT_TRUE(shown());
    EXPECT_EQ(text(w.name), "JOSE");
    EXPECT_EQ(text(w.branch), "2");
    EXPECT_FALSE(w.list->isVisible());

    // By pieces of the name: the list, placed below the visible area, and the
    // last producer found shown.
    click(w.clear);
    type(w.name, "MARIA");
    click(w.search);
    EXPECT_TRUE(w.list->isVisibleTo(&windows::Form6()));
    EXPECT_EQ(w.list->geometry(), QRect(ui::twips(3300), ui::twips(1620), ui::twips(5385), ui::twips(1290)));
    EXPECT_GE(w.list->geometry().top(), windows::Form6().height());
    EXPECT_EQ(items(w.list), QStringList({"ANA MARIA", "MARIANA"}));
    EXPECT_TRUE(shown());
    EXPECT_EQ(text(w.code), "2");
    EXPECT_EQ(text(w.name), "MARIANA");

    // A second search without a pick adds to the list.
    click(w.clear);
    type(w.name, "PED");
    click(w.search);
    EXPECT_EQ(items(w.list), QStringList({"ANA MARIA", "MARIANA", "PEDRO"}));
}

TEST_F(ProducerRecordTest, ConsultarThatFindsNothingSaysSoAndLetsGoOfTheShownProducer)
{
    addProducer(1, Branch, "ANA");
    auto& w = open();
    struct Case {
        const char* what;
        const char* code;
        const char* name;
        QString message;
    };
    const Case cases[] = {
        {"an unknown code", "77", "ANA", QStringLiteral("PRODUTOR NAO ENCONTRADO")},
        {"a name nobody has", "", "ZULMIRA", QStringLiteral("PRODUTOR NÃO ENCONTRADO")},
        {"neither code nor name", "", "", QStringLiteral("INFORME O CODIGO OU PEDAÇOS DO NOME")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        click(w.first);
        ASSERT_TRUE(shown());
        type(w.code, c.code);
        type(w.name, c.name);
        dialogs.expectOk(c.message);
        click(w.search);
        EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
        EXPECT_FALSE(w.list->isVisible());
        EXPECT_EQ(text(w.code), c.code);
        EXPECT_EQ(text(w.name), c.name);
    }
    // Only the two searches that looked for something let go of the producer.
    EXPECT_TRUE(shown());
    type(w.code, "77");
    type(w.name, "ANA");
    dialogs.expectOk("PRODUTOR NAO ENCONTRADO");
    click(w.search);
    EXPECT_FALSE(shown());
}

TEST_F(ProducerRecordTest, ACodeNotFoundLeavesTheBoxesForANewProducerWithANewCode)
{
    addProducer(1, Branch, "ANA");
    auto& w = open();
    type(w.code, "40");
    type(w.name, "NOVO");
    type(w.bank, "BANCO Y");
    dialogs.expectOk("PRODUTOR NAO ENCONTRADO").expectOk(Added + "2");
    click(w.search);
    click(w.save);
    EXPECT_EQ(producer(2).field("BANCO").toString(), "BANCO Y");
    EXPECT_EQ(rowCount("PRODUTOR"), 2);
}

TEST_F(ProducerRecordTest, ACodeLongerThanTheCodeBoxTakesIsShownWholeAndAuditedAsItIs)
{
    addProducer(123456, Branch, "ANA");
    auto& w = open();
    // Five characters can be typed, no more.
    type(w.code, "1234567");
    EXPECT_EQ(text(w.code), "12345");

    click(w.clear);
    click(w.first);
    EXPECT_EQ(text(w.code), "123456");
    QTest::keyClick(w.code, Qt::Key_End);
    QTest::keyClick(w.code, Qt::Key_7);
    EXPECT_EQ(text(w.code), "123456");
    type(w.telephone, "5555");
    click(w.save);
    EXPECT_EQ(producer(123456).field("TELEFONE").toString(), "5555");
    ASSERT_EQ(auditRows().size(), 1u);
    EXPECT_EQ(auditRows()[0].code, Variant(123456));
}

TEST_F(ProducerRecordTest, APickShowsThePickedProducerAndSavingOrDeletingActsOnIt)
{
    addProducer(1, Branch, "ANA MARIA", {{"TELEFONE", "1111"}});
    addProducer(2, Branch, "MARIA", {{"TELEFONE", "2222"}});
    addProducer(3, Branch, "MARIA JOSE", {{"TELEFONE", "3333"}});
    auto& w = open();

    type(w.name, "MARIA");
    click(w.search);
    ASSERT_EQ(items(w.list), QStringList({"ANA MARIA", "MARIA", "MARIA JOSE"}));
    EXPECT_EQ(text(w.code), "3");
    // "MARIA" is contained in the name of the row before it, yet the picked row is shown.
    pickRow(w.list, 1);
    EXPECT_EQ(text(w.code), "2");
    EXPECT_EQ(text(w.telephone), "2222");
    EXPECT_FALSE(w.list->isVisible());
    EXPECT_EQ(w.list->ListCount(), 0);

    type(w.telephone, "9999");
    click(w.save);
    EXPECT_EQ(producer(2).field("TELEFONE").toString(), "9999");
    EXPECT_EQ(producer(1).field("TELEFONE").toString(), "1111");
    EXPECT_EQ(producer(3).field("TELEFONE").toString(), "3333");

    // A search shows the last one found; a pick with the arrow keys (the list
    // lies out of sight) shows another; "Excluir" deletes that one.
    type(w.name, "MARIA");
    click(w.search);
    EXPECT_EQ(text(w.code), "3");
    w.list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.list, Qt::Key_Down);
    EXPECT_EQ(text(w.code), "1");
    dialogs.expectYes(msg::ConfirmDeletion);
    click(w.remove);
    EXPECT_TRUE(findRow("PRODUTOR", "CODIGO = 1").NoMatch());
    EXPECT_EQ(rowCount("PRODUTOR"), 2);
    EXPECT_EQ(auditRows().back().code, Variant(1));
    EXPECT_EQ(auditRows().back().name, "ANA MARIA");
}

TEST_F(ProducerRecordTest, NavigationShowsTheProducerReachedAndSaysWhenThereIsNoFurther)
{
    auto& w = open();
    // An empty table.
    for (ui::PictureButton* button : {w.first, w.previous, w.next, w.last}) {
        dialogs.expectOk(msg::NoRecords);
        click(button);
        EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO");
        EXPECT_FALSE(shown());
    }
    dialogs.clear();

    addProducer(1, Branch, "ANA");
    addProducer(1, 2, "BRUNO");
    addProducer(2, Branch, "CAIO");
    windows::Form6().Unload();
    open();
    click(w.first);
    EXPECT_EQ(text(w.name), "ANA");
    dialogs.expectOk(msg::NoRecords);
    click(w.previous);
    EXPECT_EQ(text(w.name), "ANA");
    EXPECT_TRUE(shown());
    click(w.next);
    EXPECT_EQ(text(w.name), "BRUNO");
    EXPECT_EQ(text(w.branch), "2");
    click(w.last);
    EXPECT_EQ(text(w.name), "CAIO");
    dialogs.expectOk(msg::NoRecords);
    click(w.next);
    EXPECT_EQ(text(w.name), "CAIO");
    click(w.previous);
    EXPECT_EQ(text(w.name), "BRUNO");
    EXPECT_EQ(dialogs.boxes.size(), 2u);
}

TEST_F(ProducerRecordTest, ListarProdutoresRunsTheProducerReportOverEveryProducer)
{
    addProducer(1, Branch, "ANA");
    addProducer(1, 2, "BRUNO");
    auto& w = open();
    type(w.code, "1");
    click(w.report);
    ASSERT_EQ(reports.launches.size(), 1u);
    const report::LaunchRecord& run = reports.launches[0];
    EXPECT_TRUE(run.succeeded) << run.failure.toStdString();
    EXPECT_EQ(run.owner, "Form6");
    EXPECT_EQ(run.control, "CrystalReport1");
    EXPECT_EQ(run.settings.reportFileName, appFolder() + "\\RELCDPRO.RPT");
    EXPECT_EQ(run.settings.selectionFormula, "");
    EXPECT_EQ(run.settings.windowTitle, "");
    ASSERT_TRUE(run.document);
    EXPECT_EQ(run.document->rows.size(), 2u);
}

TEST_F(ProducerRecordTest, SairUnloadsTheWindowWhichOpensEmptyAgain)
{
    addProducer(1, Branch, "ANA");
    auto& w = open();
    click(w.first);
    click(w.exit);
    EXPECT_EQ(windows::Form6().state(), ui::Window::State::NotLoaded);
    auto& again = open();
    EXPECT_EQ(text(again.name), "");
    EXPECT_FALSE(shown());
    EXPECT_FALSE(again.list->isVisible());
}

}  // namespace
}  // namespace vorna::test
