#pragma once
#include "platform/desktop/Desktop.h"

#include <QStringList>
#include <vector>

namespace vorna::test {

// Records every launch instead of starting anything.
class FakeDesktop : public desk::DesktopService {
public:
    std::vector<desk::Launch> launches;
    // Direct uses of the primitives, outside a launch.
    std::vector<QUrl> openedUrls;
    std::vector<QStringList> startedPrograms;  // program first, then its arguments
    // What the fake reports back; the program must not depend on it.
    bool succeed = true;

    // The command lines and shell targets asked for, in order.
    QStringList asked() const;

    bool openUrl(const QUrl& url) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool launch(const desk::Launch& request) override;
};

}  // namespace vorna::test
