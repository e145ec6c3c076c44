// The participant and policy link: the name search, the pick, the event by its
// code and the look-ups behind the display-only boxes.
#include "health/Form7.h"

#include "common/MessageTexts.h"
#include "common/NameFragmentSearch.h"
#include "common/RecordWindowPatternFields.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna {

namespace {

const QString PolicyOfParticipantNotFound =
    QStringLiteral("APÓLICE NÃO ENCONTRADA! REVEJA O CADASTRAMENTO DA APÓLICE E DO PARTICIPANTE!");
}  // namespace

namespace health {

void Form7::CopyFieldInto(QWidget* box, const db::Recordset& rs, const char* field)
{
    const Variant value = rs.field(QLatin1String(field));
    if (!value.isNull() && !value.isEmpty())
        record::setBoxText(box, rt::CStr(value));
}

void Form7::CopyDateInto(QWidget* box, const db::Recordset& rs, const char* field)
{
    const Variant value = rs.field(QLatin1String(field));
    if (!value.isNull() && !value.isEmpty())
        record::setBoxText(box, rt::Format(value, QStringLiteral("dd/mm/yyyy")));
}

void Form7::Command3D21_Click()
{
    if (rt::Trim(ui->Text2->text()).isEmpty()) {
        msg::notFound(msg::EnterPieceOfName);
        return;
    }
    participantSearch_->listByName();
}

// Each line keeps its participant, so a namesake picked is the one linked.
void Form7::List3_Click()
{
    const int index = ui->List3->ListIndex();
    if (index < 0)
        return;
    try {
        participants_->setBookmark(ui->List3->ItemData(index).value<Variant>());
        (void)participants_->field(QStringLiteral("CODIGO"));
    } catch (const EngineError& e) {
        // Deleted by another workstation since it was listed: nothing to copy.
        if (e.number() != err::RecordDeleted && e.number() != err::InvalidBookmark)
            throw;
        return;
    }
    CopyParticipant();
    if (!rt::Trim(ui->Text42->text()).isEmpty() && !CopyPolicyDocument()) {
        msg::notice(PolicyOfParticipantNotFound);
        return;
    }
    ui->List3->setVisible(false);
    ui->List3->Clear();
}

// The participant and policy boxes are emptied first, so nothing of an
// earlier participant stays to be saved with the event; the event's own
// boxes keep what was typed.
void Form7::CopyParticipant()
{
    for (QWidget* box : std::initializer_list<QWidget*>{ui->Text18, ui->Text17, ui->Text42, ui->Text34, ui->Text44,
                                                        ui->Text36, ui->Text45, ui->Text43, ui->Text13, ui->Text5,
                                                        ui->Text11, ui->Text10, ui->Text15, ui->Text12,
                                                        ui->MaskEdBox2, ui->MaskEdBox22})
        record::clearBox(box);
    ui->Combo4->setListIndex(-1);

    const db::Recordset& rs = *participants_;
    const std::pair<QWidget*, const char*> copied[] = {
        {ui->Text18, "CODIGO"}, {ui->Text2, "NOME"},    {ui->Text17, "CPF"},    {ui->Text42, "APOLICE"},
        {ui->Text34, "ESTIPULANTE"}, {ui->Text44, "CODTIT"}, {ui->Text36, "NOMTIT"}, {ui->Text45, "CARTIT"},
        {ui->Text43, "CARTAO"}, {ui->Text13, "SENHA"},  {ui->Text5, "EMAIL"},
    };
    for (const auto& [box, field] : copied)
        CopyFieldInto(box, rs, field);
    CopyDateInto(ui->MaskEdBox2, rs, "ANIV");
    CopyDateInto(ui->MaskEdBox22, rs, "VALIDADE");
    const Variant status = rs.field(QStringLiteral("SITUACAO"));
    if (!status.isNull() && !status.isEmpty()) {
        const QString text = rt::CStr(status);
        for (int i = 0; i < ui->Combo4->ListCount(); ++i) {
            if (ui->Combo4->List(i) == text) {
                ui->Combo4->setListIndex(i);
                break;
            }
        }
    }
}

// The first document, policy or endorsement, whose number contains the
// participant's policy text: its client, line of business and insurer.
bool Form7::CopyPolicyDocument()
{
    db::Recordset& rs = *documents_;
    rs.FindFirst(db::containsCriteria(QStringLiteral("APOLICE"), ui->Text42->text()));
    if (rs.NoMatch())
        return false;
    const std::pair<QWidget*, const char*> copied[] = {
        {ui->Text34, "NOMCLIENTE"}, {ui->Text11, "RAMO"},          {ui->Text10, "NOMRAMO"},
        {ui->Text15, "SEGURADORA"}, {ui->Text12, "NOMSEGURADORA"},
    };
    for (const auto& [box, field] : copied)
        CopyFieldInto(box, rs, field);
    return true;
}

// A code that no event has (or that is not a number) keeps the boxes, so
// "Gravar" then adds them as a new event.
void Form7::Text1_LostFocus()
{
    if (rt::Trim(ui->Text1->text()).isEmpty())
        return;
    if (FindEventOfCodeBox()) {
        ShowEvent();
        return;
    }
    msg::notFound(EventNotFound);
    buttons_->endShown();
}

// ---- look-ups of display-only boxes: never reached while the boxes are disabled ----

void Form7::Text44_LostFocus()
{
    const std::optional<QString> code = db::wholeNumber(ui->Text44->text());
    if (rt::Trim(ui->Text44->text()).isEmpty())
        return;
    db::Recordset& rs = *participants_;
    if (code)
        rs.FindFirst(QStringLiteral("CODIGO = ") + *code);
    if (!code || rs.NoMatch()) {
        msg::notice(msg::HolderNotFound);
        return;
    }
    if (rs.field(QStringLiteral("SITUACAO")) == Variant(QStringLiteral("Dependente"))) {
        msg::notice(msg::NotAHolder);
        return;
    }
    CopyFieldInto(ui->Text36, rs, "NOME");
    CopyFieldInto(ui->Text45, rs, "CARTAO");
}

void Form7::Text17_LostFocus()
{
    if (ui->Text17->text().isEmpty())
        return;
    db::Recordset& rs = *participants_;
    rs.FindFirst(db::equalsCriteria(QStringLiteral("CPF"), ui->Text17->text()));
    if (rs.NoMatch())
        return;
    msg::notice(msg::ParticipantCpfInUse + rt::CStr(rs.field(QStringLiteral("CODIGO"))));
    ClearEventForm();
}

void Form7::Text42_LostFocus()
{
    if (rt::Trim(ui->Text42->text()).isEmpty())
        return;
    db::Recordset& rs = *documents_;
    rs.FindFirst(db::containsCriteria(QStringLiteral("APOLICE"), ui->Text42->text()));
    if (rs.NoMatch()) {
        msg::notice(msg::PolicyNotFound);
        return;
    }
    CopyFieldInto(ui->Text34, rs, "NOMCLIENTE");
}

}  // namespace health

}  // namespace vorna
