#pragma once
#include "platform/controls/Window.h"
#include "ui_Form79.h"

namespace vorna::shell {

// The backup reminder, the last window of a run: it shows how many clients and
// documents the main menu counted when it was left, and its "SAIR" ends the
// program.
class Form79 : public ui::DesignedWindow<Ui::Form79> {
    Q_OBJECT
public:
    Form79();

protected:
    void connectControls() override;
    void Form_Load() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Command1_Click();
};

}  // namespace vorna::shell
