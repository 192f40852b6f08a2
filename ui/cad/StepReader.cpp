#include "StepReader.h"

#include <BRepBndLib.hxx>
#include <BRepGProp.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Check.hxx>
#include <Interface_CheckIterator.hxx>
#include <Interface_CheckTool.hxx>
#include <Interface_InterfaceModel.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <Message_ProgressIndicator.hxx>
#include <Message_ProgressScope.hxx>
#include <Poly_Triangulation.hxx>
#include <STEPCAFControl_Reader.hxx>
#include <STEPControl_Reader.hxx>
#include <Standard_Failure.hxx>
#include <TDF_LabelSequence.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Solid.hxx>
#include <UnitsMethods.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>
#include <cmath>
#include <istream>
#include <mutex>
#include <new>
#include <streambuf>

#include "Strings.h"
#include "StringsCad.h"

namespace kest::cad {

namespace {

// The file's bytes as a stream for the STEP parser, without a copy.
class CByteStreamBuf : public std::streambuf {
public:
    explicit CByteStreamBuf(const QByteArray& bytes) {
        char* p = const_cast<char*>(bytes.constData());
        setg(p, p, p + bytes.size());
    }

protected:
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override {
        const off_type base = dir == std::ios_base::beg   ? 0
                              : dir == std::ios_base::cur ? gptr() - eback()
                                                          : egptr() - eback();
        return seekpos(pos_type(base + off), std::ios_base::in);
    }
    pos_type seekpos(pos_type pos, std::ios_base::openmode) override {
        if (off_type(pos) < 0 || off_type(pos) > egptr() - eback()) return pos_type(off_type(-1));
        setg(eback(), eback() + off_type(pos), egptr());
        return pos;
    }
};

// Open CASCADE's progress, passed on to the caller, whose "no" cancels.
class COcctProgress : public Message_ProgressIndicator {
public:
    explicit COcctProgress(const CProgress& progress) : m_progress(progress) {}
    Standard_Boolean UserBreak() override { return m_cancelled; }
    void Show(const Message_ProgressScope&, const Standard_Boolean) override {
        if (m_progress && !m_cancelled && !m_progress(GetPosition())) m_cancelled = true;
    }
    bool Cancelled() const { return m_cancelled; }

private:
    CProgress m_progress;
    bool m_cancelled = false;
};

// The document of one read, closed whatever happens.
struct CDocument {
    Handle(TDocStd_Document) doc;
    CDocument() { XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", doc); }
    ~CDocument() {
        if (!doc.IsNull() && doc->IsOpened()) XCAFApp_Application::GetApplication()->Close(doc);
    }
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;
};

// Open CASCADE's messages would go to standard output; the user sees ours.
void SilenceMessages() {
    static std::once_flag once;
    std::call_once(
        once, [] { Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream)); });
}

QString LabelName(const TDF_Label& label) {
    Handle(TDataStd_Name) name;
    if (!label.FindAttribute(TDataStd_Name::GetID(), name)) return {};
    const TCollection_ExtendedString& s = name->Get();
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(s.ToExtString()), s.Length()).trimmed();
}

// A shape of the file to list: a solid, a shell outside any solid, or the
// loose faces of a part as one compound.
struct CFound {
    QString name;
    TopoDS_Shape shape;
};

// Every simple shape of the assembly tree at its place in the file, named
// after the component (or its part when the component has no name).
void Walk(const Handle(XCAFDoc_ShapeTool) & tool, const TDF_Label& label, const TopLoc_Location& place,
          QString name, std::vector<CFound>& found, int depth = 0) {
    if (depth > 64) return;  // a reference cycle in a damaged file
    if (tool->IsAssembly(label)) {
        TDF_LabelSequence components;
        tool->GetComponents(label, components, false);
        for (const TDF_Label& c : components) {
            TDF_Label part;
            if (!tool->GetReferredShape(c, part)) continue;
            QString n = LabelName(c);
            if (n.isEmpty()) n = LabelName(part);
            Walk(tool, part, place * tool->GetLocation(c), n, found, depth + 1);
        }
        return;
    }
    if (name.isEmpty()) name = LabelName(label);
    const TopoDS_Shape shape = tool->GetShape(label);
    if (shape.IsNull()) return;
    const TopoDS_Shape placed = shape.Moved(place);
    std::vector<CFound> here;
    for (TopExp_Explorer ex(placed, TopAbs_SOLID); ex.More(); ex.Next()) here.push_back({name, ex.Current()});
    for (TopExp_Explorer ex(placed, TopAbs_SHELL, TopAbs_SOLID); ex.More(); ex.Next())
        here.push_back({name, ex.Current()});
    TopoDS_Compound faces;
    BRep_Builder builder;
    builder.MakeCompound(faces);
    bool anyFace = false;
    for (TopExp_Explorer ex(placed, TopAbs_FACE, TopAbs_SHELL); ex.More(); ex.Next(), anyFace = true)
        builder.Add(faces, ex.Current());
    if (anyFace) here.push_back({name, faces});
    if (here.size() > 1 && !name.isEmpty())
        for (size_t i = 0; i < here.size(); ++i)
            here[i].name = QStringLiteral("%1 (%2)").arg(name).arg(i + 1);
    found.insert(found.end(), here.begin(), here.end());
}

