#include "clients/Form4.h"

#include "common/AuditRow.h"
#include "common/BrazilianLists.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/Toolbar.h"
#include "common/ToolbarPictures.h"
#include "common/WindowRefs.h"
#include "platform/controls/ControlEvents.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

#include <QStyle>

namespace vorna {

namespace {

const QString ProducersEmpty = QStringLiteral("VERIFIQUE SEU CADASTRO DE PRODUTOR POIS O MESMO ESTÁ VAZIO!");
const QString WrongDeletionPassword = QStringLiteral("SENHA INCORRETA! CLIENTE NÃO SERÁ EXCLUÍDO!");

void fill(ui::PickList* list, const QStringList& items)
{
    for (const QString& item : items)
        list->AddItem(item);
}

}  // namespace

namespace clients {

Form4::Form4()
{
    setObjectName(QStringLiteral("Form4"));
    setFixedWithoutCloseBox();
}

void Form4::connectControls()
{
    const auto clickOf = [this](void (Form4::*handler)()) {
        return std::function<void()>([this, handler] { (this->*handler)(); });
    };
    installToolbar(this, std::vector<ToolbarEntry>{
        {ui->Command3D1, QStyle::SP_DialogSaveButton, ui->Label42, clickOf(&Form4::Command3D1_Click)},
        {ui->Command3D2, QStyle::SP_DialogResetButton, ui->Label41, clickOf(&Form4::Command3D2_Click)},
        {ui->Command3D3, QStyle::SP_TrashIcon, ui->Label40, clickOf(&Form4::Command3D3_Click)},
        {ui->Command3D4, QStyle::SP_FileDialogContentsView, ui->Label39, clickOf(&Form4::Command3D4_Click)},
        {ui->Command3D12, QStyle::SP_FileDialogDetailedView, ui->Label59, {}},
        {ui->Command3D24, QStyle::SP_DirOpenIcon, ui->Label62, {}},
        {ui->Command3D27, QStyle::SP_BrowserReload, ui->Label65, clickOf(&Form4::Command3D27_Click)},
        {ui->Command3D5, QStyle::SP_DialogCloseButton, ui->Label36, clickOf(&Form4::Command3D5_Click)},
        {ui->Command3D8, QStyle::SP_MediaSkipBackward, ui->Label51, clickOf(&Form4::Command3D8_Click)},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward, ui->Label51, clickOf(&Form4::Command3D9_Click)},
        {ui->Command3D6, QStyle::SP_MediaSeekForward, ui->Label51, clickOf(&Form4::Command3D6_Click)},
        {ui->Command3D7, QStyle::SP_MediaSkipForward, ui->Label51, clickOf(&Form4::Command3D7_Click)},
        // Outside the visible area: the pointer never reaches them.
        {ui->Command3D10, QStyle::SP_FileDialogDetailedView, ui->Label58, {}},
        {ui->Command3D11, QStyle::SP_FileDialogDetailedView, ui->Label53, {}},
        {ui->Command3D13, QStyle::SP_FileDialogInfoView, ui->Label57, {}},
        {ui->Command3D28, QStyle::SP_FileDialogInfoView, ui->Label68, {}},
        {ui->Command3D29, QStyle::SP_FileDialogInfoView, ui->Label66, {}},
    });
    setToolbarPictures({
        {ui->Command3D21, QStyle::SP_FileDialogContentsView}, {ui->Command3D14, QStyle::SP_FileDialogContentsView},
        {ui->Command3D22, QStyle::SP_FileDialogContentsView}, {ui->Command3D15, QStyle::SP_FileDialogContentsView},
        {ui->Command3D23, QStyle::SP_FileDialogContentsView}, {ui->Command3D20, QStyle::SP_FileDialogContentsView},
        {ui->Command3D17, QStyle::SP_FileDialogContentsView}, {ui->Command3D18, QStyle::SP_FileDialogContentsView},
        {ui->Command3D19, QStyle::SP_FileDialogContentsView}, {ui->Command3D16, QStyle::SP_FileDialogContentsView},
    });
    connectReportsAndLeaving();
    ui::on(ui->Command3D21).Click(this, &Form4::Command3D21_Click);
    ui::on(ui->Text1).LostFocus(this, &Form4::Text1_LostFocus);
    ui::on(ui->Text29).LostFocus(this, &Form4::Text29_LostFocus);
    ui::on(ui->List1).Click(this, &Form4::List1_Click);
    ui::on(ui->Combo2).LostFocus(this, &Form4::Combo2_LostFocus);
    ui::on(ui->Combo8).Click(this, &Form4::Combo8_Click);
    connectInputRules();
    connectSidePanels();
    connectGridSearches();
    connectEntryRules();

