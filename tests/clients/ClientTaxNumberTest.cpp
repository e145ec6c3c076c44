#include "ClientFixture.h"

#include "common/MessageTexts.h"

#include <sqlite3.h>

namespace vorna::test {
namespace {

const QString Held = QStringLiteral("JÁ EXISTE UM CLIENTE COM ESTE CPF E SEU CÓDIGO É: ");
const QString InvalidCpf = QStringLiteral("NUMERO DE CIC INVÁLIDO!");
const QString InvalidCnpj = QStringLiteral("NUMERO DE CGC INVÁLIDO!");
const QString NoProducer = QStringLiteral("PRODUTOR NAO ENCONTRADO");

class ClientTaxNumberTest : public ClientFixture {
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        addProducer(1, 1, "ANA");
    }
    // Shows a stored client by its code, as typing it and leaving the box does.
    void showClient(int code)
    {
        type(box("Text1"), QString::number(code));
        leave(box("Text1"));
        ASSERT_TRUE(shown());
    }
    // Enters the empty box, types, and leaves it.
    void typeNumber(const QString& person, const QString& keys)
    {
        choose(list("Combo2"), person);
        type(box("Text17"), keys);
        box("Text3")->setFocus(Qt::TabFocusReason);
    }
    // Out of a refused box: emptied, then left.
    void letGo()
    {
        box("Text17")->clear();
        leave(box("Text17"));
    }
};

TEST_F(ClientTaxNumberTest, LeavingChecksTheDigitsAndShowsTheNumberWithItsSeparators)
{
    open();
    struct Case {
        QString person;
        QString typed;
        QString message;  // empty: passes
        QString shown;
    };
    const Case cases[] = {
        {"F", "12345678909", {}, "123.456.789-09"},
        {"F", "11111111111", {}, "111.111.111-11"},
        {"F", "12345678900", InvalidCpf, "12345678900"},
        {"F", "12345678919", InvalidCpf, "12345678919"},
        // Beyond the eleventh position nothing counts; a letter or blank reads as 0.
        {"F", "1234567890977", {}, "123.456.789-09"},
        {"F", "0a000000000", {}, "000.000.000-00"},
        {"F", "   ", {}, "000.000.000-00"},
        {"F", "123456789", InvalidCpf, "123456789"},
        {"J", "11222333000181", {}, "11.222.333/0001-81"},
        {"J", "11222333000180", InvalidCnpj, "11222333000180"},
        {"J", "12345678909", InvalidCnpj, "12345678909"},
        // The CPF rule holds for any person type but "J".
        {"", "12345678909", {}, "123.456.789-09"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.person.toStdString() + " " + c.typed.toStdString());
        if (!c.message.isEmpty())
            dialogs.expectOk(c.message);
        typeNumber(c.person, c.typed);
        EXPECT_EQ(dialogs.pendingScript(), 0);
        EXPECT_EQ(box("Text17")->text(), c.shown);
        if (c.message.isEmpty()) {
            EXPECT_NE(focused(), box("Text17"));
        } else {
            EXPECT_EQ(focused(), box("Text17"));
            EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttention);
            letGo();
        }
        box("Text17")->clear();
    }
    // An empty box is left without a word.
    typeNumber("F", "");
    EXPECT_EQ(dialogs.boxes.size(), 5u);
}

TEST_F(ClientTaxNumberTest, EnteringTakesTheSeparatorsOutOfAFormattedNumber)
{
    open();
    struct Case {
        QString person;
        QString before;
        QString after;
    };
    const Case cases[] = {
        {"J", "11.222.333/0001-81", "11222333000181"},
        {"F", "123.456.789-09", "12345678909"},
        {"F", "123.456.789-0977", "12345678909"},
        {"J", "123.456.789-09", "123.456.789-09"},  // not the CNPJ form: as it is
        {"F", "1234567890", "1234567890"},
        {"", "123.456.789-09", ""},                 // no person type empties the box
    };
    for (const Case& c : cases) {
        choose(list("Combo2"), c.person);
        box("Text17")->setText(c.before);
        box("Text17")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(box("Text17")->text(), c.after) << c.person.toStdString() << " " << c.before.toStdString();
        box("Text17")->clear();
        box("Text3")->setFocus(Qt::TabFocusReason);
    }
}

