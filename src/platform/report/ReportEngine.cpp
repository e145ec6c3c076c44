#include "platform/report/ReportEngine.h"

#include "platform/database/Database.h"
#include "platform/database/FieldValues.h"
#include "platform/database/TextRules.h"
#include "platform/report/FormulaSql.h"
#include "platform/report/ReportPager.h"
#include "platform/report/ReportRows.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Runtime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>

#include <cmath>
#include <limits>
#include <optional>
#include <set>

namespace vorna::report {

ReportFailure::ReportFailure(Kind kind, const QString& reportFile, const QString& message)
    : std::runtime_error(message.toStdString()), kind_(kind), reportFile_(reportFile), message_(message)
{
}

QString resolveReportPath(const QString& given)
{
    if (given.isEmpty() || QFileInfo::exists(given))
        return given;
    QString path = given;
    path.replace(u'\\', u'/');
    return QDir::cleanPath(path);
}

namespace {

using Kind = ReportFailure::Kind;

QString quoteIdentifier(const QString& name)
{
    QString out = name;
    out.replace(u'"', QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

// The type of a plain value (a number, a text, a date), known without the tables.
std::optional<ValueType> literalType(const Formula& f)
{
    switch (f->kind) {
    case FormulaNode::Kind::Number: return ValueType::Number;
    case FormulaNode::Kind::Negate: return literalType(f->args[0]);
    case FormulaNode::Kind::Text: return ValueType::Text;
    case FormulaNode::Kind::DateOf:
    case FormulaNode::Kind::Today: return ValueType::Date;
    default: return std::nullopt;
    }
}

class Run {
public:
    Run(const ReportRequest& request, const QString& companyName)
        : request_(request), companyName_(companyName)
    {
    }

    std::shared_ptr<ReportDocument> execute();

private:
    [[noreturn]] void fail(Kind kind, const QString& message) const
    {
        throw ReportFailure(kind, request_.reportFile, message);
    }
    [[noreturn]] void failAtLine(int line, const QString& message) const
    {
        fail(Kind::BadDefinition, line > 0 ? QStringLiteral("Erro na linha %1 da definição: %2").arg(line).arg(message)
                                           : QStringLiteral("Erro na definição: %1").arg(message));
    }

    void loadDefinition();
    void applyFormulas();
    void openDatabase();
    void readSchema();
    void buildQuery();
    void layOut();

    ValueRef valueOf(const Formula& f, int line);
    QString expand(const QString& text, int line);

    const ReportRequest& request_;
    QString companyName_;
    QString path_;
    ReportDefinition def_;
    std::map<QString, Formula> named_;
    Formula launchSelection_;
    db::Database database_;
    ReportSchema schema_;
    std::unique_ptr<FormulaCompiler> compiler_;
    std::set<QString> tablesWithoutRowid_;

    RowQuery query_;
    std::vector<ValueRef> columns_, groups_, totals_;
    std::shared_ptr<ReportDocument> doc_;
};

std::shared_ptr<ReportDocument> Run::execute()
{
    loadDefinition();
    applyFormulas();
    openDatabase();
    readSchema();
    compiler_ = std::make_unique<FormulaCompiler>(schema_, named_, QString::fromLatin1(db::text::CollationName));
    buildQuery();
    layOut();
    return doc_;
}

void Run::loadDefinition()
{
    if (request_.reportFile.trimmed().isEmpty())
        fail(Kind::NoReportFile, QStringLiteral("Nenhum arquivo de relatório foi indicado."));
    path_ = resolveReportPath(request_.reportFile);
    QFile file(path_);
    if (!QFileInfo(path_).isFile() || !file.open(QIODevice::ReadOnly))
        fail(Kind::MissingFile, QStringLiteral("Arquivo de relatório não encontrado: %1").arg(path_));
    try {
        QString text = QString::fromUtf8(file.readAll());
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        def_ = ReportDefinition::parse(text);
    } catch (const DefinitionError& e) {
        failAtLine(e.line(), e.message());
    }
}

void Run::applyFormulas()
{
    for (const NamedFormulaSpec& f : def_.formulas)
        named_[f.name.toUpper()] = f.defaultValue;
    for (const auto& [index, text] : request_.formulas) {
        if (text.trimmed().isEmpty())
            continue;
        FormulaAssignment a;
        try {
            a = parseAssignment(text);
        } catch (const FormulaError& e) {
            fail(Kind::BadFormula, QStringLiteral("Fórmula %1 (\"%2\") ilegível: %3").arg(index).arg(text, e.message()));
        }
        const NamedFormulaSpec* declared = def_.formula(a.name);
        if (!declared)
            fail(Kind::UnknownFormula,
                 QStringLiteral("O relatório não tem a fórmula %1 (fórmula %2: \"%3\").").arg(a.name).arg(index).arg(text));
        const auto expected = literalType(declared->defaultValue);
        const auto given = literalType(a.value);
        if (expected && given && *expected != *given)
            fail(Kind::BadFormula, QStringLiteral("A fórmula %1 pede %2 e recebeu \"%3\".")
                                       .arg(declared->name, typeName(*expected), text));
        named_[a.name.toUpper()] = a.value;
    }
    try {
        launchSelection_ = parseFormula(request_.selection);
    } catch (const FormulaError& e) {
        fail(Kind::BadFormula, QStringLiteral("Fórmula de seleção ilegível (\"%1\"): %2").arg(request_.selection, e.message()));
    }
}

void Run::openDatabase()
{
    const QString dbPath = QFileInfo(path_).dir().filePath(def_.database);
    try {
        database_ = db::Database::open(dbPath);
    } catch (const EngineError& e) {
        fail(Kind::MissingDatabase, QStringLiteral("Banco de dados do relatório não pôde ser aberto: %1 (%2)").arg(dbPath, e.text()));
    }
}

void Run::readSchema()
{
    sqlite3* db = database_.handle();
    for (const QString& wanted : def_.tables()) {
        sqlite3_stmt* s = nullptr;
        const QByteArray name = wanted.toUtf8();
        sqlite3_prepare_v2(db, "SELECT name, type FROM sqlite_schema WHERE type IN ('table', 'view') AND name = ?1 COLLATE NOCASE",
                           -1, &s, nullptr);
        sqlite3_bind_text(s, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        QString actual;
        bool isView = false;
        if (sqlite3_step(s) == SQLITE_ROW) {
            actual = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
            isView = qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)), "view") == 0;
        }
        sqlite3_finalize(s);
        if (actual.isEmpty())
            fail(Kind::MissingTable, QStringLiteral("A tabela %1 não existe no banco de dados %2.").arg(wanted, def_.database));
        if (isView)
            tablesWithoutRowid_.insert(actual);

        std::vector<std::pair<QString, QString>> columns;
        sqlite3_prepare_v2(db, "SELECT name, type FROM pragma_table_info(?1)", -1, &s, nullptr);
        const QByteArray actualUtf8 = actual.toUtf8();
        sqlite3_bind_text(s, 1, actualUtf8.constData(), int(actualUtf8.size()), SQLITE_TRANSIENT);
        while (sqlite3_step(s) == SQLITE_ROW)
            columns.emplace_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))),
                                 QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 1))));
        sqlite3_finalize(s);
        if (schema_.hasTable(actual))
            failAtLine(0, QStringLiteral("a tabela %1 aparece duas vezes").arg(actual));
        schema_.addTable(actual, columns);
        if (wanted == def_.table)
            def_.table = actual;
        for (JoinSpec& j : def_.joins)
            if (j.table == wanted)
                j.table = actual;
    }
}

