#include "InsurerFixture.h"

#include "platform/runtime/Runtime.h"

#include <QTest>

namespace vorna {
namespace {

using InsurerRecord = test::InsurerFixture;

double number(const db::Recordset& rs, const char* field) { return rt::CDbl(rs.field(field)); }
QString textOf(const db::Recordset& rs, const char* field) { return rt::CStr(rs.field(field)); }

TEST_F(InsurerRecord, AddsTheTypedInsurerAndKeepsTheOtherBoxesForAFurtherOne)
{
    open();
    EXPECT_FALSE(shown());
    type("Text1", "12");
    type("Text2", "PORTO AZUL");
    type("MaskEdBox11", "1500,5");
    type("MaskEdBox10", "15");
    type("Text3", "JOANA");
    type("Text9", "contato@portoazul.com.br");
    type("Text7", "ATE 65 ANOS");
    type("MaskEdBox4", "12,3456");
    click("Command3D1");

    db::Recordset rs = insurer(12);
    EXPECT_EQ(textOf(rs, "NOME"), "PORTO AZUL");
    EXPECT_DOUBLE_EQ(number(rs, "META"), 1500.5);
    EXPECT_DOUBLE_EQ(number(rs, "CHEIA"), 15.0);
    EXPECT_EQ(textOf(rs, "CONTATO"), "JOANA");
    EXPECT_EQ(textOf(rs, "EMAIL"), "contato@portoazul.com.br");
    EXPECT_EQ(textOf(rs, "NORMAS"), "ATE 65 ANOS");
    EXPECT_DOUBLE_EQ(number(rs, "JUR4"), 12.3456);  // stored as typed, not rounded
    for (const char* rate : {"JUR5", "JUR7", "JUR10", "JUR12"})
        EXPECT_DOUBLE_EQ(number(rs, rate), 0.0) << rate;
    EXPECT_TRUE(rs.field("E2").isNull());
    EXPECT_TRUE(rs.field("SINISTRO").isNull());

    // Ready for a further insurer with the same values under another code.
    EXPECT_EQ(text("Text1"), "");
    EXPECT_EQ(focusName(), "Text1");
    EXPECT_FALSE(shown());
    EXPECT_EQ(text("Text2"), "PORTO AZUL");
    EXPECT_EQ(text("MaskEdBox5"), "0");
    type("Text1", "13");
    click("Command3D1");
    EXPECT_EQ(rowCount("CIAS"), 2);
    EXPECT_EQ(textOf(insurer(13), "NOME"), "PORTO AZUL");
    EXPECT_DOUBLE_EQ(number(insurer(13), "JUR4"), 12.3456);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(InsurerRecord, ShowsRatesThroughTwoDecimalsAndStoresThemRoundedWhenSavedAgain)
{
    addInsurer(7, "SUL", {{"JUR4", Variant(12.3456)}, {"JUR5", Variant(0.0)}, {"JUR12", Variant(3.0)},
                          {"JUR10", Variant(0.994)}, {"META", Variant(1234.5)}, {"E2", Variant("b@sul")}});
    open();
    click("Command3D8");
    EXPECT_TRUE(shown());
    EXPECT_EQ(text("Text1"), "7");
    EXPECT_EQ(text("Text2"), "SUL");
    EXPECT_EQ(text("MaskEdBox4"), "12,35");
    EXPECT_EQ(text("MaskEdBox5"), ",00");
    EXPECT_EQ(text("MaskEdBox7"), "");  // Null
    EXPECT_EQ(text("MaskEdBox1"), ",99");
    EXPECT_EQ(text("MaskEdBox12"), "3,00");
    EXPECT_EQ(text("MaskEdBox11"), "1234,5");  // the target as the stored value's text
    EXPECT_EQ(text("Text10"), "b@sul");
    EXPECT_EQ(text("Text3"), "");

    click("Command3D1");
    db::Recordset rs = insurer(7);
    EXPECT_DOUBLE_EQ(number(rs, "JUR4"), 12.35);
    EXPECT_DOUBLE_EQ(number(rs, "JUR5"), 0.0);
    EXPECT_DOUBLE_EQ(number(rs, "JUR7"), 0.0);  // a Null rate is stored as 0
    EXPECT_DOUBLE_EQ(number(rs, "JUR10"), 0.99);
    EXPECT_DOUBLE_EQ(number(rs, "JUR12"), 3.0);
    EXPECT_DOUBLE_EQ(number(rs, "META"), 1234.5);
    EXPECT_EQ(textOf(rs, "E2"), "b@sul");
}

TEST_F(InsurerRecord, AlterationWritesTheBoxesOverTheShownRowAndKeepsBlankedOptionalFields)
{
    addInsurer(7, "SUL", {{"EMAIL", Variant("a@sul")}, {"CONTATO", Variant("ANA")}, {"META", Variant(100.0)}});
    addInsurer(8, "NORTE");
    open();
    click("Command3D8");
    type("Text1", "70");        // a new code changes the shown insurer's key
    type("Text2", "SUL NOVO");
    type("Text9", "");          // blanked e-mail: kept
    type("Text3", "   ");       // blanks only: kept
    type("MaskEdBox11", "");    // blanked target: kept
    click("Command3D1");

    EXPECT_EQ(rowCount("CIAS"), 2);
    EXPECT_TRUE(findRow("CIAS", "CODIGO = 7").NoMatch());
    db::Recordset rs = insurer(70);
    EXPECT_EQ(textOf(rs, "NOME"), "SUL NOVO");
    EXPECT_EQ(textOf(rs, "EMAIL"), "a@sul");
    EXPECT_EQ(textOf(rs, "CONTATO"), "ANA");
    EXPECT_DOUBLE_EQ(number(rs, "META"), 100.0);
    EXPECT_EQ(textOf(insurer(8), "NOME"), "NORTE");

    // The window lets go of the record.
    EXPECT_FALSE(shown());
    EXPECT_EQ(text("Text2"), "");
    EXPECT_EQ(text("Text1"), "");
    EXPECT_EQ(focusName(), "Text1");
}

TEST_F(InsurerRecord, ABlankNameIsRequiredForAdditionAndAlteration)
{
    addInsurer(7, "SUL");
    open();
    type("Text1", "9");
    type("Text2", "   ");
    dialogs.expectOk("PREENCHIMENTO OBRIGATORIO - NOME");
    click("Command3D1");
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_EQ(focusName(), "Text2");
    EXPECT_EQ(rowCount("CIAS"), 1);

    click("Command3D8");
    type("Text2", "");
    dialogs.expectOk("PREENCHIMENTO OBRIGATORIO - NOME");
    click("Command3D1");
    EXPECT_EQ(focusName(), "Text2");
    EXPECT_EQ(textOf(insurer(7), "NOME"), "SUL");
    EXPECT_TRUE(shown());
}

TEST_F(InsurerRecord, ClearEmptiesEveryBoxAndEndsTheShownRecord)
{
    addInsurer(7, "SUL", {{"NORMAS", Variant("N")}, {"JUR4", Variant(1.0)}, {"CHEIA", Variant(2.0)}});
    open();
    click("Command3D8");
    click("Command3D2");
    EXPECT_FALSE(shown());
    for (const char* box : {"Text1", "Text2", "Text7", "MaskEdBox4", "MaskEdBox10"})
        EXPECT_EQ(text(box), "") << box;
}

struct DeletionCase {
    const char* name;
    dlg::Answer answer;
    bool deleted;
};

class InsurerDeletion : public test::InsurerFixture, public ::testing::WithParamInterface<DeletionCase> {};

TEST_P(InsurerDeletion, AsksFirstAndClearsTheWindowEitherWay)
{
    addInsurer(7, "SUL");
    addInsurer(8, "NORTE");
    open();
    click("Command3D8");
    dialogs.expect(GetParam().answer, "Você tem certeza que deseja excluir?");
    click("Command3D3");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO");
    EXPECT_EQ(dialogs.boxes[0].buttons, dlg::Buttons::YesNo);
    EXPECT_EQ(findRow("CIAS", "CODIGO = 7").NoMatch(), GetParam().deleted);
    EXPECT_FALSE(findRow("CIAS", "CODIGO = 8").NoMatch());
    EXPECT_FALSE(shown());
    EXPECT_EQ(text("Text1"), "");
    EXPECT_EQ(text("Text2"), "");
}

INSTANTIATE_TEST_SUITE_P(Answers, InsurerDeletion,
                         ::testing::Values(DeletionCase{"Yes", dlg::Answer::Yes, true},
                                           DeletionCase{"No", dlg::Answer::No, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InsurerRecord, ExitUnloadsAndTheNextOpeningStartsEmpty)
{
    addInsurer(7, "SUL");
    open();
    click("Command3D8");
    click("Command3D5");
    EXPECT_FALSE(window().isLoaded());
    open();
    EXPECT_EQ(text("Text2"), "");
    EXPECT_FALSE(shown());
    EXPECT_FALSE(control("List1")->isVisible());
}

TEST_F(InsurerRecord, CodeAndNameBoxesRefuseKeysOutsideTheirSets)
{
    open();
    type("Text1", "1a-2.");
    EXPECT_EQ(text("Text1"), "12");
    EXPECT_EQ(dialogs.beeps, 3);
    type("Text2", "SÃO/JOSÉ, 2");
    EXPECT_EQ(text("Text2"), "SO/JOS, 2");
    EXPECT_EQ(dialogs.beeps, 5);
    type("Text3", "Ação!");  // the other boxes take any key
    EXPECT_EQ(text("Text3"), "Ação!");
    EXPECT_EQ(dialogs.beeps, 5);
}

TEST_F(InsurerRecord, TabGoesThroughTheBoxesInTheirOrder)
{
    open();
    control("Text1")->setFocus(Qt::TabFocusReason);
    const QStringList expected{"Text2",      "MaskEdBox11", "Text3",      "Text13",     "Text4",
                               "Text12",     "Text9",       "Text10",     "Text11",     "Text5",
                               "Text6",      "MaskEdBox10", "MaskEdBox4", "MaskEdBox5", "MaskEdBox7",
                               "MaskEdBox1", "MaskEdBox12", "Text7",      "Text8",      "Command3D1"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusName();
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(InsurerRecord, EachButtonShowsItsOwnCaptionAndTheSurfaceHidesThemAll)
{
    addInsurer(7, "SUL");
    open();
    click("Command3D8");  // "Excluir" enabled, so it shows its caption too
    const std::pair<const char*, const char*> captions[] = {
        {"Command3D1", "Gravar"},          {"Command3D2", "Limpar"},
        {"Command3D3", "Excluir"},         {"Command3D4", "Consultar"},
        {"Command3D11", "Imprimir Ficha"}, {"Command3D15", "Listar Seguradoras"},
        {"Command3D5", "Sair"},            {"Command3D8", "Primeiro"},
        {"Command3D9", "Anterior"},        {"Command3D6", "Próximo"},
        {"Command3D7", "Último"}};
    std::vector<std::pair<QWidget*, QString>> buttons;
    for (const auto& [button, caption] : captions)
        buttons.emplace_back(control(button), QString::fromUtf8(caption));
    test::expectEachButtonsCaption(buttons, &window(), QPoint(window().width() - 3, window().height() - 2),
                                   [&] { return test::shownWindowLabels(window()); });
}

}  // namespace
}  // namespace vorna
