#include "registries/Form11.h"

#include "common/KeyFilters.h"
#include "common/WindowRefs.h"
#include "common/Toolbar.h"
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
    installToolbar(this, {
        {ui->Command3D1, QStyle::SP_DialogSaveButton, ui->Label17, &Form11::Command3D1_Click},
        {ui->Command3D2, QStyle::SP_DialogResetButton, ui->Label18, &Form11::Command3D2_Click},
        {ui->Command3D3, QStyle::SP_TrashIcon, ui->Label19, &Form11::Command3D3_Click},
        {ui->Command3D4, QStyle::SP_FileDialogContentsView, ui->Label20, &Form11::Command3D4_Click},
        {ui->Command3D5, QStyle::SP_DialogCloseButton, ui->Label21, &Form11::Command3D5_Click},
        {ui->Command3D8, QStyle::SP_MediaSkipBackward, ui->Label10, &Form11::Command3D8_Click},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward, ui->Label11, &Form11::Command3D9_Click},
        {ui->Command3D6, QStyle::SP_MediaSeekForward, ui->Label9, &Form11::Command3D6_Click},
        {ui->Command3D7, QStyle::SP_MediaSkipForward, ui->Label8, &Form11::Command3D7_Click},
    });
    KeyFilters::attach(ui->Text1, KeyFilters::CodeKeys);
    KeyFilters::attach(ui->Text2, KeyFilters::TextKeys);
    ui::on(ui->List1).Click(this, &Form11::List1_Click);
}

// ShowProductLine, ValidateProductLine, WriteProductLineFields and
// ClearProductLineForm are the binding's four procedures over these fields.
void Form11::Form_Load()
{
    ui::MaskEdBox* const commissions[] = {ui->MaskEdBox1, ui->MaskEdBox2,  ui->MaskEdBox3,  ui->MaskEdBox4,
                                          ui->MaskEdBox5, ui->MaskEdBox6,  ui->MaskEdBox7,  ui->MaskEdBox8,
                                          ui->MaskEdBox9, ui->MaskEdBox10, ui->MaskEdBox11, ui->MaskEdBox12};
    RecordBindingDesign line;
    line.table = QStringLiteral("RAMOS");
    line.keyField = QStringLiteral("CODIGO");
    line.codeBox = ui->Text1;
    line.nameBox = ui->Text2;
    line.fields = {record::always("CODIGO", ui->Text1), record::always("NOME", ui->Text2)};
    for (int i = 0; i < 12; ++i)
        line.fields.push_back(record::rate(QStringLiteral("COM%1").arg(i + 1), commissions[i]));
    line.required = {{ui->Text2, msg::RequiredName}, {ui->Text1, msg::RequiredCode}};
    line.writeFailures = WriteFailures::Reported;
    line.writeFailure = msg::RecordLocked;
    line.duplicateKey = msg::DuplicateCode;
    RecordBinding& binding = ownUntilUnload(line_, std::make_unique<RecordBinding>(std::move(line)));

    RecordButtonsDesign buttons;
    buttons.shownButton = ui->Command3D3;
    buttons.clearButton = ui->Command3D2;
    buttons.focus.afterAlteration = buttons.focus.afterAddition = buttons.focus.afterDeletion = ui->Text1;
    buttons.deletion = Deletion::WithoutQuestion;
    // "Limpar" stays disabled until the next Show enables it again.
    buttons.hooks.deleted = [this] { ui->Command3D2->setEnabled(false); };
    buttons.navigation = NavigationKind::Silent;
    buttons.search.list = ui->List1;  // shown where the layout put it
    buttons.search.codeNotFound = msg::ProductNotFound;
    buttons.search.enterCodeOrName = msg::EnterCodeOrNamePlain;
    ownUntilUnload(buttons_, std::make_unique<RecordButtons>(binding, std::move(buttons)));
}

void Form11::Command3D1_Click()
{
    if (buttons_)
        buttons_->SaveClick();
}

void Form11::Command3D2_Click()
{
    if (buttons_)
        buttons_->ClearClick();
}

void Form11::Command3D3_Click()
{
    if (buttons_)
        buttons_->DeleteClick();
}

void Form11::Command3D4_Click()
{
    if (buttons_)
        buttons_->SearchClick();
}

void Form11::Command3D5_Click()
{
    windows::Form2().Enable();
    Unload();
}

void Form11::Command3D8_Click()
{
    if (buttons_)
        buttons_->FirstClick();
}

void Form11::Command3D9_Click()
{
    if (buttons_)
        buttons_->PreviousClick();
}

void Form11::Command3D6_Click()
{
    if (buttons_)
        buttons_->NextClick();
}

void Form11::Command3D7_Click()
{
    if (buttons_)
        buttons_->LastClick();
}

void Form11::List1_Click()
{
    if (buttons_)
        buttons_->PickClick();
}

}  // namespace registries

ui::Window& windows::Form11() { return ui::windowRef<registries::Form11>(); }

}  // namespace vorna
