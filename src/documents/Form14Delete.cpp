// "Excluir": the shown document with its insured objects and instalments,
// behind the deletion password.
#include "documents/Form14.h"

#include "common/AuditRow.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

const QString DeletedRemarks = QStringLiteral("EXCLUSÂO DE DOCUMENTO");
const QString DocumentNotFound = QStringLiteral("DOCUMENTO NAO ENCONTRADO");
constexpr int MaxInstalments = 12;

// Which insured-object table a line of business keeps its items in, and
// whether every item goes or only the first found.
struct ItemTable {
    db::Recordset DocumentRecordsets::*table;
    bool everyRow;
};

ItemTable itemTableOf(const QString& lineOfBusiness)
{
    const Variant code(rt::Trim(lineOfBusiness));
    // A code that is no number is "any other code".
    const double line = !code.stringValue().isEmpty() && rt::IsNumeric(code) ? rt::CDbl(code) : -1;
    if (line == 311 || line == 312 || line == 313)
        return {&DocumentRecordsets::AUTOMOVEL, true};
    if (line == 711 || line == 761 || line == 762)
        return {&DocumentRecordsets::MULTIRISCO, false};
    return {&DocumentRecordsets::OUTROS, false};
}

}  // namespace

void Form14::Command3D3_Click()
{
    const Session& session = vorna::state().session;
    if (!session.hasRight(Right::ECD)) {
        msg::refusedByRight();
        return;
    }
    if (session.AccessLevelWord == level::Minimum) {
        msg::refusedByLevel();
        return;
    }
    OpenPasswordPanel(1);
}

// The right deletion password was given. Everything the deletion removes or
// adds goes in one transaction: a failure shows the write-failure box, stores
// nothing and leaves the document shown.
void Form14::DeleteShownDocument()
{
    const auto endDeletion = [this] {
        ClearDocumentForm();
        for (QWidget* button : std::initializer_list<QWidget*>{ui->Command3D3, ui->Command3D11, ui->Command3D15,
                                                               ui->Command3D20, ui->Command3D22})
            button->setEnabled(false);
        values_.PendingPasswordAction = 0;
    };
    if (!msg::confirmDeletion()) {
        endDeletion();
        return;
    }
    DocumentRecordsets& rs = *recordsets_;
    bool found = true;
    try {
        auto t = vorna::state().MainDatabase.transaction();
        try {
            values_.InstalmentDeleteLimit = rt::CLng(Variant(ui->Text1->text()));
            found = FindShownDocument();
            if (found) {
                rs.DOCUMENTOS.Delete();
                DeleteInsuredObjects();
                writeAuditRow(rs.LOGUI, {auditCodeFromBox(ui->Text9->text()), ui->Combo5->Text(), DeletedRemarks,
                                         auditCodeFromBox(ui->Text1->text()), Variant(ui->Text2->text())});
                DeleteDocumentInstalments();
                t.commit();
            }
        } catch (...) {
            rs.LOGUI.CancelUpdate();
            throw;
        }
    } catch (const EngineError& failure) {
        values_.PendingPasswordAction = 0;
        msg::writeFailure(failure.number());
        return;
    }
    if (!found) {
        values_.PendingPasswordAction = 0;
        msg::notFound(DocumentNotFound);
        return;
    }
    endDeletion();
}

void Form14::DeleteInsuredObjects()
{
    const std::optional<QString> number = db::wholeNumber(ui->Text1->text());
    if (!number)
        return;
    const QString criteria = QStringLiteral("PROPOSTA = ") + *number;
    const ItemTable items = itemTableOf(ui->Text4->text());
    db::Recordset& rs = (*recordsets_).*items.table;
    for (;;) {
        rs.FindFirst(criteria);
        if (rs.NoMatch())
            return;
        rs.Delete();
        if (!items.everyRow)
            return;
    }
}

// The first run of the document's instalment rows in table order, twelve at
// most; rows of the document after another document's row stay. PROPOSTA names
// one document whatever the branch, and rows are stored with branch 1.
void Form14::DeleteDocumentInstalments()
{
    const std::optional<QString> number = db::wholeNumber(ui->Text1->text());
    if (!number)
        return;
    db::Recordset& instalments = recordsets_->PARCELAS;
    instalments.FindFirst(QStringLiteral("PROPOSTA = ") + *number);
    if (instalments.NoMatch())
        return;
    instalments.Delete();
    const auto sameDocument = [&] {
        const Variant owner = instalments.field(QStringLiteral("PROPOSTA"));
        return !owner.isNull() && !owner.isEmpty() && rt::CDbl(owner) == double(values_.InstalmentDeleteLimit);
    };
    for (int deleted = 1; deleted < MaxInstalments; ++deleted) {
        instalments.MoveNext();
        if (instalments.EOF() || !sameDocument())
            return;
        instalments.Delete();
    }
}

}  // namespace vorna::documents
