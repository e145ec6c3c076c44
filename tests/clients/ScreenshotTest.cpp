#include "ClientFixture.h"

#include <QDir>

namespace vorna {
namespace {

// Pictures of the window for a person to look at; only when
// VORNA_SCREENSHOTS names a folder.
using ClientScreens = test::ClientFixture;

TEST_F(ClientScreens, SavesTheWindowWhenAsked)
{
    const QString target = qEnvironmentVariable("VORNA_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "VORNA_SCREENSHOTS not set";
    QDir().mkpath(target);
    addProducer(7, 1, "MARIA PRODUTORA");
    const int code = addClient("CONSTRUTORA ALVORADA LTDA",
                               {{"PESSOA", "J"}, {"CPF", "11222333000181"}, {"FILIAL", 1}, {"PRODUTOR", 7},
                                {"END-COMERCIAL", "AV. PAULISTA 1000"}, {"CID-COMERCIAL", "SAO PAULO"},
                                {"EST-COMERCIAL", "SP"}, {"CEP-COMERCIAL", "01310100"},
                                {"TEL-RESIDENCIA", "(11) 3333-4444"}});
    open();
    test::type(box("Text1"), QString::number(code));
    test::click(button("Command3D4"));
    EXPECT_TRUE(form().grab().save(target + "/clients.png"));
    // The boxes outside the visible area, seen by widening the window.
    form().setFixedSize(2400, 620);
    EXPECT_TRUE(form().grab().save(target + "/clients-outside.png"));
}

}  // namespace
}  // namespace vorna
