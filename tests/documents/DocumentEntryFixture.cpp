#include "DocumentEntryFixture.h"

#include "common/RecordWindowPatternFields.h"
#include "platform/runtime/Runtime.h"
#include "support/SecondWorkstation.h"

#include <QLineEdit>

namespace vorna::test {

void DocumentEntryFixture::SetUp()
{
    DocumentFixture::SetUp();
    addRow("RAMOS", {{"CODIGO", 311}, {"NOME", "AUTOMOVEL"}});
    addRow("CIAS", {{"CODIGO", 1}, {"NOME", "CIA"}});
}

void DocumentEntryFixture::reopen()
{
    click(button("Command3D5"));
    open();
}

void DocumentEntryFixture::otherWorkstation(const QString& sql)
{
    SecondWorkstation other(pathOf(QStringLiteral("VORNA.MDB")));
    other.exec(sql.toUtf8().constData());
}

void DocumentEntryFixture::setBox(const char* name, const QString& text)
{
    if (text.isEmpty())
        record::clearBox(control(name));
    else
        record::setBoxText(control(name), text);
}

void DocumentEntryFixture::fillHeader()
{
    setBox("Combo5", "CLIENTE NOVO");
    setBox("Text9", "5");
    setBox("Combo3", "AUTOMOVEL");
    setBox("Text4", "311");
    setBox("MaskEdBox8", "01/02/2024");
    setBox("MaskEdBox7", "01/02/2025");
    setBox("Combo4", "CIA");
    setBox("Text7", "1");
}

void DocumentEntryFixture::show(int number, int branch)
{
    db::Recordset& documents = form().recordsets().DOCUMENTOS;
    documents.FindFirst(QStringLiteral("PROPOSTA = %1 AND FILIAL = %2").arg(number).arg(branch));
    ASSERT_FALSE(documents.NoMatch());
    form().ShowDocument();
    ASSERT_EQ(text(box("Text1")), QString::number(number));
}

Variant DocumentEntryFixture::stored(int number, const char* field)
{
    db::Recordset rs = findRow("DOCUMENTOS", QStringLiteral("PROPOSTA = %1").arg(number));
    return rs.NoMatch() ? Variant() : rs.field(QLatin1String(field));
}

std::vector<DocumentEntryFixture::Audit> DocumentEntryFixture::auditRows()
{
    return readRows<Audit>(QStringLiteral("LOGUI"), [](const db::Recordset& rs) {
        return Audit{rs.field("CLIENTE"), rs.field("DOCUMENTO"), rs.field("APOLICE"), rs.field("REMARKS"),
                     rs.field("USUARIO"), rs.field("LIQUI"), rt::CStr(rs.field("NOME"))};
    });
}

void DocumentEntryFixture::enterAndLeave(QWidget* target, const QString& typed)
{
    // Emptied first, then entered with the cursor at the start as a tab leaves it.
    record::clearBox(target);
    target->setFocus(Qt::TabFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(target))
        line->setCursorPosition(0);
    typeKeys(target, typed);
    control("Text6")->setFocus(Qt::TabFocusReason);
}

}  // namespace vorna::test
