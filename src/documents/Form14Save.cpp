// "Avançar e Gravar": a new document, or the stored one the window shows.
#include "documents/DocumentRecord.h"
#include "documents/Form14.h"

#include "common/AuditRow.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/RecordWindowPatternFields.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

const QString DocumentAdded = QStringLiteral("Documento Cadastrado com Código: ");
const QString NothingWillChange =
    QStringLiteral("ATENÇÃO: NENHUM DADO SERÁ ALTERADO! SUA SENHA NÃO PERMITE ACESSO A ESTE MÓDULO!");
const QString DocumentNotFound = QStringLiteral("DOCUMENTO NAO ENCONTRADO");
const QString AddedRemarks = QStringLiteral("INCLUSÂO DE DOCUMENTO TIPO APOLICE");
const QString ProposalConverted = QStringLiteral("CONVERSAO DE PROPOSTA DE APOLICE EM APOLICE");
const QString AlteredOrConsulted = QStringLiteral("ALTERAÇAO/CONSULTA DE DOCUMENTO");

bool blank(const QString& text) { return rt::Trim(text).isEmpty(); }

// What a stored document's audit row says: a proposal (stored without a policy
// number) given one is converted; an unchanged number is an alteration or a
// consultation; a policy number changed into another says nothing.
QString storedRemarks(const Variant& shownPolicyNumber, const QString& policyBox)
{
    if (!shownPolicyNumber.isString() && !shownPolicyNumber.isEmpty())
        return {};
    const QString shown = shownPolicyNumber.isEmpty() ? QString() : shownPolicyNumber.stringValue();
    if (policyBox == shown)
        return AlteredOrConsulted;
    return shown == u" " ? ProposalConverted : QString();
}

}  // namespace

void Form14::Command3D2_Click()
{
    if (blank(ui->Text1->text()))
        SaveNewDocument();
    else
        SaveStoredDocument();
}

bool Form14::FindShownDocument()
{
    const std::optional<QString> number = db::wholeNumber(ui->Text1->text());
    const std::optional<QString> branch = db::wholeNumber(ui->Text23->text());
    if (!number || !branch)
        return false;
    db::Recordset& documents = recordsets_->DOCUMENTOS;
    documents.FindFirst(QStringLiteral("PROPOSTA = %1 AND FILIAL = %2").arg(*number, *branch));
    return !documents.NoMatch();
}

// All or nothing: the document row, the client an imported quotation may need
// and the audit row go in one transaction. A failure shows the write-failure
// box and leaves the window as typed.
bool Form14::SaveNewDocument()
{
    Session& session = vorna::state().session;
    if (session.AccessLevelWord == level::Minimum) {
        msg::refusedByLevel();
        return false;
    }
    if (!ValidateDocumentHeader())
        return false;
    if (!session.hasRight(Right::ICD)) {
        msg::refusedByRight();
        return false;
    }
    // The writer would never store the row of a user who may not see
    // commissions: refused before it is begun.
    if (!SeesCommissions(session)) {
        msg::refusedByRight(NothingWillChange);
        return false;
    }
    values_.SaveMode = 1;

    DocumentRecordsets& rs = *recordsets_;
    const QString clientCodeBefore = ui->Text9->text();
    Variant number;
    double shareSum = 0.0;
    try {
        auto t = vorna::state().MainDatabase.transaction();
        try {
            rs.DOCUMENTOS.AddNew();
            RecalculatePremiumAndCommission();
            rs.DOCUMENTOS.setField(QStringLiteral("DIFERENCA"),
                                   Variant(rt::CDbl(Variant(record::boxText(ui->MaskEdBox11)))));
            rs.DOCUMENTOS.setField(QStringLiteral("FILIAL"), Variant(1));
            rs.DOCUMENTOS.setField(QStringLiteral("FILCLIENTE"), Variant(1));
            for (const char* zero : {"VLRTRAN", "VLRPROP", "DEVPROP"})
                rs.DOCUMENTOS.setField(QLatin1String(zero), Variant(0));
            // It may replace the client code the writer then stores.
            if (!blank(ui->Text30->text()))
                GRAVCLI();
            const Variant client = auditCodeFromBox(ui->Text9->text());
            if (!WriteDocumentHeader(*this, rs.DOCUMENTOS, values_))
                throw EngineError(err::UpdateWithoutAddNew, QStringLiteral("Update without AddNew or Edit."));
            // No other workstation adds a row while the transaction holds the file.
            rs.DOCUMENTOS.MoveLast();
            number = rs.DOCUMENTOS.field(QStringLiteral("PROPOSTA"));
            writeAuditRow(rs.LOGUI, {client, ui->Combo5->Text(), AddedRemarks, number, Variant(ui->Text2->text())});
            for (QWidget* share : std::initializer_list<QWidget*>{ui->MaskEdBox12, ui->MaskEdBox13, ui->MaskEdBox14,
                                                                  ui->MaskEdBox75, ui->MaskEdBox77}) {
                const QString text = record::boxText(share);
                shareSum += blank(text) ? 0.0 : rt::CDbl(Variant(text));
            }
            t.commit();
        } catch (...) {
            for (db::Recordset* pending : {&rs.DOCUMENTOS, &rs.CLIENTES, &rs.LOGUI})
                pending->CancelUpdate();
            throw;
        }
    } catch (const EngineError& failure) {
        ui->Text9->setText(clientCodeBefore);
        msg::writeFailure(failure.number());
        return false;
    }
    ui->Text1->setText(rt::CStr(number));
    vorna::state().document.OperationMarker = Variant(QStringLiteral("1"));
    msg::newRecordNumber(DocumentAdded, rt::CLng(number), msg::TitleNewClient);
    values_.ProducerShareSum = Variant(shareSum == 0.0 ? 1E-08 : shareSum);
    ClearDocumentForm();
    return true;
}

