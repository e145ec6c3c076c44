#pragma once
#include <QString>

namespace vorna {

// The folder of the executable: the databases and report files lie there.
QString appFolder();
// Puts another folder in its place (tests); an empty text restores the real one.
void setAppFolder(const QString& folder);
// A file of that folder. The name may come with the leading "\" the windows
// write before report file names ("\RELSEG.RPT").
QString appFilePath(const QString& fileName);

}  // namespace vorna
