#include "admin/Form54.h"

#include "common/AppFolder.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/ReportLaunch.h"
#include "common/WindowRefs.h"
#include "common/Toolbar.h"
#include "platform/controls/ControlEvents.h"
#include "platform/database/CriteriaText.h"
#include "platform/report/FormulaText.h"
#include "platform/runtime/Runtime.h"

#include <QApplication>
#include <QStyle>
#include <QTextCursor>
#include <optional>

namespace vorna {

namespace {

const QString NewEntry = QStringLiteral("LOG Cadastrado com Índice");
const QString RequiredClientCode = QStringLiteral("PREENCHIMENTO OBRIGATORIO - CODIGO");
const QString EntryNotFound = QStringLiteral("LOG NAO ENCONTRADO");
const QString DocumentNumberNotFound = QStringLiteral("DOCUMENTOS NAO ENCONTRADO");
const QString PolicyNotFound = QStringLiteral("DOCUMENTO NAO ENCONTRADO");
const QString NoClientNoReport = QStringLiteral("SEM CLIENTE ESPECIFICO NÃO HA RELATÓRIO");
const QString NoPolicyNoReport = QStringLiteral("SEM APÓLICE ESPECIFICA NÃO HÁ RELATÓRIO");
const QString PendingMattersTitle = QStringLiteral("ASSUNTOS PENDENTES");
const QString WithdrawalMark = QStringLiteral("RETIRADA DE DOCUMENTO POR:---------->>>  ");
const QString ReportFile = QStringLiteral("\\RELLOG.RPT");
constexpr int RemarksMaxLength = 250;
constexpr int Backspace = 8;

bool isBlank(const QString& text) { return rt::Trim(text).isEmpty(); }

// The number a number box holds, as criteria and formulas write it; none when
// the box holds anything but digits (blanks around them aside), so typed text
// can never turn into criteria of its own.
QString fieldText(const db::Recordset& rs, const char* field)
{
    const Variant value = rs.field(QString::fromLatin1(field));
    return value.isNull() || value.isEmpty() ? QString() : rt::CStr(value);
}

}  // namespace

namespace admin {

Form54::Form54()
{
    setObjectName(QStringLiteral("Form54"));
    setFixedWithoutCloseBox();
}

void Form54::connectControls()
{
    // The buttons have no caption labels.
    installToolbar(this, {
        {ui->Command3D1, QStyle::SP_FileIcon, nullptr, &Form54::Command3D1_Click},
        {ui->Command3D4, QStyle::SP_DialogSaveButton, nullptr, &Form54::Command3D4_Click},
        {ui->Command3D15, QStyle::SP_FileDialogContentsView, nullptr, &Form54::Command3D15_Click},
        {ui->Command3D2, QStyle::SP_FileDialogDetailedView, nullptr, &Form54::Command3D2_Click},
        {ui->Command3D3, QStyle::SP_MessageBoxWarning, nullptr, &Form54::Command3D3_Click},
        {ui->Command3D10, QStyle::SP_FileDialogInfoView, nullptr, &Form54::Command3D10_Click},
        {ui->Command3D11, QStyle::SP_FileDialogListView, nullptr, &Form54::Command3D11_Click},
        {ui->Command3D5, QStyle::SP_DialogCloseButton, nullptr, &Form54::Command3D5_Click},
        {ui->Command3D8, QStyle::SP_MediaSkipBackward, nullptr, &Form54::Command3D8_Click},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward, nullptr, &Form54::Command3D9_Click},
        {ui->Command3D6, QStyle::SP_MediaSeekForward, nullptr, &Form54::Command3D6_Click},
        {ui->Command3D7, QStyle::SP_MediaSkipForward, nullptr, &Form54::Command3D7_Click},
    });
    ui::on(ui->Check2).LostFocus(this, &Form54::Check2_LostFocus);
    ui::on(ui->Text8).KeyPress(this, &Form54::Text8_KeyPress);

