#include "ClientFixture.h"

#include "clients/ClientNumbers.h"
#include "common/DesktopLaunch.h"

#include <QCursor>
#include <QFile>
#include <QTest>
#include <sqlite3.h>

namespace vorna::test {
namespace {

const QString NotFound = QStringLiteral("CEP NÃO ENCONTRADO");
const QString DamagedPostalFile =
    QStringLiteral("SEU BANCO DE CEPs ESTÁ COM PROBLEMAS OU NÃO ESTÁ NO DIRETÓRIO VIDIVUVA. "
                   "EFETUE O DOWNLOAD NA ÁREA DOWNLOADS DO SITE www.vornatec.com.br");

TEST(PostalPrefix, GivesTheStateOfEachRangeAtBothEndsAndNoneInTheGaps)
{
    const std::vector<std::pair<int, QString>> cases = {
        {0, ""},        {999, ""},      {1000, "SP"},   {19999, "SP"},  {20000, "RJ"},  {28999, "RJ"},
        {29000, "ES"},  {29999, "ES"},  {30000, "MG"},  {39999, "MG"},  {40000, "BA"},  {48999, "BA"},
        {49000, "SE"},  {49999, "SE"},  {50000, "PE"},  {56999, "PE"},  {57000, "AL"},  {57999, "AL"},
        {58000, "PB"},  {58999, "PB"},  {59000, "RN"},  {59999, "RN"},  {60000, "CE"},  {63999, "CE"},
        {64000, "PI"},  {64999, "PI"},  {65000, "MA"},  {65999, "MA"},  {66000, "PA"},  {68899, "PA"},
        {68900, "AP"},  {68999, "AP"},  {69000, "AM"},  {69299, "AM"},  {69300, "RR"},  {69399, "RR"},
        {69400, ""},    {69899, ""},    {69900, "AC"},  {69999, "AC"},  {70000, "DF"},  {72799, "DF"},
        {72800, "GO"},  {76999, "GO"},  {77000, "TO"},  {77999, "TO"},  {78000, "MT"},  {78899, "MT"},
        {78900, "RO"},  {78999, "RO"},  {79000, "MS"},  {79999, "MS"},  {80000, "PR"},  {87999, "PR"},
        {88000, "SC"},  {89999, "SC"},  {90000, "RS"},  {99999, "RS"},
    };
    for (const auto& [prefix, state] : cases)
        EXPECT_EQ(clients::stateForPostalPrefix(prefix), state) << prefix;
}

class ClientAddressTest : public ClientFixture {
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        addProducer(1, 1, "ANA");
    }
    // A postal file with Null fields in some rows; the first row's fields as
    // the file keeps them, in mixed case.
    void installRows()
    {
        installPostalCodes({
            {{"CEP", 1000000}, {"ENDEREÇO", "Praça da Sé"}, {"Localidade", "São Paulo"}, {"BAI_INI", "Sé"}},
            {{"CEP", 11010100}, {"ENDEREÇO", "Rua XV"}, {"Localidade", Variant::null()}, {"BAI_INI", "Centro"}},
            {{"CEP", 13010200}, {"ENDEREÇO", Variant::null()}, {"Localidade", "Campinas"},
             {"BAI_INI", Variant::null()}},
        });
    }
    // Into the box with Tab, typed, and out again.
    void typeCode(const char* name, const QString& keys)
    {
        type(box(name), keys);
        box("Text3")->setFocus(Qt::TabFocusReason);
    }
    QStringList mainAddress() { return {box("Text4")->text(), box("Text5")->text(), box("Text20")->text()}; }
};

TEST_F(ClientAddressTest, ACodeGivesItsStateAndFormAndFillsABlankAddressFromOneRow)
{
    installRows();
    open();
    struct Case {
        QString typed;
        QString shown;
        QString state;
        QStringList address;  // address, city, district afterwards
    };
    type(box("Text5"), "CIDADE ANTIGA");
    type(box("Text20"), "BAIRRO ANTIGO");
    const Case cases[] = {
        {"01000000", "01000-000", "SP", {"PRAÇA DA SÉ", "SÃO PAULO", "SÉ"}},
        // Null fields read as empty: no box keeps a value of the client before.
        {"11010100", "11010-100", "SP", {"RUA XV", "", "CENTRO"}},
        {"13010200", "13010-200", "SP", {"", "CAMPINAS", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        box("Text4")->setText("   ");
        typeCode("Text7", c.typed);
        EXPECT_EQ(box("Text7")->text(), c.shown);
        EXPECT_EQ(list("Combo3")->Text(), c.state);
        EXPECT_EQ(mainAddress(), c.address);
    }
    // An address typed already is kept, with whatever city and district.
    type(box("Text4"), "RUA NOVA");
    box("Text5")->clear();
    typeCode("Text7", "01000000");
    EXPECT_EQ(mainAddress(), QStringList({"RUA NOVA", "", ""}));
    EXPECT_TRUE(dialogs.boxes.empty());

    // The commercial boxes have their own state list and address.
    typeCode("Text12", "01000000");
    EXPECT_EQ(list("Combo4")->Text(), "SP");
    EXPECT_EQ(box("Text9")->text(), "PRAÇA DA SÉ");
    EXPECT_EQ(box("Text10")->text(), "SÃO PAULO");
    EXPECT_EQ(box("Text21")->text(), "SÉ");
}

TEST_F(ClientAddressTest, ACodeNotInTheFileIsToldOnEveryPassAndFillsNothing)
{
    installRows();
    open();
    for (int pass = 0; pass < 2; ++pass) {
        dialogs.expectOk(NotFound);
        typeCode("Text7", "01310100");
        EXPECT_EQ(dialogs.pendingScript(), 0);
        EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttention);
        EXPECT_EQ(dialogs.boxes.back().icon, dlg::Icon::None);
        EXPECT_EQ(box("Text7")->text(), "01310-100");
        EXPECT_EQ(mainAddress(), QStringList({"", "", ""}));
        EXPECT_NE(focused(), box("Text7"));
    }
    // Only passing through: taken apart on entry, searched again on leaving.
    dialogs.expectOk(NotFound);
    box("Text7")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(box("Text7")->text(), "01310100");
    box("Text3")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(dialogs.pendingScript(), 0);
}

TEST_F(ClientAddressTest, OnlyEightDigitsAct)
{
    installRows();
    open();
    choose(list("Combo4"), "MG");
    struct Case {
        QString before;  // put into the box (typed or pasted)
        QString shown;
        QString state;
    };
    const Case cases[] = {
        // No state: the selection stays, the form is given all the same, nothing is searched.
        {"00999000", "00999-000", "MG"},
        {"69400000", "69400-000", "MG"},
        // A state without a table here, PB and RO among them: selected, not searched.
        {"20000000", "20000-000", "RJ"},
        {"58000000", "58000-000", "PB"},
        {"78900000", "78900-000", "RO"},
        {"77000000", "77000-000", "TO"},
        {"69300000", "69300-000", "RR"},
        {"69900000", "69900-000", "AC"},
        // A pasted formatted code keeps its digits.
        {"01000-000", "01000-000", "SP"},
        // Anything but eight digits: nothing changes.
        {"0100000", "0100000", "SP"},
        {"010000001", "010000001", "SP"},
        {"", "", "SP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before.toStdString());
        box("Text12")->setFocus(Qt::TabFocusReason);
        box("Text12")->setText(c.before);
        box("Text3")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(box("Text12")->text(), c.shown);
        EXPECT_EQ(list("Combo4")->Text(), c.state);
    }
    EXPECT_EQ(box("Text9")->text(), "PRAÇA DA SÉ") << "the pasted code was found";
    EXPECT_EQ(dialogs.boxes.size(), 0u);

    struct Entry {
        QString before, after;
    };
    for (const Entry& e : {Entry{"01000-000", "01000000"}, Entry{"0100000", "0100000"},
                           Entry{"01000000", "01000000"}, Entry{"01000-0001", "010000001"}}) {
        box("Text7")->setText(e.before);
        box("Text7")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(box("Text7")->text(), e.after) << e.before.toStdString();
        box("Text7")->clear();
        box("Text3")->setFocus(Qt::TabFocusReason);
    }
}

TEST_F(ClientAddressTest, WithoutThePostalFileCodesAreFormattedInSilence)
{
    open();
    typeCode("Text7", "01000000");
    EXPECT_EQ(box("Text7")->text(), "01000-000");
    EXPECT_EQ(list("Combo3")->Text(), "SP");
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_FALSE(QFile::exists(pathOf("RERUDEVA.MDB")));
}

TEST_F(ClientAddressTest, APostalFileWithoutItsTableOrDamagedIsToldWhenTheWindowLoads)
{
    // A database without the table SP.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(pathOf("RERUDEVA.MDB").toUtf8().constData(), &db), SQLITE_OK);
    sqlite3_exec(db, "CREATE TABLE RJ (CEP INTEGER)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    dialogs.expectOk(DamagedPostalFile);
    open();
    EXPECT_EQ(dialogs.pendingScript(), 0);
    EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttention);
    typeCode("Text7", "01000000");
    EXPECT_EQ(box("Text7")->text(), "01000-000");
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    form().Unload();

    QFile damaged(pathOf("RERUDEVA.MDB"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("not a database file at all, just some text to fill a page or two");
    damaged.close();
    dialogs.expectOk(DamagedPostalFile);
    open();
    EXPECT_EQ(dialogs.pendingScript(), 0);
}

TEST_F(ClientAddressTest, SavingStoresAPostalCodeOnlyWhenTheBoxHoldsEightDigits)
{
    const int code = addClient("MARIA", {{"CEP-RESIDENCIA", "11010100"}, {"CEP-COMERCIAL", "13010200"},
                                         {"CPF", "12345678909"}, {"END-RESIDENCIA", "RUA A"}, {"CID-RESIDENCIA", "SANTOS"},
                                         {"EST-RESIDENCIA", "SP"}, {"TEL-RESIDENCIA", "1"}});
    open();
    type(box("Text1"), QString::number(code));
    leave(box("Text1"));
    ASSERT_TRUE(shown());
    EXPECT_EQ(box("Text7")->text(), "11010-100");
    // Pasted or left short: what the box holds cannot be stored as it is.
    box("Text7")->setText("1101");
    box("Text12")->setText("22041-001");
    click(button("Command3D1"));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(client(code).field("CEP-RESIDENCIA").toString(), "11010100");
    EXPECT_EQ(client(code).field("CEP-COMERCIAL").toString(), "22041001");
}

// ---- e-mail, web page and map ----------------------------------------------------------

class ClientLinksTest : public ClientFixture {
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        addProducer(1, 1, "ANA");
        QCursor::setPos(QPoint(5000, 5000));
    }
};

TEST_F(ClientLinksTest, EmailBoxesStartTheMailProgramOfTheOptionsAndTheWebBoxNothing)
{
    open();
    box("Text2")->setText("JOSÉ DA SILVA");
    box("Text47")->setText("outro@exemplo.com");
    box("Text46")->setText("www.exemplo.com");
    struct Case {
        Variant language, program;
        QString program_path;  // empty: nothing starts
    };
    const Case cases[] = {
        {"P", "E", launch::OutlookExpressPortuguese}, {"P", "O", launch::OutlookPortuguese},
        {"I", "E", launch::OutlookExpressEnglish},    {"I", "O", launch::OutlookEnglish},
        {"p", "E", {}},                               {"I", "X", {}},
        {Variant::null(), "E", {}},
    };
    for (const Case& c : cases) {
        state().settings.WindowsLanguageOption = c.language;
        state().settings.MailProgramOption = c.program;
        desktop.launches.clear();
        // Upper case as typed: leaving the box lower-cases it, the double click does not.
        box("Text16")->setText("Jose@Exemplo.com");
        QTest::mouseDClick(box("Text16"), Qt::LeftButton);
        QTest::mouseDClick(box("Text46"), Qt::LeftButton);
        QTest::mouseDClick(box("Text47"), Qt::LeftButton);
        if (c.program_path.isEmpty()) {
            EXPECT_TRUE(desktop.launches.empty());
            continue;
        }
        ASSERT_EQ(desktop.launches.size(), 2u);
        const QString expected = c.program == Variant("E")
                                     ? "/mailurl:mailto:Jose@Exemplo.com?subject=Olá, JOSÉ DA SILVA&body= "
                                     : "/c ipm.note /m Jose@Exemplo.com" + launch::OutlookSubjectPart;
        EXPECT_EQ(desktop.launches[0].asked, c.program_path + expected);
        EXPECT_TRUE(desktop.launches[1].asked.contains("outro@exemplo.com"));
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ClientLinksTest, LeavingLowerCasesAndThePointerUnderlinesUntilItCrossesThePanel)
{
    open();
    for (const char* name : {"Text16", "Text47", "Text46"}) {
        box(name)->setFocus(Qt::TabFocusReason);
        box(name)->setText("Ana-1_B@Exemplo.COM");
        box("Text3")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(box(name)->text(), "ana-1_b@exemplo.com") << name;
    }
    box("Text47")->setText("   ");
    QTest::mouseMove(box("Text16"), QPoint(4, 4));
    QTest::mouseMove(box("Text47"), QPoint(4, 4));
    QTest::mouseMove(box("Text46"), QPoint(4, 4));
    EXPECT_TRUE(box("Text16")->font().underline());
    EXPECT_FALSE(box("Text47")->font().underline());
    EXPECT_TRUE(box("Text46")->font().underline());
    QWidget* panel = c<QWidget>("Frame3D5");
    QTest::mouseMove(panel, QPoint(panel->width() - 3, panel->height() - 3));
    EXPECT_FALSE(box("Text16")->font().underline());
    EXPECT_FALSE(box("Text46")->font().underline());
}

TEST_F(ClientLinksTest, TheMapSearchesTheMainAddressOfAClientWithACode)
{
    open();
    const auto clickMap = [&] {
        desktop.launches.clear();
        click(button("Picture4"));
        return desktop.asked();
    };
    box("Text4")->setText("Rua Ipê, 10");
    box("Text5")->setText("São Paulo");
    choose(list("Combo3"), "SP");
    box("Text9")->setText("AV COMERCIAL");
    EXPECT_TRUE(clickMap().isEmpty()) << "no code, no map";

    box("Text1")->setText("12");
    EXPECT_EQ(clickMap(), QStringList{launch::WebMapSearchAddress + "Rua Ipê, 10 ,São Paulo ,SP"});
    box("Text5")->setText("  ");
    list("Combo3")->setListIndex(-1);
    EXPECT_EQ(clickMap(), QStringList{launch::WebMapSearchAddress + "Rua Ipê, 10 , ,"});
    box("Text4")->clear();
    EXPECT_EQ(clickMap(), QStringList{launch::WebMapSearchAddress + " , ,"});
    EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace vorna::test
