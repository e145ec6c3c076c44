#include "platform/database/CriteriaText.h"

#include "platform/runtime/Runtime.h"

namespace vorna::db {

namespace {

// Half of a UTF-16 pair would become '?' in UTF-8, a wildcard to LIKE: it
// becomes the replacement character instead, which no stored text holds.
QString wellFormed(const QString& text)
{
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out[i].isHighSurrogate() && i + 1 < out.size() && out[i + 1].isLowSurrogate())
            ++i;
        else if (out[i].isSurrogate())
            out[i] = QChar(QChar::ReplacementCharacter);
    }
    return out;
}

}  // namespace

QString quoted(const QString& text)
{
    QString inside = wellFormed(text);
    inside.replace(u'\'', QStringLiteral("''"));
    return u'\'' + inside + u'\'';
}

QString likeLiteral(const QString& text)
{
    QString literal;
    literal.reserve(text.size() + 8);
    for (QChar c : wellFormed(text)) {
        if (c == u'*' || c == u'?' || c == u'#' || c == u'[')
            literal += u'[' + QString(c) + u']';
        else
            literal += c;
    }
    return literal;
}

QString containsCriteria(const QString& field, const QString& text)
{
    return field + QStringLiteral(" LIKE ") + quoted(u'*' + likeLiteral(text) + u'*');
}

QString equalsCriteria(const QString& field, const QString& text)
{
    return field + QStringLiteral(" = ") + quoted(text);
}

std::optional<QString> wholeNumber(const QString& text)
{
    const QString digits = rt::Trim(text);
    if (digits.isEmpty())
        return std::nullopt;
    for (QChar c : digits)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return digits;
}

}  // namespace vorna::db
