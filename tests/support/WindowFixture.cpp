#include "support/WindowFixture.h"

#include "platform/runtime/Runtime.h"

#include <QApplication>
#include <QTest>

namespace vorna::test {

void WindowFixture::SetUp()
{
    ProgramFixture::SetUp();
    logIn(level::Total, everyRight());
    state().session.UserIdent = UserCode;
}

ui::Window& WindowFixture::open()
{
    ui::Window& w = form();
    w.Show();
    activate(w);
    return w;
}

void WindowFixture::activate(ui::Window& window)
{
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

QWidget* WindowFixture::focused() { return QApplication::focusWidget(); }

void WindowFixture::leave(QWidget* box)
{
    box->setFocus(Qt::TabFocusReason);
    control(quietBox_)->setFocus(Qt::TabFocusReason);
}

void WindowFixture::showByCode(int code)
{
    type(box("Text1"), QString::number(code));
    leave(box("Text1"));
}

QString WindowFixture::typedInto(const char* name, const QString& keys)
{
    box(name)->clear();
    typeKeys(box(name), keys);
    return box(name)->text();
}

void WindowFixture::typeDate(ui::MaskEdBox* date, const QString& digits)
{
    type(date, "");
    date->setCursorPosition(0);
    QTest::keyClicks(date, digits);
}

int WindowFixture::addNumbered(const QString& table, const Fields& fields, const Fields& more, const char* key)
{
    return int(rt::CLng(addRow(table, joined(fields, more)).field(QLatin1String(key))));
}

std::vector<AuditRow> WindowFixture::auditRows()
{
    return readRows<AuditRow>(QStringLiteral("LOGUI"), [](const db::Recordset& log) {
        return AuditRow{log.field("CLIENTE"), log.field("NOME").toString(), log.field("REMARKS").toString(),
                        log.field("USUARIO")};
    });
}

}  // namespace vorna::test
