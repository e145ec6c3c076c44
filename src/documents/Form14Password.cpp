// The document window's password panel: deleting the document, and the
// changes of a stored document's commission %, producers and instalment count.
#include "documents/Form14.h"

#include "common/PasswordPanel.h"
#include "common/ProgramState.h"
#include "common/RecordWindowPatternFields.h"
#include "platform/controls/ControlEvents.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

namespace action {
constexpr int Delete = 1;
constexpr int CommissionPercent = 2;
constexpr int Settlements = 3;
constexpr int Producer = 4;
constexpr int InstalmentCount = 7;
}  // namespace action

const QString NotDeleted = QStringLiteral("SENHA INCORRETA!DOCUMENTO NÃO SERÁ EXCLUÍDO!");
const QString NotAltered = QStringLiteral("SENHA INCORRETA!DOCUMENTO NÃO SERÁ ALTERADO!");
const QString NoSettlements = QStringLiteral("SENHA INCORRETA!AS BAIXAS NÃO SERÃO ACESSADAS!");
constexpr int DeletionTop = 3630;
constexpr int ChangeTop = 4740;

std::function<QString()> passwordOf(Variant SettingsCopies::*which)
{
    return [which] {
        const Variant& password = vorna::state().settings.*which;
        return password.isNull() || password.isEmpty() ? QString() : rt::CStr(password);
    };
}

bool guarded(int code)
{
    return code == action::Delete || code == action::CommissionPercent || code == action::Settlements ||
           code == action::Producer || code == action::InstalmentCount;
}

}  // namespace

void Form14::connectSaveAndDeletion()
{
    ui::on(ui->Command3D2).Click(this, &Form14::Command3D2_Click);
    ui::on(ui->Command3D3).Click(this, &Form14::Command3D3_Click);
    ui::on(ui->Text12).LostFocus(this, &Form14::Text12_LostFocus);
    ui::on(ui->MaskEdBox8).LostFocus(this, &Form14::MaskEdBox8_LostFocus);
    ui::on(ui->MaskEdBox9).LostFocus(this, &Form14::MaskEdBox9_LostFocus);
    ui::on(ui->MaskEdBox61).LostFocus(this, &Form14::MaskEdBox61_LostFocus);
    const QWidget* names[] = {ui->Combo8, ui->Combo9, ui->Combo10, ui->Combo18, ui->Combo19};
    for (int slot = 0; slot < 5; ++slot) {
        ui::on(const_cast<QWidget*>(names[slot]))
            .GotFocus([this, slot] { ProducerName_GotFocus(slot); })
            .LostFocus([this, slot] { ProducerName_LostFocus(slot); });
    }

    // The deletion hides what lies under the panel; the changes do not.
    const std::vector<QWidget*> covered = {ui->Frame3D5, ui->Frame3D8,  ui->Frame3D10, ui->Frame3D13, ui->Frame3D14,
                                           ui->Frame3D3, ui->Frame3D9, ui->Frame3D11, ui->Text23};
    const auto cancelled = [this] {
        PutBackPendingChange(values_.PendingPasswordAction);
        ui->Combo7->setFocus(Qt::OtherFocusReason);
        values_.PendingPasswordAction = 0;
    };
    const auto acceptedChange = [this](QWidget* focusTo) {
        return [this, focusTo] {
            ui->Text12->setText(QStringLiteral(" "));
            focusTo->setFocus(Qt::OtherFocusReason);
        };
    };
    const auto refusedChange = [this](int code, QWidget* focusTo) {
        return [this, code, focusTo] {
            PutBackPendingChange(code);
            focusTo->setFocus(Qt::OtherFocusReason);
            values_.PendingPasswordAction = 0;
        };
    };
    passwordPanel_ = new PasswordPanel(ui->Frame3D2, ui->Text12);
    passwordPanel_->add({.code = action::Delete,
                         .password = passwordOf(&SettingsCopies::DeletionPassword),
                         .wrongPassword = NotDeleted,
                         .covered = covered,
                         .top = DeletionTop,
                         .accepted = [this] { DeleteShownDocument(); },
                         .refused = [this] { values_.PendingPasswordAction = 0; },
                         .cancelled = cancelled});
    passwordPanel_->add({.code = action::CommissionPercent,
                         .password = passwordOf(&SettingsCopies::CommissionChangePassword),
                         .wrongPassword = NotAltered,
                         .top = ChangeTop,
                         .accepted = acceptedChange(ui->Combo7),
                         .refused = refusedChange(action::CommissionPercent, ui->Combo7),
                         .cancelled = cancelled});
    passwordPanel_->add({.code = action::Settlements,
                         .password = passwordOf(&SettingsCopies::SettlementPassword),
                         .wrongPassword = NoSettlements,
                         .top = ChangeTop,
                         // The same hand-over as "Baixas de Comissões"; the
                         // settlement window is not part of this program, so
                         // the window stays as it is.
                         .accepted = [this] { settlementHandOver(); },
                         .refused =
                             [this] {
                                 ui->Text12->setText(QString());
                                 values_.PendingPasswordAction = 0;
                             },
                         .cancelled = cancelled});
    passwordPanel_->add({.code = action::Producer,
                         .password = passwordOf(&SettingsCopies::ProducerChangePassword),
                         .wrongPassword = NotAltered,
                         .top = ChangeTop,
                         .accepted = acceptedChange(ui->Combo8),
                         .refused = refusedChange(action::Producer, ui->Combo8),
                         .cancelled = cancelled});
    passwordPanel_->add({.code = action::InstalmentCount,
                         .password = passwordOf(&SettingsCopies::CommissionChangePassword),
                         .wrongPassword = NotAltered,
                         .top = ChangeTop,
                         .accepted = acceptedChange(ui->Combo7),
                         .refused = refusedChange(action::InstalmentCount, ui->Combo7),
                         .cancelled = cancelled});
}

