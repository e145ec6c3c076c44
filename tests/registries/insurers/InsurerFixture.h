#pragma once
#include "common/WindowRefs.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Window.h"
#include "support/Interact.h"
#include "support/ProgramFixture.h"
#include "support/SecondWorkstation.h"

#include <QStringList>

namespace vorna::test {

// The insurer window opened from a fresh database, driven through its widgets.
// A failure no handler takes is shown as the program shows it: the engine's
// number and text in a box without a title.
class InsurerFixture : public ProgramFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    ui::Window& window() { return windows::Form10(); }
    // Shows the window and waits until it is active, so the focus can be checked.
    void open();

    template <class Control = QWidget>
    Control* control(const char* name)
    {
        return window().control<Control>(name);
    }

    void click(const char* button) { test::click(control(button)); }
    void type(const char* box, const QString& text) { test::type(control(box), text); }
    QString text(const char* box) { return test::text(control(box)); }
    void pick(int row, bool doubleClick = false) { pickRow(control<ui::ListBox>("List1"), row, doubleClick); }
    QStringList listItems() { return items(control<ui::ListBox>("List1")); }
    // A record is shown while "Excluir" is enabled.
    bool shown() { return control("Command3D3")->isEnabled(); }
    QString focusName() const;

    void addInsurer(int code, const QString& name, const Fields& more = {});
    // The stored insurer of that code; fails the test when there is none.
    db::Recordset insurer(int code);
};

}  // namespace vorna::test
