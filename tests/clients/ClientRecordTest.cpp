#include "ClientFixture.h"

#include "platform/runtime/Runtime.h"
#include "support/SecondWorkstation.h"

#include <QTest>
#include <functional>
#include <optional>

namespace vorna::test {
namespace {

class ClientRecordTest : public ClientFixture {
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        addProducer(1, 1, "ANA PRODUTORA", Variant("TESTE"));
    }
    QString stored(int code, const char* field)
    {
        const Variant v = client(code).field(field);
        return v.isNull() ? QStringLiteral("<null>") : v.toString();
    }
};

struct PersonCase {
    const char* person;
    const char* cpfStored;
    const char* labelsTo;
    std::vector<std::pair<const char*, const char*>> required;  // message, box
};

const PersonCase PersonCases[] = {
    {"F", "12345678909", "R",
     {{"NOME", "Text2"}, {"PESSOA", "Combo2"}, {"ENDEREÇO", "Text4"}, {"CIDADE", "Text5"}, {"UF", "Combo3"},
      {"CEP", "Text7"}, {"TELEFONE", "Text8"}, {"CPF/CGC", "Text17"}, {"PRODUTOR", "Text18"}}},
    {"J", "11222333000181", "C",
     {{"NOME", "Text2"}, {"PESSOA", "Combo2"}, {"ENDEREÇO", "Text9"}, {"CIDADE", "Text10"}, {"UF", "Combo4"},
      {"CEP", "Text12"}, {"TELEFONE", "Text8"}, {"CPF/CGC", "Text17"}, {"PRODUTOR", "Text18"}}},
};

class NewClientTest : public ClientRecordTest, public ::testing::WithParamInterface<PersonCase> {};

TEST_P(NewClientTest, PassesTheRequiredBoxesInOrderAndIsStoredWithItsAuditRow)
{
    const PersonCase& p = GetParam();
    setNow(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 30)));
    open();
    // With every box from the k-th on blank (a box of blanks counts as blank),
    // the k-th is the one reported.
    for (size_t k = 0; k < p.required.size(); ++k) {
        fillRequired(p.person);
        for (size_t j = k; j < p.required.size(); ++j) {
            QWidget* w = c<QWidget>(p.required[j].second);
            if (auto* l = qobject_cast<ui::PickList*>(w))
                l->setListIndex(-1);
            else
                // A CPF box of blanks reads as zeros when it is left, so it is emptied.
                type(w, j == k && w != box("Text17") ? "  " : "");
        }
        dialogs.expectOk(QStringLiteral("PREENCHIMENTO OBRIGATORIO - ") + QString::fromUtf8(p.required[k].first));
        click(button("Command3D1"));
        EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
        EXPECT_EQ(focused()->objectName(), p.required[k].second) << p.required[k].first;
    }
    EXPECT_EQ(rowCount("CLIENTES"), 0);

    fillRequired(p.person);
    type(box("Text3"), "INDICADO");
    check("Check13")->setValue(1);  // "Possui Seg.Vida" alone: "Ativo" stays unticked
    dialogs.expectOk(Added + "1");
    click(button("Command3D1"));
    EXPECT_EQ(dialogs.boxes.back().title, "Inclusão");

    const std::vector<std::pair<const char*, QString>> expected = {
        {"NOME", "CLIENTE " + QString(p.person)}, {"PESSOA", p.person}, {"CPF", p.cpfStored},
        {"PRODUTOR", "1"}, {"FILIAL", "1"}, {"TARJA", "N"}, {"TIPOETI", p.labelsTo}, {"MALAS", "I"},
        {"VIP", " "}, {"SEGVID", "S"}, {"RESID", "N"}, {"OK1", "N"}, {"INDICACAO", "INDICADO"},
        {"TIPRES", ""}, {"SEXO", "<null>"}, {"EMAIL", "<null>"},
        {"RELCOD1", "0"}, {"RELNOM1", " "}, {"RELCMP1", " "}, {"RELCOD5", "0"}, {"RELCMP5", " "},
        {"CEP-RESIDENCIA", QString(p.person) == "F" ? "11010100" : "<null>"},
        {"CEP-COMERCIAL", QString(p.person) == "J" ? "13010200" : "<null>"},
    };
    for (const auto& [field, value] : expected)
        EXPECT_EQ(stored(1, field), value) << field;

    const std::vector<ClientAudit> audit = auditRows();
    ASSERT_EQ(audit.size(), 1u);
    EXPECT_EQ(audit[0].code, Variant(1));
    EXPECT_EQ(audit[0].name, "CLIENTE " + QString(p.person));
    EXPECT_EQ(audit[0].remarks, "INCLUSÂO DE CLIENTE");
    EXPECT_EQ(audit[0].user, Variant(UserCode));
    // The window is left empty for the next client.
    EXPECT_EQ(text(box("Text2")), "");
    EXPECT_EQ(text(box("Text1")), "");
    EXPECT_EQ(focused(), box("Text2"));
    EXPECT_FALSE(shown());

    // The next one gets the next code.
    fillRequired(p.person);
    dialogs.expectOk(Added + "2");
    click(button("Command3D1"));
    EXPECT_EQ(auditRows().back().code, Variant(2));
}

