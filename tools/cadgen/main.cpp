// cadgen OUT_TEST_DATA OUT_EXAMPLES: writes the solids the geometry import is
// tested against (a box, a cylinder and an L-shaped prism in STEP and STL, a
// file with an open shell and a loose face) and the sample gripper assembly.
// Every dimension is in millimetres; the hand-computed values in the tests
// follow from the numbers here.
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRep_Builder.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Static.hxx>
#include <STEPCAFControl_Writer.hxx>
#include <STEPControl_Controller.hxx>
#include <Standard_Failure.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Shell.hxx>
#include <TopoDS_Solid.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "MeshFiles.h"

namespace {

using Polygon = std::vector<std::array<double, 2>>;

// The L profile: a 60 × 20 foot and a 20 × 30 upright on it; the inner corner
// (index 3) sees the whole profile.
const Polygon kLProfile = {{0, 0}, {60, 0}, {60, 20}, {20, 20}, {20, 50}, {0, 50}};
constexpr double kLZ0 = 5, kLZ1 = 25;

// The box: 40 × 30 × 20 with its corner at (10, 20, 30).
constexpr double kBoxX = 10, kBoxY = 20, kBoxZ = 30, kBoxDx = 40, kBoxDy = 30, kBoxDz = 20;

TopoDS_Shape PrismShape(const Polygon& profile, double z0, double z1) {
    BRepBuilderAPI_MakePolygon poly;
    for (const auto& p : profile) poly.Add(gp_Pnt(p[0], p[1], z0));
    poly.Close();
    const TopoDS_Face face = BRepBuilderAPI_MakeFace(poly.Wire(), true);
    return BRepPrimAPI_MakePrism(face, gp_Vec(0, 0, z1 - z0)).Shape();
}

struct Part {
    std::string name;
    TopoDS_Shape shape;
};

Handle(TDocStd_Document) NewDocument() {
    Handle(TDocStd_Document) doc;
    XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", doc);
    return doc;
}

void Name(const TDF_Label& label, const std::string& name) {
    TDataStd_Name::Set(label, TCollection_ExtendedString(name.c_str(), true));
}

bool WriteStep(const Handle(TDocStd_Document) & doc, const std::string& path, const char* unit) {
    Interface_Static::SetCVal("write.step.unit", unit);
    STEPCAFControl_Writer writer;
    writer.SetNameMode(true);
    if (!writer.Transfer(doc, STEPControl_AsIs)) return false;
    return writer.Write(path.c_str()) == IFSelect_RetDone;
}

// Each part a free shape of its own document label.
bool WriteParts(const std::string& path, const std::vector<Part>& parts, const char* unit = "MM") {
    Handle(TDocStd_Document) doc = NewDocument();
    Handle(XCAFDoc_ShapeTool) tool = XCAFDoc_DocumentTool::ShapeTool(doc->Main());
    for (const Part& p : parts) Name(tool->AddShape(p.shape, false), p.name);
    const bool ok = WriteStep(doc, path, unit);
    XCAFApp_Application::GetApplication()->Close(doc);
    return ok;
}

// A box whose shell lacks its top face, kept as a solid: the reader must
// find the hole.
TopoDS_Shape OpenBox() {
    const TopoDS_Shape box = BRepPrimAPI_MakeBox(gp_Pnt(100, 0, 0), 10, 10, 10).Shape();
    BRep_Builder b;
    TopoDS_Shell shell;
    b.MakeShell(shell);
    int i = 0;
    for (TopExp_Explorer ex(box, TopAbs_FACE); ex.More(); ex.Next())
        if (i++ != 5) b.Add(shell, ex.Current());
    TopoDS_Solid solid;
    b.MakeSolid(solid);
    b.Add(solid, shell);
    return solid;
}

TopoDS_Shape LooseFace() {
    BRepBuilderAPI_MakePolygon poly(gp_Pnt(200, 0, 0), gp_Pnt(210, 0, 0), gp_Pnt(210, 10, 0), true);
    return BRepBuilderAPI_MakeFace(poly.Wire(), true).Shape();
}

// A two-finger gripper built along its own tool axis (+Z, mounting face of
// the flange adapter at z = 0, centred on the axis), then placed in the file
// so that the flange centre is at (120, −35, 60) mm and the gripper's X, Y
// and Z axes lie along the file's +Y, +Z and +X.
bool WriteGripper(const std::string& path) {
    Handle(TDocStd_Document) doc = NewDocument();
    Handle(XCAFDoc_ShapeTool) tool = XCAFDoc_DocumentTool::ShapeTool(doc->Main());

    const TopoDS_Shape flange =
        BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(0, 0, 0), gp_Dir(0, 0, 1)), 31.5, 12).Shape();
    const TopoDS_Shape plate = BRepPrimAPI_MakeBox(gp_Pnt(-45, -30, 12), 90, 60, 10).Shape();
    const TopoDS_Shape body = BRepPrimAPI_MakeBox(gp_Pnt(-55, -25, 22), 110, 50, 45).Shape();
    const TopoDS_Shape finger = BRepPrimAPI_MakeBox(gp_Pnt(0, 0, 0), 14, 24, 55).Shape();

    const TDF_Label assy = tool->NewShape();
    Name(assy, "Two-finger gripper");
    gp_Trsf place;
    place.SetValues(0, 0, 1, 120,  //
                    1, 0, 0, -35,  //
                    0, 1, 0, 60);
    auto add = [&](const TDF_Label& part, const gp_Trsf& local, const char* instance) {
        const TDF_Label c = tool->AddComponent(assy, part, TopLoc_Location(place * local));
        Name(c, instance);
    };
    const TDF_Label flangeL = tool->AddShape(flange, false);
    Name(flangeL, "Flange adapter");
    const TDF_Label plateL = tool->AddShape(plate, false);
    Name(plateL, "Base plate");
    const TDF_Label bodyL = tool->AddShape(body, false);
    Name(bodyL, "Gripper body");
    const TDF_Label fingerL = tool->AddShape(finger, false);
    Name(fingerL, "Finger");
    add(flangeL, gp_Trsf(), "Flange adapter");
    add(plateL, gp_Trsf(), "Base plate");
    add(bodyL, gp_Trsf(), "Gripper body");
    gp_Trsf left, right;
    left.SetTranslation(gp_Vec(-40, -12, 67));
    right.SetTranslation(gp_Vec(26, -12, 67));
    add(fingerL, left, "Finger left");
    add(fingerL, right, "Finger right");
    tool->UpdateAssemblies();
    const bool ok = WriteStep(doc, path, "MM");
    XCAFApp_Application::GetApplication()->Close(doc);
    return ok;
}

