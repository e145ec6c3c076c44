#include "InsurerFixture.h"

#include <QDir>
#include <QTest>

namespace vorna {
namespace {

// A picture of the window for a person to look at; only when
// VORNA_SCREENSHOTS names a folder.
using InsurerScreens = test::InsurerFixture;

TEST_F(InsurerScreens, SavesTheWindowWhenAsked)
{
    const QString target = qEnvironmentVariable("VORNA_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "VORNA_SCREENSHOTS not set";
    QDir().mkpath(target);
    addInsurer(12, "PORTO AZUL SEGUROS", {{"META", Variant(150000.0)}, {"CHEIA", Variant(20.0)},
                                          {"CONTATO", Variant("JOANA PRADO")},
                                          {"ENDE", Variant("AV. PAULISTA, 1000 - SAO PAULO/SP")},
                                          {"TELEFONES", Variant("(11) 3333-0000")},
                                          {"SITES", Variant("www.portoazul.com.br")},
                                          {"EMAIL", Variant("comercial@portoazul.com.br")},
                                          {"ASS24", Variant("0800 000 0000")}, {"CENTRAL", Variant("(11) 3333-0001")},
                                          {"NORMAS", Variant("Idade máxima de 65 anos.\nMínimo de 3 vidas.")},
                                          {"SINISTRO", Variant("Ligar para a central.")},
                                          {"JUR4", Variant(1.5)}, {"JUR5", Variant(1.75)}, {"JUR7", Variant(2.0)},
                                          {"JUR10", Variant(2.5)}, {"JUR12", Variant(3.0)}});
    addInsurer(13, "SUL PREVIDENCIA");
    open();
    click("Command3D8");
    QTest::mouseMove(control("Command3D15"), QPoint(4, 4));
    EXPECT_TRUE(window().grab().save(target + "/insurers.png"));
    type("Text1", "");
    type("Text2", "S");
    click("Command3D4");
    EXPECT_TRUE(window().grab().save(target + "/insurers-search.png"));
}

}  // namespace
}  // namespace vorna
