#include "Batch1Fixture.h"

#include "menu_batch/Labels.h"

namespace vorna {
namespace {

using test::Batch1Fixture;
using menu_batch::LabelSelection;

// The letter each caller code chooses, and the search built from it.
TEST(LabelSelectionTest, CallerCodesChooseTheLetter)
{
    const struct {
        LabelSelection by;
        Variant code;
        const char* letter;
        const char* criteria;
    } cases[] = {
        {LabelSelection::MailingStatus, Variant(90), "A", "MALAS LIKE '*A*'"},
        {LabelSelection::MailingStatus, Variant(80), "I", "MALAS LIKE '*I*'"},
        {LabelSelection::MailingStatus, Variant(910), "", "MALAS LIKE '**'"},
        {LabelSelection::PersonType, Variant(910), "J", "PESSOA LIKE '*J*'"},
        {LabelSelection::PersonType, Variant(810), "F", "PESSOA LIKE '*F*'"},
        {LabelSelection::PersonType, Variant(90), "", "PESSOA LIKE '**'"},
        {LabelSelection::Sex, Variant(710), "F", "SEXO LIKE '*F*'"},
        {LabelSelection::Sex, Variant(720), "M", "SEXO LIKE '*M*'"},
        {LabelSelection::Sex, Variant(), "", "SEXO LIKE '**'"},
        {LabelSelection::Sex, Variant("720"), "M", "SEXO LIKE '*M*'"},
    };
    for (const auto& c : cases) {
        const QString letter = menu_batch::labelLetter(c.by, c.code);
        EXPECT_EQ(letter, QString::fromLatin1(c.letter)) << c.criteria;
        EXPECT_EQ(menu_batch::labelCriteria(c.by, letter), QString::fromLatin1(c.criteria));
    }
}

class LabelsTest : public Batch1Fixture {
protected:
    void SetUp() override
    {
        Batch1Fixture::SetUp();
        // Residential labels, active, a man.
        ana = addClient({{"NOME", "ANA"}, {"CONTATO", "BETO"}, {"MALAS", "A"}, {"PESSOA", "F"}, {"SEXO", "M"},
                         {"TIPOETI", "R"}, {"PRODUTOR", 7}, {"END-RESIDENCIA", "RUA A, 1"}, {"BAIRRO", "CENTRO"},
                         {"CID-RESIDENCIA", "SANTOS"}, {"EST-RESIDENCIA", "SP"}, {"CEP-RESIDENCIA", "11010000"},
                         {"END-COMERCIAL", "AV B, 2"}, {"BAIRROCOM", "PORTO"}});
        // Commercial labels, inactive, a company.
        bia = addClient({{"NOME", "BIA LTDA"}, {"MALAS", "I"}, {"PESSOA", "J"}, {"SEXO", "J"}, {"TIPOETI", "C"},
                         {"PRODUTOR", 8}, {"END-RESIDENCIA", "RUA C, 3"}, {"BAIRRO", "VILA"},
                         {"END-COMERCIAL", "AV D, 4"}, {"BAIRROCOM", "BOQUEIRAO"}, {"CID-COMERCIAL", "SAO VICENTE"},
                         {"EST-COMERCIAL", "SP"}, {"CEP-COMERCIAL", "11320000"}});
        // Asked for no labels.
        addClient({{"NOME", "CAIO"}, {"MALAS", "A"}, {"PESSOA", "F"}, {"SEXO", "F"}, {"TIPOETI", " "}});
        addClient({{"NOME", "DUDA"}, {"MALAS", "A"}, {"PESSOA", "F"}, {"SEXO", "F"}});
        // No mailing status at all.
        addClient({{"NOME", "EVA"}, {"PESSOA", "F"}, {"SEXO", "F"}, {"TIPOETI", "R"}});
    }

