#pragma once
#include "common/GridSearch.h"
#include "common/PasswordPanel.h"
#include "common/RecordBinding.h"
#include "common/RecordButtons.h"
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "ui_Form5.h"

#include <QPointer>
#include <QString>
#include <vector>

namespace vorna::health {

// The participant window: the holders and dependants of the client companies'
// group health policies (VIDASAU). A dependant names its holder by code and
// carries copies of the holder's name and card; a participant names its policy
// by number and its stipulant by name. A participant counts as shown while
// "Excluir" is enabled: "Gravar" then alters the participant whose code is in
// the code box, else it adds one.
class Form5 : public ui::DesignedWindow<Ui::Form5> {
    Q_OBJECT
public:
    Form5();

    // Show the current participant row; empty the window (Form5Record.cpp).
    void ShowParticipant();
    void ClearParticipantForm();
    bool ValidateParticipant();

    // The searches whose buttons lie outside the window (Form5Search.cpp).
    void Command3D15_Click();
    void Command3D22_Click();
    // The list nothing fills (Form5Search.cpp).
    void List1_Click();

protected:
    void connectControls() override;
    void Form_Load() override;

private:
    // ---- Form5Record.cpp: the fields, show, save and deletion
    std::vector<record::Field> BoundFields();
    void ShowChosenLists();
    void HolderToggle();
    bool MayShowToOwner();
    // The participant named by the code box, found for an alteration or a
    // deletion; false after "PARTICIPANTE NÃO ENCONTRADO".
    bool FindParticipantOfCodeBox();
    // The row and its audit row, stored together or not at all; the new code
    // after an addition, none after a failure (its box shown).
    std::optional<Variant> StoreParticipant(bool altering);
    void DeleteShownParticipant();
    void Command3D1_Click();  // "Gravar"
    void Command3D2_Click();  // "Limpar"
    void Command3D3_Click();  // "Excluir"
    void Text29_LostFocus();
    void Combo4_LostFocus();

    // ---- Form5Lookups.cpp: the holder, policy, CPF and code look-ups
    void Command3D21_Click();
    void List3_Click();
    void Text44_LostFocus();
    void Text42_LostFocus();
    void Text17_LostFocus();
    void Text1_LostFocus();
    void PickHolderFrom(ui::ListBox* list);
    // The holder's fields into the participant's boxes; its code too for a pick.
    void CopyHolder(const db::Recordset& holder, bool withCode);
    // The participant whose code is in the box, or a not-found answer for a
    // box that holds no whole number.
    bool FindParticipantByCode(const QString& codeText);

    // ---- Form5Search.cpp: finding, moving, leaving and the policy grid
    void Command3D4_Click();  // "Consultar"
    void List2_Click();
    void Command3D5_Click();  // "Sair"
    void Command3D8_Click();  // "Primeiro"
    void Command3D9_Click();  // "Anterior"
    void Command3D6_Click();  // "Próximo"
    void Command3D7_Click();  // "Último"
    void OpenForDocumentClient();

    // ---- Form5Grid.cpp: the grid searches
    void connectGridSearches();
    void Command3D23_Click();
    void MSFlexGrid1_Click();

    // ---- Form5Input.cpp: key filters, date checks, map and e-mail box
    void connectInputRules();
    void Picture4_Click();

    ui::WhileLoaded<RecordBinding> participant_;
    ui::WhileLoaded<RecordButtons> buttons_;
    ui::WhileLoaded<db::Recordset> documents_;
    ui::WhileLoaded<GridSearch> policySearch_;
    ui::WhileLoaded<GridSearch> businessAddressSearch_;
    ui::WhileLoaded<GridSearch> homeCitySearch_;
    QPointer<PasswordPanel> deletionPanel_;
};

}  // namespace vorna::health
