#include "DocumentEntryFixture.h"

#include "common/MessageTexts.h"
#include "support/SecondWorkstation.h"

namespace vorna {
namespace {

const QString Question =
    QStringLiteral("Você tem certeza que deseja mover definitivamente este registro para o Arquivo Morto?");
const QString NotFound = QStringLiteral("DOCUMENTO NAO ENCONTRADO");

class DocumentArchive : public test::DocumentEntryFixture {
protected:
    void instalments(int number, int from, int to)
    {
        for (int n = from; n <= to; ++n)
            addRow("PARCELAS", {{"PROPOSTA", number}, {"NUMERO", n}, {"FILIAL", 1}});
    }
    long rowsOf(const char* table, int number)
    {
        long n = 0;
        for (const Variant& owner : readRows<Variant>(QString::fromLatin1(table), [](const db::Recordset& rs) {
                 return rs.field("PROPOSTA");
             }))
            n += !owner.isNull() && rt::CLng(owner) == number;
        return n;
    }
    Variant archived(int number, const char* field)
    {
        db::Recordset rs = findRow("DOCUMORTOS", QStringLiteral("PROPOSTA = %1").arg(number));
        return rs.NoMatch() ? Variant(QStringLiteral("<no archive row>")) : rs.field(QLatin1String(field));
    }
    // "Arquivo Morto" confirmed, with the box that follows when one does.
    void archiveShown(const QString& thenBox = {})
    {
        dialogs.expectYes(Question);
        if (!thenBox.isEmpty())
            dialogs.expectOk(thenBox);
        form().Command3D11_Click();
    }
};

TEST_F(DocumentArchive, TheArchiveRowIsTheNarrowHeader)
{
    const Variant start = Variant::date(QDate(2024, 2, 1));
    const Variant end = Variant::date(QDate(2025, 2, 1));
    const int full = addDocument({{"FILIAL", 2},         {"TIPO", "E"},         {"COMISSIONAMENTO", 3},
                                  {"MULTIPLA", "S"},     {"ANOPRODUCAO", 2024}, {"APOLICE", "AP-1"},
                                  {"CODCLIENTE", 77},    {"NOMCLIENTE", "ANA"}, {"RAMO", 311},
                                  {"PREMIOLIQ", 1234.5}, {"PROD3", 8},          {"PREP3", 2.5},
                                  {"VREP3", 30.75},      {"PROD4", 9},          {"PREP4", 1.0},
                                  {"VREP4", 5.0},        {"PROD5", 10},         {"VREP5", 6.0},
                                  {"VREPASSE", 41.75},   {"OBSERVACOES", "linha 1\nlinha 2"},
                                  {"VIGENCIAINICIAL", start}, {"VIGENCIAFINAL", end},
                                  {"DTEXCLUSAO", end}});
    const int bare = addDocument({{"TIPO", Variant::null()}, {"VIGENTE", Variant::null()}});
    addRow("AUTOMOVEL", {{"PROPOSTA", full}, {"FILIAL", 1}});
    logIn(level::Total, everyRight());
    open();

    show(full, 2);
    archiveShown();
    struct Expected {
        const char* field;
        Variant value;
    } const fields[] = {
        {"FILIAL", Variant(1)},           {"PROPOSTA", Variant(full)},       {"TIPO", Variant("E")},
        {"COMISSIONAMENTO", Variant(3)},  {"MULTIPLA", Variant("S")},        {"VIGENTE", Variant("V")},
        {"ANOPRODUCAO", Variant(2024)},   {"APOLICE", Variant("AP-1")},      {"CODCLIENTE", Variant(77)},
        {"NOMCLIENTE", Variant("ANA")},   {"RAMO", Variant(311)},            {"PREMIOLIQ", Variant(1234.5)},
        {"PROD3", Variant(8)},            {"PREP3", Variant(2.5)},           {"VREP3", Variant(30.75)},
        {"VREPASSE", Variant(41.75)},     {"OBSERVACOES", Variant("linha 1\nlinha 2")},
        {"VIGENCIAINICIAL", start},       {"VIGENCIAFINAL", end},            {"DTEXCLUSAO", end},
    };
    for (const Expected& e : fields)
        EXPECT_EQ(archived(full, e.field), e.value) << e.field;
    for (const char* unset : {"ENDOSSO", "NOVAOBS"})
        EXPECT_TRUE(archived(full, unset).isNull()) << unset;
    db::Recordset archive = findRow("DOCUMORTOS", QStringLiteral("PROPOSTA = %1").arg(full));
    EXPECT_EQ(archive.fieldNames().size(), 55);
    for (const char* dropped : {"PROD4", "PREP4", "VREP4", "PROD5", "VREP5"})
        EXPECT_FALSE(archive.fieldNames().contains(QLatin1String(dropped))) << dropped;
    EXPECT_TRUE(stored(full, "PROPOSTA").isEmpty());
    EXPECT_EQ(rowsOf("AUTOMOVEL", full), 1);  // insured objects stay
    EXPECT_TRUE(auditRows().empty());
    EXPECT_TRUE(test::text(box("Text1")).isEmpty());

    // Null fields stay Null, the six always-copied ones included.
    show(bare);
    archiveShown();
    for (const char* field : {"TIPO", "VIGENTE", "COMISSIONAMENTO", "MULTIPLA", "ANOPRODUCAO", "APOLICE",
                              "VIGENCIAFINAL"})
        EXPECT_TRUE(archived(bare, field).isNull()) << field;
    EXPECT_EQ(archived(bare, "FILIAL"), Variant(1));
    EXPECT_EQ(rowCount("DOCUMENTOS"), 0);
    EXPECT_EQ(rowCount("DOCUMORTOS"), 2);
}

TEST_F(DocumentArchive, TheFirstRunOfInstalmentsGoesByNumberWhateverTheBranch)
{
    const int branchTwo = addDocument({{"FILIAL", 2}});
    const int interleaved = addDocument();
    const int other = addDocument();
    const int none = addDocument();
    instalments(branchTwo, 1, 13);  // twelve go, the thirteenth stays
    instalments(other, 1, 1);
    instalments(interleaved, 1, 2);
    instalments(other, 2, 2);
    instalments(interleaved, 3, 3);  // after another document's row: stays
    logIn(level::Total, everyRight());
    open();

    struct Case {
        const char* what;
        int number, branch;
        long left;
    } const cases[] = {
        {"branch 2, rows stored with branch 1", branchTwo, 2, 1},
        {"interleaved with another document", interleaved, 1, 1},
        {"no instalment rows", none, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        show(c.number, c.branch);
        archiveShown();
        EXPECT_TRUE(stored(c.number, "PROPOSTA").isEmpty());
        EXPECT_EQ(rowsOf("PARCELAS", c.number), c.left);
        EXPECT_EQ(rowsOf("PARCELAS", other), 2);
    }
    EXPECT_EQ(rowCount("DOCUMORTOS"), 3);
}

TEST_F(DocumentArchive, NothingToArchiveOrNothingFound)
{
    const int number = addDocument({{"APOLICE", "P1"}});
    const int second = addDocument({{"APOLICE", "P2"}});
    logIn(level::Total, everyRight());
    open();

    // A blank number box: nothing written, the window cleared all the same.
    show(number);
    box("Text1")->setText(QStringLiteral("  "));
    archiveShown();
    EXPECT_EQ(rowCount("DOCUMORTOS"), 0);
    EXPECT_EQ(rowCount("DOCUMENTOS"), 2);
    EXPECT_TRUE(test::text(box("Text2")).isEmpty());

    // Deleted by another workstation, or a number that names no document: the
    // box, nothing written, the window as it was.
    for (const QString& typed : {QStringLiteral("12X"), QString::number(number)}) {
        SCOPED_TRACE(typed.toStdString());
        show(number);
        if (typed == QString::number(number))
            otherWorkstation(QStringLiteral("DELETE FROM DOCUMENTOS WHERE PROPOSTA = %1").arg(number));
        else
            box("Text1")->setText(typed);
        archiveShown(NotFound);
        EXPECT_EQ(rowCount("DOCUMORTOS"), 0);
        EXPECT_EQ(test::text(box("Text2")), "P1");
        EXPECT_EQ(test::text(box("Text1")), typed);
    }
    EXPECT_FALSE(stored(second, "PROPOSTA").isEmpty());
}

TEST_F(DocumentArchive, AFailureAnywhereStoresNothing)
{
    const int number = addDocument({{"APOLICE", "P1"}});
    instalments(number, 1, 3);
    logIn(level::Total, everyRight());
    open();
    show(number);

    // Another workstation writing: the first write meets its lock.
    {
        test::SecondWorkstationWriting other(pathOf("VORNA.MDB"));
        archiveShown(msg::RecordLocked + "3260");
    }
    // The last step refused, after the archive row and the deletion.
    otherWorkstation(QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON PARCELAS "
                                    "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    dialogs.expectYes(Question).expectOk();
    form().Command3D11_Click();
    ASSERT_EQ(dialogs.boxes.size(), 4u);
    EXPECT_TRUE(dialogs.boxes.back().text.startsWith(msg::RecordLocked)) << dialogs.boxes.back().text.toStdString();
    EXPECT_EQ(rowCount("DOCUMORTOS"), 0);
    EXPECT_FALSE(stored(number, "PROPOSTA").isEmpty());
    EXPECT_EQ(rowsOf("PARCELAS", number), 3);
    EXPECT_EQ(test::text(box("Text1")), QString::number(number));

    // Once the refusal is gone the same window archives it once.
    otherWorkstation(QStringLiteral("DROP TRIGGER refuse"));
    archiveShown();
    EXPECT_EQ(rowCount("DOCUMORTOS"), 1);
    EXPECT_TRUE(stored(number, "PROPOSTA").isEmpty());
    EXPECT_EQ(rowsOf("PARCELAS", number), 0);
    EXPECT_TRUE(test::text(box("Text1")).isEmpty());
}

}  // namespace
}  // namespace vorna
