#include "platform/report/ReportPager.h"

#include "platform/report/ReportDocument.h"
#include "platform/runtime/Runtime.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <cmath>

namespace vorna::report {

QString plainText(const Variant& v)
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

QString shownValue(const Variant& v, const QString& format)
{
    if (v.isNull() || v.isEmpty())
        return {};
    if (format.isEmpty() || v.type() == Variant::Type::Boolean)
        return plainText(v);
    return rt::Format(v, format);
}

namespace {

bool sameGroup(const Variant& a, const Variant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    if (a.isString() || b.isString())
        return a.isString() && b.isString() && a.stringValue().compare(b.stringValue(), Qt::CaseInsensitive) == 0;
    return a.numberValue() == b.numberValue();
}

const Variant& valueAt(const ValueRef& r, const Variant* row)
{
    return r.constant ? r.value : row[r.column];
}

bool isBlank(const ReportLine& line) { return line.style == ReportLine::Style::Normal && line.cells.empty(); }

}  // namespace

struct ReportPager::State {
    std::vector<Variant> current;                  // each group level's value
    std::vector<std::vector<double>> groupSums;    // per level, per total
    std::vector<long> groupCounts;
    std::vector<double> grandSums;
    long grandCount = 0;
    bool first = true;
    bool finished = false;
};

struct ReportPager::Checkpoint {
    KeyedReader::Position before;   // the reading before the step the page starts in
    State state;                    // the totals before that step
    int block = 0;                  // where in the step's blocks the page starts
    int line = 0;
};

// The body in order, one step per row (its group ends and headings, its
// lines) and a last step for the report's end.
class ReportPager::Steps {
public:
    Steps(const LayoutPlan& plan, KeyedReader& reader, std::vector<std::pair<QString, QString>>& totals)
        : plan_(plan), reader_(reader), totals_(totals)
    {
        const size_t levels = plan.groups.size();
        state.current.resize(levels);
        state.groupSums.assign(levels, std::vector<double>(plan.totals.size(), 0.0));
        state.groupCounts.assign(levels, 0);
        state.grandSums.assign(plan.totals.size(), 0.0);
    }

    // Runs the next step into out; false when the end has been laid out.
    bool step();
    void restore(const Checkpoint& c)
    {
        state = c.state;
        reader_.seek(c.before);
        step();
        block = size_t(c.block);
        line = c.line;
    }
    Checkpoint here() const { return {before, stateBefore, int(block), line}; }

    bool withText = true;
    bool textOut = true;     // out was laid out with its texts
    State state;
    std::vector<ReportBlock> out;
    size_t block = 0;
    int line = 0;

private:
    void rowStep(const Variant* row);
    void closeGroups(size_t from);
    void totalLines(const std::vector<double>& sums, long count, int indent, bool isGrand);

