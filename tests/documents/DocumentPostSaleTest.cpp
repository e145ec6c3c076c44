#include "DocumentEntryFixture.h"

#include "common/MessageTexts.h"
#include "support/SecondWorkstation.h"

namespace vorna {
namespace {

const QString NotFound = QStringLiteral("DOCUMENTO NAO ENCONTRADO");

class DocumentPostSale : public test::DocumentEntryFixture {
protected:
    void SetUp() override
    {
        DocumentEntryFixture::SetUp();
        logIn(level::Total, everyRight());
    }
    QWidget* panel() { return control("Frame3D15"); }
    QString date() { return masked("MaskEdBox74")->Text(); }
    QString today() { return rt::Format(rt::Date(), QStringLiteral("dd/mm/yyyy")); }
    // The date box entered and left for an answer box.
    void passThroughDate()
    {
        masked("MaskEdBox74")->setFocus(Qt::TabFocusReason);
        control("Text16")->setFocus(Qt::TabFocusReason);
    }
    void expectPanelEmptyAndHidden()
    {
        EXPECT_FALSE(panel()->isVisible());
        EXPECT_TRUE(test::text(box("Text16")).isEmpty());
        EXPECT_TRUE(test::text(box("Text22")).isEmpty());
        EXPECT_TRUE(masked("MaskEdBox74")->ClipText().isEmpty());
    }
};

TEST_F(DocumentPostSale, RetornarStoresTheLoadedAnswersAndTheDateOnlyWhenOneIsThere)
{
    const int answered = addDocument({{"DTPOS", Variant::date(QDate(2016, 3, 5))},
                                      {"POS1", "Recebeu\ntudo"},
                                      {"POS5", "Quer vida"}});
    const int blank = addDocument();
    open();

    // A stored contact: shown day first; an answer emptied is stored empty.
    show(answered);
    form().Command3D22_Click();
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(date(), "05/03/2016");
    EXPECT_EQ(test::text(box("Text16")), "Recebeu\ntudo");
    EXPECT_EQ(test::text(box("Text22")), "Quer vida");
    box("Text16")->setText(QString());
    box("Text22")->setText(QStringLiteral("Quer saúde\ne casa"));
    form().Command4_Click();
    EXPECT_TRUE(dialogs.boxes.empty());
    expectPanelEmptyAndHidden();
    EXPECT_EQ(stored(answered, "DTPOS"), Variant::date(QDate(2016, 3, 5)));
    EXPECT_EQ(rt::CStr(stored(answered, "POS1")), "");
    EXPECT_EQ(stored(answered, "POS5"), Variant("Quer saúde\ne casa"));

    // Nothing stored: empty boxes; Retornar leaves the date Null.
    show(blank);
    form().Command3D22_Click();
    EXPECT_TRUE(masked("MaskEdBox74")->ClipText().isEmpty());
    EXPECT_TRUE(test::text(box("Text16")).isEmpty());
    EXPECT_TRUE(test::text(box("Text22")).isEmpty());
    box("Text16")->setText(QStringLiteral("sim"));
    form().Command4_Click();
    EXPECT_TRUE(stored(blank, "DTPOS").isNull());
    EXPECT_EQ(stored(blank, "POS1"), Variant("sim"));

    // Reopened: the fields read again from the row.
    form().Command3D22_Click();
    EXPECT_EQ(test::text(box("Text16")), "sim");
}

TEST_F(DocumentPostSale, LeavingTheDateBoxStampsToday)
{
    const int number = addDocument({{"DTPOS", Variant::date(QDate(2016, 3, 5))}});
    open();
    show(number);
    form().Command3D22_Click();
    for (const char* typed : {"01012000", "12", ""}) {
        SCOPED_TRACE(typed);
        test::WindowFixture::typeDate(masked("MaskEdBox74"), QString::fromLatin1(typed));
        passThroughDate();
        EXPECT_EQ(date(), today());
    }
    form().Command4_Click();
    EXPECT_EQ(rt::Format(stored(number, "DTPOS"), QStringLiteral("dd/mm/yyyy")), today());
}

TEST_F(DocumentPostSale, RetornarWritesIntoTheDocumentItWasOpenedOn)
{
    const int first = addDocument({{"APOLICE", "P1"}, {"POS1", "antiga"}});
    const int second = addDocument({{"APOLICE", "P2"}, {"POS1", "outra"}});
    open();
    show(first);
    form().Command3D22_Click();
    box("Text22")->setText(QStringLiteral("nova"));
    show(second);
    EXPECT_TRUE(panel()->isVisible());
    form().Command4_Click();
    EXPECT_EQ(stored(first, "POS1"), Variant("antiga"));
    EXPECT_EQ(stored(first, "POS5"), Variant("nova"));
    EXPECT_EQ(stored(second, "POS1"), Variant("outra"));
    EXPECT_TRUE(stored(second, "POS5").isNull());
    // The window still stands on the document it shows.
    EXPECT_EQ(test::text(box("Text2")), "P2");
    EXPECT_EQ(rt::CLng(form().recordsets().DOCUMENTOS.field("PROPOSTA")), second);
}

TEST_F(DocumentPostSale, AGoneDocumentOrARefusedWriteKeepsThePanelOpen)
{
    const int number = addDocument({{"POS1", "antiga"}});
    open();
    show(number);
    form().Command3D22_Click();
    box("Text16")->setText(QStringLiteral("nova"));

    {
        test::SecondWorkstationWriting other(pathOf("VORNA.MDB"));
        dialogs.expectOk(msg::RecordLocked + "3260");
        form().Command4_Click();
    }
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(test::text(box("Text16")), "nova");
    EXPECT_EQ(stored(number, "POS1"), Variant("antiga"));

    otherWorkstation(QStringLiteral("DELETE FROM DOCUMENTOS WHERE PROPOSTA = %1").arg(number));
    dialogs.expectOk(NotFound);
    form().Command4_Click();
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(test::text(box("Text16")), "nova");
    EXPECT_EQ(rowCount("DOCUMENTOS"), 0);
}

}  // namespace
}  // namespace vorna
