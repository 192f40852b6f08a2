// The engine object behind ITarn.
#pragma once

#include <string>

#include "Tarn_Kest.h"
#include "TblMech.h"

namespace kest {

class CTarn_Kest final : public ITarn {
public:
    CTarn_Kest() = default;
    virtual ~CTarn_Kest() = default;

    int GetConstA() override;
    int GetModuleName(char16_t* buf, int size) override;
    int GetConstB() override;
    int Init(const char16_t* folder) override;
    int Reserved(int, int) override;
    int GetMechDataVer(char16_t* buf, int size) override;
    int GetMechName(int index, char16_t* buf, int size) override;
    int GetMechImg(const char16_t* name, char16_t* buf, int size) override;
    int SelectMech(const char16_t* name) override;
    int GetCurMechName(char16_t* buf, int size) override;
    int GetAxisName(int axis, char16_t* buf, int size) override;
    int GetDefaultLoad(int kind, LoadRec* out) override;
    int SetLoad(int kind, const LoadRec* load) override;
    int GetAllowMoment(int axis, double* out) override;
    int GetAllowInertia(int axis, double* out) override;
    int GetLenB(double* out) override;
    int Calculate() override;
    double GetPayloadZ() override;
    double GetPayloadR() override;
    double GetLimitZ() override;
    double GetLimitR() override;
    double GetLimitDist() override;
    int GetLoadRatios(AxisRatios* out) override;
    int GetMomentRatios(AxisRatios* out) override;
    int GetInertiaRatios(AxisRatios* out) override;
    int IsInEnvelope() override;
    int IsOverload() override;
    int IsLimitInvalid() override;
    int GetMassLevel() override;
    int GetMomentLevel() override;
    int GetInertiaLevel() override;
    double GetMaxPayload() override;
    int LoadMechData(const char16_t* folder, int current) override;

private:
    int LoadTable(const char16_t* folder, const char16_t* fileName);

    std::u16string m_curName;
    CTblMech m_table;
    MechRec* m_cur = nullptr;
    int m_limitInvalid = 0;
    int m_level = 0;  // scratch of the last level computed
};

}  // namespace kest
