#include "ParticipantFixture.h"

#include "common/WindowRefs.h"

namespace vorna::test {

ParticipantFixture::ParticipantFixture() : WindowFixture(windows::Form5, "Text6") {}

void ParticipantFixture::SetUp()
{
    WindowFixture::SetUp();
    state().settings.DeletionPassword = Variant("Apagar");
}

int ParticipantFixture::addParticipant(const QString& name, const Fields& more)
{
    return addNumbered("VIDASAU", {{"NOME", name}}, more);
}

int ParticipantFixture::addHolder(const QString& name, const Fields& more)
{
    return addParticipant(name, joined({{"SITUACAO", "Titular"}, {"CARTAO", "C-" + name.left(6)}}, more));
}

int ParticipantFixture::addDependant(const QString& name, int holder, const Fields& more)
{
    const Fields fields{{"SITUACAO", "Dependente"}, {"CODTIT", QString::number(holder)},
                        {"NOMTIT", stored(holder, "NOME")}, {"CARTIT", stored(holder, "CARTAO")},
                        {"CARTAO", "D-" + name.left(6)}};
    return addParticipant(name, joined(fields, more));
}

int ParticipantFixture::addDocument(int number, const QString& policy, const QString& client, const Fields& more)
{
    addRow("DOCUMENTOS",
           joined({{"PROPOSTA", number}, {"FILIAL", 1}, {"TIPO", "A"}, {"APOLICE", policy}, {"NOMCLIENTE", client}},
                  more));
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

void ParticipantFixture::fillHolder(const QString& name, const QString& card)
{
    type(box("Text2"), name);
    type(box("Text43"), card);
    choose(list("Combo4"), "Titular");
}

}  // namespace vorna::test