    deletionPanel_ = new PasswordPanel(ui->Frame3D6, ui->Text29);
    deletionPanel_->add({.password = deletionPassword,
                         .wrongPassword = WrongDeletionPassword,
                         .covered = {ui->Frame3D2, ui->Frame3D5, ui->Frame3D9, ui->Frame3D8},
                         .left = 4650,
                         .top = 3630,
                         .accepted = [this] { DeleteShownClient(); }});
}

// ---- the load step -----------------------------------------------------------------

void Form4::Form_Load()
{
    ownUntilUnload(producers_, std::make_unique<db::Recordset>(
                                   vorna::state().MainDatabase.openRecordset(QStringLiteral("produtor"))));

    RecordBindingDesign client;
    client.table = QStringLiteral("CLIENTES");
    client.keyField = QStringLiteral("CODIGO");
    client.codeBox = ui->Text1;
    client.nameBox = ui->Text2;
    client.fields = BoundFields();
    const auto personIs = [this](const char* type) {
        return [this, type] { return ui->Combo2->Text() == QLatin1String(type); };
    };
    client.required = {
        {ui->Text2, msg::RequiredName},
        {ui->Combo2, QStringLiteral("PREENCHIMENTO OBRIGATORIO - PESSOA")},
        {ui->Text4, QStringLiteral("PREENCHIMENTO OBRIGATORIO - ENDEREÇO"), personIs("F")},
        {ui->Text5, QStringLiteral("PREENCHIMENTO OBRIGATORIO - CIDADE"), personIs("F")},
        {ui->Combo3, QStringLiteral("PREENCHIMENTO OBRIGATORIO - UF"), personIs("F")},
        {ui->Text7, QStringLiteral("PREENCHIMENTO OBRIGATORIO - CEP"), personIs("F")},
        {ui->Text9, QStringLiteral("PREENCHIMENTO OBRIGATORIO - ENDEREÇO"), personIs("J")},
        {ui->Text10, QStringLiteral("PREENCHIMENTO OBRIGATORIO - CIDADE"), personIs("J")},
        {ui->Combo4, QStringLiteral("PREENCHIMENTO OBRIGATORIO - UF"), personIs("J")},
        {ui->Text12, QStringLiteral("PREENCHIMENTO OBRIGATORIO - CEP"), personIs("J")},
        {ui->Text8, QStringLiteral("PREENCHIMENTO OBRIGATORIO - TELEFONE")},
        {ui->Text17, QStringLiteral("PREENCHIMENTO OBRIGATORIO - CPF/CGC")},
        {ui->Text18, QStringLiteral("PREENCHIMENTO OBRIGATORIO - PRODUTOR")},
    };
    client.hooks.cleared = [this] {
        ClearClientForm();
        ui->Text54->clear();  // the profile text, which no field holds
    };
    client.hooks.filled = [this] { ShowRuledFields(); };
    RecordBinding& binding = ownUntilUnload(client_, std::make_unique<RecordBinding>(std::move(client)));

    RecordButtonsDesign buttons;
    buttons.shownButton = ui->Command3D3;
    buttons.clearButton = ui->Command3D2;
    buttons.shownWith = {ui->Command3D11, ui->Command3D24};
    buttons.focus.afterDeletion = ui->Text1;
    buttons.focus.afterClear = ui->Text2;
    buttons.navigation = NavigationKind::WithMessage;
    buttons.search.list = ui->List1;
    buttons.search.listPlace = QRect(2520, 1245, 4200, 4020);
    buttons.search.codeNotFound = msg::ClientNotFound;
    buttons.search.nameNotFound = msg::ClientNotFoundAccented;
    buttons.search.enterCodeOrName = msg::EnterCodeOrNamePlain;
    buttons.audit = audit::Client;
    buttons.hooks.mayShow = [this] { return MayShowToOwner(); };
    ownUntilUnload(buttons_, std::make_unique<RecordButtons>(binding, std::move(buttons)));

    buttons_->endShown();
    LoadGridSearches();
    FillPickLists();
    FillProducerList();
    OpenPostalCodes();
    // A third-level user cannot give a client to a producer by name.
    if (vorna::state().session.AccessLevelWord == level::Minimum)
        ui->Combo8->setEnabled(false);
    if (vorna::state().handOver.CallerCode == Variant(caller::ClientFromDocument))
        OpenForDocumentClient();
}

void Form4::FillPickLists()
{
    fill(ui->Combo1, lists::occupations());
    fill(ui->Combo2, {QStringLiteral("F"), QStringLiteral("J")});
    fill(ui->Combo9, {QStringLiteral("APTO"), QStringLiteral("CASA")});
    fill(ui->Combo3, lists::stateCodes());
    fill(ui->Combo4, lists::stateCodes());
    fill(ui->Combo5, {QStringLiteral("FEMININO"), QStringLiteral("JURIDICA"), QStringLiteral("MASCULINO")});
    fill(ui->Combo6, {QStringLiteral("CASADO"), QStringLiteral("DIVORCIADO"), QStringLiteral("OUTRO"),
                      QStringLiteral("SOLTEIRO"), QStringLiteral("VIUVO")});
    fill(ui->Combo7, {QStringLiteral("COLEGIAL"), QStringLiteral("POS-GRADUADO"), QStringLiteral("PRIMARIO"),
                      QStringLiteral("SUPERIOR")});
}

// Every producer of every branch by name. Each entry keeps its producer's code,
// so picking one of two namesakes gives the producer picked.
void Form4::FillProducerList()
{
    db::Recordset& rs = *producers_;
    const QString criteria = QStringLiteral("CODIGO > 0");
    try {
        rs.MoveFirst();
        for (rs.FindFirst(criteria); !rs.NoMatch(); rs.FindNext(criteria)) {
            const Variant name = rs.field(QStringLiteral("NOME"));
            if (name.isNull())
                continue;
            const int at = ui->Combo8->AddItem(rt::CStr(name));
            ui->Combo8->setItemData(at, rt::CStr(rs.field(QStringLiteral("CODIGO"))));
        }
    } catch (const EngineError&) {
        msg::notice(ProducersEmpty);
    }
}

void Form4::OpenForDocumentClient()
{
    ui->Label36->setText(QStringLiteral("Retornar"));
    db::Recordset& rs = client_->recordset();
    const std::optional<QString> code = db::wholeNumber(rt::CStr(vorna::state().handOver.PassedRecordCode));
    if (code) {
        rs.FindFirst(QStringLiteral("CODIGO = ") + *code);
        if (!rs.NoMatch()) {
            buttons_->Show();
            return;
        }
    }
    msg::notFound(msg::ClientNotFound);
    buttons_->endShown();
}

// ---- the handlers ------------------------------------------------------------------

void Form4::Command3D2_Click()
{
    buttons_->ClearClick();
    ui->Frame1->setVisible(false);
    ui->Frame2->setVisible(false);
}

void Form4::Command3D4_Click() { buttons_->SearchClick(); }

void Form4::Command3D21_Click()
{
    if (rt::Trim(ui->Text2->text()).isEmpty()) {
        msg::notFound(msg::EnterPieceOfName);
        return;
    }
    // A name that matches nothing here leaves "Anexos" as it was.
    const bool attachments = ui->Command3D24->isEnabled();
    if (!buttons_->search()->listByName())
        ui->Command3D24->setEnabled(attachments);
}

void Form4::Text1_LostFocus()
{
    if (rt::Trim(ui->Text1->text()).isEmpty())
        return;
    // Only "Consultar" puts the name list away when the code is not found.
    const bool listShown = !ui->List1->isHidden();
    if (!buttons_->search()->findByCode())
        ui->List1->setVisible(listShown);
}

void Form4::List1_Click() { buttons_->PickClick(); }

void Form4::Command3D8_Click() { buttons_->FirstClick(); }
void Form4::Command3D9_Click() { buttons_->PreviousClick(); }
void Form4::Command3D6_Click() { buttons_->NextClick(); }
void Form4::Command3D7_Click() { buttons_->LastClick(); }

void Form4::Combo2_LostFocus()
{
    const QString type = ui->Combo2->Text();
    if (type == QLatin1String("F"))
        ui->Label26->setText(QStringLiteral("CPF.:"));
    else if (type == QLatin1String("J"))
        ui->Label26->setText(QStringLiteral("CNPJ:"));
}

void Form4::Combo8_Click()
{
    const int at = ui->Combo8->ListIndex();
    if (at >= 0)
        ui->Text18->setText(ui->Combo8->itemData(at).toString());
}

}  // namespace clients

ui::Window& windows::Form4() { return ui::windowRef<clients::Form4>(); }

}  // namespace vorna
