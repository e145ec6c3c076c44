#include "EventFixture.h"

#include <QDir>

namespace vorna {
namespace {

// Pictures of the window for a person to look at; only when
// VORNA_SCREENSHOTS names a folder.
using EventScreens = test::EventFixture;

TEST_F(EventScreens, SavesTheWindowWhenAsked)
{
    const QString target = qEnvironmentVariable("VORNA_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "VORNA_SCREENSHOTS not set";
    QDir().mkpath(target);
    const int ana = addParticipant("ANA MARIA SOUZA", {{"CPF", "123.456.789-09"}, {"SITUACAO", "Dependente"},
                                                       {"CODTIT", "7"}, {"NOMTIT", "JOSE SOUZA"},
                                                       {"CARTIT", "0001.2222"}, {"SENHA", "AB12"},
                                                       {"ANIV", day(2, 3, 1980)}, {"VALIDADE", day(1, 1, 2030)}});
    const int code = addEvent("ANA MARIA SOUZA",
                              {{"CODVIDASAU", ana}, {"CARTAO", "0001.2223"}, {"APOLICE", "1234567"},
                               {"ESTIPULANTE", "CONSTRUTORA ALVORADA LTDA"}, {"OPERADORA", "9"},
                               {"NOMOPERADORA", "SAUDE NOVE"}, {"PLANO", "58"}, {"NOMPLANO", "SAUDE EMPRESARIAL"},
                               {"TIPEVENTO", "Exame"}, {"EVENTO", "RESSONANCIA MAGNETICA"},
                               {"DTEVENTO", day(5, 4, 2016)}, {"DTPROTOCOLO", day(7, 4, 2016)},
                               {"VLRRECIBO", 1234.5}, {"OBS", "Enviado à operadora."}, {"NEGADO", "N"}});
    open();
    showByCode(code);
    EXPECT_TRUE(form().grab().save(target + "/events.png"));
    test::type(box("Text2"), "ANA");
    test::click(button("Command3D4"));
    EXPECT_TRUE(form().grab().save(target + "/events-grid.png"));
}

}  // namespace
}  // namespace vorna
