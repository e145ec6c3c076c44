#pragma once
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "shell/Form1.h"
#include "shell/ProgramEnd.h"
#include "support/ProgramFixture.h"

#include <QApplication>
#include <QTest>
#include <sqlite3.h>

namespace vorna::test {

// A fresh installation (the rows of a new installation are in the schema),
// the program's end recorded instead of carried out, and the login window
// created as the program creates it.
class LoginFixture : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        shell::setEndProgramHandler([this] { ++programEnds; });
        setNow(QDateTime(QDate(2024, 5, 10), QTime(9, 30)));
    }
    void TearDown() override
    {
        ui::destroyAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        shell::setEndProgramHandler({});
        ProgramFixture::TearDown();
    }

    shell::Form1& login() { return ui::windowRef<shell::Form1>(); }
    Ui::Form1& controls() { return login().controls(); }

    // What the program does first: show the login window (its load step is the start-up).
    void startProgram() { windows::Form1().Show(); }

    // Started, shown and active, so focus moves as it does for a user.
    void startAndActivate()
    {
        startProgram();
        ASSERT_EQ(login().state(), ui::Window::State::Shown);
        login().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&login()));
    }

    // Types into a box as the user does: click into it, then the keys.
    void typeInto(QLineEdit* box, const QString& text)
    {
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    // Writes fields of the settings row straight into the file.
    void setSettings(const Fields& fields) { setFirstRow(QStringLiteral("REGISTRO"), fields); }
    Variant storedSetting(const QString& field) { return storedInFirstRow(QStringLiteral("REGISTRO"), field); }
    // Runs SQL on the main database file outside the program.
    void execSql(const char* sql)
    {
        char* error = nullptr;
        const int rc = sqlite3_exec(mainDatabase().handle(), sql, nullptr, nullptr, &error);
        ASSERT_EQ(rc, SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
    }

    int programEnds = 0;
};

}  // namespace vorna::test
