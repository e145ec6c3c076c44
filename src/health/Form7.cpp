#include "health/Form7.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/Toolbar.h"
#include "common/ToolbarHoverCaptions.h"
#include "common/ToolbarPictures.h"
#include "common/WindowRefs.h"
#include "platform/controls/ControlEvents.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

#include <QStyle>

namespace vorna {

namespace {

const QString WrongDeletionPassword = QStringLiteral("SENHA INCORRETA! EVENTO NÃO SERÁ EXCLUÍDO!");
const QString ParticipantNotFound = QStringLiteral("PARTICPANTE NAO ENCONTRADO");

}  // namespace

namespace health {

Form7::Form7()
{
    setObjectName(QStringLiteral("Form7"));
    setFixedWithoutCloseBox();
}

void Form7::connectControls()
{
    const auto clickOf = [this](void (Form7::*handler)()) {
        return std::function<void()>([this, handler] { (this->*handler)(); });
    };
    installToolbar(this, std::vector<ToolbarEntry>{
        {ui->Command3D1, QStyle::SP_DialogSaveButton, ui->Label42, clickOf(&Form7::Command3D1_Click)},
        {ui->Command3D2, QStyle::SP_DialogResetButton, ui->Label41, clickOf(&Form7::Command3D2_Click)},
        {ui->Command3D3, QStyle::SP_TrashIcon, ui->Label40, clickOf(&Form7::Command3D3_Click)},
        {ui->Command3D4, QStyle::SP_FileDialogContentsView, ui->Label39, clickOf(&Form7::Command3D4_Click)},
        {ui->Command3D5, QStyle::SP_DialogCloseButton, ui->Label36, clickOf(&Form7::Command3D5_Click)},
        {ui->Command3D8, QStyle::SP_MediaSkipBackward, ui->Label51, clickOf(&Form7::Command3D8_Click)},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward, ui->Label51, clickOf(&Form7::Command3D9_Click)},
        {ui->Command3D6, QStyle::SP_MediaSeekForward, ui->Label51, clickOf(&Form7::Command3D6_Click)},
        {ui->Command3D7, QStyle::SP_MediaSkipForward, ui->Label51, clickOf(&Form7::Command3D7_Click)},
        // "Anexos" and "Emitir" leave each other's caption alone (below).
        {ui->Command3D13, QStyle::SP_DirOpenIcon, nullptr, clickOf(&Form7::Command3D13_Click)},
        {ui->Picture3, QStyle::SP_FileDialogDetailedView, nullptr, clickOf(&Form7::Picture3_Click)},
    });
    // The other buttons never hide the "Anexos" and "Emitir" captions; "Anexos"
    // leaves the "Emitir" one; "Emitir" hides them all.
    auto* attachments = new ToolbarHoverCaptions(this);
    attachments->add(ui->Command3D13, ui->Label6);
    auto* print = new ToolbarHoverCaptions(this);
    print->add(ui->Picture3, ui->Label7).addCaption(ui->Label6);
    for (QLabel* caption : {ui->Label42, ui->Label41, ui->Label40, ui->Label39, ui->Label36, ui->Label51}) {
        attachments->addCaption(caption);
        print->addCaption(caption);
    }
    setToolbarPictures({
        {ui->Command3D21, QStyle::SP_FileDialogContentsView}, {ui->Command3D22, QStyle::SP_FileDialogContentsView},
        {ui->Command3D15, QStyle::SP_FileDialogContentsView}, {ui->Command1, QStyle::SP_FileDialogInfoView},
    });
    ui::on(ui->Command1).Click(this, &Form7::Command1_Click);
    ui::on(ui->Command3D21).Click(this, &Form7::Command3D21_Click);
    ui::on(ui->Command3D15).Click(this, &Form7::Command3D15_Click);
    ui::on(ui->Command3D22).Click(this, &Form7::Command3D22_Click);
    ui::on(ui->List3).Click(this, &Form7::List3_Click);
    connect(ui->MSFlexGrid1, &ui::FlexGrid::Click, this, &Form7::MSFlexGrid1_Click);
    ui::on(ui->Text1).LostFocus(this, &Form7::Text1_LostFocus);
    ui::on(ui->Text29).LostFocus(this, &Form7::Text29_LostFocus);
    ui::on(ui->Text44).LostFocus(this, &Form7::Text44_LostFocus);
    ui::on(ui->Text17).LostFocus(this, &Form7::Text17_LostFocus);
    ui::on(ui->Text42).LostFocus(this, &Form7::Text42_LostFocus);
    ui::on(ui->Combo4).LostFocus(this, &Form7::Combo4_LostFocus);
    connectInputRules();

