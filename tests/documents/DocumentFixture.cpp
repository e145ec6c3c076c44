#include "DocumentFixture.h"

#include "common/WindowRefs.h"
#include "platform/runtime/Runtime.h"

#include <QTest>

namespace vorna::test {

void DocumentFixture::SetUp()
{
    ProgramFixture::SetUp();
    logIn(level::Total, everyRight());
}

void DocumentFixture::TearDown()
{
    ui::destroyAllWindows();
    ProgramFixture::TearDown();
}

documents::Form14& DocumentFixture::form() { return static_cast<documents::Form14&>(windows::Form14()); }

void DocumentFixture::open()
{
    form().Show();
    if (!form().isVisible())
        return;
    form().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form()));
}

QStringList DocumentFixture::itemsOf(const ui::PickList* list)
{
    QStringList items;
    for (int i = 0; i < list->ListCount(); ++i)
        items << list->List(i);
    return items;
}

void DocumentFixture::addProducer(int code, int branch, const QString& name, const Variant& position)
{
    addRow("PRODUTOR", {{"CODIGO", code}, {"FILIAL", branch}, {"NOME", name}, {"POSICAO", position}});
}

int DocumentFixture::addDocument(const Fields& fields)
{
    Fields all{{"FILIAL", 1}, {"TIPO", "A"}, {"VIGENTE", "V"}, {"CODCLIENTE", 1}, {"NOMCLIENTE", "CLIENTE"}};
    all.insert(all.end(), fields.begin(), fields.end());
    return int(rt::CLng(addRow("DOCUMENTOS", all).field("PROPOSTA")));
}

}  // namespace vorna::test
