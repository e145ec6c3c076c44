#pragma once
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/OptionButton.h"
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

// One LOGUI row as the window wrote it.
struct ClientAudit {
    Variant code;
    QString name;
    QString remarks;
    Variant user;
};

// The program logged in at level 1 with every right, the deletion password
// "Apagar", and the client window opened from the main menu.
class ClientFixture : public ProgramFixture {
protected:
    static constexpr int UserCode = 42;
    static inline const QString Added = QStringLiteral("Cliente Cadastrado com Codigo: ");
    static inline const QString Refused = QStringLiteral("SENHA INCORRETA! CLIENTE NÃO SERÁ EXCLUÍDO!");

    void SetUp() override;

    ui::Window& open();
    template <class Control>
    Control* c(const char* name)
    {
        return form().control<Control>(name);
    }
    ui::TextBox* box(const char* name) { return c<ui::TextBox>(name); }
    ui::MaskEdBox* masked(const char* name) { return c<ui::MaskEdBox>(name); }
    ui::PickList* list(const char* name) { return c<ui::PickList>(name); }
    ui::CheckBox* check(const char* name) { return c<ui::CheckBox>(name); }
    ui::OptionButton* option(const char* name) { return c<ui::OptionButton>(name); }
    ui::PictureButton* button(const char* name) { return c<ui::PictureButton>(name); }
    QLabel* label(const char* name) { return c<QLabel>(name); }
    static ui::Window& form();

    void addProducer(int code, int branch, const QString& name, const Variant& password = Variant::null());
    // A stored client; returns its code.
    int addClient(const QString& name, const Fields& more = {});
    db::Recordset client(int code);
    std::vector<ClientAudit> auditRows();

    static void choose(ui::PickList* list, const QString& item) { list->setText(item); }
    static QWidget* focused();
    // Moves the focus to another box of the window, as Tab would.
    void leave(QWidget* box);
    bool shown() { return button("Command3D3")->isEnabled(); }

    // Every box "Gravar" requires of a person type, filled; the CPF or CNPJ is
    // the first of a fixed run that no stored client holds.
    void fillRequired(const QString& person);
    QString freeTaxNumber(const QString& person);

    // RERUDEVA.MDB built from its schema, with these rows in its table SP
    // (CEP, "ENDEREÇO", Localidade, BAI_INI). A client test starts without the
    // file, as a fresh installation does.
    void installPostalCodes(const std::vector<Fields>& rows);
};

}  // namespace vorna::test
