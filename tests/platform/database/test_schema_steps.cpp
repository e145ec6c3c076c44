// Creating and upgrading a database file from numbered steps.
#include "EngineFixture.h"
#include "platform/database/SchemaSteps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vorna::db::testing {
namespace {

class SchemaStepsTest : public EngineTest {
protected:
    void SetUp() override {
        steps_ = dir_.filePath("steps");
        QDir().mkpath(steps_);
        file_ = dir_.filePath("VORNA.MDB");
        writeStep("001-clientes.sql",
                  "CREATE TABLE CLIENTES (CODIGO INTEGER PRIMARY KEY AUTOINCREMENT, NOME TEXT(50));\n"
                  "CREATE INDEX CLIENTES_NOME ON CLIENTES (NOME COLLATE VORNA_NOCASE);");
        writeStep("002-primeiro.sql", "INSERT INTO CLIENTES (NOME) VALUES ('PRIMEIRO');");
        writeStep("notes.txt", "not a step");
    }
    void writeStep(const char* name, const char* sql) {
        QFile f(QDir(steps_).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(sql);
    }
    QStringList backups() const {
        return QDir(dir_.path()).entryList({QStringLiteral("VORNA.MDB.bak-*")}, QDir::Files);
    }

    QString steps_, file_;
};

TEST_F(SchemaStepsTest, AMissingFileIsCreatedFromEveryStep) {
    EXPECT_EQ(applySchemaSteps(steps_, file_, true), 2);
    Other other(file_);
    EXPECT_EQ(other.number("PRAGMA user_version"), 2);
    EXPECT_EQ(other.text("SELECT NOME FROM CLIENTES"), "PRIMEIRO");
    EXPECT_TRUE(backups().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(file_ + ".creating"));
}

TEST_F(SchemaStepsTest, AnUpgradeKeepsTheDataAndCopiesTheOldFileAside) {
    applySchemaSteps(steps_, file_, true);
    {
        Database db = Database::open(file_);
        Recordset rs = db.openRecordset("CLIENTES");
        rs.AddNew();
        rs["NOME"] = Variant("DO USUÁRIO");
        rs.Update();
    }
    writeStep("003-fone.sql", "ALTER TABLE CLIENTES ADD COLUMN FONE TEXT(20);\n"
                              "UPDATE CLIENTES SET FONE = '0000';");
    EXPECT_EQ(applySchemaSteps(steps_, file_, true), 3);
    Other other(file_);
    EXPECT_EQ(other.number("PRAGMA user_version"), 3);
    EXPECT_EQ(other.number("SELECT count(*) FROM CLIENTES WHERE FONE = '0000'"), 2);
    ASSERT_EQ(backups(), QStringList{"VORNA.MDB.bak-2"});
    Other old(dir_.filePath("VORNA.MDB.bak-2"));
    EXPECT_EQ(old.number("PRAGMA user_version"), 2);
    EXPECT_EQ(old.text("SELECT NOME FROM CLIENTES WHERE CODIGO = 2"), "DO USUÁRIO");

    // Up to date: nothing changes and no copy is made.
    EXPECT_EQ(applySchemaSteps(steps_, file_, true), 3);
    EXPECT_EQ(backups().size(), 1);
}

TEST_F(SchemaStepsTest, AFailingStepLeavesTheFileAtTheStepBefore) {
    applySchemaSteps(steps_, file_, false);
    writeStep("003-ruim.sql", "INSERT INTO CLIENTES (NOME) VALUES ('METADE');\nINSERT INTO NADA VALUES (1);");
    EXPECT_NE(errorOf([&] { applySchemaSteps(steps_, file_, false); }), 0);
    Other other(file_);
    EXPECT_EQ(other.number("PRAGMA user_version"), 2);
    EXPECT_EQ(other.number("SELECT count(*) FROM CLIENTES"), 1);
    EXPECT_TRUE(backups().isEmpty());

    // Creating from steps that fail leaves no file behind.
    const QString fresh = dir_.filePath("NOVO.MDB");
    EXPECT_NE(errorOf([&] { applySchemaSteps(steps_, fresh, false); }), 0);
    EXPECT_FALSE(QFileInfo::exists(fresh));
    EXPECT_FALSE(QFileInfo::exists(fresh + ".creating"));
}

TEST_F(SchemaStepsTest, LongTextsKeepTheirDigitsAndAMemoColumnIsRefused) {
    // SQLite would store a MEMO column's "0123" as the number 123.
    writeStep("003-notas.sql", "CREATE TABLE NOTAS (ID INTEGER PRIMARY KEY, TEXTO MEMO);");
    EXPECT_EQ(errorOf([&] { applySchemaSteps(steps_, file_, false); }), err::Reserved);
    EXPECT_FALSE(QFileInfo::exists(file_));

    writeStep("003-notas.sql", "CREATE TABLE NOTAS (ID INTEGER PRIMARY KEY, TEXTO LONGTEXT);");
    ASSERT_EQ(applySchemaSteps(steps_, file_, false), 3);
    Database db = Database::open(file_);
    Recordset rs = db.openRecordset("NOTAS");
    rs.AddNew();
    rs["TEXTO"] = Variant("0123");
    rs.Update();
    rs.MoveLast();
    EXPECT_TRUE(rs.field("TEXTO").identical(Variant("0123")));
}

}  // namespace
}  // namespace vorna::db::testing
