#include "registries/Form6.h"

#include "common/AppFolder.h"
#include "common/AuditRow.h"
#include "common/KeyFilters.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "common/Toolbar.h"
#include "platform/controls/ControlEvents.h"
#include "platform/runtime/Runtime.h"

#include <QStyle>

namespace vorna {

namespace {

const QString OtherBranchAlteration =
    QStringLiteral("CUIDADO! VOCÊ ESTÁ ALTERANDO OS DADOS DE OUTRA FILIAL E ISTO PODERÁ CAUSAR SÉRIAS DIVERGÊNCIAS!!");
const QString OtherBranchDeletion =
    QStringLiteral("CUIDADO! VOCÊ ESTÁ EXCLUINDO OS DADOS DE OUTRA FILIAL E ISTO PODERÁ CAUSAR SÉRIAS DIVERGÊNCIAS!!");
const QString ProducerAdded = QStringLiteral("Produtor Cadastrado com Codigo: ");

// A rate box holds a value other than zero. An empty box holds no value at all,
// so tabbing through it changes nothing; any other text must read as a number.
bool holdsNonZero(const QString& text)
{
    if (text.isEmpty())
        return false;
    return rt::CDbl(Variant(text)) != 0;
}

}  // namespace

namespace registries {

Form6::Form6()
{
    setObjectName(QStringLiteral("Form6"));
    setFixedWithoutCloseBox();
}

void Form6::connectControls()
{
    installToolbar(this, {
        {ui->Command3D2, QStyle::SP_DialogSaveButton, ui->Label42, &Form6::Command3D2_Click},
        {ui->Command3D1, QStyle::SP_DialogResetButton, ui->Label41, &Form6::Command3D1_Click},
        {ui->Command3D3, QStyle::SP_TrashIcon, ui->Label40, &Form6::Command3D3_Click},
        {ui->Command3D4, QStyle::SP_FileDialogContentsView, ui->Label39, &Form6::Command3D4_Click},
        {ui->Command3D11, QStyle::SP_FileDialogDetailedView, ui->Label53, &Form6::Command3D11_Click},
        {ui->Command3D5, QStyle::SP_DialogCloseButton, ui->Label57, &Form6::Command3D5_Click},
        {ui->Command3D8, QStyle::SP_MediaSkipBackward, ui->Label51, &Form6::Command3D8_Click},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward, ui->Label52, &Form6::Command3D9_Click},
        {ui->Command3D6, QStyle::SP_MediaSeekForward, ui->Label50, &Form6::Command3D6_Click},
        {ui->Command3D7, QStyle::SP_MediaSkipForward, ui->Label49, &Form6::Command3D7_Click},
    });
    KeyFilters::attach(ui->Text1, KeyFilters::CodeKeys);
    KeyFilters::attach(ui->Text2, KeyFilters::TextKeys);
    KeyFilters::attach(ui->Text11, KeyFilters::TextKeys);
    KeyFilters::attach(ui->MaskEdBox1, KeyFilters::RateKeys);
    KeyFilters::attach(ui->MaskEdBox2, KeyFilters::RateKeys);
    KeyFilters::attach(ui->MaskEdBox6, KeyFilters::RateKeys);

