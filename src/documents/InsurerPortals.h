#pragma once
#include <QString>
#include <map>
#include <optional>

// The insurers' broker portals. Which portal serves an insurer code, its scheme
// and its path are fixed; the host of each portal is installation configuration
// read from a text file beside the databases, one portal a line:
//
//   # portal  host                  [page identifier]
//   1         portal.example.com.br
//   14        corretor.example.com  0123456789abcdef0123456789abcdef
//
// Portal 14's path ends with its page identifier, which its line supplies.
namespace vorna::documents {

inline const QString InsurerPortalHostsFile = QStringLiteral("PORTAIS.TXT");

struct PortalHost {
    QString host;
    QString pageId;
};
using PortalHosts = std::map<int, PortalHost>;

// Reads the hosts file's text; lines that name no portal are skipped.
PortalHosts parsePortalHosts(const QString& text);
// The hosts file of the executable's folder; none when it is missing.
PortalHosts installedPortalHosts();

// The address of the portal for an insurer code; none for a code outside the
// table, or for a portal whose host (or page identifier) is not configured.
std::optional<QString> insurerPortalAddress(int insurerCode, const PortalHosts& hosts);

}  // namespace vorna::documents
