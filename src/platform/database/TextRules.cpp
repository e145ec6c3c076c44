#include "platform/database/TextRules.h"

#include <QChar>
#include <algorithm>
#include <string>

namespace vorna::db::text {

namespace {

inline char32_t fold(char32_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

// Next code point of a UTF-8 text; a stray byte counts as itself (Latin-1), so a
// badly encoded text still compares consistently.
inline char32_t nextCodePoint(const unsigned char*& p, const unsigned char* end) {
    const unsigned char b = *p++;
    if (b < 0x80) return b;
    int extra;
    char32_t c;
    if ((b & 0xE0) == 0xC0) { extra = 1; c = b & 0x1F; }
    else if ((b & 0xF0) == 0xE0) { extra = 2; c = b & 0x0F; }
    else if ((b & 0xF8) == 0xF0) { extra = 3; c = b & 0x07; }
    else return b;
    if (end - p < extra) return b;
    for (int i = 0; i < extra; ++i) {
        if ((p[i] & 0xC0) != 0x80) return b;
        c = (c << 6) | (p[i] & 0x3F);
    }
    p += extra;
    return c;
}

void foldInto(const char* utf8, int len, std::u32string& out) {
    out.clear();
    auto p = reinterpret_cast<const unsigned char*>(utf8);
    const auto end = p + len;
    while (p < end) out.push_back(fold(nextCodePoint(p, end)));
}

}  // namespace

int compareNoCase(const char* a, int aLen, const char* b, int bLen) {
    auto pa = reinterpret_cast<const unsigned char*>(a);
    auto pb = reinterpret_cast<const unsigned char*>(b);
    const auto ea = pa + aLen;
    const auto eb = pb + bLen;
    while (pa < ea && pb < eb) {
        char32_t ca, cb;
        if (*pa < 0x80 && *pb < 0x80) {
            ca = fold(*pa++);
            cb = fold(*pb++);
        } else {
            ca = fold(nextCodePoint(pa, ea));
            cb = fold(nextCodePoint(pb, eb));
        }
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (pa < ea) return 1;
    if (pb < eb) return -1;
    return 0;
}

bool trigramFoldsAlike(char32_t c) {
    return (c >= 0x20 && c <= 0x7E) || (c >= 0xC0 && c <= 0xFE && c != 0xD7 && c != 0xF7);
}

QByteArray trigramPhrase(const QString& pattern) {
    const std::u32string p = pattern.toStdU32String();
    size_t best = 0, bestLength = 0, start = 0;
    for (size_t i = 0; i <= p.size(); ++i) {
        const bool literal = i < p.size() && p[i] != '*' && p[i] != '?' && p[i] != '#' && p[i] != '[' &&
                             trigramFoldsAlike(p[i]);
        if (literal) continue;
        if (i - start > bestLength) {
            best = start;
            bestLength = i - start;
        }
        if (i < p.size() && p[i] == '[') {
            // A set: up to its closing bracket, as LikePattern reads it.
            const size_t close = p.find(U']', i + 1);
            if (close == std::u32string::npos) return {};
            i = close;
        }
        start = i + 1;
    }
    if (bestLength < 3) return {};
    QString run = QString::fromUcs4(p.data() + best, qsizetype(std::min<size_t>(bestLength, MaxTrigramRun)));
    run.replace(u'"', QStringLiteral("\"\""));
    return '"' + run.toUtf8() + '"';
}

LikePattern::LikePattern(const QString& pattern) {
    const QByteArray utf8 = pattern.toUtf8();
    std::u32string folded;
    foldInto(utf8.constData(), int(utf8.size()), folded);
    compile(folded);
}

LikePattern::LikePattern(const char* utf8, int len) {
    std::u32string folded;
    foldInto(utf8, len, folded);
    compile(folded);
}

void LikePattern::compile(const std::u32string& p) {
    for (size_t i = 0; i < p.size(); ++i) {
        const char32_t c = p[i];
        Token t{Token::Char};
        if (c == '*') {
            if (!tokens_.empty() && tokens_.back().kind == Token::AnyRun) continue;
            t.kind = Token::AnyRun;
        } else if (c == '?') {
            t.kind = Token::One;
        } else if (c == '#') {
            t.kind = Token::Digit;
        } else if (c == '[') {
            const size_t close = p.find(U']', i + 1);
            if (close == std::u32string::npos) {
                valid_ = false;
                return;
            }
            size_t j = i + 1;
            if (j + 1 < close && p[j] == '!') {
                t.negated = true;
                ++j;
            }
            t.kind = Token::Set;
            t.setBegin = int(ranges_.size());
            for (; j < close; ++j) {
                if (j + 2 < close && p[j + 1] == '-') {
                    char32_t lo = p[j], hi = p[j + 2];
                    if (hi < lo) {
                        valid_ = false;
                        return;
                    }
                    ranges_.emplace_back(lo, hi);
                    j += 2;
                } else {
                    ranges_.emplace_back(p[j], p[j]);
                }
            }
            t.setEnd = int(ranges_.size());
            i = close;
            if (t.setBegin == t.setEnd && !t.negated) continue;   // "[]" stands for nothing
        } else {
            t.ch = c;
        }
        tokens_.push_back(t);
    }
}

bool LikePattern::tokenMatches(const Token& t, char32_t c) const {
    switch (t.kind) {
    case Token::Char: return c == t.ch;
    case Token::One: return true;
    case Token::Digit: return c >= '0' && c <= '9';
    case Token::Set: {
        bool in = false;
        for (int k = t.setBegin; k < t.setEnd && !in; ++k)
            in = c >= ranges_[k].first && c <= ranges_[k].second;
        return in != t.negated;
    }
    case Token::AnyRun: return false;
    }
    return false;
}

bool LikePattern::matchFolded(const char32_t* s, size_t n) const {
    if (!valid_) return false;
    const size_t m = tokens_.size();
    size_t p = 0, i = 0;
    size_t starP = SIZE_MAX, starI = 0;
    // Single-character tokens and runs: the classic backtrack to the last run.
    while (i < n) {
        if (p < m && tokens_[p].kind == Token::AnyRun) {
            starP = p++;
            starI = i;
        } else if (p < m && tokenMatches(tokens_[p], s[i])) {
            ++p;
            ++i;
        } else if (starP != SIZE_MAX) {
            p = starP + 1;
            i = ++starI;
        } else {
            return false;
        }
    }
    while (p < m && tokens_[p].kind == Token::AnyRun) ++p;
    return p == m;
}

bool LikePattern::matches(const char* utf8, int len) const {
    thread_local std::u32string buffer;
    foldInto(utf8, len, buffer);
    return matchFolded(buffer.data(), buffer.size());
}

bool LikePattern::matches(const QString& s) const {
    const QByteArray utf8 = s.toUtf8();
    return matches(utf8.constData(), int(utf8.size()));
}

}  // namespace vorna::db::text
