#include "support/FakeDesktop.h"

namespace vorna::test {

QStringList FakeDesktop::asked() const
{
    QStringList out;
    for (const desk::Launch& l : launches)
        out << l.asked;
    return out;
}

bool FakeDesktop::openUrl(const QUrl& url)
{
    openedUrls.push_back(url);
    return succeed;
}

bool FakeDesktop::startProgram(const QString& program, const QStringList& arguments)
{
    startedPrograms.push_back(QStringList{program} + arguments);
    return succeed;
}

bool FakeDesktop::launch(const desk::Launch& request)
{
    launches.push_back(request);
    return succeed;
}

}  // namespace vorna::test
