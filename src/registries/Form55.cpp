#include "registries/Form55.h"

#include "common/KeyFilters.h"
#include "common/MessageTexts.h"
#include "common/WindowRefs.h"
#include "common/Toolbar.h"
#include "platform/controls/ControlEvents.h"

#include <QStyle>

namespace vorna {

namespace registries {

Form55::Form55()
{
    setObjectName(QStringLiteral("Form55"));
    setFixedWithoutCloseBox();
}

void Form55::connectControls()
{
    installToolbar(this, {
        {ui->Command3D1, QStyle::SP_DialogSaveButton, ui->Label15, &Form55::Command3D1_Click},
        {ui->Command3D3, QStyle::SP_TrashIcon, ui->Label14, &Form55::Command3D3_Click},
        {ui->Command3D5, QStyle::SP_DialogCloseButton, ui->Label12, &Form55::Command3D5_Click},
        {ui->Command3D8, QStyle::SP_MediaSkipBackward, ui->Label11, &Form55::Command3D8_Click},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward, ui->Label10, &Form55::Command3D9_Click},
        {ui->Command3D6, QStyle::SP_MediaSeekForward, ui->Label9, &Form55::Command3D6_Click},
        {ui->Command3D7, QStyle::SP_MediaSkipForward, ui->Label8, &Form55::Command3D7_Click},
    });
    KeyFilters::attach(ui->Text1, KeyFilters::CodeKeys);
    KeyFilters::attach(ui->Text2, KeyFilters::TextKeys);
}

void Form55::Form_Load()
{
    RecordBindingDesign group;
    group.table = QStringLiteral("GRUPO");
    group.keyField = QStringLiteral("CODIGO");
    group.codeBox = ui->Text1;
    group.nameBox = ui->Text2;
    group.fields = {record::shownOnly(QStringLiteral("CODIGO"), ui->Text1),
                    record::always(QStringLiteral("NOME"), ui->Text2)};
    group.required = {{ui->Text2, msg::RequiredAccount}};
    RecordBinding& binding = ownUntilUnload(group_, std::make_unique<RecordBinding>(std::move(group)));

    RecordButtonsDesign buttons;
    buttons.shownButton = ui->Command3D3;
    buttons.save = SaveMode::AddOnly;
    buttons.afterAddition = AfterAddition::ReportNewKey;
    buttons.newRecord = QStringLiteral("Conta Cadastrada com Codigo: ");
    buttons.deletion = Deletion::AskFirst;
    buttons.navigation = NavigationKind::WithMessage;
    buttons.focus.afterAlteration = buttons.focus.afterAddition = ui->Text2;
    ownUntilUnload(buttons_, std::make_unique<RecordButtons>(binding, std::move(buttons)));
}

void Form55::Command3D1_Click() { buttons_->SaveClick(); }
void Form55::Command3D3_Click() { buttons_->DeleteClick(); }
void Form55::Command3D8_Click() { buttons_->FirstClick(); }
void Form55::Command3D9_Click() { buttons_->PreviousClick(); }
void Form55::Command3D6_Click() { buttons_->NextClick(); }
void Form55::Command3D7_Click() { buttons_->LastClick(); }

void Form55::Command3D5_Click()
{
    windows::Form2().Enable();
    Unload();
}

}  // namespace registries

ui::Window& windows::Form55() { return ui::windowRef<registries::Form55>(); }

}  // namespace vorna
