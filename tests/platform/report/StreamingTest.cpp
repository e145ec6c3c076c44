// Reports read their rows in short chunks and lay pages out on demand: every
// row comes once and in order across chunk ends, pages are the same in any
// order they are asked for, and another workstation saves while a long report
// is being read.
#include "ReportFixture.h"

#include "platform/database/TextRules.h"
#include "platform/report/ReportRender.h"

#include <QFile>
#include <sqlite3.h>

#include <atomic>
#include <thread>

using namespace vorna;
using namespace vorna::report;

namespace {

class StreamingTest : public test::ReportFixture {
protected:
    // Enough rows for many chunks: names repeat, differ only in case or are
    // missing, and a joined table gives some rows two matches and some none.
    void createRows(int count)
    {
        QString sql = QStringLiteral(
            "CREATE TABLE T (CODIGO LONG, GRUPO LONG, NOME TEXT(20), VALOR DOUBLE);"
            "CREATE TABLE J (CODIGO LONG, X TEXT(5));"
            "CREATE VIEW V AS SELECT GRUPO, NOME FROM T;");
        for (int i = 0; i < count; ++i) {
            const QString name = i % 7 == 0 ? QStringLiteral("NULL")
                                            : QStringLiteral("'%1'").arg(i % 2 ? QStringLiteral("nome %1").arg(i % 13)
                                                                               : QStringLiteral("NOME %1").arg(i % 13));
            sql += QStringLiteral("INSERT INTO T VALUES (%1, %2, %3, %4);").arg(i).arg(i % 3).arg(name).arg(i * 0.25);
            if (i % 4 == 0)
                sql += QStringLiteral("INSERT INTO J VALUES (%1, 'a'); INSERT INTO J VALUES (%1, 'b');").arg(i);
            else if (i % 4 == 1)
                sql += QStringLiteral("INSERT INTO J VALUES (%1, 'c');").arg(i);
        }
        runSql(sql);
    }

    // What SQLite itself gives for an order, as "code/x" texts.
    QStringList plainOrder(const QString& orderBy)
    {
        sqlite3* db = nullptr;
        sqlite3_open(pathOf(QStringLiteral("VORNA.MDB")).toUtf8().constData(), &db);
        db::text::registerOn(db);
        sqlite3_stmt* s = nullptr;
        const QByteArray sql = ("SELECT T.CODIGO, J.X FROM T LEFT JOIN J ON J.CODIGO = T.CODIGO ORDER BY " + orderBy).toUtf8();
        EXPECT_EQ(sqlite3_prepare_v2(db, sql.constData(), -1, &s, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        QStringList out;
        while (sqlite3_step(s) == SQLITE_ROW)
            out << QStringLiteral("%1/%2").arg(sqlite3_column_int(s, 0)).arg(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)));
        sqlite3_finalize(s);
        sqlite3_close(db);
        return out;
    }

