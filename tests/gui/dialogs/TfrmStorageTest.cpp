#include "gui/dialogs/TfrmStorage.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProgressBar>

using scribora::gui::TfrmStorage;

TEST(TfrmStorage, CountsEveryRecordButRepaintsSeldom)
{
    TfrmStorage progress;
    progress.begin(QStringLiteral("Saving"), 0);
    EXPECT_EQ(progress.windowTitle(), "Saving");
    EXPECT_TRUE(progress.isVisible());
    progress.setTotal(100000);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 100000; ++i)
        progress.step();
    const qint64 ms = clock.elapsed();
    progress.end();
    EXPECT_EQ(progress.position(), 100000);
    EXPECT_EQ(progress.ProgressBar1->value(), 100000);
    EXPECT_FALSE(progress.isVisible());
    // At most one repaint per interval, plus begin, total and end.
    EXPECT_LE(progress.repaints(), ms / TfrmStorage::RepaintIntervalMs + 4);
}
