#pragma once

#include <chrono>

#include <QString>

namespace app {

// This configurator's version, as the about box shows it.
inline const QString kSoftwareVersion = QStringLiteral("1.001");
// The maker's web server.
inline const QString kMakerSite = QStringLiteral("http://www.olvenk.com");

// The number of a version text "... d.ddd" (1.002 gives 1002): the text after
// the first blank, trimmed, its characters 1, 3, 4 and 5; -1 when it holds no
// version.
int32_t Conv_Version(const QString& Ver_str);

// The address the version service is asked at, and the download page.
QString versionServiceUrl(const QString& site = kMakerSite);
QString downloadPageUrl(const QString& site = kMakerSite);
// The notice link: an anchor to the download page with `text`.
QString versionNoticeLink(const QString& text, const QString& site = kMakerSite);

// Asks the version service whether a newer configurator exists. Any failure
// (no network, an error status, no answer within the time-out) means no.
bool Check_Version(const QString& site = kMakerSite,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace app
