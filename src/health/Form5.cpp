#include "health/Form5.h"

#include "common/BrazilianLists.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/Toolbar.h"
#include "common/ToolbarPictures.h"
#include "common/WindowRefs.h"
#include "platform/controls/ControlEvents.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStyle>

namespace vorna {

namespace {

const QString WrongDeletionPassword = QStringLiteral("SENHA INCORRETA! PARTICIPANTE NÃO SERÁ EXCLUÍDO!");

// A caption that names two boxes: its letters spread so that the second word
// ends just before the second box, whatever the font's widths.
void spreadOver(QLabel* caption, const QWidget* secondBox)
{
    const QString text = caption->text();
    if (text.size() < 2)
        return;
    QFont font = caption->font();
    const int room = secondBox->x() - 3 - caption->x();
    const qreal extra = qreal(room - QFontMetrics(font).horizontalAdvance(text)) / (text.size() - 1);
    font.setLetterSpacing(QFont::AbsoluteSpacing, extra);
    caption->setFont(font);
    caption->resize(room + 3, caption->height());
}

}  // namespace

namespace health {

Form5::Form5()
{
    setObjectName(QStringLiteral("Form5"));
    setFixedWithoutCloseBox();
}

void Form5::connectControls()
{
    const auto clickOf = [this](void (Form5::*handler)()) {
        return std::function<void()>([this, handler] { (this->*handler)(); });
    };
    installToolbar(this, std::vector<ToolbarEntry>{
        {ui->Command3D1, QStyle::SP_DialogSaveButton, ui->Label42, clickOf(&Form5::Command3D1_Click)},
        {ui->Command3D2, QStyle::SP_DialogResetButton, ui->Label41, clickOf(&Form5::Command3D2_Click)},
        {ui->Command3D3, QStyle::SP_TrashIcon, ui->Label40, clickOf(&Form5::Command3D3_Click)},
        {ui->Command3D4, QStyle::SP_FileDialogContentsView, ui->Label39, clickOf(&Form5::Command3D4_Click)},
        {ui->Command3D5, QStyle::SP_DialogCloseButton, ui->Label36, clickOf(&Form5::Command3D5_Click)},
        {ui->Command3D8, QStyle::SP_MediaSkipBackward, ui->Label51, clickOf(&Form5::Command3D8_Click)},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward, ui->Label51, clickOf(&Form5::Command3D9_Click)},
        {ui->Command3D6, QStyle::SP_MediaSeekForward, ui->Label51, clickOf(&Form5::Command3D6_Click)},
        {ui->Command3D7, QStyle::SP_MediaSkipForward, ui->Label51, clickOf(&Form5::Command3D7_Click)},
    });
    setToolbarPictures({
        {ui->Command3D21, QStyle::SP_FileDialogContentsView}, {ui->Command3D23, QStyle::SP_FileDialogContentsView},
        {ui->Command3D15, QStyle::SP_FileDialogContentsView}, {ui->Command3D22, QStyle::SP_FileDialogContentsView},
    });
    spreadOver(ui->Label1, ui->Text34);
    spreadOver(ui->Label2, ui->Text2);
    ui->Picture4->setPixmap(style()->standardIcon(QStyle::SP_DirHomeIcon).pixmap(24, 24));
    ui::on(ui->Picture4).Click(this, &Form5::Picture4_Click);

    ui::on(ui->Combo4).LostFocus(this, &Form5::Combo4_LostFocus);
    ui::on(ui->Text29).LostFocus(this, &Form5::Text29_LostFocus);
    ui::on(ui->Command3D21).Click(this, &Form5::Command3D21_Click);
    ui::on(ui->List3).Click(this, &Form5::List3_Click);
    ui::on(ui->Text44).LostFocus(this, &Form5::Text44_LostFocus);
    ui::on(ui->Text42).LostFocus(this, &Form5::Text42_LostFocus);
    ui::on(ui->Text17).LostFocus(this, &Form5::Text17_LostFocus);
    ui::on(ui->Text1).LostFocus(this, &Form5::Text1_LostFocus);
    ui::on(ui->List2).Click(this, &Form5::List2_Click);
    ui::on(ui->List1).Click(this, &Form5::List1_Click);
    ui::on(ui->Command3D23).Click(this, &Form5::Command3D23_Click);
    ui::on(ui->MSFlexGrid1).Click(this, &Form5::MSFlexGrid1_Click);
    ui::on(ui->Command3D15).Click(this, &Form5::Command3D15_Click);
    ui::on(ui->Command3D22).Click(this, &Form5::Command3D22_Click);
    connectInputRules();

