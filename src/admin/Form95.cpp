#include "admin/Form95.h"

#include "common/KeyFilters.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "common/Toolbar.h"
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
    installToolbar(this, {
        {ui->Command3D1, QStyle::SP_DialogSaveButton, ui->Label31, &Form95::Command3D1_Click},
        {ui->Command3D2, QStyle::SP_DialogResetButton, ui->Label29, &Form95::Command3D2_Click},
        {ui->Command3D3, QStyle::SP_TrashIcon, ui->Label30, &Form95::Command3D3_Click},
        {ui->Command3D5, QStyle::SP_DialogCloseButton, ui->Label28, &Form95::Command3D5_Click},
        {ui->Command3D8, QStyle::SP_MediaSkipBackward, ui->Label27, &Form95::Command3D8_Click},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward, ui->Label26, &Form95::Command3D9_Click},
        {ui->Command3D6, QStyle::SP_MediaSeekForward, ui->Label25, &Form95::Command3D6_Click},
        {ui->Command3D7, QStyle::SP_MediaSkipForward, ui->Label24, &Form95::Command3D7_Click},
    });
    // Text1_KeyPress: the code box is never enabled, but keeps its filter.
    KeyFilters::attach(ui->Text1, KeyFilters::CodeKeys);
}

void Form95::Form_Load()
{
    RecordBindingDesign user;
    user.table = QStringLiteral("USUARIOS");
    user.keyField = QStringLiteral("IDENT");
    user.codeBox = ui->Text1;
    user.nameBox = ui->Text2;
    // Identification and name are stored as typed, blanks included.
    user.fields = {record::shownOnly(QStringLiteral("IDENT"), ui->Text1),
                   record::always(QStringLiteral("NOME"), ui->Text2),
                   record::always(QStringLiteral("USUA"), ui->Text3),
                   record::computed(QStringLiteral("DTIDENT"), [] { return rt::Now(); })};
    const std::array<QAbstractButton*, RightCount> boxes = rightBoxes();
    for (int i = 0; i < RightCount; ++i)
        user.fields.push_back(record::flag(QLatin1String(RightFields[size_t(i)]), boxes[size_t(i)]));
    user.required = {{ui->Text2, QStringLiteral("PREENCHIMENTO OBRIGATORIO - SENHA")},
                     {ui->Text3, QStringLiteral("PREENCHIMENTO OBRIGATORIO - NOME DO USUÁRIO")}};
    // A failed write reports the failure and nothing else: no new code is read
    // back, since the last row would be someone else's.
    user.writeFailures = WriteFailures::Reported;
    RecordBinding& binding = ownUntilUnload(user_, std::make_unique<RecordBinding>(std::move(user)));

    RecordButtonsDesign buttons;
    buttons.shownButton = ui->Command3D3;
    buttons.clearButton = ui->Command3D2;
    buttons.afterAddition = AfterAddition::ReportNewKey;
    buttons.newRecord = QStringLiteral("Conta Cadastrada com Codigo: ");
    buttons.deletion = Deletion::AskFirst;
    buttons.navigation = NavigationKind::WithMessage;
    buttons.focus.afterAlteration = buttons.focus.afterAddition = buttons.focus.afterClear = ui->Text2;
    // A refused display still counts as shown: "Gravar" and "Excluir" then act
    // on the row moved to, each under its own right.
    buttons.hooks.mayShowValues = [] { return allowed(Right::CCU); };
    buttons.hooks.mayAlter = [] { return allowed(Right::ACU); };
    buttons.hooks.mayAdd = [] { return allowed(Right::ICU); };
    buttons.hooks.mayDelete = [] { return allowed(Right::ECU); };
    ownUntilUnload(buttons_, std::make_unique<RecordButtons>(binding, std::move(buttons)));
}

void Form95::Command3D1_Click() { buttons_->SaveClick(); }
void Form95::Command3D2_Click() { buttons_->ClearClick(); }
void Form95::Command3D3_Click() { buttons_->DeleteClick(); }
void Form95::Command3D8_Click() { buttons_->FirstClick(); }
void Form95::Command3D9_Click() { buttons_->PreviousClick(); }
void Form95::Command3D6_Click() { buttons_->NextClick(); }
void Form95::Command3D7_Click() { buttons_->LastClick(); }

// The main menu stays usable while this window is open: nothing to enable.
void Form95::Command3D5_Click() { Unload(); }

}  // namespace admin

ui::Window& windows::Form95() { return ui::windowRef<admin::Form95>(); }

}  // namespace vorna
