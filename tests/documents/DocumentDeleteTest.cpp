#include "DocumentEntryFixture.h"

#include "platform/controls/Twips.h"
#include "support/SecondWorkstation.h"

#include <QTest>

namespace vorna {
namespace {

const QString NotDeleted = QStringLiteral("SENHA INCORRETA!DOCUMENTO NÃO SERÁ EXCLUÍDO!");
const char* const Covered[] = {"Frame3D3",  "Frame3D5",  "Frame3D8",  "Frame3D9", "Frame3D10",
                               "Frame3D11", "Frame3D13", "Frame3D14", "Text23"};

class DocumentDelete : public test::DocumentEntryFixture {
protected:
    void SetUp() override
    {
        DocumentEntryFixture::SetUp();
        state().settings.DeletionPassword = Variant("Apaga");
    }
    int document(int line, const char* policy = "P-1")
    {
        return addDocument({{"RAMO", line}, {"APOLICE", policy}, {"CODCLIENTE", 9}, {"NOMCLIENTE", "DONO"}});
    }
    void items(const char* table, int number, int count)
    {
        for (int i = 0; i < count; ++i)
            addRow(table, {{"PROPOSTA", number}, {"FILIAL", 1}});
    }
    void instalments(int number, std::initializer_list<int> numbers)
    {
        for (int n : numbers)
            addRow("PARCELAS", {{"PROPOSTA", number}, {"NUMERO", n}, {"FILIAL", 1}});
    }
    long rowsOf(const char* table, int number)
    {
        db::Recordset rs = mainDatabase().openRecordset(QString::fromLatin1(table));
        long n = 0;
        if (rs.RecordCount() == 0)
            return 0;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext())
            n += rt::CLng(rs.field("PROPOSTA")) == number;
        return n;
    }
    // "Excluir", the password typed and left, the question answered.
    void deleteShown(const QString& password, std::optional<bool> yes, const QString& thenBox = {})
    {
        test::click(button("Command3D3"));
        ASSERT_TRUE(control("Frame3D2")->isVisible());
        if (yes)
            *yes ? dialogs.expectYes(msg::ConfirmDeletion) : dialogs.expectNo(msg::ConfirmDeletion);
        if (!thenBox.isEmpty())
            dialogs.expectOk(thenBox);
        QTest::keyClicks(box("Text12"), password);
        control("Text6")->setFocus(Qt::TabFocusReason);
    }
};

TEST_F(DocumentDelete, OnlyTheRightAndTheFirstTwoLevelsOpenThePanel)
{
    const int number = document(311);
    open();
    struct Case {
        const char* what;
        QString level;
        bool ecd;
        QString refusal;  // empty: the panel opens
    } cases[] = {
        {"no ECD", level::Total, false, msg::NoAccessToModule},
        {"third level", level::Minimum, true, msg::OnlyConsultation},
        {"second level", level::Medium, true, ""},
        {"first level", level::Total, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        logIn(level::Total, everyRight());
        show(number);
        std::vector<Right> rights = everyRight();
        if (!c.ecd)
            std::erase(rights, Right::ECD);
        logIn(c.level, rights);
        dialogs.clear();
        if (!c.refusal.isEmpty())
            dialogs.expectOk(c.refusal);
        test::click(button("Command3D3"));
        EXPECT_EQ(control("Frame3D2")->isVisible(), c.refusal.isEmpty());
        if (c.refusal.isEmpty()) {
            EXPECT_EQ(control("Frame3D2")->y(), ui::twips(3630));
            EXPECT_EQ(values().PendingPasswordAction, 1);
            for (const char* covered : Covered)
                EXPECT_FALSE(control(covered)->isVisible()) << covered;
            dialogs.expectOk(NotDeleted);
            QTest::keyClicks(box("Text12"), "apaga");
            control("Text6")->setFocus(Qt::TabFocusReason);
            for (const char* covered : Covered)
                EXPECT_TRUE(control(covered)->isVisible()) << covered;
            EXPECT_EQ(values().PendingPasswordAction, 0);
        }
        EXPECT_EQ(rowCount("DOCUMENTOS"), 1);
    }
}

TEST_F(DocumentDelete, YesDeletesTheDocumentWithItsItemsAndFirstRunOfInstalments)
{
    struct Case {
        const char* what;
        int line;
        const char* lineBox;  // the plan code as the box shows it
        long automovel, multirisco, outros;  // the document's items left of 3 each
    } cases[] = {
        {"vehicles: every one", 311, "311", 0, 3, 3},
        {"multi-risk: the first", 761, "761", 3, 2, 3},
        {"763 is another line", 763, "763", 3, 3, 2},
        {"a code that is no number", 311, "3A1", 3, 3, 2},
    };
    std::vector<int> numbers, others;
    for (const Case& c : cases) {
        const int number = document(c.line);
        const int other = document(c.line, "OUTRA");
        for (const char* table : {"AUTOMOVEL", "MULTIRISCO", "OUTROS"}) {
            items(table, number, 3);
            items(table, other, 1);
        }
        numbers.push_back(number);
        others.push_back(other);
    }
    // The first document's twelve in a row; the second's interleaved with another's.
    instalments(numbers[0], {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    instalments(numbers[1], {1, 2});
    instalments(others[1], {1});
    instalments(numbers[1], {3});
    open();

    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.what);
        const int number = numbers[i];
        show(number);
        setBox("Text4", c.lineBox);
        dialogs.clear();
        deleteShown(" Apaga ", true);
        EXPECT_TRUE(stored(number, "PROPOSTA").isEmpty());
        EXPECT_EQ(rowsOf("AUTOMOVEL", number), c.automovel);
        EXPECT_EQ(rowsOf("MULTIRISCO", number), c.multirisco);
        EXPECT_EQ(rowsOf("OUTROS", number), c.outros);
        for (const char* table : {"AUTOMOVEL", "MULTIRISCO", "OUTROS"})
            EXPECT_EQ(rowsOf(table, others[i]), 1) << table;
        EXPECT_FALSE(stored(others[i], "PROPOSTA").isEmpty());
        EXPECT_TRUE(test::text(box("Text1")).isEmpty());
        EXPECT_FALSE(button("Command3D3")->isEnabled());
        EXPECT_EQ(values().PendingPasswordAction, 0);
        const auto audit = auditRows();
        ASSERT_EQ(audit.size(), i + 1);
        EXPECT_EQ(rt::CLng(audit.back().client), 9);
        EXPECT_EQ(audit.back().name, "DONO");
        EXPECT_EQ(rt::CLng(audit.back().document), number);
        EXPECT_EQ(audit.back().policy, Variant("P-1"));
        EXPECT_EQ(audit.back().remarks, Variant("EXCLUSÂO DE DOCUMENTO"));
    }
    EXPECT_EQ(rowsOf("PARCELAS", numbers[0]), 0);
    EXPECT_EQ(rowsOf("PARCELAS", numbers[1]), 1);  // the one after another document's row
    EXPECT_EQ(rowsOf("PARCELAS", others[1]), 1);
}

TEST_F(DocumentDelete, NoClearsTheWindowAndDeletesNothing)
{
    const int number = document(311);
    items("AUTOMOVEL", number, 1);
    open();
    show(number);
    deleteShown("Apaga", false);
    EXPECT_EQ(rowCount("DOCUMENTOS"), 1);
    EXPECT_EQ(rowCount("AUTOMOVEL"), 1);
    EXPECT_TRUE(auditRows().empty());
    EXPECT_TRUE(test::text(box("Text1")).isEmpty());
    for (const char* disabled : {"Command3D3", "Command3D11", "Command3D15", "Command3D20", "Command3D22"})
        EXPECT_FALSE(button(disabled)->isEnabled()) << disabled;
}

TEST_F(DocumentDelete, TheShownDocumentGoesWhereverTheRecordsetWent)
{
    const int shown = document(311);
    const int other = document(311, "OUTRA");
    open();
    show(shown);
    form().recordsets().DOCUMENTOS.FindFirst(QStringLiteral("PROPOSTA = %1").arg(other));
    deleteShown("Apaga", true);
    EXPECT_TRUE(stored(shown, "PROPOSTA").isEmpty());
    EXPECT_FALSE(stored(other, "PROPOSTA").isEmpty());
}

TEST_F(DocumentDelete, ADeletionThatCannotWriteDeletesNothing)
{
    const int number = document(311);
    items("AUTOMOVEL", number, 2);
    instalments(number, {1, 2});
    open();
    show(number);
    {
        test::SecondWorkstationWriting other(pathOf("VORNA.MDB"));
        deleteShown("Apaga", true, msg::RecordLocked + "3260");
    }
    EXPECT_EQ(rowCount("DOCUMENTOS"), 1);
    EXPECT_EQ(rowCount("AUTOMOVEL"), 2);
    EXPECT_EQ(rowCount("PARCELAS"), 2);
    EXPECT_TRUE(auditRows().empty());
    EXPECT_EQ(test::text(box("Text1")), QString::number(number));
    EXPECT_TRUE(button("Command3D3")->isEnabled());

    // Once the lock is gone the same window deletes it all.
    deleteShown("Apaga", true);
    EXPECT_EQ(rowCount("DOCUMENTOS"), 0);
    EXPECT_EQ(rowCount("AUTOMOVEL"), 0);
    EXPECT_EQ(rowCount("PARCELAS"), 0);
    EXPECT_EQ(auditRows().size(), 1u);
}

}  // namespace
}  // namespace vorna
