#pragma once
#include "common/NameFragmentSearch.h"
#include "common/RecordBinding.h"
#include "common/RecordButtons.h"
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "ui_Form54.h"


namespace vorna::admin {

// The usage log (LOGUI): the audit rows the record windows write and the
// matters typed here by hand about a client, a document or a policy. One entry
// is shown at a time; entries are added, altered, marked settled, browsed,
// found by number and printed by client, by policy or as pending matters. The
// boxes fill themselves from the client and document tables as they are left.
class Form54 : public ui::DesignedWindow<Ui::Form54> {
    Q_OBJECT
public:
    Form54();

protected:
    void connectControls() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    // The four procedures of the record window.
    void ShowLogEntry();
    bool ValidateLogEntry();
    bool WriteLogEntryFields();
    void ClearLogForm();

    void Command3D1_Click();   // new entry
    void Command3D4_Click();   // alter the shown entry
    void Command3D15_Click();  // report of the client's entries
    void Command3D2_Click();   // report of the policy's entries
    void Command3D3_Click();   // report of the pending matters
    void Command3D10_Click();
    void Command3D11_Click();
    void Command3D5_Click();   // leave
    void Command3D8_Click();   // first entry
    void Command3D9_Click();   // previous entry
    void Command3D6_Click();   // next entry
    void Command3D7_Click();   // last entry
    void Check2_LostFocus();
    void Text8_KeyPress(int& keyAscii);

    // The look-ups on leaving the boxes.
    void Text1_LostFocus();
    void Text2_LostFocus();
    void Text3_LostFocus();
    void List1_Click();
    void Text4_LostFocus();
    void Text5_LostFocus();

    // The client the clients' recordset stands on, into the boxes (its code too when asked).
    void fillFromClient(bool withCode);
    // The document the documents' recordset stands on, into the boxes.
    void fillFromDocument();
    QString phoneLine() const;
    void backToFirstBox();

    db::Recordset documents_;
    db::Recordset clients_;
    ui::WhileLoaded<RecordBinding> log_;
    ui::WhileLoaded<RecordButtons> buttons_;
    ui::WhileLoaded<NameFragmentSearch> clientNames_;
};

}  // namespace vorna::admin
