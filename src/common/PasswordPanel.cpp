#include "common/PasswordPanel.h"

#include "common/ProgramState.h"
#include "platform/controls/Twips.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/Runtime.h"

#include <QLineEdit>

namespace vorna {

PasswordPanel::PasswordPanel(QWidget* panel, QLineEdit* box) : QObject(panel), panel_(panel), box_(box) {}

PasswordPanel& PasswordPanel::add(Operation operation)
{
    operations_.push_back(std::move(operation));
    return *this;
}

int PasswordPanel::pendingCode() const { return pending_ ? operations_[*pending_].code : 0; }

void PasswordPanel::Open(int code)
{
    if (operations_.empty() || !panel_ || !box_)
        return;
    size_t index = 0;
    for (size_t i = 0; i < operations_.size(); ++i) {
        if (operations_[i].code == code) {
            index = i;
            break;
        }
    }
    pending_ = index;
    const Operation& op = operation(index);
    for (QWidget* frame : op.covered)
        if (frame)
            frame->hide();
    box_->clear();
    const int left = op.left ? ui::twips(*op.left) : panel_->x();
    const int top = op.top ? ui::twips(*op.top) : panel_->y();
    panel_->move(left, top);
    panel_->show();
    panel_->raise();
    box_->setFocus(Qt::OtherFocusReason);
}

void PasswordPanel::close(const Operation& operation)
{
    if (panel_)
        panel_->hide();
    for (QWidget* frame : operation.covered)
        if (frame)
            frame->show();
}

void PasswordPanel::Check()
{
    if (!pending_ || !box_)
        return;
    // The outcome may open the panel again (or unload the window): copy what
    // it needs and forget the pending operation first.
    const Operation op = operation(*pending_);
    pending_.reset();

    const QString entry = rt::Trim(box_->text());
    if (entry.isEmpty()) {
        close(op);
        if (op.cancelled)
            op.cancelled();
        return;
    }
    const QString password = op.password ? rt::Trim(op.password()) : QString();
    if (password.isEmpty() || entry != password) {
        dlg::MsgBox(op.wrongPassword);
        close(op);
        if (op.refused)
            op.refused();
        return;
    }
    close(op);
    if (op.accepted)
        op.accepted();
}

QString deletionPassword()
{
    const Variant& password = vorna::state().settings.DeletionPassword;
    return password.isNull() ? QString() : password.toString();
}

}  // namespace vorna
