#include "StringsCad.h"

namespace kest {

const CadStringTable& CadKoreanStrings() {
    static const CadStringTable kTable = {
        {IDS_CAD_NO_BODIES, "가져올 솔리드가 없습니다."},
        {IDS_CAD_NO_MASS, "%1의 질량이나 밀도를 입력하십시오."},
        {IDS_CAD_BAD_MASS, "%1의 질량은 0보다 크고 %2 kg 이하인 수여야 합니다."},
        {IDS_CAD_BAD_DENSITY, "%1의 밀도는 0보다 크고 %2 kg/m³ 이하인 수여야 합니다."},
        {IDS_CAD_BODY_LEFT_OUT, "%1은(는) 측정할 수 없어 제외했습니다: %2"},
        {IDS_CAD_PRODUCTS_LARGE,
         "관성 곱이 가장 큰 관성 모멘트의 %1 %입니다. KestLoad는 Ixx, Iyy, Izz만 검토하므로 "
         "보수적 선택(세 값 모두 최대 주관성 모멘트)을 고려하십시오."},
        {IDS_CAD_CONSERVATIVE_USED,
         "Ixx, Iyy, Izz를 최대 주관성 모멘트 %1 kg·m²로 바꾸었습니다 (보수적 선택)."},
        {IDS_CAD_NOT_FINITE, "계산 결과가 유한한 수가 아닙니다."},
        {IDS_CAD_SOLID_N, "솔리드 %1"},
        {IDS_CAD_MAT_STEEL, "강철"},
        {IDS_CAD_MAT_STAINLESS, "스테인리스강"},
        {IDS_CAD_MAT_ALUMINIUM, "알루미늄 합금"},
        {IDS_CAD_MAT_TITANIUM, "티타늄 합금"},
        {IDS_CAD_MAT_BRASS, "황동"},
        {IDS_CAD_MAT_COPPER, "구리"},
        {IDS_CAD_MAT_CAST_IRON, "주철"},
        {IDS_CAD_MAT_POM, "POM (폴리아세탈)"},
        {IDS_CAD_MAT_PA, "PA (나일론)"},
        {IDS_CAD_MAT_ABS, "ABS"},
        {IDS_CAD_EXCLUDED, "%1은(는) 사용자가 제외했습니다."},
        {IDS_CAD_DENSITY_NEEDS_VOLUME,
         "%1: 보고서에 부피가 없어 밀도를 쓸 수 없습니다. 질량을 입력하십시오."},
        {IDS_CAD_TOTAL_TOO_SMALL, "전체 질량 %1 kg은 솔리드별로 입력한 질량의 합 %2 kg보다 커야 합니다."},
        {IDS_CAD_TOTAL_UNUSED, "전체 질량은 쓰이지 않았습니다: 모든 솔리드에 질량이나 밀도가 따로 있습니다."},
        {IDS_CAD_THE_TOTAL, "전체 부하"},
        {IDS_CAD_THE_DEFAULT, "기본값"},
    };
    return kTable;
}

const CadStringTable& CadEnglishStrings() {
    static const CadStringTable kTable = {
        {IDS_CAD_NO_BODIES, "There is no solid to import."},
        {IDS_CAD_NO_MASS, "Give a mass or a density for %1."},
        {IDS_CAD_BAD_MASS, "The mass of %1 must be a number above 0 and at most %2 kg."},
        {IDS_CAD_BAD_DENSITY, "The density of %1 must be a number above 0 and at most %2 kg/m³."},
        {IDS_CAD_BODY_LEFT_OUT, "%1 cannot be measured and was left out: %2"},
        {IDS_CAD_PRODUCTS_LARGE,
         "The products of inertia reach %1 % of the largest moment. KestLoad checks only Ixx, Iyy and Izz: "
         "consider the conservative choice (all three set to the largest principal moment)."},
        {IDS_CAD_CONSERVATIVE_USED,
         "Ixx, Iyy and Izz were replaced by the largest principal moment, %1 kg·m² (conservative choice)."},
        {IDS_CAD_NOT_FINITE, "The result is not a finite number."},
        {IDS_CAD_SOLID_N, "Solid %1"},
        {IDS_CAD_MAT_STEEL, "Steel"},
        {IDS_CAD_MAT_STAINLESS, "Stainless steel"},
        {IDS_CAD_MAT_ALUMINIUM, "Aluminium alloy"},
        {IDS_CAD_MAT_TITANIUM, "Titanium alloy"},
        {IDS_CAD_MAT_BRASS, "Brass"},
        {IDS_CAD_MAT_COPPER, "Copper"},
        {IDS_CAD_MAT_CAST_IRON, "Cast iron"},
        {IDS_CAD_MAT_POM, "POM (acetal)"},
        {IDS_CAD_MAT_PA, "PA (nylon)"},
        {IDS_CAD_MAT_ABS, "ABS"},
        {IDS_CAD_EXCLUDED, "%1 was left out by the user."},
        {IDS_CAD_DENSITY_NEEDS_VOLUME,
         "%1: the report states no volume, so a density cannot be used; give a mass."},
        {IDS_CAD_TOTAL_TOO_SMALL, "The total mass, %1 kg, must exceed the %2 kg given body by body."},
        {IDS_CAD_TOTAL_UNUSED, "The total mass was not used: every body has its own mass or density."},
        {IDS_CAD_THE_TOTAL, "the whole load"},
        {IDS_CAD_THE_DEFAULT, "the default"},
    };
    return kTable;
}

}  // namespace kest
