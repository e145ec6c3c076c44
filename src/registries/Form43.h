#pragma once
#include "common/RecordBinding.h"
#include "common/RecordButtons.h"
#include "platform/controls/Window.h"
#include "ui_Form43.h"

namespace vorna::registries {

// The attendant register (ATENDE): attendants are added with their monthly
// production target, browsed one by one and deleted; a stored attendant is
// never altered. The database numbers each new attendant, and the window
// reports that number.
class Form43 : public ui::DesignedWindow<Ui::Form43> {
    Q_OBJECT
public:
    Form43();

protected:
    void connectControls() override;
    void Form_Load() override;

private:
    void Command3D1_Click();  // "Gravar"
    void Command3D3_Click();  // "Excluir"
    void Command3D5_Click();  // "Sair"
    void Command3D8_Click();  // "Primeiro"
    void Command3D9_Click();  // "Anterior"
    void Command3D6_Click();  // "Próximo"
    void Command3D7_Click();  // "Último"

    // ShowAttendant, ValidateAttendant, WriteAttendantFields and
    // ClearAttendantForm are the binding's Show, Validate, Write and Clear.
    ui::WhileLoaded<RecordBinding> attendant_;
    ui::WhileLoaded<RecordButtons> buttons_;
};

}  // namespace vorna::registries
