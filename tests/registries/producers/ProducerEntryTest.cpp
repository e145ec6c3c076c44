#include "ProducerFixture.h"

#include "common/WindowRefs.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/Window.h"

#include <QTest>
#include <sqlite3.h>

namespace vorna::test {
namespace {

const QString Added = QStringLiteral("Produtor Cadastrado com Codigo: ");

class ProducerEntryTest : public ProducerFixture {
protected:
    // The focus moves on with Tab from the box that has it.
    static void tab() { QTest::keyClick(focused(), Qt::Key_Tab); }
    // Where the focus is: a box by its name, an option button by its group.
    static QString stop()
    {
        const QString name = focused()->objectName();
        if (name == "Option5" || name == "Option6")
            return "interest";
        if (name.startsWith("Option"))
            return "position";
        return name;
    }

    // The window after a save that did not store: nothing shown, boxes empty.
    void expectCleared(const ProducerWindow& w)
    {
        for (QWidget* box : std::initializer_list<QWidget*>{w.code, w.branch, w.name, w.telephone, w.newRate,
                                                            w.fixed, w.renewalRate, w.target})
            EXPECT_EQ(text(box), "") << box->objectName().toStdString();
        EXPECT_FALSE(shown());
    }
};

TEST_F(ProducerEntryTest, TabReachesTheBoxesOutsideTheVisibleAreaInTheirOrder)
{
    auto& w = open();
    const QRect visible = windows::Form6().rect();
    EXPECT_EQ(visible.size(), QSize(580, 99));
    for (QWidget* box : std::initializer_list<QWidget*>{w.access, w.telephone, w.bank, w.agency, w.account,
                                                        w.newRate, w.fixed, w.renewalRate, w.target,
                                                        w.position[0], w.position[3], w.interestPassed,
                                                        w.interestNotPassed}) {
        const QRect place(box->mapTo(&windows::Form6(), QPoint(0, 0)), box->size());
        EXPECT_FALSE(visible.intersects(place)) << box->objectName().toStdString();
    }

    // An option group takes one stop.
    w.code->setFocus(Qt::TabFocusReason);
    QStringList reached;
    for (int i = 0; i < 40 && (reached.isEmpty() || focused() != w.code); ++i) {
        reached << stop();
        tab();
    }
    const QStringList expected = {
        "Text1", "Text2", "interest",
        // the toolbar, "Excluir" being disabled
        "Command3D2", "Command3D1", "Command3D4", "Command3D11", "Command3D5",
        "Command3D8", "Command3D9", "Command3D6", "Command3D7",
        "Text23", "position", "Text10", "Text5", "Text12", "Text4", "Text11",
        "MaskEdBox1", "MaskEdBox2", "MaskEdBox6", "MaskEdBox11"};
    EXPECT_EQ(reached, expected);
}

TEST_F(ProducerEntryTest, TheListOfFoundNamesTakesItsTabStopWhileOpen)
{
    addProducer(1, Branch, "ANA");
    addProducer(2, Branch, "ANA PAULA");
    auto& w = open();
    type(w.name, "ANA");
    click(w.search);
    ASSERT_TRUE(w.list->isVisibleTo(&windows::Form6()));
    QStringList reached;
    w.name->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 16; ++i) {
        tab();
        reached << stop();
    }
    EXPECT_EQ(reached, QStringList({"interest", "Command3D2", "Command3D1", "Command3D3", "Command3D4", "Command3D11",
                                    "Command3D5", "Command3D8", "Command3D9", "Command3D6", "Command3D7", "List1",
                                    "Text23", "position", "Text10", "Text5"}));
}

TEST_F(ProducerEntryTest, TheRateBoxRulesFollowTheBoxesLeftWithTab)
{
    auto& w = open();
    struct Case {
        const char* what;
        const char* renewal;
        const char* newRate;
        const char* fixed;
        const char* renewalAfter;
        const char* newAfter;
        const char* fixedAfter;
    };
    const Case cases[] = {
        {"the new-business rate starts from the renewal rate", "10,50", "", "", "10,50", "10,5", ""},
        {"a new-business rate already typed stays", "10", "7", "", "10", "7", ""},
        {"no renewal rate, nothing to start from", "", "", "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        click(w.clear);
        w.renewalRate->setText(c.renewal);
        w.newRate->setText(c.newRate);
        w.fixed->setText(c.fixed);
        w.telephone->setFocus(Qt::TabFocusReason);
        tab();
        ASSERT_EQ(focused(), w.newRate);
        EXPECT_EQ(text(w.renewalRate), c.renewalAfter);
        EXPECT_EQ(text(w.newRate), c.newAfter);
        EXPECT_EQ(text(w.fixed), c.fixedAfter);
    }

    // A fixed value left by Tab excludes both percentages.
    click(w.clear);
    type(w.renewalRate, "10");
    type(w.newRate, "12");
    type(w.fixed, "150");
    tab();
    EXPECT_EQ(text(w.renewalRate), "0");
    EXPECT_EQ(text(w.newRate), "0");
    // A renewal percentage left by Tab excludes the fixed value.
    type(w.renewalRate, "8,5");
    tab();
    EXPECT_EQ(text(w.fixed), "0");
    EXPECT_EQ(text(w.newRate), "0");
    // Zero, or nothing, excludes nothing; leaving the new-business rate changes nothing.
    type(w.fixed, "0");
    tab();
    EXPECT_EQ(text(w.renewalRate), "8,5");
    type(w.fixed, "");
    tab();
    type(w.renewalRate, "");
    tab();
    EXPECT_EQ(text(w.fixed), "");
    type(w.fixed, "40");
    type(w.newRate, "3");
    tab();
    EXPECT_EQ(text(w.fixed), "40");
    EXPECT_EQ(text(w.newRate), "3");

    // The save writes whatever the boxes hold: here the fixed value left last.
    type(w.name, "ANA");
    EXPECT_EQ(text(w.newRate), "0");
    dialogs.expectOk(Added + "1");
    click(w.save);
    db::Recordset stored = producer(1);
    EXPECT_DOUBLE_EQ(stored.field("COMISSAO").toDouble(), 0);
    EXPECT_DOUBLE_EQ(stored.field("COMISSAONOVOS").toDouble(), 0);
    EXPECT_DOUBLE_EQ(stored.field("FIXO").toDouble(), 40);
}

TEST_F(ProducerEntryTest, TheFilteredBoxesLetOnlyTheirKeysThrough)
{
    auto& w = open();
    struct Case {
        QWidget* box;
        QString typed;
        QString kept;
        int beeps;
    };
    const Case cases[] = {
        {w.code, "12a-3.", "123", 3},
        {w.name, "JOÃO d/a,", "JOO d/a,", 1},
        {w.telephone, "(11) 5555", "11 5555", 2},
        {w.renewalRate, "12.5", "125", 1},
        {w.newRate, "12,5%", "12,5", 1},
        {w.fixed, "1-0", "10", 1},
        {w.target, "abc", "abc", 0},
        {w.branch, "x1", "x1", 0},
    };
    for (const Case& c : cases) {
        QWidget* box = c.box;
        SCOPED_TRACE(box->objectName().toStdString());
        dialogs.beeps = 0;
        type(box, c.typed);
        EXPECT_EQ(text(box), c.kept);
        EXPECT_EQ(dialogs.beeps, c.beeps);
    }
}

TEST_F(ProducerEntryTest, ANewProducerTheDatabaseRefusesStoresNothingAndClearsTheWindow)
{
    auto& w = open();
    struct Case {
        const char* what;
        QWidget* box;
        const char* typed;
        bool locked;
        int number;
    };
    const Case cases[] = {
        {"a lone comma in a rate box", w.newRate, ",", false, err::TypeMismatch},
        {"two commas in a rate box", w.newRate, "1,,5", false, err::TypeMismatch},
        {"a target that is no number", w.target, "mil", false, err::TypeMismatch},
        {"the file locked by another workstation", w.telephone, "1234", true, err::RecordLocked},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        type(w.name, "ANA");
        type(c.box, c.typed);
        dialogs.expectOk(writeFailure(c.number));
        {
            SecondWorkstation other(pathOf("VORNA.MDB"));
            if (c.locked)
                other.exec("BEGIN IMMEDIATE");
            click(w.save);
        }
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].title, "");
        EXPECT_EQ(rowCount("PRODUTOR"), 0);
        EXPECT_TRUE(auditRows().empty());
        expectCleared(w);
        EXPECT_EQ(focused(), w.name);
        dialogs.clear();
    }
    // Nothing was left pending, and the code the refused producer would have had is given.
    type(w.name, "ANA");
    dialogs.expectOk(Added + "1");
    click(w.save);
    EXPECT_EQ(rowCount("PRODUTOR"), 1);
    EXPECT_EQ(producer(1).field("NOME").toString(), "ANA");
    EXPECT_TRUE(producer(1).field("TELEFONE").isNull());
}

