#include "UsageLogFixture.h"

#include "platform/controls/Twips.h"

namespace vorna {
namespace {

class UsageLogLookups : public test::UsageLogFixture {
protected:
    void SetUp() override
    {
        UsageLogFixture::SetUp();
        maria = addClient({{"NOME", QStringLiteral("MARIA SILVA")},
                           {"TEL-RESIDENCIA", QStringLiteral("3333-1111")},
                           {"TEL-COMERCIAL", QStringLiteral("3333-2222")},
                           {"CELULAR", QStringLiteral("99999-0000")}});
        mobileOnly = addClient({{"NOME", QStringLiteral("JOSE D'AVILA")}, {"CELULAR", QStringLiteral("98888-1234")}});
        firstNamesake = addClient({{"NOME", QStringLiteral("ANA COSTA")}});
        secondNamesake = addClient({{"NOME", QStringLiteral("ANA COSTA")}});
        endorsement = addDocument({{"TIPO", QStringLiteral("E")},
                                   {"APOLICE", QStringLiteral("ONLY-END")},
                                   {"CODCLIENTE", int(maria)},
                                   {"NOMCLIENTE", QStringLiteral("MARIA SILVA")}});
        policy = addDocument({{"TIPO", QStringLiteral("A")},
                              {"APOLICE", QStringLiteral("AB-12'7")},
                              {"CODCLIENTE", int(mobileOnly)},
                              {"NOMCLIENTE", QStringLiteral("JOSE D'AVILA")}});
        open();
    }