ValueRef Run::valueOf(const Formula& f, int line)
{
    SqlExpr e;
    try {
        e = compiler_->compile(f);
    } catch (const FormulaError& err) {
        failAtLine(line, err.message());
    }
    ValueRef r;
    r.type = e.type;
    if (e.constant) {
        r.constant = true;
        r.value = e.value;
        return r;
    }
    r.column = int(query_.items.size());
    query_.items << e.sql;
    query_.itemParams.insert(query_.itemParams.end(), e.params.begin(), e.params.end());
    query_.itemTypes.push_back(e.type);
    return r;
}

void Run::buildQuery()
{
    for (const ColumnSpec& c : def_.columns)
        columns_.push_back(valueOf(c.value, c.line));
    for (const GroupSpec& g : def_.groups)
        groups_.push_back(valueOf(g.key, g.line));
    for (const TotalSpec& t : def_.totals) {
        if (t.kind != TotalSpec::Kind::Sum) {
            totals_.push_back({});
            continue;
        }
        ValueRef r = valueOf(t.value, t.line);
        if (r.type != ValueType::Number)
            failAtLine(t.line, QStringLiteral("TOTAL SUM pede um campo numérico"));
        totals_.push_back(r);
    }

    std::vector<Variant> params;
    QString from = quoteIdentifier(def_.table);
    for (const JoinSpec& j : def_.joins) {
        SqlExpr on;
        try {
            on = compiler_->condition(j.on);
        } catch (const FormulaError& err) {
            failAtLine(j.line, err.message());
        }
        from += QStringLiteral(" %1 JOIN %2 ON %3")
                    .arg(j.outer ? QStringLiteral("LEFT") : QStringLiteral("INNER"), quoteIdentifier(j.table),
                         FormulaCompiler::sqlOf(on, params));
    }

    QStringList where;
    if (def_.selection) {
        try {
            const SqlExpr own = compiler_->condition(def_.selection);
            if (!own.constant || own.value.numberValue() == 0)
                where << FormulaCompiler::sqlOf(own, params);
        } catch (const FormulaError& err) {
            failAtLine(def_.selectionLine, err.message());
        }
    }
    if (launchSelection_) {
        try {
            const SqlExpr launch = compiler_->condition(launchSelection_);
            if (!launch.constant || launch.value.numberValue() == 0)
                where << FormulaCompiler::sqlOf(launch, params);
        } catch (const FormulaError& err) {
            fail(Kind::BadFormula,
                 QStringLiteral("Fórmula de seleção \"%1\" não serve para este relatório: %2").arg(request_.selection, err.message()));
        }
    }
    if (!where.isEmpty())
        from += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    query_.from = from;
    query_.fromParams = std::move(params);
    query_.hasWhere = !where.isEmpty();

    auto orderBy = [&](const Formula& key, bool descending, int line) {
        SqlExpr e;
        try {
            e = compiler_->compile(key);
        } catch (const FormulaError& err) {
            failAtLine(line, err.message());
        }
        if (!e.constant)
            query_.keys.push_back({e.sql, e.params, descending, e.type == ValueType::Text});
    };
    for (const GroupSpec& g : def_.groups)
        orderBy(g.key, false, g.line);
    for (const SortSpec& s : def_.sorts)
        orderBy(s.key, s.descending, s.line);
    // Rows that sort alike keep the tables' order, so a run is reproducible and
    // each row has a key of its own to resume after.
    for (const QString& table : def_.tables()) {
        if (tablesWithoutRowid_.count(table) == 0)
            query_.keys.push_back({quoteIdentifier(table) + QStringLiteral(".rowid"), {}, false, false});
    }
    if (!tablesWithoutRowid_.empty()) {
        // Without row ids, rows alike in every value shown are interchangeable.
        query_.uniqueKeys = false;
        std::vector<Variant> itemParams = query_.itemParams;
        size_t p = 0;
        for (int i = 0; i < query_.items.size(); ++i) {
            const qsizetype n = query_.items[i].count(u'?');
            query_.keys.push_back({query_.items[i], {itemParams.begin() + qsizetype(p), itemParams.begin() + qsizetype(p + size_t(n))},
                                   false, query_.itemTypes[size_t(i)] == ValueType::Text});
            p += size_t(n);
        }
    }
}

