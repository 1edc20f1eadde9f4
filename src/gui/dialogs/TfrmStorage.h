#pragma once

#include "core/project/ProgressSink.h"

#include <QDialog>
#include <QElapsedTimer>

class QProgressBar;

namespace scribora::gui {

// The small progress window of data store saves and loads ("Saving",
// "Loading"). It counts every record but repaints at most every few
// milliseconds, so that a large catalogue is not slowed down by its own progress.
class TfrmStorage : public QDialog, public project::ProgressSink
{
    Q_OBJECT
public:
    explicit TfrmStorage(QWidget *parent = nullptr);

    void begin(const QString &caption, qsizetype total) override;
    void setTotal(qsizetype total) override;
    void step() override;
    void end() override;

    qsizetype position() const { return m_position; }
    int repaints() const { return m_repaints; }

    QProgressBar *ProgressBar1 = nullptr;

    static constexpr int RepaintIntervalMs = 15;

private:
    void show(bool force);

    QElapsedTimer m_sinceRepaint;
    qsizetype m_position = 0;
    qsizetype m_total = 100;
    int m_repaints = 0;
};

} // namespace scribora::gui
