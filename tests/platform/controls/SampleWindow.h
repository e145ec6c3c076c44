#pragma once
#include "platform/controls/ControlEvents.h"
#include "platform/controls/Window.h"
#include "ui_SampleWindow.h"

// A window laid out in Designer with the platform controls promoted, as every
// window of the program is.
class SampleWindow : public vorna::ui::DesignedWindow<Ui::SampleWindow> {
public:
    SampleWindow() { setFixedWithoutCloseBox(); }

    // The window's own variables: they outlive an unload.
    int loads = 0;
    int unloads = 0;
    int saves = 0;
    QString remembered;

protected:
    void connectControls() override
    {
        using vorna::ui::on;
        on(ui->Command3D1).Click(this, &SampleWindow::Command3D1_Click);
        on(ui->Command3D2).Click(this, &SampleWindow::Command3D2_Click);
    }
    void Form_Load() override
    {
        ++loads;
        ui->Combo1->AddItem(QStringLiteral("SOLTEIRO"));
        ui->Combo1->AddItem(QStringLiteral("CASADO"));
    }
    void Form_Unload() override { ++unloads; }

private:
    void Command3D1_Click() { ++saves; }
    // "Sair": the window unloads itself from its own button.
    void Command3D2_Click() { Unload(); }
};