    deletionPanel_ = new PasswordPanel(ui->Frame3D6, ui->Text29);
    deletionPanel_->add({.password = deletionPassword,
                         .wrongPassword = WrongDeletionPassword,
                         .covered = {ui->Frame3D2},
                         .left = 4650,
                         .top = 2630,
                         .accepted = [this] { DeleteShownParticipant(); }});
}

// ---- the load step -----------------------------------------------------------------

void Form5::Form_Load()
{
    RecordBindingDesign participant;
    participant.table = QStringLiteral("VIDASAU");
    participant.keyField = QStringLiteral("CODIGO");
    participant.codeBox = ui->Text1;
    participant.nameBox = ui->Text2;
    participant.fields = BoundFields();
    const auto dependant = [this] { return ui->Combo4->Text() == QLatin1String("Dependente"); };
    participant.required = {
        {ui->Text2, msg::RequiredName},
        {ui->Text43, QStringLiteral("PREENCHIMENTO OBRIGATORIO - CARTÃO")},
        {ui->Combo4, QStringLiteral("PREENCHIMENTO OBRIGATORIO - STATUS")},
        {ui->Text44, QStringLiteral("PREENCHIMENTO OBRIGATORIO - CÓDIGO DO TITULAR"), dependant},
        {ui->Text36, QStringLiteral("PREENCHIMENTO OBRIGATORIO - NOME DO TITULAR"), dependant},
        {ui->Text45, QStringLiteral("PREENCHIMENTO OBRIGATORIO - CARTÃO DO TITULAR"), dependant},
    };
    participant.hooks.cleared = [this] {
        ui->Text1->setEnabled(true);
        ui->Combo3->setListIndex(-1);
        ui->Combo4->setListIndex(-1);
        for (QWidget* holderBox : {static_cast<QWidget*>(ui->Label25), static_cast<QWidget*>(ui->Text44),
                                   static_cast<QWidget*>(ui->Text36), static_cast<QWidget*>(ui->Text45),
                                   static_cast<QWidget*>(ui->Command3D21)})
            holderBox->setVisible(true);
    };
    participant.hooks.filled = [this] {
        ShowChosenLists();
        HolderToggle();
    };
    RecordBinding& binding = ownUntilUnload(participant_, std::make_unique<RecordBinding>(std::move(participant)));
    ownUntilUnload(documents_, std::make_unique<db::Recordset>(
                                   vorna::state().MainDatabase.openRecordset(QStringLiteral("DOCUMENTOS"))));

    RecordButtonsDesign buttons;
    buttons.shownButton = ui->Command3D3;
    buttons.clearButton = ui->Command3D2;
    buttons.navigation = NavigationKind::WithMessage;
    buttons.search.list = ui->List2;
    buttons.search.listPlace = QRect(2175, 1650, 3945, 2160);
    buttons.search.codeNotFound = msg::ParticipantNotFound;
    buttons.search.enterCodeOrName = msg::EnterCodeOrNameAccented;
    buttons.audit = audit::Participant;
    buttons.hooks.mayShow = [this] { return MayShowToOwner(); };
    ownUntilUnload(buttons_, std::make_unique<RecordButtons>(binding, std::move(buttons)));
    buttons_->endShown();
    connectGridSearches();

    // The occupations go to a list outside the window that nothing reads.
    for (const QString& occupation : lists::occupations())
        ui->Combo1->AddItem(occupation);
    for (const QString& code : lists::stateCodes())
        ui->Combo3->AddItem(code);
    ui->Combo4->AddItem(QStringLiteral("Dependente"));
    ui->Combo4->AddItem(QStringLiteral("Titular"));

    const Variant& caller = vorna::state().handOver.CallerCode;
    if (caller == Variant(caller::ClientFromDocument)) {
        OpenForDocumentClient();
    } else if (caller == Variant(caller::RegisterForDocument)) {
        // Registering for the document window only adds.
        ui->Command3D2->setVisible(false);
        ui->Command3D3->setVisible(false);
        ui->Command3D4->setVisible(false);
    }
}

void Form5::OpenForDocumentClient()
{
    ui->Label36->setText(QStringLiteral("Retornar"));
    db::Recordset& rs = participant_->recordset();
    if (const auto code = db::wholeNumber(rt::CStr(vorna::state().handOver.PassedRecordCode))) {
        rs.FindFirst(QStringLiteral("CODIGO = ") + *code);
        if (!rs.NoMatch()) {
            ShowParticipant();
            return;
        }
    }
    msg::notFound(msg::ClientNotFound);
    buttons_->endShown();
}

}  // namespace health

ui::Window& windows::Form5() { return ui::windowRef<health::Form5>(); }

}  // namespace vorna
