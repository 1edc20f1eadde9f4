#include "gui/app/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace scribora::gui {

namespace {

constexpr int S = 32;

QPixmap canvas()
{
    QPixmap pm(S, S);
    pm.fill(Qt::transparent);
    return pm;
}

void page(QPainter &p, const QColor &fill)
{
    QPainterPath path;
    path.moveTo(7, 3);
    path.lineTo(20, 3);
    path.lineTo(26, 9);
    path.lineTo(26, 29);
    path.lineTo(7, 29);
    path.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 90), 1.5));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(20, 3), QPointF(20, 9));
    p.drawLine(QPointF(20, 9), QPointF(26, 9));
}

void disc(QPainter &p, const QRectF &r)
{
    QRadialGradient g(r.center(), r.width() / 2);
    g.setColorAt(0, QColor(250, 250, 255));
    g.setColorAt(0.6, QColor(170, 200, 235));
    g.setColorAt(1, QColor(120, 150, 200));
    p.setPen(QPen(QColor(60, 80, 120), 1.2));
    p.setBrush(g);
    p.drawEllipse(r);
    p.setBrush(Qt::white);
    p.drawEllipse(r.center(), r.width() / 9, r.width() / 9);
}

void letters(QPainter &p, const QRectF &r, const QString &text, const QColor &colour)
{
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(int(r.height() * 0.7));
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

} // namespace

QIcon toolBarGlyph(int index)
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0: // new
        page(p, Qt::white);
        p.setPen(QPen(QColor(230, 170, 0), 2.5));
        p.drawLine(QPointF(5, 5), QPointF(11, 11));
        p.drawLine(QPointF(11, 5), QPointF(5, 11));
        p.drawLine(QPointF(8, 3), QPointF(8, 13));
        p.drawLine(QPointF(3, 8), QPointF(13, 8));
        break;
    case 1: { // open: a folder
        p.setPen(QPen(QColor(130, 90, 10), 1.5));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(3, 9, 26, 18));
        p.drawRect(QRectF(3, 6, 10, 4));
        p.setBrush(QColor(252, 225, 130));
        QPolygonF flap({QPointF(7, 14), QPointF(30, 14), QPointF(26, 27), QPointF(3, 27)});
        p.drawPolygon(flap);
        break;
    }
    case 2: // save: a disk
        p.setPen(QPen(QColor(30, 50, 110), 1.5));
        p.setBrush(QColor(70, 110, 200));
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(8, 18, 16, 10));
        break;
    case 3: // project explorer: a tree
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.drawLine(QPointF(8, 9), QPointF(8, 25));
        p.drawLine(QPointF(8, 16), QPointF(15, 16));
        p.drawLine(QPointF(8, 25), QPointF(15, 25));
        p.setBrush(QColor(90, 140, 220));
        p.drawRect(QRectF(4, 3, 9, 7));
        p.setBrush(QColor(120, 190, 90));
        p.drawRect(QRectF(15, 12, 13, 7));
        p.drawRect(QRectF(15, 21, 13, 7));
        break;
    default: // build: a disc with a spark
        disc(p, QRectF(3, 5, 24, 24));
        p.setPen(QPen(QColor(220, 60, 20), 2.5));
        p.drawLine(QPointF(24, 2), QPointF(24, 10));
        p.drawLine(QPointF(20, 6), QPointF(28, 6));
        break;
    }
    return QIcon(pm);
}

QIcon controlGlyph(int index)
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(3, 5, 26, 22);
    const QColor ink(40, 40, 60);
    auto frame = [&](const QColor &fill) {
        p.setPen(QPen(ink, 1.3));
        p.setBrush(fill);
        p.drawRect(box);
    };
    auto lines = [&](int count) {
        p.setPen(QPen(QColor(90, 90, 110), 1.5));
        for (int i = 0; i < count; ++i)
            p.drawLine(QPointF(7, 10 + i * 4), QPointF(25 - (i % 2) * 5, 10 + i * 4));
    };
    switch (index) {
    case 0: letters(p, box, QStringLiteral("A"), ink); break;            // label
    case 1: {                                                            // hyperlink
        QFont f = p.font();
        f.setUnderline(true);
        p.setFont(f);
        letters(p, box, QStringLiteral("a"), QColor(20, 60, 220));
        p.setPen(QPen(QColor(20, 60, 220), 1.5));
        p.drawLine(QPointF(8, 25), QPointF(24, 25));
        break;
    }
    case 2:                                                              // button
        p.setPen(QPen(ink, 1.3));
        p.setBrush(QColor(225, 225, 230));
        p.drawRoundedRect(QRectF(3, 9, 26, 14), 4, 4);
        letters(p, QRectF(3, 9, 26, 14), QStringLiteral("ok"), ink);
        break;
    case 3: frame(Qt::white); lines(4); break;                           // file list
    case 4:                                                              // category list
        frame(Qt::white);
        p.setPen(QPen(ink, 1.3));
        p.drawLine(QPointF(8, 9), QPointF(8, 23));
        p.drawLine(QPointF(8, 15), QPointF(14, 15));
        p.drawLine(QPointF(8, 22), QPointF(14, 22));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(15, 12, 10, 5));
        p.drawRect(QRectF(15, 19, 10, 5));
        break;
    case 5:                                                              // picture
        frame(QColor(170, 210, 250));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 160, 70));
        p.drawPolygon(QPolygonF({QPointF(4, 26), QPointF(13, 14), QPointF(20, 22), QPointF(24, 17), QPointF(28, 26)}));
        p.setBrush(QColor(250, 210, 40));
        p.drawEllipse(QPointF(22, 10), 3, 3);
        break;
    case 6: frame(QColor(255, 255, 220)); lines(1); break;              // short description
    case 7: frame(QColor(255, 255, 220)); lines(4); break;              // long description
    case 8:                                                              // panel
        p.setPen(QPen(ink, 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3, 8, 26, 19));
        p.setBrush(QColor(240, 240, 240));
        p.drawRect(QRectF(6, 5, 12, 6));
        break;
    case 9:                                                              // file picture
        page(p, QColor(170, 210, 250));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 160, 70));
        p.drawPolygon(QPolygonF({QPointF(8, 28), QPointF(14, 18), QPointF(19, 24), QPointF(25, 28)}));
        break;
    case 10:                                                             // delete
        p.setPen(QPen(QColor(200, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 7), QPointF(25, 25));
        p.drawLine(QPointF(25, 7), QPointF(7, 25));
        break;
    default:                                                             // AVI player
        frame(QColor(40, 40, 50));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 240, 240));
        p.drawPolygon(QPolygonF({QPointF(12, 10), QPointF(22, 16), QPointF(12, 22)}));
        break;
    }
    return QIcon(pm);
}

QIcon applicationIcon()
{
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    disc(p, QRectF(4, 4, 56, 56));
    p.setPen(QPen(QColor(30, 60, 140), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 12), QPointF(54, 26));
    return QIcon(pm);
}

} // namespace scribora::gui
