#include "registries/Form10.h"

#include "common/AppFolder.h"
#include "common/KeyFilters.h"
#include "common/WindowRefs.h"
#include "common/Toolbar.h"
#include "platform/controls/ControlEvents.h"
#include "platform/report/FormulaText.h"
#include "platform/runtime/Runtime.h"

#include <QStyle>

namespace vorna {

namespace registries {

Form10::Form10()
{
    setObjectName(QStringLiteral("Form10"));
    setFixedWithoutCloseBox();
}

void Form10::connectControls()
{
    installToolbar(this, {
        {ui->Command3D1, QStyle::SP_DialogSaveButton, ui->Label16, &Form10::Command3D1_Click},
        {ui->Command3D2, QStyle::SP_DialogResetButton, ui->Label18, &Form10::Command3D2_Click},
        {ui->Command3D3, QStyle::SP_TrashIcon, ui->Label19, &Form10::Command3D3_Click},
        {ui->Command3D4, QStyle::SP_FileDialogContentsView, ui->Label20, &Form10::Command3D4_Click},
        {ui->Command3D11, QStyle::SP_FileDialogInfoView, ui->Label23, &Form10::Command3D11_Click},
        {ui->Command3D15, QStyle::SP_FileDialogListView, ui->Label24, &Form10::Command3D15_Click},
        {ui->Command3D5, QStyle::SP_DialogCloseButton, ui->Label21, &Form10::Command3D5_Click},
        {ui->Command3D8, QStyle::SP_MediaSkipBackward, ui->Label13, &Form10::Command3D8_Click},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward, ui->Label12, &Form10::Command3D9_Click},
        {ui->Command3D6, QStyle::SP_MediaSeekForward, ui->Label14, &Form10::Command3D6_Click},
        {ui->Command3D7, QStyle::SP_MediaSkipForward, ui->Label15, &Form10::Command3D7_Click},
    });
    KeyFilters::attach(ui->Text1, KeyFilters::CodeKeys);
    KeyFilters::attach(ui->Text2, KeyFilters::TextKeys);
    ui::on(ui->List1).Click(this, &Form10::List1_Click).DblClick(this, &Form10::List1_DblClick);
}

// ShowInsurer, ValidateInsurer, WriteInsurerFields and ClearInsurerForm are
// the binding's four procedures over these fields.
void Form10::Form_Load()
{
    RecordBindingDesign insurer;
    insurer.table = QStringLiteral("CIAS");
    insurer.keyField = QStringLiteral("CODIGO");
    insurer.codeBox = ui->Text1;
    insurer.nameBox = ui->Text2;
    insurer.fields = {
        record::always("CODIGO", ui->Text1),
        record::always("NOME", ui->Text2),
        record::whenNotEmpty("META", ui->MaskEdBox11),
        record::whenNotEmpty("CHEIA", ui->MaskEdBox10),
        record::whenNotBlank("CONTATO", ui->Text3),
        record::whenNotBlank("ENDE", ui->Text13),
        record::whenNotBlank("TELEFONES", ui->Text4),
        record::whenNotBlank("SITES", ui->Text12),
        record::whenNotBlank("EMAIL", ui->Text9),
        record::whenNotBlank("E2", ui->Text10),
        record::whenNotBlank("E3", ui->Text11),
        record::whenNotBlank("ASS24", ui->Text5),
        record::whenNotBlank("CENTRAL", ui->Text6),
        record::whenNotBlank("NORMAS", ui->Text7),
        record::whenNotBlank("SINISTRO", ui->Text8),
        record::rate("JUR4", ui->MaskEdBox4),
        record::rate("JUR5", ui->MaskEdBox5),
        record::rate("JUR7", ui->MaskEdBox7),
        record::rate("JUR10", ui->MaskEdBox1),
        record::rate("JUR12", ui->MaskEdBox12),
    };
    insurer.required = {{ui->Text2, msg::RequiredName}};
    insurer.writeFailures = WriteFailures::Unhandled;
    RecordBinding& binding = ownUntilUnload(insurer_, std::make_unique<RecordBinding>(std::move(insurer)));

    RecordButtonsDesign buttons;
    buttons.shownButton = ui->Command3D3;
    buttons.focus.afterAlteration = buttons.focus.afterAddition = buttons.focus.afterDeletion = ui->Text1;
    buttons.deletion = Deletion::AskFirst;
    buttons.navigation = NavigationKind::Silent;
    buttons.search.list = ui->List1;
    buttons.search.listPlace = QRect(2220, 510, 4650, 4440);
    buttons.search.codeNotFound = msg::InsurerNotFound;
    buttons.search.enterCodeOrName = msg::EnterCodeOrNameAccented;
    ownUntilUnload(buttons_, std::make_unique<RecordButtons>(binding, std::move(buttons)));
}

void Form10::Command3D1_Click()
{
    if (buttons_)
        buttons_->SaveClick();
}

void Form10::Command3D2_Click()
{
    if (buttons_)
        buttons_->ClearClick();
}

void Form10::Command3D3_Click()
{
    if (buttons_)
        buttons_->DeleteClick();
}

void Form10::Command3D4_Click()
{
    if (buttons_)
        buttons_->SearchClick();
}

void Form10::Command3D5_Click() { Unload(); }

void Form10::Command3D8_Click()
{
    if (buttons_)
        buttons_->FirstClick();
}

void Form10::Command3D9_Click()
{
    if (buttons_)
        buttons_->PreviousClick();
}

void Form10::Command3D6_Click()
{
    if (buttons_)
        buttons_->NextClick();
}

void Form10::Command3D7_Click()
{
    if (buttons_)
        buttons_->LastClick();
}

void Form10::List1_Click()
{
    if (buttons_)
        buttons_->PickClick();
}

void Form10::List1_DblClick() { List1_Click(); }

// The card prints the stored insurer of the typed code, not the boxes.
void Form10::Command3D11_Click()
{
    if (rt::Trim(ui->Text1->text()).isEmpty())
        return;
    report::ReportControl& rpt = *ui->CrystalReport1;
    rpt.setReportFileName(appFolder() + QStringLiteral("\\FICCIA.RPT"));
    rpt.setSelectionFormula(report::numberSelection(QStringLiteral("{CIAS.CODIGO}"), ui->Text1->text()));
    rpt.setAction(1);
}

void Form10::Command3D15_Click()
{
    report::ReportControl& rpt = *ui->CrystalReport1;
    rpt.setReportFileName(appFolder() + QStringLiteral("\\RELCIA.RPT"));
    rpt.setSelectionFormula(QString());
    rpt.setAction(1);
}

}  // namespace registries

ui::Window& windows::Form10() { return ui::windowRef<registries::Form10>(); }

}  // namespace vorna
