#include "ParticipantFixture.h"

#include "common/WindowRefs.h"
#include "platform/runtime/Runtime.h"

#include <QApplication>
#include <QTest>

namespace vorna::test {

void ParticipantFixture::SetUp()
{
    ProgramFixture::SetUp();
    logIn(level::Total, everyRight());
    state().session.UserIdent = UserCode;
    state().settings.DeletionPassword = Variant("Apagar");
}

ui::Window& ParticipantFixture::form() { return windows::Form5(); }

ui::Window& ParticipantFixture::open()
{
    ui::Window& w = form();
    w.Show();
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    return w;
}

int ParticipantFixture::addParticipant(const QString& name, const Fields& more)
{
    Fields fields{{"NOME", name}};
    fields.insert(fields.end(), more.begin(), more.end());
    return int(rt::CLng(addRow("VIDASAU", fields).field("CODIGO")));
}

int ParticipantFixture::addHolder(const QString& name, const Fields& more)
{
    Fields fields{{"SITUACAO", "Titular"}, {"CARTAO", "C-" + name.left(6)}};
    fields.insert(fields.end(), more.begin(), more.end());
    return addParticipant(name, fields);
}

int ParticipantFixture::addDependant(const QString& name, int holder, const Fields& more)
{
    Fields fields{{"SITUACAO", "Dependente"}, {"CODTIT", QString::number(holder)},
                  {"NOMTIT", stored(holder, "NOME")}, {"CARTIT", stored(holder, "CARTAO")},
                  {"CARTAO", "D-" + name.left(6)}};
    fields.insert(fields.end(), more.begin(), more.end());
    return addParticipant(name, fields);
}

int ParticipantFixture::addDocument(int number, const QString& policy, const QString& client, const Fields& more)
{
    Fields fields{{"PROPOSTA", number}, {"FILIAL", 1}, {"TIPO", "A"}, {"APOLICE", policy}, {"NOMCLIENTE", client}};
    fields.insert(fields.end(), more.begin(), more.end());
    addRow("DOCUMENTOS", fields);
    return number;
}

db::Recordset ParticipantFixture::participant(int code)
{
    return findRow("VIDASAU", QStringLiteral("CODIGO = %1").arg(code));
}

Variant ParticipantFixture::stored(int code, const char* field)
{
    db::Recordset rs = participant(code);
    if (rs.NoMatch())
        return Variant::null();
    return rs.field(QLatin1String(field));
}

std::vector<ParticipantAudit> ParticipantFixture::auditRows()
{
    std::vector<ParticipantAudit> rows;
    db::Recordset log = mainDatabase().openRecordset("LOGUI");
    if (log.RecordCount() == 0)
        return rows;
    for (log.MoveFirst(); !log.EOF(); log.MoveNext())
        rows.push_back({log.field("CLIENTE"), log.field("NOME").toString(), log.field("REMARKS").toString(),
                        log.field("USUARIO")});
    return rows;
}

QWidget* ParticipantFixture::focused() { return QApplication::focusWidget(); }

void ParticipantFixture::leave(QWidget* box)
{
    box->setFocus(Qt::TabFocusReason);
    ParticipantFixture::box("Text6")->setFocus(Qt::TabFocusReason);
}

void ParticipantFixture::showByCode(int code)
{
    type(box("Text1"), QString::number(code));
    leave(box("Text1"));
}

void ParticipantFixture::typeDate(ui::MaskEdBox* date, const QString& digits)
{
    type(date, "");
    date->setCursorPosition(0);
    QTest::keyClicks(date, digits);
}

void ParticipantFixture::fillHolder(const QString& name, const QString& card)
{
    type(box("Text2"), name);
    type(box("Text43"), card);
    choose(list("Combo4"), "Titular");
}

}  // namespace vorna::test
