#include "admin/Form42.h"

#include "common/KeyFilters.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/ToolbarHoverCaptions.h"
#include "common/ToolbarPictures.h"
#include "common/WindowRefs.h"
#include "platform/controls/ControlEvents.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/Runtime.h"

#include <QStyle>

namespace vorna {

namespace {

const QString SettingsUpdated = QStringLiteral("PARÂMETROS DO SISTEMA ATUALIZADOS");

void attention(const QString& text) { dlg::MsgBox(text, dlg::Buttons::Ok, msg::TitleAttention); }

bool blank(const QLineEdit* box) { return rt::Trim(box->text()).isEmpty(); }

}  // namespace

namespace admin {

Form42::Form42()
{
    setObjectName(QStringLiteral("Form42"));
    setFixedWithoutCloseBox();
    setWindowFlag(Qt::Tool);  // no task-bar entry
    QPalette lightGrey = palette();
    lightGrey.setColor(QPalette::Window, QColor(0xd8, 0xd8, 0xd8));
    setPalette(lightGrey);
    setAutoFillBackground(true);
}

void Form42::connectControls()
{
    setToolbarPictures({{ui->Command3D2, QStyle::SP_DialogSaveButton}, {ui->Command3D5, QStyle::SP_DialogCloseButton}});

    auto* captions = new ToolbarHoverCaptions(this);
    captions->add(ui->Command3D2, ui->Label42).add(ui->Command3D5, ui->Label57);

    KeyFilters::attach(ui->MaskEdBox1, KeyFilters::RateKeys);
    KeyFilters::attach(ui->MaskEdBox2, KeyFilters::RateKeys);
    KeyFilters::attach(ui->MaskEdBox3, KeyFilters::RateKeys);
    KeyFilters::attach(ui->Text8, KeyFilters::CodeKeys);

    ui::on(ui->Command3D2).Click(this, &Form42::Command3D2_Click);
    ui::on(ui->Command3D5).Click(this, &Form42::Command3D5_Click);
}

// A Null field leaves its control as designed: box empty, check box clear,
// neither option button chosen.
void Form42::Form_Load()
{
    Settings_ = vorna::state().MainDatabase.openRecordset(QStringLiteral("REGISTRO"));
    Settings_.MoveFirst();

    auto show = [this](const char* field, QLineEdit* box) {
        const Variant value = Settings_.field(QLatin1String(field));
        if (!value.isNull())
            box->setText(rt::CStr(value));
    };
    auto showRate = [this](const char* field, ui::MaskEdBox* box) {
        const Variant value = Settings_.field(QLatin1String(field));
        if (!value.isNull())
            box->setText(rt::CStr(value));  // the regional form, with its decimal comma
    };
    show("NOME", ui->Text2);
    show("ENDERECO", ui->Text1);
    show("BAIRRO", ui->Text3);
    show("CIDADE", ui->Text4);
    show("UF", ui->Text5);
    show("CEP", ui->Text8);
    show("FONE1", ui->Text6);
    show("FONE2", ui->Text7);
    showRate("I9", ui->MaskEdBox1);
    showRate("I8", ui->MaskEdBox2);
    showRate("I3", ui->MaskEdBox3);
    show("PASSE1", ui->Text9);
    show("PASSE2", ui->Text10);
    show("PASSE3", ui->Text11);
    show("PASSE4", ui->Text12);
    show("EMISSOR", ui->Text16);
    show("ENVIOEMAIL", ui->Text17);
    show("SENHA", ui->Text15);
    show("USUARIO", ui->Text14);
    show("SMTP", ui->Text13);

    // The codes are compared exactly; any other value leaves the control as designed.
    const Variant language = Settings_.field(QStringLiteral("INGLES"));
    if (language.identical(Variant("I")))
        ui->Check2->setValue(ui::CheckBox::Checked);
    else if (language.identical(Variant("P")))
        ui->Check2->setValue(ui::CheckBox::Unchecked);
    const Variant cost = Settings_.field(QStringLiteral("CUSTO"));
    if (cost.identical(Variant("S")))
        ui->Check3->setValue(ui::CheckBox::Checked);
    else if (cost.identical(Variant("N")))
        ui->Check3->setValue(ui::CheckBox::Unchecked);
    const Variant mail = Settings_.field(QStringLiteral("EMAIL"));
    if (mail.identical(Variant("E")))
        ui->OptionButton1->setValue(true);
    else if (mail.identical(Variant("O")))
        ui->OptionButton2->setValue(true);
}

void Form42::Form_Unload() { Settings_ = {}; }

void Form42::Command3D2_Click()
{
    if (blank(ui->Text9)) {
        attention(QStringLiteral("PREENCHA A SENHA DE EXCLUSÃO!"));
        return;
    }
    if (blank(ui->Text10)) {
        attention(QStringLiteral("PREENCHA A SENHA DE ALTERAÇÃO!"));
        return;
    }
    if (blank(ui->Text11)) {
        attention(QStringLiteral("PREENCHA A SENHA DE BAIXAS!"));
        return;
    }
    // Confirmed only once the row is stored; the boxes stay as they stand.
    if (writeSettings())
        attention(SettingsUpdated);
}

// Changes only the fields it writes: the edit reads the row afresh, so what
// another workstation stored in the others stays.
bool Form42::writeSettings()
{
    try {
        Settings_.Edit();

        // Company lines go in as typed, blanks around them included.
        auto asTyped = [this](const char* field, const QLineEdit* box) {
            if (!blank(box))
                Settings_.setField(QLatin1String(field), Variant(box->text()));
        };
        asTyped("NOME", ui->Text2);
        asTyped("ENDERECO", ui->Text1);
        asTyped("BAIRRO", ui->Text3);
        asTyped("CIDADE", ui->Text4);
        asTyped("UF", ui->Text5);
        asTyped("CEP", ui->Text8);
        asTyped("FONE1", ui->Text6);
        asTyped("FONE2", ui->Text7);

        // Read with the decimal comma; a text that is no number refuses the
        // whole save (13).
        auto rate = [this](const char* field, const ui::MaskEdBox* box) {
            if (!box->Text().isEmpty())
                Settings_.setField(QLatin1String(field), Variant(rt::CDbl(Variant(box->Text()))));
        };
        rate("I9", ui->MaskEdBox1);
        rate("I8", ui->MaskEdBox2);
        rate("I3", ui->MaskEdBox3);

        auto trimmed = [this](const char* field, const QLineEdit* box) {
            if (!blank(box))
                Settings_.setField(QLatin1String(field), Variant(rt::Trim(box->text())));
        };
        trimmed("PASSE1", ui->Text9);
        trimmed("PASSE2", ui->Text10);
        trimmed("PASSE3", ui->Text11);
        trimmed("PASSE4", ui->Text12);
        trimmed("EMISSOR", ui->Text16);
        trimmed("ENVIOEMAIL", ui->Text17);
        trimmed("SENHA", ui->Text15);
        trimmed("USUARIO", ui->Text14);
        trimmed("SMTP", ui->Text13);

        const bool english = ui->Check2->Value() == ui::CheckBox::Checked;
        Settings_.setField(QStringLiteral("INGLES"), Variant(english ? "I" : "P"));
        const bool hideCost = ui->Check3->Value() == ui::CheckBox::Checked;
        Settings_.setField(QStringLiteral("CUSTO"), Variant(hideCost ? "S" : "N"));
        // Outlook Express also when neither button is chosen.
        Settings_.setField(QStringLiteral("EMAIL"), Variant(ui->OptionButton2->Value() ? "O" : "E"));

        Settings_.Update();
        return true;
    } catch (const EngineError& failure) {
        Settings_.CancelUpdate();
        msg::writeFailure(failure.number());
        return false;
    }
}

void Form42::Command3D5_Click() { Unload(); }

}  // namespace admin

ui::Window& windows::Form42() { return ui::windowRef<admin::Form42>(); }

}  // namespace vorna
