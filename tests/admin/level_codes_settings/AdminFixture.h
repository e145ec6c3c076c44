#pragma once
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "shell/ProgramEnd.h"
#include "support/ProgramFixture.h"
#include "support/Interact.h"
#include "support/SecondWorkstation.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <optional>

namespace vorna::test {

// Logged in at the first level with every right, the main menu shown; the end
// of the program is recorded instead of carried out.
class AdminFixture : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        shell::setEndProgramHandler([this] { ++programEnds; });
        setNow(QDateTime(QDate(2024, 5, 10), QTime(9, 30)));
        logIn(level::Total, everyRight());
        windows::Form2().Show();
    }
    void TearDown() override
    {
        releaseLock();
        ui::destroyAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        shell::setEndProgramHandler({});
        ProgramFixture::TearDown();
    }

    // Shows a window as its menu item does, and makes it the active one so the
    // focus moves in it as it does for a user.
    static void open(ui::Window& window)
    {
        window.Show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static void typeInto(QLineEdit* box, const QString& text) { typeOver(box, text); }

    Variant stored(const QString& table, const QString& field) { return storedInFirstRow(table, field); }

    // Another workstation holding the write lock of the main database.
    void lockDatabase() { locker_.emplace(pathOf(QStringLiteral("VORNA.MDB"))); }
    void releaseLock() { locker_.reset(); }

    int programEnds = 0;

private:
    std::optional<SecondWorkstationWriting> locker_;
};

}  // namespace vorna::test
