#pragma once

#include <atomic>
#include <thread>

#include <QByteArray>

namespace testing_support {

// A tiny HTTP server on 127.0.0.1 (a free port) for tests: it answers every
// request with the prepared raw reply, or holds the connection open without
// answering, on a thread of its own, until destroyed.
class LoopbackHttpServer {
public:
    explicit LoopbackHttpServer(QByteArray rawReply, bool answer = true);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    int port() const { return port_; }
    // "http://127.0.0.1:<port>"
    QString site() const;
    // The request line of the last request ("GET /path HTTP/1.0").
    QByteArray lastRequestLine() const;

    // A raw reply with status 200 and `body`.
    static QByteArray ok(const QByteArray& body);

private:
    void serve();

    int listener_ = -1;
    int port_ = 0;
    QByteArray reply_;
    bool answer_;
    std::atomic<bool> stop_{false};
    mutable std::atomic<QByteArray*> lastRequest_{nullptr};
    std::thread thread_;
};

}  // namespace testing_support
