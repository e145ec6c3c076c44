#pragma once
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/FlexGrid.h"
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

// One LOGUI row as a record window writes it.
struct AuditRow {
    Variant code;  // CLIENTE: the record the row tells of
    QString name;
    QString remarks;
    Variant user;
};

// One window of the program, opened as its menu item opens it, with the program
// logged in at level 1 with every right as user UserCode; its controls by name,
// the focus moved as Tab moves it, and the rows it stores read back.
class WindowFixture : public ProgramFixture {
protected:
    static constexpr int UserCode = 42;

    // The window's reference, and a box with no handler of its own that a test
    // tabs into to leave another.
    WindowFixture(ui::Window& (*form)(), const char* quietBox) : form_(form), quietBox_(quietBox) {}

    void SetUp() override;

    ui::Window& form() const { return form_(); }
    // Shows the window and waits until it is active.
    ui::Window& open();
    // Waits until the window just shown is active.
    static void activate(ui::Window& window);

    template <class Control>
    Control* c(const char* name)
    {
        return form_().control<Control>(name);
    }
    QWidget* control(const char* name) { return c<QWidget>(name); }
    ui::TextBox* box(const char* name) { return c<ui::TextBox>(name); }
    ui::MaskEdBox* masked(const char* name) { return c<ui::MaskEdBox>(name); }
    ui::PickList* list(const char* name) { return c<ui::PickList>(name); }
    ui::ListBox* listBox(const char* name) { return c<ui::ListBox>(name); }
    ui::CheckBox* check(const char* name) { return c<ui::CheckBox>(name); }
    ui::OptionButton* option(const char* name) { return c<ui::OptionButton>(name); }
    ui::PictureButton* button(const char* name) { return c<ui::PictureButton>(name); }
    ui::FlexGrid* grid() { return c<ui::FlexGrid>("MSFlexGrid1"); }
    QLabel* label(const char* name) { return c<QLabel>(name); }

    static QWidget* focused();
    static void choose(ui::PickList* list, const QString& item) { list->setText(item); }
    // Moves the focus into the box and out of it to the quiet box, as Tab would.
    void leave(QWidget* box);
    // A stored record shows: "Excluir" is enabled.
    bool shown() { return button("Command3D3")->isEnabled(); }
    // The code box typed and left: the record of that code shown.
    void showByCode(int code);
    // The box emptied and the keys sent straight to it, so no box is entered or
    // left meanwhile; what it holds then.
    QString typedInto(const char* name, const QString& keys);
    // Entered with Tab, emptied, then typed from the first position.
    static void typeDate(ui::MaskEdBox* date, const QString& digits);

    // Adds a row of the fields given (the fixture's defaults, then the test's
    // own) and returns the number the database gave its key field.
    int addNumbered(const QString& table, const Fields& fields, const Fields& more, const char* key = "CODIGO");
    std::vector<AuditRow> auditRows();

private:
    ui::Window& (*form_)();
    const char* quietBox_;
};

}  // namespace vorna::test
