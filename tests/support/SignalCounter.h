#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <functional>

// Counts the emissions of one signal and waits for the next one by running the
// event loop until it comes or the time runs out: a test never sleeps. Without a
// signal, hit() counts (for callbacks of classes that declare no signals).
class SignalCounter
{
public:
    SignalCounter() = default;
    template<typename Sender, typename Signal>
    SignalCounter(const Sender *sender, Signal signal)
    {
        m_connection = QObject::connect(sender, signal, &m_context, [this] {
            hit();
        });
    }

    void hit()
    {
        ++m_count;
        if (m_loop)
            m_loop->quit();
    }
    ~SignalCounter() { QObject::disconnect(m_connection); }

    int count() const { return m_count; }

    // True when the signal came (again) within ms milliseconds.
    bool wait(int ms = 5000)
    {
        const int before = m_count;
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        m_loop = &loop;
        timer.start(ms);
        loop.exec();
        m_loop = nullptr;
        return m_count > before;
    }

private:
    QObject m_context;
    QMetaObject::Connection m_connection;
    QEventLoop *m_loop = nullptr;
    int m_count = 0;
};
