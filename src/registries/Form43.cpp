#include "registries/Form43.h"

#include "common/KeyFilters.h"
#include "common/MessageTexts.h"
#include "common/ToolbarHoverCaptions.h"
#include "common/WindowRefs.h"
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
    const std::pair<ui::PictureButton*, QStyle::StandardPixmap> pictures[] = {
        {ui->Command3D1, QStyle::SP_DialogSaveButton}, {ui->Command3D3, QStyle::SP_TrashIcon},
        {ui->Command3D5, QStyle::SP_DialogCloseButton}, {ui->Command3D8, QStyle::SP_MediaSkipBackward},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward}, {ui->Command3D6, QStyle::SP_MediaSeekForward},
        {ui->Command3D7, QStyle::SP_MediaSkipForward}};
    for (const auto& [button, picture] : pictures) {
        button->setIcon(style()->standardIcon(picture));
        button->setIconSize(button->size() - QSize(12, 10));
    }

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

    ui::on(ui->Command3D1).Click(this, &Form43::Command3D1_Click);
    ui::on(ui->Command3D3).Click(this, &Form43::Command3D3_Click);
    ui::on(ui->Command3D5).Click(this, &Form43::Command3D5_Click);
    ui::on(ui->Command3D8).Click(this, &Form43::Command3D8_Click);
    ui::on(ui->Command3D9).Click(this, &Form43::Command3D9_Click);
    ui::on(ui->Command3D6).Click(this, &Form43::Command3D6_Click);
    ui::on(ui->Command3D7).Click(this, &Form43::Command3D7_Click);
}

void Form43::Form_Load()
{
    RecordWindowSpec spec;
    spec.table = QStringLiteral("ATENDE");
    spec.keyField = QStringLiteral("XCONPG");
    spec.nameField = QStringLiteral("XCONTA");
    spec.codeBox = ui->Text1;
    spec.nameBox = ui->Text2;
    // The name is stored as typed, blanks included; an empty target leaves XMETA empty.
    spec.fields = {record::shownOnly(QStringLiteral("XCONPG"), ui->Text1),
                   record::always(QStringLiteral("XCONTA"), ui->Text2),
                   record::numberWhenNotEmpty(QStringLiteral("XMETA"), ui->MaskEdBox1)};
    spec.required = {{ui->Text2, msg::RequiredAccount}};
    spec.shownButton = ui->Command3D3;
    spec.save = SaveMode::AddOnly;
    spec.afterAddition = AfterAddition::ReportNewKey;
    spec.texts.newRecord = QStringLiteral("Atendente Cadastrado com Codigo: ");
    spec.deletion = Deletion::AskFirst;
    spec.navigation = NavigationKind::WithMessage;
    spec.focusAfterAlteration = spec.focusAfterAddition = ui->Text2;
    record_ = std::make_unique<RecordWindowPattern>(std::move(spec));
}

void Form43::Form_Unload() { record_.reset(); }

void Form43::Command3D1_Click() { record_->SaveClick(); }
void Form43::Command3D3_Click() { record_->DeleteClick(); }
void Form43::Command3D8_Click() { record_->FirstClick(); }
void Form43::Command3D9_Click() { record_->PreviousClick(); }
void Form43::Command3D6_Click() { record_->NextClick(); }
void Form43::Command3D7_Click() { record_->LastClick(); }

void Form43::Command3D5_Click()
{
    windows::Form2().Enable();
    Unload();
}

}  // namespace registries

ui::Window& windows::Form43() { return ui::windowRef<registries::Form43>(); }

}  // namespace vorna
