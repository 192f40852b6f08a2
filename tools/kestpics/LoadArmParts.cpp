// Equipment on the arm: dress packs and cable carriers along the upper or
// lower arm, and the seventh-axis drive on the swivel base.
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "LoadParts.h"

namespace {

bool IsLowerArm(const LoadCanvas& cv) {
    return cv.load.SingleMount().compare(QLatin1String("H"), Qt::CaseInsensitive) == 0;
}

// Both kinds are laid out along the arm in their own frame: u along the arm,
// v across it, positive towards the arm's surface, with the centre of gravity
// at the origin. On the upper arm u runs along +x; on the lower arm, which
// stands upright, u runs upwards and v points to +x (the part hangs behind
// the arm).
QTransform AlongArm(const LoadCanvas& cv) {
    const double x = cv.load.L[0], y = -cv.load.L[2];
    if (IsLowerArm(cv)) return QTransform(0, -1, 1, 0, x, y);
    return QTransform(1, 0, 0, 1, x, y);
}

// The surroundings for a part spanning u0..u1 (the arm, up to past the part).
void ArmFor(LoadCanvas& cv, const QTransform& t, double u1) {
    const QPointF end = t.map(QPointF(u1, 0));
    if (IsLowerArm(cv))
        cv.LowerArm(end.y() - 150);
    else
        cv.UpperArm(end.x() + 150);
}

// Distance in v from the part's centre line to the arm surface.
double GapToArm(const LoadCanvas& cv) {
    return IsLowerArm(cv) ? -cv.load.L[0] - LoadCanvas::ArmHalf() : cv.load.L[2] - LoadCanvas::ArmHalf();
}

}  // namespace

void DrawDressPack(LoadCanvas& cv) {
    CSketch& s = cv.part;
    const bool lower = IsLowerArm(cv);
    const double len = 1.1 * (lower ? cv.c : cv.a);
    const double across = lower ? cv.a : cv.c;
    const QTransform t = AlongArm(cv);
    const double gap = GapToArm(cv);
    ArmFor(cv, t, len / 2);

    // Strands of the bundle by application: cables, air and coolant hoses.
    struct Strand {
        QColor colour;
        double width;
    };
    QVector<Strand> strands;
    const double w = std::clamp(0.12 * across, 8.0, 30.0);
    const QString appl = cv.load.appl.toLower();
    strands.append({sk::Cable(), 1.3 * w});
    if (appl.contains(QLatin1String("spot"))) {
        strands.append({sk::Coolant(), w});
        strands.append({sk::Coolant(), w});
        strands.append({sk::Cable(), w});
        strands.append({cv.st.accent(), 0.7 * w});
    } else if (appl.contains(QLatin1String("arc"))) {
        strands.append({cv.st.accent(), 0.6 * w});
    } else {
        strands.append({cv.st.accent(), 0.7 * w});
        strands.append({cv.st.accent(), 0.7 * w});
        strands.append({sk::Cable(), 0.8 * w});
    }
    double total = 0;
    for (const Strand& st : strands) total += st.width;
    // The bundle sags a little between its clamps and turns down to the wrist
    // (or into the base) at its ends.
    double v = -total / 2;
    for (const Strand& st : strands) {
        const double vc = v + st.width / 2;
        v += st.width;
        QPainterPath centre;
        centre.moveTo(-len / 2 - 0.05 * len, vc + 0.25 * gap);
        centre.cubicTo(QPointF(-0.35 * len, vc), QPointF(0.1 * len, vc + 0.06 * len), QPointF(len / 2, vc));
        centre.cubicTo(QPointF(0.58 * len, vc), QPointF(0.6 * len, vc + 0.5 * gap),
                       QPointF(0.62 * len, vc + gap + LoadCanvas::ArmHalf()));
        QPainterPathStroker stroker;
        stroker.setWidth(st.width);
        s.Path(t.map(stroker.createStroke(centre).simplified()), st.colour);
    }
    // Clamps round the bundle on posts down to the arm.
    for (double f : {-0.38, 0.0, 0.38}) {
        const double u = f * len;
        const double sag = f == 0.0 ? 0.04 * len : 0.01 * len;
        s.Path(t.map(sk::Rect(u - 0.6 * w, sag - total / 2 - 3, u + 0.6 * w, sag + total / 2 + 3, 2)),
               sk::Steel());
        s.Path(t.map(sk::Rect(u - 0.2 * w, sag + total / 2 + 3, u + 0.2 * w, gap)), sk::Steel());
    }
    if (!lower) {
        // Retractor: a spring pulling the bundle's slider back towards the V axis.
        const double ru0 = -0.5 * len, ru1 = -0.3 * len;
        const double rv0 = -total / 2 - 0.5 * across, rv1 = -total / 2 - 0.1 * across;
        s.Path(t.map(sk::Rect(ru0, rv0, ru1, rv1, 4)), cv.st.bodyDark());
        QPainterPath spring;
        const double sv = 0.5 * (rv0 + rv1);
        spring.moveTo(ru1, sv);
        const int turns = 9;
        const double su1 = -0.4 * len + 0.8 * len * 0.5;
        for (int i = 1; i <= turns; ++i)
            spring.lineTo(ru1 + (su1 - ru1) * i / (turns + 1), sv + ((i % 2) ? -0.12 : 0.12) * across);
        spring.lineTo(su1, sv);
        spring.lineTo(su1, -total / 2);
        s.Path(t.map(spring), Qt::transparent, CSketch::Line::Thin);
    }
}

