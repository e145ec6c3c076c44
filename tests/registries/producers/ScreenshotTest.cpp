#include "ProducerFixture.h"

#include "common/WindowRefs.h"
#include "platform/controls/Window.h"

#include <QDir>
#include <QLabel>

namespace vorna::test {
namespace {

// Pictures of the window for a person to look at; only when VORNA_SCREENSHOTS
// names a folder.
class Screens : public ProducerFixture {};

TEST_F(Screens, SavesTheProducerWindowWhenAsked)
{
    const QString target = qEnvironmentVariable("VORNA_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "VORNA_SCREENSHOTS not set";
    QDir().mkpath(target);
    addProducer(12, Branch, "MARIA APARECIDA DOS SANTOS",
                {{"SENHA", "MARIA"}, {"TELEFONE", "11 5555-1234"}, {"BANCO", "BANCO X"}, {"AGENCIA", "0123"},
                 {"CONTA", "45678-9"}, {"COMISSAO", 10.5}, {"COMISSAONOVOS", 12.0}, {"FIXO", 0.0},
                 {"META", 25000.0}, {"POSICAO", "0"}, {"JUROS", "C"}});
    auto& w = open();
    click(w.first);
    windows::Form6().control<QLabel>("Label39")->setVisible(true);
    ui::Window& form = windows::Form6();
    EXPECT_TRUE(form.grab().save(target + "/producers.png"));
    // The area beyond the window's edges, where Tab reaches the other boxes.
    form.setMinimumSize(0, 0);
    form.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    form.resize(1310, 140);
    EXPECT_TRUE(form.grab().save(target + "/producers-beyond.png"));
}

}  // namespace
}  // namespace vorna::test
