#include "gui/dialogs/TfrmSplashScreen.h"

#include "core/Version.h"
#include "gui/app/Glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

namespace scribora::gui {

TfrmSplashScreen::TfrmSplashScreen(QWidget *parent, int intervalMs)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplashScreen"));
    setFixedSize(300, 362);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(intervalMs);
    connect(Timer1, &QTimer::timeout, this, &QDialog::accept);
    Timer1->start();
}

void TfrmSplashScreen::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(24, 52, 110));
    sky.setColorAt(1, QColor(120, 170, 230));
    p.fillRect(rect(), sky);
    applicationIcon().paint(&p, QRect(70, 60, 160, 160));
    QFont f = font();
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 240, width(), 44), Qt::AlignCenter, QString::fromLatin1(version::productName));
    f.setPixelSize(13);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(0, 286, width(), 24), Qt::AlignCenter,
               QStringLiteral("Autorun menus for CD, DVD and USB"));
    p.drawText(QRect(0, 320, width(), 24), Qt::AlignCenter,
               QStringLiteral("Version ") + QString::fromLatin1(version::productVersion));
}

} // namespace scribora::gui
