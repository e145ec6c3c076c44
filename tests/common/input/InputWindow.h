#pragma once
#include "common/DateCheck.h"
#include "common/KeyFilters.h"
#include "common/SelectOnFocus.h"
#include "common/ToolbarHoverCaptions.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/PictureButton.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Twips.h"
#include "platform/controls/Window.h"

#include <QLabel>

// A register-like window laid out in code at twips positions, with the input
// conventions attached as the windows attach them.
class InputWindow : public vorna::ui::Window {
public:
    InputWindow() { setFixedWithoutCloseBox(); }

    vorna::ui::TextBox* Text1 = nullptr;        // name, TextKeys
    vorna::ui::MaskEdBox* MaskEdBox1 = nullptr; // start date, DateCheck
    vorna::ui::MaskEdBox* MaskEdBox2 = nullptr; // end date, DateCheck
    vorna::ui::MaskEdBox* MaskEdBox3 = nullptr; // amount, AmountKeys, selects 12
    vorna::ui::PictureButton* Command3D1 = nullptr;
    vorna::ui::PictureButton* Command3D2 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label5 = nullptr;
    int saves = 0;

protected:
    void buildControls() override
    {
        using namespace vorna;
        using namespace vorna::ui;
        setWindowTitle(QStringLiteral("Cadastro"));
        resize(twips(6000), twips(3000));
        Text1 = new TextBox(this);
        placeTwips(Text1, 150, 150, 1500, 300);
        MaskEdBox1 = dateBox(1950);
        MaskEdBox2 = dateBox(2700);
        MaskEdBox3 = new MaskEdBox(this);
        placeTwips(MaskEdBox3, 150, 1200, 1500, 300);
        MaskEdBox3->setFormat(QStringLiteral("$#,##0.00;($#,##0.00)"));
        Command3D1 = new PictureButton(this);
        placeTwips(Command3D1, 3000, 150, 485, 485);
        Label16 = caption(QStringLiteral("Gravar"), 3000);
        Command3D2 = new PictureButton(this);
        placeTwips(Command3D2, 3600, 150, 485, 485);
        Label18 = caption(QStringLiteral("Limpar"), 3600);
        Label5 = new QLabel(QStringLiteral("Nome:"), this);
        placeTwips(Label5, 3000, 1500, 900, 300);

        KeyFilters::attach(Text1, KeyFilters::TextKeys);
        attachDateCheck(MaskEdBox1);
        attachDateCheck(MaskEdBox2);
        KeyFilters::attach(MaskEdBox3, KeyFilters::AmountKeys);
        SelectOnFocus::attach(MaskEdBox3, 12);
        on(Command3D1).Click([this] { ++saves; });
        (new ToolbarHoverCaptions(this))->add(Command3D1, Label16).add(Command3D2, Label18);
    }

private:
    vorna::ui::MaskEdBox* dateBox(int left)
    {
        auto* box = new vorna::ui::MaskEdBox(this);
        vorna::ui::placeTwips(box, left, 150, 1000, 300);
        box->setMask(QStringLiteral("##/##/####"));
        box->setFormat(QStringLiteral("dd/mm/yyyy"));
        return box;
    }
    QLabel* caption(const QString& text, int left)
    {
        auto* label = new QLabel(text, this);
        vorna::ui::placeTwips(label, left, 700, 900, 240);
        return label;
    }
};
