#include "Mutator.h"

#include <cmath>
#include <limits>

namespace fuzz {

namespace {
constexpr qsizetype kMaxLength = 600;
constexpr qsizetype kMaxPool = 400;
}  // namespace

QChar Mutator::randomChar() {
    static const char16_t odd[] = {u'\0', u'\t', u'\n', u'ç', u'ã', u'é', u'\u00a0', u'\u2028',
                                   u'\uffff', char16_t(0xd800), char16_t(0xdc00), u'\u00bf'};
    if (below(8) == 0) return QChar(odd[below(int(std::size(odd)))]);
    return QChar(char16_t(0x20 + below(0x5f)));
}

QString Mutator::next() {
    QString s = pool_.isEmpty() ? QString() : pool_[below(int(pool_.size()))];
    const int edits = 1 + below(4);
    for (int e = 0; e < edits; ++e) {
        const int at = below(int(s.size()) + 1);
        switch (below(7)) {
        case 0: s.insert(at, randomChar()); break;
        case 1:
            if (!tokens_.isEmpty()) s.insert(at, tokens_[below(int(tokens_.size()))]);
            break;
        case 2: s.remove(at, 1 + below(8)); break;
        case 3:
            if (at < s.size()) s[at] = randomChar();
            break;
        case 4: {   // repeat a slice: long runs of one construct
            const QString slice = s.mid(at, 1 + below(12));
            const int times = 1 + below(30);
            for (int t = 0; t < times; ++t) s.insert(at, slice);
            break;
        }
        case 5: {   // splice with another text of the pool
            const QString& other = pool_.isEmpty() ? s : pool_[below(int(pool_.size()))];
            const int from = below(int(other.size()) + 1);
            s = s.left(at) + other.mid(from);
            break;
        }
        default: s.truncate(at); break;
        }
    }
    if (s.size() > kMaxLength) s.truncate(kMaxLength);
    return s;
}

void Mutator::keep(const QString& text) {
    if (pool_.size() < kMaxPool) pool_ << text;
    else pool_[below(int(pool_.size()))] = text;
}

double Mutator::number() {
    static const double edges[] = {0, -0.0, 1, -1, 0.5, 2958465.999994, 2958466, -657434,
                                   -657435, 3000000, 1e15, -1e15, 1e300, -1e300, 4.9e-324,
                                   std::numeric_limits<double>::max(),
                                   -std::numeric_limits<double>::max(),
                                   std::numeric_limits<double>::infinity(),
                                   -std::numeric_limits<double>::infinity(),
                                   std::numeric_limits<double>::quiet_NaN(),
                                   2147483647.5, -2147483648.5, 32767.5, 922337203685477.5808};
    if (below(2) == 0) return edges[below(int(std::size(edges)))];
    std::uniform_real_distribution<double> exponent(-20, 20);
    return (below(2) ? 1 : -1) * std::pow(10.0, exponent(rng_));
}

void run(Mutator& m, int iterations, const std::function<bool(const QString&)>& read) {
    for (int i = 0; i < iterations; ++i) {
        const QString text = m.next();
        if (read(text)) m.keep(text);
    }
}

QString shown(const QString& text) {
    return text.size() <= 200 ? text : text.left(200) + QStringLiteral("… (%1 characters)").arg(text.size());
}

}  // namespace fuzz
