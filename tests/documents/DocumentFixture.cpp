#include "DocumentFixture.h"

#include "common/WindowRefs.h"

namespace vorna::test {

DocumentFixture::DocumentFixture() : WindowFixture(windows::Form14, "Text6") {}

void DocumentFixture::TearDown()
{
    ui::destroyAllWindows();
    WindowFixture::TearDown();
}

documents::Form14& DocumentFixture::form() { return static_cast<documents::Form14&>(windows::Form14()); }

void DocumentFixture::open()
{
    form().Show();
    if (opened())
        activate(form());
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
    return addNumbered("DOCUMENTOS",
                       {{"FILIAL", 1}, {"TIPO", "A"}, {"VIGENTE", "V"}, {"CODCLIENTE", 1}, {"NOMCLIENTE", "CLIENTE"}},
                       fields, "PROPOSTA");
}

}  // namespace vorna::test
