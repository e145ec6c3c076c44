#pragma once
#include "common/RecordBinding.h"
#include "common/RecordButtons.h"
#include "platform/controls/Window.h"
#include "ui_Form10.h"


namespace vorna::registries {

// The insurer register (CIAS): one insurer at a time, with its sales target,
// full-commission percentage, contacts, acceptance rules, claim instructions
// and five interest rates. The code is typed by the user. The toolbar adds the
// insurer's card and the list of insurers to the record window's buttons.
//
// A write the database or a number conversion refuses is not handled here: it
// reaches the program's failure box, nothing is stored, and the window keeps
// what it shows so the user can correct the box and save again.
class Form10 : public ui::DesignedWindow<Ui::Form10> {
    Q_OBJECT
public:
    Form10();

    // Handlers.
    void Command3D1_Click();   // Gravar
    void Command3D2_Click();   // Limpar
    void Command3D3_Click();   // Excluir
    void Command3D4_Click();   // Consultar
    void Command3D5_Click();   // Sair
    void Command3D8_Click();   // Primeiro
    void Command3D9_Click();   // Anterior
    void Command3D6_Click();   // Próximo
    void Command3D7_Click();   // Último
    void Command3D11_Click();  // Imprimir Ficha
    void Command3D15_Click();  // Listar Seguradoras
    void List1_Click();
    void List1_DblClick();

protected:
    void connectControls() override;
    void Form_Load() override;

private:
    // Empty while the table could not be opened: the buttons then do nothing.
    ui::WhileLoaded<RecordBinding> insurer_;
    ui::WhileLoaded<RecordButtons> buttons_;
};

}  // namespace vorna::registries
