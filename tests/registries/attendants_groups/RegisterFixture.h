#pragma once
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/PictureButton.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Window.h"
#include "support/Interact.h"
#include "support/ProgramFixture.h"
#include "support/SecondWorkstation.h"

#include <QApplication>
#include <QTest>
#include <optional>
#include <ostream>
#include <vector>

struct sqlite3;

namespace vorna::test {

// What tells the attendant window from the affinity-group window.
struct Register {
    const char* name;
    ui::Window& (*window)();
    const char* table;
    const char* keyField;
    const char* nameField;
    const char* newRecordText;
    int nameLimit;
    bool hasTarget;
    // Where Tab takes the focus from the name box on a window just opened.
    std::vector<const char*> tabChain;
};

inline std::ostream& operator<<(std::ostream& out, const Register& r) { return out << r.name; }

const Register& attendants();
const Register& groups();

// Logged in at the first level with the main menu shown, as the register
// windows are opened from it.
class RegisterFixture : public ProgramFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // The register under test; set before open().
    const Register* reg = nullptr;

    // Shows the window as its menu item does and makes it the active one.
    ui::Window& open();
    ui::Window& window() { return reg->window(); }

    template <class Control>
    Control* control(const char* name)
    {
        auto* found = window().control<Control>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    ui::TextBox* codeBox() { return control<ui::TextBox>("Text1"); }
    ui::TextBox* nameBox() { return control<ui::TextBox>("Text2"); }
    ui::MaskEdBox* targetBox() { return control<ui::MaskEdBox>("MaskEdBox1"); }
    ui::PictureButton* button(const char* name) { return control<ui::PictureButton>(name); }

    void click(const char* buttonName) { test::click(button(buttonName)); }
    static void type(QLineEdit* box, const QString& text) { typeOver(box, text); }
    static QWidget* focused() { return QApplication::focusWidget(); }

    // A record counts as shown while "Excluir" is enabled.
    bool shown() { return button("Command3D3")->isEnabled(); }

    // Adds a stored row by name (and target); its key.
    long store(const QString& name, std::optional<double> target = {});
    // The stored rows' names in key order, as another workstation reads them.
    std::vector<QString> storedNames();
    Variant storedField(long key, const char* field);

    // The box texts the window shows: code and name.
    std::pair<QString, QString> showing() { return {codeBox()->text(), nameBox()->text()}; }

    // The last box shown: its text and title, OK alone.
    void expectLastBox(const QString& text, const QString& title);
};

class RegisterWindowTest : public RegisterFixture, public ::testing::WithParamInterface<Register> {
protected:
    void SetUp() override
    {
        RegisterFixture::SetUp();
        reg = &GetParam();
    }
};

}  // namespace vorna::test
