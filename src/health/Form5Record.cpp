// The participant between row and window: show, clear, "Gravar" and "Excluir".
#include "health/Form5.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/RecordRights.h"
#include "common/WindowRefs.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna {

namespace {

const QString ParticipantAdded = QStringLiteral("Participante Cadastrado com Código: ");
const QString Holder = QStringLiteral("Titular");

// The item equal to the stored text, letter case and blanks counting; none
// leaves the list without a choice.
void chooseEqual(ui::PickList* list, const Variant& stored)
{
    const QString text = stored.isNull() || stored.isEmpty() ? QString() : rt::CStr(stored);
    list->setListIndex(list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

}  // namespace

namespace health {

std::vector<record::Field> Form5::BoundFields()
{
    using namespace record;
    const QString dayFirst = QStringLiteral("dd/mm/yyyy");
    const auto text = [](const char* field, QWidget* box) { return whenNotBlank(QLatin1String(field), box); };
    const auto date = [&](const char* field, QWidget* box) {
        return whenNotEmpty(QLatin1String(field), box).shownThrough(dayFirst);
    };
    // In the order the save writes them.
    return {
        shownOnly(QStringLiteral("CODIGO"), ui->Text1),
        always(QStringLiteral("NOME"), ui->Text2),
        text("CPF", ui->Text17),
        date("ANIV", ui->MaskEdBox2),
        text("APOLICE", ui->Text42),
        text("ESTIPULANTE", ui->Text34),
        // The list's items are at most ten characters, the field's width.
        text("SITUACAO", ui->Combo4),
        text("CODTIT", ui->Text44),
        text("NOMTIT", ui->Text36),
        text("CARTIT", ui->Text45),
        text("CARTAO", ui->Text43),
        date("VALIDADE", ui->MaskEdBox22),
        text("SENHA", ui->Text13),
        text("ENDERECO", ui->Text4),
        text("BAIRRO", ui->Text20),
        text("CIDADE", ui->Text5),
        text("CEP", ui->Text7),
        text("UF", ui->Combo3),
        text("TELEFONE1", ui->Text8),
        text("TELEFONE2", ui->Text14),
        text("EMAIL", ui->Text16),
        text("BANCO", ui->Text3),
        text("AGENCIA", ui->Text9),
        text("CONTA", ui->Text6),
    };
}

void Form5::ShowParticipant() { buttons_->Show(); }

void Form5::ClearParticipantForm() { participant_->Clear(); }

bool Form5::ValidateParticipant() { return participant_->Validate(); }

// The lists select only an item equal to the stored text.
void Form5::ShowChosenLists()
{
    const db::Recordset& rs = participant_->recordset();
    chooseEqual(ui->Combo3, rs.field(QStringLiteral("UF")));
    chooseEqual(ui->Combo4, rs.field(QStringLiteral("SITUACAO")));
}

// A holder has no holder of its own: its holder boxes go away, emptied.
void Form5::HolderToggle()
{
    const bool holder = ui->Combo4->Text() == Holder;
    if (holder) {
        ui->Text44->clear();
        ui->Text36->clear();
        ui->Text45->clear();
    }
    for (QWidget* box : {static_cast<QWidget*>(ui->Label25), static_cast<QWidget*>(ui->Text44),
                         static_cast<QWidget*>(ui->Text36), static_cast<QWidget*>(ui->Text45),
                         static_cast<QWidget*>(ui->Command3D21)})
        box->setVisible(!holder);
}

void Form5::Combo4_LostFocus() { HolderToggle(); }

bool Form5::MayShowToOwner()
{
    const Session& session = vorna::state().session;
    if (session.AccessLevelWord == level::Minimum && !(session.DocumentOwner == session.UserIdentification)) {
        msg::refusedByOwner();
        return false;
    }
    return true;
}

void Form5::Command3D2_Click() { buttons_->ClearClick(); }

// ---- "Gravar" --------------------------------------------------------------------------

bool Form5::FindParticipantOfCodeBox()
{
    db::Recordset& rs = participant_->recordset();
    if (const auto code = db::wholeNumber(ui->Text1->text())) {
        rs.FindFirst(QStringLiteral("CODIGO = ") + *code);
        if (!rs.NoMatch())
            return true;
    }
    msg::notFound(msg::ParticipantNotFound);
    return false;
}

void Form5::Command3D1_Click()
{
    const bool handBack = vorna::state().handOver.CallerCode == Variant(caller::RegisterForDocument);
    const bool altering = !handBack && buttons_->isShown();
    if (!mayStoreRecord(altering))
        return;
    if (!ValidateParticipant())
        return;
    if (altering && !FindParticipantOfCodeBox())
        return;
    const std::optional<Variant> code = StoreParticipant(altering);
    if (!code)
        return;
    if (!altering) {
        ui->Text1->setText(rt::CStr(*code));
        msg::newRecordNumber(handBack ? msg::ClientAdded : ParticipantAdded, rt::CLng(*code), msg::TitleNewClient);
    }
    if (handBack) {
        HandOver& handOver = vorna::state().handOver;
        handOver.PassedRecordCode = *code;
        handOver.PassedRecordName = ui->Text2->text();
        handOver.ReturnFlag = 1;
        ui->Text2->setFocus(Qt::OtherFocusReason);
        Unload();
        windows::Form14().Show();
        return;
    }
    buttons_->endShown();
    ClearParticipantForm();
    ui->Text2->setFocus(Qt::OtherFocusReason);
}

std::optional<Variant> Form5::StoreParticipant(bool altering)
{
    return buttons_->storeWithAudit(altering, [this, altering](db::Recordset& rs) {
        if (altering)
            rs.Edit();
        else
            rs.AddNew();
        return participant_->Write();
    });
}

// ---- "Excluir" -------------------------------------------------------------------------

// Only the first level deletes participants, and only behind the deletion password.
void Form5::Command3D3_Click()
{
    if (mayDeleteRecord())
        deletionPanel_->Open();
}

void Form5::Text29_LostFocus() { deletionPanel_->Check(); }

void Form5::DeleteShownParticipant()
{
    if (!msg::confirmDeletion()) {
        buttons_->endShown();
        ClearParticipantForm();
        return;
    }
    // Wherever a look-up left the recordset, the row deleted is the one of the code box.
    if (!FindParticipantOfCodeBox())
        return;
    if (!buttons_->deleteWithAudit())
        return;
    ClearParticipantForm();
    ui->Text1->setFocus(Qt::OtherFocusReason);
    buttons_->endShown();
}

}  // namespace health

}  // namespace vorna
