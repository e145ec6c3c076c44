#include "platform/report/ReportDefinition.h"

#include <QRegularExpression>
#include <QStringList>

namespace vorna::report {

DefinitionError::DefinitionError(int line, const QString& message)
    : std::runtime_error(message.toStdString()), line_(line), message_(message)
{
}

int pageColumns(Orientation o) { return o == Orientation::Portrait ? 96 : 136; }
int pageLines(Orientation o) { return o == Orientation::Portrait ? 72 : 48; }

namespace {

// The words after a key word: quoted texts, {references} and plain words.
struct Item {
    enum class Type { Word, Quoted, Reference };
    Type type;
    QString text;
};

std::vector<Item> splitItems(const QString& rest, int line)
{
    std::vector<Item> out;
    qsizetype i = 0;
    const qsizetype n = rest.size();
    while (i < n) {
        if (rest[i].isSpace()) {
            ++i;
            continue;
        }
        if (rest[i] == u'"') {
            QString value;
            qsizetype j = i + 1;
            bool closed = false;
            while (j < n) {
                if (rest[j] == u'"') {
                    if (j + 1 < n && rest[j + 1] == u'"') {
                        value += u'"';
                        j += 2;
                        continue;
                    }
                    closed = true;
                    break;
                }
                value += rest[j++];
            }
            if (!closed)
                throw DefinitionError(line, QStringLiteral("texto sem aspas de fechamento"));
            out.push_back({Item::Type::Quoted, value});
            i = j + 1;
        } else if (rest[i] == u'{') {
            const qsizetype close = rest.indexOf(u'}', i);
            if (close < 0)
                throw DefinitionError(line, QStringLiteral("falta a chave de fechamento \"}\""));
            out.push_back({Item::Type::Reference, rest.mid(i, close - i + 1)});
            i = close + 1;
        } else {
            qsizetype j = i;
            while (j < n && !rest[j].isSpace() && rest[j] != u'"' && rest[j] != u'{')
                ++j;
            out.push_back({Item::Type::Word, rest.mid(i, j - i)});
            i = j;
        }
    }
    return out;
}

bool isWord(const Item& item, const char* word)
{
    return item.type == Item::Type::Word && item.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

Formula formulaAt(const QString& text, int line)
{
    try {
        Formula f = parseFormula(text);
        if (!f)
            throw DefinitionError(line, QStringLiteral("falta a fórmula"));
        return f;
    } catch (const FormulaError& e) {
        throw DefinitionError(line, e.message());
    }
}

// Reads the attributes that follow a reference: a quoted label and options.
struct Attributes {
    QString label;
    bool hasLabel = false;
    int width = 0;
    QString format;
    std::optional<Align> align;
    std::optional<bool> descending;
};

Attributes readAttributes(const std::vector<Item>& items, size_t from, int line, const QStringList& allowed)
{
    Attributes a;
    auto allow = [&](const char* word, const Item& item) {
        if (!allowed.contains(QLatin1String(word)))
            throw DefinitionError(line, QStringLiteral("\"%1\" não cabe nesta linha").arg(item.text));
    };
    for (size_t i = from; i < items.size(); ++i) {
        const Item& it = items[i];
        if (it.type == Item::Type::Quoted && !a.hasLabel && allowed.contains(QLatin1String("label"))) {
            a.label = it.text;
            a.hasLabel = true;
        } else if (isWord(it, "WIDTH")) {
            allow("WIDTH", it);
            bool ok = false;
            if (i + 1 < items.size())
                a.width = items[i + 1].text.toInt(&ok);
            if (!ok || a.width <= 0)
                throw DefinitionError(line, QStringLiteral("WIDTH pede um número de caracteres"));
            ++i;
        } else if (isWord(it, "FORMAT")) {
            allow("FORMAT", it);
            if (i + 1 >= items.size() || items[i + 1].type != Item::Type::Quoted)
                throw DefinitionError(line, QStringLiteral("FORMAT pede um texto entre aspas"));
            a.format = items[++i].text;
        } else if (isWord(it, "LEFT") || isWord(it, "RIGHT") || isWord(it, "CENTER")) {
            allow("ALIGN", it);
            a.align = isWord(it, "LEFT") ? Align::Left : isWord(it, "RIGHT") ? Align::Right : Align::Center;
        } else if (isWord(it, "ASC") || isWord(it, "DESC")) {
            allow("ORDER", it);
            a.descending = isWord(it, "DESC");
        } else {
            throw DefinitionError(line, QStringLiteral("não entendi \"%1\"").arg(it.text));
        }
    }
    return a;
}

Formula referenceAt(const std::vector<Item>& items, size_t index, int line, const QString& keyword)
{
    if (index >= items.size() || items[index].type != Item::Type::Reference)
        throw DefinitionError(line, QStringLiteral("%1 pede um campo {TABELA.CAMPO} ou uma fórmula {@NOME}").arg(keyword));
    return formulaAt(items[index].text, line);
}

bool isName(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (!c.isLetterOrNumber() && c != u'_')
            return false;
    return true;
}

}  // namespace

ReportDefinition ReportDefinition::parse(const QString& text)
{
    ReportDefinition d;
    bool sawFields = false;
    bool sawColumns = false;
    const QStringList lines = text.split(u'\n');
    for (int index = 0; index < lines.size(); ++index) {
        const int line = index + 1;
        const QString raw = lines[index].trimmed();
        if (raw.isEmpty() || raw.startsWith(u'#'))
            continue;
        const qsizetype blank = raw.indexOf(QRegularExpression(QStringLiteral("\\s")));
        const QString keyword = (blank < 0 ? raw : raw.left(blank)).toUpper();
        const QString rest = blank < 0 ? QString() : raw.mid(blank + 1).trimmed();
        auto items = [&] { return splitItems(rest, line); };
        auto single = [&](const char* what) {
            const auto its = items();
            if (its.size() != 1)
                throw DefinitionError(line, QStringLiteral("%1 pede um só valor").arg(QLatin1String(what)));
            return its[0];
        };

        if (keyword == u"TITLE" || keyword == u"SUBTITLE" || keyword == u"EMPTY") {
            const Item it = single(qPrintable(keyword));
            if (it.type != Item::Type::Quoted)
                throw DefinitionError(line, QStringLiteral("%1 pede um texto entre aspas").arg(keyword));
            (keyword == u"TITLE" ? d.title : keyword == u"SUBTITLE" ? d.subtitle : d.emptyText) = it.text;
        } else if (keyword == u"ORIENTATION") {
            const Item it = single("ORIENTATION");
            if (isWord(it, "PORTRAIT"))
                d.orientation = Orientation::Portrait;
            else if (isWord(it, "LANDSCAPE"))
                d.orientation = Orientation::Landscape;
            else
                throw DefinitionError(line, QStringLiteral("ORIENTATION é PORTRAIT ou LANDSCAPE"));
        } else if (keyword == u"LAYOUT") {
            const Item it = single("LAYOUT");
            if (isWord(it, "LIST"))
                d.layout = Layout::List;
            else if (isWord(it, "SHEET"))
                d.layout = Layout::Sheet;
            else
                throw DefinitionError(line, QStringLiteral("LAYOUT é LIST ou SHEET"));
        } else if (keyword == u"DATABASE") {
            const Item it = single("DATABASE");
            if (it.text.contains(u'/') || it.text.contains(u'\\'))
                throw DefinitionError(line, QStringLiteral("DATABASE é o nome de um arquivo da pasta do relatório"));
            d.database = it.text;
        } else if (keyword == u"FROM") {
            const Item it = single("FROM");
            if (!d.table.isEmpty())
                throw DefinitionError(line, QStringLiteral("FROM aparece mais de uma vez"));
            d.table = it.text;
        } else if (keyword == u"JOIN") {
            JoinSpec j;
            j.line = line;
            QString r = rest;
            if (r.startsWith(QLatin1String("LEFT "), Qt::CaseInsensitive)) {
                j.outer = true;
                r = r.mid(5).trimmed();
            }
            const qsizetype on = r.indexOf(QRegularExpression(QStringLiteral("\\s+ON\\s+"),
                                                              QRegularExpression::CaseInsensitiveOption));
            if (on < 0)
                throw DefinitionError(line, QStringLiteral("JOIN pede \"TABELA ON condição\""));
            j.table = r.left(on).trimmed();
            j.on = formulaAt(r.mid(on).trimmed().mid(2), line);
            if (!isName(j.table))
                throw DefinitionError(line, QStringLiteral("nome de tabela mal escrito: %1").arg(j.table));
            d.joins.push_back(j);
        } else if (keyword == u"SELECT") {
            if (d.selection)
                throw DefinitionError(line, QStringLiteral("SELECT aparece mais de uma vez"));
            d.selection = formulaAt(rest, line);
            d.selectionLine = line;
        } else if (keyword == u"FORMULA") {
            FormulaAssignment a;
            try {
                a = parseAssignment(rest);
            } catch (const FormulaError& e) {
                throw DefinitionError(line, e.message());
            }
            if (d.formula(a.name))
                throw DefinitionError(line, QStringLiteral("a fórmula %1 já foi declarada").arg(a.name));
            d.formulas.push_back({a.name, a.value, line});
        } else if (keyword == u"SORT") {
            const auto its = items();
            SortSpec s;
            s.line = line;
            s.key = referenceAt(its, 0, line, keyword);
            s.descending = readAttributes(its, 1, line, {QStringLiteral("ORDER")}).descending.value_or(false);
            d.sorts.push_back(s);
        } else if (keyword == u"GROUP") {
            const auto its = items();
            GroupSpec g;
            g.line = line;
            g.key = referenceAt(its, 0, line, keyword);
            const Attributes a = readAttributes(its, 1, line, {QStringLiteral("label"), QStringLiteral("FORMAT")});
            g.label = a.label;
            g.format = a.format;
            d.groups.push_back(g);
        } else if (keyword == u"COLUMN" || keyword == u"FIELD") {
            const auto its = items();
            ColumnSpec c;
            c.line = line;
            c.value = referenceAt(its, 0, line, keyword);
            const bool column = keyword == u"COLUMN";
            QStringList allowed{QStringLiteral("label"), QStringLiteral("FORMAT")};
            if (column)
                allowed << QStringLiteral("WIDTH") << QStringLiteral("ALIGN");
            const Attributes a = readAttributes(its, 1, line, allowed);
            c.heading = a.label;
            c.format = a.format;
            c.align = a.align;
            c.width = column ? (a.width ? a.width : std::max<int>(8, int(c.heading.size()))) : 0;
            (column ? sawColumns : sawFields) = true;
            d.columns.push_back(c);
        } else if (keyword == u"TOTAL") {
            const auto its = items();
            TotalSpec t;
            t.line = line;
            size_t next = 1;
            if (!its.empty() && isWord(its[0], "COUNT")) {
                t.kind = TotalSpec::Kind::Count;
            } else if (!its.empty() && isWord(its[0], "SUM")) {
                t.kind = TotalSpec::Kind::Sum;
                t.value = referenceAt(its, 1, line, QStringLiteral("TOTAL SUM"));
                next = 2;
            } else {
                throw DefinitionError(line, QStringLiteral("TOTAL é COUNT ou SUM {TABELA.CAMPO}"));
            }
            const Attributes a = readAttributes(its, next, line, {QStringLiteral("label"), QStringLiteral("FORMAT")});
            t.label = a.label;
            t.format = a.format;
            d.totals.push_back(t);
        } else {
            throw DefinitionError(line, QStringLiteral("palavra-chave desconhecida: %1").arg(keyword));
        }
    }

    if (d.table.isEmpty())
        throw DefinitionError(0, QStringLiteral("falta a tabela do relatório (FROM)"));
    if (!isName(d.table))
        throw DefinitionError(0, QStringLiteral("nome de tabela mal escrito: %1").arg(d.table));
    if (d.columns.empty())
        throw DefinitionError(0, QStringLiteral("o relatório não mostra nenhum campo (COLUMN ou FIELD)"));
    if (d.layout == Layout::List && sawFields)
        throw DefinitionError(0, QStringLiteral("FIELD é para LAYOUT SHEET; numa lista use COLUMN"));
    if (d.layout == Layout::Sheet && sawColumns)
        throw DefinitionError(0, QStringLiteral("COLUMN é para LAYOUT LIST; numa ficha use FIELD"));
    if (d.layout == Layout::List) {
        int used = -1;
        for (const ColumnSpec& c : d.columns)
            used += c.width + 1;
        if (used > pageColumns(d.orientation))
            throw DefinitionError(0, QStringLiteral("as colunas somam %1 caracteres e a página tem %2")
                                         .arg(used)
                                         .arg(pageColumns(d.orientation)));
    }
    return d;
}

std::vector<QString> ReportDefinition::tables() const
{
    std::vector<QString> out{table};
    for (const JoinSpec& j : joins)
        out.push_back(j.table);
    return out;
}

const NamedFormulaSpec* ReportDefinition::formula(const QString& name) const
{
    for (const NamedFormulaSpec& f : formulas)
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

}  // namespace vorna::report
