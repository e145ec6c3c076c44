#pragma once
#include "common/RecordWindowPattern.h"
#include "platform/controls/Window.h"
#include "ui_Form43.h"

#include <memory>

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
    void Form_Unload() override;

private:
    void Command3D1_Click();  // "Gravar"
    void Command3D3_Click();  // "Excluir"
    void Command3D5_Click();  // "Sair"
    void Command3D8_Click();  // "Primeiro"
    void Command3D9_Click();  // "Anterior"
    void Command3D6_Click();  // "Próximo"
    void Command3D7_Click();  // "Último"

    // ShowAttendant, ValidateAttendant, WriteAttendantFields and
    // ClearAttendantForm are the pattern's Show, Validate, Write and Clear.
    std::unique_ptr<RecordWindowPattern> record_;
};

}  // namespace vorna::registries
