#include "documents/InsurerPortals.h"

#include "common/AppFolder.h"

#include <QFile>
#include <QRegularExpression>

namespace vorna::documents {

namespace {

struct PortalRow {
    int insurerCode;
    int portal;
    bool secure;
    const char* path;  // after the host; portal 14 adds its page identifier
};

// Searched in this order; several codes share a portal.
constexpr PortalRow InsurerPortalAddresses[] = {
    {5321, 1, true, "/operacional/appmanager/portais/login?_nfls=false"},
    {6467, 2, true, "/"},
    {5177, 3, true, "/sql/login/login_agf2.aspx"},
    {5355, 4, false, "/"},
    {5444, 5, true, "/100Corretor/br/home/default.asp?site=bs"},
    {5011, 6, true, "/portal/Corretor.aspx"},
    {5908, 7, true, "/corretor/frset_corretor.htm"},
    {6572, 8, true, "/2008/Site/index.php"},
    {5843, 9, false, "/templates/acesso_corretores.aspx?page=224&idiom=1"},
    {5185, 10, false, "/index.jsv"},
    {6238, 11, true, "/default.asp"},
    {3298, 11, true, "/default.asp"},
    {5720, 12, true, "/wps/portal"},
    {5886, 13, true, "/col/trs/"},
    {5240, 14, true, "/main.jsp?lumPageId="},
    {5151, 15, false, "/portal/page/portal/PORTALINTERNET/Home/Corretores/Home_Corretores"},
    {5916, 15, false, "/portal/page/portal/PORTALINTERNET/Home/Corretores/Home_Corretores"},
    {5983, 16, false, "/"},
    {5495, 17, true, "/empresa/frmprincipal.asp"},
    {6203, 17, true, "/empresa/frmprincipal.asp"},
    {5690, 18, false, "/intranet2008/"},
    {6351, 19, false, "/paraCorretores/Default.aspx"},
    {5754, 20, false, ""},
    {6416, 21, false, ""},
    {6513, 22, false, "/PortalSME/br/pt/aas/acerca_de_ace_seguro"},
    {6751, 23, false, "/"},
    {6602, 24, false, "/"},
};

constexpr int PortalWithPageId = 14;

}  // namespace

PortalHosts parsePortalHosts(const QString& text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    PortalHosts hosts;
    for (const QString& line : text.split(u'\n')) {
        const QString content = line.section(u'#', 0, 0).trimmed();
        const QStringList parts = content.split(blanks, Qt::SkipEmptyParts);
        if (parts.size() < 2)
            continue;
        bool isNumber = false;
        const int portal = parts[0].toInt(&isNumber);
        if (!isNumber)
            continue;
        hosts[portal] = {parts[1], parts.size() > 2 ? parts[2] : QString()};
    }
    return hosts;
}

PortalHosts installedPortalHosts()
{
    QFile file(appFilePath(InsurerPortalHostsFile));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return parsePortalHosts(QString::fromUtf8(file.readAll()));
}

std::optional<QString> insurerPortalAddress(int insurerCode, const PortalHosts& hosts)
{
    for (const PortalRow& row : InsurerPortalAddresses) {
        if (row.insurerCode != insurerCode)
            continue;
        const auto host = hosts.find(row.portal);
        if (host == hosts.end() || host->second.host.isEmpty())
            return std::nullopt;
        QString address = QLatin1String(row.secure ? "https://" : "http://") + host->second.host +
                          QLatin1String(row.path);
        if (row.portal == PortalWithPageId) {
            if (host->second.pageId.isEmpty())
                return std::nullopt;
            address += host->second.pageId;
        }
        return address;
    }
    return std::nullopt;
}

}  // namespace vorna::documents
