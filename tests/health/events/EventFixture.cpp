#include "EventFixture.h"

#include "common/WindowRefs.h"

namespace vorna::test {

EventFixture::EventFixture() : WindowFixture(windows::Form7, "Text4") {}

void EventFixture::SetUp()
{
    WindowFixture::SetUp();
    state().settings.DeletionPassword = Variant("Apagar");
    // The client window, whose report control prints the event documents,
    // wants a producer when it loads.
    addRow("PRODUTOR", {{"CODIGO", 1}, {"FILIAL", 1}, {"NOME", "PRODUTOR UM"}});
}

int EventFixture::addParticipant(const QString& name, const Fields& more)
{
    return addNumbered("VIDASAU", {{"NOME", name}}, more);
}

int EventFixture::addDocument(const QString& policy, const Fields& more)
{
    return addNumbered("DOCUMENTOS", {{"FILIAL", 1}, {"TIPO", "A"}, {"APOLICE", policy}}, more, "PROPOSTA");
}

int EventFixture::addEvent(const QString& name, const Fields& more)
{
    return addNumbered("PROCEDE", {{"NOME", name}}, more);
}

db::Recordset EventFixture::event(int code)
{
    db::Recordset rs = findRow("PROCEDE", QStringLiteral("CODIGO = %1").arg(code));
    EXPECT_FALSE(rs.NoMatch()) << "no event " << code;
    return rs;
}

void EventFixture::fillRequired(const QString& name)
{
    type(box("Text2"), name);
    typeDate(masked("MaskEdBox1"), "10032016");
    list("Combo3")->setText("Exame");
}

}  // namespace vorna::test
