#pragma once
#include "common/RecordBinding.h"
#include "common/RecordButtons.h"
#include "platform/controls/Window.h"
#include "ui_Form55.h"

namespace vorna::registries {

// The affinity-group register (GRUPO): groups are added, browsed one by one
// and deleted; a stored group is never altered. The database numbers each
// new group, and the window reports that number.
class Form55 : public ui::DesignedWindow<Ui::Form55> {
    Q_OBJECT
public:
    Form55();

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

    // ShowGroup, ValidateGroup, WriteGroupFields and ClearGroupForm
    // are the binding's Show, Validate, Write and Clear.
    ui::WhileLoaded<RecordBinding> group_;
    ui::WhileLoaded<RecordButtons> buttons_;
};

}  // namespace vorna::registries
