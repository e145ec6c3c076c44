// The toolbar buttons beyond the window's right edge, which no pointer reaches,
// and the claims button, which Tab reaches. The reports, certificates,
// settlements and claims windows are not part of this system: their buttons
// leave the hand-over values and the document window stays usable.
#include "documents/Form14.h"

#include "common/AppFolder.h"
#include "common/GridSearch.h"
#include "common/MessageTexts.h"
#include "common/PasswordPanel.h"
#include "common/ProgramState.h"
#include "common/ReportLaunch.h"
#include "common/WindowRefs.h"
#include "platform/database/CriteriaText.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

const QString ArchiveQuestion =
    QStringLiteral("Você tem certeza que deseja mover definitivamente este registro para o Arquivo Morto?");
const QString ArchiveTitle = QStringLiteral("ATENÇÃO! NÃO HAVERÁ RETORNO!");
const QString NoReportPrinting = QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE IMPRESSÃO DE RELATÓRIOS");
const QString ClaimNotFound = QStringLiteral("SINISTRO NÃO ENCONTRADO");

// A number box read as a whole number; blank or anything but digits is 0.
int32_t wholeNumberOf(const QString& text)
{
    const std::optional<QString> digits = db::wholeNumber(text);
    if (!digits)
        return 0;
    bool fits = false;
    const int32_t number = digits->toInt(&fits);
    return fits ? number : 0;
}

}  // namespace

void Form14::Command3D11_Click()
{
    const Session& session = vorna::state().session;
    if (!session.hasRight(Right::ECD) || !session.hasRight(Right::ACD)) {
        msg::refusedByRight();
        return;
    }
    if (session.AccessLevelWord == level::Minimum) {
        msg::refusedByLevel();
        return;
    }
    if (session.AccessLevelWord == level::Medium) {
        msg::refusedByLevel(msg::NoAccessToModule);
        return;
    }
    if (dlg::MsgBox(ArchiveQuestion, dlg::Buttons::YesNo, ArchiveTitle) != dlg::Answer::Yes)
        return;
    recordsets_->DOCUMORTOS.AddNew();
    if (ArchiveDocument())
        ClearDocumentForm();
}

void Form14::Command3D14_Click()
{
    ProgramState& program = vorna::state();
    const QString& levelWord = program.session.AccessLevelWord;
    if (levelWord == level::Medium || levelWord == level::Minimum) {
        msg::refusedByLevel(NoReportPrinting);
        return;
    }
    program.handOver.PassedRecordName = ui->Combo5->Text();
}

void Form14::Command3D15_Click()
{
    ProgramState& program = vorna::state();
    if (!program.session.hasRight(Right::PCD)) {
        msg::refusedByRight();
        return;
    }
    DocumentValues& document = program.document;
    document.CertificateDocumentKind = QStringLiteral("1");
    if (ui->Combo2->Text() == QLatin1String("ENDOSSO") && !ui->Text2->text().isEmpty())
        document.CertificateDocumentKind = QStringLiteral("2");
    document.PassedProductLine = ui->Text4->text();
    document.CertificateDocumentNumber = ui->Text1->text();
    document.CertificateOriginalText = ui->Text15->text();
    document.CertificateBranch = wholeNumberOf(ui->Text23->text());
    values_.InstalmentDeleteLimit = wholeNumberOf(ui->Text1->text());
    LoadInstalmentsForCertificate();
}

// Always behind the settlement password, whatever its value.
void Form14::Command3D20_Click()
{
    if (!vorna::state().session.hasRight(Right::ACD)) {
        msg::refusedByRight();
        return;
    }
    values_.PendingPasswordAction = 3;
    settlementPanel_->Open(3);
}

// The caller code stays as it is: the settlement window that would read it and
// hand back is not part of this program, and a 1414 left behind would open the
// next participant or event window in its hand-back mode.
void Form14::settlementHandOver()
{
    values_.PendingPasswordAction = 0;
    ui->Text12->setText(QStringLiteral(" "));
    ProgramState& program = vorna::state();
    program.handOver.SettlementDocumentNumber = wholeNumberOf(ui->Text1->text());
    program.handOver.ReturnDocumentBranch = wholeNumberOf(ui->Text23->text());
}

