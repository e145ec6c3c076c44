#include "shell/Form1.h"
#include "platform/runtime/RegionalText.h"

#include "platform/report/ReportControl.h"

#include "common/AppFolder.h"
#include "common/DesktopLaunch.h"
#include "common/LevelCodeCipher.h"
#include "common/ProgramState.h"
#include "common/ToolbarHoverCaptions.h"
#include "common/WindowRefs.h"
#include "platform/controls/ControlEvents.h"
#include "platform/database/Database.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/Runtime.h"
#include "shell/Form1Pictures.h"
#include "shell/ProgramEnd.h"
#include "shell/Startup.h"
#include "shell/UserRights.h"

#include <QCloseEvent>
#include <QPainter>
#include <QTimer>

namespace vorna {
ui::Window& windows::Form1() { return ui::windowRef<shell::Form1>(); }
}  // namespace vorna

namespace vorna::shell {

namespace {

const QString LevelCodeFields[3] = {QStringLiteral("NOTRE1"), QStringLiteral("NOTRE2"),
                                    QStringLiteral("NOTRE3")};

// The settings fields that receive a default when Null, in the order filled.
struct SettingDefault {
    const char* field;
    Variant value;
};
const SettingDefault SettingDefaults[] = {
    {"PASSE1", Variant("VASKO")}, {"PASSE2", Variant("NIBUL")}, {"PASSE3", Variant("QUABRO")},
    {"PASSE4", Variant("ZORVIL")}, {"CUSTO", Variant("N")},     {"INGLES", Variant("P")},
    {"EMAIL", Variant("E")},       {"I9", Variant(0.38)},       {"I8", Variant(2.38)},
    {"I3", Variant(7.38)},
};

// A connection the load step relies on; one that failed to open is an object
// never set, as the runtime reports it.
const db::Database& connected(const db::Database& database)
{
    if (!database.isOpen())
        regional::raise(err::ObjectNotSet);
    return database;
}

// An assignment to a field the table lacks fails on its own, leaving the
// fields already assigned in the pending write-back.
void requireField(const db::Recordset& rs, const QString& field)
{
    if (!rs.fieldNames().contains(field, Qt::CaseInsensitive))
        throw EngineError(err::ItemNotFound, QStringLiteral("Item não encontrado nesta coleção."));
}

double doubleOrZero(const Variant& v) { return v.isNull() ? 0.0 : rt::CDbl(v); }

}  // namespace

Form1::Form1()
{
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
}

void Form1::connectControls()
{
    setFixedSize(size());
    styleLoginControls(*ui);
    // The code and the identification are typed as they are: no composing of accents.
    for (QLineEdit* box : {ui->Text1, ui->Text2})
        box->setAttribute(Qt::WA_InputMethodEnabled, false);

    auto* captions = new ToolbarHoverCaptions(this);
    captions->add(ui->Command1, ui->Label4).add(ui->Command2, ui->Label8);

    ui::on(ui->Command1).Click(this, &Form1::Command1_Click);
    ui::on(ui->Command2).Click(this, &Form1::Command2_Click);
    ui::on(ui->Text1).Change(this, &Form1::Text1_Change).LostFocus(this, &Form1::Text1_LostFocus);
    ui::on(ui->Text2).LostFocus(this, &Form1::Text2_LostFocus);
    ui::on(ui->Label1).Click([] { launch::startSupportMail(); });

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(100);
    connect(Timer1_, &QTimer::timeout, this, [this] { ui::runGuarded([this] { Timer1_Timer(); }); });
    Timer1_->start();
}

// The program's start-up. Each statement runs under the start-up error table:
// after an error it does not list, the next statement runs, so one early
// failure may be reported again by each later statement that needs its result.
void Form1::Form_Load()
{
    ProgramState& s = vorna::state();
    MarqueeText_.clear();
    StoredLevelCodes_ = {};
    PreparedLevelCodes_ = {};
    EncodedTypedCode_.clear();
    MatchedLevel_ = 0;
    WrongCodeCount_ = 0;

    StartupStatements steps;
    auto run = [&steps](const std::function<void()>& statement) { steps.run(statement); };
    db::Recordset& damus = LevelCodesRecordset_;
    db::Recordset& settings = SettingsRecordset_;

    run([&] { MarqueeText_ = MarqueeTextForDay(rt::Day(rt::Date())); });
    // A file that cannot be written is named in its box.
    const QString mainFile = appFilePath(QStringLiteral("\\VORNA.MDB"));
    const QString quotationFile = appFilePath(QStringLiteral("\\ATIBERA.MDB"));
    steps.run([&] { s.MainDatabase = db::Database::open(mainFile); }, mainFile);
    steps.run([&] { s.QuotationDatabase = db::Database::open(quotationFile); }, quotationFile);
    run([&] { damus = connected(s.MainDatabase).openRecordset(QStringLiteral("DAMUS")); });
    run([&] { settings = connected(s.MainDatabase).openRecordset(QStringLiteral("REGISTRO")); });

    // The stored level codes.
    run([&] { damus.MoveFirst(); });
    for (int level = 0; level < 3; ++level) {
        bool filled = true;  // a test that fails lets the statement it guards run
        run([&] { filled = !damus.field(LevelCodeFields[level]).isNull(); });
        if (filled)
            run([&] { StoredLevelCodes_[size_t(level)] = rt::CStr(damus.field(LevelCodeFields[level])); });
    }
    run([&] { PrepareStoredLevelCodes(); });

    // The settings record: defaults for its Null fields, written back.
    run([&] { settings.MoveFirst(); });
    const bool endedBeforeWriteBack = steps.ended();
    run([&] { settings.Edit(); });
    for (const SettingDefault& d : SettingDefaults) {
        const QString field = QLatin1String(d.field);
        bool isNull = true;
        run([&] { isNull = settings.field(field).isNull(); });
        if (isNull)
            run([&] {
                requireField(settings, field);
                settings.setField(field, d.value);
            });
    }
    run([&] { settings.Update(); });
    // A write-back refused by a lock (or by an edit that was not started)
    // still lets this workstation take the settings as they are stored.
    if (!endedBeforeWriteBack)
        steps.resume();

    // The program-wide copies.
    run([&] { settings.MoveFirst(); });
    auto copy = [&](const char* name, Variant& into) {
        const QString field = QLatin1String(name);
        bool filled = true;
        run([&] { filled = !settings.field(field).isNull(); });
        if (filled)
            run([&] { into = settings.field(field); });
    };
    copy("PASSE1", s.settings.DeletionPassword);
    copy("PASSE2", s.settings.CommissionChangePassword);
    copy("PASSE3", s.settings.SettlementPassword);
    copy("PASSE4", s.settings.ProducerChangePassword);
    copy("CUSTO", s.settings.CostOption);
    copy("EMAIL", s.settings.MailProgramOption);
    copy("INGLES", s.settings.WindowsLanguageOption);
    {
        bool filled = true;
        run([&] { filled = !settings.field(QStringLiteral("FILIAL")).isNull(); });
        if (filled)
            run([&] { s.settings.BranchNumber = rt::CLng(settings.field(QStringLiteral("FILIAL"))); });
    }

    if (steps.flow() == StartupStatements::Flow::ProgramEnded) {
        Unload();  // the login window is never shown
        return;
    }
    ui->Text1->setFocus();
}

void Form1::Form_Unload()
{
    MarqueeText_.clear();
    PreparedLevelCodes_ = {};
    LevelCodesRecordset_ = {};
    SettingsRecordset_ = {};
}

void Form1::PrepareStoredLevelCodes()
{
    for (size_t level = 0; level < 3; ++level)
        PreparedLevelCodes_[level] = LevelCodeCipher::TypedOrder(StoredLevelCodes_[level]);
}

void Form1::EncodeTypedLoginCode()
{
    EncodedTypedCode_ = LevelCodeCipher::EncodeTyped(ui->Text1->text());
}

void Form1::LoadUserRights()
{
    if (LookUpUser(vorna::state().MainDatabase, ui->Text2->text()) == UserLookup::Found)
        return;
    dlg::MsgBox(QStringLiteral("Desculpe, mas sua identificação não está correta ou foi alterada."),
                dlg::Buttons::Ok, QStringLiteral("Liberação de Acesso"));
    if (isLoaded())
        ui->Text2->setFocus(Qt::OtherFocusReason);
}

// The access check.
void Form1::Command1_Click()
{
    if (rt::Trim(ui->Text1->text()).isEmpty())
        return;
    LoadUserRights();
    EncodeTypedLoginCode();

    static const QString* const LevelWords[3] = {&level::Total, &level::Medium, &level::Minimum};
    MatchedLevel_ = 0;
    for (int level = 0; level < 3; ++level) {
        if (EncodedTypedCode_ == PreparedLevelCodes_[size_t(level)]) {
            vorna::state().session.AccessLevelWord = *LevelWords[level];
            MatchedLevel_ = int16_t(level + 1);
        }
    }

    if (rt::Trim(ui->Text2->text()).isEmpty()) {
        dlg::MsgBox(QStringLiteral("Digite sua Identificação!"), dlg::Buttons::Ok,
                    QStringLiteral("Atenção"));
        return;
    }

    if (MatchedLevel_ != 0) {
        openMainMenu();
        return;
    }

    ++WrongCodeCount_;
    ui->Label5->setVisible(true);
    if (WrongCodeCount_ >= 10) {
        ui->Label6->setVisible(true);
        ui->Label5->setVisible(false);
        ui->Label6->repaint();
        EndProgram();
    }
}

void Form1::openMainMenu()
{
    ProgramState& s = vorna::state();
    SettingsRecordset_.MoveFirst();
    // A settings row whose name or rates were never filled gives an empty name
    // and zero rates rather than a failed login.
    const Variant name = SettingsRecordset_.field(QStringLiteral("NOME"));
    s.settings.CompanyName = name.isNull() ? QString() : rt::CStr(name);
    s.settings.IofRateLife = doubleOrZero(SettingsRecordset_.field(QStringLiteral("I9")));
    s.settings.IofRateHealth = doubleOrZero(SettingsRecordset_.field(QStringLiteral("I8")));
    s.settings.IofRateProperty = doubleOrZero(SettingsRecordset_.field(QStringLiteral("I3")));
    report::setCompanyName(s.settings.CompanyName);  // printed at the top of every report page
    windows::Form2().Show();
    Unload();
}

void Form1::Command2_Click() { EndProgram(); }

void Form1::Text1_Change() { ui->Label5->setVisible(false); }

void Form1::Text1_LostFocus()
{
    const QString text = ui->Text1->text();
    if (!rt::Trim(text).isEmpty())
        ui->Text1->setText(rt::UCase(text));
}

void Form1::Text2_LostFocus()
{
    if (!rt::Trim(ui->Text2->text()).isEmpty())
        LoadUserRights();
}

void Form1::Timer1_Timer()
{
    if (!MarqueeText_.isEmpty())
        MarqueeText_ = MarqueeText_.mid(1) + MarqueeText_.left(1);
    ui->Text3->setText(MarqueeText_);
    ui->Text3->setCursorPosition(0);
}

void Form1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, loginBackground(size(), devicePixelRatioF()));
}

// Only the close box closes the login window (a granted access unloads it),
// and no other window is open yet: the program ends.
void Form1::closeEvent(QCloseEvent* event)
{
    ui::DesignedWindow<Ui::Form1>::closeEvent(event);
    EndProgram();
}

}  // namespace vorna::shell
