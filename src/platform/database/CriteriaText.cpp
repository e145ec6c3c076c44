#include "platform/database/CriteriaText.h"

#include "platform/runtime/Runtime.h"

namespace vorna::db {

QString quoted(const QString& text)
{
    QString inside = text;
    inside.replace(u'\'', QStringLiteral("''"));
    return u'\'' + inside + u'\'';
}

QString likeLiteral(const QString& text)
{
    QString literal;
    literal.reserve(text.size() + 8);
    for (QChar c : text) {
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
