// The event between row and window, "Gravar" and "Excluir".
#include "health/Form7.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/RecordRights.h"
#include "common/WindowRefs.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/RegionalText.h"
#include "platform/runtime/Runtime.h"

namespace vorna {

namespace {

const QString EventAdded = QStringLiteral("Evento Cadastrado com Código: ");
const QString InvalidAmount = QStringLiteral("VALOR INVALIDO");
const QString DayFirst = QStringLiteral("dd/mm/yyyy");

QString textOf(const Variant& value) { return value.isNull() || value.isEmpty() ? QString() : rt::CStr(value); }

// The first item equal to the stored text, letter case counting; none: none chosen.
void chooseExactly(ui::PickList* list, const QString& stored)
{
    for (int i = 0; i < list->ListCount(); ++i) {
        if (list->List(i) == stored) {
            list->setListIndex(i);
            return;
        }
    }
    list->setListIndex(-1);
}

}  // namespace

namespace health {

std::vector<record::Field> Form7::BoundFields()
{
    using namespace record;
    const auto text = [](const char* field, QWidget* box) { return whenNotBlank(QLatin1String(field), box); };
    const auto date = [](const char* field, QWidget* box) {
        return whenNotEmpty(QLatin1String(field), box).shownThrough(DayFirst);
    };
    return {
        shownOnly(QStringLiteral("CODIGO"), ui->Text1),
        always(QStringLiteral("NOME"), ui->Text2),
        shownOnly(QStringLiteral("CODVIDASAU"), ui->Text18),
        // The participant's code as a number; a blank box is no participant.
        computed(QStringLiteral("CODVIDASAU"),
                 [this] {
                     const std::optional<QString> code = db::wholeNumber(ui->Text18->text());
                     return code ? Variant(rt::CLng(Variant(*code))) : Variant::null();
                 }),
        text("CARTAO", ui->Text43), text("APOLICE", ui->Text42), text("OPERADORA", ui->Text15),
        text("NOMOPERADORA", ui->Text12), text("PLANO", ui->Text11), text("NOMPLANO", ui->Text10),
        text("ESTIPULANTE", ui->Text34), text("TIPEVENTO", ui->Combo3), text("EVENTO", ui->Text4),
        date("DTEVENTO", ui->MaskEdBox1), date("DTPROTOCOLO", ui->MaskEdBox4), date("DTPAGTO", ui->MaskEdBox5),
        // Shown as the number's text and read back the same way, so an amount
        // shown and saved again is stored unchanged.
        numberWhenNotEmpty(QStringLiteral("VLRRECIBO"), ui->MaskEdBox11),
        numberWhenNotEmpty(QStringLiteral("VLRPAGTO"), ui->MaskEdBox7),
        text("OBS", ui->Text3),
        flag(QStringLiteral("NEGADO"), ui->Check1),
    };
}

// What the clearing adds to the bound boxes: the participant's display-only
// boxes and both lists. The e-mail box keeps the last pick's address.
void Form7::ClearParticipantBoxes()
{
    for (QWidget* box : std::initializer_list<QWidget*>{ui->Text10, ui->Text11, ui->Text12, ui->Text13, ui->Text15,
                                                        ui->Text17, ui->Text34, ui->Text36, ui->Text42, ui->Text43,
                                                        ui->Text44, ui->Text45, ui->MaskEdBox2, ui->MaskEdBox22})
        record::clearBox(box);
    ui->Combo3->setListIndex(-1);
    ui->Combo4->setListIndex(-1);
}

// After the event's own values: the stored type exactly, then its
// participant's display-only boxes, read again by the participant's code.
// No participant code, or a participant deleted since: those boxes stay empty.
void Form7::ShowParticipantOfEvent()
{
    chooseExactly(ui->Combo3, textOf(event_->recordset().field(QStringLiteral("TIPEVENTO"))));
    const std::optional<QString> code = db::wholeNumber(ui->Text18->text());
    if (!code)
        return;
    db::Recordset& rs = *participants_;
    rs.FindFirst(QStringLiteral("CODIGO = ") + *code);
    if (rs.NoMatch())
        return;
    const std::pair<QWidget*, const char*> shown[] = {
        {ui->Text17, "CPF"}, {ui->Text44, "CODTIT"}, {ui->Text36, "NOMTIT"}, {ui->Text45, "CARTIT"}, {ui->Text13, "SENHA"},
    };
    for (const auto& [box, field] : shown)
        CopyFieldInto(box, rs, field);
    CopyDateInto(ui->MaskEdBox2, rs, "ANIV");
    CopyDateInto(ui->MaskEdBox22, rs, "VALIDADE");
    chooseExactly(ui->Combo4, textOf(rs.field(QStringLiteral("SITUACAO"))));
}

bool Form7::ValidateEvent()
{
    const auto missing = [](const QString& text, QWidget* box) {
        msg::requiredEntryMissing(text);
        box->setFocus(Qt::OtherFocusReason);
        return false;
    };
    if (rt::Trim(ui->Text2->text()).isEmpty())
        return missing(msg::RequiredName, ui->Text2);
    if (ui->MaskEdBox1->ClipText().isEmpty())
        return missing(QStringLiteral("PREENCHIMENTO OBRIGATORIO - DATA DE EVENTO"), ui->MaskEdBox1);
    if (rt::Trim(ui->Combo3->Text()).isEmpty())
        return missing(QStringLiteral("PREENCHIMENTO OBRIGATORIO - TIPO DO EVENTO"), ui->Combo3);
    return true;
}

bool Form7::AmountsAreNumbers()
{
    for (ui::MaskEdBox* box : {ui->MaskEdBox11, ui->MaskEdBox7}) {
        if (!box->Text().isEmpty() && !regional::parseNumber(box->Text())) {
            msg::notFound(InvalidAmount);
            box->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

bool Form7::FindEventOfCodeBox()
{
    const std::optional<QString> code = db::wholeNumber(ui->Text1->text());
    if (!code)
        return false;
    db::Recordset& rs = event_->recordset();
    rs.FindFirst(QStringLiteral("CODIGO = ") + *code);
    return !rs.NoMatch();
}

void Form7::Command3D1_Click()
{
    const bool handingBack = vorna::state().handOver.CallerCode == Variant(caller::RegisterForDocument);
    const bool altering = !handingBack && buttons_->isShown();
    if (!mayStoreRecord(altering))
        return;
    if (!ValidateEvent() || !AmountsAreNumbers())
        return;
    const std::optional<Variant> code = StoreEvent(altering);
    if (!code)
        return;
    if (handingBack) {
        ui->Text2->setFocus(Qt::OtherFocusReason);
        HandBackToDocument(*code);
        return;
    }
    ClearEventForm();
    ui->Text2->setFocus(Qt::OtherFocusReason);
    buttons_->endShown();
}

std::optional<Variant> Form7::StoreEvent(bool altering)
{
    // The code box names the row, whatever a search did to the recordset.
    if (altering && !FindEventOfCodeBox()) {
        msg::notFound(EventNotFound);
        return std::nullopt;
    }
    const std::optional<Variant> code = buttons_->storeWithAudit(altering, [this, altering](db::Recordset& rs) {
        if (altering)
            rs.Edit();
        else
            rs.AddNew();
        for (const record::Field& field : event_->design().fields)
            field.write(rs);
        rs.Update();
        return true;
    });
    if (!code)
        return std::nullopt;
    if (!altering) {
        ui->Text1->setText(rt::CStr(*code));
        msg::newRecordNumber(EventAdded, rt::CLng(*code), msg::TitleNewClient);
    }
    return code;
}

// Never reached: a new event handed back to the document window.
void Form7::HandBackToDocument(const Variant& code)
{
    HandOver& handOver = vorna::state().handOver;
    handOver.PassedRecordCode = code;
    handOver.PassedRecordName = ui->Text2->text();
    handOver.ReturnFlag = 1;
    Unload();
    windows::Form14().Show();
}

// ---- deletion --------------------------------------------------------------------------

void Form7::Command3D3_Click()
{
    if (mayDeleteRecord())
        deletionPanel_->Open();
}

void Form7::Text29_LostFocus() { deletionPanel_->Check(); }

// Only the event of the code box is deleted, wherever a search left the recordset.
void Form7::DeleteEventOfCodeBox()
{
    if (!msg::confirmDeletion()) {
        buttons_->endShown();
        ClearEventForm();
        return;
    }
    if (!FindEventOfCodeBox()) {
        msg::notFound(EventNotFound);
        return;
    }
    if (!buttons_->deleteWithAudit())
        return;
    ClearEventForm();
    ui->Text1->setFocus(Qt::OtherFocusReason);
    buttons_->endShown();
}

}  // namespace health

}  // namespace vorna