TEST_F(ProducerEntryTest, AnAlterationTheDatabaseRefusesKeepsTheStoredProducer)
{
    addProducer(3, Branch, "ANA", {{"META", 100.0}});
    auto& w = open();
    struct Case {
        const char* what;
        const char* target;
        bool locked;
        int number;
    };
    for (const Case& c : {Case{"a target that is no number", "cem", false, err::TypeMismatch},
                          Case{"the file locked by another workstation", "200", true, err::RecordLocked}}) {
        SCOPED_TRACE(c.what);
        click(w.first);
        type(w.name, "OUTRO NOME");
        type(w.target, c.target);
        dialogs.expectOk(writeFailure(c.number));
        {
            SecondWorkstation other(pathOf("VORNA.MDB"));
            if (c.locked)
                other.exec("BEGIN IMMEDIATE");
            click(w.save);
        }
        EXPECT_EQ(producer(3).field("NOME").toString(), "ANA");
        EXPECT_DOUBLE_EQ(producer(3).field("META").toDouble(), 100.0);
        EXPECT_TRUE(auditRows().empty());
        expectCleared(w);
        EXPECT_EQ(focused(), w.code);
    }
}

// The second workstation computed the same code as this one and stores its
// producer while this one waits for the file: this one's write is refused.
int storeTheOtherProducerOnce(void* other, int attempts)
{
    if (attempts == 0)
        static_cast<SecondWorkstation*>(other)->exec("COMMIT");
    return attempts < 20;
}

