#pragma once
#include "common/RecordWindowPatternFields.h"
#include "common/WindowRefs.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Window.h"
#include "support/Interact.h"
#include "support/ProgramFixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

namespace vorna::test {

// The usage-log window open on a fresh database, at a fixed moment, after a
// login at the lowest level without rights (the window has no gate).
class UsageLogFixture : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        logIn(level::Minimum);
        setNow(QDateTime(QDate(2016, 6, 14), QTime(9, 41, 27)));
    }

    ui::Window& window() { return windows::Form54(); }

    ui::Window& open()
    {
        window().Show();
        window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
        return window();
    }

    template <class Control = QWidget>
    Control* c(const char* name)
    {
        auto* control = window().control<Control>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    ui::TextBox* box(const char* name) { return c<ui::TextBox>(name); }
    QPlainTextEdit* remarks() { return c<QPlainTextEdit>("Text8"); }
    ui::ListBox* names() { return c<ui::ListBox>("List1"); }
    ui::CheckBox* check(const char* name) { return c<ui::CheckBox>(name); }
    bool entryShown() { return c("Command3D4")->isEnabled(); }

    static void click(QWidget* button) { test::click(button); }
    void click(const char* button) { test::click(c(button)); }
    void type(const char* name, const QString& text) { test::type(c(name), text); }
    // Tab out of the box that has the focus.
    static void tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    void typeAndLeave(const char* name, const QString& text)
    {
        type(name, text);
        tab();
    }
    // Types into the box and leaves it for another control.
    void typeAndLeaveFor(const char* name, const QString& text, const char* next)
    {
        type(name, text);
        c(next)->setFocus(Qt::TabFocusReason);
    }
    // The log recordset sees the rows of its opening: after rows are added
    // behind its back, leave the window and open it again.
    void reopen()
    {
        ui::destroyAllWindows();
        open();
    }
    static QWidget* focused() { return QApplication::focusWidget(); }

    static QStringList items(const ui::ListBox* list) { return test::items(list); }
    static void pickRow(ui::ListBox* list, int row) { test::pickRow(list, row); }

    // A log row, as another window or an earlier session left it; its INDICE.
    long addEntry(const Fields& fields) { return addRow("LOGUI", fields).field("INDICE").toLong(); }
    long addClient(const Fields& fields) { return addRow("CLIENTES", fields).field("CODIGO").toLong(); }
    long addDocument(const Fields& fields) { return addRow("DOCUMENTOS", fields).field("PROPOSTA").toLong(); }

    QString stored(long index, const char* field)
    {
        const db::Recordset rs = findRow("LOGUI", "INDICE = " + QString::number(index));
        EXPECT_FALSE(rs.NoMatch()) << index;
        const Variant v = rs.field(QString::fromLatin1(field));
        return v.isNull() ? QStringLiteral("<null>") : v.toString();
    }
};

}  // namespace vorna::test
