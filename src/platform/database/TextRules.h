#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

struct sqlite3;

// How the engine compares texts: letter case never counts (accented capitals
// included), and LIKE patterns use * (any run), ? (one character), # (one
// digit), [abc], [a-z] and [!abc] (one character of, or not of, a set).
namespace vorna::db::text {

// Names registered on every connection; SQL written by other parts of the
// program (reports, schema steps) may use them too:
//   "NAME" COLLATE VORNA_NOCASE = ?      compare without letter case
//   VORNA_LIKE(pattern, value)            1 when value matches pattern; a
//                                         number as the runtime writes it ("1,5")
inline constexpr const char* CollationName = "VORNA_NOCASE";
inline constexpr const char* LikeFunctionName = "VORNA_LIKE";

// Registers both on the connection; SQLite's result code (SQLITE_OK).
// The same registration is built as the loadable extension libvorna_sqlite.
int registerOn(sqlite3* db);

// -1, 0 or 1, comparing two UTF-8 texts without letter case.
int compareNoCase(const char* a, int aLen, const char* b, int bLen);

// Trigram indexes (SQLite's FTS5 trigram tokenizer) fold letter case their own
// way. A character qualifies when every character this engine calls equal to it
// is also folded alike there: printable ASCII and the Latin-1 letters but ÿ.
bool trigramFoldsAlike(char32_t c);
// The longest run of qualifying characters a LIKE pattern requires in a row
// (no wildcard or set inside it), at least 3 of them and at most MaxTrigramRun,
// as one FTS5 phrase ("..." with a quote doubled); empty when there is none.
// Every value the pattern matches holds the phrase.
inline constexpr int MaxTrigramRun = 12;
QByteArray trigramPhrase(const QString& pattern);

class LikePattern {
public:
    // An unreadable pattern (an unclosed '[') gives !valid().
    explicit LikePattern(const QString& pattern);
    LikePattern(const char* utf8, int len);
    bool valid() const { return valid_; }
    bool matches(const char* utf8, int len) const;
    bool matches(const QString& s) const;

private:
    struct Token {
        enum Kind : unsigned char { Char, AnyRun, One, Digit, Set } kind;
        bool negated = false;
        char32_t ch = 0;      // Char: the folded character
        int setBegin = 0;     // Set: ranges [setBegin, setEnd) of ranges_
        int setEnd = 0;
    };
    void compile(const std::u32string& folded);
    bool matchFolded(const char32_t* s, size_t n) const;
    bool tokenMatches(const Token& t, char32_t c) const;

    std::vector<Token> tokens_;
    std::vector<std::pair<char32_t, char32_t>> ranges_;
    bool valid_ = true;
};

}  // namespace vorna::db::text
