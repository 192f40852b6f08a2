// Welding equipment: spot guns (C and X form, servo or pneumatic), arc
// torches with their wire feed, and wire feeders on the upper arm.
#include <QtMath>
#include <cmath>

#include "LoadParts.h"

namespace {

// Electrode cap from base along dir (unit), tapering to a rounded tip.
QPainterPath ElectrodeCap(QPointF base, QPointF dir, double length, double width) {
    const QPointF n(-dir.y(), dir.x());
    QPainterPath path;
    path.moveTo(base + n * (width / 2));
    path.lineTo(base + dir * (length * 0.6) + n * (width / 2));
    path.lineTo(base + dir * length + n * (width / 5));
    path.lineTo(base + dir * length - n * (width / 5));
    path.lineTo(base + dir * (length * 0.6) - n * (width / 2));
    path.lineTo(base - n * (width / 2));
    path.closeSubpath();
    return path;
}

// Cooling fins across a motor housing: thin lines from x0 to x1.
QPainterPath Fins(double x0, double x1, double y0, double y1, int count) {
    QPainterPath path;
    for (int i = 1; i <= count; ++i) {
        const double y = y0 + (y1 - y0) * i / (count + 1);
        path.moveTo(x0, y);
        path.lineTo(x1, y);
    }
    return path;
}

// The gun's actuator standing on top of the upper jaw at x, from y0 (top) to
// y1 (the jaw): a servo motor with its encoder cap, or an air cylinder with
// end caps, tie rods and two air fittings.
void DrawActuator(LoadCanvas& cv, bool servo, double x, double w, double y0, double y1) {
    CSketch& s = cv.part;
    const double h = y1 - y0;
    if (servo) {
        s.Path(sk::Rect(x - w / 2, y0 + 0.18 * h, x + w / 2, y1, 0.08 * w), cv.st.body());
        s.Path(Fins(x - w / 2, x + w / 2, y0 + 0.25 * h, y1 - 0.1 * h, 5), Qt::transparent,
               CSketch::Line::Thin);
        s.Path(sk::Rect(x - 0.36 * w, y0, x + 0.36 * w, y0 + 0.18 * h, 0.06 * w), cv.st.bodyDark());
        s.Path(sk::Rect(x + w / 2, y0 + 0.28 * h, x + 0.78 * w, y0 + 0.45 * h), sk::Rubber());
    } else {
        const double cw = 1.35 * w;
        s.Path(sk::Rect(x - cw / 2, y0 + 0.1 * h, x + cw / 2, y1), sk::Steel());
        s.Path(sk::Rect(x - cw / 2 - 4, y0 + 0.1 * h, x + cw / 2 + 4, y0 + 0.22 * h), cv.st.bodyDark());
        s.Path(sk::Rect(x - cw / 2 - 4, y1 - 0.12 * h, x + cw / 2 + 4, y1), cv.st.bodyDark());
        QPainterPath rods;
        for (double f : {-0.36, 0.36}) {
            rods.moveTo(x + f * cw, y0 + 0.22 * h);
            rods.lineTo(x + f * cw, y1 - 0.12 * h);
        }
        s.Path(rods, Qt::transparent, CSketch::Line::Thin);
        for (double f : {0.3, 0.7}) {
            const double y = y0 + f * h;
            s.Path(sk::Rect(x + cw / 2, y - 0.04 * h, x + cw / 2 + 0.22 * w, y + 0.04 * h), cv.st.accent());
            s.Path(sk::Hose(QPointF(x + cw / 2 + 0.22 * w, y), QPointF(x + cw, y), QPointF(x + cw, y0),
                            QPointF(x + 0.9 * cw, y0 - 0.15 * h), 0.05 * h),
                   sk::Cable());
        }
    }
}

void DrawCGun(LoadCanvas& cv, bool servo) {
    CSketch& s = cv.part;
    const double W = 1.3 * cv.a, H = 1.25 * cv.c, D = 1.1 * cv.b;
    cv.Flange(cv.FlangeRadius());
    s.Path(sk::Rect(-0.12 * W, 0, 0.12 * W, 0.14 * H), cv.st.bodyDark());
    // Transformer housing behind the frame.
    sk::Box3(s, -0.34 * W, 0.24 * W, -D / 2, D / 2, 0.14 * H, 0.38 * H, cv.st.body());
    // The C frame: open to the right, jaws carrying the electrodes.
    QPainterPath frame = sk::Rect(-0.34 * W, 0.38 * H, 0.70 * W, 0.95 * H, 0.06 * W);
    frame = frame.subtracted(sk::Rect(-0.20 * W, 0.50 * H, 0.80 * W, 0.83 * H, 0.04 * W));
    s.Path(frame, cv.st.bodyDark());
    const double xe = 0.56 * W, ew = 0.07 * W;
    s.Path(sk::Rect(xe - ew / 2, 0.50 * H, xe + ew / 2, 0.61 * H), sk::Steel());
    s.Path(ElectrodeCap(QPointF(xe, 0.61 * H), QPointF(0, 1), 0.045 * H, ew), sk::Copper());
    s.Path(sk::Rect(xe - ew / 2, 0.72 * H, xe + ew / 2, 0.83 * H), sk::Steel());
    s.Path(ElectrodeCap(QPointF(xe, 0.72 * H), QPointF(0, -1), 0.045 * H, ew), sk::Copper());
    DrawActuator(cv, servo, xe, 0.16 * W, 0.05 * H, 0.38 * H);
    // Secondary shunt from the transformer to the moving electrode's holder.
    s.Path(sk::Hose(QPointF(0.24 * W, 0.30 * H), QPointF(0.34 * W, 0.30 * H), QPointF(0.34 * W, 0.46 * H),
                    QPointF(0.44 * W, 0.46 * H), 0.025 * H),
           sk::Copper());
}

void DrawXGun(LoadCanvas& cv, bool servo) {
    CSketch& s = cv.part;
    const double W = 1.3 * cv.a, H = 1.2 * cv.c, D = 1.1 * cv.b;
    cv.Flange(cv.FlangeRadius());
    s.Path(sk::Rect(-0.12 * W, 0, 0.12 * W, 0.09 * H), cv.st.bodyDark());
    sk::Box3(s, -0.36 * W, 0.36 * W, -D / 2, D / 2, 0.09 * H, 0.24 * H, cv.st.body());
    // Actuator across the arm tails: cylinder or motor on the left, rod to the right.
    const double ya = 0.30 * H, ah = 0.075 * H;
    if (servo) {
        s.Path(sk::Rect(-0.58 * W, ya - 0.6 * ah, -0.38 * W, ya + 0.6 * ah, 0.02 * W), cv.st.body());
        s.Path(Fins(-0.56 * W, -0.40 * W, ya - 0.6 * ah, ya + 0.6 * ah, 3), Qt::transparent,
               CSketch::Line::Thin);
    }
    s.Path(sk::Rect(-0.38 * W, ya - ah / 2, 0.06 * W, ya + ah / 2, 0.01 * W),
           servo ? cv.st.bodyDark() : sk::Steel());
    s.Path(sk::Rect(0.06 * W, ya - 0.012 * H, 0.36 * W, ya + 0.012 * H), sk::Steel());
    // Two arms crossing at the pivot; each ends in an electrode facing the other.
    const QPointF pivot(0, 0.44 * H);
    const double armW = 0.1 * W;
    for (int side : {1, -1}) {
        const QVector<QPointF> arm = {QPointF(side * 0.36 * W, ya), pivot,
                                      QPointF(-side * 0.17 * W, 0.58 * H),
                                      QPointF(-side * 0.17 * W, 0.90 * H)};
        s.Path(sk::Stroke(arm, armW), cv.st.bodyDark());
        const double x0 = -side * 0.17 * W;
        s.Path(sk::Rect(x0, 0.88 * H, x0 + side * 0.09 * W, 0.92 * H), sk::Steel());
        s.Path(ElectrodeCap(QPointF(x0 + side * 0.09 * W, 0.90 * H), QPointF(side, 0), 0.07 * W, 0.045 * H),
               sk::Copper());
    }
    QPainterPath pin;
    pin.addEllipse(pivot, 0.045 * W, 0.045 * W);
    s.Path(pin, Qt::white);
    QPainterPath dot;
    dot.addEllipse(pivot, 0.015 * W, 0.015 * W);
    s.Path(dot, cv.st.ink());
}

}  // namespace

