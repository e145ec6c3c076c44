#pragma once
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "ui_Form53.h"

#include <array>

namespace vorna::admin {

// The level-code window: the three codes that select the access levels at
// login are typed here and replace, encoded, the ones stored in DAMUS. The
// stored codes are never shown; a save always writes all three. The login
// reads them at the next start of the program.
class Form53 : public ui::DesignedWindow<Ui::Form53> {
    Q_OBJECT
public:
    Form53();

protected:
    void connectControls() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void Command3D1_Click();  // "Gravar"
    void Command3D2_Click();  // "Sair"

    void EncodeTotalLevelCode();
    void EncodeMediumLevelCode();
    void EncodeMinimumLevelCode();
    void CheckLevelCodeLengths();

    // Writes the three encoded codes into the row; false when the engine
    // refused, with the row as it was stored.
    bool writeLevelCodes();

    db::Recordset LevelCodes_;  // DAMUS, on its first row
    bool CheckFailed_ = false;
    std::array<QString, 3> EncodedLevelCodes_;  // of the last save, levels 1 to 3
};

}  // namespace vorna::admin
