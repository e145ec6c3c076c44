#include "registries/Form55.h"

#include "common/KeyFilters.h"
#include "common/MessageTexts.h"
#include "common/ToolbarHoverCaptions.h"
#include "common/WindowRefs.h"
#include "common/ToolbarPictures.h"
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
    setToolbarPictures({
        {ui->Command3D1, QStyle::SP_DialogSaveButton}, {ui->Command3D3, QStyle::SP_TrashIcon},
        {ui->Command3D5, QStyle::SP_DialogCloseButton}, {ui->Command3D8, QStyle::SP_MediaSkipBackward},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward}, {ui->Command3D6, QStyle::SP_MediaSeekForward},
        {ui->Command3D7, QStyle::SP_MediaSkipForward},
    });

    auto* captions = new ToolbarHoverCaptions(this);
    captions->add(ui->Command3D1, ui->Label15)
        .add(ui->Command3D3, ui->Label14)
        .add(ui->Command3D5, ui->Label12)
        .add(ui->Command3D8, ui->Label11)
        .add(ui->Command3D9, ui->Label10)
        .add(ui->Command3D6, ui->Label9)
        .add(ui->Command3D7, ui->Label8);

    KeyFilters::attach(ui->Text1, KeyFilters::CodeKeys);
    KeyFilters::attach(ui->Text2, KeyFilters::TextKeys);

    ui::on(ui->Command3D1).Click(this, &Form55::Command3D1_Click);
    ui::on(ui->Command3D3).Click(this, &Form55::Command3D3_Click);
    ui::on(ui->Command3D5).Click(this, &Form55::Command3D5_Click);
    ui::on(ui->Command3D8).Click(this, &Form55::Command3D8_Click);
    ui::on(ui->Command3D9).Click(this, &Form55::Command3D9_Click);
    ui::on(ui->Command3D6).Click(this, &Form55::Command3D6_Click);
    ui::on(ui->Command3D7).Click(this, &Form55::Command3D7_Click);
}

void Form55::Form_Load()
{
    RecordWindowSpec design;
    design.table = QStringLiteral("GRUPO");
    design.keyField = QStringLiteral("CODIGO");
    design.codeBox = ui->Text1;
    design.nameBox = ui->Text2;
    design.fields = {record::shownOnly(QStringLiteral("CODIGO"), ui->Text1),
                   record::always(QStringLiteral("NOME"), ui->Text2)};
    design.required = {{ui->Text2, msg::RequiredAccount}};
    design.shownButton = ui->Command3D3;
    design.save = SaveMode::AddOnly;
    design.afterAddition = AfterAddition::ReportNewKey;
    design.texts.newRecord = QStringLiteral("Conta Cadastrada com Codigo: ");
    design.deletion = Deletion::AskFirst;
    design.navigation = NavigationKind::WithMessage;
    design.focusAfterAlteration = design.focusAfterAddition = ui->Text2;
    record_ = std::make_unique<RecordWindowPattern>(std::move(design));
}

void Form55::Form_Unload() { record_.reset(); }

void Form55::Command3D1_Click() { record_->SaveClick(); }
void Form55::Command3D3_Click() { record_->DeleteClick(); }
void Form55::Command3D8_Click() { record_->FirstClick(); }
void Form55::Command3D9_Click() { record_->PreviousClick(); }
void Form55::Command3D6_Click() { record_->NextClick(); }
void Form55::Command3D7_Click() { record_->LastClick(); }

void Form55::Command3D5_Click()
{
    windows::Form2().Enable();
    Unload();
}

}  // namespace registries

ui::Window& windows::Form55() { return ui::windowRef<registries::Form55>(); }

}  // namespace vorna