cadgen::Triangle Shift(const cadgen::Triangle& t, double dx, double dy, double dz) {
    cadgen::Triangle s = t;
    for (auto& p : s) {
        p[0] += dx;
        p[1] += dy;
        p[2] += dz;
    }
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: cadgen TEST_DATA_FOLDER EXAMPLES_FOLDER\n");
        return 1;
    }
    const std::string data = argv[1], examples = argv[2];
    try {
        STEPControl_Controller::Init();
        const TopoDS_Shape box =
            BRepPrimAPI_MakeBox(gp_Pnt(kBoxX, kBoxY, kBoxZ), kBoxDx, kBoxDy, kBoxDz).Shape();
        // Radius 20, length 50 along +X from (−10, 10, −5); written in inches.
        const TopoDS_Shape cylinder =
            BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(-10, 10, -5), gp_Dir(1, 0, 0)), 20, 50).Shape();
        const TopoDS_Shape lshape = PrismShape(kLProfile, kLZ0, kLZ1);
        bool ok = WriteParts(data + "/box.step", {{"Box", box}});
        ok = ok && WriteParts(data + "/cylinder.step", {{"Cylinder", cylinder}}, "INCH");
        ok = ok && WriteParts(data + "/lshape.step", {{"L-shape", lshape}});
        ok = ok && WriteParts(data + "/open-parts.step",
                              {{"Closed box", BRepPrimAPI_MakeBox(gp_Pnt(0, 0, 0), 10, 10, 10).Shape()},
                               {"Open box", OpenBox()},
                               {"Loose face", LooseFace()}});

        std::vector<cadgen::Triangle> boxMesh =
            cadgen::PrismMesh({{0, 0}, {kBoxDx, 0}, {kBoxDx, kBoxDy}, {0, kBoxDy}}, 0, kBoxDz);
        for (auto& t : boxMesh) t = Shift(t, kBoxX, kBoxY, kBoxZ);
        ok = ok && cadgen::WriteBinaryStl(data + "/box.stl", boxMesh);
        ok = ok && cadgen::WriteBinaryStl(data + "/lshape.stl", cadgen::PrismMesh(kLProfile, kLZ0, kLZ1, 3));
        // A wedge: right triangle with legs 30 (x) and 40 (y) at (5, −5), from z = 2 to 12.
        ok = ok && cadgen::WriteAsciiStl(data + "/wedge-ascii.stl", "wedge",
                                         cadgen::PrismMesh({{5, -5}, {35, -5}, {5, 35}}, 2, 12));
        ok = ok && WriteGripper(examples + "/sample-gripper.step");
        if (!ok) {
            std::fprintf(stderr, "cadgen: a file could not be written\n");
            return 1;
        }
    } catch (const Standard_Failure& e) {
        std::fprintf(stderr, "cadgen: %s\n", e.GetMessageString());
        return 1;
    }
    return 0;
}
