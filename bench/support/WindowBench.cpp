#include "support/WindowBench.h"

#include "common/ProgramState.h"
#include "platform/database/TextRules.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStringList>
#include <QThread>

namespace vorna::bench {

sqlite3* openAsBenchUser(const QString& path, int rawFlags)
{
    ProgramState& s = state();
    s.MainDatabase = db::Database::open(path);
    s.session.AccessLevelWord = level::Total;
    s.session.UserIdent = 1;
    s.session.UserIdentification = Variant("BENCH");
    for (Variant& right : s.session.UserRights)
        right = Variant("S");
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &raw, rawFlags, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open " + path.toStdString());
    // The text indexes are declared with the engine's collation.
    db::text::registerOn(raw);
    return raw;
}

dlg::Answer QuietDialogs::message(const dlg::MessageRequest& request)
{
    ++boxes;
    lastText = request.text;
    return request.buttons == dlg::Buttons::YesNo ? dlg::Answer::Yes : dlg::Answer::Ok;
}

ui::Window& shown(ui::Window& w)
{
    if (!w.isLoaded() || w.isHidden()) {
        w.Show();
        QApplication::processEvents();
    }
    return w;
}

void click(QAbstractButton* button)
{
    button->click();
    QApplication::processEvents();
}

bool activate(ui::Window& w)
{
    w.activateWindow();
    for (int waited = 0; waited < 2000 && QApplication::activeWindow() != &w; waited += 5) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    return QApplication::activeWindow() == &w;
}

QString columnText(sqlite3_stmt* q, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(q, column)),
                             sqlite3_column_bytes(q, column));
}

std::vector<QVariant> readRow(sqlite3_stmt* q)
{
    std::vector<QVariant> row;
    const int n = sqlite3_column_count(q);
    row.reserve(size_t(n));
    for (int c = 0; c < n; ++c) {
        switch (sqlite3_column_type(q, c)) {
        case SQLITE_INTEGER: row.emplace_back(qlonglong(sqlite3_column_int64(q, c))); break;
        case SQLITE_FLOAT: row.emplace_back(sqlite3_column_double(q, c)); break;
        case SQLITE_NULL: row.emplace_back(); break;
        default: row.emplace_back(columnText(q, c));
        }
    }
    return row;
}

QString queryPlan(sqlite3* db, const QByteArray& sql)
{
    sqlite3_stmt* explain = nullptr;
    const QByteArray text = "EXPLAIN QUERY PLAN " + sql;
    if (sqlite3_prepare_v2(db, text.constData(), -1, &explain, nullptr) != SQLITE_OK)
        return {};
    QString plan;
    while (sqlite3_step(explain) == SQLITE_ROW)
        plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(explain, 3))) + "; ";
    sqlite3_finalize(explain);
    return plan;
}

std::vector<std::pair<QString, QString>> plansOf(sqlite3* db, const std::function<void()>& run)
{
    QStringList statements;
    const auto onStatement = [](unsigned, void* list, void* stmt, void*) {
        if (const char* sql = sqlite3_sql(static_cast<sqlite3_stmt*>(stmt))) {
            auto& seen = *static_cast<QStringList*>(list);
            const QString text = QString::fromUtf8(sql);
            if (!seen.contains(text))
                seen << text;
        }
        return 0;
    };
    sqlite3_trace_v2(db, SQLITE_TRACE_STMT, onStatement, &statements);
    try {
        run();
    } catch (...) {
        sqlite3_trace_v2(db, 0, nullptr, nullptr);
        throw;
    }
    sqlite3_trace_v2(db, 0, nullptr, nullptr);
    std::vector<std::pair<QString, QString>> plans;
    for (const QString& sql : statements) {
        const QString plan = queryPlan(db, sql.toUtf8());
        if (!plan.isEmpty())
            plans.emplace_back(plan, sql);
    }
    return plans;
}

}  // namespace vorna::bench
