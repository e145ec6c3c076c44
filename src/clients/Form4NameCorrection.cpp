// Copying the shown client's stored name into the client's documents.
#include "clients/Form4.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/database/CriteriaText.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/Runtime.h"

namespace vorna {

namespace {

const QString WillCorrectAll = QStringLiteral(
    "Esta operação irá alterar/corrigir o nome de cliente de TODOS os documentos que possuam em seu campo código de "
    "cliente o mesmo código do cliente agora exibido em tela.");
const QString ConfirmCorrection = QStringLiteral("Você tem certeza que deseja alterar?");

}  // namespace

namespace clients {

void Form4::Command3D27_Click()
{
    // Only a stored client that is shown: a code typed after "Limpar" (or
    // pasted, not digits) names no client whose name could be copied.
    const std::optional<QString> code = db::wholeNumber(ui->Text1->text());
    if (!code || rt::Trim(ui->Text2->text()).isEmpty() || !buttons_->isShown())
        return;
    const Session& session = vorna::state().session;
    if (!session.hasRight(Right::ACC)) {
        msg::refusedByRight();
        return;
    }
    if (session.AccessLevelWord == level::Minimum || session.AccessLevelWord == level::Medium) {
        msg::refusedByLevel();
        return;
    }
    msg::notice(WillCorrectAll);
    if (dlg::MsgBox(ConfirmCorrection, dlg::Buttons::YesNo, msg::TitleAttention) != dlg::Answer::Yes)
        return;
    if (!CorrectNameInDocuments(*code))
        return;
    Command3D2_Click();
}

// All of the client's documents or none. The name is the one stored in the
// client's own row, found by its code, not whatever row a search left current.
bool Form4::CorrectNameInDocuments(const QString& code)
{
    db::Recordset& clients = client_->recordset();
    db::Recordset documents = client_->database().openRecordset(QStringLiteral("DOCUMENTOS"));
    try {
        auto t = client_->database().transaction();
        clients.FindFirst(QStringLiteral("CODIGO = ") + code);
        if (clients.NoMatch()) {
            msg::notFound(msg::ClientNotFound);
            return false;
        }
        const Variant name = clients.field(QStringLiteral("NOME"));
        const QString criteria = QStringLiteral("CODCLIENTE = ") + code + QStringLiteral(" AND PROPOSTA > 0");
        for (documents.FindFirst(criteria); !documents.NoMatch(); documents.FindNext(criteria)) {
            documents.Edit();
            documents.setField(QStringLiteral("NOMCLIENTE"), name);
            documents.Update();
        }
        t.commit();
    } catch (const EngineError& failure) {
        if (documents.editMode() != db::Recordset::EditMode::None)
            documents.CancelUpdate();
        msg::writeFailure(failure.number());
        return false;
    }
    return true;
}

}  // namespace clients

}  // namespace vorna