INSTANTIATE_TEST_SUITE_P(PersonTypes, NewClientTest, ::testing::ValuesIn(PersonCases),
                         [](const auto& info) { return std::string(info.param.person); });

// The tax number and postal codes are stored as the digits typed, whatever
// separators the box holds around them.
struct DigitsCase {
    const char* box;
    const char* typed;
    const char* field;
    const char* stored;
};
const DigitsCase DigitsCases[] = {
    {"Text17", "123.456.789-09", "CPF", "12345678909"},
    {"Text17", "12345678909", "CPF", "12345678909"},
    {"Text17", "11.222.333/0001-81", "CPF", "11222333000181"},
    {"Text17", "11222333000181", "CPF", "11222333000181"},
    {"Text17", "123.456", "CPF", "12345600000"},
    {"Text7", "11010-100", "CEP-RESIDENCIA", "11010100"},
    {"Text7", "11010100", "CEP-RESIDENCIA", "11010100"},
    {"Text7", "1101", "CEP-RESIDENCIA", "<null>"},  // not a code: not stored
};

class DigitsTest : public ClientRecordTest, public ::testing::WithParamInterface<DigitsCase> {};

TEST_P(DigitsTest, StoresTheDigitsOfTheBox)
{
    const DigitsCase& d = GetParam();
    open();
    fillRequired("F");
    type(list("Combo1"), QString(35, u'x'));  // an occupation is cut to its field
    // Put as a paste or a show puts it: the box is not left before the save.
    box(d.box)->setText(d.typed);
    dialogs.expectOk(Added + "1");
    click(button("Command3D1"));
    EXPECT_EQ(stored(1, d.field), d.stored);
    EXPECT_EQ(stored(1, "PROFISSAO"), QString(30, u'x'));
}

INSTANTIATE_TEST_SUITE_P(Boxes, DigitsTest, ::testing::ValuesIn(DigitsCases));

// ---- show, alter, clear ------------------------------------------------------------