QString Run::expand(const QString& text, int line)
{
    static const QRegularExpression reference(QStringLiteral("\\{@\\s*(\\w+)\\s*\\}"));
    QString out;
    qsizetype last = 0;
    auto it = reference.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        auto f = std::make_shared<FormulaNode>();
        f->kind = FormulaNode::Kind::Named;
        f->text = m.captured(1);
        try {
            out += plainText(compiler_->constant(f));
        } catch (const FormulaError& err) {
            failAtLine(line, err.message());
        }
        last = m.capturedEnd();
    }
    return out + text.mid(last);
}

void Run::layOut()
{
    auto reader = std::make_unique<KeyedReader>(database_, query_, request_.reportFile);
    const QString refused = reader->prepare();
    if (!refused.isEmpty())
        fail(Kind::Database, QStringLiteral("O banco de dados recusou a consulta do relatório: %1").arg(refused));

    doc_ = std::make_shared<ReportDocument>();
    ReportDocument& doc = *doc_;
    doc.orientation = def_.orientation;
    doc.columns = pageColumns(def_.orientation);
    doc.linesPerPage = pageLines(def_.orientation);
    doc.title = expand(def_.title, 0);

    PageFurniture furniture;
    furniture.companyName = companyName_;
    furniture.printedAt = rt::Clock::now();
    furniture.subtitle = expand(def_.subtitle, 0);

    LayoutPlan plan;
    plan.list = def_.layout == Layout::List;
    plan.columns = doc.columns;
    plan.emptyText = def_.emptyText;
    {
        int x = 0;
        for (size_t i = 0; i < def_.columns.size(); ++i) {
            const ColumnSpec& c = def_.columns[i];
            const QString heading = expand(c.heading, c.line);
            doc.headings << heading;
            const Align align = c.align.value_or(columns_[i].type == ValueType::Number ? Align::Right : Align::Left);
            plan.cols.push_back({columns_[i], c.format, heading, x, c.width, align, formulaText(c.value)});
            if (plan.list)
                furniture.columnHeadings.push_back({x, c.width, heading, align});
            x += c.width + 1;
            plan.labelWidth = std::max(plan.labelWidth, int(heading.size()) + 1);
        }
        plan.labelWidth = std::min(plan.labelWidth, doc.columns / 3);
    }
    for (size_t i = 0; i < def_.groups.size(); ++i) {
        const GroupSpec& g = def_.groups[i];
        plan.groups.push_back({groups_[i], expand(g.label, g.line), g.format});
    }
    for (size_t i = 0; i < def_.totals.size(); ++i) {
        const TotalSpec& t = def_.totals[i];
        const bool sum = t.kind == TotalSpec::Kind::Sum;
        plan.totals.push_back({sum, totals_[i], expand(t.label, t.line), t.format, sum ? formulaText(t.value) : QString()});
    }
    doc.header = pageHeader(doc, furniture);
    plan.capacity = std::max(1, doc.linesPerPage - int(doc.header.size()) - 2);

    auto pager = std::make_shared<ReportPager>(std::move(plan), std::move(reader));
    // The first page is ready before the run returns, and a failing read shows here.
    pager->pageBody(0);
    doc.setPager(std::move(pager));
}

}  // namespace

std::shared_ptr<ReportDocument> runReport(const ReportRequest& request, const QString& companyName)
{
    Run run(request, companyName);
    try {
        return run.execute();
    } catch (const ReportFailure&) {
        throw;
    } catch (const EngineError& e) {
        throw ReportFailure(ReportFailure::Kind::Database, request.reportFile,
                            QStringLiteral("Erro %1 ao emitir o relatório: %2").arg(e.number()).arg(e.text()));
    }
}

}  // namespace vorna::report
