#pragma once
// The main menu's three recordsets on a fresh main database, as its load step
// opens them, lent to a batch routine.
#include "menu_batch/MenuTables.h"
#include "support/ProgramFixture.h"

#include <sqlite3.h>

namespace vorna::test {

class BatchTablesFixture : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        logIn(level::Total, everyRight());
        setNow(QDateTime(QDate(2026, 3, 10), QTime(9, 0)));
    }

    // Opened when a routine runs, so they see the rows the test added.
    menu_batch::MenuTables tables()
    {
        labels_ = mainDatabase().openRecordset(QStringLiteral("TMPETI"));
        clients_ = mainDatabase().openRecordset(QStringLiteral("CLIENTES"));
        documents_ = mainDatabase().openRecordset(QStringLiteral("DOCUMENTOS"));
        return menu_batch::MenuTables{mainDatabase(), labels_, clients_, documents_, [this] { ++clearings_; clear(); }};
    }

    int addClient(const Fields& fields)
    {
        return addRow(QStringLiteral("CLIENTES"), fields)[QStringLiteral("CODIGO")].value().toLong();
    }
    // A write of the table refused by the database when the row's key is key.
    void refuseUpdatesOf(const char* table, const char* keyField, int key)
    {
        const QByteArray sql = QByteArray("CREATE TRIGGER RECUSA BEFORE UPDATE ON ") + table + " WHEN old." +
                               keyField + " = " + QByteArray::number(key) +
                               " BEGIN SELECT RAISE(ABORT, 'recusado'); END";
        ASSERT_EQ(sqlite3_exec(mainDatabase().handle(), sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    }
    int addDocument(const Fields& fields)
    {
        return addRow(QStringLiteral("DOCUMENTOS"), fields)[QStringLiteral("PROPOSTA")].value().toLong();
    }
    Variant clientField(int code, const char* field)
    {
        return findRow(QStringLiteral("CLIENTES"), QStringLiteral("CODIGO = %1").arg(code)).field(QLatin1String(field));
    }
    Variant documentField(int number, const char* field)
    {
        return findRow(QStringLiteral("DOCUMENTOS"), QStringLiteral("PROPOSTA = %1").arg(number))
            .field(QLatin1String(field));
    }
    std::vector<long> labelCodes()
    {
        return readRows<long>(QStringLiteral("TMPETI"), [](const db::Recordset& rs) {
            const Variant v = rs.field(QStringLiteral("CODIGO"));
            return v.isNull() ? -1L : long(v.toLong());
        });
    }

    int clearings_ = 0;

private:
    // Stands for the main menu's emptying of the label table.
    void clear()
    {
        db::Recordset rs = mainDatabase().openRecordset(QStringLiteral("TMPETI"));
        if (rs.RecordCount() == 0)
            return;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext())
            rs.Delete();
    }

    db::Recordset labels_, clients_, documents_;
};

}  // namespace vorna::test