void DrawSpotGun(LoadCanvas& cv) {
    const bool servo = !cv.load.name.contains(QLatin1String("Pneu"));
    // The form is the last letter of the second name token: "ServoC", "PneuX".
    if (cv.load.name.section(QLatin1Char('-'), 1, 1).endsWith(QLatin1Char('X')))
        DrawXGun(cv, servo);
    else
        DrawCGun(cv, servo);
}

void DrawArcTorch(LoadCanvas& cv) {
    CSketch& s = cv.part;
    const double L = 1.1 * cv.c;
    const double angle = qDegreesToRadians(cv.NameNumber(QStringLiteral("deg"), 0));
    const bool pushPull = cv.NameHas(QStringLiteral("PushPull"));
    const bool water = cv.NameNumber(QStringLiteral("A"), 0) >= 400;
    cv.Flange(std::max(cv.FlangeRadius(), 0.09 * L));

    // The wire feeder sits on the arm, not on the torch: drawn as surroundings.
    const QRectF feeder(QPointF(-0.62 * L, -0.42 * L), QPointF(-0.34 * L, -0.22 * L));
    cv.back.Path(sk::Rect(feeder.left(), feeder.top(), feeder.right(), feeder.bottom(), 0.02 * L),
                 Qt::transparent, CSketch::Line::Context);
    QPainterPath rolls;
    rolls.addEllipse(feeder.center() + QPointF(-0.05 * L, 0), 0.035 * L, 0.035 * L);
    rolls.addEllipse(feeder.center() + QPointF(0.05 * L, 0), 0.035 * L, 0.035 * L);
    cv.back.Path(rolls, Qt::transparent, CSketch::Line::Context);

    // Torch cable from the feeder to the back of the torch body.
    const QPointF cableEnd(-0.04 * L, 0.22 * L);
    const QPointF feederOut(feeder.right(), feeder.center().y());
    s.Path(sk::Hose(feederOut, feederOut + QPointF(0.2 * L, 0), cableEnd + QPointF(-0.25 * L, -0.05 * L),
                    cableEnd, 0.04 * L),
           sk::Cable());
    if (water) {
        for (double dy : {-0.045, 0.045})
            s.Path(sk::Hose(feederOut + QPointF(0, dy * L), feederOut + QPointF(0.18 * L, dy * L),
                            cableEnd + QPointF(-0.23 * L, (dy - 0.05) * L),
                            cableEnd + QPointF(0, dy * 0.6 * L), 0.015 * L),
                   sk::Coolant());
    }

    // Collision sensor and clamp on the flange, then the torch body.
    s.Path(sk::CylinderSide(0, 0.09 * L, 0, 0.13 * L), cv.st.bodyDark());
    s.Path(sk::Rect(-0.06 * L, 0.13 * L, 0.06 * L, 0.2 * L), cv.st.body());
    if (pushPull) {
        sk::Box3(s, -0.30 * L, -0.03 * L, -0.06 * L, 0.06 * L, 0.22 * L, 0.48 * L, cv.st.bodyDark());
        QPainterPath drive;
        for (double y : {0.31, 0.39}) drive.addEllipse(QPointF(-0.17 * L, y * L), 0.035 * L, 0.035 * L);
        s.Path(drive, sk::Steel());
    }
    s.Path(sk::Rect(-0.045 * L, 0.2 * L, 0.045 * L, 0.62 * L, 0.015 * L), sk::Rubber());

    // Neck bent by its angle, nozzle and contact tip along the bend.
    const QPointF dir(std::sin(angle), std::cos(angle));
    const QPointF bend(0, 0.65 * L);
    const QPointF neckEnd = bend + dir * (0.2 * L);
    s.Path(sk::Stroke({QPointF(0, 0.6 * L), bend, neckEnd}, 0.055 * L), sk::Steel());
    const QPointF n(-dir.y(), dir.x());
    const QPointF tipEnd = neckEnd + dir * (0.11 * L);
    QPainterPath nozzle;
    nozzle.moveTo(neckEnd + n * (0.04 * L));
    nozzle.lineTo(tipEnd + n * (0.026 * L));
    nozzle.lineTo(tipEnd - n * (0.026 * L));
    nozzle.lineTo(neckEnd - n * (0.04 * L));
    nozzle.closeSubpath();
    s.Path(nozzle, sk::Copper());
    QPainterPath wire;
    wire.moveTo(tipEnd);
    wire.lineTo(tipEnd + dir * (0.04 * L));
    s.Path(wire, Qt::transparent, CSketch::Line::Thin);
}

