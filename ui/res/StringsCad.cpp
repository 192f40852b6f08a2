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
        {IDS_GEOM_NOT_CAD, "STEP 파일도 STL 파일도 아닙니다."},
        {IDS_GEOM_EMPTY, "파일이 비어 있습니다."},
        {IDS_GEOM_STL_SIZE,
         "STL 파일의 크기는 %1바이트이지만 머리말에 적힌 삼각형 %2개에는 %3바이트가 필요합니다. 파일이 "
         "잘렸거나 "
         "손상되었습니다."},
        {IDS_GEOM_STL_EXPECTED, "STL %1번째 줄: \"%2\"이(가) 와야 할 자리에 \"%3\"이(가) 있습니다."},
        {IDS_GEOM_STL_TRUNCATED, "STL 파일이 %1번째 줄에서 \"endsolid\" 없이 끝납니다. 파일이 잘렸습니다."},
        {IDS_GEOM_STL_NUMBER, "STL %1번째 줄: \"%2\"은(는) 유한한 수가 아닙니다."},
        {IDS_GEOM_STL_BINARY_NUMBER, "STL의 %1번째 삼각형에 유한한 수가 아닌 좌표가 있습니다."},
        {IDS_GEOM_STL_NO_TRIANGLES, "STL 파일에 삼각형이 없습니다."},
        {IDS_GEOM_NEEDS_UNIT,
         "STL 파일에는 길이 단위가 적혀 있지 않습니다. 단위(mm, cm, m, in)를 고르십시오."},
        {IDS_GEOM_MESH_OPEN,
         "메시가 닫혀 있지 않습니다. 모서리 %1개가 삼각형 하나에만 속합니다(구멍). 예: (%2, %3, %4) %5 "
         "부근."},
        {IDS_GEOM_MESH_ORIENTATION,
         "삼각형의 방향이 일관되지 않습니다. 모서리 %1개가 같은 방향으로 두 번 쓰였습니다. 예: (%2, %3, %4) "
         "%5 "
         "부근."},
        {IDS_GEOM_MESH_NONMANIFOLD, "모서리 %1개를 셋 이상의 삼각형이 공유합니다. 예: (%2, %3, %4) %5 부근."},
        {IDS_GEOM_MESH_TURNED, "%1: 메시의 삼각형이 안쪽을 향하고 있어(부피가 음수) 뒤집어서 계산했습니다."},
        {IDS_GEOM_ZERO_VOLUME, "부피가 0이거나 음수입니다."},
        {IDS_GEOM_SHELL_OPEN, "셸이 닫혀 있지 않습니다(구멍). 모서리 %1개가 면 하나에만 속합니다."},
        {IDS_GEOM_NOT_SOLID, "솔리드가 아닙니다(떨어진 셸이나 면). 부피가 없습니다."},
        {IDS_GEOM_STEP_DAMAGED, "STEP 파일을 읽을 수 없습니다. 파일이 손상되었습니다.%1"},
        {IDS_GEOM_STEP_TRUNCATED, "STEP 파일이 잘렸습니다. 끝 줄 \"END-ISO-10303-21;\"이 없습니다."},
        {IDS_GEOM_NOTHING_MEASURABLE, "파일에서 측정할 수 있는 솔리드가 없습니다. %1"},
        {IDS_GEOM_CANCELLED, "읽기를 취소했습니다."},
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
        {IDS_GEOM_NOT_CAD, "This file is neither a STEP nor an STL file."},
        {IDS_GEOM_EMPTY, "The file is empty."},
        {IDS_GEOM_STL_SIZE,
         "The STL file has %1 bytes, but the %2 triangles its header announces take %3 bytes: the file is "
         "truncated "
         "or damaged."},
        {IDS_GEOM_STL_EXPECTED, "STL line %1: \"%2\" expected, \"%3\" found."},
        {IDS_GEOM_STL_TRUNCATED, "The STL file ends at line %1 without \"endsolid\": it is truncated."},
        {IDS_GEOM_STL_NUMBER, "STL line %1: \"%2\" is not a finite number."},
        {IDS_GEOM_STL_BINARY_NUMBER, "STL triangle %1 has a coordinate that is not a finite number."},
        {IDS_GEOM_STL_NO_TRIANGLES, "The STL file holds no triangles."},
        {IDS_GEOM_NEEDS_UNIT, "An STL file does not state its length unit: choose one (mm, cm, m, in)."},
        {IDS_GEOM_MESH_OPEN,
         "The mesh is not closed: %1 edges belong to one triangle only (a hole), e.g. near (%2, %3, %4) %5."},
        {IDS_GEOM_MESH_ORIENTATION,
         "The triangles are not oriented consistently: %1 edges are used twice in the same direction, e.g. "
         "near "
         "(%2, %3, %4) %5."},
        {IDS_GEOM_MESH_NONMANIFOLD,
         "%1 edges are shared by more than two triangles, e.g. near (%2, %3, %4) %5."},
        {IDS_GEOM_MESH_TURNED,
         "%1: the mesh was inside out (its triangles face inwards, the volume came out negative); it was "
         "turned."},
        {IDS_GEOM_ZERO_VOLUME, "The volume is zero or negative."},
        {IDS_GEOM_SHELL_OPEN, "The shell is not closed (a hole): %1 edges border one face only."},
        {IDS_GEOM_NOT_SOLID, "Not a solid (a loose shell or face): it has no volume."},
        {IDS_GEOM_STEP_DAMAGED, "The STEP file cannot be read, it is damaged.%1"},
        {IDS_GEOM_STEP_TRUNCATED,
         "The STEP file is truncated: its end line \"END-ISO-10303-21;\" is missing."},
        {IDS_GEOM_NOTHING_MEASURABLE, "Nothing in the file can be measured. %1"},
        {IDS_GEOM_CANCELLED, "Reading was cancelled."},
    };
    return kTable;
}

}  // namespace kest
