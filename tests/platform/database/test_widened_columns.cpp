// The main database's step that widens relation names and policy numbers: rows,
// row numbers and numbering survive the rebuild, and the new widths hold.
#include "EngineFixture.h"
#include "platform/database/SchemaSteps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vorna::db::testing {
namespace {

constexpr int WideningStep = 8;

class WidenedColumnsTest : public EngineTest {
protected:
    void SetUp() override {
        steps_ = dir_.filePath("steps");
        QDir().mkpath(steps_);
        file_ = dir_.filePath("VORNA.MDB");
    }
    // Copies the project's steps up to and including `last`.
    void copyStepsUpTo(int last) {
        const QDir source(QStringLiteral(VORNA_SOURCE_DIR "/schema/VORNA"));
        for (const QString& name : source.entryList({"*.sql"}, QDir::Files, QDir::Name)) {
            if (name.section(u'-', 0, 0).toInt() > last) continue;
            const QString target = QDir(steps_).filePath(name);
            if (!QFileInfo::exists(target)) {
                ASSERT_TRUE(QFile::copy(source.filePath(name), target));
            }
        }
    }

    QString steps_, file_;
};

TEST_F(WidenedColumnsTest, RowsNumbersAndNumberingSurviveTheRebuild) {
    copyStepsUpTo(WideningStep - 1);
    ASSERT_EQ(applySchemaSteps(steps_, file_, false), WideningStep - 1);
    {
        Other before(file_);
        before.exec("INSERT INTO CLIENTES (CODIGO, NOME, RELNOM1, \"END-RESIDENCIA\") "
                    "VALUES (5, 'ANTIGO', 'C-OUTRO', 'RUA A');"
                    "INSERT INTO CLIENTES (CODIGO, NOME) VALUES (9, 'APAGADO');"
                    "DELETE FROM CLIENTES WHERE CODIGO = 9;"
                    "INSERT INTO VIDASAU (CODIGO, NOME, APOLICE, ANIV) "
                    "VALUES (3, 'PARTICIPANTE', '0123', '1970-05-06 00:00:00');"
                    "INSERT INTO PROCEDE (CODIGO, NOME, APOLICE, CODVIDASAU, VLRRECIBO) "
                    "VALUES (4, 'PARTICIPANTE', '0123', '3', 12.5);");
    }

    copyStepsUpTo(WideningStep);
    ASSERT_EQ(applySchemaSteps(steps_, file_, false), WideningStep);

    Other after(file_);
    EXPECT_EQ(after.text("SELECT NOME || '|' || RELNOM1 || '|' || \"END-RESIDENCIA\" FROM CLIENTES WHERE CODIGO = 5"),
              "ANTIGO|C-OUTRO|RUA A");
    EXPECT_EQ(after.text("SELECT NOME || '|' || APOLICE || '|' || ANIV FROM VIDASAU WHERE CODIGO = 3"),
              "PARTICIPANTE|0123|1970-05-06 00:00:00");
    EXPECT_EQ(after.text("SELECT APOLICE || '|' || CODVIDASAU || '|' || VLRRECIBO FROM PROCEDE WHERE CODIGO = 4"),
              "0123|3|12.5");
    EXPECT_EQ(after.number("SELECT count(*) FROM sqlite_schema WHERE name LIKE '%_NEW'"), 0);

    // A new client is numbered past the deleted last one, as before the rebuild.
    Database db = Database::open(file_);
    Recordset clients = db.openRecordset("CLIENTES");
    clients.AddNew();
    clients["NOME"] = Variant("NOVO");
    clients.Update();
    clients.MoveLast();
    EXPECT_EQ(clients.field("CODIGO").toLong(), 10);
    Recordset participants = db.openRecordset("VIDASAU");
    participants.AddNew();
    participants["NOME"] = Variant("OUTRO");
    participants.Update();
    participants.MoveLast();
    EXPECT_EQ(participants.field("CODIGO").toLong(), 4);
}

TEST_F(WidenedColumnsTest, TheWidenedFieldsTakeWhatIsWrittenIntoThem) {
    copyStepsUpTo(WideningStep);
    ASSERT_EQ(applySchemaSteps(steps_, file_, false), WideningStep);
    Database db = Database::open(file_);

    const QString clientName(40, u'N');
    const QString policyNumber(17, u'7');
    struct Case {
        const char* table;
        const char* field;
        QString fits;
        int widest;
    };
    const Case cases[] = {
        {"CLIENTES", "RELNOM1", "C-" + clientName, 42},
        {"CLIENTES", "RELNOM5", "N-" + clientName, 42},
        {"VIDASAU", "APOLICE", policyNumber, 50},
        {"PROCEDE", "APOLICE", policyNumber, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1.%2").arg(c.table, c.field).toStdString());
        Recordset rs = db.openRecordset(c.table);
        rs.AddNew();
        rs[c.field] = Variant(c.fits);
        EXPECT_EQ(errorOf([&] { rs.Update(); }), 0);
        rs.MoveLast();
        EXPECT_EQ(rs.field(c.field).toString(), c.fits);

        // One character more is refused as it is assigned.
        rs.AddNew();
        EXPECT_EQ(errorOf([&] { rs[c.field] = Variant(QString(c.widest + 1, u'X')); }), err::FieldTooSmall);
    }
}

}  // namespace
}  // namespace vorna::db::testing
