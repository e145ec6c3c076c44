#include "admin/Form95.h"

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

namespace admin {

namespace {

// A right missing from the logged-in user stops the action with the refusal.
bool allowed(Right right)
{
    if (state().session.hasRight(right))
        return true;
    msg::refusedByRight();
    return false;
}

}  // namespace

Form95::Form95()
{
    setObjectName(QStringLiteral("Form95"));
    setFixedWithoutCloseBox();
}

std::array<QAbstractButton*, RightCount> Form95::rightBoxes() const
{
    // The panel numbers its boxes by place, not by right: the gaps are the
    // cells without a box.
    return {ui->Check1,  ui->Check2,  ui->Check3,  ui->Check4,  ui->Check5,  ui->Check6,  ui->Check7,
            ui->Check8,  ui->Check9,  ui->Check10, ui->Check11, ui->Check12, ui->Check13, ui->Check14,
            ui->Check15, ui->Check16, ui->Check17, ui->Check18, ui->Check19, ui->Check20, ui->Check21,
            ui->Check22, ui->Check23, ui->Check24, ui->Check25, ui->Check26, ui->Check27, ui->Check28,
            ui->Check29, ui->Check32, ui->Check36, ui->Check37, ui->Check38, ui->Check39, ui->Check41,
            ui->Check42, ui->Check43, ui->Check45, ui->Check48, ui->Check55, ui->Check60, ui->Check65,
            ui->Check70, ui->Check30, ui->Check31};
}

void Form95::connectControls()
{
    setToolbarPictures({
        {ui->Command3D1, QStyle::SP_DialogSaveButton},  {ui->Command3D2, QStyle::SP_DialogResetButton},
        {ui->Command3D3, QStyle::SP_TrashIcon},         {ui->Command3D5, QStyle::SP_DialogCloseButton},
        {ui->Command3D8, QStyle::SP_MediaSkipBackward}, {ui->Command3D9, QStyle::SP_MediaSeekBackward},
        {ui->Command3D6, QStyle::SP_MediaSeekForward},  {ui->Command3D7, QStyle::SP_MediaSkipForward},
    });

    auto* captions = new ToolbarHoverCaptions(this);
    captions->add(ui->Command3D1, ui->Label31)
        .add(ui->Command3D2, ui->Label29)
        .add(ui->Command3D3, ui->Label30)
        .add(ui->Command3D5, ui->Label28)
        .add(ui->Command3D8, ui->Label27)
        .add(ui->Command3D9, ui->Label26)
        .add(ui->Command3D6, ui->Label25)
        .add(ui->Command3D7, ui->Label24);

    // Text1_KeyPress: the code box is never enabled, but keeps its filter.
    KeyFilters::attach(ui->Text1, KeyFilters::CodeKeys);

    ui::on(ui->Command3D1).Click(this, &Form95::Command3D1_Click);
    ui::on(ui->Command3D2).Click(this, &Form95::Command3D2_Click);
    ui::on(ui->Command3D3).Click(this, &Form95::Command3D3_Click);
    ui::on(ui->Command3D5).Click(this, &Form95::Command3D5_Click);
    ui::on(ui->Command3D8).Click(this, &Form95::Command3D8_Click);
    ui::on(ui->Command3D9).Click(this, &Form95::Command3D9_Click);
    ui::on(ui->Command3D6).Click(this, &Form95::Command3D6_Click);
    ui::on(ui->Command3D7).Click(this, &Form95::Command3D7_Click);
}

void Form95::Form_Load()
{
    RecordWindowSpec design;
    design.table = QStringLiteral("USUARIOS");
    design.keyField = QStringLiteral("IDENT");
    design.codeBox = ui->Text1;
    design.nameBox = ui->Text2;
    // Identification and name are stored as typed, blanks included.
    design.fields = {record::shownOnly(QStringLiteral("IDENT"), ui->Text1),
                   record::always(QStringLiteral("NOME"), ui->Text2),
                   record::always(QStringLiteral("USUA"), ui->Text3),
                   record::computed(QStringLiteral("DTIDENT"), [] { return rt::Now(); })};
    const std::array<QAbstractButton*, RightCount> boxes = rightBoxes();
    for (int i = 0; i < RightCount; ++i)
        design.fields.push_back(record::flag(QLatin1String(RightFields[size_t(i)]), boxes[size_t(i)]));
    design.required = {{ui->Text2, QStringLiteral("PREENCHIMENTO OBRIGATORIO - SENHA")},
                     {ui->Text3, QStringLiteral("PREENCHIMENTO OBRIGATORIO - NOME DO USUÁRIO")}};
    design.shownButton = ui->Command3D3;
    design.clearButton = ui->Command3D2;
    design.afterAddition = AfterAddition::ReportNewKey;
    design.texts.newRecord = QStringLiteral("Conta Cadastrada com Codigo: ");
    // A failed write reports the failure and nothing else: no new code is read
    // back, since the last row would be someone else's.
    design.writeFailures = WriteFailures::Reported;
    design.deletion = Deletion::AskFirst;
    design.navigation = NavigationKind::WithMessage;
    design.focusAfterAlteration = design.focusAfterAddition = design.focusAfterClear = ui->Text2;
    // A refused display still counts as shown: "Gravar" and "Excluir" then act
    // on the row moved to, each under its own right.
    design.hooks.mayShowValues = [] { return allowed(Right::CCU); };
    design.hooks.mayAlter = [] { return allowed(Right::ACU); };
    design.hooks.mayAdd = [] { return allowed(Right::ICU); };
    design.hooks.mayDelete = [] { return allowed(Right::ECU); };
    record_ = std::make_unique<RecordWindowPattern>(std::move(design));
}

void Form95::Form_Unload() { record_.reset(); }

void Form95::Command3D1_Click() { record_->SaveClick(); }
void Form95::Command3D2_Click() { record_->ClearClick(); }
void Form95::Command3D3_Click() { record_->DeleteClick(); }
void Form95::Command3D8_Click() { record_->FirstClick(); }
void Form95::Command3D9_Click() { record_->PreviousClick(); }
void Form95::Command3D6_Click() { record_->NextClick(); }
void Form95::Command3D7_Click() { record_->LastClick(); }

// The main menu stays usable while this window is open: nothing to enable.
void Form95::Command3D5_Click() { Unload(); }

}  // namespace admin

ui::Window& windows::Form95() { return ui::windowRef<admin::Form95>(); }

}  // namespace vorna
