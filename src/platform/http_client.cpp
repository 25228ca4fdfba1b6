#include "platform/http_client.h"

#include <curl/curl.h>

namespace platform {
namespace {

size_t appendBody(char* data, size_t size, size_t count, void* target)
{
    static_cast<QByteArray*>(target)->append(data, static_cast<qsizetype>(size * count));
    return size * count;
}

struct CurlGlobal {
    CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~CurlGlobal() { curl_global_cleanup(); }
};

}  // namespace

HttpReply httpGet(const QString& url, std::chrono::milliseconds connectTimeout, std::chrono::milliseconds totalTimeout)
{
    static CurlGlobal global;
    HttpReply reply;
    CURL* curl = curl_easy_init();
    if (!curl) {
        reply.error = QStringLiteral("The HTTP client cannot be initialised");
        return reply;
    }
    const QByteArray address = url.toUtf8();
    curl_slist* headers =
        curl_slist_append(nullptr, "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
    char errorText[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(connectTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(totalTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Configurator CQ41T17");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply.body);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode rc = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.status);
    if (rc != CURLE_OK) {
        reply.error = QString::fromLocal8Bit(errorText[0] ? errorText : curl_easy_strerror(rc));
    } else if (reply.status < 200 || reply.status >= 300) {
        reply.error = QStringLiteral("HTTP status %1").arg(reply.status);
    } else {
        reply.ok = true;
    }
    if (!reply.ok)
        reply.body.clear();
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    return reply;
}

}  // namespace platform