void DrawCableCarrier(LoadCanvas& cv) {
    CSketch& s = cv.part;
    const bool lower = IsLowerArm(cv);
    const double len = 1.1 * (lower ? cv.c : cv.a);
    const double across = 1.1 * (lower ? cv.a : cv.c);
    const QTransform t = AlongArm(cv);
    ArmFor(cv, t, len / 2);
    const double R = 0.42 * across;  // bend radius to the links' centre line
    const double pitch = 0.5 * R, hgt = 0.5 * R;

    // Centre line: the fixed run near the arm from -len/2, the bend at the
    // far end, the moving run back to its end bracket.
    const double uBend = len / 2 - R, uEnd = -0.15 * len;
    auto pointAt = [&](double d, QPointF& p, double& angle) {
        const double run = uBend + len / 2;
        if (d <= run) {
            p = QPointF(-len / 2 + d, R);
            angle = 0;
            return;
        }
        d -= run;
        const double arc = M_PI * R;
        if (d <= arc) {
            const double phi = d / R;  // from the bottom of the bend round to its top
            p = QPointF(uBend + R * std::sin(phi), R * std::cos(phi));
            angle = -phi * 180.0 / M_PI;
            return;
        }
        d -= arc;
        p = QPointF(uBend - d, -R);
        angle = 180;
    };
    const double total = uBend + len / 2 + M_PI * R + (uBend - uEnd);
    const int links = std::max(3, static_cast<int>(total / pitch));
    // Fixed and moving end brackets.
    const double gap = GapToArm(cv);
    s.Path(t.map(sk::Rect(-len / 2 - 0.6 * pitch, R - 0.7 * hgt, -len / 2 + 0.2 * pitch, gap)), sk::Steel());
    s.Path(t.map(sk::Rect(uEnd - 0.8 * pitch, -R - 0.7 * hgt, uEnd + 0.1 * pitch, -R + 0.7 * hgt)),
           sk::Steel());
    for (int i = 0; i < links; ++i) {
        QPointF p;
        double angle = 0;
        pointAt((i + 0.5) * total / links, p, angle);
        QTransform lt;
        lt.translate(p.x(), p.y());
        lt.rotate(angle);
        const double l = total / links;
        QPainterPath link = lt.map(sk::Rect(-0.55 * l, -hgt / 2, 0.55 * l, hgt / 2, 0.25 * hgt));
        s.Path(t.map(link), i % 2 ? cv.st.bodyDark() : cv.st.body());
        QPainterPath pin;
        pin.addEllipse(lt.map(QPointF(-0.5 * l, 0)), 0.1 * hgt, 0.1 * hgt);
        s.Path(t.map(pin), Qt::white);
    }
    // Cables leaving both ends.
    s.Path(t.map(sk::Hose(QPointF(-len / 2 - 0.6 * pitch, R), QPointF(-len / 2 - 1.5 * pitch, R),
                          QPointF(-len / 2 - 1.5 * pitch, gap), QPointF(-len / 2 - 2.5 * pitch, gap),
                          0.25 * hgt)),
           sk::Cable());
    s.Path(t.map(sk::Hose(QPointF(uEnd - 0.8 * pitch, -R), QPointF(uEnd - 2 * pitch, -R),
                          QPointF(uEnd - 2 * pitch, -R - hgt), QPointF(uEnd - 3 * pitch, -R - 1.5 * hgt),
                          0.25 * hgt)),
           sk::Cable());
}