void DrawWireFeeder(LoadCanvas& cv) {
    CSketch& s = cv.part;
    const double fw = 1.15 * cv.a, fh = cv.c, fd = cv.b;
    const double xc = cv.load.L[0], yc = -cv.load.L[2];
    const bool spool = cv.NameHas(QStringLiteral("Spool"));
    const int rolls = static_cast<int>(cv.NameNumber(QStringLiteral("Roll"), 2));
    const double x0 = xc - fw / 2, x1 = xc + fw / 2;
    const double top = yc - fh / 2, bottom = yc + fh / 2;
    cv.UpperArm(x1 + 0.6 * fw);

    // The housing takes the lower part when the spool rides on top of it.
    const double hx0 = spool ? x0 + 0.3 * fw : x0;
    const double htop = spool ? yc - 0.05 * fh : top;
    // Feet down to the arm's top surface.
    const double armTop = -LoadCanvas::ArmHalf();
    if (bottom < armTop)
        for (double f : {0.2, 0.8})
            s.Path(
                sk::Rect(hx0 + f * (x1 - hx0) - 0.04 * fw, bottom, hx0 + f * (x1 - hx0) + 0.04 * fw, armTop),
                sk::Steel());
    sk::Box3(s, hx0, x1, -fd / 2, fd / 2, htop, bottom, cv.st.body());
    // Drive rolls in pairs on the wire line, behind an inspection window.
    const double wy = htop + 0.45 * (bottom - htop);
    const double rr = 0.09 * (bottom - htop);
    const double hxc = (hx0 + x1) / 2;
    s.Path(sk::Rect(hxc - 0.34 * (x1 - hx0), wy - 2.6 * rr, hxc + 0.34 * (x1 - hx0), wy + 2.6 * rr, 0.3 * rr),
           cv.st.body().lighter(106));
    QPainterPath wire;
    wire.moveTo(hx0 - 0.05 * fw, wy);
    wire.lineTo(x1, wy);
    s.Path(wire, Qt::transparent, CSketch::Line::Thin);
    const int pairs = std::max(1, rolls / 2);
    for (int i = 0; i < pairs; ++i) {
        const double rx = hxc + (pairs == 1 ? 0.0 : (i - 0.5) * 0.3 * (x1 - hx0));
        for (int side : {-1, 1}) {
            QPainterPath roll;
            roll.addEllipse(QPointF(rx, wy + side * (rr + 1)), rr, rr);
            s.Path(roll, sk::Steel());
            QPainterPath hub;
            hub.addEllipse(QPointF(rx, wy + side * (rr + 1)), 0.3 * rr, 0.3 * rr);
            s.Path(hub, cv.st.bodyDark());
        }
    }
    // Wire inlet on the left, conduit to the torch leaving on the right.
    s.Path(sk::Rect(hx0 - 0.07 * fw, wy - 0.5 * rr, hx0, wy + 0.5 * rr), cv.st.accent());
    s.Path(sk::Hose(QPointF(x1, wy), QPointF(x1 + 0.35 * fw, wy), QPointF(x1 + 0.3 * fw, armTop - 0.1 * fh),
                    QPointF(x1 + 0.6 * fw, armTop - 0.05 * fh), 0.9 * rr),
           sk::Cable());
    if (spool) {
        // Wire spool seen along its axle, on a stand over the housing.
        const double sr = std::min(0.3 * fw, 0.5 * (htop - top));
        const QPointF sc(x0 + 0.2 * fw + 0.1 * sr, htop - sr);
        s.Path(sk::Rect(sc.x() - 0.1 * sr, sc.y(), sc.x() + 0.1 * sr, htop), sk::Steel());
        QPainterPath disc;
        disc.addEllipse(sc, sr, sr);
        s.Path(disc, cv.st.bodyDark());
        QPainterPath coil;
        coil.addEllipse(sc, 0.82 * sr, 0.82 * sr);
        s.Path(coil, sk::Copper());
        QPainterPath hub;
        hub.addEllipse(sc, 0.3 * sr, 0.3 * sr);
        s.Path(hub, cv.st.body());
        s.Path(sk::Hose(sc + QPointF(0.8 * sr, 0.2 * sr), sc + QPointF(1.2 * sr, 0.6 * sr),
                        QPointF(hx0 - 0.1 * fw, wy - 0.2 * rr), QPointF(hx0 - 0.07 * fw, wy), 0.02 * fh),
               sk::Cable());
    }
}
