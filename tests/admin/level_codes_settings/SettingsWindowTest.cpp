#include "AdminFixture.h"

#include "admin/Form42.h"
#include "platform/dialogs/Dialogs.h"

#include <functional>
#include <optional>

namespace vorna::test {
namespace {

const QString Updated = QStringLiteral("PARÂMETROS DO SISTEMA ATUALIZADOS");

// A settings row with every field the window shows filled.
const Fields FilledSettings = {
    {"NOME", Variant("CORRETORA MODELO")}, {"ENDERECO", Variant("RUA A, 10")}, {"BAIRRO", Variant("CENTRO")},
    {"CIDADE", Variant("SANTOS")},         {"UF", Variant("SP")},              {"CEP", Variant("11010000")},
    {"FONE1", Variant("13 3222-0000")},    {"FONE2", Variant("contato@modelo.com.br")},
    {"SMTP", Variant("smtp.modelo.com.br")}, {"USUARIO", Variant("envio")}, {"SENHA", Variant("segredo")},
    {"EMISSOR", Variant("Corretora")},     {"ENVIOEMAIL", Variant("base@modelo.com.br")},
    {"I9", Variant(0.38)},                 {"I8", Variant(2.38)},              {"I3", Variant(7.38)},
    {"PASSE1", Variant("VASKO")},          {"PASSE2", Variant("NIBUL")},       {"PASSE3", Variant("QUABRO")},
    {"PASSE4", Variant("ZORVIL")},         {"INGLES", Variant("P")},           {"CUSTO", Variant("N")},
    {"EMAIL", Variant("E")},
};

class SettingsWindowTest : public AdminFixture {
protected:
    admin::Form42& window() { return ui::windowRef<admin::Form42>(); }
    Ui::Form42& controls() { return window().controls(); }
    void clickSave() { QTest::mouseClick(controls().Command3D2, Qt::LeftButton); }

    // Every text box of the window with its field.
    std::vector<std::pair<const char*, QLineEdit*>> textBoxes()
    {
        Ui::Form42& c = controls();
        return {{"NOME", c.Text2},        {"ENDERECO", c.Text1}, {"BAIRRO", c.Text3},  {"CIDADE", c.Text4},
                {"UF", c.Text5},          {"CEP", c.Text8},      {"FONE1", c.Text6},   {"FONE2", c.Text7},
                {"SMTP", c.Text13},       {"USUARIO", c.Text14}, {"SENHA", c.Text15},  {"EMISSOR", c.Text16},
                {"ENVIOEMAIL", c.Text17}, {"PASSE1", c.Text9},   {"PASSE2", c.Text10}, {"PASSE3", c.Text11},
                {"PASSE4", c.Text12}};
    }
    void expectStoredAsFilled()
    {
        for (const auto& [field, value] : FilledSettings)
            EXPECT_TRUE(stored("REGISTRO", field).identical(value)) << field.toStdString();
    }
};

TEST_F(SettingsWindowTest, ShowsTheStoredRowWithTheRatesInDecimalComma)
{
    setFirstRow("REGISTRO", FilledSettings);
    setFirstRow("REGISTRO", {{"I9", Variant(0.5)}, {"INGLES", Variant("I")}, {"CUSTO", Variant("S")},
                             {"EMAIL", Variant("O")}});
    open(window());

    EXPECT_EQ(window().windowTitle(), "Registro e Parâmetros do Sistema");
    EXPECT_EQ(controls().Text2->text(), "CORRETORA MODELO");
    EXPECT_EQ(controls().Text7->text(), "contato@modelo.com.br");
    EXPECT_EQ(controls().Text13->text(), "smtp.modelo.com.br");
    EXPECT_EQ(controls().Text12->text(), "ZORVIL");
    EXPECT_EQ(controls().MaskEdBox1->Text(), "0,5");
    EXPECT_EQ(controls().MaskEdBox2->Text(), "2,38");
    EXPECT_EQ(controls().MaskEdBox3->Text(), "7,38");
    EXPECT_EQ(controls().Check2->Value(), ui::CheckBox::Checked);
    EXPECT_EQ(controls().Check3->Value(), ui::CheckBox::Checked);
    EXPECT_FALSE(controls().OptionButton1->Value());
    EXPECT_TRUE(controls().OptionButton2->Value());
    EXPECT_TRUE(dialogs.boxes.empty());
}

// The three codes as they are stored, what the window shows, and what a save
// with nothing touched stores.
struct OptionCase {
    const char* name;
    Variant email, language, cost;
    bool express, outlook, english, hideCost;
    const char* savedEmail;
    const char* savedLanguage;
    const char* savedCost;
};
const OptionCase OptionCases[] = {
    {"Null", Variant::null(), Variant::null(), Variant::null(), false, false, false, false, "E", "P", "N"},
    {"UnknownCodes", Variant("X"), Variant("i"), Variant("s"), false, false, false, false, "E", "P", "N"},
    {"Express", Variant("E"), Variant("P"), Variant("N"), true, false, false, false, "E", "P", "N"},
    {"Outlook", Variant("O"), Variant("I"), Variant("S"), false, true, true, true, "O", "I", "S"},
};

class SettingsOptionTest : public SettingsWindowTest, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(SettingsOptionTest, CodesShowAsTheirControlsAndSaveBack)
{
    const OptionCase& c = GetParam();
    setFirstRow("REGISTRO", FilledSettings);
    setFirstRow("REGISTRO", {{"EMAIL", c.email}, {"INGLES", c.language}, {"CUSTO", c.cost}});
    open(window());
    EXPECT_EQ(controls().OptionButton1->Value(), c.express);
    EXPECT_EQ(controls().OptionButton2->Value(), c.outlook);
    EXPECT_EQ(controls().Check2->Value() == ui::CheckBox::Checked, c.english);
    EXPECT_EQ(controls().Check3->Value() == ui::CheckBox::Checked, c.hideCost);

