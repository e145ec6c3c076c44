#include "platform/report/ReportEngine.h"

#include "platform/database/Database.h"
#include "platform/database/FieldValues.h"
#include "platform/database/TextRules.h"
#include "platform/report/FormulaSql.h"
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

// Where a value of the report comes from: known before reading (a named
// formula's constant) or a column of the query.
struct ValueRef {
    ValueType type = ValueType::Text;
    bool constant = false;
    Variant value;
    int column = -1;
};

struct Query {
    QStringList items;
    std::vector<Variant> params;   // of the select items, then of the rest
};

QString quoteIdentifier(const QString& name)
{
    QString out = name;
    out.replace(u'"', QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

QString defaultText(const Variant& v)
{
    switch (v.type()) {
    case Variant::Type::Empty:
    case Variant::Type::Null: return {};
    case Variant::Type::String: return v.stringValue();
    case Variant::Type::Boolean: return v.numberValue() != 0 ? QStringLiteral("Sim") : QStringLiteral("Não");
    case Variant::Type::Date: {
        const double serial = v.numberValue();
        return rt::Format(v, serial == std::floor(serial) ? QStringLiteral("dd/mm/yyyy")
                                                          : QStringLiteral("dd/mm/yyyy hh:nn"));
    }
    default: return rt::Format(v);
    }
}

QString shown(const Variant& v, const QString& format)
{
    if (v.isNull() || v.isEmpty())
        return {};
    if (format.isEmpty() || v.type() == Variant::Type::Boolean)
        return defaultText(v);
    return rt::Format(v, format);
}

bool sameGroup(const Variant& a, const Variant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    if (a.isString() || b.isString())
        return a.isString() && b.isString() && a.stringValue().compare(b.stringValue(), Qt::CaseInsensitive) == 0;
    return a.numberValue() == b.numberValue();
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
    void readRows();
    void layOut();

    ValueRef valueOf(const Formula& f, int line);
    QString expand(const QString& text, int line);

    std::vector<std::vector<ReportLine>> totalLines(const std::vector<double>& sums, long count, int indent,
                                                    bool isGrand);

    const ReportRequest& request_;
    QString companyName_;
    QString path_;
    ReportDefinition def_;
    std::map<QString, Formula> named_;
    Formula launchSelection_;
    db::Database database_;
    ReportSchema schema_;
    std::unique_ptr<FormulaCompiler> compiler_;
    bool mainTableHasRowid_ = true;

    Query query_;
    QString sql_;
    std::vector<ValueType> itemTypes_;
    std::vector<ValueRef> columns_, groups_, totals_;
    std::vector<std::vector<Variant>> rows_;
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
    readRows();
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
        if (wanted == def_.table)
            mainTableHasRowid_ = !isView;

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
    query_.params.insert(query_.params.end(), e.params.begin(), e.params.end());
    itemTypes_.push_back(e.type);
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

    std::vector<Variant> params = query_.params;
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

    QStringList order;
    auto orderBy = [&](const Formula& key, bool descending, int line) {
        SqlExpr e;
        try {
            e = compiler_->compile(key);
        } catch (const FormulaError& err) {
            failAtLine(line, err.message());
        }
        if (e.constant)
            return;
        QString item = FormulaCompiler::sqlOf(e, params);
        if (e.type == ValueType::Text)
            item += QStringLiteral(" COLLATE ") + QString::fromLatin1(db::text::CollationName);
        if (descending)
            item += QStringLiteral(" DESC");
        order << item;
    };
    for (const GroupSpec& g : def_.groups)
        orderBy(g.key, false, g.line);
    for (const SortSpec& s : def_.sorts)
        orderBy(s.key, s.descending, s.line);
    // Rows that sort alike keep the table's order, so a run is reproducible.
    if (mainTableHasRowid_)
        order << quoteIdentifier(def_.table) + QStringLiteral(".rowid");

    sql_ = QStringLiteral("SELECT %1 FROM %2").arg(query_.items.isEmpty() ? QStringLiteral("1") : query_.items.join(QStringLiteral(", ")), from);
    if (!where.isEmpty())
        sql_ += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    if (!order.isEmpty())
        sql_ += QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
    query_.params = std::move(params);
}

void Run::readRows()
{
    sqlite3* db = database_.handle();
    sqlite3_stmt* s = nullptr;
    const QByteArray sql = sql_.toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &s, nullptr) != SQLITE_OK) {
        const QString why = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(s);
        fail(Kind::Database, QStringLiteral("O banco de dados recusou a consulta do relatório: %1").arg(why));
    }
    int index = 1;
    for (const Variant& v : query_.params) {
        switch (valueTypeOf(v)) {
        case ValueType::Text: {
            const QByteArray t = v.stringValue().toUtf8();
            sqlite3_bind_text(s, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        case ValueType::Date: {
            const QByteArray t = db::storedDateText(v.numberValue());
            sqlite3_bind_text(s, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        case ValueType::Boolean: sqlite3_bind_int(s, index, v.numberValue() != 0 ? 1 : 0); break;
        case ValueType::Number: {
            const double d = v.numberValue();
            if (d == std::floor(d) && std::abs(d) < 9e15)
                sqlite3_bind_int64(s, index, qint64(d));
            else
                sqlite3_bind_double(s, index, d);
            break;
        }
        }
        ++index;
    }
    const int n = int(itemTypes_.size());
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        std::vector<Variant> row(n);
        for (int c = 0; c < n; ++c) {
            const int storage = sqlite3_column_type(s, c);
            if (storage == SQLITE_NULL) {
                row[c] = Variant::null();
                continue;
            }
            switch (itemTypes_[c]) {
            case ValueType::Text:
                row[c] = Variant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, c)),
                                                   sqlite3_column_bytes(s, c)));
                break;
            case ValueType::Boolean: row[c] = Variant(sqlite3_column_int64(s, c) != 0); break;
            case ValueType::Date:
                if (storage == SQLITE_TEXT) {
                    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, c));
                    const int len = sqlite3_column_bytes(s, c);
                    if (auto serial = db::serialFromStoredText(t, len))
                        row[c] = Variant::date(*serial);
                    else
                        row[c] = Variant(QString::fromUtf8(t, len));
                } else {
                    row[c] = Variant::date(sqlite3_column_double(s, c));
                }
                break;
            case ValueType::Number:
                if (storage == SQLITE_INTEGER) {
                    const qint64 i = sqlite3_column_int64(s, c);
                    row[c] = i >= std::numeric_limits<int32_t>::min() && i <= std::numeric_limits<int32_t>::max()
                                 ? Variant(int(i))
                                 : Variant(double(i));
                } else {
                    row[c] = Variant(sqlite3_column_double(s, c));
                }
                break;
            }
        }
        rows_.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        const QString why = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(s);
        fail(Kind::Database, QStringLiteral("O banco de dados interrompeu a leitura do relatório: %1").arg(why));
    }
    sqlite3_finalize(s);
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
            out += defaultText(compiler_->constant(f));
        } catch (const FormulaError& err) {
            failAtLine(line, err.message());
        }
        last = m.capturedEnd();
    }
    return out + text.mid(last);
}

