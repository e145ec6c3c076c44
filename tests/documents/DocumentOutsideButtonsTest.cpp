#include "DocumentFixture.h"

#include "common/WindowRefs.h"
#include "documents/InsurerPortals.h"
#include "support/SecondWorkstation.h"

#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTimer>
#include <tuple>

#include "platform/runtime/Runtime.h"

namespace vorna {
namespace {

class DocumentToolbar : public test::DocumentFixture {
protected:
    void showNumber(int number)
    {
        box("Text1")->setText(QString::number(number));
        test::click(button("Command3D4"));
    }
    // The pointer over a control, reachable or not.
    void hover(const char* name)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QWidget* target = QLatin1String(name) == "Form14" ? &form() : control(name);
        QCoreApplication::sendEvent(target, &move);
    }
    QStringList shownCaptions()
    {
        QStringList shown;
        for (QLabel* label : form().findChildren<QLabel*>())
            if (!label->isHidden() && label->objectName() != "Label6" &&
                QStringList{"Label70", "Label71", "Label73", "Label72", "Label40", "Label74", "Label64", "Label49",
                            "Label66", "Label68", "Label41", "Label65", "Label75", "Label76", "Label78", "Label77",
                            "Label27", "Label23", "Label79", "Label39"}
                    .contains(label->objectName()))
                shown << label->objectName();
        shown.sort();
        return shown;
    }
};

TEST_F(DocumentToolbar, NavigationAtBothEndsAndOnAnEmptyTable)
{
    open();
    dialogs.expectOk(msg::NoRecords);
    test::click(button("Command3D6"));  // empty table
    const int first = addDocument({{"APOLICE", "A1"}});
    const int last = addDocument({{"APOLICE", "A2"}});
    form().Unload();
    open();
    struct Step {
        const char* button;
        int shown;  // 0: the message, the window unchanged
    } steps[] = {{"Command3D9", 0}, {"Command3D6", last}, {"Command3D6", 0},
                 {"Command3D8", first}, {"Command3D7", last}, {"Command3D9", first}};
    QString expected;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.button);
        if (!s.shown)
            dialogs.expectOk(msg::NoRecords);
        else
            expected = QString::number(s.shown);
        test::click(button(s.button));
        EXPECT_EQ(box("Text1")->text(), expected);
    }
}