    const LayoutPlan& plan_;
    KeyedReader& reader_;
    std::vector<std::pair<QString, QString>>& totals_;
    KeyedReader::Position before;
    State stateBefore;
};

bool ReportPager::Steps::step()
{
    if (state.finished)
        return false;
    before = reader_.position();
    stateBefore = state;
    out.clear();
    block = 0;
    line = 0;
    textOut = withText || !plan_.list;
    if (const Variant* row = reader_.next()) {
        rowStep(row);
        return true;
    }
    if (state.first)
        out.push_back({{{ReportLine::Style::Normal, {{0, plan_.columns, plan_.emptyText, Align::Left}}}}});
    else
        closeGroups(0);
    if (!plan_.totals.empty()) {
        totals_.clear();
        out.push_back({{ReportLine::rule()}});
        totalLines(state.grandSums, state.grandCount, 0, true);
    }
    state.finished = true;
    return true;
}

void ReportPager::Steps::totalLines(const std::vector<double>& sums, long count, int indent, bool isGrand)
{
    const int width = plan_.columns;
    for (size_t i = 0; i < plan_.totals.size(); ++i) {
        const LayoutPlan::Total& t = plan_.totals[i];
        const QString value = t.sum ? shownValue(Variant(sums[i]), t.format.isEmpty() ? QStringLiteral("#,##0.00") : t.format)
                                    : shownValue(Variant(int(count)), t.format);
        if (isGrand)
            totals_.emplace_back(t.label, value);
        ReportLine line;
        // A sum stands under its column when the list shows that field.
        int under = -1;
        if (plan_.list && t.sum)
            for (size_t c = 0; c < plan_.cols.size(); ++c)
                if (plan_.cols[c].formulaText == t.formulaText && plan_.cols[c].x > indent + int(t.label.size()))
                    under = int(c);
        if (under >= 0) {
            const LayoutPlan::Column& col = plan_.cols[size_t(under)];
            line.cells.push_back({indent, col.x - indent - 1, t.label, Align::Left});
            line.cells.push_back({col.x, col.width, value, Align::Right});
        } else {
            line.cells.push_back({indent, width - indent, t.label.isEmpty() ? value : t.label + u' ' + value, Align::Left});
        }
        out.push_back({{line}});
    }
}

void ReportPager::Steps::closeGroups(size_t from)
{
    for (size_t level = plan_.groups.size(); level-- > from;) {
        if (!plan_.totals.empty())
            totalLines(state.groupSums[level], state.groupCounts[level], int(level) * 2 + 2, false);
        out.push_back({{ReportLine::blank()}});
        std::fill(state.groupSums[level].begin(), state.groupSums[level].end(), 0.0);
        state.groupCounts[level] = 0;
    }
}

void ReportPager::Steps::rowStep(const Variant* row)
{
    const size_t groupCount = plan_.groups.size();
    ReportBlock rowBlock;
    size_t changed = groupCount;
    for (size_t level = 0; level < groupCount; ++level) {
        if (state.first || !sameGroup(state.current[level], valueAt(plan_.groups[level].key, row))) {
            changed = level;
            break;
        }
    }
    if (changed < groupCount) {
        if (!state.first)
            closeGroups(changed);
        for (size_t level = changed; level < groupCount; ++level) {
            const LayoutPlan::Group& g = plan_.groups[level];
            state.current[level] = valueAt(g.key, row);
            rowBlock.lines.push_back({ReportLine::Style::Heading,
                                      {{int(level) * 2, plan_.columns - int(level) * 2,
                                        g.label + shownValue(state.current[level], g.format), Align::Left}}});
        }
    }
    state.first = false;

    if (plan_.list && !withText) {
        // Counting pages: a row of a list is one line whatever it shows.
        static const ReportLine counted{ReportLine::Style::Normal, {{0, 0, QString(), Align::Left}}};
        rowBlock.lines.push_back(counted);
    } else if (plan_.list) {
        ReportLine line;
        line.cells.reserve(plan_.cols.size());
        static const QRegularExpression lineBreaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
        for (const LayoutPlan::Column& c : plan_.cols) {
            QString t = shownValue(valueAt(c.value, row), c.format);
            if (t.contains(u'\n') || t.contains(u'\r'))
                t.replace(lineBreaks, QStringLiteral(" "));
            line.cells.push_back({c.x, c.width, t, c.align});
        }
        rowBlock.lines.push_back(std::move(line));
    } else {
        const int valueWidth = plan_.columns - plan_.labelWidth;
        static const QRegularExpression paragraphBreak(QStringLiteral("\\r?\\n"));
        for (const LayoutPlan::Column& c : plan_.cols) {
            bool firstLine = true;
            const QStringList paragraphs = shownValue(valueAt(c.value, row), c.format).split(paragraphBreak);
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
                        line.cells.push_back({0, plan_.labelWidth, c.heading, Align::Left});
                    line.cells.push_back({plan_.labelWidth, valueWidth, chunk, Align::Left});
                    rowBlock.lines.push_back(line);
                    firstLine = false;
                } while (!rest.isEmpty());
            }
        }
        rowBlock.lines.push_back(ReportLine::blank());
    }
    out.push_back(std::move(rowBlock));

    for (size_t t = 0; t < plan_.totals.size(); ++t) {
        if (!plan_.totals[t].sum)
            continue;
        const Variant& v = valueAt(plan_.totals[t].value, row);
        const double d = v.isNull() ? 0.0 : v.numberValue();
        state.grandSums[t] += d;
        for (auto& sums : state.groupSums)
            sums[t] += d;
    }
    ++state.grandCount;
    for (long& c : state.groupCounts)
        ++c;
}

