// "Gravar" and "Excluir" of the client window.
#include "clients/Form4.h"

#include "common/AuditRow.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/RecordRights.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna {

namespace clients {

void Form4::Command3D1_Click()
{
    const bool altering = buttons_->isShown();
    if (!mayStoreRecord(altering))
        return;
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
    const std::optional<Variant> code = buttons_->storeWithAudit(altering, [this, altering](db::Recordset& rs) {
        if (altering) {
            // The code box is locked while a client is shown: it names the row.
            const std::optional<QString> number = db::wholeNumber(ui->Text1->text());
            if (number)
                rs.FindFirst(QStringLiteral("CODIGO = ") + *number);
            if (!number || rs.NoMatch())
                throw EngineError(err::NoCurrentRecord, QStringLiteral("No current record."));
            rs.Edit();
        } else {
            rs.AddNew();
        }
        SaveClientFields(rs);
        rs.Update();
        return true;
    });
    if (!code)
        return false;
    if (!altering) {
        ui->Text1->setText(rt::CStr(*code));
        msg::newRecordNumber(msg::ClientAdded, rt::CLng(*code), msg::TitleNewClient);
    }
    return true;
}

// ---- deletion --------------------------------------------------------------------------

// Only the first level deletes clients, and only behind the deletion password.
void Form4::Command3D3_Click()
{
    if (mayDeleteRecord())
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
