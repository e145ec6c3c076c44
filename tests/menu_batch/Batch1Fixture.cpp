#include "Batch1Fixture.h"

#include "platform/controls/ControlEvents.h"
#include "platform/database/CriteriaText.h"
#include "platform/dialogs/Dialogs.h"
#include "support/SecondWorkstation.h"

#include <QCoreApplication>

namespace vorna::test {

void Batch1Fixture::SetUp()
{
    ProgramFixture::SetUp();
    logIn(level::Total, everyRight());
    ui::setUnexpectedFailureReporter([](const std::exception& failure) {
        if (const auto* engine = dynamic_cast<const EngineError*>(&failure))
            dlg::MsgBox(QString::number(engine->number()) + QStringLiteral(" - ") + engine->text());
        else
            dlg::MsgBox(QString::fromLocal8Bit(failure.what()));
    });
}

void Batch1Fixture::TearDown()
{
    ui::setUnexpectedFailureReporter({});
    ui::destroyAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ProgramFixture::TearDown();
}

int Batch1Fixture::addClient(const Fields& fields)
{
    return addRow(QStringLiteral("CLIENTES"), joined({{"FILIAL", 1}}, fields)).field(QStringLiteral("CODIGO")).toLong();
}

int Batch1Fixture::addDocument(const Fields& fields)
{
    return addRow(QStringLiteral("DOCUMENTOS"), joined({{"FILIAL", 1}}, fields)).field(QStringLiteral("PROPOSTA")).toLong();
}

std::vector<Batch1Fixture::Label> Batch1Fixture::labels()
{
    return readRows<Label>(QStringLiteral("TMPETI"), [](const db::Recordset& rs) {
        auto text = [&](const char* field) {
            const Variant v = rs.field(QString::fromLatin1(field));
            return v.isNull() ? QStringLiteral("<null>") : v.toString();
        };
        return Label{text("CODIGO"), text("NOME"),   text("CONTATO"), text("ENDERECO"), text("BAIRRO"),
                     text("CIDADE"), text("UF"),     text("CEP"),     text("PROD1"),    text("OK")};
    });
}

QStringList Batch1Fixture::labelNames()
{
    QStringList names;
    for (const Label& l : labels())
        names << l.name;
    return names;
}

namespace {

void refuseOnLabels(const QString& databaseFile, const char* event, const char* row, const QString& name)
{
    SecondWorkstation other(databaseFile);
    other.exec(QStringLiteral("CREATE TRIGGER REFUSE_%1 BEFORE %1 ON TMPETI WHEN %2.NOME = %3 "
                              "BEGIN SELECT RAISE(ABORT, 'row held'); END")
                   .arg(QLatin1String(event), QLatin1String(row), db::quoted(name))
                   .toUtf8()
                   .constData());
}

}  // namespace

void Batch1Fixture::refuseLabelInsert(const QString& name)
{
    refuseOnLabels(pathOf(QStringLiteral("VORNA.MDB")), "INSERT", "NEW", name);
}

void Batch1Fixture::refuseLabelDelete(const QString& name)
{
    refuseOnLabels(pathOf(QStringLiteral("VORNA.MDB")), "DELETE", "OLD", name);
}

QStringList Batch1Fixture::column(const report::LaunchRecord& record, int column)
{
    QStringList values;
    if (!record.document)
        return values;
    for (const QStringList& row : record.document->rows)
        values << row.value(column).trimmed();
    return values;
}

}  // namespace vorna::test