    std::shared_ptr<ReportDocument> run(const QString& definition)
    {
        writeFile(QStringLiteral("T.RPT"), definition);
        return runReport({pathOf(QStringLiteral("T.RPT")), QString(), {}}, QStringLiteral("CORRETORA"));
    }
};

TEST_F(StreamingTest, EveryRowComesOnceAndInOrderAcrossChunks)
{
    const int count = 1500;
    createRows(count);
    const QString head = QStringLiteral("FROM T\nJOIN LEFT J ON {J.CODIGO} = {T.CODIGO}\n"
                                        "COLUMN {T.CODIGO} \"C\"\nCOLUMN {J.X} \"X\"\n");
    const QString collate = QStringLiteral(" COLLATE ") + QString::fromLatin1(db::text::CollationName);
    struct Case {
        const char* order;     // the definition's lines
        QString sqlOrder;      // the same order in SQL, row ids last
    } cases[] = {
        {"SORT {T.NOME}\n", "T.NOME" + collate + ", T.rowid, J.rowid"},
        {"SORT {T.NOME} DESC\n", "T.NOME" + collate + " DESC, T.rowid, J.rowid"},
        {"GROUP {T.GRUPO}\nSORT {T.NOME} DESC\nSORT {T.VALOR}\n",
         "T.GRUPO, T.NOME" + collate + " DESC, T.VALOR, T.rowid, J.rowid"},
        {"", "T.rowid, J.rowid"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.order);
        const auto doc = run(head + QString::fromUtf8(c.order) + QStringLiteral("TOTAL COUNT \"N:\"\n"));
        QStringList got;
        for (const QStringList& row : doc->rows)
            got << row[0] + u'/' + row[1];
        EXPECT_EQ(got, plainOrder(c.sqlOrder));
        ASSERT_EQ(doc->totals.size(), 1u);
        EXPECT_EQ(doc->totals[0].second, QString::number(got.size()));
    }

    // A view has no row ids: rows alike in every value are still each listed.
    const auto view = run(QStringLiteral("FROM V\nSORT {V.NOME}\nCOLUMN {V.GRUPO} \"G\"\nCOLUMN {V.NOME} \"N\"\n"
                                         "TOTAL COUNT \"N:\"\n"));
    EXPECT_EQ(view->rows.size(), size_t(count));
    EXPECT_EQ(view->totals[0].second, QString::number(count));
}

TEST_F(StreamingTest, GroupTotalsAndPagesAreTheSameInAnyOrderTheyAreAskedFor)
{
    createRows(900);
    const QString definition = QStringLiteral(
        "FROM T\nGROUP {T.GRUPO} \"Grupo: \"\nSORT {T.NOME}\nCOLUMN {T.CODIGO} \"C\"\nCOLUMN {T.VALOR} \"Valor\" WIDTH 12\n"
        "TOTAL COUNT \"N:\"\nTOTAL SUM {T.VALOR} \"Soma:\" FORMAT \"#,##0.00\"\n");
    const auto inOrder = run(definition);
    const QString text = inOrder->text();
    const int pages = inOrder->pageCount();
    ASSERT_GT(pages, 10);
    EXPECT_TRUE(text.contains(QStringLiteral("Página %1 de %1").arg(pages)));
    // Group 0 holds codes 0, 3, ..., 897: 300 rows summing 0.25 * 3 * (0 + ... + 299).
    EXPECT_TRUE(text.contains(QStringLiteral("33.637,50")));
    EXPECT_EQ(inOrder->totals[1].second, QStringLiteral("101.137,50"));

    const auto backwards = run(definition);
    QStringList reversed;
    for (int p = pages - 1; p >= 0; --p)
        reversed.prepend(backwards->pageText(p).join(u'\n') + u'\n');
    EXPECT_EQ(reversed.join(u'\f'), text);
}

TEST_F(StreamingTest, AnotherWorkstationSavesWhileALongReportIsRead)
{
    const int count = 100000;
    QString sql = QStringLiteral("CREATE TABLE T (CODIGO LONG, NOME TEXT(20), VALOR DOUBLE);");
    for (int i = 0; i < count; ++i)
        sql += QStringLiteral("INSERT INTO T VALUES (%1, 'NOME %1', 1);").arg(i);
    sql += QStringLiteral("CREATE INDEX T_CODIGO ON T (CODIGO);");
    runSql(sql);
    writeFile(QStringLiteral("T.RPT"), QStringLiteral("FROM T\nSORT {T.CODIGO}\nCOLUMN {T.CODIGO} \"C\"\n"
                                                      "COLUMN {T.NOME} \"Nome\" WIDTH 20\nTOTAL COUNT \"N:\"\n"));

    std::atomic<bool> reading{true};
    std::atomic<int> saved{0}, refused{0};
    std::thread other([&] {
        sqlite3* db = nullptr;
        sqlite3_open(pathOf(QStringLiteral("VORNA.MDB")).toUtf8().constData(), &db);
        // The engine's own lock wait: a save that cannot get in by then fails with 3260.
        sqlite3_busy_timeout(db, 1000);
        for (int i = 0; reading; ++i) {
            const QByteArray update = QStringLiteral("UPDATE T SET VALOR = VALOR + 1 WHERE rowid = %1").arg(1 + i % count).toUtf8();
            (sqlite3_exec(db, update.constData(), nullptr, nullptr, nullptr) == SQLITE_OK ? saved : refused)++;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        sqlite3_close(db);
    });
    std::shared_ptr<ReportDocument> doc;
    int pages = 0;
    QString written;
    try {
        doc = runReport({pathOf(QStringLiteral("T.RPT")), QString(), {}}, QString());
        pages = doc->pageCount();
        written = writeText(*doc, pathOf(QStringLiteral("t.txt")));
    } catch (const ReportFailure& failure) {
        written = failure.message();
    }
    reading = false;
    other.join();
    ASSERT_TRUE(doc) << written.toStdString();

    EXPECT_TRUE(written.isEmpty()) << written.toStdString() << " saved " << saved << " refused " << refused;
    EXPECT_GT(pages, 1000);
    EXPECT_EQ(doc->totals[0].second, QString::number(count));
    EXPECT_GT(saved.load(), 0);
    EXPECT_EQ(refused.load(), 0);
}

}  // namespace