TEST_F(ClientRecordTest, ShowsTheRowByItsRulesAlterationKeepsBlankedTextAndLimparEmpties)
{
    addProducer(1, 2, "OUTRA FILIAL", Variant("X"));  // the name comes from branch 1
    const int code = addClient("EMPRESA X", {{"PESSOA", "J"}, {"CPF", "11222333000181"}, {"FILIAL", 2},
                                             {"CEP-RESIDENCIA", "11010100"}, {"CEP-COMERCIAL", "1234"},
                                             {"SEXO", "M"}, {"CIVIL", "c"}, {"MALAS", "I"}, {"SEGVID", "S"},
                                             {"TIPOETI", " "}, {"VIP", "V"}, {"PROFISSAO", "Dentista"},
                                             {"EMAIL", "a@b.com"}, {"EST-COMERCIAL", "SP"},
                                             {"END-COMERCIAL", "AV C"}, {"CID-COMERCIAL", "SANTOS"},
                                             {"TEL-RESIDENCIA", "1"}, {"EST-RESIDENCIA", "sp"},
                                             {"ANIV", Variant::date(QDate(2001, 2, 3))},
                                             {"RELCOD2", 7}, {"RELNOM2", "C-FULANO"}});
    open();
    type(box("Text1"), QString::number(code));
    leave(box("Text1"));

    ASSERT_TRUE(shown());
    const std::vector<std::pair<const char*, QString>> boxes = {
        {"Text2", "EMPRESA X"}, {"Text17", "11.222.333/0001-81"}, {"Text7", "11010-100"}, {"Text12", "1234"},
        {"Text23", "1"}, {"Text18", "1"}, {"Combo8", "ANA PRODUTORA"}, {"Combo2", "J"}, {"Combo5", "MASCULINO"},
        {"Combo6", ""}, {"Combo4", "SP"}, {"Combo3", ""}, {"Combo1", "Dentista"}, {"MaskEdBox1", "03/02/2001"},
        {"Text16", "a@b.com"}, {"Text70", "7"}, {"Text74", "C-FULANO"},
    };
    for (const auto& [name, value] : boxes)
        EXPECT_EQ(text(c<QWidget>(name)), value) << name;
    EXPECT_FALSE(check("Check7")->Value());
    EXPECT_TRUE(check("Check13")->Value());
    EXPECT_TRUE(check("Check20")->Value());
    EXPECT_TRUE(option("Option5")->Value());
    EXPECT_EQ(label("Label26")->text(), "CNPJ:");
    EXPECT_EQ(label("Label14")->text(), "Const.:");
    EXPECT_FALSE(box("Text1")->isEnabled());
    EXPECT_FALSE(masked("MaskEdBox2")->isEnabled());
    EXPECT_TRUE(button("Command3D24")->isEnabled());
    EXPECT_EQ(state().session.DocumentOwner, Variant("TESTE"));

    // Alteration: a blanked box keeps its stored text; the slots and constants are rewritten.
    type(box("Text2"), "EMPRESA Y");
    type(box("Text16"), "");
    click(button("Command3D1"));
    EXPECT_TRUE(dialogs.boxes.empty());
    const std::vector<std::pair<const char*, QString>> fields = {
        {"NOME", "EMPRESA Y"}, {"EMAIL", "a@b.com"}, {"FILIAL", "1"}, {"CPF", "11222333000181"},
        {"CEP-COMERCIAL", "1234"}, {"CIVIL", "c"}, {"SEXO", "M"}, {"EST-RESIDENCIA", "sp"},
        {"TIPOETI", " "}, {"RELCOD2", "7"}, {"RELNOM2", "C-FULANO"}, {"RELCOD1", "0"}, {"TARJA", "N"},
    };
    for (const auto& [field, value] : fields)
        EXPECT_EQ(stored(code, field), value) << field;
    ASSERT_EQ(auditRows().size(), 1u);
    EXPECT_EQ(auditRows()[0].code, Variant(code));
    EXPECT_EQ(auditRows()[0].remarks, "DADOS DE CLIENTE ALTERADOS");
    EXPECT_FALSE(shown());
    EXPECT_TRUE(box("Text1")->isEnabled());
    EXPECT_EQ(focused(), box("Text2"));

    // "Limpar" after a show: empty boxes, the locked boxes open, nothing shown.
    type(box("Text1"), QString::number(code));
    leave(box("Text1"));
    ASSERT_TRUE(shown());
    click(button("Command3D2"));
    EXPECT_FALSE(shown());
    EXPECT_FALSE(button("Command3D24")->isEnabled());
    for (const char* name : {"Text1", "Text2", "Text17", "Text23", "Text18", "Combo8", "Combo5"})
        EXPECT_EQ(text(c<QWidget>(name)), "") << name;
    EXPECT_EQ(masked("MaskEdBox1")->ClipText(), "");
    EXPECT_FALSE(check("Check13")->Value());
    EXPECT_FALSE(option("Option5")->Value());
    EXPECT_TRUE(masked("MaskEdBox2")->isEnabled());
    EXPECT_EQ(label("Label26")->text(), "CNPJ:");  // captions stay
}

