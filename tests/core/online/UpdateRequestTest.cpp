#include "core/online/UpdateRequest.h"

#include "support/LocalHttpServer.h"

#include "support/SignalCounter.h"
#include <gtest/gtest.h>

using scribora::online::UpdateRequest;

namespace {

// Runs one request to its end; the spy waits on the finished signal.
void runToEnd(UpdateRequest &request, const QString &url)
{
    SignalCounter done(&request, &UpdateRequest::finished);
    request.start(QUrl(url));
    EXPECT_TRUE(request.isRunning());
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(done.count(), 1);
    EXPECT_FALSE(request.isRunning());
}

} // namespace

TEST(UpdateRequest, GoodReply)
{
    LocalHttpServer server;
    ASSERT_TRUE(server.isListening());
    server.reply(200, "<PROGRAM><NAME>Scribora 5</NAME></PROGRAM>");
    UpdateRequest request;
    runToEnd(request, server.url());
    EXPECT_TRUE(request.succeeded()) << request.errorText().toStdString();
    EXPECT_EQ(request.body(), QByteArray("<PROGRAM><NAME>Scribora 5</NAME></PROGRAM>"));
    ASSERT_EQ(server.requestLines.size(), 1);
    EXPECT_EQ(server.requestLines[0], QByteArray("GET /reply.txt HTTP/1.1"));
}

TEST(UpdateRequest, HttpErrorStatusIsAFailure)
{
    LocalHttpServer server;
    for (int status : {404, 500}) {
        server.reply(status, "<PROGRAM><NAME>Scribora 5</NAME></PROGRAM>");
        UpdateRequest request;
        runToEnd(request, server.url());
        EXPECT_FALSE(request.succeeded()) << status;
        EXPECT_TRUE(request.body().isEmpty());
        EXPECT_TRUE(request.errorText().contains(QString::number(status))) << request.errorText().toStdString();
    }
}

TEST(UpdateRequest, ConnectionRefused)
{
    UpdateRequest request;
    runToEnd(request, QStringLiteral("http://127.0.0.1:%1/reply.txt").arg(LocalHttpServer::closedPort()));
    EXPECT_FALSE(request.succeeded());
    EXPECT_FALSE(request.errorText().isEmpty());
}

TEST(UpdateRequest, ReplyIsCappedWithOrWithoutADeclaredLength)
{
    const qint64 cap = UpdateRequest::defaultMaxReplySize;
    struct Case
    {
        qint64 size;
        bool withLength;
        bool ok;
    };
    const Case cases[] = {{cap, true, true}, {cap, false, true}, {cap + 1, true, false}, {cap + 1, false, false}};
    LocalHttpServer server;
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << (c.withLength ? " declared" : " undeclared"));
        server.reply(200, QByteArray(c.size, 'x'), c.withLength);
        UpdateRequest request;
        runToEnd(request, server.url());
        EXPECT_EQ(request.succeeded(), c.ok);
        EXPECT_EQ(request.body().size(), c.ok ? c.size : 0);
        if (!c.ok) {
            EXPECT_TRUE(request.errorText().contains(QLatin1String("larger than")));
        }
    }
}

TEST(UpdateRequest, SilentServerTimesOut)
{
    LocalHttpServer server;
    server.staySilent();
    UpdateRequest request;
    request.setTimeoutMs(200);
    SignalCounter gone;
    server.onClientGone = [&] { gone.hit(); };
    runToEnd(request, server.url());
    EXPECT_FALSE(request.succeeded());
    EXPECT_TRUE(request.errorText().contains(QLatin1String("did not answer")));
    // The connection is let go, not left open.
    EXPECT_TRUE(gone.count() > 0 || gone.wait(5000));
}

TEST(UpdateRequest, AddressesThatAreNotHttpFailOnTheNextTurn)
{
    for (const char *url : {"", "file:///etc/passwd", "ftp://x.example/r.txt", "www.velvane.example/r.txt"}) {
        UpdateRequest request;
        SignalCounter done(&request, &UpdateRequest::finished);
        request.start(QUrl(QString::fromLatin1(url)));
        EXPECT_EQ(done.count(), 0) << url; // never from inside start()
        ASSERT_TRUE(done.wait(5000)) << url;
        EXPECT_FALSE(request.succeeded());
        EXPECT_FALSE(request.errorText().isEmpty());
    }
}

TEST(UpdateRequest, CancelledOrDestroyedWhileRunning)
{
    LocalHttpServer server;
    server.staySilent();
    {
        auto request = std::make_unique<UpdateRequest>();
        SignalCounter arrived;
        SignalCounter gone;
        server.onRequest = [&] { arrived.hit(); };
        server.onClientGone = [&] { gone.hit(); };
        request->start(QUrl(server.url()));
        ASSERT_TRUE(arrived.wait(5000));
        request.reset();
        EXPECT_TRUE(gone.count() > 0 || gone.wait(5000));
    }
    UpdateRequest request;
    SignalCounter done(&request, &UpdateRequest::finished);
    SignalCounter arrived;
    server.onRequest = [&] { arrived.hit(); };
    server.onClientGone = nullptr;
    request.start(QUrl(server.url()));
    ASSERT_TRUE(arrived.wait(5000));
    request.cancel();
    EXPECT_FALSE(request.isRunning());
    // A later reply would be an error, and none comes: let the loop run a while
    // on a signal that cannot fire, then check.
    server.reply(200, "late");
    EXPECT_FALSE(done.wait(300));
    EXPECT_EQ(done.count(), 0);

    // A cancelled refusal of a bad address does not report either.
    request.start(QUrl(QStringLiteral("ftp://x.example/")));
    request.cancel();
    EXPECT_FALSE(done.wait(100));
}
