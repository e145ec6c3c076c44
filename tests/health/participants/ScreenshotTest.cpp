#include "ParticipantFixture.h"

#include <QDate>
#include <QDir>

namespace vorna {
namespace {

// Pictures of the window for a person to look at; only when
// VORNA_SCREENSHOTS names a folder.
using ParticipantScreens = test::ParticipantFixture;

TEST_F(ParticipantScreens, SavesTheWindowWhenAsked)
{
    const QString target = qEnvironmentVariable("VORNA_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "VORNA_SCREENSHOTS not set";
    QDir().mkpath(target);
    const int holder = addHolder("JOAO CARLOS DA SILVA", {{"CARTAO", "0012345678"}});
    const int code = addDependant("MARIA APARECIDA DA SILVA", holder,
                                  {{"APOLICE", "1.123.456"}, {"ESTIPULANTE", "CONSTRUTORA ALVORADA LTDA"},
                                   {"CPF", "123.456.789-09"}, {"ANIV", Variant::date(QDate(1980, 3, 5))},
                                   {"VALIDADE", Variant::date(QDate(2027, 12, 31))}, {"SENHA", "AB12"},
                                   {"ENDERECO", "AV. PAULISTA 1000"}, {"BAIRRO", "BELA VISTA"},
                                   {"CIDADE", "SAO PAULO"}, {"CEP", "01310100"}, {"UF", "SP"},
                                   {"TELEFONE1", "(11) 3333-4444"}, {"TELEFONE2", "(11) 99999-0000"},
                                   {"EMAIL", "maria@exemplo.com.br"}, {"BANCO", "001"}, {"AGENCIA", "1234-5"},
                                   {"CONTA", "98765-4"}});
    open();
    showByCode(code);
    EXPECT_TRUE(form().grab().save(target + "/participants.png"));
    form().setFixedSize(1350, 270);
    EXPECT_TRUE(form().grab().save(target + "/participants-outside.png"));
}

}  // namespace
}  // namespace vorna
