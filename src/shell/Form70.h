#pragma once
#include "platform/controls/Window.h"
#include "ui_Form70.h"

namespace vorna::shell {

// The period report dialog: a start and an end date (and, for the reports by
// policy and by card, a number) for one of the six event reports. The main
// menu opens it with the report's selector in CallerCode and waits, disabled,
// until the dialog's close button.
class Form70 : public ui::DesignedWindow<Ui::Form70> {
    Q_OBJECT
public:
    Form70();

protected:
    void connectControls() override;
    void Form_Load() override;

private:
    void Command3D2_Click();  // run the report
    void Command3D1_Click();  // close
};

}  // namespace vorna::shell
