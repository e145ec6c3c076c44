#pragma once
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "ui_Form42.h"

namespace vorna::admin {

// The system-parameters window: shows and edits the one settings row
// (REGISTRO): the brokerage's name and address, the mail-sending settings,
// the three IOF rates, the four operation passwords and the mail-program,
// language and cost options. A blank box keeps what is stored, so no field
// can be emptied from here. What is saved takes effect at the next start.
class Form42 : public ui::DesignedWindow<Ui::Form42> {
    Q_OBJECT
public:
    Form42();

protected:
    void connectControls() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void Command3D2_Click();  // "Gravar"
    void Command3D5_Click();  // "Sair"

    // Copies the boxes into the row and stores it; false when the engine
    // refused, with the row as it was stored.
    bool writeSettings();

    db::Recordset Settings_;  // REGISTRO, on its first row
};

}  // namespace vorna::admin
