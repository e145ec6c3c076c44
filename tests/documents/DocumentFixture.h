#pragma once
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "documents/Form14.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/OptionButton.h"
#include "platform/controls/PickList.h"
#include "platform/controls/PictureButton.h"
#include "platform/controls/TextBox.h"
#include "support/Interact.h"
#include "support/ProgramFixture.h"

#include <QLabel>
#include <QString>

namespace vorna::test {

// The program logged in at level 1 with every right; the document window is
// opened from the main menu by open().
class DocumentFixture : public ProgramFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    static documents::Form14& form();
    documents::DocumentWindowState& values() { return form().values(); }
    // Shows the window as the main menu's "Apólices" does and waits for it.
    void open();
    bool opened() { return form().isVisible(); }

    template <class Control>
    Control* c(const char* name)
    {
        return form().control<Control>(name);
    }
    QWidget* control(const char* name) { return c<QWidget>(name); }
    ui::TextBox* box(const char* name) { return c<ui::TextBox>(name); }
    ui::MaskEdBox* masked(const char* name) { return c<ui::MaskEdBox>(name); }
    ui::PickList* list(const char* name) { return c<ui::PickList>(name); }
    ui::CheckBox* check(const char* name) { return c<ui::CheckBox>(name); }
    ui::OptionButton* option(const char* name) { return c<ui::OptionButton>(name); }
    ui::PictureButton* button(const char* name) { return c<ui::PictureButton>(name); }

    static QStringList itemsOf(const ui::PickList* list);

    void addProducer(int code, int branch, const QString& name, const Variant& position = Variant::null());
    // A stored document; returns its number.
    int addDocument(const Fields& fields = {});
};

}  // namespace vorna::test
