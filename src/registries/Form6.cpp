#include "registries/Form6.h"

#include "common/AppFolder.h"
#include "common/AuditRow.h"
#include "common/KeyFilters.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/ToolbarHoverCaptions.h"
#include "common/WindowRefs.h"
#include "common/ToolbarPictures.h"
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
    setToolbarPictures({
        {ui->Command3D2, QStyle::SP_DialogSaveButton},     {ui->Command3D1, QStyle::SP_DialogResetButton},
        {ui->Command3D3, QStyle::SP_TrashIcon},            {ui->Command3D4, QStyle::SP_FileDialogContentsView},
        {ui->Command3D11, QStyle::SP_FileDialogDetailedView}, {ui->Command3D5, QStyle::SP_DialogCloseButton},
        {ui->Command3D8, QStyle::SP_MediaSkipBackward},    {ui->Command3D9, QStyle::SP_MediaSeekBackward},
        {ui->Command3D6, QStyle::SP_MediaSeekForward},     {ui->Command3D7, QStyle::SP_MediaSkipForward},
    });

    auto* captions = new ToolbarHoverCaptions(this);
    captions->add(ui->Command3D2, ui->Label42)
        .add(ui->Command3D1, ui->Label41)
        .add(ui->Command3D3, ui->Label40)
        .add(ui->Command3D4, ui->Label39)
        .add(ui->Command3D11, ui->Label53)
        .add(ui->Command3D5, ui->Label57)
        .add(ui->Command3D8, ui->Label51)
        .add(ui->Command3D9, ui->Label52)
        .add(ui->Command3D6, ui->Label50)
        .add(ui->Command3D7, ui->Label49);

    KeyFilters::attach(ui->Text1, KeyFilters::CodeKeys);
    KeyFilters::attach(ui->Text2, KeyFilters::TextKeys);
    KeyFilters::attach(ui->Text11, KeyFilters::TextKeys);
    KeyFilters::attach(ui->MaskEdBox1, KeyFilters::RateKeys);
    KeyFilters::attach(ui->MaskEdBox2, KeyFilters::RateKeys);
    KeyFilters::attach(ui->MaskEdBox6, KeyFilters::RateKeys);

    ui::on(ui->Command3D2).Click(this, &Form6::Command3D2_Click);
    ui::on(ui->Command3D1).Click(this, &Form6::Command3D1_Click);
    ui::on(ui->Command3D3).Click(this, &Form6::Command3D3_Click);
    ui::on(ui->Command3D4).Click(this, &Form6::Command3D4_Click);
    ui::on(ui->List1).Click(this, &Form6::List1_Click);
    ui::on(ui->Command3D11).Click(this, &Form6::Command3D11_Click);
    ui::on(ui->Command3D5).Click(this, &Form6::Command3D5_Click);
    ui::on(ui->Command3D8).Click(this, &Form6::Command3D8_Click);
    ui::on(ui->Command3D9).Click(this, &Form6::Command3D9_Click);
    ui::on(ui->Command3D6).Click(this, &Form6::Command3D6_Click);
    ui::on(ui->Command3D7).Click(this, &Form6::Command3D7_Click);
    ui::on(ui->MaskEdBox1).GotFocus(this, &Form6::MaskEdBox1_GotFocus);
    ui::on(ui->MaskEdBox2).LostFocus(this, &Form6::MaskEdBox2_LostFocus);
    ui::on(ui->MaskEdBox6).LostFocus(this, &Form6::MaskEdBox6_LostFocus);
}

void Form6::Form_Load()
{
    RecordWindowSpec design;
    design.table = QStringLiteral("PRODUTOR");
    design.keyField = QStringLiteral("CODIGO");
    design.codeBox = ui->Text1;
    design.nameBox = ui->Text2;
    // CODIGO is given once, when the producer is added, and never rewritten.
    design.fields = {
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
    design.required = {{ui->Text2, msg::RequiredName}};
    design.validateAlteration = false;
    design.shownButton = ui->Command3D3;
    design.afterAddition = AfterAddition::ReportNewKey;
    design.texts.newRecord = ProducerAdded;
    design.focusAfterAlteration = design.focusAfterDeletion = ui->Text1;
    design.focusAfterAddition = design.focusAfterClear = ui->Text2;
    design.navigation = NavigationKind::WithMessage;
    design.search.list = ui->List1;
    design.search.listPlace = QRect(3300, 1620, 5385, 1290);
    design.search.showLastFound = true;
    design.search.codeNotFound = msg::ProducerNotFoundPlain;
    design.search.nameNotFound = msg::ProducerNotFoundAccented;
    design.search.enterCodeOrName = msg::EnterCodeOrNamePlain;
    design.audit = audit::Producer;
    design.hooks.mayAlter = [this] {
        warnWhenOtherBranch(OtherBranchAlteration);
        return true;
    };
    design.hooks.mayDelete = [this] {
        warnWhenOtherBranch(OtherBranchDeletion);
        return true;
    };
    // A new producer always belongs to the installation's branch.
    design.hooks.beforeNewRow = [this] {
        ui->Text23->setText(QString::number(vorna::state().settings.BranchNumber));
        findLastCodeOfBranch();
    };
    design.hooks.fillNewRow = [](db::Recordset& rs) {
        rs.setField(QStringLiteral("CODIGO"), Variant(vorna::state().document.LastProducerCode + 1));
        rs.setField(QStringLiteral("FILIAL"), Variant(vorna::state().settings.BranchNumber));
    };
    record_ = std::make_unique<RecordWindowPattern>(std::move(design));
}

void Form6::Form_Unload() { record_.reset(); }

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
    if (!record_->isShown())
        vorna::state().document.LastProducerCode = 0;
    record_->SaveClick();
}

void Form6::Command3D1_Click() { record_->ClearClick(); }

void Form6::Command3D3_Click() { record_->DeleteClick(); }

void Form6::Command3D4_Click() { record_->SearchClick(); }

void Form6::List1_Click() { record_->PickClick(); }

void Form6::Command3D11_Click()
{
    report::ReportControl& rpt = *ui->CrystalReport1;
    rpt.setReportFileName(appFolder() + QStringLiteral("\\RELCDPRO.RPT"));
    rpt.setSelectionFormula(QString());
    rpt.setAction(1);
}

void Form6::Command3D5_Click() { Unload(); }

void Form6::Command3D8_Click() { record_->FirstClick(); }

void Form6::Command3D9_Click() { record_->PreviousClick(); }

void Form6::Command3D6_Click() { record_->NextClick(); }

void Form6::Command3D7_Click() { record_->LastClick(); }

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