// The audit row goes first and stays whatever follows, a refusal included;
// only the shown document's own row is ever written, and an engine failure
// stores nothing at all.
bool Form14::SaveStoredDocument()
{
    if (!ValidateDocumentHeader())
        return false;
    const Session& session = vorna::state().session;
    DocumentRecordsets& rs = *recordsets_;
    enum class Outcome { Written, Refused, Consulted, NotFound } outcome = Outcome::Written;
    try {
        auto t = vorna::state().MainDatabase.transaction();
        try {
            const QString policy = ui->Text2->text();
            writeAuditRow(rs.LOGUI, {auditCodeFromBox(ui->Text9->text()), ui->Combo5->Text(),
                                     storedRemarks(values_.ShownPolicyNumber, policy),
                                     auditCodeFromBox(ui->Text1->text()),
                                     Variant(blank(policy) ? QStringLiteral(".") : policy)});
            vorna::state().document.SourceDocumentNumber = rt::CLng(Variant(ui->Text1->text()));
            if (!FindShownDocument())
                outcome = Outcome::NotFound;
            else if (!session.hasRight(Right::ACD) || !SeesCommissions(session))
                outcome = Outcome::Refused;
            else if (session.AccessLevelWord == level::Minimum)
                outcome = Outcome::Consulted;
            else {
                rs.DOCUMENTOS.Edit();
                RecalculatePremiumAndCommission();
                if (!WriteDocumentHeader(*this, rs.DOCUMENTOS, values_))
                    throw EngineError(err::UpdateWithoutAddNew, QStringLiteral("Update without AddNew or Edit."));
            }
            t.commit();
        } catch (...) {
            for (db::Recordset* pending : {&rs.DOCUMENTOS, &rs.LOGUI})
                pending->CancelUpdate();
            throw;
        }
    } catch (const EngineError& failure) {
        msg::writeFailure(failure.number());
        return false;
    }
    if (outcome == Outcome::NotFound) {
        msg::notFound(DocumentNotFound);
        return false;
    }
    if (outcome == Outcome::Refused)
        msg::refusedByRight(NothingWillChange);
    for (int n = 32; n <= 55; ++n)
        if (QWidget* box = findChild<QWidget*>(QStringLiteral("MaskEdBox%1").arg(n)))
            box->setEnabled(false);
    ClearDocumentForm();
    return outcome == Outcome::Written;
}

}  // namespace vorna::documents