    deletionPanel_ = new PasswordPanel(ui->Frame3D6, ui->Text29);
    deletionPanel_->add({.password =
                             [] {
                                 const Variant& password = vorna::state().settings.DeletionPassword;
                                 return password.isNull() ? QString() : rt::CStr(password);
                             },
                         .wrongPassword = WrongDeletionPassword,
                         .covered = {ui->Frame3D1, ui->Frame3D2},
                         .left = 4650,
                         .top = 3630,
                         .accepted = [this] { DeleteEventOfCodeBox(); }});
}

// ---- the load step -----------------------------------------------------------------

void Form7::Form_Load()
{
    const db::Database& main = vorna::state().MainDatabase;
    ownUntilUnload(participants_, std::make_unique<db::Recordset>(main.openRecordset(QStringLiteral("VIDASAU"))));

    RecordBindingDesign event;
    event.table = QStringLiteral("PROCEDE");
    event.keyField = QStringLiteral("CODIGO");
    event.codeBox = ui->Text1;
    event.nameBox = ui->Text2;
    event.fields = BoundFields();
    event.hooks.cleared = [this] { ClearParticipantBoxes(); };
    event.hooks.filled = [this] { ShowParticipantOfEvent(); };
    RecordBinding& binding = ownUntilUnload(event_, std::make_unique<RecordBinding>(std::move(event)));

    RecordButtonsDesign buttons;
    buttons.shownButton = ui->Command3D3;
    buttons.shownWith = {ui->Command3D13};
    buttons.navigation = NavigationKind::WithMessage;
    buttons.audit = audit::Event;
    // The owner rule of the third level, which the main menu keeps out.
    buttons.hooks.mayShow = [] {
        const Session& session = vorna::state().session;
        if (session.AccessLevelWord == level::Minimum && session.DocumentOwner != session.UserIdentification) {
            msg::refusedByOwner();
            return false;
        }
        return true;
    };
    ownUntilUnload(buttons_, std::make_unique<RecordButtons>(binding, std::move(buttons)));
    ownUntilUnload(documents_,
                   std::make_unique<db::Recordset>(main.openRecordset(QStringLiteral("DOCUMENTOS"))));

    NameFragmentSearchSpec names;
    names.list = ui->List3;
    names.listPlace = QRect(2970, 1260, 3885, 1530);
    names.codeNotFound = msg::HolderNotFound;
    names.nameBox = ui->Text2;
    ownUntilUnload(participantSearch_,
                   std::make_unique<NameFragmentSearch>(*participants_, std::move(names), [] {}, nullptr));

    BuildEventSearch();

    for (const char* type : {"Consulta", "Exame", "Cirurgia", "Outros"})
        ui->Combo3->AddItem(QString::fromLatin1(type));
    ui->Combo4->AddItem(QStringLiteral("Dependente"));
    ui->Combo4->AddItem(QStringLiteral("Titular"));

    buttons_->endShown();
    if (vorna::state().handOver.CallerCode == Variant(caller::ClientFromDocument))
        OpenForDocumentClient();
    ui->Text2->setFocus(Qt::OtherFocusReason);
}

// Opened while the document window has handed over to its client: "Sair"
// goes back to it. The first event of the table is shown, with its own
// participant; an empty table leaves the window blank.
void Form7::OpenForDocumentClient()
{
    ui->Label36->setText(QStringLiteral("Retornar"));
    db::Recordset& participants = *participants_;
    const std::optional<QString> code = db::wholeNumber(rt::CStr(vorna::state().handOver.PassedRecordCode));
    if (code)
        participants.FindFirst(QStringLiteral("CODIGO = ") + *code);
    if (!code || participants.NoMatch()) {
        msg::notFound(ParticipantNotFound);
        buttons_->endShown();
        return;
    }
    db::Recordset& events = event_->recordset();
    if (events.RecordCount() == 0)
        return;
    events.MoveFirst();
    ShowEvent();
}

// ---- "Limpar", navigation and "Sair" ---------------------------------------------------

void Form7::ShowEvent() { buttons_->Show(); }

void Form7::ClearEventForm() { event_->Clear(); }

// The list and the grid stay as they are.
void Form7::Command3D2_Click()
{
    ClearEventForm();
    buttons_->endShown();
}

void Form7::Command3D8_Click() { buttons_->FirstClick(); }
void Form7::Command3D9_Click() { buttons_->PreviousClick(); }
void Form7::Command3D6_Click() { buttons_->NextClick(); }
void Form7::Command3D7_Click() { buttons_->LastClick(); }

void Form7::Command3D5_Click()
{
    const bool backToDocument = vorna::state().handOver.CallerCode == Variant(caller::ClientFromDocument);
    Unload();
    if (backToDocument)
        windows::Form14().Show();
}

// Never runs: the status list is disabled. It would show the holder boxes for
// a dependant and empty and hide them for a holder.
void Form7::Combo4_LostFocus()
{
    const bool dependant = ui->Combo4->Text() != QLatin1String("Titular");
    if (!dependant) {
        ui->Text44->clear();
        ui->Text36->clear();
        ui->Text45->clear();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{ui->Label25, ui->Text44, ui->Text36, ui->Text45,
                                                      ui->Command3D21})
        w->setVisible(dependant);
}

}  // namespace health

ui::Window& windows::Form7() { return ui::windowRef<health::Form7>(); }

}  // namespace vorna
