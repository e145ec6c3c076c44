// The document window's navigation, hover captions, insurer portal and
// attachments, and where the handlers of its searches, outside buttons and
// status list are connected.
#include "documents/Form14.h"
#include "documents/InsurerPortals.h"

#include "common/DesktopLaunch.h"
#include "common/MessageTexts.h"
#include "common/PasswordPanel.h"
#include "common/ProgramState.h"
#include "common/RecordNavigation.h"
#include "common/ToolbarHoverCaptions.h"
#include "common/WindowRefs.h"
#include "platform/controls/ControlEvents.h"
#include "platform/database/CriteriaText.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

const QString AttachmentsNotInstalled = QStringLiteral("NÃO FOI INSTALADO O APLICATIVO PELVIR, VERIFIQUE!");

}  // namespace

void Form14::connectSearchesAndToolbar()
{
    const std::pair<QWidget*, void (Form14::*)()> clicks[] = {
        {ui->Command3D4, &Form14::Command3D4_Click},   {ui->Command3D18, &Form14::Command3D18_Click},
        {ui->Command3D27, &Form14::Command3D27_Click}, {ui->Command3D29, &Form14::Command3D29_Click},
        {ui->Command3D8, &Form14::Command3D8_Click},   {ui->Command3D9, &Form14::Command3D9_Click},
        {ui->Command3D6, &Form14::Command3D6_Click},   {ui->Command3D7, &Form14::Command3D7_Click},
        {ui->Command3D10, &Form14::Command3D10_Click}, {ui->Command3D13, &Form14::Command3D13_Click},
        {ui->Command3D11, &Form14::Command3D11_Click}, {ui->Command3D14, &Form14::Command3D14_Click},
        {ui->Command3D15, &Form14::Command3D15_Click}, {ui->Command3D20, &Form14::Command3D20_Click},
        {ui->Command3D22, &Form14::Command3D22_Click}, {ui->Command3D24, &Form14::Command3D24_Click},
        {ui->Command3, &Form14::Command3_Click},       {ui->Command3D17, &Form14::Command3D17_Click},
    };
    for (const auto& [button, handler] : clicks)
        ui::on(button).Click(this, handler);
    ui::on(ui->Combo1).LostFocus(this, &Form14::Combo1_LostFocus);
    // A status chosen while the list has the focus is the user's; the show and
    // the clearing set it by code, the clearing to no item.
    connect(ui->Combo1, &ui::PickList::Click, this, [this] {
        if (ui->Combo1->ListIndex() < 0)
            statusPickedSinceShow_ = false;
        else if (ui->Combo1->hasFocus())
            statusPickedSinceShow_ = true;
    });

    settlementPanel_ = new PasswordPanel(ui->Frame3D2, ui->Text12);
    settlementPanel_->add({
        .code = 3,
        .password = [] { return rt::CStr(vorna::state().settings.SettlementPassword); },
        .wrongPassword = QStringLiteral("SENHA INCORRETA!AS BAIXAS NÃO SERÃO ACESSADAS!"),
        .covered = {ui->Frame3D5, ui->Frame3D8, ui->Frame3D10, ui->Frame3D13, ui->Frame3D14, ui->Frame3D3,
                    ui->Frame3D9, ui->Frame3D11, ui->Text23},
        .top = 3630,
        .accepted = [this] { settlementHandOver(); },
        .refused = [this] { values_.PendingPasswordAction = 0; },
        .cancelled = [this] { values_.PendingPasswordAction = 0; },
    });
    ui::on(ui->Text12).LostFocus([this] {
        if (settlementPanel_)
            settlementPanel_->Check();
    });

    configureHoverCaptions();
}

// One caption per toolbar button. The navigation, "Excluir", "Consultar" and
// "Sair" buttons leave the captions of "Consultar Cliente", "Finaliza
// Gravação" and "Criar Endossos Sequenciais" alone; the other toolbar buttons
// only the first two; "Consultar Cliente" hides none. Its panel and the
// instalment panel hide their own caption only.
void Form14::configureHoverCaptions()
{
    ToolbarHoverCaptions* captions = ToolbarHoverCaptions::of(this);
    if (!captions)
        return;
    for (QWidget* button : std::initializer_list<QWidget*>{ui->Command3D3, ui->Command3D4, ui->Command3D5,
                                                           ui->Command3D6, ui->Command3D7, ui->Command3D8,
                                                           ui->Command3D9})
        captions->keeps(button, {ui->Label79, ui->Label39, ui->Label23});
    for (QWidget* button : std::initializer_list<QWidget*>{
             ui->Command3D2, ui->Command3D1, ui->Command3D13, ui->Command3D15, ui->Command3D14, ui->Command3D22,
             ui->Command3D24, ui->Command3D20, ui->Command3D16, ui->Command3D28, ui->Command3D11})
        captions->keeps(button, {ui->Label79, ui->Label39});
    captions->keepsOthers(ui->Command6).keepsOthers(ui->Command3D17);
    captions->hideOn(ui->Frame3D8, ui->Label79).hideOn(ui->Frame3D16, ui->Label39);
}

// Each row reached is shown under the viewing rules; an error on the way, in
// the show too, ends with "NAO HA REGISTROS CADASTRADOS".
void Form14::Command3D8_Click()
{
    navigate(recordsets_->DOCUMENTOS, NavigationMove::First, NavigationKind::WithMessage,
             [this] { ShowDocumentRow(); });
}

void Form14::Command3D9_Click()
{
    navigate(recordsets_->DOCUMENTOS, NavigationMove::Previous, NavigationKind::WithMessage,
             [this] { ShowDocumentRow(); });
}

void Form14::Command3D6_Click()
{
    navigate(recordsets_->DOCUMENTOS, NavigationMove::Next, NavigationKind::WithMessage,
             [this] { ShowDocumentRow(); });
}

void Form14::Command3D7_Click()
{
    navigate(recordsets_->DOCUMENTOS, NavigationMove::Last, NavigationKind::WithMessage,
             [this] { ShowDocumentRow(); });
}

// A code outside the table, a portal without a configured host, a code that
// is no number: nothing starts and nothing is said.
void Form14::Command3D10_Click()
{
    const std::optional<QString> code = db::wholeNumber(ui->Text7->text());
    if (!code)
        return;
    bool isNumber = false;
    const int insurer = code->toInt(&isNumber);
    if (!isNumber)
        return;
    if (const std::optional<QString> address = insurerPortalAddress(insurer, installedPortalHosts()))
        launch::startBrowser(*address);
}

// Any error on the way, the attachments window's own load step included,
// leaves this window usable and says only that the attachments are missing.
void Form14::Command3D13_Click()
{
    const auto notInstalled = [] { dlg::MsgBox(AttachmentsNotInstalled, dlg::Buttons::Ok, msg::TitleAttention); };
    try {
        if (rt::Trim(ui->Text1->text()).isEmpty())
            return;
        HandOver& handOver = vorna::state().handOver;
        handOver.AttachmentOwnerKey = rt::CLng(Variant(rt::Trim(ui->Text1->text())));
        handOver.CallerCode = Variant(caller::AttachmentsOfDocument);
        ui::FailureTrap trap;
        windows::Form28().Show();
        if (trap.caught()) {
            windows::Form28().Unload();
            notInstalled();
            return;
        }
        // The attachments window's "Sair" enables this window again.
        Disable();
    } catch (const std::exception&) {
        notInstalled();
    }
}

}  // namespace vorna::documents
