#include "registries/Form43.h"

#include "common/KeyFilters.h"
#include "common/MessageTexts.h"
#include "common/WindowRefs.h"
#include "common/Toolbar.h"
#include "platform/controls/ControlEvents.h"

#include <QStyle>

namespace vorna {

namespace registries {

Form43::Form43()
{
    setObjectName(QStringLiteral("Form43"));
    setFixedWithoutCloseBox();
}

void Form43::connectControls()
{
    installToolbar(this, {
        {ui->Command3D1, QStyle::SP_DialogSaveButton, ui->Label15, &Form43::Command3D1_Click},
        {ui->Command3D3, QStyle::SP_TrashIcon, ui->Label14, &Form43::Command3D3_Click},
        {ui->Command3D5, QStyle::SP_DialogCloseButton, ui->Label12, &Form43::Command3D5_Click},
        {ui->Command3D8, QStyle::SP_MediaSkipBackward, ui->Label11, &Form43::Command3D8_Click},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward, ui->Label10, &Form43::Command3D9_Click},
        {ui->Command3D6, QStyle::SP_MediaSeekForward, ui->Label9, &Form43::Command3D6_Click},
        {ui->Command3D7, QStyle::SP_MediaSkipForward, ui->Label8, &Form43::Command3D7_Click},
    });
    KeyFilters::attach(ui->Text1, KeyFilters::CodeKeys);
    KeyFilters::attach(ui->Text2, KeyFilters::TextKeys);
}

void Form43::Form_Load()
{
    RecordBindingDesign attendant;
    attendant.table = QStringLiteral("ATENDE");
    attendant.keyField = QStringLiteral("XCONPG");
    attendant.nameField = QStringLiteral("XCONTA");
    attendant.codeBox = ui->Text1;
    attendant.nameBox = ui->Text2;
    // The name is stored as typed, blanks included; an empty target leaves XMETA empty.
    attendant.fields = {record::shownOnly(QStringLiteral("XCONPG"), ui->Text1),
                    record::always(QStringLiteral("XCONTA"), ui->Text2),
                    record::numberWhenNotEmpty(QStringLiteral("XMETA"), ui->MaskEdBox1)};
    attendant.required = {{ui->Text2, msg::RequiredAccount}};
    RecordBinding& binding = ownUntilUnload(attendant_, std::make_unique<RecordBinding>(std::move(attendant)));

    RecordButtonsDesign buttons;
    buttons.shownButton = ui->Command3D3;
    buttons.save = SaveMode::AddOnly;
    buttons.afterAddition = AfterAddition::ReportNewKey;
    buttons.newRecord = QStringLiteral("Atendente Cadastrado com Codigo: ");
    buttons.deletion = Deletion::AskFirst;
    buttons.navigation = NavigationKind::WithMessage;
    buttons.focus.afterAlteration = buttons.focus.afterAddition = ui->Text2;
    ownUntilUnload(buttons_, std::make_unique<RecordButtons>(binding, std::move(buttons)));
}

void Form43::Command3D1_Click() { buttons_->SaveClick(); }
void Form43::Command3D3_Click() { buttons_->DeleteClick(); }
void Form43::Command3D8_Click() { buttons_->FirstClick(); }
void Form43::Command3D9_Click() { buttons_->PreviousClick(); }
void Form43::Command3D6_Click() { buttons_->NextClick(); }
void Form43::Command3D7_Click() { buttons_->LastClick(); }

void Form43::Command3D5_Click()
{
    windows::Form2().Enable();
    Unload();
}

}  // namespace registries

ui::Window& windows::Form43() { return ui::windowRef<registries::Form43>(); }

}  // namespace vorna
