#include "support/loopback_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QString>

namespace testing_support {

LoopbackHttpServer::LoopbackHttpServer(QByteArray rawReply, bool answer) : reply_(std::move(rawReply)), answer_(answer)
{
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener_, 4);
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    stop_ = true;
    thread_.join();
    ::close(listener_);
    delete lastRequest_.load();
}

QString LoopbackHttpServer::site() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port_);
}

QByteArray LoopbackHttpServer::lastRequestLine() const
{
    QByteArray* r = lastRequest_.load();
    return r ? *r : QByteArray();
}

QByteArray LoopbackHttpServer::ok(const QByteArray& body)
{
    return "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size())
           + "\r\n\r\n" + body;
}

void LoopbackHttpServer::serve()
{
    while (!stop_) {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0)
            continue;
        const int client = ::accept(listener_, nullptr, nullptr);
        if (client < 0)
            continue;
        QByteArray request;
        char buffer[2048];
        while (!request.contains("\r\n\r\n")) {
            pollfd c{client, POLLIN, 0};
            if (::poll(&c, 1, 2000) <= 0)
                break;
            const ssize_t n = ::read(client, buffer, sizeof buffer);
            if (n <= 0)
                break;
            request.append(buffer, n);
        }
        delete lastRequest_.exchange(new QByteArray(request.left(request.indexOf("\r\n"))));
        if (answer_) {
            ::write(client, reply_.constData(), static_cast<size_t>(reply_.size()));
        } else {
            while (!stop_)
                ::usleep(20000);
        }
        ::close(client);
    }
}

}  // namespace testing_support
