#include "TarnKest.h"

#include <cmath>
#include <new>

#include "LoadCheck.h"
#include "Utf16.h"

namespace kest {
namespace {

// Record slot of an engine load kind, or -1 for an unknown kind.
int SlotOfKind(int kind) {
    switch (kind) {
        case LOAD_TOOL: return SLOT_TOOL;
        case LOAD_S: return SLOT_S;
        case LOAD_H: return SLOT_H;
        case LOAD_V: return SLOT_V;
        default: return -1;
    }
}

}  // namespace

int CTarn_Kest::GetConstA() { return 1; }

int CTarn_Kest::GetModuleName(char16_t* buf, int size) {
    CopyToCaller(u"Tarn_Kest", buf, size);
    return 0;
}

int CTarn_Kest::GetConstB() { return 2; }

int CTarn_Kest::Init(const char16_t* folder) { return LoadTable(folder, u"KestMechData.bin"); }

int CTarn_Kest::LoadMechData(const char16_t* folder, int current) {
    return LoadTable(folder, current ? u"KestMechData.bin" : u"KestMechData_old.bin");
}

int CTarn_Kest::LoadTable(const char16_t* folder, const char16_t* fileName) {
    m_curName.clear();
    m_cur = nullptr;
    m_limitInvalid = 0;
    m_level = 0;
    try {
        std::u16string path = FromCallerText(folder);
        // The folder normally ends with its separator; add one when it does not
        // ('\\' is an ordinary character of a file name here).
        if (!path.empty() && path.back() != u'/') path += u'/';
        path += fileName;
        const int rc = m_table.Load(path, true);
        return rc < 0 ? rc : 0;
    } catch (const std::bad_alloc&) {
        return TARN_ERR_PARSER;
    } catch (...) {
        return TARN_ERR_XML;
    }
}

int CTarn_Kest::Reserved(int, int) { return 0; }

int CTarn_Kest::GetMechDataVer(char16_t* buf, int size) {
    const std::string version = std::to_string(m_table.GetVersion());
    CopyToCaller(Utf8ToUtf16(version) + u" (" + m_table.GetLastModifiedDate() + u")", buf, size);
    return 0;
}

int CTarn_Kest::GetMechName(int index, char16_t* buf, int size) {
    const std::u16string name = m_table.GetNameAt(index);
    if (name.empty()) return -1;
    CopyToCaller(name, buf, size);
    return 0;
}

int CTarn_Kest::GetMechImg(const char16_t* name, char16_t* buf, int size) {
    const MechRec* rec = m_table.FindMech(FromCallerText(name));
    if (rec == nullptr) return -1;
    CopyToCaller(rec->picture, buf, size);
    return 0;
}

int CTarn_Kest::SelectMech(const char16_t* name) {
    try {
        const std::u16string wanted = FromCallerText(name);
        m_cur = m_table.FindMech(wanted);
        if (m_cur == nullptr) return -1;
        m_curName = wanted;
        return 0;
    } catch (...) {
        m_cur = nullptr;
        return -1;
    }
}

int CTarn_Kest::GetCurMechName(char16_t* buf, int size) {
    CopyToCaller(m_curName, buf, size);
    return 0;
}

int CTarn_Kest::GetAxisName(int axis, char16_t* buf, int size) {
    static const char16_t* const kNames[] = {u"S", u"H", u"V", u"R2", u"B", u"R1"};
    if (axis < AXIS_S || axis > AXIS_R1) return -1;
    CopyToCaller(kNames[axis - 1], buf, size);
    return 0;
}

int CTarn_Kest::GetDefaultLoad(int kind, LoadRec* out) {
    if (m_cur == nullptr) return -1;
    Calculate();
    const MechRec& m = *m_cur;
    const MechResults& r = m.res;
    LoadRec rec{};
    switch (kind) {
        case LOAD_TOOL: rec = {m.M_Tmax, r.r1 * 1000, 0.0, r.zr * 1000, r.Irxx, r.Iryy, r.Irzz}; break;
        case LOAD_V:
            rec = {m.M_A1I,   m.L_A1XI * 1000, m.L_A1YI * 1000, m.L_A1ZI * 1000,
                   m.I_A1XXI, m.I_A1YYI,       m.I_A1ZZI};
            break;
        case LOAD_S:
        case LOAD_H: break;
        default: return -1;
    }
    if (out != nullptr) *out = rec;
    return 0;
}

int CTarn_Kest::SetLoad(int kind, const LoadRec* load) {
    if (m_cur == nullptr) return -1;
    const int slot = SlotOfKind(kind);
    if (slot < 0 || load == nullptr) return -1;
    // A value that is not finite would turn every result it touches into NaN or
    // infinity; the slot keeps the load it had.
    for (double v : {load->Mass, load->x, load->y, load->z, load->Ixx, load->Iyy, load->Izz}) {
        if (!std::isfinite(v)) return -2;
    }
    LoadSI& l = m_cur->loads[slot];
    l.m = load->Mass;
    l.x = load->x / 1000.0;
    l.y = load->y / 1000.0;
    l.z = load->z / 1000.0;
    l.Ixx = load->Ixx;
    l.Iyy = load->Iyy;
    l.Izz = load->Izz;
    return 0;
}

int CTarn_Kest::GetAllowMoment(int axis, double* out) {
    if (m_cur == nullptr) return -1;
    double value;
    if (axis == AXIS_R2 || axis == AXIS_B) {
        value = m_cur->Tau_uR2B / 9.8;
    } else if (axis == AXIS_R1) {
        value = m_cur->Tau_uR1 / 9.8;
    } else {
        return -1;
    }
    if (out != nullptr) *out = value;
    return 0;
}

int CTarn_Kest::GetAllowInertia(int axis, double* out) {
    if (m_cur == nullptr) return -1;
    double value;
    if (axis == AXIS_R2 || axis == AXIS_B) {
        value = m_cur->I_R2B;
    } else if (axis == AXIS_R1) {
        value = m_cur->I_R1;
    } else {
        return -1;
    }
    if (out != nullptr) *out = value;
    return 0;
}

int CTarn_Kest::GetLenB(double* out) {
    if (m_cur == nullptr) return -1;
    if (out != nullptr) *out = m_cur->L_B * 1000;
    return 0;
}

int CTarn_Kest::Calculate() {
    if (m_cur == nullptr) return -1;
    CalculateLoadCheck(*m_cur);
    m_level = 0;
    m_limitInvalid = ApplyLimitValidity(*m_cur) ? 1 : 0;
    return 0;
}

double CTarn_Kest::GetPayloadZ() { return m_cur ? m_cur->res.Pz * 1000 : 0.0; }

double CTarn_Kest::GetPayloadR() { return m_cur ? m_cur->res.Pr * 1000 : 0.0; }

double CTarn_Kest::GetLimitZ() {
    if (m_cur == nullptr) return 0.0;
    const double dist = GetLimitDist();
    const double radial = GetLimitR();
    return std::sqrt(dist * dist - radial * radial);
}

double CTarn_Kest::GetLimitR() { return m_cur ? m_cur->res.Lr * 1000 : 0.0; }

double CTarn_Kest::GetLimitDist() { return m_cur ? m_cur->res.Ld * 1000 : 0.0; }

int CTarn_Kest::GetLoadRatios(AxisRatios* out) {
    if (m_cur == nullptr) return -1;
    if (out != nullptr) LoadRatiosPercent(*m_cur, out->v);
    return 0;
}

int CTarn_Kest::GetMomentRatios(AxisRatios* out) {
    if (m_cur == nullptr) return -1;
    if (out != nullptr) MomentRatiosPercent(*m_cur, out->v);
    return 0;
}

int CTarn_Kest::GetInertiaRatios(AxisRatios* out) {
    if (m_cur == nullptr) return -1;
    if (out != nullptr) InertiaRatiosPercent(*m_cur, out->v);
    return 0;
}

int CTarn_Kest::IsInEnvelope() {
    if (m_cur == nullptr) return -1;
    return EnvelopeResult(*m_cur);
}

int CTarn_Kest::IsOverload() {
    if (m_cur == nullptr) return -1;
    return IsOverloaded(*m_cur) ? 1 : 0;
}

int CTarn_Kest::IsLimitInvalid() { return m_limitInvalid; }

int CTarn_Kest::GetMassLevel() {
    if (m_cur == nullptr) return -1;
    m_level = MassLevel(*m_cur);
    return m_level;
}

int CTarn_Kest::GetMomentLevel() {
    if (m_cur == nullptr) return -1;
    return MomentLevel(*m_cur);
}

int CTarn_Kest::GetInertiaLevel() {
    if (m_cur == nullptr) return -1;
    return InertiaLevel(*m_cur);
}

double CTarn_Kest::GetMaxPayload() { return m_cur ? m_cur->M_Tmax : 0.0; }

}  // namespace kest
