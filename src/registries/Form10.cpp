#include "registries/Form10.h"

#include "common/AppFolder.h"
#include "common/KeyFilters.h"
#include "common/ToolbarHoverCaptions.h"
#include "common/WindowRefs.h"
#include "common/ToolbarPictures.h"
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
    setToolbarPictures({
        {ui->Command3D1, QStyle::SP_DialogSaveButton},     {ui->Command3D2, QStyle::SP_DialogResetButton},
        {ui->Command3D3, QStyle::SP_TrashIcon},            {ui->Command3D4, QStyle::SP_FileDialogContentsView},
        {ui->Command3D11, QStyle::SP_FileDialogInfoView},  {ui->Command3D15, QStyle::SP_FileDialogListView},
        {ui->Command3D5, QStyle::SP_DialogCloseButton},    {ui->Command3D8, QStyle::SP_MediaSkipBackward},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward},    {ui->Command3D6, QStyle::SP_MediaSeekForward},
        {ui->Command3D7, QStyle::SP_MediaSkipForward},
    });

    (new ToolbarHoverCaptions(this))
        ->add(ui->Command3D1, ui->Label16)
        .add(ui->Command3D2, ui->Label18)
        .add(ui->Command3D3, ui->Label19)
        .add(ui->Command3D4, ui->Label20)
        .add(ui->Command3D11, ui->Label23)
        .add(ui->Command3D15, ui->Label24)
        .add(ui->Command3D5, ui->Label21)
        .add(ui->Command3D8, ui->Label13)
        .add(ui->Command3D9, ui->Label12)
        .add(ui->Command3D6, ui->Label14)
        .add(ui->Command3D7, ui->Label15);
    KeyFilters::attach(ui->Text1, KeyFilters::CodeKeys);
    KeyFilters::attach(ui->Text2, KeyFilters::TextKeys);

    using ui::on;
    on(ui->Command3D1).Click(this, &Form10::Command3D1_Click);
    on(ui->Command3D2).Click(this, &Form10::Command3D2_Click);
    on(ui->Command3D3).Click(this, &Form10::Command3D3_Click);
    on(ui->Command3D4).Click(this, &Form10::Command3D4_Click);
    on(ui->Command3D5).Click(this, &Form10::Command3D5_Click);
    on(ui->Command3D8).Click(this, &Form10::Command3D8_Click);
    on(ui->Command3D9).Click(this, &Form10::Command3D9_Click);
    on(ui->Command3D6).Click(this, &Form10::Command3D6_Click);
    on(ui->Command3D7).Click(this, &Form10::Command3D7_Click);
    on(ui->Command3D11).Click(this, &Form10::Command3D11_Click);
    on(ui->Command3D15).Click(this, &Form10::Command3D15_Click);
    on(ui->List1).Click(this, &Form10::List1_Click).DblClick(this, &Form10::List1_DblClick);
}

// ShowInsurer, ValidateInsurer, WriteInsurerFields and ClearInsurerForm are
// the record window's four procedures over these fields.
void Form10::Form_Load()
{
    RecordWindowSpec design;
    design.table = QStringLiteral("CIAS");
    design.keyField = QStringLiteral("CODIGO");
    design.codeBox = ui->Text1;
    design.nameBox = ui->Text2;
    design.fields = {
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
    design.required = {{ui->Text2, msg::RequiredName}};
    design.shownButton = ui->Command3D3;
    design.focusAfterAlteration = design.focusAfterAddition = design.focusAfterDeletion = ui->Text1;
    design.writeFailures = WriteFailures::Unhandled;
    design.deletion = Deletion::AskFirst;
    design.navigation = NavigationKind::Silent;
    design.search.list = ui->List1;
    design.search.listPlace = QRect(2220, 510, 4650, 4440);
    design.search.codeNotFound = msg::InsurerNotFound;
    design.search.enterCodeOrName = msg::EnterCodeOrNameAccented;
    record_ = std::make_unique<RecordWindowPattern>(std::move(design));
}

void Form10::Form_Unload() { record_.reset(); }

void Form10::Command3D1_Click()
{
    if (record_)
        record_->SaveClick();
}

void Form10::Command3D2_Click()
{
    if (record_)
        record_->ClearClick();
}

void Form10::Command3D3_Click()
{
    if (record_)
        record_->DeleteClick();
}

void Form10::Command3D4_Click()
{
    if (record_)
        record_->SearchClick();
}

void Form10::Command3D5_Click() { Unload(); }

void Form10::Command3D8_Click()
{
    if (record_)
        record_->FirstClick();
}

void Form10::Command3D9_Click()
{
    if (record_)
        record_->PreviousClick();
}

void Form10::Command3D6_Click()
{
    if (record_)
        record_->NextClick();
}

void Form10::Command3D7_Click()
{
    if (record_)
        record_->LastClick();
}

void Form10::List1_Click()
{
    if (record_)
        record_->PickClick();
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
