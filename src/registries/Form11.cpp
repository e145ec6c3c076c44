#include "registries/Form11.h"

#include "common/KeyFilters.h"
#include "common/ToolbarHoverCaptions.h"
#include "common/WindowRefs.h"
#include "common/ToolbarPictures.h"
#include "platform/controls/ControlEvents.h"

#include <QStyle>

namespace vorna {

namespace registries {

Form11::Form11()
{
    setObjectName(QStringLiteral("Form11"));
    setFixedWithoutCloseBox();
}

void Form11::connectControls()
{
    setToolbarPictures({
        {ui->Command3D1, QStyle::SP_DialogSaveButton},  {ui->Command3D2, QStyle::SP_DialogResetButton},
        {ui->Command3D3, QStyle::SP_TrashIcon},         {ui->Command3D4, QStyle::SP_FileDialogContentsView},
        {ui->Command3D5, QStyle::SP_DialogCloseButton}, {ui->Command3D8, QStyle::SP_MediaSkipBackward},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward}, {ui->Command3D6, QStyle::SP_MediaSeekForward},
        {ui->Command3D7, QStyle::SP_MediaSkipForward},
    });

    (new ToolbarHoverCaptions(this))
        ->add(ui->Command3D1, ui->Label17)
        .add(ui->Command3D2, ui->Label18)
        .add(ui->Command3D3, ui->Label19)
        .add(ui->Command3D4, ui->Label20)
        .add(ui->Command3D5, ui->Label21)
        .add(ui->Command3D8, ui->Label10)
        .add(ui->Command3D9, ui->Label11)
        .add(ui->Command3D6, ui->Label9)
        .add(ui->Command3D7, ui->Label8);
    KeyFilters::attach(ui->Text1, KeyFilters::CodeKeys);
    KeyFilters::attach(ui->Text2, KeyFilters::TextKeys);

    using ui::on;
    on(ui->Command3D1).Click(this, &Form11::Command3D1_Click);
    on(ui->Command3D2).Click(this, &Form11::Command3D2_Click);
    on(ui->Command3D3).Click(this, &Form11::Command3D3_Click);
    on(ui->Command3D4).Click(this, &Form11::Command3D4_Click);
    on(ui->Command3D5).Click(this, &Form11::Command3D5_Click);
    on(ui->Command3D8).Click(this, &Form11::Command3D8_Click);
    on(ui->Command3D9).Click(this, &Form11::Command3D9_Click);
    on(ui->Command3D6).Click(this, &Form11::Command3D6_Click);
    on(ui->Command3D7).Click(this, &Form11::Command3D7_Click);
    on(ui->List1).Click(this, &Form11::List1_Click);
}

// ShowProductLine, ValidateProductLine, WriteProductLineFields and
// ClearProductLineForm are the record window's four procedures over these
// fields.
void Form11::Form_Load()
{
    ui::MaskEdBox* const commissions[] = {ui->MaskEdBox1, ui->MaskEdBox2,  ui->MaskEdBox3,  ui->MaskEdBox4,
                                          ui->MaskEdBox5, ui->MaskEdBox6,  ui->MaskEdBox7,  ui->MaskEdBox8,
                                          ui->MaskEdBox9, ui->MaskEdBox10, ui->MaskEdBox11, ui->MaskEdBox12};
    RecordWindowSpec design;
    design.table = QStringLiteral("RAMOS");
    design.keyField = QStringLiteral("CODIGO");
    design.codeBox = ui->Text1;
    design.nameBox = ui->Text2;
    design.fields = {record::always("CODIGO", ui->Text1), record::always("NOME", ui->Text2)};
    for (int i = 0; i < 12; ++i)
        design.fields.push_back(record::rate(QStringLiteral("COM%1").arg(i + 1), commissions[i]));
    design.required = {{ui->Text2, msg::RequiredName}, {ui->Text1, msg::RequiredCode}};
    design.shownButton = ui->Command3D3;
    design.clearButton = ui->Command3D2;
    design.focusAfterAlteration = design.focusAfterAddition = design.focusAfterDeletion = ui->Text1;
    design.writeFailures = WriteFailures::Reported;
    design.texts.writeFailure = msg::RecordLocked;
    design.texts.duplicateKey = msg::DuplicateCode;
    design.deletion = Deletion::WithoutQuestion;
    design.deletionDisablesClear = true;
    design.navigation = NavigationKind::Silent;
    design.search.list = ui->List1;  // shown where the layout put it
    design.search.codeNotFound = msg::ProductNotFound;
    design.search.enterCodeOrName = msg::EnterCodeOrNamePlain;
    record_ = std::make_unique<RecordWindowPattern>(std::move(design));
}

void Form11::Form_Unload() { record_.reset(); }

void Form11::Command3D1_Click()
{
    if (record_)
        record_->SaveClick();
}

void Form11::Command3D2_Click()
{
    if (record_)
        record_->ClearClick();
}

void Form11::Command3D3_Click()
{
    if (record_)
        record_->DeleteClick();
}

void Form11::Command3D4_Click()
{
    if (record_)
        record_->SearchClick();
}

void Form11::Command3D5_Click()
{
    windows::Form2().Enable();
    Unload();
}

void Form11::Command3D8_Click()
{
    if (record_)
        record_->FirstClick();
}

void Form11::Command3D9_Click()
{
    if (record_)
        record_->PreviousClick();
}

void Form11::Command3D6_Click()
{
    if (record_)
        record_->NextClick();
}

void Form11::Command3D7_Click()
{
    if (record_)
        record_->LastClick();
}

void Form11::List1_Click()
{
    if (record_)
        record_->PickClick();
}

}  // namespace registries

ui::Window& windows::Form11() { return ui::windowRef<registries::Form11>(); }

}  // namespace vorna
