// Handling equipment and what sits between flange and tool: vacuum and
// parallel grippers, tool changers, force-torque sensors and valve packs.
#include <algorithm>
#include <cmath>

#include "LoadParts.h"

namespace {

// Radius and height (mm) of the uniform cylinder about z with the load's
// mass and inertias.
void CylinderSize(const LoadCanvas& cv, double& r, double& h) {
    const double m = std::max(cv.load.mass, 1e-6);
    r = std::sqrt(std::max(2.0 * cv.load.I[2] / m, 0.0)) * 1000.0;
    if (r <= 0) r = 0.5 * std::max(cv.a, cv.b);
    const double hh = 12.0 * cv.load.I[0] / m - 3.0 * (r / 1000.0) * (r / 1000.0);
    h = hh > 0 ? std::sqrt(hh) * 1000.0 : 0.4 * r;
    h = std::clamp(h, 0.2 * r, 2.0 * r);
}

QPainterPath Circle(QPointF c, double r) {
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

QPainterPath Triangle(QPointF tip, QPointF dir, double size) {
    const QPointF n(-dir.y(), dir.x());
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(tip - dir * size + n * (size * 0.5));
    path.lineTo(tip - dir * size - n * (size * 0.5));
    path.closeSubpath();
    return path;
}

// One suction cup hanging from z0 at depth y: stem, two bellows folds, lip.
void SuctionCup(CSketch& s, double x, double y, double z0, double stem, double rc) {
    const QPointF q = sk::Oblique(x, y, 0);
    double z = z0 + q.y();
    s.Path(sk::CylinderSide(q.x(), 0.22 * rc, z, z + stem), sk::Steel());
    z += stem;
    for (int i = 0; i < 2; ++i) {
        s.Path(sk::CylinderSide(q.x(), 0.72 * rc, z, z + 0.28 * rc), sk::Rubber());
        z += 0.28 * rc;
    }
    s.Path(sk::CylinderSide(q.x(), rc, z, z + 0.22 * rc), sk::Rubber().lighter(125));
}

}  // namespace

void DrawVacuumGripper(LoadCanvas& cv) {
    CSketch& s = cv.part;
    const double W = 1.15 * cv.a, D = 1.15 * cv.b;
    // The frame is flat; the picture gives it the height of its hub and cups.
    const double C = std::max(cv.c, 0.45 * W);
    const int cups = std::max(1, static_cast<int>(cv.NameNumber(QStringLiteral("Cup"), 4)));
    const int rows = cups >= 12 ? 3 : (cups >= 4 ? 2 : 1);
    const int cols = std::max(1, cups / rows);
    const double rc = std::clamp(0.3 * std::min(W / cols, D / rows), 12.0, 80.0);
    const double bw = std::max(0.6 * rc, 0.04 * W + 10);
    cv.Flange(cv.FlangeRadius());

    // Rows of beams from the back to the front, each with its cups.
    for (int j = rows - 1; j >= 0; --j) {
        const double y = rows == 1 ? 0.0 : D * (j / double(rows - 1) - 0.5);
        sk::Box3(s, -W / 2, W / 2, y - bw / 2, y + bw / 2, 0.52 * C, 0.64 * C, cv.st.bodyDark());
        for (int i = 0; i < cols; ++i) {
            const double x = cols == 1 ? 0.0 : (W - 2 * rc) * (i / double(cols - 1) - 0.5);
            SuctionCup(s, x, y, 0.64 * C, 0.22 * C, rc);
        }
    }
    // Cross beam over the rows, hub and adapter plate up to the flange.
    sk::Box3(s, -bw / 2, bw / 2, -D / 2 - bw / 2, D / 2 + bw / 2, 0.42 * C, 0.52 * C, cv.st.bodyDark());
    const double hub = std::max(0.6 * cv.FlangeRadius(), 1.4 * bw);
    sk::Box3(s, -hub / 2, hub / 2, -hub / 2, hub / 2, 0.1 * C, 0.42 * C, cv.st.body());
    s.Path(sk::CylinderSide(0, cv.FlangeRadius(), 0, 0.1 * C), cv.st.body());
    // Vacuum line into the hub.
    s.Path(
        sk::Hose(QPointF(hub / 2, 0.25 * C), QPointF(hub / 2 + 0.1 * W, 0.25 * C),
                 QPointF(hub / 2 + 0.1 * W, 0.05 * C), QPointF(hub / 2 + 0.14 * W, -0.12 * C), 0.035 * C + 4),
        sk::Cable());
}

void DrawParallelGripper(LoadCanvas& cv) {
    CSketch& s = cv.part;
    const double W = 1.1 * cv.a, D = 1.2 * cv.b, C = cv.c;
    const double stroke = cv.NameNumberAfter(QStringLiteral("Stroke"), 0.2 * W);
    cv.Flange(cv.FlangeRadius());
    s.Path(sk::CylinderSide(0, std::min(0.35 * W, cv.FlangeRadius()), 0, 0.06 * C), cv.st.bodyDark());
    sk::Box3(s, -W / 2, W / 2, -D / 2, D / 2, 0.06 * C, 0.5 * C, cv.st.body());
    s.Path(sk::Rect(-0.45 * W, 0.44 * C, 0.45 * W, 0.5 * C), cv.st.bodyDark(), CSketch::Line::Thin);
    for (double z : {0.18, 0.3}) s.Path(Circle(QPointF(-0.36 * W, z * C), 0.035 * W + 1), sk::Steel());

    // Jaws shown open: the inner faces stand the stroke apart beyond a closed gap.
    const double g = 0.06 * W + stroke / 2, fw = 0.16 * W;
    for (int side : {-1, 1}) {
        const double xi = side * g, xo = side * (g + fw);
        s.Path(sk::Rect(xi, 0.47 * C, side * (g + 1.4 * fw), 0.58 * C), cv.st.bodyDark());
        s.Path(sk::Rect(xi, 0.58 * C, xo, 1.12 * C), sk::Steel());
        s.Path(sk::Rect(xi, 0.94 * C, xi - side * 0.035 * W, 1.1 * C), sk::Rubber());
    }
    // Stroke arrows between the fingers.
    const double ya = 0.76 * C, head = std::max(0.05 * W, 5.0);
    QPainterPath line;
    line.moveTo(-g + 2, ya);
    line.lineTo(g - 2, ya);
    s.Path(line, Qt::transparent, CSketch::Line::Thin);
    s.Path(Triangle(QPointF(-g + 1, ya), QPointF(-1, 0), head), cv.st.axis());
    s.Path(Triangle(QPointF(g - 1, ya), QPointF(1, 0), head), cv.st.axis());
}

void DrawToolChanger(LoadCanvas& cv) {
    CSketch& s = cv.part;
    double r = 0, h = 0;
    CylinderSize(cv, r, h);
    const bool robotSide = cv.NameHas(QStringLiteral("Robot"));
    const bool modules = cv.load.mass >= 3.0;  // the larger sizes carry utility modules
    if (robotSide) {
        cv.Flange(0.8 * r);
        s.Path(sk::CylinderSide(0, r, 0, 0.78 * h), cv.st.body());
        // Locking piston with its balls below the body.
        s.Path(sk::CylinderSide(0, 0.45 * r, 0.78 * h, h), sk::Steel());
        for (int side : {-1, 1}) s.Path(Circle(QPointF(side * 0.45 * r, 0.93 * h), 0.07 * r), sk::Steel());
    } else {
        // Mounted under the robot side; its own face is z = 0.
        const double hr = 1.5 * h;
        cv.Flange(0.8 * r, -hr);
        cv.back.Path(sk::CylinderSide(0, r, -hr, 0), Qt::transparent, CSketch::Line::Context);
        for (int side : {-1, 1})
            s.Path(sk::Rect(side * 0.7 * r - 0.05 * r, -0.3 * h, side * 0.7 * r + 0.05 * r, 0.1 * h),
                   sk::Steel());
        s.Path(sk::CylinderSide(0, r, 0, h), cv.st.body());
        s.Path(sk::CylinderTop(0, r, 0), cv.st.body().lighter(108));
        s.Path(sk::CylinderTop(0, 0.45 * r, 0), cv.st.bodyDark());
    }
    const double z0 = robotSide ? 0.08 * h : 0.1 * h, z1 = robotSide ? 0.7 * h : 0.9 * h;
    if (modules) {
        sk::Box3(s, 0.9 * r, 1.45 * r, -0.25 * r, 0.25 * r, z0, z1, cv.st.bodyDark());
        for (int i = 0; i < 3; ++i)
            s.Path(Circle(QPointF(1.05 * r + i * 0.13 * r, 0.5 * (z0 + z1)), 0.04 * r), Qt::white);
    } else {
        // Air ports around the side.
        for (double x : {-0.6, -0.2, 0.2, 0.6})
            s.Path(Circle(QPointF(x * r, 0.45 * (z0 + z1)), 0.06 * r), sk::Steel());
    }
}

void DrawForceSensor(LoadCanvas& cv) {
    CSketch& s = cv.part;
    double r = 0, h = 0;
    CylinderSize(cv, r, h);
    cv.Flange(0.8 * r);
    // Robot-side ring, the measuring gap, tool-side ring.
    s.Path(sk::CylinderSide(0, r, 0.52 * h, h), cv.st.body());
    s.Path(sk::CylinderSide(0, 0.92 * r, 0.4 * h, 0.56 * h), cv.st.bodyDark());
    s.Path(sk::CylinderSide(0, r, 0, 0.42 * h), cv.st.body());
    for (double x : {-0.7, 0.0, 0.7})
        s.Path(Circle(QPointF(x * r, 0.76 * h), 0.035 * r + 0.5), cv.st.bodyDark());
    // Connector and cable.
    sk::Box3(cv.part, 0.95 * r, 1.25 * r, -0.12 * r, 0.12 * r, 0.58 * h, 0.92 * h, sk::Rubber());
    s.Path(sk::Hose(QPointF(1.25 * r, 0.75 * h), QPointF(1.7 * r, 0.75 * h), QPointF(1.6 * r, -0.4 * h),
                    QPointF(1.9 * r, -1.2 * h), 0.16 * h),
           sk::Cable());
}

void DrawValvePack(LoadCanvas& cv) {
    CSketch& s = cv.part;
    const int stations = std::max(1, static_cast<int>(cv.NameNumber(QStringLiteral("St"), 4)));
    const double W = 1.1 * cv.a, D = cv.b, H = 1.1 * cv.c;
    QPointF at;
    const bool placed = cv.Cog(at);
    const bool onTool =
        placed && cv.load.SingleMount().compare(QLatin1String("Tool"), Qt::CaseInsensitive) == 0;
    if (!placed) at = QPointF(0, 0);
    const double x0 = at.x() - W / 2, x1 = at.x() + W / 2;
    const double plateT = 6;  // bracket plate under the flange
    const double top = onTool ? std::max(at.y() - H / 2, plateT) : at.y() - H / 2;
    const double bottom = top + H;

    if (onTool) {
        // Hanging from a bracket plate fixed under the flange beside the tool.
        const double rf = cv.FlangeRadius();
        cv.Flange(rf);
        s.Path(sk::Rect(-rf, 0, x1 + 0.08 * W, plateT), sk::Steel());
    } else {
        s.Hatch(sk::Oblique(x1 + 0.1 * W, -D / 2, bottom), sk::Oblique(x0 - 0.1 * W, -D / 2, bottom));
    }
    // Manifold base with end plates; the valves stand on it side by side.
    const double baseTop = top + 0.55 * H;
    sk::Box3(s, x0, x1, -D / 2, D / 2, baseTop, bottom, sk::Steel());
    const double plate = 0.06 * W;
    const double pitch = (W - 2 * plate) / stations;
    for (int i = stations - 1; i >= 0; --i) {
        const double vx0 = x0 + plate + i * pitch + 0.06 * pitch, vx1 = vx0 + 0.88 * pitch;
        sk::Box3(s, vx0, vx1, -0.4 * D, 0.4 * D, top + 0.18 * H, baseTop, cv.st.body());
        sk::Box3(s, vx0 + 0.1 * pitch, vx1 - 0.1 * pitch, -0.25 * D, 0.25 * D, top, top + 0.18 * H,
                 sk::Rubber());
        s.Path(Circle(QPointF(0.5 * (vx0 + vx1), top + 0.09 * H), 0.1 * pitch), cv.st.accent());
        const double fr = std::min(0.16 * pitch, 0.09 * H);
        for (double f : {0.3, 0.72})
            s.Path(Circle(sk::Oblique(0.5 * (vx0 + vx1), -D / 2, baseTop + f * (bottom - baseTop)), fr),
                   Qt::white);
    }
    sk::Box3(s, x0 - plate, x0, -D / 2, D / 2, top + 0.3 * H, bottom, cv.st.bodyDark());
    sk::Box3(s, x1, x1 + plate, -D / 2, D / 2, top + 0.3 * H, bottom, cv.st.bodyDark());
    // Electrical connection at the end plate away from the flange.
    const double xc = onTool ? x1 + plate : x0 - plate, out = onTool ? 1.0 : -1.0;
    s.Path(sk::Hose(QPointF(xc, top + 0.5 * H), QPointF(xc + out * 0.25 * W, top + 0.5 * H),
                    QPointF(xc + out * 0.25 * W, top - 0.1 * H), QPointF(xc + out * 0.4 * W, top - 0.3 * H),
                    0.08 * H),
           sk::Cable());
}
