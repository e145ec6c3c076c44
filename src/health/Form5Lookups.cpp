// The look-ups that fill the participant's boxes from stored rows: the holder
// by name or code, the stipulant by policy number, the CPF already in use and
// the participant by code.
#include "health/Form5.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/controls/Twips.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna {

namespace {

QString textOf(const Variant& value) { return value.isNull() || value.isEmpty() ? QString() : rt::CStr(value); }

}  // namespace

namespace health {

bool Form5::FindParticipantByCode(const QString& codeText)
{
    db::Recordset& rs = participant_->recordset();
    const auto code = db::wholeNumber(codeText);
    if (!code)
        return false;
    rs.FindFirst(QStringLiteral("CODIGO = ") + *code);
    return !rs.NoMatch();
}

void Form5::CopyHolder(const db::Recordset& holder, bool withCode)
{
    const auto copy = [&](const char* field, ui::TextBox* box) {
        const Variant value = holder.field(QLatin1String(field));
        if (!value.isNull())
            box->setText(rt::CStr(value));
    };
    if (withCode)
        copy("CODIGO", ui->Text44);
    copy("NOME", ui->Text36);
    copy("CARTAO", ui->Text45);
    copy("ENDERECO", ui->Text4);
    copy("BAIRRO", ui->Text20);
    copy("CIDADE", ui->Text5);
    copy("CEP", ui->Text7);
    copy("TELEFONE1", ui->Text8);
    copy("TELEFONE2", ui->Text14);
    copy("EMAIL", ui->Text16);
    copy("BANCO", ui->Text3);
    copy("AGENCIA", ui->Text9);
    copy("CONTA", ui->Text6);
    const Variant state = holder.field(QStringLiteral("UF"));
    if (!state.isNull()) {
        const int at = ui->Combo3->findText(rt::CStr(state), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (at >= 0)
            ui->Combo3->setListIndex(at);
    }
}

// The holders whose name holds the typed piece, added to what the list holds.
// Each line keeps its holder's code, so a pick takes the holder picked.
void Form5::Command3D21_Click()
{
    const QString piece = ui->Text36->text();
    if (rt::Trim(piece).isEmpty()) {
        msg::notFound(msg::EnterPieceOfName);
        return;
    }
    ui::ListBox* list = ui->List3;
    list->setVisible(true);
    ui::placeTwips(list, 4725, 2010, 4410, 1740);
    list->raise();
    db::Recordset& rs = participant_->recordset();
    const QString criteria = db::containsCriteria(QStringLiteral("NOME"), piece) +
                             QStringLiteral(" AND SITUACAO = 'Titular'");
    rs.FindFirst(criteria);
    if (rs.NoMatch()) {
        msg::notFound(msg::HolderNotFound);
        list->setVisible(false);
        return;
    }
    QStringList names;
    QVariantList codes;
    do {
        names << textOf(rs.field(QStringLiteral("NOME")));
        codes << QVariant(rt::CLng(rs.field(QStringLiteral("CODIGO"))));
        rs.FindNext(criteria);
    } while (!rs.NoMatch());
    list->AddItems(names, codes);
}

void Form5::List3_Click() { PickHolderFrom(ui->List3); }

// The holder of the picked line copied in; the list put away. The recordset
// goes back to the participant shown, for the moves that start from it.
void Form5::PickHolderFrom(ui::ListBox* list)
{
    const int index = list->ListIndex();
    if (index < 0)
        return;
    const QString shown = ui->Text1->text();
    if (FindParticipantByCode(list->ItemData(index).toString())) {
        CopyHolder(participant_->recordset(), true);
        list->setVisible(false);
        list->Clear();
    } else {
        // Deleted since it was listed.
        msg::notFound(msg::ParticipantNotFound);
    }
    FindParticipantByCode(shown);
}

void Form5::Text44_LostFocus()
{
    const QString code = ui->Text44->text();
    if (rt::Trim(code).isEmpty())
        return;
    if (!FindParticipantByCode(code)) {
        msg::notice(msg::HolderNotFound);
        return;
    }
    const db::Recordset& rs = participant_->recordset();
    if (textOf(rs.field(QStringLiteral("SITUACAO"))) == QLatin1String("Dependente")) {
        msg::notice(msg::NotAHolder);
        return;
    }
    CopyHolder(rs, false);
}

// The stipulant of the first document whose policy number holds the typed text;
// the policy box keeps what was typed.
void Form5::Text42_LostFocus()
{
    const QString policy = ui->Text42->text();
    if (rt::Trim(policy).isEmpty())
        return;
    db::Recordset& documents = *documents_;
    documents.FindFirst(db::containsCriteria(QStringLiteral("APOLICE"), policy));
    if (documents.NoMatch()) {
        msg::notice(msg::PolicyNotFound);
        return;
    }
    ui->Text34->setText(textOf(documents.field(QStringLiteral("NOMCLIENTE"))));
}

// Another participant with the same CPF: the window empties for a new one. The
// participant shown is left out, so its own CPF is never a duplicate.
void Form5::Text17_LostFocus()
{
    const QString cpf = ui->Text17->text();
    if (cpf.isEmpty())
        return;
    QString criteria = QStringLiteral("CPF LIKE ") + db::quoted(db::likeLiteral(cpf));
    if (buttons_->isShown()) {
        if (const auto shown = db::wholeNumber(ui->Text1->text()))
            criteria += QStringLiteral(" AND CODIGO <> ") + *shown;
    }
    db::Recordset& rs = participant_->recordset();
    rs.FindFirst(criteria);
    if (rs.NoMatch())
        return;
    msg::notice(msg::ParticipantCpfInUse + rt::CStr(rs.field(QStringLiteral("CODIGO"))));
    ClearParticipantForm();
    buttons_->endShown();
}

void Form5::Text1_LostFocus()
{
    if (rt::Trim(ui->Text1->text()).isEmpty())
        return;
    // Only "Consultar" puts the name list away when the code is not found.
    const bool listShown = !ui->List2->isHidden();
    if (!buttons_->search()->findByCode())
        ui->List2->setVisible(listShown);
}

}  // namespace health

}  // namespace vorna
