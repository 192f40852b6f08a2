#include "LoadPicture.h"

#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "LoadParts.h"

namespace {

// Edge of the uniform box about the axis whose inertia is i0, from the two others.
double BoxEdge(double mass, double i0, double i1, double i2) {
    const double sq = 6.0 * (i1 + i2 - i0) / mass;
    return sq > 0 ? std::sqrt(sq) * 1000.0 : 0.0;
}

}  // namespace

LoadCanvas::LoadCanvas(const PredefLoadInfo& l) : load(l) {
    const double m = std::max(load.mass, 1e-6);
    a = BoxEdge(m, load.I[0], load.I[1], load.I[2]);
    b = BoxEdge(m, load.I[1], load.I[2], load.I[0]);
    c = BoxEdge(m, load.I[2], load.I[0], load.I[1]);
    // A part given without inertias still gets a size of the right order:
    // a cube of a light alloy with its mass.
    const double cube = 1000.0 * std::cbrt(m / 2700.0);
    a = std::max(a, 0.3 * cube);
    b = std::max(b, 0.3 * cube);
    c = std::max(c, 0.3 * cube);
}

bool LoadCanvas::Cog(QPointF& at) const {
    const QString mount = load.SingleMount();
    if (mount.compare(QLatin1String("Tool"), Qt::CaseInsensitive) == 0) {
        at = QPointF(load.L[0], load.L[2]);
        return true;
    }
    if (mount.compare(QLatin1String("V"), Qt::CaseInsensitive) == 0 ||
        mount.compare(QLatin1String("H"), Qt::CaseInsensitive) == 0 ||
        mount.compare(QLatin1String("S"), Qt::CaseInsensitive) == 0) {
        at = QPointF(load.L[0], -load.L[2]);
        return true;
    }
    return false;
}

double LoadCanvas::NameNumber(const QString& suffix, double fallback) const {
    const QRegularExpression re(QStringLiteral("(\\d+)") + QRegularExpression::escape(suffix) +
                                QStringLiteral("(?:-|$)"));
    const QRegularExpressionMatch m = re.match(load.name);
    return m.hasMatch() ? m.captured(1).toDouble() : fallback;
}

double LoadCanvas::NameNumberAfter(const QString& prefix, double fallback) const {
    const QRegularExpression re(QStringLiteral("(?:^|-)") + QRegularExpression::escape(prefix) +
                                QStringLiteral("(\\d+)(?:-|$)"));
    const QRegularExpressionMatch m = re.match(load.name);
    return m.hasMatch() ? m.captured(1).toDouble() : fallback;
}

bool LoadCanvas::NameHas(const QString& token) const {
    return load.name.split(QLatin1Char('-')).contains(token);
}

double LoadCanvas::FlangeRadius() const { return 25.0 + 6.0 * std::sqrt(std::max(load.mass, 0.0)); }

void LoadCanvas::Flange(double r, double face) {
    const double t = std::max(0.2 * r, 8.0);
    back.Path(sk::CylinderSide(0, 0.8 * r, face - t - 0.9 * r, face - t), Qt::transparent,
              CSketch::Line::Context);
    over.Path(sk::CylinderSide(0, r, face - t, face), st.accent());
}

// The arm's joint at the origin: a circle with a cross.
void LoadCanvas::JointMark(double h) {
    QPainterPath axis;
    axis.addEllipse(QPointF(0, 0), 0.55 * h, 0.55 * h);
    axis.moveTo(-0.3 * h, 0);
    axis.lineTo(0.3 * h, 0);
    axis.moveTo(0, -0.3 * h);
    axis.lineTo(0, 0.3 * h);
    back.Path(axis, Qt::transparent, CSketch::Line::Thin);
}

void LoadCanvas::UpperArm(double x1) {
    const double h = ArmHalf();
    back.Path(sk::Rect(-1.2 * h, -h, x1, h, 0.3 * h), Qt::transparent, CSketch::Line::Context);
    JointMark(h);
}

void LoadCanvas::LowerArm(double y1) {
    const double h = ArmHalf();
    back.Path(sk::Rect(-h, 1.2 * h, h, y1, 0.3 * h), Qt::transparent, CSketch::Line::Context);
    JointMark(h);
}

void LoadCanvas::SwivelBase() {
    // Pedestal, swivel housing and the stub of the lower arm, around the S axis.
    back.Path(sk::Rect(-230, -330, 230, 0), Qt::transparent, CSketch::Line::Context);
    back.Path(sk::Rect(-270, -520, 270, -330, 30), Qt::transparent, CSketch::Line::Context);
    back.Path(sk::Rect(-70, -760, 110, -520, 40), Qt::transparent, CSketch::Line::Context);
    QPainterPath axis;
    axis.moveTo(0, 60);
    axis.lineTo(0, -820);
    back.Path(axis, Qt::transparent, CSketch::Line::Thin);
}

QImage DrawLoadPicture(const PredefLoadInfo& load, QString& error) {
    using DrawFn = void (*)(LoadCanvas&);
    static const struct {
        const char* kind;
        DrawFn draw;
    } kKinds[] = {
        {"SpotGun", DrawSpotGun},         {"ArcTorch", DrawArcTorch},
        {"WireFeeder", DrawWireFeeder},   {"VacGrip", DrawVacuumGripper},
        {"ParGrip", DrawParallelGripper}, {"ToolChanger", DrawToolChanger},
        {"FTSensor", DrawForceSensor},    {"ValvePack", DrawValvePack},
        {"DressPack", DrawDressPack},     {"CableCarrier", DrawCableCarrier},
        {"Axis7Drive", DrawAxisDrive},
    };
    const QString kind = load.name.section(QLatin1Char('-'), 0, 0);
    DrawFn draw = nullptr;
    for (const auto& k : kKinds)
        if (kind == QLatin1String(k.kind)) draw = k.draw;
    if (draw == nullptr) {
        error = QStringLiteral("load \"%1\": no drawing for the kind \"%2\"").arg(load.name, kind);
        return QImage();
    }
    if (!(load.mass > 0)) {
        error = QStringLiteral("load \"%1\": a picture needs a positive mass").arg(load.name);
        return QImage();
    }

    LoadCanvas cv(load);
    draw(cv);
    CSketch all;
    all.Append(cv.back);
    all.Append(cv.part);
    all.Append(cv.over);
    QPointF cog;
    if (cv.Cog(cog)) all.Mark(cog);

    QImage img(kLoadPictureWidth, kLoadPictureHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    all.Render(p, QRectF(img.rect()).adjusted(10, 10, -10, -10), cv.st);
    p.end();
    return img;
}
