#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

// A one-file HTTP server on 127.0.0.1 for tests of the update request. It answers
// every request with the scripted reply, or not at all when told to stay silent.
// Declares no signals (the test programs moc only their own folders): tests hook
// the callbacks, usually to a SignalCounter's hit().
class LocalHttpServer : public QObject
{
public:
    enum class Mode { Reply, Silent };

    LocalHttpServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::onNewConnection);
        m_server.listen(QHostAddress::LocalHost, 0);
    }

    bool isListening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }
    QString url(const QString &path = QStringLiteral("/reply.txt")) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
    }

    // The next answers: the status line's code and text, the body, and whether
    // a Content-Length header announces it (without one, closing ends the body).
    void reply(int status, const QByteArray &body, bool withLength = true)
    {
        m_mode = Mode::Reply;
        m_status = status;
        m_body = body;
        m_withLength = withLength;
    }
    void staySilent() { m_mode = Mode::Silent; }

    QList<QByteArray> requestLines; // "GET /reply.txt HTTP/1.1", one per request

    // A port on which nothing listens: taken from the system, then let go.
    static quint16 closedPort()
    {
        QTcpServer s;
        s.listen(QHostAddress::LocalHost, 0);
        const quint16 p = s.serverPort();
        s.close();
        return p;
    }

    std::function<void()> onRequest;    // a request has arrived
    std::function<void()> onClientGone; // a client's connection has closed

private:
    void onNewConnection()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            auto *buffer = new QByteArray;
            connect(socket, &QTcpSocket::disconnected, this, [this, socket, buffer] {
                delete buffer;
                socket->deleteLater();
                if (onClientGone)
                    onClientGone();
            });
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                *buffer += socket->readAll();
                const qsizetype end = buffer->indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                requestLines << buffer->left(buffer->indexOf("\r\n"));
                buffer->clear();
                if (onRequest)
                    onRequest();
                if (m_mode == Mode::Silent)
                    return;
                QByteArray head = "HTTP/1.1 " + QByteArray::number(m_status)
                                  + (m_status == 200 ? " OK" : " Failure") + "\r\n"
                                  + "Content-Type: text/plain\r\nConnection: close\r\n";
                if (m_withLength)
                    head += "Content-Length: " + QByteArray::number(m_body.size()) + "\r\n";
                socket->write(head + "\r\n" + m_body);
                socket->disconnectFromHost();
            });
        }
    }

    QTcpServer m_server;
    Mode m_mode = Mode::Reply;
    int m_status = 200;
    QByteArray m_body;
    bool m_withLength = true;
};