std::vector<std::vector<ReportLine>> Run::totalLines(const std::vector<double>& sums, long count, int indent,
                                                     bool isGrand)
{
    std::vector<std::vector<ReportLine>> out;
    const int width = doc_->columns;
    int columnX = 0;
    std::vector<int> xs;
    for (const ColumnSpec& c : def_.columns) {
        xs.push_back(columnX);
        columnX += c.width + 1;
    }
    for (size_t i = 0; i < def_.totals.size(); ++i) {
        const TotalSpec& t = def_.totals[i];
        const QString label = expand(t.label, t.line);
        QString value;
        if (t.kind == TotalSpec::Kind::Count)
            value = shown(Variant(int(count)), t.format);
        else
            value = shown(Variant(sums[i]), t.format.isEmpty() ? QStringLiteral("#,##0.00") : t.format);
        if (isGrand)
            doc_->totals.emplace_back(label, value);

        ReportLine line;
        // A sum stands under its column when the list shows that field.
        int under = -1;
        if (def_.layout == Layout::List && t.kind == TotalSpec::Kind::Sum)
            for (size_t c = 0; c < def_.columns.size(); ++c)
                if (formulaText(def_.columns[c].value) == formulaText(t.value) && xs[c] > indent + int(label.size()))
                    under = int(c);
        if (under >= 0) {
            line.cells.push_back({indent, xs[under] - indent - 1, label, Align::Left});
            line.cells.push_back({xs[under], def_.columns[under].width, value, Align::Right});
        } else {
            line.cells.push_back({indent, width - indent, label.isEmpty() ? value : label + u' ' + value, Align::Left});
        }
        out.push_back({line});
    }
    return out;
}

