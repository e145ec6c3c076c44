#pragma once
#include "InputWindow.h"

#include "platform/dialogs/Dialogs.h"
#include "support/FakeDialogs.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

// The input conventions on a real window; every box and beep goes to the fake.
class InputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vorna::dlg::setDialogService(&dialogs);
        w = &vorna::ui::windowRef<InputWindow>();
        w->Show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    void TearDown() override
    {
        dialogs.verifyAllTaken();
        vorna::ui::destroyAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        vorna::dlg::setDialogService(nullptr);
    }

    static QWidget* focused() { return QApplication::focusWidget(); }
    static void typeChar(QWidget* widget, QChar ch)
    {
        const auto key = static_cast<Qt::Key>(ch.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(ch), Qt::NoModifier);
    }
    // Empties a date box the way the windows do.
    static void emptyDate(vorna::ui::MaskEdBox* box)
    {
        box->setMask(QString());
        box->setText(QString());
        box->setMask(QStringLiteral("##/##/####"));
    }

    vorna::test::FakeDialogs dialogs;
    InputWindow* w = nullptr;
};
