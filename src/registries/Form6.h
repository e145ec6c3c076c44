#pragma once
#include "common/RecordBinding.h"
#include "common/RecordButtons.h"
#include "platform/controls/Window.h"
#include "ui_Form6.h"

namespace vorna::registries {

// The producer register (PRODUTOR): adds, alters, deletes, finds, browses and
// lists the brokerage's producers. A producer's code is counted within its
// branch; altering or deleting a producer of another branch is warned about
// first, and every change leaves its audit row. Most boxes lie outside the
// window's visible area and are reached with Tab only.
class Form6 : public ui::DesignedWindow<Ui::Form6> {
    Q_OBJECT
public:
    Form6();

protected:
    void connectControls() override;
    void Form_Load() override;

private:
    // Showing, validating, writing and clearing a producer are the binding's
    // Show, Validate, Write and Clear, declared in Form_Load.
    void Command3D2_Click();   // "Gravar"
    void Command3D1_Click();   // "Limpar"
    void Command3D3_Click();   // "Excluir"
    void Command3D4_Click();   // "Consultar"
    void List1_Click();        // a pick in the list of found names
    void Command3D11_Click();  // "Listar Produtores"
    void Command3D5_Click();   // "Sair"
    void Command3D8_Click();   // "Primeiro"
    void Command3D9_Click();   // "Anterior"
    void Command3D6_Click();   // "Próximo"
    void Command3D7_Click();   // "Último"

    // The rate box rules.
    void MaskEdBox1_GotFocus();
    void MaskEdBox2_LostFocus();
    void MaskEdBox6_LostFocus();

    // The shown producer's branch box differs from the installation's branch:
    // the warning, after which the action goes on.
    void warnWhenOtherBranch(const QString& warning);
    // The next code of the installation's branch, into LastProducerCode.
    void findLastCodeOfBranch();

    ui::WhileLoaded<RecordBinding> producer_;
    ui::WhileLoaded<RecordButtons> buttons_;
};

}  // namespace vorna::registries
