#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace scribora::online {

// One HTTP GET of the update reply, run on the event loop so that the window that
// asked stays live. The reply is capped and the whole request timed out, so a
// misbehaving server can neither fill memory nor hang the check.
class UpdateRequest : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 defaultMaxReplySize = 1 << 20;
    static constexpr int defaultTimeoutMs = 20000;

    explicit UpdateRequest(QObject *parent = nullptr);
    ~UpdateRequest() override;

    void setMaxReplySize(qint64 bytes) { m_maxReplySize = bytes; }
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }

    // Starts the request; finished() follows exactly once, also for an address
    // that cannot be asked (then on the next turn of the event loop). Only http
    // and https addresses are fetched.
    void start(const QUrl &url);
    // Stops a running request without emitting finished().
    void cancel();

    bool isRunning() const { return m_running; }
    bool succeeded() const { return m_succeeded; }
    const QByteArray &body() const { return m_body; }
    const QString &errorText() const { return m_errorText; }

signals:
    // Receivers that drop the request here must use deleteLater().
    void finished();

private:
    void onReadyRead();
    void onFinished();
    void fail(const QString &text);
    void complete();

    QNetworkAccessManager *m_manager;
    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    qint64 m_maxReplySize = defaultMaxReplySize;
    int m_timeoutMs = defaultTimeoutMs;
    bool m_running = false;
    quint64 m_generation = 0;
    bool m_succeeded = false;
    QByteArray m_body;
    QString m_errorText;
};

} // namespace scribora::online
