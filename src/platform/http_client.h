#pragma once

#include <chrono>

#include <QByteArray>
#include <QString>

namespace platform {

struct HttpReply {
    bool ok = false;     // a reply with a success status arrived
    long status = 0;     // the HTTP status, 0 when none arrived
    QByteArray body;
    QString error;       // why there is no reply (empty when ok)
};

// One plain HTTP/1.0 GET, without cookies or proxy, accepting HTML and XML.
// A server that does not accept the connection within `connectTimeout`, or
// does not complete the reply within `totalTimeout`, counts as a failure.
HttpReply httpGet(const QString& url, std::chrono::milliseconds connectTimeout = std::chrono::seconds(10),
                  std::chrono::milliseconds totalTimeout = std::chrono::seconds(10));

}  // namespace platform
