#pragma once
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/PickList.h"
#include "platform/controls/PictureButton.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Window.h"
#include "support/Interact.h"
#include "support/ProgramFixture.h"

#include <QLabel>
#include <QString>
#include <vector>

namespace vorna::test {

struct ParticipantAudit {
    Variant code;
    QString name;
    QString remarks;
    Variant user;
};

// The program logged in at level 1 with every right, the deletion password
// "Apagar", and the participant window opened from the main menu.
class ParticipantFixture : public ProgramFixture {
protected:
    static constexpr int UserCode = 42;
    static inline const QString Added = QStringLiteral("Participante Cadastrado com Código: ");
    static inline const QString NotFound = QStringLiteral("PARTICIPANTE NÃO ENCONTRADO");
    static inline const QString WrongPassword = QStringLiteral("SENHA INCORRETA! PARTICIPANTE NÃO SERÁ EXCLUÍDO!");

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
    ui::ListBox* listBox(const char* name) { return c<ui::ListBox>(name); }
    ui::PictureButton* button(const char* name) { return c<ui::PictureButton>(name); }
    ui::FlexGrid* grid() { return c<ui::FlexGrid>("MSFlexGrid1"); }
    QLabel* label(const char* name) { return c<QLabel>(name); }
    QWidget* widget(const char* name) { return c<QWidget>(name); }

    // A stored participant; returns its code.
    int addParticipant(const QString& name, const Fields& more = {});
    int addHolder(const QString& name, const Fields& more = {});
    int addDependant(const QString& name, int holder, const Fields& more = {});
    int addDocument(int number, const QString& policy, const QString& client, const Fields& more = {});
    db::Recordset participant(int code);
    Variant stored(int code, const char* field);
    std::vector<ParticipantAudit> auditRows();

    static void choose(ui::PickList* list, const QString& item) { list->setText(item); }
    static QWidget* focused();
    // Moves the focus out of a box, as Tab would.
    void leave(QWidget* box);
    bool shown() { return button("Command3D3")->isEnabled(); }
    // Shows a stored participant through the code box.
    void showByCode(int code);
    // Entered with Tab, emptied, then typed from the first position.
    static void typeDate(ui::MaskEdBox* date, const QString& digits);
    // The boxes "Gravar" requires of a holder.
    void fillHolder(const QString& name, const QString& card);
};

}  // namespace vorna::test