    ui::on(ui->Text1).LostFocus(this, &Form54::Text1_LostFocus);
    ui::on(ui->Text2).LostFocus(this, &Form54::Text2_LostFocus);
    ui::on(ui->Text3).LostFocus(this, &Form54::Text3_LostFocus);
    ui::on(ui->List1).Click(this, &Form54::List1_Click);
    ui::on(ui->Text4).LostFocus(this, &Form54::Text4_LostFocus);
    ui::on(ui->Text5).LostFocus(this, &Form54::Text5_LostFocus);
}

void Form54::Form_Load()
{
    const db::Database& database = vorna::state().MainDatabase;
    documents_ = database.openRecordset(QStringLiteral("DOCUMENTOS"));
    clients_ = database.openRecordset(QStringLiteral("CLIENTES"));

    RecordBindingDesign log;
    log.table = QStringLiteral("LOGUI");
    log.keyField = QStringLiteral("INDICE");
    log.codeBox = ui->Text1;
    log.nameBox = ui->Text3;
    // The date and time are shown as stored and stamped anew at every save;
    // the user code is only ever written by the windows that audit their work.
    log.fields = {
        record::shownOnly(QStringLiteral("INDICE"), ui->Text1),
        record::whenNotBlank(QStringLiteral("CLIENTE"), ui->Text2),
        record::whenNotBlank(QStringLiteral("NOME"), ui->Text3),
        record::whenNotBlank(QStringLiteral("DOCUMENTO"), ui->Text4),
        record::whenNotBlank(QStringLiteral("APOLICE"), ui->Text5),
        record::whenNotBlank(QStringLiteral("REMARKS"), ui->Text8),
        record::shownOnly(QStringLiteral("USUARIO"), ui->Text9),
        record::shownOnly(QStringLiteral("DATALOGUI"), ui->Text6).shownThrough(QStringLiteral("dd/mm/yyyy")),
        record::shownOnly(QStringLiteral("HORALOGUI"), ui->Text7).shownThrough(QStringLiteral("hh:nn")),
        record::computed(QStringLiteral("DATALOGUI"),
                         [] { return Variant(rt::Format(rt::Date(), QStringLiteral("dd/mm/yyyy"))); }),
        record::computed(QStringLiteral("HORALOGUI"),
                         [] { return Variant(rt::Format(rt::Now(), QStringLiteral("hh:nn"))); }),
        record::flag(QStringLiteral("LIQUI"), ui->Check1),
    };
    log.required = {{ui->Text3, msg::RequiredName}, {ui->Text2, RequiredClientCode}};
    // The withdrawal tick is part of the window's clearing, and so of every Show.
    log.hooks.cleared = [this] { ui->Check2->setValue(ui::CheckBox::Unchecked); };
    RecordBinding& binding = ownUntilUnload(log_, std::make_unique<RecordBinding>(std::move(log)));

    RecordButtonsDesign buttons;
    buttons.shownButton = ui->Command3D4;
    buttons.save = SaveMode::AddOnly;
    buttons.navigation = NavigationKind::WithMessage;
    buttons.deletion = Deletion::None;
    ownUntilUnload(buttons_, std::make_unique<RecordButtons>(binding, std::move(buttons)));

    NameFragmentSearchSpec names;
    names.list = ui->List1;
    names.listPlace = QRect(3465, 1530, 5310, 1980);
    names.codeNotFound = names.nameNotFound = msg::ClientNotFoundAccented;
    names.nameBox = ui->Text3;
    names.nameField = QStringLiteral("NOME");
    ownUntilUnload(clientNames_, std::make_unique<NameFragmentSearch>(
                                     clients_, std::move(names), [this] { fillFromClient(true); }, nullptr));
}

void Form54::Form_Unload()
{
    clients_ = {};
    documents_ = {};
}

// ---- the four procedures -----------------------------------------------------------

void Form54::ShowLogEntry() { buttons_->Show(); }

bool Form54::ValidateLogEntry() { return log_->Validate(); }

bool Form54::WriteLogEntryFields() { return log_->Write(); }

void Form54::ClearLogForm() { log_->Clear(); }

void Form54::backToFirstBox()
{
    ClearLogForm();
    ui->Text1->setFocus(Qt::OtherFocusReason);
    buttons_->endShown();
}

// ---- adding and altering -------------------------------------------------------------

void Form54::Command3D1_Click()
{
    if (buttons_->isShown()) {
        // The first click only lets go of the shown entry; the next one adds.
        backToFirstBox();
        return;
    }
    if (!ValidateLogEntry())
        return;
    // A write the database refuses has been reported; the typed entry stays
    // on screen to be saved again.
    const std::optional<Variant> number = log_->addRecord();
    if (!number)
        return;
    msg::newRecordNumber(NewEntry, rt::CLng(*number), msg::TitleNewRecord);
    backToFirstBox();
}

void Form54::Command3D4_Click()
{
    if (!buttons_->isShown())
        return;
    // As with an addition, a refused write keeps the entry shown as typed.
    if (!log_->alterShownRecord())
        return;
    backToFirstBox();
}

// ---- the withdrawal box and the remarks ------------------------------------------------

void Form54::Check2_LostFocus()
{
    if (ui->Check2->Value() == ui::CheckBox::Checked)
        ui->Text8->setPlainText(WithdrawalMark + ui->Text8->toPlainText());
}

void Form54::Text8_KeyPress(int& keyAscii)
{
    if (keyAscii == Backspace)
        return;
    const QTextCursor cursor = ui->Text8->textCursor();
    const int kept = ui->Text8->toPlainText().size() - (cursor.selectionEnd() - cursor.selectionStart());
    if (kept >= RemarksMaxLength)
        keyAscii = 0;
}

// ---- navigation ------------------------------------------------------------------------

void Form54::Command3D8_Click() { buttons_->FirstClick(); }

void Form54::Command3D9_Click() { buttons_->PreviousClick(); }

void Form54::Command3D6_Click() { buttons_->NextClick(); }

void Form54::Command3D7_Click() { buttons_->LastClick(); }

// ---- the look-ups ------------------------------------------------------------------------

void Form54::Text1_LostFocus()
{
    if (isBlank(ui->Text1->text()))
        return;
    db::Recordset& log = log_->recordset();
    if (const auto number = db::wholeNumber(ui->Text1->text())) {
        log.FindFirst(QStringLiteral("INDICE = ") + *number);
        if (!log.NoMatch()) {
            ShowLogEntry();
            return;
        }
    }
    msg::notFound(EntryNotFound);
    buttons_->endShown();
}

void Form54::Text2_LostFocus()
{
    if (isBlank(ui->Text2->text()))
        return;
    if (const auto code = db::wholeNumber(ui->Text2->text())) {
        clients_.FindFirst(QStringLiteral("CODIGO = ") + *code);
        if (!clients_.NoMatch()) {
            fillFromClient(false);
            ui->Text4->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    msg::notFound(msg::ClientNotFound);
}

void Form54::Text3_LostFocus()
{
    if (isBlank(ui->Text3->text()))
        return;
    // Going straight into the open list is a pick among the names it shows:
    // listing anew under the mouse would pick a client nobody clicked.
    if (ui->List1->isVisible() && QApplication::focusWidget() == ui->List1)
        return;
    // Each search lists its own finds only, each name standing for its client.
    ui->List1->Clear();
    clientNames_->listByName();
}

void Form54::List1_Click() { clientNames_->pick(); }

void Form54::Text4_LostFocus()
{
    if (isBlank(ui->Text4->text()))
        return;
    if (const auto number = db::wholeNumber(ui->Text4->text())) {
        documents_.FindFirst(QStringLiteral("PROPOSTA = ") + *number);
        if (!documents_.NoMatch()) {
            fillFromDocument();
            return;
        }
    }
    msg::notFound(DocumentNumberNotFound);
}

void Form54::Text5_LostFocus()
{
    const QString policy = ui->Text5->text();
    if (isBlank(policy))
        return;
    // Endorsements carry their policy's number too; only the policy itself
    // counts. The typed number is a pattern (letter case ignored, wildcards
    // act); one the engine cannot read (an unclosed "[") matches nothing.
    bool found = false;
    try {
        documents_.FindFirst(QStringLiteral("APOLICE LIKE ") + db::quoted(policy) + QStringLiteral(" AND TIPO = 'A'"));
        found = !documents_.NoMatch();
    } catch (const EngineError& e) {
        if (e.number() != err::SyntaxError)
            throw;
    }
    if (!found) {
        msg::notFound(PolicyNotFound);
        return;
    }
    fillFromDocument();
}

QString Form54::phoneLine() const
{
    return fieldText(clients_, "TEL-RESIDENCIA") + u' ' + fieldText(clients_, "TEL-COMERCIAL") + u' ' +
           fieldText(clients_, "CELULAR");
}

void Form54::fillFromClient(bool withCode)
{
    if (withCode)
        ui->Text2->setText(fieldText(clients_, "CODIGO"));
    ui->Text3->setText(fieldText(clients_, "NOME"));
    if (isBlank(ui->Text8->toPlainText()))
        ui->Text8->setPlainText(phoneLine());
}

void Form54::fillFromDocument()
{
    ui->Text2->setText(fieldText(documents_, "CODCLIENTE"));
    ui->Text3->setText(fieldText(documents_, "NOMCLIENTE"));
    ui->Text4->setText(fieldText(documents_, "PROPOSTA"));
    ui->Check1->setFocus(Qt::OtherFocusReason);
}

// ---- the reports -------------------------------------------------------------------------

void Form54::Command3D15_Click()
{
    if (isBlank(ui->Text2->text())) {
        msg::notice(NoClientNoReport);
        return;
    }
    // A code that is not a number is carried by no entry: the report runs and
    // lists nothing, as for any other code no entry carries.
    report::ReportControl& rpt = *ui->CrystalReport1;
    rpt.setReportFileName(appFolder() + ReportFile);
    rpt.setSelectionFormula(report::numberSelection(QStringLiteral("{LOGUI.CLIENTE}"), ui->Text2->text()));
    rpt.setAction(1);
}

void Form54::Command3D2_Click()
{
    if (isBlank(ui->Text5->text())) {
        msg::notice(NoPolicyNoReport);
        return;
    }
    report::ReportControl& rpt = *ui->CrystalReport1;
    rpt.setReportFileName(appFolder() + ReportFile);
    rpt.setSelectionFormula(report::textSelection(QStringLiteral("{LOGUI.APOLICE}"), ui->Text5->text()));
    rpt.setAction(1);
}

void Form54::Command3D3_Click()
{
    // The main menu's control, not reset: what an earlier launch set on it stays.
    report::ReportControl& rpt = borrowReportControl(windows::Form2());
    rpt.setWindowLeft(150);
    rpt.setWindowTop(150);
    rpt.setWindowTitle(PendingMattersTitle);
    rpt.setReportFileName(appFolder() + ReportFile);
    rpt.setSelectionFormula(QStringLiteral("{LOGUI.LIQUI} = 'N'"));
    rpt.setAction(1);
}

// ---- the screens the system does not have, and leaving ---------------------------------

void Form54::Command3D10_Click() { vorna::state().handOver.CallerCode = Variant(caller::UsageLogScreen); }

// The same code as the document window's claims screen.
void Form54::Command3D11_Click() { vorna::state().handOver.CallerCode = Variant(caller::Claims); }

void Form54::Command3D5_Click() { Unload(); }

}  // namespace admin

ui::Window& windows::Form54() { return ui::windowRef<admin::Form54>(); }

}  // namespace vorna