TEST_F(ClientRecordTest, PersonTypeBoxSetsTheTaxNumberCaption)
{
    open();
    for (const auto& [type, caption] : {std::pair{"F", "CPF.:"}, std::pair{"J", "CNPJ:"}}) {
        choose(list("Combo2"), type);
        leave(list("Combo2"));
        EXPECT_EQ(label("Label26")->text(), caption);
    }
}

TEST_F(ClientRecordTest, AWriteTheDatabaseRefusesStoresNothingAndKeepsTheTypedValues)
{
    open();
    fillRequired("F");
    {
        SecondWorkstationWriting other(pathOf("VORNA.MDB"));
        dialogs.expectOk(msg::withNumber(msg::RecordLocked, 3260));
        click(button("Command3D1"));
    }
    EXPECT_EQ(rowCount("CLIENTES"), 0);
    EXPECT_TRUE(auditRows().empty());
    EXPECT_EQ(text(box("Text2")), "CLIENTE F");
    EXPECT_EQ(text(box("Text17")), "123.456.789-09");

    dialogs.expectOk(Added + "1");
    click(button("Command3D1"));
    EXPECT_EQ(stored(1, "CPF"), "12345678909");
    EXPECT_EQ(auditRows().size(), 1u);
}

// ---- the third level and the rights ---------------------------------------------------

struct OwnerCase {
    const char* what;
    int producer;
    bool seen;
    Variant owner;
};

class OwnerRuleTest : public ClientRecordTest, public ::testing::WithParamInterface<OwnerCase> {};

TEST_P(OwnerRuleTest, TheThirdLevelSeesOnlyClientsOfItsOwnProducer)
{
    const OwnerCase& o = GetParam();
    addProducer(2, 1, "CASO DIFERENTE", Variant("teste"));
    addProducer(3, 1, "SEM SENHA");
    const int code = addClient("CLIENTE", {{"PRODUTOR", o.producer}});
    logIn(level::Minimum, everyRight());
    open();
    EXPECT_FALSE(list("Combo8")->isEnabled());
    if (!o.seen)
        dialogs.expectOk(msg::NotAllowedToSeeDocument);
    type(box("Text1"), QString::number(code));
    leave(box("Text1"));
    EXPECT_EQ(shown(), o.seen);
    EXPECT_EQ(text(box("Text2")), o.seen ? "CLIENTE" : "");
    if (!o.seen) {
        EXPECT_EQ(dialogs.boxes.back().title, "Atenção");
        EXPECT_TRUE(box("Text1")->isEnabled());
    }
    EXPECT_EQ(state().session.DocumentOwner, o.owner);
}

const OwnerCase OwnerCases[] = {
    {"own", 1, true, Variant("TESTE")},
    {"case", 2, false, Variant("teste")},
    {"nopassword", 3, false, Variant("WENDOLK")},
    {"noproducer", 9, false, Variant(" ")},
};
INSTANTIATE_TEST_SUITE_P(Producers, OwnerRuleTest, ::testing::ValuesIn(OwnerCases),
                         [](const auto& info) { return std::string(info.param.what); });

struct RefusalCase {
    const char* what;
    QString level;
    std::vector<Right> rights;
    bool withShownClient;
    const char* button;
    QString message;
};

class RefusalTest : public ClientRecordTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, RefusesBeforeAnythingIsValidatedOrWritten)
{
    const RefusalCase& r = GetParam();
    const int code = addClient("GUARDADO");
    logIn(r.level, r.rights);
    open();
    if (r.withShownClient) {
        type(box("Text1"), QString::number(code));
        leave(box("Text1"));
        ASSERT_TRUE(shown());
    }
    dialogs.expectOk(r.message);
    click(button(r.button));
    EXPECT_EQ(rowCount("CLIENTES"), 1);
    EXPECT_EQ(text(box("Text2")), r.withShownClient ? "GUARDADO" : "");
    EXPECT_FALSE(c<QWidget>("Frame3D6")->isVisible());
    EXPECT_TRUE(auditRows().empty());
}

