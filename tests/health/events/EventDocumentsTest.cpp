#include "EventFixture.h"

#include "common/WindowRefs.h"
#include "platform/runtime/Runtime.h"

#include <QTest>

namespace vorna {
namespace {

using test::click;
using test::type;
using EventDocuments = test::EventFixture;

const QString Title = QStringLiteral("SOLICITAÇÃO DE MERIDALVO");

TEST_F(EventDocuments, NothingRunsWithoutACodeOfDigits)
{
    open();
    for (const QString& code : {QString("  "), QString("1 OR 1")}) {
        box("Text1")->setText(code);
        typeDate(masked("MaskEdBox5"), "01022016");
        click(button("Picture3"));
        click(c<QWidget>("Command1"));
        click(button("Command3D13"));
    }
    EXPECT_TRUE(reports.launches.empty());
    EXPECT_FALSE(windows::Form28().isVisible());
}

// "Emitir" keeps what the client report left on the borrowed control; the
// payment notice starts from a reset control. Both show the stored event.
TEST_F(EventDocuments, BothDocumentsRunOnTheClientWindowsControl)
{
    const int ana = addParticipant("ANA SILVA", {{"BANCO", "341"}, {"AGENCIA", "0001"}, {"CONTA", "12345-6"}});
    const int code = addEvent("ANA SILVA", {{"CODVIDASAU", ana}, {"VLRPAGTO", 150.25},
                                            {"DTPAGTO", day(9, 3, 2016)}, {"EVENTO", "STORED"}});
    EXPECT_FALSE(windows::Form4().isLoaded());
    report::ReportControl& control = *windows::Form4().control<report::ReportControl>("CrystalReport1");
    EXPECT_FALSE(windows::Form4().isVisible());
    control.setFormulas(0, "GRU = 123");
    control.setSelectionFormula("{CLIENTES.CODIGO} = 123");

    open();
    showByCode(code);
    type(box("Text4"), "EDITED");
    click(button("Picture3"));
    ASSERT_EQ(reports.launches.size(), 1u);
    const report::LaunchRecord& request = reports.launches[0];
    EXPECT_EQ(request.owner, "Form4");
    EXPECT_EQ(request.settings.reportFileName, folder() + "\\EMIEVE.RPT");
    EXPECT_EQ(request.settings.selectionFormula, QStringLiteral("{PROCEDE.CODIGO} = %1").arg(code));
    EXPECT_EQ(request.settings.windowTitle, Title);
    EXPECT_EQ(request.settings.windowLeft, 10);
    EXPECT_EQ(request.settings.windowTop, 10);
    EXPECT_EQ(request.settings.formulas.at(0), "GRU = 123");
    ASSERT_TRUE(request.succeeded) << request.failure.toStdString();
    ASSERT_EQ(request.document->rows.size(), 1u);
    const QStringList& sheet = request.document->rows[0];
    EXPECT_TRUE(sheet.contains("STORED"));
    EXPECT_FALSE(sheet.contains("EDITED"));
    EXPECT_TRUE(sheet.contains("12345-6"));

    click(c<QWidget>("Command1"));
    ASSERT_EQ(reports.launches.size(), 2u);
    const report::LaunchRecord& notice = reports.launches[1];
    EXPECT_EQ(notice.settings.reportFileName, folder() + "\\EMIAVI.RPT");
    EXPECT_TRUE(notice.settings.formulas.empty());
    EXPECT_EQ(notice.settings.windowTitle, Title);
    ASSERT_TRUE(notice.succeeded) << notice.failure.toStdString();
    EXPECT_TRUE(notice.document->rows[0].contains("150,25"));
    EXPECT_TRUE(notice.document->rows[0].contains("341"));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_FALSE(windows::Form4().isVisible());
}

TEST_F(EventDocuments, TheNoticeWaitsForATypedPaymentDate)
{
    const int code = addEvent("ANA");
    open();
    showByCode(code);
    click(c<QWidget>("Command1"));
    EXPECT_TRUE(reports.launches.empty());
    typeDate(masked("MaskEdBox5"), "01022016");
    click(c<QWidget>("Command1"));
    EXPECT_EQ(reports.launches.size(), 1u);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(EventDocuments, AnexosOpensTheEventsAttachmentsUntilSair)
{
    const int code = addEvent("ANA", {{"ANEXO1", "/tmp/recibo.pdf"}});
    open();
    showByCode(code);
    click(button("Command3D13"));
    ui::Window& attachments = windows::Form28();
    EXPECT_TRUE(attachments.isVisible());
    EXPECT_EQ(attachments.windowTitle(), "Arquivos Anexos a Eventos");
    EXPECT_EQ(state().handOver.AttachmentOwnerKey, code);
    EXPECT_EQ(state().handOver.CallerCode, Variant(caller::AttachmentsOfEvent));
    EXPECT_FALSE(form().isEnabled());
    test::click(attachments.control<QWidget>("Command2"));
    EXPECT_TRUE(form().isEnabled());
    EXPECT_EQ(state().handOver.CallerCode, Variant(caller::AttachmentsOfEvent));
}

// Two captions at once: the other buttons leave the "Anexos" and "Emitir"
// captions alone, "Anexos" leaves the "Emitir" one.
TEST_F(EventDocuments, HoverCaptions)
{
    const int code = addEvent("ANA");
    open();
    showByCode(code);
    const auto captions = [this] {
        QStringList shown;
        for (const char* name : {"Label42", "Label41", "Label40", "Label39", "Label6", "Label7", "Label36", "Label51"})
            if (label(name)->isVisible())
                shown << label(name)->text();
        return shown;
    };
    struct Step {
        const char* button;
        QStringList shown;
    };
    const Step steps[] = {
        {"Command3D1", {"Gravar"}},
        {"Command3D13", {"Anexos"}},
        {"Command3D2", {"Limpar", "Anexos"}},
        {"Picture3", {"Emitir"}},
        {"Command3D5", {"Emitir", "Sair"}},
        {"Command3D13", {"Anexos", "Emitir"}},
        {"Command3D7", {"Anexos", "Emitir", "Primeiro Anterior Proximo Último"}},
    };
    for (const Step& step : steps) {
        QTest::mouseMove(button(step.button), QPoint(4, 4));
        EXPECT_EQ(captions(), step.shown) << step.button;
    }
    QTest::mouseMove(&form(), QPoint(500, 20));
    EXPECT_TRUE(captions().isEmpty());

    // Disabled buttons show nothing.
    click(button("Command3D2"));
    QTest::mouseMove(button("Command3D3"), QPoint(4, 4));
    QTest::mouseMove(button("Command3D13"), QPoint(4, 4));
    EXPECT_TRUE(captions().isEmpty());
}

}  // namespace
}  // namespace vorna
