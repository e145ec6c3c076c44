#pragma once
#include <QString>
#include <QStringList>
#include <QUrl>
#include <ostream>

// Readable Qt values in GoogleTest's failure output.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '{';
    for (qsizetype i = 0; i < l.size(); ++i)
        *os << (i ? ", \"" : "\"") << l[i].toStdString() << '"';
    *os << '}';
}
inline void PrintTo(const QUrl& u, std::ostream* os) { *os << u.toString(QUrl::FullyEncoded).toStdString(); }
