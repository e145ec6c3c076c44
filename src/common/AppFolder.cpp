#include "common/AppFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace vorna {

namespace {
QString& overriddenFolder()
{
    static QString folder;
    return folder;
}
}  // namespace

QString appFolder()
{
    const QString& folder = overriddenFolder();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void setAppFolder(const QString& folder) { overriddenFolder() = folder; }

QString appFilePath(const QString& fileName)
{
    QString name = fileName;
    while (name.startsWith(u'\\') || name.startsWith(u'/'))
        name.remove(0, 1);
    return QDir(appFolder()).filePath(name);
}

}  // namespace vorna