TEST_F(DocumentToolbar, ClaimLabelBlinksOnlyForAPolicyWithAClaim)
{
    const int withClaim = addDocument({{"APOLICE", "55"}});
    const int without = addDocument({{"APOLICE", "66"}});
    addRow("SINISTRO", {{"APOLICE", " 55 "}});
    open();
    showNumber(withClaim);
    EXPECT_TRUE(control("Command3")->isVisible() || !control("Command3")->isHidden());
    auto* timer = form().findChild<QTimer*>("Timer1");
    ASSERT_TRUE(timer);
    EXPECT_TRUE(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_FALSE(control("Label6")->isHidden());
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_TRUE(control("Label6")->isHidden());
    showNumber(without);
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(control("Label6")->isHidden());
}

TEST_F(DocumentToolbar, HoverCaptionsKeepEachPartsSet)
{
    open();
    struct Case {
        const char* button;
        QStringList shownAfter;  // hovered after "Consultar Cliente", "Criar Endossos" and the panel caption
    } cases[] = {
        {"Command3D8", {"Label23", "Label39", "Label64", "Label79"}},
        {"Command3D4", {"Label23", "Label39", "Label73", "Label79"}},
        {"Command3D1", {"Label39", "Label71", "Label79"}},
        {"Command6", {"Label23", "Label39", "Label71", "Label79"}},  // hides none
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        control("Label23")->setVisible(true);
        control("Label39")->setVisible(true);
        hover("Command6");
        hover(c.button);
        EXPECT_EQ(shownCaptions(), c.shownAfter);
    }
    hover("Frame3D8");
    EXPECT_EQ(shownCaptions(), (QStringList{"Label23", "Label39", "Label71"}));
    hover("Form14");
    EXPECT_TRUE(shownCaptions().isEmpty());
    // "Excluir" is disabled until a document is shown: no caption.
    hover("Command3D3");
    EXPECT_TRUE(shownCaptions().isEmpty());
}

TEST_F(DocumentToolbar, PortalByInsurerCode)
{
    QFile hosts(pathOf(documents::InsurerPortalHostsFile));
    ASSERT_TRUE(hosts.open(QIODevice::WriteOnly));
    hosts.write("# portal host\n1 p1.example\n11 p11.example\n14 p14.example ABCDEF\n20 p20.example\n");
    hosts.close();
    open();
    struct Case {
        QString code;
        QString address;  // empty: nothing starts
    } cases[] = {
        {"5321", "https://p1.example/operacional/appmanager/portais/login?_nfls=false"},
        {"6238", "https://p11.example/default.asp"},
        {"3298", "https://p11.example/default.asp"},
        {"5240", "https://p14.example/main.jsp?lumPageId=ABCDEF"},
        {"5754", "http://p20.example"},
        {"6416", ""},  // no host configured
        {"1234", ""},
        {"  ", ""},
        {"", ""},
        {"12a", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code.toStdString());
        desktop.launches.clear();
        box("Text7")->setText(c.code);
        form().Command3D10_Click();
        if (c.address.isEmpty()) {
            EXPECT_TRUE(desktop.launches.empty());
        } else {
            ASSERT_EQ(desktop.launches.size(), 1u);
            EXPECT_EQ(desktop.asked().first(), "C:\\ARQUIV~1\\Intern~1\\iexplore.exe " + c.address);
        }
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(DocumentToolbar, AttachmentsForTheShownDocument)
{
    const int number = addDocument();
    open();
    EXPECT_FALSE(button("Command3D13")->isEnabled());
    showNumber(number);
    EXPECT_TRUE(button("Command3D13")->isEnabled());
    test::click(button("Command3D13"));
    EXPECT_EQ(state().handOver.AttachmentOwnerKey, number);
    EXPECT_EQ(state().handOver.CallerCode, Variant(caller::AttachmentsOfDocument));
    EXPECT_FALSE(form().isEnabled());
}

// An attachments window whose load step fails (its owner table renamed away
// by another workstation) is not left open: the missing-application box only,
// and the document window stays enabled on the document it showed.
TEST_F(DocumentToolbar, AttachmentsThatCannotLoadLeaveTheDocumentShown)
{
    const int number = addDocument({{"APOLICE", "P7"}});
    open();
    showNumber(number);
    const auto rename = [this](const char* sql) {
        test::SecondWorkstation other(pathOf(QStringLiteral("VORNA.MDB")));
        other.exec(sql);
    };
    rename("ALTER TABLE DOCUMENTOS RENAME TO DOCUMENTOS_FORA");
    dialogs.expectOk(QStringLiteral("NÃO FOI INSTALADO O APLICATIVO PELVIR, VERIFIQUE!"));
    test::click(button("Command3D13"));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, msg::TitleAttention);
    EXPECT_FALSE(windows::Form28().isLoaded());
    EXPECT_TRUE(form().isEnabled());
    EXPECT_EQ(box("Text1")->text(), QString::number(number));
    EXPECT_EQ(box("Text2")->text(), "P7");
    EXPECT_TRUE(button("Command3D3")->isEnabled());

    // Once the table is back, the same click opens the attachments.
    rename("ALTER TABLE DOCUMENTOS_FORA RENAME TO DOCUMENTOS");
    test::click(button("Command3D13"));
    EXPECT_TRUE(windows::Form28().isVisible());
    EXPECT_FALSE(form().isEnabled());
    EXPECT_EQ(dialogs.boxes.size(), 1u);
}

// The settlement password, asked by "Baixas de Comissões" and by the panel's
// own action: the right one hands over the shown document's number and branch
// and touches no other hand-over value, the caller code included;
// a wrong or blank one hands over nothing.
TEST_F(DocumentToolbar, TheSettlementPasswordGuardsTheHandOver)
{
    const int number = addDocument({{"FILIAL", 2}, {"APOLICE", "B2"}});
    open();
    showNumber(number);
    ASSERT_EQ(box("Text23")->text(), "2");
    state().settings.SettlementPassword = Variant(" Baixa ");
    HandOver before;
    before.CallerCode = Variant(77);
    before.SecondCallerCode = Variant("S");
    before.ThirdCallerCode = Variant(3);
    before.PassedRecordCode = Variant(5);
    before.PassedRecordName = QStringLiteral("NOME");
    before.ReturnFlag = 9;
    before.AttachmentOwnerKey = 11;
    before.ReturnDocumentNumber = 13;
    before.ReturnDocumentBranch = 15;
    before.SettlementDocumentNumber = 17;
    before.ContactHistoryClientCode = 19;
    before.ContactHistoryClientName = QStringLiteral("CONTATO");
    HandOver handedOver = before;
    handedOver.SettlementDocumentNumber = number;
    handedOver.ReturnDocumentBranch = 2;

    enum Opener { Button, PanelAction };
    struct Case {
        const char* what;
        Opener opener;
        QString typed;
        bool accepted;
    } cases[] = {
        {"button, right with blanks", Button, " Baixa ", true},
        {"button, other letter case", Button, "baixa", false},
        {"button, blank", Button, "  ", false},
        {"panel, right", PanelAction, "Baixa", true},
        {"panel, another password", PanelAction, "ZORVIL", false},
        {"panel, blank", PanelAction, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.clear();
        state().handOver = before;
        const int claim = state().document.ClaimProcessNumber;
        if (c.opener == Button)
            form().Command3D20_Click();
        else
            form().OpenPasswordPanel(3);
        ASSERT_TRUE(control("Frame3D2")->isVisible());
        EXPECT_EQ(values().PendingPasswordAction, 3);
        const bool wrong = !c.accepted && !rt::Trim(c.typed).isEmpty();
        if (wrong)
            dialogs.expectOk(QStringLiteral("SENHA INCORRETA!AS BAIXAS NÃO SERÃO ACESSADAS!"));
        box("Text12")->setText(c.typed);
        box("Text12")->clearFocus();

        EXPECT_EQ(dialogs.boxes.size(), wrong ? 1u : 0u);
        const auto every = [](const HandOver& h) {
            return std::tie(h.CallerCode, h.SecondCallerCode, h.ThirdCallerCode, h.PassedRecordCode,
                            h.PassedRecordName, h.ReturnFlag, h.AttachmentOwnerKey, h.ReturnDocumentNumber,
                            h.ReturnDocumentBranch, h.SettlementDocumentNumber, h.ContactHistoryClientCode,
                            h.ContactHistoryClientName);
        };
        EXPECT_EQ(every(state().handOver), every(c.accepted ? handedOver : before));
        EXPECT_EQ(state().document.ClaimProcessNumber, claim);
        if (c.accepted)
            EXPECT_EQ(test::text(box("Text12")), " ");

        // The settlement window is absent: the document window stays as it was.
        EXPECT_FALSE(control("Frame3D2")->isVisible());
        EXPECT_TRUE(control("Frame3D14")->isVisible());
        EXPECT_EQ(values().PendingPasswordAction, 0);
        EXPECT_TRUE(opened());
        EXPECT_TRUE(form().isEnabled());
        EXPECT_EQ(box("Text1")->text(), QString::number(number));
        EXPECT_EQ(box("Text2")->text(), "B2");
    }
    EXPECT_EQ(storedInFirstRow("DOCUMENTOS", "APOLICE"), Variant("B2"));
}

TEST_F(DocumentToolbar, OutsideButtonsRefuseAndHandOver)
{
    const int number = addDocument({{"APOLICE", "P9"}, {"RAMO", 31}});
    addRow("PARCELAS", {{"PROPOSTA", number}, {"NUMERO", 1}, {"FILIAL", 1}, {"DV1", Variant::date(QDate(2024, 2, 1))},
                        {"VALOR", 1234.5}});
    addRow("PARCELAS", {{"PROPOSTA", number}, {"NUMERO", 2}, {"FILIAL", 1}, {"VALOR", 0.5}});
    addRow("PARCELAS", {{"PROPOSTA", number + 1}, {"NUMERO", 1}, {"FILIAL", 1}, {"VALOR", 9}});
    open();
    showNumber(number);

    // Refusals by right and level.
    logIn(level::Total, {Right::CCD});
    dialogs.expectOk(msg::NoAccessToModule).expectOk(msg::NoAccessToModule).expectOk(msg::NoAccessToModule);
    form().Command3D11_Click();
    form().Command3D15_Click();
    form().Command3D20_Click();
    logIn(level::Medium, everyRight());
    dialogs.expectOk(msg::NoAccessToModule).expectOk(QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE IMPRESSÃO DE RELATÓRIOS"));
    form().Command3D11_Click();
    form().Command3D14_Click();
    logIn(level::Total, everyRight());

    // "Emissões e Certificados": the hand-over and the instalment copy.
    form().Command3D15_Click();
    const DocumentValues& doc = state().document;
    EXPECT_EQ(doc.CertificateDocumentKind, "1");
    EXPECT_EQ(doc.CertificateDocumentNumber, QString::number(number));
    EXPECT_EQ(doc.CertificateBranch, 1);
    EXPECT_EQ(rt::CStr(doc.CertificateInstalmentValues[0]), "1.234,50");
    EXPECT_EQ(rt::CStr(doc.CertificateInstalmentValues[1]), ",50");
    EXPECT_EQ(rt::CStr(doc.CertificateDueDates[1]), "");  // Null due date
    EXPECT_EQ(rt::CStr(doc.CertificateInstalmentValues[2]), "");  // another document's row ends the copy
    EXPECT_TRUE(form().isEnabled());

    // "Baixas de Comissões": always the settlement password.
    state().settings.SettlementPassword = Variant("ZORVIL");
    form().Command3D20_Click();
    EXPECT_TRUE(control("Frame3D2")->isVisible());
    EXPECT_EQ(values().PendingPasswordAction, 3);
    box("Text12")->setText(QStringLiteral("ZORVIL"));
    form().findChild<QWidget*>("Text12")->clearFocus();
    test::click(button("Command3D4"));
    box("Text1")->setText(QString::number(number));

    // The claims button.
    state().document.ClaimProcessNumber = 0;
    form().Command3_Click();
    EXPECT_EQ(state().handOver.CallerCode, Variant(caller::Claims));
    EXPECT_EQ(state().handOver.ReturnDocumentNumber, number);
    EXPECT_EQ(state().handOver.PassedRecordCode, Variant(0));
    state().handOver.CallerCode = Variant(0);
    box("Text2")->setText(QString());
    form().Command3_Click();
    EXPECT_EQ(state().handOver.CallerCode, Variant(0));
}

TEST_F(DocumentToolbar, ClaimSheetAndCancellationLetter)
{
    const int policy = addDocument({{"APOLICE", "C1"}, {"VIGENTE", "V"}});
    addRow("SINISTRO", {{"PROCESSO", 42}, {"APOLICE", "C1"}});
    open();
    showNumber(policy);
    form().Command3D24_Click();
    ASSERT_EQ(reports.launches.size(), 1u);
    EXPECT_EQ(state().document.ClaimProcessNumber, 42);

    list("Combo2")->setText(QStringLiteral("APOLICE"));
    list("Combo1")->setListIndex(list("Combo1")->findText("CANCELADO"));
    dialogs.expectNo(QStringLiteral("Você deseja emitir carta de Cancelamento?"));
    form().Combo1_LostFocus();
    const QString today = rt::Format(rt::Date(), QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(masked("MaskEdBox61")->Text(), today);
    EXPECT_EQ(reports.launches.size(), 1u);
    dialogs.expectYes();
    form().Combo1_LostFocus();
    EXPECT_EQ(reports.launches.size(), 2u);

    // An endorsement: the date only.
    dialogs.clear();
    list("Combo2")->setText(QStringLiteral("ENDOSSO"));
    form().Combo1_LostFocus();
    EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace vorna