void Run::layOut()
{
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

    const bool list = def_.layout == Layout::List;
    std::vector<int> xs;
    std::vector<Align> aligns;
    int labelWidth = 0;
    {
        int x = 0;
        for (size_t i = 0; i < def_.columns.size(); ++i) {
            const ColumnSpec& c = def_.columns[i];
            const QString heading = expand(c.heading, c.line);
            doc.headings << heading;
            const Align align = c.align.value_or(columns_[i].type == ValueType::Number ? Align::Right : Align::Left);
            xs.push_back(x);
            aligns.push_back(align);
            if (list)
                furniture.columnHeadings.push_back({x, c.width, heading, align});
            x += c.width + 1;
            labelWidth = std::max(labelWidth, int(heading.size()) + 1);
        }
        labelWidth = std::min(labelWidth, doc.columns / 3);
    }

    auto valueAt = [](const ValueRef& r, const std::vector<Variant>& row) {
        return r.constant ? r.value : row[size_t(r.column)];
    };

    const size_t groupCount = def_.groups.size();
    std::vector<Variant> current(groupCount);
    std::vector<std::vector<double>> groupSums(groupCount, std::vector<double>(def_.totals.size(), 0.0));
    std::vector<long> groupCounts(groupCount, 0);
    std::vector<double> grandSums(def_.totals.size(), 0.0);
    long grandCount = 0;

    auto closeGroups = [&](size_t from) {
        for (size_t level = groupCount; level-- > from;) {
            if (!def_.totals.empty()) {
                for (auto& lines : totalLines(groupSums[level], groupCounts[level], int(level) * 2 + 2, false))
                    doc.body.push_back({lines});
            }
            doc.body.push_back({{ReportLine::blank()}});
            std::fill(groupSums[level].begin(), groupSums[level].end(), 0.0);
            groupCounts[level] = 0;
        }
    };

    bool first = true;
    for (const std::vector<Variant>& row : rows_) {
        ReportBlock block;
        size_t changed = groupCount;
        for (size_t level = 0; level < groupCount; ++level) {
            if (first || !sameGroup(current[level], valueAt(groups_[level], row))) {
                changed = level;
                break;
            }
        }
        if (changed < groupCount) {
            if (!first)
                closeGroups(changed);
            for (size_t level = changed; level < groupCount; ++level) {
                current[level] = valueAt(groups_[level], row);
                const GroupSpec& g = def_.groups[level];
                const QString text = expand(g.label, g.line) + shown(current[level], g.format);
                block.lines.push_back({ReportLine::Style::Heading,
                                       {{int(level) * 2, doc.columns - int(level) * 2, text, Align::Left}}});
            }
        }
        first = false;

        QStringList texts;
        for (size_t i = 0; i < def_.columns.size(); ++i)
            texts << shown(valueAt(columns_[i], row), def_.columns[i].format);
        if (list) {
            ReportLine line;
            static const QRegularExpression lineBreaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
            for (size_t i = 0; i < def_.columns.size(); ++i) {
                QString t = texts[int(i)];
                if (t.contains(u'\n') || t.contains(u'\r'))
                    t.replace(lineBreaks, QStringLiteral(" "));
                line.cells.push_back({xs[i], def_.columns[i].width, t, aligns[i]});
            }
            block.lines.push_back(line);
        } else {
            const int valueWidth = doc.columns - labelWidth;
            static const QRegularExpression paragraphBreak(QStringLiteral("\\r?\\n"));
            for (size_t i = 0; i < def_.columns.size(); ++i) {
                bool firstLine = true;
                const QStringList paragraphs = texts[int(i)].split(paragraphBreak);
                for (const QString& paragraph : paragraphs) {
                    QString rest = paragraph;
                    do {
                        QString chunk = rest.left(valueWidth);
                        if (rest.size() > valueWidth) {
                            const qsizetype space = chunk.lastIndexOf(u' ');
                            if (space > valueWidth / 2)
                                chunk = chunk.left(space);
                        }
                        rest = rest.mid(chunk.size()).trimmed();
                        ReportLine line;
                        if (firstLine)
                            line.cells.push_back({0, labelWidth, doc.headings[int(i)], Align::Left});
                        line.cells.push_back({labelWidth, valueWidth, chunk, Align::Left});
                        block.lines.push_back(line);
                        firstLine = false;
                    } while (!rest.isEmpty());
                }
            }
            block.lines.push_back(ReportLine::blank());
        }
        doc.body.push_back(std::move(block));
        doc.rows.push_back(texts);

        for (size_t t = 0; t < def_.totals.size(); ++t) {
            if (def_.totals[t].kind != TotalSpec::Kind::Sum)
                continue;
            const Variant v = valueAt(totals_[t], row);
            const double d = v.isNull() ? 0.0 : v.numberValue();
            grandSums[t] += d;
            for (auto& sums : groupSums)
                sums[t] += d;
        }
        ++grandCount;
        for (long& c : groupCounts)
            ++c;
    }

    if (rows_.empty()) {
        doc.body.push_back({{{ReportLine::Style::Normal, {{0, doc.columns, def_.emptyText, Align::Left}}}}});
    } else {
        closeGroups(0);
    }
    if (!def_.totals.empty()) {
        doc.body.push_back({{ReportLine::rule()}});
        for (auto& lines : totalLines(grandSums, grandCount, 0, true))
            doc.body.push_back({lines});
    }
    paginate(doc, furniture);
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
