#pragma once
#include "common/GridSearch.h"
#include "common/PasswordPanel.h"
#include "common/RecordBinding.h"
#include "common/RecordButtons.h"
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "ui_Form7.h"

#include <QPointer>
#include <QString>
#include <optional>
#include <vector>

namespace vorna::health {

// The reimbursement event window. Each event is a PROCEDE row of one
// participant (VIDASAU), whose name, card and policy it copies, with the
// operator and plan of that policy's document. The participant boxes are
// display-only: a participant is linked by the name search beside the name box
// and the pick in its list. "Gravar", "Excluir" and the documents act on the
// event whose code is in the code box, found again by that code.
class Form7 : public ui::DesignedWindow<Ui::Form7> {
    Q_OBJECT
public:
    Form7();

    // The display and clearing procedures, also run by the handlers.
    void ShowEvent();
    void ClearEventForm();
    bool ValidateEvent();

protected:
    void connectControls() override;
    void Form_Load() override;

private:
    // Form7Record.cpp: the event's fields between row and window.
    std::vector<record::Field> BoundFields();
    void ShowParticipantOfEvent();
    void ClearParticipantBoxes();
    void OpenForDocumentClient();
    // An amount box holding text that is not a number, refused with its box;
    // none when both amounts read.
    bool AmountsAreNumbers();
    // The event row and its audit row, stored together or not at all; the
    // code stored, or none after the box of a refused write.
    std::optional<Variant> StoreEvent(bool altering);
    // The event row whose code the code box holds, found in the event
    // recordset; false (nothing found) for a blank or non-numeric code.
    bool FindEventOfCodeBox();
    void DeleteEventOfCodeBox();
    void HandBackToDocument(const Variant& code);

    // Form7Link.cpp: the participant pick and the look-ups.
    // A field that holds a value into its box (a date as dd/mm/yyyy); one
    // without leaves the box alone.
    static void CopyFieldInto(QWidget* box, const db::Recordset& rs, const char* field);
    static void CopyDateInto(QWidget* box, const db::Recordset& rs, const char* field);
    static inline const QString EventNotFound = QStringLiteral("EVENTO NÃO ENCONTRADO");
    void CopyParticipant();
    bool CopyPolicyDocument();

    // Form7Search.cpp.
    void BuildEventSearch();

    // Form7Input.cpp.
    void connectInputRules();

    // The handlers.
    void Command3D1_Click();   // "Gravar"
    void Command3D2_Click();   // "Limpar"
    void Command3D3_Click();   // "Excluir"
    void Command3D4_Click();   // "Consultar"
    void Command3D5_Click();   // "Sair"
    void Command3D8_Click();   // "Primeiro"
    void Command3D9_Click();   // "Anterior"
    void Command3D6_Click();   // "Próximo"
    void Command3D7_Click();   // "Último"
    void Command3D13_Click();  // "Anexos"
    void Picture3_Click();     // "Emitir"
    void Command1_Click();     // the payment notice
    void Command3D21_Click();  // the participant search
    void Command3D15_Click();  // outside the window
    void Command3D22_Click();  // outside the window
    void List3_Click();
    void MSFlexGrid1_Click();
    void Text1_LostFocus();
    void Text29_LostFocus();
    void Text44_LostFocus();
    void Text17_LostFocus();
    void Text42_LostFocus();
    void Combo4_LostFocus();

    ui::WhileLoaded<db::Recordset> participants_;
    ui::WhileLoaded<RecordBinding> event_;
    ui::WhileLoaded<RecordButtons> buttons_;
    ui::WhileLoaded<db::Recordset> documents_;
    ui::WhileLoaded<NameFragmentSearch> participantSearch_;
    ui::WhileLoaded<GridSearch> eventSearch_;
    QPointer<PasswordPanel> deletionPanel_;  // one of the controls
};

}  // namespace vorna::health