void DrawAxisDrive(LoadCanvas& cv) {
    CSketch& s = cv.part;
    const double W = 1.1 * cv.a, H = 1.1 * cv.c, D = cv.b;
    const double x = cv.load.L[0];
    const double zc = cv.load.L[2];  // height of the centre of gravity above the base's foot
    cv.SwivelBase();

    // Gearbox with the pinion below it, servo motor standing on top, bracket
    // to the swivel housing.
    const double gTop = -(zc + 0.05 * H), gBottom = -(zc - 0.35 * H);
    const double mTop = -(zc + 0.6 * H);
    const double baseSide = x < 0 ? -270.0 : 270.0;
    const double side = x < 0 ? 1.0 : -1.0;  // towards the base
    s.Path(sk::Rect(x, gTop + 0.1 * H, baseSide + side * 40, gTop + 0.22 * H), sk::Steel());
    sk::Box3(s, x - W / 2, x + W / 2, -D / 2, D / 2, gTop, gBottom, cv.st.bodyDark());
    const double mr = 0.3 * W;
    s.Path(sk::CylinderSide(x, mr, mTop, gTop), cv.st.body());
    QPainterPath fins;
    for (int i = 1; i <= 5; ++i) {
        const double y = mTop + (gTop - mTop) * i / 6.0;
        fins.moveTo(x - mr, y);
        fins.lineTo(x + mr, y);
    }
    s.Path(fins, Qt::transparent, CSketch::Line::Thin);
    s.Path(sk::Rect(x + mr, mTop + 0.1 * H, x + 1.35 * mr, mTop + 0.2 * H), sk::Rubber());
    // Pinion shaft and pinion meshing with the track's rack (not part of the load).
    const double pr = 0.22 * W;
    const QPointF pc(x, gBottom + 0.08 * H + pr);
    s.Path(sk::Rect(x - 0.05 * W, gBottom, x + 0.05 * W, pc.y()), sk::Steel());
    s.Path(sk::Gear(pc, pr, 14), sk::Steel());
    QPainterPath hub;
    hub.addEllipse(pc, 0.3 * pr, 0.3 * pr);
    s.Path(hub, cv.st.body());
    const double rackTop = pc.y() + pr * 0.92;
    QPainterPath rack;
    rack.moveTo(x - 2.5 * pr, rackTop + 0.35 * pr);
    for (double u = -2.5; u < 2.5; u += 0.4) {
        rack.lineTo(x + (u + 0.1) * pr, rackTop + 0.35 * pr);
        rack.lineTo(x + (u + 0.15) * pr, rackTop);
        rack.lineTo(x + (u + 0.3) * pr, rackTop);
        rack.lineTo(x + (u + 0.35) * pr, rackTop + 0.35 * pr);
    }
    rack.lineTo(x + 2.5 * pr, rackTop + 0.35 * pr);
    rack.lineTo(x + 2.5 * pr, rackTop + 0.8 * pr);
    rack.lineTo(x - 2.5 * pr, rackTop + 0.8 * pr);
    rack.closeSubpath();
    cv.back.Path(rack, Qt::transparent, CSketch::Line::Context);
}
