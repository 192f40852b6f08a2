// Public interface of the calculation engine libTarn_Kest.so.
//
// The user interface loads the library at run time (dlopen), binds the four
// exported functions by name and drives the engine only through ITarn. This
// header is the only file the two libraries share. Everything here is plain
// C++ with a stable layout: the order of the virtual operations is the ABI.
#pragma once

#include <cstdint>

// One load crossing the interface: mass in kg, centre of gravity x, y, z in mm,
// moments of inertia about the load's own centre of gravity in kg·m².
struct LoadRec {
    double Mass, x, y, z, Ixx, Iyy, Izz;
};

// Six percent values in axis order S, H, V, R2, B, R1 (axis numbers 1 to 6).
struct AxisRatios {
    double v[6];
};

// Load kinds of the engine. The user interface lists them as tool, V, H, S.
enum TarnLoadKind : int {
    LOAD_TOOL = 0,  // tool at the flange
    LOAD_S = 1,     // additional load on the swivel base
    LOAD_H = 2,     // additional load on the lower arm
    LOAD_V = 3,     // additional load on the upper arm
};

// Axis numbers used by GetAxisName, GetAllowMoment and GetAllowInertia.
enum TarnAxis : int {
    AXIS_S = 1,
    AXIS_H = 2,
    AXIS_V = 3,
    AXIS_R2 = 4,
    AXIS_B = 5,
    AXIS_R1 = 6,
};

// The engine object. Status results are 0 for success and negative on failure.
// Texts are UTF-16 and copied with their terminating zero into the caller's
// buffer; `size` is the buffer's size in characters and is never exceeded (a
// text that does not fit is cut and still terminated). Operations that need a
// current mechanism return -1 (status) or 0.0 (value) when none is selected.
// SetLoad returns -2 and stores nothing when a value of the load is NaN or
// infinite. A ratio that is not a number counts as above every threshold.
class ITarn {
public:
    virtual int GetConstA() = 0;                                                // 0
    virtual int GetModuleName(char16_t* buf, int size) = 0;                     // 1
    virtual int GetConstB() = 0;                                                // 2
    virtual int Init(const char16_t* folder) = 0;                               // 3
    virtual int Reserved(int, int) = 0;                                         // 4
    virtual int GetMechDataVer(char16_t* buf, int size) = 0;                    // 5
    virtual int GetMechName(int index, char16_t* buf, int size) = 0;            // 6
    virtual int GetMechImg(const char16_t* name, char16_t* buf, int size) = 0;  // 7
    virtual int SelectMech(const char16_t* name) = 0;                           // 8
    virtual int GetCurMechName(char16_t* buf, int size) = 0;                    // 9
    virtual int GetAxisName(int axis, char16_t* buf, int size) = 0;             // 10
    virtual int GetDefaultLoad(int kind, LoadRec* out) = 0;                     // 11
    virtual int SetLoad(int kind, const LoadRec* load) = 0;                     // 12
    virtual int GetAllowMoment(int axis, double* out) = 0;                      // 13
    virtual int GetAllowInertia(int axis, double* out) = 0;                     // 14
    virtual int GetLenB(double* out) = 0;                                       // 15
    virtual int Calculate() = 0;                                                // 16
    virtual double GetPayloadZ() = 0;                                           // 17
    virtual double GetPayloadR() = 0;                                           // 18
    virtual double GetLimitZ() = 0;                                             // 19
    virtual double GetLimitR() = 0;                                             // 20
    virtual double GetLimitDist() = 0;                                          // 21
    virtual int GetLoadRatios(AxisRatios* out) = 0;                             // 22
    virtual int GetMomentRatios(AxisRatios* out) = 0;                           // 23
    virtual int GetInertiaRatios(AxisRatios* out) = 0;                          // 24
    virtual int IsInEnvelope() = 0;                                             // 25
    virtual int IsOverload() = 0;                                               // 26
    virtual int IsLimitInvalid() = 0;                                           // 27
    virtual int GetMassLevel() = 0;                                             // 28
    virtual int GetMomentLevel() = 0;                                           // 29
    virtual int GetInertiaLevel() = 0;                                          // 30
    virtual double GetMaxPayload() = 0;                                         // 31
    virtual int LoadMechData(const char16_t* folder, int current) = 0;          // 32
};

// Function types of the four exports, bound by name with dlsym.
extern "C" {
typedef ITarn* (*PFN_Tarn_CreateInstance)();
typedef int (*PFN_Tarn_DeleteInstance)(ITarn*);
typedef int (*PFN_EncryptMechData)(const char16_t* src, const char16_t* dst);
typedef int (*PFN_DecryptMechData)(const char16_t* src, const char16_t* dst);

// Message hook: when the process provides this symbol (the user-interface
// library does), the engine shows its messages through it; otherwise it writes
// them to standard error. `flags` uses the message-box bits below.
typedef int (*PFN_KestMessageBoxW)(const char16_t* text, unsigned int flags);
}

// Names of the exports and of the message hook.
#define TARN_CREATE_INSTANCE_NAME "Tarn_CreateInstance"
#define TARN_DELETE_INSTANCE_NAME "Tarn_DeleteInstance"
#define TARN_ENCRYPT_NAME "EncryptMechData"
#define TARN_DECRYPT_NAME "DecryptMechData"
#define KEST_MESSAGE_BOX_NAME "KestMessageBoxW"

// Message-box flags understood by the hook.
enum : unsigned int {
    KEST_MB_OK = 0x00000000u,
    KEST_MB_OKCANCEL = 0x00000001u,
    KEST_MB_YESNOCANCEL = 0x00000003u,
    KEST_MB_YESNO = 0x00000004u,
    KEST_MB_ICONSTOP = 0x00000010u,
    KEST_MB_ICONQUESTION = 0x00000020u,
    KEST_MB_ICONWARNING = 0x00000030u,
    KEST_MB_ICONINFORMATION = 0x00000040u,
};

// Codes returned when the mechanism table cannot be loaded.
enum : int {
    TARN_ERR_PARSER = -1,      // the XML parser object could not be created
    TARN_ERR_NO_HEADER = -4,   // no //MechTable/FileHeader; the table is left empty
    TARN_ERR_OPEN = -901,      // the mechanism-data file cannot be opened
    TARN_ERR_DECRYPT = -902,   // decryption or its integrity check failed
    TARN_ERR_XML = -903,       // the decrypted text is not well-formed XML
    TARN_ERR_TOO_DEEP = -904,  // elements nest deeper than any mechanism table does
};
