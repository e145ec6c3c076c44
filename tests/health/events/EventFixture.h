#pragma once
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/PickList.h"
#include "platform/controls/PictureButton.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Window.h"
#include "support/Interact.h"
#include "support/ProgramFixture.h"

#include <QDate>
#include <QLabel>
#include <QPlainTextEdit>
#include <QString>
#include <vector>

namespace vorna::test {

// One LOGUI row as the window wrote it.
struct EventAudit {
    Variant code;
    QString name;
    QString remarks;
    Variant user;
};

// The program logged in at level 1 with every right, the deletion password
// "Apagar", and helpers to store participants, documents and events.
class EventFixture : public ProgramFixture {
protected:
    static constexpr int UserCode = 42;
    static inline const QString Refused = QStringLiteral("SENHA INCORRETA! EVENTO NÃO SERÁ EXCLUÍDO!");
    static inline const QString NotFound = QStringLiteral("EVENTO NÃO ENCONTRADO");

    void SetUp() override;

    ui::Window& open();
    static ui::Window& form();
    template <class Control>
    Control* c(const char* name)
    {
        return form().control<Control>(name);
    }
    ui::TextBox* box(const char* name) { return c<ui::TextBox>(name); }
    ui::MaskEdBox* masked(const char* name) { return c<ui::MaskEdBox>(name); }
    ui::PickList* list(const char* name) { return c<ui::PickList>(name); }
    ui::PictureButton* button(const char* name) { return c<ui::PictureButton>(name); }
    ui::CheckBox* check(const char* name) { return c<ui::CheckBox>(name); }
    ui::ListBox* names() { return c<ui::ListBox>("List3"); }
    ui::FlexGrid* grid() { return c<ui::FlexGrid>("MSFlexGrid1"); }
    QPlainTextEdit* notes() { return c<QPlainTextEdit>("Text3"); }
    QLabel* label(const char* name) { return c<QLabel>(name); }

    int addParticipant(const QString& name, const Fields& more = {});
    int addDocument(const QString& policy, const Fields& more = {});
    int addEvent(const QString& name, const Fields& more = {});
    db::Recordset event(int code);
    std::vector<EventAudit> auditRows();

    static Variant day(int d, int m, int y) { return Variant::date(QDate(y, m, d)); }
    static QWidget* focused();
    // Moves the focus into the box and out of it, as Tab would.
    void leave(QWidget* box);
    bool shown() { return button("Command3D3")->isEnabled(); }
    // Digits into a date box as a user who tabs into it.
    static void typeDate(ui::MaskEdBox* date, const QString& digits);
    // Types a name, date and type: what "Gravar" requires.
    void fillRequired(const QString& name);
    // The code box typed and left: the event shown.
    void showByCode(int code);
};

}  // namespace vorna::test
