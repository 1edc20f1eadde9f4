#pragma once

#include <QDialog>

class QTimer;

namespace scribora::gui {

// The start-up picture; closes itself when its timer fires (4 seconds).
class TfrmSplashScreen : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmSplashScreen(QWidget *parent = nullptr, int intervalMs = 4000);
    QTimer *Timer1 = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace scribora::gui