TEST_F(ClientTaxNumberTest, ANumberAnotherClientHoldsClearsTheWindowAndTheNextSaveAdds)
{
    const int held = addClient("MARIA", {{"CPF", "12345678909"}});
    open();
    fillRequired("F");
    box("Text17")->clear();
    dialogs.expectOk(Held + QString::number(held));
    // More characters than the number holds: still the same number.
    typeNumber("F", "123456789099");
    EXPECT_EQ(dialogs.pendingScript(), 0);
    EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttention);
    EXPECT_TRUE(box("Text2")->text().isEmpty());
    EXPECT_TRUE(box("Text17")->text().isEmpty());
    for (const char* name : {"Command3D3", "Command3D24", "Command3D11"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;

    fillRequired("F");
    box("Text17")->clear();
    typeNumber("F", "11111111111");
    dialogs.expectOk();
    click(button("Command3D1"));
    EXPECT_EQ(dialogs.boxes.back().text.left(Added.size()), Added);
    EXPECT_EQ(rowCount("CLIENTES"), 2);
    EXPECT_EQ(client(held).field("NOME").toString(), "MARIA");
}

TEST_F(ClientTaxNumberTest, TheShownClientsOwnNumberIsNoDuplicateButAnothersIs)
{
    const int own = addClient("JOSE", {{"CPF", "12345678909"}});
    const int other = addClient("PEDRO", {{"CPF", "11111111111"}});
    open();
    showClient(own);
    EXPECT_EQ(box("Text17")->text(), "123.456.789-09");
    box("Text17")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(box("Text17")->text(), "12345678909");
    box("Text3")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(box("Text17")->text(), "123.456.789-09");
    EXPECT_TRUE(shown());
    EXPECT_TRUE(dialogs.boxes.empty());

    dialogs.expectOk(Held + QString::number(other));
    typeNumber("F", "11111111111");
    EXPECT_FALSE(shown());
    EXPECT_TRUE(box("Text2")->text().isEmpty());
}

TEST_F(ClientTaxNumberTest, AHeldNumberKeepsTheMouseFromSaving)
{
    open();
    fillRequired("F");
    box("Text17")->setFocus(Qt::TabFocusReason);
    box("Text17")->setText("12345678900");
    dialogs.expectOk(InvalidCpf);
    click(button("Command3D1"));
    EXPECT_EQ(dialogs.pendingScript(), 0);
    EXPECT_EQ(focused(), box("Text17"));
    EXPECT_EQ(rowCount("CLIENTES"), 0);
    letGo();
}

// The statements the connection runs while the CPF box is left, and the query
// plan SQLite gives each one that reads CPF.
struct PlanRecorder {
    explicit PlanRecorder(sqlite3* db) : db(db)
    {
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT, &PlanRecorder::onStatement, this);
    }
    ~PlanRecorder() { sqlite3_trace_v2(db, 0, nullptr, nullptr); }
    static int onStatement(unsigned, void* self, void* stmt, void*)
    {
        const char* sql = sqlite3_sql(static_cast<sqlite3_stmt*>(stmt));
        if (sql && QByteArray(sql).contains("\"CPF\""))
            static_cast<PlanRecorder*>(self)->statements << QString::fromUtf8(sql);
        return 0;
    }
    QStringList plans()
    {
        sqlite3_trace_v2(db, 0, nullptr, nullptr);
        QStringList out;
        for (const QString& sql : statements) {
            sqlite3_stmt* explain = nullptr;
            const QByteArray text = "EXPLAIN QUERY PLAN " + sql.toUtf8();
            EXPECT_EQ(sqlite3_prepare_v2(db, text.constData(), -1, &explain, nullptr), SQLITE_OK) << sql.toStdString();
            QString plan;
            while (sqlite3_step(explain) == SQLITE_ROW)
                plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(explain, 3))) + "; ";
            sqlite3_finalize(explain);
            out << plan;
        }
        return out;
    }
    sqlite3* db;
    QStringList statements;
};

TEST_F(ClientTaxNumberTest, TheSearchForAnotherClientReadsTheCpfIndex)
{
    const int own = addClient("JOSE", {{"CPF", "12345678909"}});
    open();
    showClient(own);
    PlanRecorder recorder(mainDatabase().handle());
    box("Text17")->setFocus(Qt::TabFocusReason);
    box("Text3")->setFocus(Qt::TabFocusReason);
    const QStringList plans = recorder.plans();
    ASSERT_FALSE(plans.isEmpty());
    for (const QString& plan : plans)
        EXPECT_TRUE(plan.contains("USING INDEX CLIENTES_CPF")) << plan.toStdString();
}

TEST_F(ClientTaxNumberTest, TheProducerCodeShowsItsProducersName)
{
    addProducer(12, 2, "BRUNO");
    addProducer(12, 1, "CARLA");
    addProducer(0, 1, "SEM PRODUTOR");
    addRow("PRODUTOR", {{"CODIGO", 7}, {"FILIAL", 1}, {"NOME", Variant::null()}});
    open();
    struct Case {
        QString code;
        bool found;
        QString name;  // Combo8 afterwards
    };
    const Case cases[] = {
        {"0012", true, "BRUNO"},  // leading zeros; the first of any branch
        {"0", true, "SEM PRODUTOR"},
        {"7", true, "SEM PRODUTOR"},  // no name: the list keeps its text
        {"99", false, "SEM PRODUTOR"},
        {"", true, "SEM PRODUTOR"},
        {"1a", false, "SEM PRODUTOR"},  // pasted
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code.toStdString());
        if (!c.found)
            dialogs.expectOk(NoProducer);
        box("Text18")->setFocus(Qt::TabFocusReason);
        box("Text18")->setText(c.code);
        box("Text3")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(dialogs.pendingScript(), 0);
        EXPECT_EQ(list("Combo8")->Text(), c.name);
        EXPECT_EQ(focused() == box("Text18"), !c.found);
        EXPECT_EQ(box("Text18")->text(), c.code);
        if (!c.found) {
            EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttentionExclaimed);
            box("Text18")->clear();
            leave(box("Text18"));
        }
    }
}

}  // namespace
}  // namespace vorna::test
