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
        {IDS_CAD_REPORT_NOT_RECOGNISED,
         "질량 특성 보고서로 읽을 수 없습니다. 알려진 CAD 보고서나 질량, 무게중심, 관성 텐서를 적은 표를 "
         "붙여 넣으십시오."},
        {IDS_CAD_REPORT_TOO_LARGE, "보고서가 너무 큽니다 (%1 MB 초과)."},
        {IDS_CAD_REPORT_MISSING_UNIT,
         "보고서에 %1의 단위가 없거나 읽을 수 없는 단위입니다. 단위를 지정한 뒤 다시 읽으십시오."},
        {IDS_CAD_REPORT_MISSING_VALUE, "%1: 보고서에 %2 값이 없습니다."},
        {IDS_CAD_REPORT_NOT_FINITE, "%1: %2 값이 유한한 수가 아닙니다."},
        {IDS_CAD_REPORT_MASS_NOT_POSITIVE, "%1: 질량은 0보다 커야 합니다 (보고서 값 %2)."},
        {IDS_CAD_REPORT_LOW_PRECISION,
         "유효숫자 부족: %1 값의 유효숫자가 4자리보다 적습니다. CAD 프로그램에서 소수 자릿수를 늘려 다시 "
         "출력하십시오."},
        {IDS_CAD_REPORT_OVERRIDDEN,
         "보고서에 사용자가 덮어쓴 값이 있습니다 (%1). 형상과 맞지 않을 수 있습니다."},
        {IDS_CAD_REPORT_DENSITY_ZERO, "밀도가 0으로 출력되었습니다. 소수 자릿수가 너무 적은 보고서입니다."},
        {IDS_CAD_REPORT_MASS_MISSING_PARTS, "질량이 없는 부품(재질 없음)이 %1개 있어 합계에서 빠졌습니다."},
        {IDS_CAD_REPORT_PRINCIPAL_MISMATCH,
         "보고서의 주관성 모멘트(%1)가 관성 텐서의 고유값(%2)과 맞지 않습니다."},
        {IDS_CAD_REPORT_SIGN_MISMATCH,
         "원점 기준 관성은 관성 곱을 %1로 본 경우와 맞고, 이 보고서 형식의 %2와는 맞지 않습니다. 관성 곱은 "
         "%2로 읽었습니다. 보고서를 확인하거나 부호를 지정하십시오."},
        {IDS_CAD_REPORT_ORIGIN_MISMATCH,
         "원점 기준 관성이 평행축 정리로 무게중심 기준 관성과 맞지 않습니다. 두 블록이 같은 물체와 좌표계의 "
         "값인지 확인하십시오."},
        {IDS_CAD_REPORT_SIGN_UNSTATED,
         "보고서에 관성 곱의 부호 규약이 없어 텐서 규약(Ixy = −∫xy dm)으로 읽었습니다. 다르면 부호를 "
         "지정하십시오."},
        {IDS_CAD_REPORT_FROM_ORIGIN,
         "보고서에 무게중심 기준 관성이 없어 원점 기준 관성에서 평행축 정리로 구했습니다."},
        {IDS_CAD_REPORT_NEEDS_DENSITY,
         "보고서의 질량은 밀도 1일 때의 부피입니다. 밀도나 질량을 입력하십시오."},
        {IDS_CAD_REPORT_WORD_MASS, "질량"},
        {IDS_CAD_REPORT_WORD_COM, "무게중심"},
        {IDS_CAD_REPORT_WORD_INERTIA, "관성"},
        {IDS_CAD_REPORT_NOT_SYMMETRIC,
         "관성 텐서가 대칭이 아닙니다 (%1 = %2, %3 = %4). 두 값의 평균을 사용했습니다."},
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
        {IDS_CAD_REPORT_NOT_RECOGNISED,
         "The text is not a mass-property report KestLoad can read. Paste a report of a known CAD program or "
         "a table of mass, centre of mass and inertia tensor."},
        {IDS_CAD_REPORT_TOO_LARGE, "The report is too large (more than %1 MB)."},
        {IDS_CAD_REPORT_MISSING_UNIT,
         "The report states no unit KestLoad can read for %1. Give the unit and read the report again."},
        {IDS_CAD_REPORT_MISSING_VALUE, "%1: %2 is missing from the report."},
        {IDS_CAD_REPORT_NOT_FINITE, "%1: %2 is not a finite number."},
        {IDS_CAD_REPORT_MASS_NOT_POSITIVE, "%1: the mass must be above 0 (the report gives %2)."},
        {IDS_CAD_REPORT_LOW_PRECISION,
         "Too few digits: %1 is printed with fewer than 4 significant digits. Print the report again with "
         "more decimals."},
        {IDS_CAD_REPORT_OVERRIDDEN,
         "The report holds values overridden by the user (%1); they may not match the geometry."},
        {IDS_CAD_REPORT_DENSITY_ZERO,
         "The density is printed as 0: the report was printed with too few decimals."},
        {IDS_CAD_REPORT_MASS_MISSING_PARTS, "%1 parts have no mass (no material) and are not in the total."},
        {IDS_CAD_REPORT_PRINCIPAL_MISMATCH,
         "The principal moments of the report (%1) are not the eigenvalues of its tensor (%2)."},
        {IDS_CAD_REPORT_SIGN_MISMATCH,
         "The inertia about the origin agrees with products read as %1, not as %2 as this layout prints "
         "them. The products were read as %2: check the report or choose the sign."},
        {IDS_CAD_REPORT_ORIGIN_MISMATCH,
         "The inertia about the origin does not follow from the inertia about the centre of mass by the "
         "parallel-axis rule: check that both blocks belong to the same body and coordinate system."},
        {IDS_CAD_REPORT_SIGN_UNSTATED,
         "The report does not state the sign convention of the products of inertia; they were read as the "
         "tensor (Ixy = −∫xy dm). Choose the sign if that is wrong."},
        {IDS_CAD_REPORT_FROM_ORIGIN,
         "The report gives the inertia only about its origin; the inertia about the centre of mass was "
         "derived by the parallel-axis rule."},
        {IDS_CAD_REPORT_NEEDS_DENSITY,
         "The report's mass is the volume at density 1: give a density or the mass."},
        {IDS_CAD_REPORT_WORD_MASS, "the mass"},
        {IDS_CAD_REPORT_WORD_COM, "the centre of mass"},
        {IDS_CAD_REPORT_WORD_INERTIA, "the inertia"},
        {IDS_CAD_REPORT_NOT_SYMMETRIC,
         "The inertia tensor is not symmetric (%1 = %2, %3 = %4); the mean of the two was used."},
    };
    return kTable;
}

}  // namespace kest
