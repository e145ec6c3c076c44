#pragma once
#include "common/ProgramState.h"
#include "common/RecordBinding.h"
#include "common/RecordButtons.h"
#include "platform/controls/Window.h"
#include "ui_Form95.h"

#include <array>

class QAbstractButton;

namespace vorna::admin {

// The user register (USUARIOS): each user's identification (typed at login),
// display name and 45 rights, one check box per right. The database numbers
// each new user and the window reports that number. The logged-in user's own
// rights CCU, ICU, ACU and ECU gate showing, adding, altering and deleting;
// what is stored here takes effect at that user's next login.
class Form95 : public ui::DesignedWindow<Ui::Form95> {
    Q_OBJECT
public:
    Form95();

protected:
    void connectControls() override;
    void Form_Load() override;

private:
    void Command3D1_Click();  // "Gravar"
    void Command3D2_Click();  // "Limpar"
    void Command3D3_Click();  // "Excluir"
    void Command3D5_Click();  // "Sair"
    void Command3D8_Click();  // "Primeiro"
    void Command3D9_Click();  // "Anterior"
    void Command3D6_Click();  // "Próximo"
    void Command3D7_Click();  // "Último"

    // The check box of each right, in the order of RightFields.
    std::array<QAbstractButton*, RightCount> rightBoxes() const;

    // ShowUser, ValidateUser, WriteUserFields and ClearUserForm are the
    // binding's Show, Validate, Write and Clear.
    ui::WhileLoaded<RecordBinding> user_;
    ui::WhileLoaded<RecordButtons> buttons_;
};

}  // namespace vorna::admin
