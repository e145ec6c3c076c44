#pragma once
#include "common/WindowRefs.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Window.h"
#include "support/Interact.h"
#include "support/ProgramFixture.h"
#include "support/SecondWorkstation.h"

#include <QStringList>

namespace vorna::test {

// The lines-of-business window opened from a fresh database, driven through
// its widgets.
class LinesFixture : public ProgramFixture {
protected:
    ui::Window& window() { return windows::Form11(); }
    // Shows the window and waits until it is active, so the focus can be checked.
    void open();

    template <class Control = QWidget>
    Control* control(const char* name)
    {
        return window().control<Control>(name);
    }
    // The commission box of an instalment, 1 to 12.
    QWidget* commission(int instalment);

    void click(const char* button) { test::click(control(button)); }
    static void type(QWidget* box, const QString& text) { test::type(box, text); }
    void type(const char* box, const QString& text) { test::type(control(box), text); }
    static QString text(const QWidget* box) { return test::text(box); }
    QString text(const char* box) { return test::text(control(box)); }
    void pick(int row) { pickRow(control<ui::ListBox>("List1"), row); }
    QStringList listItems() { return items(control<ui::ListBox>("List1")); }
    // A line is shown while "Excluir" is enabled.
    bool shown() { return control("Command3D3")->isEnabled(); }
    QString focusName() const;

    // A line with its twelve percentages (fewer given: the rest stay Null).
    void addLine(int code, const QString& name, const std::vector<double>& commissions = {});
    // The stored line of that code; fails the test when there is none.
    db::Recordset line(int code);
};

}  // namespace vorna::test