TEST_F(ProducerEntryTest, TwoWorkstationsAddingAtOnceCannotStoreOneCodeTwice)
{
    addProducer(1, Branch, "ANA");
    auto& w = open();
    {
        SecondWorkstation other(pathOf("VORNA.MDB"));
        other.exec("BEGIN IMMEDIATE");
        other.exec("INSERT INTO PRODUTOR (CODIGO, FILIAL, NOME) VALUES (2, 1, 'DA OUTRA ESTACAO')");
        sqlite3* here = mainDatabase().handle();
        sqlite3_busy_handler(here, storeTheOtherProducerOnce, &other);
        type(w.name, "DESTA ESTACAO");
        dialogs.expectOk(writeFailure(err::DuplicateKey));
        click(w.save);
        sqlite3_busy_timeout(here, 1000);
    }
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "");
    EXPECT_EQ(rowCount("PRODUTOR"), 2);
    EXPECT_EQ(producer(2).field("NOME").toString(), "DA OUTRA ESTACAO");
    EXPECT_TRUE(auditRows().empty());
    expectCleared(w);

    // Trying again gives the code that follows the other workstation's.
    type(w.name, "DESTA ESTACAO");
    dialogs.expectOk(Added + "3");
    click(w.save);
    EXPECT_EQ(producer(3).field("NOME").toString(), "DESTA ESTACAO");
    EXPECT_EQ(auditRows().size(), 1u);
}

TEST_F(ProducerEntryTest, ABranchBoxThatCannotBeComparedStopsTheActionBeforeAnythingIsStored)
{
    UnhandledEngineFailures failures;
    addProducer(1, Branch, "ANA");
    auto& w = open();
    click(w.first);
    type(w.branch, " ");
    type(w.name, "OUTRA");
    click(w.save);
    click(w.remove);
    EXPECT_EQ(failures.numbers, std::vector<int>({err::TypeMismatch, err::TypeMismatch}));
    EXPECT_EQ(producer(1).field("NOME").toString(), "ANA");
    EXPECT_TRUE(auditRows().empty());
    EXPECT_TRUE(shown());
}

}  // namespace
}  // namespace vorna::test