    long maria = 0, mobileOnly = 0, firstNamesake = 0, secondNamesake = 0, endorsement = 0, policy = 0;
};

// ---- entry by number ----------------------------------------------------------------

TEST_F(UsageLogLookups, LeavingTheIndexBoxShowsThatEntry)
{
    addEntry({{"NOME", QStringLiteral("UM")}});
    const long second = addEntry({{"NOME", QStringLiteral("DOIS")}, {"CLIENTE", 4}});
    reopen();
    // Out to the remarks: leaving the code box would look its client up.
    typeAndLeaveFor("Text1", QString::number(second), "Text8");
    EXPECT_EQ(box("Text3")->text(), "DOIS");
    EXPECT_EQ(box("Text2")->text(), "4");
    EXPECT_TRUE(entryShown());
    click("Command3D9");
    EXPECT_EQ(box("Text3")->text(), "UM") << "the log moved to the entry found";
}

TEST_F(UsageLogLookups, AnIndexNotFoundSaysSoEndsTheShownEntryAndKeepsTheBoxes)
{
    const long entry = addEntry({{"NOME", QStringLiteral("UM")}});
    reopen();
    // A letter cannot be part of a number: it finds nothing, like a number no entry has.
    for (const QString& typed : {QStringLiteral("99"), QStringLiteral("1a"), QStringLiteral("1 OR 1")}) {
        SCOPED_TRACE(typed.toStdString());
        click("Command3D8");
        ASSERT_TRUE(entryShown());
        dialogs.expectOk(QStringLiteral("LOG NAO ENCONTRADO"));
        typeAndLeave("Text1", typed);
        EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
        EXPECT_FALSE(entryShown());
        EXPECT_EQ(box("Text3")->text(), "UM");
        EXPECT_EQ(box("Text1")->text(), typed.left(6));
    }
    EXPECT_EQ(stored(entry, "NOME"), "UM");
}

// ---- client by code ------------------------------------------------------------------

TEST_F(UsageLogLookups, AKnownClientCodeFillsTheNameAndThePhonesOfBlankRemarks)
{
    typeAndLeave("Text2", QString::number(maria));
    EXPECT_EQ(box("Text3")->text(), "MARIA SILVA");
    EXPECT_EQ(remarks()->toPlainText(), "3333-1111 3333-2222 99999-0000");
    EXPECT_EQ(focused(), box("Text4"));

    remarks()->setPlainText(QStringLiteral("JA ANOTADO"));
    typeAndLeave("Text2", QString::number(mobileOnly));
    EXPECT_EQ(box("Text3")->text(), "JOSE D'AVILA");
    EXPECT_EQ(remarks()->toPlainText(), "JA ANOTADO");

    remarks()->clear();
    typeAndLeave("Text2", QString::number(mobileOnly));
    EXPECT_EQ(remarks()->toPlainText(), "  98888-1234") << "both blanks stay";
}

TEST_F(UsageLogLookups, AnUnknownOrLetteredClientCodeFindsNothingAndSaysSo)
{
    box("Text3")->setText(QStringLiteral("NOME DIGITADO"));
    for (const QString& typed : {QStringLiteral("999"), QStringLiteral("1x"), QStringLiteral("'")}) {
        SCOPED_TRACE(typed.toStdString());
        dialogs.expectOk(QStringLiteral("CLIENTE NAO ENCONTRADO"));
        typeAndLeaveFor("Text2", typed, "Text8");
        EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
        EXPECT_EQ(box("Text3")->text(), "NOME DIGITADO");
        EXPECT_TRUE(remarks()->toPlainText().isEmpty());
    }
}

TEST_F(UsageLogLookups, LeavingBlankBoxesLooksNothingUp)
{
    // An unexpected box would fail the test.
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        typeAndLeave(name, QStringLiteral("  "));
    EXPECT_FALSE(names()->isVisible());
    EXPECT_TRUE(dialogs.boxes.empty());
}

// ---- client by part of the name --------------------------------------------------------

TEST_F(UsageLogLookups, PartOfANameListsEveryClientHoldingItBelowTheNameBox)
{
    typeAndLeave("Text3", QStringLiteral("costa"));
    ASSERT_TRUE(names()->isVisible());
    EXPECT_EQ(items(names()), (QStringList{"ANA COSTA", "ANA COSTA"}));
    EXPECT_EQ(names()->geometry(), QRect(ui::twips(3465), ui::twips(1530), ui::twips(5310), ui::twips(1980)));
    EXPECT_TRUE(box("Text2")->text().isEmpty()) << "nothing is filled before a pick";
}

TEST_F(UsageLogLookups, EachNameSearchListsOnlyItsOwnFinds)
{
    typeAndLeave("Text3", QStringLiteral("COSTA"));
    typeAndLeave("Text3", QStringLiteral("SILVA"));
    EXPECT_EQ(items(names()), QStringList{"MARIA SILVA"});
}

TEST_F(UsageLogLookups, ANameNobodyHasSaysSoAndHidesTheList)
{
    typeAndLeave("Text3", QStringLiteral("COSTA"));
    dialogs.expectOk(QStringLiteral("CLIENTE NÃO ENCONTRADO"));
    typeAndLeave("Text3", QStringLiteral("ZULMIRA"));
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_FALSE(names()->isVisible());
}

TEST_F(UsageLogLookups, AnApostropheInTheNameIsMatchedAsACharacter)
{
    typeAndLeave("Text3", QStringLiteral("D'AV"));
    EXPECT_EQ(items(names()), QStringList{"JOSE D'AVILA"});
    dialogs.expectOk(QStringLiteral("CLIENTE NÃO ENCONTRADO"));
    typeAndLeave("Text3", QStringLiteral("' OR NOME LIKE '*"));
}

TEST_F(UsageLogLookups, PickingOneOfTwoNamesakesFillsThatClientsCode)
{
    for (int row : {1, 0}) {
        SCOPED_TRACE(row);
        remarks()->clear();
        typeAndLeave("Text3", QStringLiteral("ANA"));
        ASSERT_EQ(items(names()), (QStringList{"ANA COSTA", "ANA COSTA"}));
        pickRow(names(), row);
        EXPECT_EQ(box("Text2")->text(), QString::number(row == 0 ? firstNamesake : secondNamesake));
        EXPECT_EQ(box("Text3")->text(), "ANA COSTA");
        EXPECT_EQ(remarks()->toPlainText(), "  ");
        EXPECT_FALSE(names()->isVisible());
        EXPECT_EQ(names()->ListCount(), 0);
    }
}

TEST_F(UsageLogLookups, ClickingTheOpenListStraightFromTheNameBoxPicksTheNameClicked)
{
    typeAndLeave("Text3", QStringLiteral("ANA"));
    ASSERT_EQ(items(names()), (QStringList{"ANA COSTA", "ANA COSTA"}));
    type("Text3", QStringLiteral("MARIA"));
    pickRow(names(), 1);
    EXPECT_EQ(box("Text2")->text(), QString::number(secondNamesake));
    EXPECT_EQ(box("Text3")->text(), "ANA COSTA");
    EXPECT_FALSE(names()->isVisible());
}

TEST_F(UsageLogLookups, APickFillsThePhonesOnlyIntoBlankRemarks)
{
    remarks()->setPlainText(QStringLiteral("RETORNAR"));
    typeAndLeave("Text3", QStringLiteral("MARIA"));
    pickRow(names(), 0);
    EXPECT_EQ(box("Text2")->text(), QString::number(maria));
    EXPECT_EQ(remarks()->toPlainText(), "RETORNAR");
}

// ---- document and policy ------------------------------------------------------------------

TEST_F(UsageLogLookups, ADocumentNumberFillsTheClientAndLeavesPolicyAndRemarks)
{
    box("Text5")->setText(QStringLiteral("TYPED"));
    typeAndLeave("Text4", QString::number(endorsement));
    EXPECT_EQ(box("Text2")->text(), QString::number(maria));
    EXPECT_EQ(box("Text3")->text(), "MARIA SILVA");
    EXPECT_EQ(box("Text4")->text(), QString::number(endorsement));
    EXPECT_EQ(box("Text5")->text(), "TYPED");
    EXPECT_TRUE(remarks()->toPlainText().isEmpty());
    EXPECT_EQ(focused(), c("Check1"));
}

TEST_F(UsageLogLookups, AnUnknownOrLetteredDocumentNumberFindsNothingAndSaysSo)
{
    for (const QString& typed : {QStringLiteral("9999"), QStringLiteral("2b"), QStringLiteral("1 or 1")}) {
        SCOPED_TRACE(typed.toStdString());
        dialogs.expectOk(QStringLiteral("DOCUMENTOS NAO ENCONTRADO"));
        typeAndLeave("Text4", typed);
        EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
        EXPECT_TRUE(box("Text2")->text().isEmpty());
    }
}

TEST_F(UsageLogLookups, APolicyNumberFindsThePolicyIgnoringCaseAndApostrophesStayCharacters)
{
    remarks()->setPlainText(QStringLiteral("NADA"));
    typeAndLeave("Text5", QStringLiteral("ab-12'7"));
    EXPECT_EQ(box("Text2")->text(), QString::number(mobileOnly));
    EXPECT_EQ(box("Text3")->text(), "JOSE D'AVILA");
    EXPECT_EQ(box("Text4")->text(), QString::number(policy));
    EXPECT_EQ(box("Text5")->text(), "ab-12'7");
    EXPECT_EQ(remarks()->toPlainText(), "NADA");
    EXPECT_EQ(focused(), c("Check1"));
}

TEST_F(UsageLogLookups, APolicyNumberMayBeTypedAsAPattern)
{
    for (const QString& typed : {QStringLiteral("ab*"), QStringLiteral("AB-1?'7")}) {
        SCOPED_TRACE(typed.toStdString());
        box("Text2")->clear();
        typeAndLeave("Text5", typed);
        EXPECT_EQ(box("Text2")->text(), QString::number(mobileOnly));
        EXPECT_EQ(box("Text4")->text(), QString::number(policy));
        EXPECT_EQ(box("Text5")->text(), typed);
    }
}

TEST_F(UsageLogLookups, APolicyHeldOnlyByAnEndorsementOrTypedAsNoPolicyIsNotFound)
{
    for (const QString& typed : {QStringLiteral("ONLY-END"), QStringLiteral("ONLY*"), QStringLiteral("AB["),
                                 QStringLiteral("x' OR TIPO='E")}) {
        SCOPED_TRACE(typed.toStdString());
        dialogs.expectOk(QStringLiteral("DOCUMENTO NAO ENCONTRADO"));
        typeAndLeave("Text5", typed);
        EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
        EXPECT_TRUE(box("Text2")->text().isEmpty());
    }
}

}  // namespace
}  // namespace vorna