    dialogs.expectOk(Updated);
    clickSave();
    EXPECT_TRUE(stored("REGISTRO", "EMAIL").identical(Variant(c.savedEmail)));
    EXPECT_TRUE(stored("REGISTRO", "INGLES").identical(Variant(c.savedLanguage)));
    EXPECT_TRUE(stored("REGISTRO", "CUSTO").identical(Variant(c.savedCost)));
}

INSTANTIATE_TEST_SUITE_P(Options, SettingsOptionTest, ::testing::ValuesIn(OptionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsWindowTest, ChosenOptionsAreStored)
{
    setFirstRow("REGISTRO", FilledSettings);
    open(window());
    QTest::mouseClick(controls().OptionButton2, Qt::LeftButton);
    QTest::mouseClick(controls().Check2, Qt::LeftButton);
    QTest::mouseClick(controls().Check3, Qt::LeftButton);
    EXPECT_FALSE(controls().OptionButton1->Value()) << "one of the two at a time";

    dialogs.expectOk(Updated);
    clickSave();
    EXPECT_TRUE(stored("REGISTRO", "EMAIL").identical(Variant("O")));
    EXPECT_TRUE(stored("REGISTRO", "INGLES").identical(Variant("I")));
    EXPECT_TRUE(stored("REGISTRO", "CUSTO").identical(Variant("S")));
}

// The three required passwords, checked in their order.
struct PasswordCase {
    const char* name;
    const char* deletion;
    const char* commission;
    const char* settlement;
    const char* message;
};
const PasswordCase PasswordCases[] = {
    {"DeletionOnlyBlanks", "   ", "", "", "PREENCHA A SENHA DE EXCLUSÃO!"},
    {"CommissionAndSettlementBlank", "NOVA", "", " ", "PREENCHA A SENHA DE ALTERAÇÃO!"},
    {"SettlementBlank", "NOVA", "OUTRA", "  ", "PREENCHA A SENHA DE BAIXAS!"},
};

class SettingsPasswordTest : public SettingsWindowTest, public ::testing::WithParamInterface<PasswordCase> {};

TEST_P(SettingsPasswordTest, BlankRequiredPasswordRefusesTheSave)
{
    const PasswordCase& c = GetParam();
    setFirstRow("REGISTRO", FilledSettings);
    open(window());
    controls().Text2->setText("OUTRO NOME");
    controls().Text9->setText(c.deletion);
    controls().Text10->setText(c.commission);
    controls().Text11->setText(c.settlement);
    controls().Text5->setFocus(Qt::MouseFocusReason);

    dialogs.expectOk(QString::fromUtf8(c.message));
    QMetaObject::invokeMethod(controls().Command3D2, "Click");  // Gravar, the focus left where it is

    ASSERT_EQ(dialogs.boxes.size(), 1u) << "only the first blank one is named";
    EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO");
    EXPECT_EQ(dialogs.boxes[0].icon, dlg::Icon::None);
    EXPECT_EQ(QApplication::focusWidget(), controls().Text5) << "the focus stays where it was";
    expectStoredAsFilled();
}

INSTANTIATE_TEST_SUITE_P(Required, SettingsPasswordTest, ::testing::ValuesIn(PasswordCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsWindowTest, BlankBoxesKeepTheStoredValues)
{
    setFirstRow("REGISTRO", FilledSettings);
    open(window());
    for (const auto& [field, box] : textBoxes()) {
        const QString f = QString::fromLatin1(field);
        if (f != "PASSE1" && f != "PASSE2" && f != "PASSE3")
            box->setText(QStringLiteral("  "));
    }
    for (ui::MaskEdBox* rate : {controls().MaskEdBox1, controls().MaskEdBox2, controls().MaskEdBox3})
        rate->setText(QString());

    dialogs.expectOk(Updated);
    clickSave();

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO");
    expectStoredAsFilled();
    EXPECT_EQ(window().state(), ui::Window::State::Shown) << "the window stays open";
    EXPECT_EQ(controls().Text2->text(), "  ") << "nothing is reloaded";
}

TEST_F(SettingsWindowTest, AddressKeepsItsBlanksPasswordsAndMailSettingsAreTrimmed)
{
    setFirstRow("REGISTRO", FilledSettings);
    state().settings.DeletionPassword = Variant("VASKO");
    state().settings.CompanyName = QStringLiteral("CORRETORA MODELO");
    state().settings.IofRateLife = 0.38;
    open(window());
    controls().Text1->setText("  AV. BRASIL, 500 ");
    controls().Text2->setText("   ");
    controls().Text9->setText(" NOVA ");
    controls().Text12->setText("PROD4 ");
    controls().Text13->setText("  smtp.outro.com ");
    controls().Text15->setText(" nova senha ");

    dialogs.expectOk(Updated);
    clickSave();

    EXPECT_TRUE(stored("REGISTRO", "ENDERECO").identical(Variant("  AV. BRASIL, 500 ")));
    EXPECT_TRUE(stored("REGISTRO", "NOME").identical(Variant("CORRETORA MODELO"))) << "a name of blanks keeps the name";
    EXPECT_TRUE(stored("REGISTRO", "PASSE1").identical(Variant("NOVA")));
    EXPECT_TRUE(stored("REGISTRO", "PASSE4").identical(Variant("PROD4")));
    EXPECT_TRUE(stored("REGISTRO", "SMTP").identical(Variant("smtp.outro.com")));
    EXPECT_TRUE(stored("REGISTRO", "SENHA").identical(Variant("nova senha")));
    // The running program keeps what it copied at start-up until the next start.
    EXPECT_TRUE(state().settings.DeletionPassword.identical(Variant("VASKO")));
    EXPECT_EQ(state().settings.CompanyName, "CORRETORA MODELO");
    EXPECT_EQ(state().settings.IofRateLife, 0.38);
}

TEST_F(SettingsWindowTest, TypedRateIsReadWithTheDecimalCommaAndShownSoAgain)
{
    setFirstRow("REGISTRO", FilledSettings);
    open(window());
    ui::MaskEdBox* life = controls().MaskEdBox1;
    typeInto(life, "0.,5");
    EXPECT_EQ(life->Text(), "0,5") << "the point is refused";
    EXPECT_EQ(dialogs.beeps, 1);

    dialogs.expectOk(Updated);
    clickSave();
    EXPECT_TRUE(stored("REGISTRO", "I9").identical(Variant(0.5)));

    QTest::mouseClick(controls().Command3D5, Qt::LeftButton);
    EXPECT_EQ(window().state(), ui::Window::State::NotLoaded);
    open(window());
    EXPECT_EQ(controls().MaskEdBox1->Text(), "0,5");
}

// Rate texts that reach a box other than by typing.
struct RateCase {
    const char* text;
    std::optional<double> stored;  // nullopt: no number, the save is refused
};
const RateCase RateCases[] = {
    {"12", 12.0}, {"1.234,5", 1234.5}, {"$1,25", 1.25}, {"(1,00)", -1.0}, {"1,2,3", std::nullopt}, {",", std::nullopt},
};

class SettingsRateTest : public SettingsWindowTest, public ::testing::WithParamInterface<RateCase> {};

TEST_P(SettingsRateTest, RateTextIsReadAsARegionalNumberOrRefusesTheWholeSave)
{
    const RateCase& c = GetParam();
    setFirstRow("REGISTRO", FilledSettings);
    open(window());
    controls().Text2->setText("OUTRO NOME");
    controls().MaskEdBox3->setText(c.text);

    if (c.stored) {
        dialogs.expectOk(Updated);
        clickSave();
        EXPECT_TRUE(stored("REGISTRO", "I3").identical(Variant(*c.stored)));
        EXPECT_TRUE(stored("REGISTRO", "NOME").identical(Variant("OUTRO NOME")));
    } else {
        dialogs.expectOk(QStringLiteral("REGISTRO BLOQUEADO, TENTE NOVAMENTE!: 13"));
        clickSave();
        EXPECT_EQ(dialogs.texts(), std::vector<QString>{"REGISTRO BLOQUEADO, TENTE NOVAMENTE!: 13"});
        expectStoredAsFilled();
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, SettingsRateTest, ::testing::ValuesIn(RateCases));

// Stands in front of the fake dialogs and calls back when a box opens, to see
// what is stored at that moment.
class WatchingDialogs : public dlg::DialogService {
public:
    WatchingDialogs(FakeDialogs& inner, std::function<void()> onMessage) : inner_(inner), onMessage_(std::move(onMessage)) {}
    dlg::Answer message(const dlg::MessageRequest& request) override
    {
        onMessage_();
        return inner_.message(request);
    }
    std::optional<QString> inputBox(const QString& p, const QString& t, const QString& d) override
    {
        return inner_.inputBox(p, t, d);
    }
    bool choosePrinter(QWidget* parent) override { return inner_.choosePrinter(parent); }
    void beep() override { inner_.beep(); }

private:
    FakeDialogs& inner_;
    std::function<void()> onMessage_;
};

TEST_F(SettingsWindowTest, ConfirmationComesOnlyOnceTheRowIsWritten)
{
    setFirstRow("REGISTRO", FilledSettings);
    open(window());
    controls().Text2->setText("NOME NOVO");
    std::vector<Variant> nameWhenShown;
    WatchingDialogs watching(dialogs, [&] { nameWhenShown.push_back(stored("REGISTRO", "NOME")); });
    dlg::setDialogService(&watching);

    dialogs.expectOk(Updated);
    clickSave();
    dlg::setDialogService(&dialogs);

    ASSERT_EQ(nameWhenShown.size(), 1u);
    EXPECT_TRUE(nameWhenShown[0].identical(Variant("NOME NOVO")));
}

// Another workstation holds the lock: the failure is said, no confirmation,
// nothing stored; the edits stay in the boxes and a later save goes through.
TEST_F(SettingsWindowTest, FailedWriteSaysSoAndLeavesTheRowAsItWas)
{
    setFirstRow("REGISTRO", FilledSettings);
    open(window());
    controls().Text2->setText("NOME NOVO");
    controls().Text9->setText("NOVA");
    controls().MaskEdBox1->setText("1,5");
    lockDatabase();
    dialogs.expectOk(QStringLiteral("REGISTRO BLOQUEADO, TENTE NOVAMENTE!: 3260"));
    clickSave();
    releaseLock();

    EXPECT_EQ(dialogs.texts(), std::vector<QString>{"REGISTRO BLOQUEADO, TENTE NOVAMENTE!: 3260"});
    EXPECT_TRUE(dialogs.boxes[0].title.isEmpty());
    expectStoredAsFilled();
    EXPECT_EQ(controls().Text2->text(), "NOME NOVO");

    dialogs.clear();
    dialogs.expectOk(Updated);
    clickSave();
    EXPECT_EQ(dialogs.texts(), std::vector<QString>{Updated});
    EXPECT_TRUE(stored("REGISTRO", "NOME").identical(Variant("NOME NOVO")));
    EXPECT_TRUE(stored("REGISTRO", "PASSE1").identical(Variant("NOVA")));
    EXPECT_TRUE(stored("REGISTRO", "I9").identical(Variant(1.5)));
}

TEST_F(SettingsWindowTest, ExitDropsTheEditsAndTheNextOpeningShowsWhatIsStored)
{
    setFirstRow("REGISTRO", FilledSettings);
    open(window());
    controls().Text2->setText("NÃO GRAVADO");
    controls().MaskEdBox2->setText("9,9");
    QTest::mouseClick(controls().Command3D5, Qt::LeftButton);

    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(window().state(), ui::Window::State::NotLoaded);
    expectStoredAsFilled();
    open(window());
    EXPECT_EQ(controls().Text2->text(), "CORRETORA MODELO");
    EXPECT_EQ(controls().MaskEdBox2->Text(), "2,38");
}

TEST_F(SettingsWindowTest, PostalCodeBoxTakesDigitsOnly)
{
    open(window());
    typeInto(controls().Text8, "11-010.000x");
    EXPECT_EQ(controls().Text8->text(), "11010000");
    EXPECT_EQ(dialogs.beeps, 3);
}

}  // namespace
}  // namespace vorna::test
