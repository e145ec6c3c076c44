// "Gravar" and "Excluir" of the client window.
#include "clients/Form4.h"

#include "common/AuditRow.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna {

namespace {

const QString ClientAdded = QStringLiteral("Cliente Cadastrado com Codigo: ");

}  // namespace

namespace clients {

void Form4::Command3D1_Click()
{
    const Session& session = vorna::state().session;
    if (session.AccessLevelWord == level::Minimum) {
        msg::refusedByLevel();
        return;
    }
    const bool altering = buttons_->isShown();
    if (!session.hasRight(altering ? Right::ACC : Right::ICC)) {
        msg::refusedByRight();
        return;
    }
    if (!ValidateClientRequiredFields())
        return;
    if (!StoreClient(altering))
        return;
    client_->Clear();
    ui->Text2->setFocus(Qt::OtherFocusReason);
    buttons_->endShown();
}

bool Form4::StoreClient(bool altering)
{
    db::Recordset& rs = client_->recordset();
    const QString name = ui->Text2->text();
    Variant code = altering ? auditCodeFromBox(ui->Text1->text()) : Variant();
    try {
        auto t = client_->database().transaction();
        if (altering) {
            // The code box is locked while a client is shown: it names the row.
            rs.FindFirst(QStringLiteral("CODIGO = ") + rt::CStr(code));
            if (rs.NoMatch())
                throw EngineError(err::NoCurrentRecord, QStringLiteral("No current record."));
            rs.Edit();
        } else {
            rs.AddNew();
        }
        SaveClientFields(rs);
        rs.Update();
        if (!altering) {
            // The row just added is the last of this recordset; no other
            // workstation adds one while the transaction holds the file.
            rs.MoveLast();
            code = rs.field(QStringLiteral("CODIGO"));
        }
        buttons_->auditLog().write({code, name, altering ? audit::Client.altered : audit::Client.added, {}, {}});
        t.commit();
    } catch (const EngineError& failure) {
        if (rs.editMode() != db::Recordset::EditMode::None)
            rs.CancelUpdate();
        msg::writeFailure(failure.number());
        return false;
    }
    if (!altering) {
        ui->Text1->setText(rt::CStr(code));
        msg::newRecordNumber(ClientAdded, rt::CLng(code), msg::TitleNewClient);
    }
    return true;
}

// ---- deletion --------------------------------------------------------------------------

// Only the first level deletes clients, and only behind the deletion password.
void Form4::Command3D3_Click()
{
    const Session& session = vorna::state().session;
    if (!session.hasRight(Right::ECC)) {
        msg::refusedByRight();
        return;
    }
    if (session.AccessLevelWord == level::Medium || session.AccessLevelWord == level::Minimum) {
        msg::refusedByLevel();
        return;
    }
    deletionPanel_->Open();
}

void Form4::Text29_LostFocus() { deletionPanel_->Check(); }

void Form4::DeleteShownClient()
{
    if (!msg::confirmDeletion()) {
        buttons_->endShown();
        client_->Clear();
        return;
    }
    // The audit row names what the boxes show, and goes with the deletion.
    const Variant code = auditCodeFromBox(ui->Text1->text());
    const QString name = ui->Text2->text();
    {
        auto t = client_->database().transaction();
        client_->deleteShownRecord();
        buttons_->auditLog().write({code, name, audit::Client.deleted, {}, {}});
        t.commit();
    }
    client_->Clear();
    ui->Text1->setFocus(Qt::OtherFocusReason);
    buttons_->endShown();
}

}  // namespace clients

}  // namespace vorna
