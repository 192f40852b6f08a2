#include "Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace kest {
namespace {

const QColor kInk(40, 52, 70);
const QColor kBlue(49, 106, 197);
const QColor kGreen(0, 150, 60);
const QColor kRed(205, 40, 40);
const QColor kSteel(127, 157, 185);

// All icons are drawn on a 16-unit grid scaled to the requested size.
void DrawArrow(QPainter& p, bool up, const QColor& c, double y0 = 0) {
    QPolygonF tri;
    if (up) {
        tri << QPointF(8, 2 + y0) << QPointF(14, 9 + y0) << QPointF(2, 9 + y0);
    } else {
        tri << QPointF(8, 14 + y0) << QPointF(14, 7 + y0) << QPointF(2, 7 + y0);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(tri);
    p.drawRect(up ? QRectF(5.5, 9 + y0, 5, 5) : QRectF(5.5, 2 + y0, 5, 5));
}

void DrawAxes(QPainter& p, double ox, double oy, double len, double w) {
    auto arrow = [&](QPointF a, QPointF b, const QColor& c) {
        p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
        const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
        const QPointF n(-d.y(), d.x());
        QPolygonF head;
        head << b + d * (w * 1.6) << b - d * (w * 1.2) + n * (w * 1.6) << b - d * (w * 1.2) - n * (w * 1.6);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPolygon(head);
    };
    arrow(QPointF(ox, oy), QPointF(ox + len, oy), kRed);                        // X
    arrow(QPointF(ox, oy), QPointF(ox, oy - len), kBlue);                       // Z
    arrow(QPointF(ox, oy), QPointF(ox - len * 0.55, oy + len * 0.45), kGreen);  // Y
}

void DrawPage(QPainter& p, const QColor& fold) {
    QPainterPath page;
    page.moveTo(3, 1);
    page.lineTo(10, 1);
    page.lineTo(13, 4);
    page.lineTo(13, 15);
    page.lineTo(3, 15);
    page.closeSubpath();
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(fold);
    p.drawPolygon(QPolygonF() << QPointF(10, 1) << QPointF(10, 4) << QPointF(13, 4));
}

void DrawWrist(QPainter& p, double s) {
    // A flange with a tool centre of gravity: the program's emblem.
    p.setPen(QPen(kInk, 1.0 * s));
    p.setBrush(kSteel);
    p.drawRoundedRect(QRectF(2.5, 6, 4, 8), 1, 1);
    p.setBrush(QColor(230, 236, 244));
    p.drawRect(QRectF(6.5, 7.5, 2, 5));
    p.setBrush(QColor(255, 200, 60));
    p.drawEllipse(QPointF(11.5, 10), 2.6, 2.6);
    p.setPen(QPen(kInk, 0.7 * s));
    p.drawLine(QPointF(11.5, 7.4), QPointF(11.5, 12.6));
    p.drawLine(QPointF(8.9, 10), QPointF(14.1, 10));
}

}  // namespace

QImage DrawKestIcon(IconId id, int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 16.0, size / 16.0);
    switch (id) {
        case IconId::App: {
            p.setPen(Qt::NoPen);
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
            DrawWrist(p, 1.0);
            p.setPen(QPen(kGreen, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF() << QPointF(2.5, 3.8) << QPointF(4.2, 5.2) << QPointF(7.2, 2.2));
            break;
        }
        case IconId::Document:
            DrawPage(p, QColor(200, 215, 235));
            p.save();
            p.translate(3.2, 4.5);
            p.scale(0.62, 0.62);
            DrawWrist(p, 1.0);
            p.restore();
            break;
        case IconId::Plus:
        case IconId::Minus:
            p.setPen(Qt::NoPen);
            p.setBrush(id == IconId::Plus ? kGreen : kRed);
            p.drawRoundedRect(QRectF(2, 6.5, 12, 3), 1, 1);
            if (id == IconId::Plus) p.drawRoundedRect(QRectF(6.5, 2, 3, 12), 1, 1);
            break;
        case IconId::MoveUp: DrawArrow(p, true, kBlue); break;
        case IconId::MoveDown: DrawArrow(p, false, kBlue); break;
        case IconId::MoveDown2:
            p.save();
            p.scale(1.0, 0.6);
            DrawArrow(p, false, kBlue, -1);
            DrawArrow(p, false, kBlue, 9);
            p.restore();
            break;
        case IconId::Calc:
            p.setPen(QPen(kInk, 0.8));
            p.setBrush(QColor(235, 238, 242));
            p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
            p.setBrush(QColor(190, 230, 200));
            p.drawRect(QRectF(4, 2, 8, 3.5));
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            for (int r = 0; r < 3; ++r) {
                for (int c = 0; c < 3; ++c) p.drawRect(QRectF(4 + c * 3, 7 + r * 2.7, 2, 1.8));
            }
            break;
        case IconId::ToolCrdSys:
        case IconId::CrdSys:
            p.setPen(QPen(kInk, 0.6));
            p.setBrush(QColor(225, 230, 238));
            if (id == IconId::ToolCrdSys) p.drawRect(QRectF(1, 1, 14, 14));
            DrawAxes(p, 6.5, 10.5, 7, 1.1);
            break;
        case IconId::FileNew:
            DrawPage(p, QColor(220, 220, 220));
            p.setPen(QPen(QColor(255, 190, 0), 1.2));
            p.drawLine(QPointF(12, 10), QPointF(15, 13));
            p.drawLine(QPointF(15, 10), QPointF(12, 13));
            break;
        case IconId::FileOpen:
            p.setPen(QPen(QColor(150, 110, 20), 0.8));
            p.setBrush(QColor(250, 210, 90));
            p.drawRect(QRectF(1, 4, 12, 10));
            p.setBrush(QColor(255, 230, 140));
            p.drawPolygon(QPolygonF()
                          << QPointF(3, 7) << QPointF(15, 7) << QPointF(13, 14) << QPointF(1, 14));
            break;
        case IconId::FileSave:
            p.setPen(QPen(kInk, 0.8));
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4, 2, 8, 5));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(4.5, 9.5, 7, 5));
            break;
        case IconId::FilePrint:
            p.setPen(QPen(kInk, 0.8));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4, 1, 8, 5));
            p.setBrush(QColor(170, 175, 185));
            p.drawRoundedRect(QRectF(1, 6, 14, 6), 1, 1);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4, 10, 8, 5));
            p.setPen(QPen(kGreen, 1.0));
            p.drawPoint(QPointF(13, 8));
            break;
    }
    p.end();
    return img;
}

QIcon KestIcon(IconId id) {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(DrawKestIcon(id, size)));
    return icon;
}

}  // namespace kest
