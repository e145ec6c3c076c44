#include "shell/Form2.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "menu_batch/MenuPassword.h"
#include "platform/dialogs/Dialogs.h"

namespace vorna::shell {

// The box is emptied at each opening, so nothing typed earlier is taken for
// the new entry.
void Form2::OpenArchivingPasswordPanel()
{
    const QString& levelWord = vorna::state().session.AccessLevelWord;
    if (levelWord == level::Minimum || levelWord == level::Medium) {
        msg::refusedByLevel(menu_batch::NoModuleAccess);
        return;
    }
    ensureLoaded();
    Ui::Form2& c = *ui;
    c.Text12->clear();
    c.Frame3D1->show();
    c.Frame3D1->raise();
    MenuPasswordAction_ = menu_batch::menu_password::Archive;
    c.Text12->setFocus(Qt::OtherFocusReason);
}

// The settlements window and the archiving window are not part of this
// system: an accepted word opens nothing.
void Form2::Text12_LostFocus()
{
    using Kind = menu_batch::MenuPasswordOutcome::Kind;
    if (!ui)
        return;
    Ui::Form2& c = *ui;
    const Variant& password = vorna::state().settings.SettlementPassword;
    const menu_batch::MenuPasswordOutcome outcome = menu_batch::checkMenuPassword(
        MenuPasswordAction_, c.Text12->text(), password.isNull() ? QString() : password.toString());
    switch (outcome.kind) {
    case Kind::Ignored: return;
    case Kind::Cancelled: c.Frame3D1->hide(); return;
    case Kind::Refused: msg::notice(outcome.refusal); [[fallthrough]];
    case Kind::Accepted:
        c.Frame3D1->hide();
        c.Text12->clear();
        MenuPasswordAction_ = menu_batch::menu_password::None;
        return;
    }
}

}  // namespace vorna::shell