ReportPager::ReportPager(LayoutPlan plan, std::unique_ptr<KeyedReader> reader)
    : plan_(std::move(plan)), reader_(std::move(reader))
{
    steps_ = std::make_unique<Steps>(plan_, *reader_, totals_);
    checkpoints_.push_back({{}, steps_->state, 0, 0});
}

ReportPager::~ReportPager() = default;

int ReportPager::pagesKnown() const { return int(checkpoints_.size()); }

void ReportPager::restore(int page, bool keepText)
{
    steps_->withText = keepText;
    steps_->restore(checkpoints_[size_t(page)]);
    live_ = page;
}

void ReportPager::layOutPage(bool keepText)
{
    const int page = live_;
    Steps& s = *steps_;
    s.withText = keepText;
    // Blocks left from counting pages hold no text: lay that step out again.
    if (keepText && !s.textOut)
        s.restore(checkpoints_[size_t(page)]);
    if (keepText)
        cached_.clear();
    const int capacity = plan_.capacity;
    int used = 0;
    auto nextPage = [&] {
        if (page + 1 == int(checkpoints_.size()))
            checkpoints_.push_back(s.here());
        live_ = page + 1;
    };
    for (;;) {
        while (s.block >= s.out.size()) {
            if (!s.step()) {
                complete_ = true;
                live_ = -1;
                return;
            }
        }
        const ReportBlock& b = s.out[s.block];
        const int size = int(b.lines.size());
        // A block that fits on a page starts a new one rather than break.
        if (s.line == 0 && size > capacity - used && size <= capacity && used > 0)
            return nextPage();
        for (; s.line < size; ++s.line) {
            if (used >= capacity)
                return nextPage();
            const ReportLine& line = b.lines[size_t(s.line)];
            // A blank line opening a page only pushes the page down.
            if (used == 0 && isBlank(line))
                continue;
            if (keepText)
                cached_.push_back(line);
            ++used;
        }
        ++s.block;
        s.line = 0;
    }
}

const std::vector<ReportLine>& ReportPager::pageBody(int page)
{
    if (page == cachedPage_)
        return cached_;
    while (page >= pagesKnown() && !complete_)
        countAhead(0);
    page = std::clamp(page, 0, pagesKnown() - 1);
    cachedPage_ = -1;
    if (live_ != page)
        restore(page, true);
    layOutPage(true);
    cachedPage_ = page;
    return cached_;
}

bool ReportPager::countAhead(qint64 budgetMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!complete_) {
        const int last = pagesKnown() - 1;
        if (live_ != last)
            restore(last, false);
        layOutPage(false);
        if (budgetMs >= 0 && clock.elapsed() >= budgetMs)
            break;
    }
    return complete_;
}

int ReportPager::pageCount()
{
    countAhead(-1);
    return pagesKnown();
}

const std::vector<std::pair<QString, QString>>& ReportPager::totals()
{
    countAhead(-1);
    return totals_;
}

void ReportPager::forEachBodyLine(const std::function<void(const ReportLine&)>& take)
{
    live_ = -1;
    reader_->seek({});
    std::vector<std::pair<QString, QString>> totals;
    Steps steps(plan_, *reader_, totals);
    while (steps.step())
        for (const ReportBlock& b : steps.out)
            for (const ReportLine& l : b.lines)
                take(l);
}

std::vector<QStringList> ReportPager::rowTexts()
{
    live_ = -1;
    reader_->seek({});
    std::vector<QStringList> rows;
    while (const Variant* row = reader_->next()) {
        QStringList texts;
        for (const LayoutPlan::Column& c : plan_.cols)
            texts << shownValue(valueAt(c.value, row), c.format);
        rows.push_back(std::move(texts));
    }
    return rows;
}

}  // namespace vorna::report
