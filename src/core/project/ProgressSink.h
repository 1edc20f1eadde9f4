#pragma once

#include <QString>

namespace scribora::project {

// Long operations of the core (saving and loading the data store) report their
// progress here; the GUI shows a small progress window and lets it repaint.
// Every begin() is matched by exactly one end(), whatever the outcome.
class ProgressSink
{
public:
    virtual ~ProgressSink() = default;

    // total is 0 while it is not yet known; setTotal() gives it later.
    virtual void begin(const QString &caption, qsizetype total) = 0;
    virtual void setTotal(qsizetype total) = 0;
    // One more item done.
    virtual void step() = 0;
    virtual void end() = 0;
};

} // namespace scribora::project