// Edges that border one face only (a seam borders its face twice; the
// degenerate edge at a cone's tip borders none).
int FreeEdges(const TopoDS_Shape& solid) {
    TopTools_IndexedDataMapOfShapeListOfShape edges;
    TopExp::MapShapesAndAncestors(solid, TopAbs_EDGE, TopAbs_FACE, edges);
    int free = 0;
    for (int i = 1; i <= edges.Extent(); ++i)
        if (edges(i).Extent() == 1 && !BRep_Tool::Degenerated(TopoDS::Edge(edges.FindKey(i)))) ++free;
    return free;
}

// Volume, centre and tensor from the exact geometry, scaled to metres.
// Open CASCADE's matrix of inertia is about the centre of mass, with the
// products already negated (Ixy = −∫x·y dm), as CMassProps keeps them.
void Measure(const TopoDS_Shape& solid, double scale, CCadSolid& out) {
    if (const int free = FreeEdges(solid); free > 0) {
        out.problem = LoadKestString(IDS_GEOM_SHELL_OPEN).arg(free);
        return;
    }
    GProp_GProps props;
    // Closedness was checked above, from the edges rather than the shells' flags.
    BRepGProp::VolumeProperties(solid, props, 1e-9, false);
    Bnd_Box box;
    BRepBndLib::Add(solid, box);
    const double diagonal = box.IsVoid() ? 0.0 : std::sqrt(box.SquareExtent());
    const double volume = props.Mass();
    if (!(volume > 1e-12 * diagonal * diagonal * diagonal) || !std::isfinite(volume)) {
        out.problem = LoadKestString(IDS_GEOM_ZERO_VOLUME);
        return;
    }
    const gp_Pnt c = props.CentreOfMass();
    const gp_Mat m = props.MatrixOfInertia();
    const double s3 = scale * scale * scale, s5 = s3 * scale * scale;
    out.volumeM3 = volume * s3;
    out.unitDensity.massKg = out.volumeM3;
    out.unitDensity.comM = {c.X() * scale, c.Y() * scale, c.Z() * scale};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) out.unitDensity.inertia[i][j] = m.Value(i + 1, j + 1) * s5;
    out.measurable = IsFinite(out.unitDensity);
    if (!out.measurable) out.problem = LoadKestString(IDS_CAD_NOT_FINITE);
}

TopoDS_Shape AsSolid(const TopoDS_Shape& shape) {
    if (shape.ShapeType() != TopAbs_SHELL) return shape;
    TopoDS_Solid solid;
    BRep_Builder builder;
    builder.MakeSolid(solid);
    builder.Add(solid, shape);
    return solid;
}

// The faces' triangulation at their place in the file, in metres.
void AddTriangles(const TopoDS_Shape& shape, double scale, std::vector<CTriangle>& out) {
    for (TopExp_Explorer ex(shape, TopAbs_FACE); ex.More(); ex.Next()) {
        const TopoDS_Face& face = TopoDS::Face(ex.Current());
        TopLoc_Location loc;
        const Handle(Poly_Triangulation) tri = BRep_Tool::Triangulation(face, loc);
        if (tri.IsNull()) continue;
        const gp_Trsf trsf = loc.Transformation();
        auto node = [&](int i) {
            const gp_Pnt p = tri->Node(i).Transformed(trsf);
            return CVec3{p.X() * scale, p.Y() * scale, p.Z() * scale};
        };
        const bool reversed = face.Orientation() == TopAbs_REVERSED;
        for (int i = 1; i <= tri->NbTriangles(); ++i) {
            int a, b, c;
            tri->Triangle(i).Get(a, b, c);
            if (reversed) std::swap(b, c);
            out.push_back({node(a), node(b), node(c)});
        }
    }
}

int Fail(QString& error, int status, const QString& text) {
    error = text;
    return status;
}

// The damage named by Open CASCADE, when it names one, is added in brackets.
QString Damaged(const QString& detail = {}) {
    const QString d = detail.trimmed();
    return LoadKestString(IDS_GEOM_STEP_DAMAGED)
        .arg(d.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(d));
}

QString FirstFail(const Interface_CheckIterator& fails) {
    for (Interface_CheckIterator it = fails; it.More(); it.Next()) {
        const Handle(Interface_Check)& check = it.Value();
        if (check->NbFails() > 0) {
            const Handle(TCollection_HAsciiString) text = check->Fail(1, true);
            if (!text.IsNull()) return QString::fromUtf8(text->ToCString());
        }
    }
    return {};
}