const RefusalCase RefusalCases[] = {
    {"ThirdLevelNew", level::Minimum, {Right::ICC, Right::ACC}, false, "Command3D1", msg::OnlyConsultation},
    {"ThirdLevelShown", level::Minimum, {Right::ICC, Right::ACC}, true, "Command3D1", msg::OnlyConsultation},
    {"NoIcc", level::Total, {Right::ACC}, false, "Command3D1", msg::NoAccessToModule},
    {"NoAcc", level::Medium, {Right::ICC}, true, "Command3D1", msg::NoAccessToModule},
    {"NoEcc", level::Total, {Right::ICC, Right::ACC}, true, "Command3D3", msg::NoAccessToModule},
    {"SecondLevelDeletes", level::Medium, {Right::ECC}, true, "Command3D3", msg::OnlyConsultation},
};
INSTANTIATE_TEST_SUITE_P(Levels, RefusalTest, ::testing::ValuesIn(RefusalCases),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(ClientRecordTest, TheSecondLevelAddsAndAltersWithItsRights)
{
    logIn(level::Medium, {Right::ICC, Right::ACC});
    open();
    fillRequired("J");
    dialogs.expectOk(Added + "1");
    click(button("Command3D1"));
    type(box("Text1"), "1");
    leave(box("Text1"));
    type(box("Text2"), "NOVO NOME");
    click(button("Command3D1"));
    EXPECT_EQ(stored(1, "NOME"), "NOVO NOME");
}

// ---- deletion -------------------------------------------------------------------------

struct DeletionCase {
    const char* what;
    const char* typed;
    std::optional<bool> answer;  // the question's answer; none: no question
    bool refused;
    bool deleted;
    bool shownAfter;
};

class DeletionTest : public ClientRecordTest, public ::testing::WithParamInterface<DeletionCase> {};

TEST_P(DeletionTest, AsksForTheDeletionPasswordAndThenTheQuestion)
{
    const DeletionCase& d = GetParam();
    const int code = addClient("A APAGAR");
    state().settings.DeletionPassword = Variant(" Apagar ");
    open();
    box("Text29")->setText("resto de antes");  // the panel empties its box at each opening
    type(box("Text1"), QString::number(code));
    leave(box("Text1"));
    click(button("Command3D3"));
    ASSERT_TRUE(c<QWidget>("Frame3D6")->isVisible());
    EXPECT_FALSE(c<QWidget>("Frame3D2")->isVisible());
    EXPECT_EQ(focused(), box("Text29"));
    EXPECT_EQ(text(box("Text29")), "");

    QTest::keyClicks(box("Text29"), d.typed);
    if (d.refused)
        dialogs.expectOk(Refused);
    if (d.answer)
        *d.answer ? dialogs.expectYes(msg::ConfirmDeletion) : dialogs.expectNo(msg::ConfirmDeletion);
    box("Text2")->setFocus(Qt::TabFocusReason);

    EXPECT_FALSE(c<QWidget>("Frame3D6")->isVisible());
    EXPECT_TRUE(c<QWidget>("Frame3D2")->isVisible());
    EXPECT_EQ(rowCount("CLIENTES"), d.deleted ? 0 : 1);
    EXPECT_EQ(shown(), d.shownAfter);
    EXPECT_EQ(button("Command3D24")->isEnabled(), d.shownAfter);
    EXPECT_EQ(text(box("Text2")), d.shownAfter ? "A APAGAR" : "");
    const std::vector<ClientAudit> audit = auditRows();
    ASSERT_EQ(audit.size(), d.deleted ? 1u : 0u);
    if (d.deleted) {
        EXPECT_EQ(audit[0].code, Variant(code));
        EXPECT_EQ(audit[0].name, "A APAGAR");
        EXPECT_EQ(audit[0].remarks, "EXCLUSAO DE ESTIPULANTE");
        EXPECT_EQ(focused(), box("Text1"));
    }
}

const DeletionCase DeletionCases[] = {
    {"RightPasswordYes", "  Apagar ", true, false, true, false},
    {"RightPasswordNo", "Apagar", false, false, false, false},
    {"OtherCase", "apagar", std::nullopt, true, false, true},
    {"Blank", "   ", std::nullopt, false, false, true},
};
INSTANTIATE_TEST_SUITE_P(Passwords, DeletionTest, ::testing::ValuesIn(DeletionCases),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace vorna::test
