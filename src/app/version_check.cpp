#include "app/version_check.h"

#include "app/app_state.h"
#include "platform/http_client.h"
#include "platform/strings.h"

namespace app {

int32_t Conv_Version(const QString& Ver_str)
{
    const qsizetype blank = Ver_str.indexOf(u' ');
    const QString t = platform::trimBlanks(Ver_str.mid(blank + 1));
    if (t.size() < 5)
        return -1;
    const QString digits = QString(t[0]) + t[2] + t[3] + t[4];
    return platform::parseDecimal(digits).value_or(-1);
}

QString versionServiceUrl(const QString& site)
{
    return site + QStringLiteral("/home/download/GetversionSW.asp?nomesw=") + kVersionQueryCode;
}

QString downloadPageUrl(const QString& site)
{
    return site + QStringLiteral("/Home/download/download.asp#GW41T17");
}

QString versionNoticeLink(const QString& text, const QString& site)
{
    return QStringLiteral("<a href=\"") + downloadPageUrl(site) + QStringLiteral("\">") + text + QStringLiteral("</a>");
}

bool Check_Version(const QString& site, std::chrono::milliseconds timeout)
{
    const platform::HttpReply reply = platform::httpGet(versionServiceUrl(site), timeout, timeout);
    const QString text = QString::fromLatin1(reply.body);
    const QString r = platform::trimBlanks(text.toUpper());
    if (r.isEmpty() || r == QStringLiteral("VER. 0.000"))
        return false;
    const int32_t local = Conv_Version(kSoftwareVersion);
    const int32_t remote = Conv_Version(platform::trimBlanks(text));
    return local != -1 && remote != -1 && remote > local;
}

}  // namespace app
