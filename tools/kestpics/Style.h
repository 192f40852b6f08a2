// The look shared by the program's technical pictures: line weights, body and
// accent colours, in colour or in grey.
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>

class QPainter;
class QPointF;

// The words of a picture: Korean, or English for the twin below Image/en/.
inline QString PictureText(bool english, const char* korean, const char* englishText) {
    return QString::fromUtf8(english ? englishText : korean);
}

struct PictureStyle {
    bool grey = false;
    QColor ink() const { return grey ? QColor(40, 40, 40) : QColor(38, 50, 66); }
    QColor body() const { return grey ? QColor(222, 222, 222) : QColor(222, 230, 240); }
    QColor bodyDark() const { return grey ? QColor(165, 165, 165) : QColor(150, 170, 195); }
    QColor accent() const { return grey ? QColor(120, 120, 120) : QColor(240, 160, 40); }
    QColor axis() const { return grey ? QColor(60, 60, 60) : QColor(0, 90, 200); }
    QPen outline(double w = 2.0) const { return QPen(ink(), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }
    QPen axisLine() const {
        QPen p(axis(), 1.2, Qt::DashDotLine, Qt::FlatCap);
        return p;
    }
    QFont label(int px) const {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(px);
        f.setBold(true);
        return f;
    }
};

// A link between two joints: a rounded bar of the given width.
void DrawLink(QPainter& p, QPointF a, QPointF b, double width, const QColor& fill, const PictureStyle& st);
