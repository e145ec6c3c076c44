#include "EventFixture.h"

#include "common/WindowRefs.h"
#include "platform/runtime/Runtime.h"

#include <QApplication>
#include <QTest>

namespace vorna::test {

void EventFixture::SetUp()
{
    ProgramFixture::SetUp();
    logIn(level::Total, everyRight());
    state().session.UserIdent = UserCode;
    state().settings.DeletionPassword = Variant("Apagar");
    // The client window, whose report control prints the event documents,
    // wants a producer when it loads.
    addRow("PRODUTOR", {{"CODIGO", 1}, {"FILIAL", 1}, {"NOME", "PRODUTOR UM"}});
}

ui::Window& EventFixture::form() { return windows::Form7(); }

ui::Window& EventFixture::open()
{
    ui::Window& w = form();
    w.Show();
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    return w;
}

int EventFixture::addParticipant(const QString& name, const Fields& more)
{
    Fields fields{{"NOME", name}};
    fields.insert(fields.end(), more.begin(), more.end());
    return int(rt::CLng(addRow("VIDASAU", fields).field("CODIGO")));
}

int EventFixture::addDocument(const QString& policy, const Fields& more)
{
    Fields fields{{"FILIAL", 1}, {"TIPO", "A"}, {"APOLICE", policy}};
    fields.insert(fields.end(), more.begin(), more.end());
    return int(rt::CLng(addRow("DOCUMENTOS", fields).field("PROPOSTA")));
}

int EventFixture::addEvent(const QString& name, const Fields& more)
{
    Fields fields{{"NOME", name}};
    fields.insert(fields.end(), more.begin(), more.end());
    return int(rt::CLng(addRow("PROCEDE", fields).field("CODIGO")));
}

db::Recordset EventFixture::event(int code)
{
    db::Recordset rs = findRow("PROCEDE", QStringLiteral("CODIGO = %1").arg(code));
    EXPECT_FALSE(rs.NoMatch()) << "no event " << code;
    return rs;
}

std::vector<EventAudit> EventFixture::auditRows()
{
    std::vector<EventAudit> rows;
    db::Recordset log = mainDatabase().openRecordset("LOGUI");
    if (log.RecordCount() == 0)
        return rows;
    for (log.MoveFirst(); !log.EOF(); log.MoveNext())
        rows.push_back({log.field("CLIENTE"), log.field("NOME").toString(), log.field("REMARKS").toString(),
                        log.field("USUARIO")});
    return rows;
}

QWidget* EventFixture::focused() { return QApplication::focusWidget(); }

void EventFixture::leave(QWidget* box)
{
    box->setFocus(Qt::TabFocusReason);
    EventFixture::box("Text4")->setFocus(Qt::TabFocusReason);
}

void EventFixture::typeDate(ui::MaskEdBox* date, const QString& digits)
{
    type(date, "");
    date->setCursorPosition(0);
    QTest::keyClicks(date, digits);
}

void EventFixture::fillRequired(const QString& name)
{
    type(box("Text2"), name);
    typeDate(masked("MaskEdBox1"), "10032016");
    list("Combo3")->setText("Exame");
}

void EventFixture::showByCode(int code)
{
    type(box("Text1"), QString::number(code));
    leave(box("Text1"));
}

}  // namespace vorna::test
