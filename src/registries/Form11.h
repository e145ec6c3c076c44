#pragma once
#include "common/RecordBinding.h"
#include "common/RecordButtons.h"
#include "platform/controls/Window.h"
#include "ui_Form11.h"


namespace vorna::registries {

// The lines-of-business register (RAMOS): a code typed by the user, unique in
// the table, a name and the commission percentage of each of twelve
// instalments (COM1..COM12), which the document window copies. A refused
// write is told in its own box ("CODIGO JÁ EXISTENTE, TENTE NOVAMENTE!: " for
// a code already used) and nothing of it is stored. "Excluir" deletes without
// a question and leaves "Limpar" disabled until a line is shown again; "Sair"
// enables the main menu.
//
// Its report control writes to a file; routines of other windows borrow it.
class Form11 : public ui::DesignedWindow<Ui::Form11> {
    Q_OBJECT
public:
    Form11();

    // Handlers.
    void Command3D1_Click();  // Gravar
    void Command3D2_Click();  // Limpar
    void Command3D3_Click();  // Excluir
    void Command3D4_Click();  // Consultar
    void Command3D5_Click();  // Sair
    void Command3D8_Click();  // Primeiro
    void Command3D9_Click();  // Anterior
    void Command3D6_Click();  // Próximo
    void Command3D7_Click();  // Último
    void List1_Click();

protected:
    void connectControls() override;
    void Form_Load() override;

private:
    // Empty while the table could not be opened: the buttons then do nothing.
    ui::WhileLoaded<RecordBinding> line_;
    ui::WhileLoaded<RecordButtons> buttons_;
};

}  // namespace vorna::registries