    int ana = 0;
    int bia = 0;
};

TEST_F(LabelsTest, EachGeneratorAddsTheClientsItsCodeSelects)
{
    using Routine = void (shell::Form2::*)();
    const struct {
        Routine routine;
        Variant code;
        QStringList names;
        bool handsOver;
    } cases[] = {
        {&shell::Form2::FillLabelsByMailingStatus, Variant(90), {"ANA"}, false},
        {&shell::Form2::FillLabelsByMailingStatus, Variant(80), {"BIA LTDA"}, false},
        // Any other code: every client whose status holds a value.
        {&shell::Form2::FillLabelsByMailingStatus, Variant(0), {"ANA", "BIA LTDA"}, false},
        {&shell::Form2::FillLabelsByMailingStatus, Variant(), {"ANA", "BIA LTDA"}, false},
        {&shell::Form2::PrepareLabelsByMailingStatus, Variant(90), {"ANA"}, true},
        {&shell::Form2::PrepareLabelsByPersonType, Variant(910), {"BIA LTDA"}, true},
        {&shell::Form2::PrepareLabelsByPersonType, Variant(810), {"ANA", "EVA"}, true},
        {&shell::Form2::PrepareLabelsBySex, Variant(710), {"EVA"}, true},
        {&shell::Form2::PrepareLabelsBySex, Variant(720), {"ANA"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code.toString().toStdString() + " " + c.names.join(',').toStdString());
        menu().ClearLabelTable();
        state().handOver.HandOverCode = Variant();
        state().handOver.CallerCode = c.code;
        (menu().*c.routine)();
        EXPECT_EQ(labelNames(), c.names);
        EXPECT_TRUE(state().handOver.HandOverCode.identical(c.handsOver ? Variant(45) : Variant()));
        EXPECT_TRUE(menu().isEnabled());
        EXPECT_FALSE(menu().isVisible());
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(LabelsTest, ALabelCarriesTheAddressTheClientChose)
{
    state().handOver.CallerCode = Variant(0);
    menu().FillLabelsByMailingStatus();
    const std::vector<Label> expected{
        {"<null>", "ANA", "BETO", "RUA A, 1", "CENTRO", "SANTOS", "SP", "11010000", "<null>", "S"},
        {"<null>", "BIA LTDA", "<null>", "AV D, 4", "BOQUEIRAO", "SAO VICENTE", "SP", "11320000", "<null>", "S"},
    };
    EXPECT_EQ(labels(), expected);

    // A second run adds the same rows again.
    menu().FillLabelsByMailingStatus();
    EXPECT_EQ(labelNames(), (QStringList{"ANA", "BIA LTDA", "ANA", "BIA LTDA"}));
}

TEST_F(LabelsTest, ARunStoppedByTheEngineKeepsTheRowsSavedBefore)
{
    addClient({{"NOME", "FABIO"}, {"MALAS", "A"}, {"TIPOETI", "R"}});
    addClient({{"NOME", "GIL"}, {"MALAS", "A"}, {"TIPOETI", "R"}});
    refuseLabelInsert(QStringLiteral("FABIO"));
    state().handOver.CallerCode = Variant(90);
    dialogs.expectOk();
    menu().PrepareLabelsByMailingStatus();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.contains(QStringLiteral("row held"))) << dialogs.boxes[0].text.toStdString();
    EXPECT_EQ(labelNames(), QStringList{"ANA"});
    // The run ended there: the label printing was not reached.
    EXPECT_TRUE(state().handOver.HandOverCode.isEmpty());
}

TEST_F(LabelsTest, ClearingEmptiesTheTableAndStopsAtARowItCannotDelete)
{
    menu().ClearLabelTable();  // an empty table: nothing to say
    state().handOver.CallerCode = Variant(0);
    menu().FillLabelsByMailingStatus();
    menu().FillLabelsByMailingStatus();
    menu().ClearLabelTable();
    EXPECT_TRUE(labels().empty());

    menu().FillLabelsByMailingStatus();
    menu().FillLabelsByMailingStatus();
    refuseLabelDelete(QStringLiteral("BIA LTDA"));
    dialogs.expectOk();
    menu().ClearLabelTable();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.contains(QStringLiteral("row held")));
    // The row before it went; that row and the ones after stay.
    EXPECT_EQ(labelNames(), (QStringList{"BIA LTDA", "ANA", "BIA LTDA"}));
}

class ActivePolicyLabelsTest : public LabelsTest {};

TEST_F(ActivePolicyLabelsTest, OneRowPerClientWithAPolicyInForce)
{
    // Left from an earlier run: emptied first.
    addRow(QStringLiteral("TMPETI"), {{"CODIGO", 77}, {"NOME", "VELHO"}});
    const int caio = addClient({{"NOME", "CAIO NOVO"}, {"TIPOETI", "R"}, {"END-RESIDENCIA", "RUA E"}});
    addDocument({{"TIPO", "A"}, {"VIGENTE", "V"}, {"CODCLIENTE", 999}});  // its client is missing
    for (int i = 0; i < 3; ++i)
        addDocument({{"TIPO", "A"}, {"VIGENTE", "V"}, {"CODCLIENTE", ana}});
    addDocument({{"TIPO", "A"}, {"VIGENTE", "V"}, {"CODCLIENTE", 998}});  // missing too: nothing now
    addDocument({{"TIPO", "A"}, {"VIGENTE", "V"}});                       // no client
    addDocument({{"TIPO", "E"}, {"VIGENTE", "V"}, {"CODCLIENTE", bia}});
    addDocument({{"TIPO", "A"}, {"VIGENTE", "R"}, {"CODCLIENTE", bia}});
    addDocument({{"TIPO", "A"}, {"VIGENTE", "V"}, {"CODCLIENTE", caio}});

    menu().FillLabelsFromActivePolicies();
    const std::vector<Label> expected{
        {"0", "<null>", "<null>", "<null>", "<null>", "<null>", "<null>", "<null>", "<null>", "<null>"},
        {QString::number(ana), "ANA", "BETO", "RUA A, 1", "CENTRO", "SANTOS", "SP", "11010000", "7", "S"},
        {QString::number(caio), "CAIO NOVO", "<null>", "RUA E", "<null>", "<null>", "<null>", "<null>", "<null>", "S"},
    };
    EXPECT_EQ(labels(), expected);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ActivePolicyLabelsTest, TheFirstPolicyDecidesThePlaceholderOnly)
{
    // Without a client on the first policy, and with one that wants no labels.
    addDocument({{"TIPO", "A"}, {"VIGENTE", "V"}});
    const int none = addClient({{"NOME", "SEM ETIQUETA"}, {"TIPOETI", " "}});
    addDocument({{"TIPO", "A"}, {"VIGENTE", "V"}, {"CODCLIENTE", none}});
    addDocument({{"TIPO", "A"}, {"VIGENTE", "V"}, {"CODCLIENTE", 555}});
    addDocument({{"TIPO", "A"}, {"VIGENTE", "V"}, {"CODCLIENTE", bia}});
    menu().FillLabelsFromActivePolicies();
    EXPECT_EQ(labelNames(), QStringList{"BIA LTDA"});
}

TEST_F(ActivePolicyLabelsTest, NoPolicyInForceLeavesTheTableEmpty)
{
    addRow(QStringLiteral("TMPETI"), {{"CODIGO", 77}, {"NOME", "VELHO"}});
    addDocument({{"TIPO", "E"}, {"VIGENTE", "V"}, {"CODCLIENTE", ana}});
    menu().FillLabelsFromActivePolicies();
    EXPECT_TRUE(labels().empty());
}

TEST_F(ActivePolicyLabelsTest, RowsLeftByAFailedClearingStayBeforeTheNewOnes)
{
    addRow(QStringLiteral("TMPETI"), {{"CODIGO", 77}, {"NOME", "PRESO"}});
    addDocument({{"TIPO", "A"}, {"VIGENTE", "V"}, {"CODCLIENTE", ana}});
    refuseLabelDelete(QStringLiteral("PRESO"));
    dialogs.expectOk();
    menu().FillLabelsFromActivePolicies();
    EXPECT_EQ(labelNames(), (QStringList{"PRESO", "ANA"}));
}

}  // namespace
}  // namespace vorna