    ui::on(ui->List1).Click(this, &Form6::List1_Click);
    ui::on(ui->MaskEdBox1).GotFocus(this, &Form6::MaskEdBox1_GotFocus);
    ui::on(ui->MaskEdBox2).LostFocus(this, &Form6::MaskEdBox2_LostFocus);
    ui::on(ui->MaskEdBox6).LostFocus(this, &Form6::MaskEdBox6_LostFocus);
}

void Form6::Form_Load()
{
    RecordBindingDesign producer;
    producer.table = QStringLiteral("PRODUTOR");
    producer.keyField = QStringLiteral("CODIGO");
    producer.codeBox = ui->Text1;
    producer.nameBox = ui->Text2;
    // CODIGO is given once, when the producer is added, and never rewritten.
    producer.fields = {
        record::shownOnly("CODIGO", ui->Text1),
        record::always("NOME", ui->Text2),
        record::whenNotBlank("FILIAL", ui->Text23),
        record::whenNotBlank("SENHA", ui->Text4),
        record::whenNotBlank("TELEFONE", ui->Text11),
        record::whenNotEmpty("META", ui->MaskEdBox11),
        record::numberWhenNotEmpty("COMISSAO", ui->MaskEdBox6),
        record::numberWhenNotEmpty("COMISSAONOVOS", ui->MaskEdBox1),
        record::whenNotBlank("BANCO", ui->Text10),
        record::whenNotBlank("AGENCIA", ui->Text5),
        record::whenNotBlank("CONTA", ui->Text12),
        record::numberWhenNotEmpty("FIXO", ui->MaskEdBox2),
        record::options("POSICAO", {{ui->Option1, "1"}, {ui->Option2, "2"}, {ui->Option3, "3"}, {ui->Option4, "0"}}),
        record::options("JUROS", {{ui->Option5, "C"}, {ui->Option6, "S"}}),
    };
    // The name is required of a new producer only.
    producer.required = {{ui->Text2, msg::RequiredName, [this] { return !buttons_->isShown(); }}};
    // A new producer always belongs to the installation's branch.
    producer.hooks.beforeNewRow = [this] {
        ui->Text23->setText(QString::number(vorna::state().settings.BranchNumber));
        findLastCodeOfBranch();
    };
    producer.hooks.fillNewRow = [](db::Recordset& rs) {
        rs.setField(QStringLiteral("CODIGO"), Variant(vorna::state().document.LastProducerCode + 1));
        rs.setField(QStringLiteral("FILIAL"), Variant(vorna::state().settings.BranchNumber));
    };
    RecordBinding& binding = ownUntilUnload(producer_, std::make_unique<RecordBinding>(std::move(producer)));

    RecordButtonsDesign buttons;
    buttons.shownButton = ui->Command3D3;
    buttons.afterAddition = AfterAddition::ReportNewKey;
    buttons.newRecord = ProducerAdded;
    buttons.focus.afterAlteration = buttons.focus.afterDeletion = ui->Text1;
    buttons.focus.afterAddition = buttons.focus.afterClear = ui->Text2;
    buttons.navigation = NavigationKind::WithMessage;
    buttons.search.list = ui->List1;
    buttons.search.listPlace = QRect(3300, 1620, 5385, 1290);
    buttons.search.showLastFound = true;
    buttons.search.codeNotFound = msg::ProducerNotFoundPlain;
    buttons.search.nameNotFound = msg::ProducerNotFoundAccented;
    buttons.search.enterCodeOrName = msg::EnterCodeOrNamePlain;
    buttons.audit = audit::Producer;
    buttons.hooks.mayAlter = [this] {
        warnWhenOtherBranch(OtherBranchAlteration);
        return true;
    };
    buttons.hooks.mayDelete = [this] {
        warnWhenOtherBranch(OtherBranchDeletion);
        return true;
    };
    ownUntilUnload(buttons_, std::make_unique<RecordButtons>(binding, std::move(buttons)));
}

// ---- codes and branches -----------------------------------------------------------

void Form6::findLastCodeOfBranch()
{
    // Read from the table as stored now, not from the window's own recordset,
    // which never sees the producers other workstations added since it opened:
    // after one workstation's addition clashes with another's, the next attempt
    // gets the following code instead of the same one again. The unique key on
    // branch and code refuses the clash itself.
    db::Recordset stored = vorna::state().MainDatabase.openRecordset(QStringLiteral("PRODUTOR"));
    stored.FindLast(QStringLiteral("FILIAL = ") + QString::number(vorna::state().settings.BranchNumber));
    if (!stored.NoMatch())
        vorna::state().document.LastProducerCode = rt::CLng(stored.field(QStringLiteral("CODIGO")));
}

void Form6::warnWhenOtherBranch(const QString& warning)
{
    // A blank or unreadable branch box cannot be compared: the action stops there.
    const double branch = rt::CDbl(Variant(rt::Trim(ui->Text23->text())));
    if (branch != vorna::state().settings.BranchNumber)
        msg::notice(warning);
}

// ---- the handlers ------------------------------------------------------------------

void Form6::Command3D2_Click()
{
    if (!buttons_->isShown())
        vorna::state().document.LastProducerCode = 0;
    buttons_->SaveClick();
}

void Form6::Command3D1_Click() { buttons_->ClearClick(); }

void Form6::Command3D3_Click() { buttons_->DeleteClick(); }

void Form6::Command3D4_Click() { buttons_->SearchClick(); }

void Form6::List1_Click() { buttons_->PickClick(); }

void Form6::Command3D11_Click()
{
    report::ReportControl& rpt = *ui->CrystalReport1;
    rpt.setReportFileName(appFolder() + QStringLiteral("\\RELCDPRO.RPT"));
    rpt.setSelectionFormula(QString());
    rpt.setAction(1);
}

void Form6::Command3D5_Click() { Unload(); }

void Form6::Command3D8_Click() { buttons_->FirstClick(); }

void Form6::Command3D9_Click() { buttons_->PreviousClick(); }

void Form6::Command3D6_Click() { buttons_->NextClick(); }

void Form6::Command3D7_Click() { buttons_->LastClick(); }

// ---- the rate box rules -------------------------------------------------------------

// The new-business rate starts from the renewal rate.
void Form6::MaskEdBox1_GotFocus()
{
    if (ui->MaskEdBox1->Text().isEmpty() && !ui->MaskEdBox6->Text().isEmpty())
        ui->MaskEdBox1->setText(rt::CStr(Variant(rt::CDbl(Variant(ui->MaskEdBox6->Text())))));
}

// A fixed value excludes both percentages ...
void Form6::MaskEdBox2_LostFocus()
{
    if (holdsNonZero(ui->MaskEdBox2->Text())) {
        ui->MaskEdBox6->setText(QStringLiteral("0"));
        ui->MaskEdBox1->setText(QStringLiteral("0"));
    }
}

// ... and a renewal percentage excludes the fixed value.
void Form6::MaskEdBox6_LostFocus()
{
    if (holdsNonZero(ui->MaskEdBox6->Text()))
        ui->MaskEdBox2->setText(QStringLiteral("0"));
}

}  // namespace registries

ui::Window& windows::Form6() { return ui::windowRef<registries::Form6>(); }

}  // namespace vorna