// Any error ends it silently.
void Form14::Command3D22_Click()
{
    postSaleDocument_.reset();
    try {
        ui->Frame3D15->setVisible(true);
        ui->Frame3D15->move(0, 0);
        for (ui::TextBox* box : {ui->Text24, ui->Text16, ui->Text22})
            box->setText(QString());
        ui->MaskEdBox74->setMask(QString());
        ui->MaskEdBox74->setText(QString());
        ui->MaskEdBox74->setMask(QStringLiteral("##/##/####"));
        const db::Recordset& documents = recordsets_->DOCUMENTOS;
        postSaleDocument_ = rt::CLng(documents.field(QStringLiteral("PROPOSTA")));
        const Variant saleDate = documents.field(QStringLiteral("DTPOS"));
        if (!saleDate.isNull()) {
            ui->MaskEdBox74->setMask(QString());
            ui->MaskEdBox74->setText(rt::Format(saleDate, QStringLiteral("DD/MM/YYYY")));
            ui->MaskEdBox74->setMask(QStringLiteral("##/##/####"));
        }
        const Variant first = documents.field(QStringLiteral("POS1"));
        if (!first.isNull())
            ui->Text16->setText(rt::CStr(first));
        const Variant fifth = documents.field(QStringLiteral("POS5"));
        if (!fifth.isNull())
            ui->Text22->setText(rt::CStr(fifth));
        ui->Text24->setFocus();
    } catch (const std::exception&) {
    }
}

void Form14::Command3D24_Click()
{
    if (ui->Text2->text().isEmpty())
        return;
    db::Recordset& claims = recordsets_->SINISTRO;
    const QString criteria = GridSearch::containsPattern(QStringLiteral("APOLICE"))(rt::Trim(ui->Text2->text()));
    bool found = false;
    try {
        claims.FindLast(criteria);
        found = !claims.NoMatch();
    } catch (const EngineError& e) {
        // A pattern the engine cannot read matches no claim.
        if (e.number() != err::SyntaxError)
            throw;
    }
    if (!found) {
        msg::notFound(ClaimNotFound);
        return;
    }
    DocumentValues& document = vorna::state().document;
    document.ClaimProcessNumber = rt::CLng(claims.field(QStringLiteral("PROCESSO")));
    report::ReportControl& rpt = borrowReportControl(windows::Form2());
    rpt.setReportFileName(appFolder() + QStringLiteral("\\EMISINI.RPT"));
    rpt.setSelectionFormula(QStringLiteral("{SINISTRO.PROCESSO} = ") + QString::number(document.ClaimProcessNumber));
    rpt.setAction(1);
}

void Form14::Command3_Click()
{
    if (ui->Text2->text().isEmpty())
        return;
    ProgramState& program = vorna::state();
    program.handOver.CallerCode = Variant(caller::Claims);
    program.handOver.PassedRecordCode = Variant(program.document.ClaimProcessNumber);
    program.handOver.ReturnDocumentNumber = wholeNumberOf(ui->Text1->text());
}

// Rows of the document in the recordset's order, from the first of the shown
// branch (any branch for branch 1) until another document's row or the end.
void Form14::LoadInstalmentsForCertificate()
{
    DocumentValues& document = vorna::state().document;
    document.CertificateDueDates.fill(Variant(QString()));
    document.CertificateInstalmentValues.fill(Variant(QString()));

    db::Recordset& instalments = recordsets_->PARCELAS;
    const int32_t number = values_.InstalmentDeleteLimit;
    const int32_t branch = wholeNumberOf(ui->Text23->text());
    QString criteria = QStringLiteral("PROPOSTA = ") + QString::number(number);
    if (branch != 1)
        criteria += QStringLiteral(" AND FILIAL = ") + QString::number(branch);
    try {
        instalments.MoveFirst();
    } catch (const EngineError& e) {
        if (e.number() == err::NoCurrentRecord)
            return;  // no instalment at all
        throw;
    }
    instalments.FindFirst(criteria);
    if (instalments.NoMatch())
        return;
    for (size_t k = 0; k < 12; ++k) {
        if (k > 0) {
            instalments.MoveNext();
            if (instalments.EOF())
                return;
            const Variant owner = instalments.field(QStringLiteral("PROPOSTA"));
            if (owner.isNull() || rt::CLng(owner) != number)
                return;
        }
        const Variant due = instalments.field(QStringLiteral("DV1"));
        if (!due.isNull())
            document.CertificateDueDates[k] = due;
        const Variant value = instalments.field(QStringLiteral("VALOR"));
        if (!value.isNull())
            document.CertificateInstalmentValues[k] = Variant(rt::Format(value, QStringLiteral("###,###.00")));
    }
}

}  // namespace vorna::documents
