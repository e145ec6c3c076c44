#pragma once
#include "platform/controls/Window.h"
#include "ui_Form4.h"

namespace vorna::clients {

// The client (stipulant) window. Its boxes follow the client table field by
// field: the identification, address, telephone, e-mail and contact panels lie
// inside the window, the personal data, label options, profile and referral
// boxes outside it (reached with Tab only), and the prospects, pending
// instalments and relations panels stay hidden.
class Form4 : public ui::DesignedWindow<Ui::Form4> {
    Q_OBJECT
public:
    Form4();

protected:
    void connectControls() override;
};

}  // namespace vorna::clients
