#pragma once
#include "platform/controls/Window.h"
#include "platform/dialogs/Dialogs.h"
#include "support/FakeDialogs.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// Real widgets on the offscreen platform; any message box fails the test.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { vorna::dlg::setDialogService(&dialogs); }
    void TearDown() override
    {
        vorna::ui::destroyAllWindows();
        flushDeletes();
        vorna::dlg::setDialogService(nullptr);
    }

    // Shown and active, so that focus moves as it does for a user.
    static void activate(QWidget* window)
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    static QWidget* focused() { return QApplication::focusWidget(); }
    // Types one character as a keyboard does, accented letters included.
    static void typeChar(QWidget* widget, QChar ch)
    {
        const auto key = static_cast<Qt::Key>(ch.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(ch), Qt::NoModifier);
    }

    vorna::test::FakeDialogs dialogs;
};
