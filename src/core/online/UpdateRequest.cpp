#include "core/online/UpdateRequest.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace scribora::online {

UpdateRequest::UpdateRequest(QObject *parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        fail(QStringLiteral("The server did not answer within %1 seconds.").arg(m_timeoutMs / 1000.0));
    });
}

UpdateRequest::~UpdateRequest()
{
    cancel();
}

void UpdateRequest::start(const QUrl &url)
{
    cancel();
    m_running = true;
    m_succeeded = false;
    m_body.clear();
    m_errorText.clear();

    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        m_errorText = QStringLiteral("\"%1\" is not an http or https address.").arg(url.toString());
        QMetaObject::invokeMethod(
            this, [this, generation = m_generation] {
                if (generation == m_generation && m_running)
                    complete();
            },
            Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(url);
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateRequest::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateRequest::onFinished);
    m_deadline.start(m_timeoutMs);
}

void UpdateRequest::cancel()
{
    ++m_generation;
    m_deadline.stop();
    if (m_reply) {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_running = false;
}

void UpdateRequest::onReadyRead()
{
    if (!m_reply)
        return;
    // A declared length past the cap is refused before its body arrives.
    const QVariant declared = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (declared.isValid() && declared.toLongLong() > m_maxReplySize) {
        fail(QStringLiteral("The reply is larger than %1 bytes.").arg(m_maxReplySize));
        return;
    }
    m_body += m_reply->read(m_maxReplySize + 1 - m_body.size());
    if (m_body.size() > m_maxReplySize) {
        m_body.clear();
        fail(QStringLiteral("The reply is larger than %1 bytes.").arg(m_maxReplySize));
    }
}

void UpdateRequest::onFinished()
{
    if (!m_reply)
        return;
    onReadyRead();
    if (!m_running)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    m_deadline.stop();
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        m_errorText = status.isValid()
                          ? QStringLiteral("HTTP status %1: %2").arg(status.toInt()).arg(reply->errorString())
                          : reply->errorString();
        m_body.clear();
    } else {
        m_succeeded = true;
    }
    complete();
}

void UpdateRequest::fail(const QString &text)
{
    cancel();
    m_body.clear();
    m_succeeded = false;
    m_errorText = text;
    complete();
}

void UpdateRequest::complete()
{
    m_running = false;
    emit finished();
}

} // namespace scribora::online
