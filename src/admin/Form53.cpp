#include "admin/Form53.h"

#include "common/KeyFilters.h"
#include "common/LevelCodeCipher.h"
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

const QString MustHaveSixLetters = QStringLiteral("A SENHA DEVE CONTER 6 (SEIS) LETRAS!");
const QString MustNotRepeat = QStringLiteral("A SENHA NÃO DEVE SER REPETIDA!");

void attention(const QString& text) { dlg::MsgBox(text, dlg::Buttons::Ok, msg::TitleAttentionExclaimed); }

}  // namespace

namespace admin {

Form53::Form53()
{
    setObjectName(QStringLiteral("Form53"));
    setFixedWithoutCloseBox();
    setWindowFlag(Qt::Tool);  // no task-bar entry
}

void Form53::connectControls()
{
    setToolbarPictures({{ui->Command3D1, QStyle::SP_DialogSaveButton}, {ui->Command3D2, QStyle::SP_DialogCloseButton}});

    auto* captions = new ToolbarHoverCaptions(this);
    captions->add(ui->Command3D1, ui->Label2).add(ui->Command3D2, ui->Label8);

    for (QLineEdit* box : {ui->Text1, ui->Text2, ui->Text3}) {
        // The codes are letters typed as they are: no composing of accents.
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        KeyFilters::attach(box, KeyFilters::LevelCodeKeys);
    }

    ui::on(ui->Command3D1).Click(this, &Form53::Command3D1_Click);
    ui::on(ui->Command3D2).Click(this, &Form53::Command3D2_Click);
}

// Nothing is read from the row: the stored codes are never shown.
void Form53::Form_Load()
{
    ui->Text1->setFocus();
    LevelCodes_ = vorna::state().MainDatabase.openRecordset(QStringLiteral("DAMUS"));
    LevelCodes_.MoveFirst();
    LevelCodes_.Edit();
}

void Form53::Form_Unload()
{
    // An unsaved edit of the row is given up with the recordset.
    LevelCodes_ = {};
    CheckFailed_ = false;
}

void Form53::Command3D1_Click()
{
    const QString total = rt::Trim(ui->Text1->text());
    const QString medium = rt::Trim(ui->Text2->text());
    const QString minimum = rt::Trim(ui->Text3->text());
    if (total.isEmpty() || medium.isEmpty() || minimum.isEmpty()) {
        attention(MustHaveSixLetters);
        return;
    }
    if (total == medium || total == minimum || medium == minimum) {
        attention(MustNotRepeat);
        return;
    }
    CheckLevelCodeLengths();
    if (CheckFailed_) {
        CheckFailed_ = false;
        ui->Text1->clear();
        ui->Text2->clear();
        ui->Text3->clear();
        return;
    }
    EncodeTotalLevelCode();
    EncodeMediumLevelCode();
    EncodeMinimumLevelCode();
    if (!writeLevelCodes())
        return;
    windows::Form2().Enable();
    Unload();
}

bool Form53::writeLevelCodes()
{
    static const QString Fields[3] = {QStringLiteral("NOTRE1"), QStringLiteral("NOTRE2"), QStringLiteral("NOTRE3")};
    try {
        // A write refused earlier gave up the edit begun at load.
        if (LevelCodes_.editMode() != db::Recordset::EditMode::InProgress)
            LevelCodes_.Edit();
        for (size_t level = 0; level < 3; ++level)
            LevelCodes_.setField(Fields[level], Variant(EncodedLevelCodes_[level]));
        LevelCodes_.Update();
        return true;
    } catch (const EngineError& failure) {
        // Nothing of the three codes is stored; the window stays open with
        // them typed, so the user may try again.
        LevelCodes_.CancelUpdate();
        msg::writeFailure(failure.number());
        return false;
    }
}

void Form53::Command3D2_Click()
{
    windows::Form2().Enable();
    Unload();
}

void Form53::EncodeTotalLevelCode() { EncodedLevelCodes_[0] = LevelCodeCipher::StoredForm(ui->Text1->text()); }
void Form53::EncodeMediumLevelCode() { EncodedLevelCodes_[1] = LevelCodeCipher::StoredForm(ui->Text2->text()); }
void Form53::EncodeMinimumLevelCode() { EncodedLevelCodes_[2] = LevelCodeCipher::StoredForm(ui->Text3->text()); }

// Counts the boxes' own characters, blanks included; the first box short of
// six is named and the others are not looked at.
void Form53::CheckLevelCodeLengths()
{
    CheckFailed_ = false;
    for (QLineEdit* box : {ui->Text1, ui->Text2, ui->Text3}) {
        if (box->text().size() < LevelCodeCipher::CodeLength) {
            attention(MustHaveSixLetters);
            box->setFocus(Qt::OtherFocusReason);
            CheckFailed_ = true;
            return;
        }
    }
}

}  // namespace admin

ui::Window& windows::Form53() { return ui::windowRef<admin::Form53>(); }

}  // namespace vorna
