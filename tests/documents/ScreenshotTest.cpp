#include "DocumentFixture.h"

#include <QDir>

namespace vorna {
namespace {

// Pictures of the window for a person to look at; only when
// VORNA_SCREENSHOTS names a folder.
using DocumentScreens = test::DocumentFixture;

TEST_F(DocumentScreens, SavesTheWindowWhenAsked)
{
    const QString target = qEnvironmentVariable("VORNA_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "VORNA_SCREENSHOTS not set";
    QDir().mkpath(target);
    addRow("GRUPO", {{"CODIGO", 1}, {"NOME", "GRUPO DOS MEDICOS"}});
    addRow("RAMOS", {{"CODIGO", 531}, {"NOME", "AUTOMOVEL"}});
    addRow("CIAS", {{"CODIGO", 20}, {"NOME", "SEGURADORA ALVORADA"}});
    addProducer(7, 1, "MARIA PRODUTORA");
    addRow("ATENDE", {{"XCONPG", 1}, {"XCONTA", "JOANA"}});
    open();
    box("Text9")->setText("1234");
    list("Combo5")->setText("CONSTRUTORA ALVORADA LTDA");
    box("Text4")->setText("531");
    list("Combo3")->setText("AUTOMOVEL");
    box("Text2")->setText("01.31.0001234");
    EXPECT_TRUE(form().grab().save(target + "/documents.png"));
    // The controls outside the visible area, seen by widening the window.
    form().setFixedSize(1700, 620);
    EXPECT_TRUE(form().grab().save(target + "/documents-outside.png"));
    // And the panels that code shows, over what they cover.
    for (const char* panel : {"Frame3D1", "Frame3D16", "Frame3D2", "Frame1", "Frame3D15"})
        control(panel)->setVisible(true);
    EXPECT_TRUE(form().grab().save(target + "/documents-panels.png"));
}

}  // namespace
}  // namespace vorna