int ReadStepDocument(const QByteArray& bytes, CCadGeometry& out, QString& error, const CProgress& progress) {
    SilenceMessages();
    Handle(COcctProgress) indicator = new COcctProgress(progress);
    Message_ProgressScope root(indicator->Start(), nullptr, 100);

    STEPCAFControl_Reader reader;
    reader.SetNameMode(true);
    reader.SetColorMode(false);
    reader.SetLayerMode(false);
    reader.SetPropsMode(false);
    CByteStreamBuf buffer(bytes);
    std::istream stream(&buffer);
    // Parsing the text reports no progress of its own.
    if (reader.ChangeReader().ReadStream("file.step", stream) != IFSelect_RetDone)
        return Fail(error, GEOM_BAD_FORMAT, Damaged());
    // Open CASCADE's translation trusts the entities it is given: a reference
    // to a missing entity or a parameter of the wrong type, which the parser
    // records as a failure, would crash it. Such a file is refused here.
    {
        Interface_CheckTool checker(reader.ChangeReader().Model());
        const Interface_CheckIterator fails = checker.CompleteCheckList();
        if (!fails.IsEmpty(true)) return Fail(error, GEOM_BAD_FORMAT, Damaged(FirstFail(fails)));
    }
    root.Next(30);
    if (indicator->Cancelled()) return Fail(error, GEOM_CANCELLED, LoadKestString(IDS_GEOM_CANCELLED));

    CDocument document;
    const bool transferred = reader.Transfer(document.doc, root.Next(40));
    if (indicator->Cancelled() || !root.More())
        return Fail(error, GEOM_CANCELLED, LoadKestString(IDS_GEOM_CANCELLED));
    if (!transferred) return Fail(error, GEOM_BAD_FORMAT, Damaged());

    // Open CASCADE turns the file's lengths into the document's unit.
    double unitM = 0.0;
    if (!XCAFDoc_DocumentTool::GetLengthUnit(document.doc, unitM) || !(unitM > 0.0))
        unitM = UnitsMethods::GetCasCadeLengthUnit() / 1000.0;
    out.unitFromFile = true;

    const Handle(XCAFDoc_ShapeTool) tool = XCAFDoc_DocumentTool::ShapeTool(document.doc->Main());
    TDF_LabelSequence roots;
    tool->GetFreeShapes(roots);
    std::vector<CFound> found;
    for (const TDF_Label& label : roots) Walk(tool, label, TopLoc_Location(), QString(), found);

    Message_ProgressScope measuring(root.Next(30), nullptr, 2.0 * std::max<size_t>(found.size(), 1));
    int unnamed = 0;
    for (const CFound& f : found) {
        CCadSolid solid;
        solid.name = f.name.isEmpty() ? LoadKestString(IDS_CAD_SOLID_N).arg(++unnamed) : f.name;
        // A shell outside any solid is measured when it is closed; loose faces never are.
        const bool body = f.shape.ShapeType() == TopAbs_SOLID || f.shape.ShapeType() == TopAbs_SHELL;
        if (body)
            Measure(AsSolid(f.shape), unitM, solid);
        else
            solid.problem = LoadKestString(IDS_GEOM_NOT_SOLID);
        measuring.Next();
        if (!measuring.More() || indicator->Cancelled())
            return Fail(error, GEOM_CANCELLED, LoadKestString(IDS_GEOM_CANCELLED));
        if (body) {
            // A coarse mesh is enough for the picture.
            IMeshTools_Parameters mesh;
            mesh.Deflection = 0.05;
            mesh.Relative = true;
            mesh.Angle = 0.5;
            BRepMesh_IncrementalMesh(f.shape, mesh, measuring.Next());
            if (!measuring.More() || indicator->Cancelled())
                return Fail(error, GEOM_CANCELLED, LoadKestString(IDS_GEOM_CANCELLED));
            AddTriangles(f.shape, unitM, solid.triangles);
        } else {
            measuring.Next();
        }
        out.solids.push_back(std::move(solid));
    }
    return GEOM_OK;
}

}  // namespace

bool LooksLikeStep(const QByteArray& bytes) {
    qsizetype i = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) i = 3;
    while (i < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[i]))) ++i;
    return bytes.mid(i, 12) == "ISO-10303-21";
}

int ReadStep(const QByteArray& bytes, CCadGeometry& out, QString& error, const CProgress& progress) {
    out = CCadGeometry();
    error.clear();
    // A file cut short is refused before the parser guesses at its rest.
    if (!bytes.right(4096).contains("END-ISO-10303-21"))
        return Fail(error, GEOM_BAD_FORMAT, LoadKestString(IDS_GEOM_STEP_TRUNCATED));
    int status;
    try {
        status = ReadStepDocument(bytes, out, error, progress);
    } catch (const Standard_Failure& e) {
        status = Fail(error, GEOM_BAD_FORMAT, Damaged(QString::fromUtf8(e.GetMessageString())));
    } catch (const std::bad_alloc&) {
        status = Fail(error, GEOM_TOO_LARGE, Damaged(QStringLiteral("out of memory")));
    } catch (const std::exception& e) {
        status = Fail(error, GEOM_BAD_FORMAT, Damaged(QString::fromUtf8(e.what())));
    } catch (...) {
        status = Fail(error, GEOM_BAD_FORMAT, Damaged());
    }
    if (status != GEOM_OK) out = CCadGeometry();
    return status;
}

}  // namespace kest::cad