void Form14::OpenPasswordPanel(int code)
{
    if (!guarded(code) || !passwordPanel_)
        return;
    values_.PendingPasswordAction = int16_t(code);
    passwordPanel_->Open(code);
}

void Form14::Text12_LostFocus()
{
    if (!passwordPanel_ || !passwordPanel_->isOpen())
        return;
    // An action no opener stores is never taken for another: the panel only closes.
    if (values_.PendingPasswordAction != passwordPanel_->pendingCode() || !guarded(values_.PendingPasswordAction)) {
        ClosePasswordPanel();
        return;
    }
    passwordPanel_->Check();
}

void Form14::ClosePasswordPanel()
{
    ui->Frame3D2->hide();
    for (QWidget* covered : std::initializer_list<QWidget*>{ui->Frame3D5, ui->Frame3D8, ui->Frame3D13, ui->Frame3D10,
                                                            ui->Frame3D14, ui->Frame3D3, ui->Frame3D9, ui->Frame3D11,
                                                            ui->Text23})
        covered->show();
    values_.PendingPasswordAction = 0;
}

void Form14::PutBackPendingChange(int code)
{
    switch (code) {
    case action::CommissionPercent:
        record::setBoxText(ui->MaskEdBox6, rt::CStr(Variant(values_.PreviousCommissionPercent)));
        break;
    case action::Producer:
        PutBackProducers();
        break;
    case action::InstalmentCount:
        ui->Text20->setText(QString::number(values_.LoadedInstalmentCount));
        break;
    default:
        break;
    }
}

// Each slot back as the shown document has it: the stored code, the name kept
// for the slot, and the share and value as the show put them.
void Form14::PutBackProducers()
{
    struct Slot {
        ui::TextBox* code;
        ui::PickList* name;
        QWidget* share;
        QWidget* value;
    };
    const Slot producerSlots[] = {{ui->Text18, ui->Combo8, ui->MaskEdBox12, ui->MaskEdBox15},
                          {ui->Text25, ui->Combo9, ui->MaskEdBox13, ui->MaskEdBox16},
                          {ui->Text26, ui->Combo10, ui->MaskEdBox14, ui->MaskEdBox17},
                          {ui->Text32, ui->Combo18, ui->MaskEdBox75, ui->MaskEdBox76},
                          {ui->Text33, ui->Combo19, ui->MaskEdBox77, ui->MaskEdBox82}};
    const Session& session = vorna::state().session;
    const bool commissionsHidden = session.AccessLevelWord == level::Minimum || session.hasRight(Right::OCU);
    const bool found = FindShownDocument();
    db::Recordset& documents = recordsets_->DOCUMENTOS;
    const auto amountText = [&](const QString& field) {
        const Variant stored = documents.field(field);
        return commissionsHidden || stored.isNull() || stored.isEmpty() ? QStringLiteral("0")
                                                                        : rt::CStr(Variant(rt::CDbl(stored)));
    };
    for (int n = 0; n < 5; ++n) {
        const Slot& slot = producerSlots[n];
        if (found) {
            const Variant code = documents.field(QStringLiteral("PROD%1").arg(n + 1));
            if (!code.isNull())
                slot.code->setText(rt::CStr(code));
            record::setBoxText(slot.share, amountText(QStringLiteral("PREP%1").arg(n + 1)));
            record::setBoxText(slot.value, amountText(QStringLiteral("VREP%1").arg(n + 1)));
        }
        slot.name->setText(keptProducerName(n));
    }
}

QString Form14::keptProducerName(int slot) const
{
    if (slot == 4)
        return values_.ProducerNameBeforeEdit5;
    const Variant& kept = values_.ProducerNameBeforeEdit[size_t(slot)];
    return kept.isString() ? kept.stringValue() : QString();
}

void Form14::ProducerName_GotFocus(int slot)
{
    const ui::PickList* names[] = {ui->Combo8, ui->Combo9, ui->Combo10, ui->Combo18, ui->Combo19};
    const QString name = names[slot]->Text();
    if (rt::Trim(name).isEmpty())
        return;
    if (slot < 4)
        values_.ProducerNameBeforeEdit[size_t(slot)] = Variant(name);
    else
        values_.ProducerNameBeforeEdit5 = name;
}

void Form14::ProducerName_LostFocus(int slot)
{
    const ui::PickList* names[] = {ui->Combo8, ui->Combo9, ui->Combo10, ui->Combo18, ui->Combo19};
    const QString name = names[slot]->Text();
    if (rt::Trim(ui->Text1->text()).isEmpty() || rt::Trim(name).isEmpty())
        return;
    const QString before = keptProducerName(slot);
    if (name != before)
        OpenPasswordPanel(action::Producer);
}

}  // namespace vorna::documents
