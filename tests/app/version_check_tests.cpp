#include <QElapsedTimer>
#include <gtest/gtest.h>

#include "app/version_check.h"
#include "support/loopback_http_server.h"

using testing_support::LoopbackHttpServer;

TEST(VersionCheck, ConvVersion)
{
    struct Case {
        const char* text;
        int32_t number;
    };
    const Case cases[] = {
        {"VER. 1.002", 1002}, {"1.001", 1001},     {"VER. 1.0", -1},  {"VER. 10.000", -1},
        {"VER. 1x002", 1002}, {"VER.  2.500 ", 2500}, {"", -1},          {"VER. a.bcd", -1},
        {"<html> error", -1}, {"VER. 1.00", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(app::Conv_Version(c.text), c.number);
    }
}

TEST(VersionCheck, RepliesOfTheService)
{
    struct Case {
        QByteArray reply;
        bool newer;
    };
    const Case cases[] = {
        {LoopbackHttpServer::ok("VER. 1.002"), true},
        {LoopbackHttpServer::ok("VER. 1.001"), false},
        {LoopbackHttpServer::ok("VER. 0.999"), false},
        {LoopbackHttpServer::ok("  ver. 0.000  "), false},
        {LoopbackHttpServer::ok("1.002"), true},
        {LoopbackHttpServer::ok("VER. 1x002"), true},
        {LoopbackHttpServer::ok("<html><body>Server Error</body></html>"), false},
        {LoopbackHttpServer::ok(""), false},
        {"HTTP/1.0 500 Internal Server Error\r\nContent-Length: 10\r\n\r\nVER. 9.999", false},
        {"HTTP/1.0 404 Not Found\r\nContent-Length: 10\r\n\r\nVER. 9.999", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply.constData());
        LoopbackHttpServer server(c.reply);
        EXPECT_EQ(app::Check_Version(server.site()), c.newer);
        EXPECT_EQ(server.lastRequestLine(), "GET /home/download/GetversionSW.asp?nomesw=CQ41T17 HTTP/1.0");
    }
}

TEST(VersionCheck, NoServerOrNoAnswerMeansNothingNewer)
{
    {
        LoopbackHttpServer silent(LoopbackHttpServer::ok("VER. 9.999"), /*answer=*/false);
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(app::Check_Version(silent.site(), std::chrono::milliseconds(500)));
        EXPECT_LT(clock.elapsed(), 5000);
    }
    int freePort = 0;
    {
        LoopbackHttpServer closed(QByteArray{});
        freePort = closed.port();
    }
    EXPECT_FALSE(app::Check_Version(QString("http://127.0.0.1:%1").arg(freePort), std::chrono::milliseconds(500)));
}

TEST(VersionCheck, NoticeLink)
{
    EXPECT_EQ(app::versionNoticeLink("New Version Available. Click Here for more Details", "http://h"),
              "<a href=\"http://h/Home/download/download.asp#GW41T17\">"
              "New Version Available. Click Here for more Details</a>");
}
