#include "Strings.h"

#include <map>

#include "StringsCad.h"

namespace kest {
namespace {

using Table = std::map<int, const char*>;

const Table& KoreanTable() {
    static const Table kTable = {
        {IDS_LANGUAGE, "ko"},
        {IDS_NEED_FURTHER_ANALYSIS, "추가 분석이 필요합니다."},
        {IDS_NOT_SUPPORTED, "지원되지 않음"},
        {IDS_FILE_CREATED, "아래 파일이 생성되었습니다."},
        {IDS_OPEN_PROJECT_FAILED, "프로젝트 파일을 여는데 실패했습니다."},
        {IDS_OPEN_FILE_FAILED, "아래 파일을 여는데 실패했습니다."},
        {IDS_OK, "O.K."},
        {IDS_HIGH_LOAD, "High-load (고부하)"},
        {IDS_OVERLOAD, "Overload (예외 허용)"},
        {IDS_HYPER_OVERLOAD, "Hyper-Overload (적용 불가)"},
        {IDS_STATICALLY, "Statically "},
        {IDS_DYNAMICALLY, "Dynamically "},
        {IDS_NOTICE, "결과는 로봇 사용조건에 따라 KestLoad의 출력과 다를 수 있습니다."},
        {IDS_ADD_ROBOT, "분석할 로봇을 추가하십시오."},
        {IDS_SAVE_CHANGES, "프로젝트가 수정되었습니다. 저장하시겠습니까?"},
        {IDS_APPL_SPOT, "스폿 용접"},
        {IDS_APPL_ARC, "아크 용접"},
        {IDS_APPL_HANDLING, "핸들링"},
        {IDS_APPL_SEALING, "실링"},
        {IDS_APPL_DEBURRING, "디버링"},
        {IDS_PASS, "합격"},
        {IDS_FAIL, "불합격"},
        {IDS_REPORT, "분석보고서"},
        {IDS_COMPANY, "회사명"},
        {IDS_PROJECT, "프로젝트"},
        {IDS_APPLICATION, "응용분야"},
        {IDS_ENGINEER, "엔지니어"},
        {IDS_COMMENT, "설명"},
        {IDS_MASS, "중량"},
        {IDS_RESULT, "결과"},
        {IDS_TOOL_PARAMETERS, "툴 파라미터"},
        {IDS_ADDLOAD_PARAMETERS, "부가중량 파라미터"},
        {IDS_ADDLOAD, "부가중량"},
        {IDS_GENERAL_INFO, "일반정보"},
        {IDS_COORD_SYSTEM, "좌표계"},
        {IDS_LINE, "라인"},
        {IDS_ROBOT_NUM, "로봇 #"},
        {IDS_LOAD_TABLE, "상세 부하 테이블"},
        {IDS_REST_OMITTED, "나머지는 생략"},
        {IDS_DETAIL_MASS, "중   량"},
        {IDS_DETAIL_MOMENT, "모멘트"},
        {IDS_DETAIL_INERTIA, "이너셔"},
        {IDS_ADDED_EQUIPMENT, "부가 설비"},
        {IDS_OUTPUT_ORIGIN, "출력 좌표계 원점"},
        {IDS_ROBOT_MOUNT, "로봇\n마운트 위치"},
        {IDS_TOOL_MOUNT, "툴\n마운트 위치"},
        {IDS_NO_MECH_DATA, "데이터 없음"},
        {IDS_NOT_IN_MECH_DATA,
         "선택한 제어기 버전의 기구 데이터에\r\n   없는 모델입니다. 결과를 계산하지 않았습니다."},
        {IDS_NOT_REGULAR_FILE, "일반 파일이 아닙니다."},
        {IDS_FILE_TOO_LARGE, "파일이 너무 큽니다 (최대 %1 MB)."},
        {IDS_NOT_XML, "올바른 XML 파일이 아닙니다"},
        {IDS_NO_ELEMENT, "%1 요소가 없습니다."},
        {IDS_NOT_FINITE, "%1 요소의 %2 값 \"%3\"은(는) 유한한 숫자가 아닙니다."},
        {IDS_RECOVER_PROJECT,
         "프로젝트 \"%1\"이(가) 정상적으로 종료되지 않았습니다.\r\n%2에 자동 저장된 사본이 있습니다.\r\n"
         "복원하시겠습니까? (아니요: 사본을 삭제합니다)"},
        {IDS_ROBOT_LIST_FULL, "로봇은 최대 3대까지 비교할 수 있습니다. 먼저 하나를 빼십시오."},
        {IDS_ROBOT_IN_LIST, "%1은(는) 이미 목록에 있습니다."},
        {IDS_REPLACE_LOADS, "입력한 툴과 부가중량을 %1의 정격 부하로 바꾸시겠습니까?"},
        {IDS_MECH_DATA_USED, "기구 데이터: %1, 버전 %2"},
        {IDS_GEN_CURRENT, "V40.24.15 이상"},
        {IDS_GEN_OLD, "V40.24.14 이하"},
        {IDS_EXAMPLES_FOLDER_MISSING, "예제 폴더가 없습니다."},
        {IDS_SAVE_FAILED, "프로젝트를 저장하지 못했습니다."},
        {IDS_ENCRYPT_FAILED, "기구 데이터 파일을 암호화하지 못했습니다."},
        {IDS_GOVERNING, "최대치"},
        {IDS_HEADROOM, "여   유"},
        {IDS_HEADROOM_COG, "무게중심 ≤ %1 mm"},
        {IDS_HEADROOM_NO_COG, "무게중심: 이 중량에서 불가"},
        {IDS_HEADROOM_NONE, "없음 (툴이 없어도 불합격)"},
        {IDS_LOAD_WARNING, "경고"},
        {IDS_LOAD_WARNINGS_LINE, "부하 값 확인 (%1건): %2"},
        {IDS_LOAD_WARNINGS_ALL, "다음 부하 값은 실제와 다를 수 있습니다. 판정은 바뀌지 않습니다."},
        {IDS_LOAD_WARNINGS_REPORT, "부하 값 경고"},
        {IDS_LOAD_CASE_N, "부하 조건 %1"},
        {IDS_FAILS_IN_OTHER_CASE, "다른 부하 조건에서 불합격: %1"},
        {IDS_LOAD_CASES, "부하 조건"},
        {IDS_CASES_TOO_MANY, "Load-Cases 요소에 부하 조건이 %1개 있습니다. 최대 %2개까지 읽을 수 있습니다."},
        {IDS_CASES_BAD_CURRENT, "Load-Cases 요소의 Current 값 \"%1\"은(는) 부하 조건 목록(%2개)에 없습니다."},
        {IDS_CASE_NO_ELEMENT, "부하 조건 %1 (\"%2\")에 %3 요소가 없습니다."},
        {IDS_CASE_WHERE, "부하 조건 %1 (\"%2\") %3"},
        {IDS_CLI_LOAD_CASE, "부하 조건 %1:"},
        {IDS_CLI_CURRENT_CASE, " (현재)"},
        {IDS_LC_INPUT_PAGES, "Input이 채우는 페이지: %1 (빈 목록의 페이지는 그대로)"},
        {IDS_LC_INPUT_NONE, "목록이 모두 비어 있어 Input은 어떤 부하 페이지도 바꾸지 않습니다."},
        {IDS_LC_TABLE_FULL, "표에는 부하를 %1개까지 넣을 수 있습니다."},
        {IDS_LC_PREDEF_NOT_READ, "PredefLoad.xml에서 미리 정의된 부하를 읽지 못했습니다: %1"},
        {IDS_LC_PREDEF_LEFT_OUT,
         "%1 %2행: 부하 \"%3\"의 %4 값 \"%5\"은(는) 유한한 숫자가 아니어서 이 부하는 목록에서 뺐습니다."},
        {IDS_TC_NO_WRIST, "로봇에 손목의 허용 모멘트나 허용 관성이 없어 툴 부하를 계산할 수 없습니다."},
        {IDS_TC_TOTAL_MASS_ZERO, "총 질량이 0 kg이어서 핸드와 공작물을 합칠 수 없습니다."},
        {IDS_TC_RESULT_TOO_LARGE, "결과가 너무 커서 사용할 수 없습니다."},
        {IDS_ENTER_NUMBER, "숫자를 입력하십시오."},
        {IDS_MECH_PROBLEMS, "기구 테이블에 문제가 %1개 있어 암호화하지 않았습니다:"},
        {IDS_MECH_PROBLEM_ONE, "기구 테이블에 문제가 1개 있어 암호화하지 않았습니다:"},
        {IDS_MECH_PROBLEMS_MORE, "... 외 %1개."},
        {IDS_MECH_PROBLEM_LINE, "%1행"},
        {IDS_INERTIA_NOT_CHECKED, "이너셔는 검토하지 않음"},
        {IDS_LANGUAGE_LATER, "새 창과 다음 실행부터 적용됩니다."},
        {IDS_CLICK_TO_ENLARGE, "클릭하면 확대됩니다."},
        {IDS_LOAD_ENTERED_DIRECTLY, "부하계산기의 부품 목록 없음: 부하를 직접 입력했습니다."},
        {IDS_PDF_WRITTEN, "보고서를 아래 PDF 파일로 저장했습니다."},
        {IDS_LANGUAGE_STORED,
         "언어 설정을 저장했습니다. 새 창과 다음 실행부터 적용되며, 이 창은 지금의 언어를 유지합니다."},
        {IDS_REPORT_PREVIEW, "보고서 미리보기"},
        {IDS_PAYLOAD_KEY_Y, "y: R1 모멘트 부하율"},
        {IDS_PAYLOAD_KEY_R, "r: R2/B 모멘트 부하율"},
        {IDS_PRINT_FAILED, "보고서를 인쇄하지 못했습니다."},
        {IDS_PRINTER_NOT_FOUND, "프린터를 찾을 수 없습니다."},
        {IDS_PRINTER_REJECTED, "프린터가 인쇄 작업을 받지 않았습니다."},
        {IDS_LOAD_NEGATIVE, "%1 %2 값이 음수입니다"},
        {IDS_NEGATIVE_ENTRY, "중량과 관성은 음수일 수 없습니다. 0 이상의 값을 입력하십시오."},
        {IDS_NOT_A_LOAD,
         "%1 요소의 %2 값 \"%3\"은(는) 실제 하중의 범위를 벗어납니다 (최대 100,000 kg, 100,000 mm, "
         "1,000,000 kg·m²)."},
        {IDS_NUMBER_READ_AS, "%1 %2: '%3'을(를) %4(으)로 읽었습니다"},
        {IDS_NUMBERS_READ_IN_PART, "파일의 일부 값은 순수한 숫자가 아니어서 다음과 같이 읽었습니다:"},
        {IDS_PDF_NOT_MADE, "PDF 문서를 만들지 못했습니다."},
        {IDS_PRINT_DOC_NAME, "인쇄 테스트"},
        {IDS_CLI_USAGE,
         "사용법: kestload [--lang ko|en] [PROJECT.kestload]\n"
         "        kestload --check FILE.kestload... [--old-data] [--json] [--report OUT.pdf] [--grey]\n"
         "        kestload --fit FILE.kestload [--old-data] [--json]\n"
         "        kestload --mass-props FILE [--mass KG | --density KG_PER_M3] [--unit mm|cm|m|in|ft]\n"
         "                 [--mass-unit g|kg|lb|t] [--frame \"X Y Z RX RY RZ\"] [--conservative] [--json]\n"
         "        kestload --help | --version\n"
         "\n"
         "옵션이 없으면 메인 창이 열립니다 (프로젝트를 주면 그 프로젝트와 함께).\n"
         "\n"
         "  --check      각 프로젝트의 비교 목록에 있는 모든 로봇을 창과 같이 분석하고\n"
         "               판정, 상세 내용과 지배 한계를 출력합니다\n"
         "  --fit        프로젝트의 부하를 메커니즘 데이터의 모든 모델로 검사하여\n"
         "               여유가 가장 큰 모델부터 나열합니다\n"
         "  --old-data   제어기 소프트웨어 V40.24.14 이하의 메커니즘 데이터를 사용합니다\n"
         "  --json       텍스트 대신 JSON 문서 하나를 출력합니다\n"
         "  --report F   프로젝트의 2쪽 보고서를 PDF 파일 F에 씁니다 (프로젝트가 여럿이면\n"
         "               F는 폴더: 프로젝트마다 PDF 하나, 같은 이름은 x-2.pdf 처럼 번호를 붙임)\n"
         "  --grey       보고서를 흑백으로 그립니다\n"
         "  --mass-props CAD 파일(STEP, STL)이나 질량 특성 보고서의 부하를 플랜지 좌표계로\n"
         "               계산합니다: 질량, 무게중심(mm), 무게중심 기준 관성(kg·m²)과 주관성 모멘트\n"
         "  --mass, --density  전체 질량(kg) 또는 밀도(kg/m³)\n"
         "  --unit, --mass-unit  파일에 없는 길이 단위와 질량 단위 (--frame 원점의 단위도\n"
         "               --unit, 없으면 밀리미터)\n"
         "  --frame      파일 좌표에서 플랜지의 원점 X Y Z와 각도 RX RY RZ (도, R = Rz·Ry·Rx)\n"
         "  --conservative  Ixx, Iyy, Izz를 최대 주관성 모멘트로 바꿉니다\n"
         "  --help       이 도움말을 보이고 끝냅니다\n"
         "  --version    버전을 보이고 끝냅니다\n"
         "  --lang L     한국어(ko) 또는 영어(en) 텍스트: 판정, 상세 내용, 보고서, 이 도움말;\n"
         "               없으면 로캘을 따릅니다 (en_* 로캘은 영어, 그 밖에는 한국어)\n"
         "  --           뒤의 인자는 모두 파일 이름입니다\n"
         "\n"
         "종료 상태: 0 모든 로봇 합격 (--fit: 부하를 감당하는 모델이 하나 이상),\n"
         "1 불합격이거나 메커니즘 데이터에 없는 로봇, 2 사용법, 파일, 데이터 또는 출력 오류.\n"},
        {IDS_CLI_TRY_HELP, "'kestload --help'를 실행해 보십시오."},
        {IDS_CLI_UNKNOWN_OPTION, "알 수 없는 옵션 %1"},
        {IDS_CLI_NEEDS_CHECK, "%1 옵션은 --check 또는 --fit과 함께 씁니다"},
        {IDS_CLI_REPORT_NEEDS_FILE, "--report에는 출력 파일 이름이 필요합니다"},
        {IDS_CLI_OUTPUT_LOST, "출력을 쓰지 못했습니다: %1"},
        {IDS_CLI_STDOUT_CLOSED, "표준 출력이 닫혀 있습니다"},
        {IDS_CLI_REPORT_IS_INPUT, "검사하는 프로젝트 파일 %1 입니다"},
        {IDS_CLI_MECH_DATA, "메커니즘 데이터: %1, %2, 데이터 버전 %3"},
        {IDS_CLI_GEN_CURRENT, "제어기 소프트웨어 V40.24.15 이상"},
        {IDS_CLI_GEN_OLD, "제어기 소프트웨어 V40.24.14 이하"},
        {IDS_CLI_TABLE_FAILED, "메커니즘 데이터 %1 을(를) 읽을 수 없습니다 (코드 %2)"},
        {IDS_CLI_REPORT_NOT_WRITTEN, "%1: 보고서 %2 을(를) 쓰지 못했습니다: %3"},
        {IDS_LW_TOOL, "툴"},
        {IDS_LW_INERTIA_NOT_PHYSICAL,
         "%1: 관성 Ixx %2, Iyy %3, Izz %4 kg·m²는 강체가 가질 수 없는 값입니다 (%5 값이 나머지 두 값의 "
         "합보다 큽니다). 관성 값을 확인하거나 Inertia Calculator로 구하십시오."},
        {IDS_LW_INERTIA_MISSING,
         "%1: 중량이 %2 kg인데 관성 세 값이 모두 0입니다. 실제 툴이 질점인 경우는 거의 없으며, 관성을 "
         "0으로 설정한 로봇은 툴을 너무 급하게 움직입니다. 툴 계산기나 Inertia Calculator로 관성을 "
         "구해 입력하십시오."},
        {IDS_LW_INERTIA_TOO_SMALL,
         "%1: 관성 Ixx %2, Iyy %3, Izz %4 kg·m²는 중량 %5 kg에 비해 너무 작습니다. 같은 중량이면 "
         "밀도가 가장 높은 금속으로 만든 구체라도 세 관성의 합이 %6 kg·m² 이상인데, 입력한 값의 합은 "
         "%7 kg·m²입니다. 단위(kg·m²)를 확인하거나 툴 계산기로 관성을 구하십시오."},
        {IDS_LW_INERTIA_TOO_LARGE,
         "%1: 중량 %4 kg, %2 %3 kg·m²에 해당하는 회전 반경은 %5 m로, 실제 부하로는 너무 큽니다 (최대 "
         "%6 m). 관성을 kg·m² 대신 kg·cm²로 입력하지 않았는지 확인하십시오 (1 kg·cm² = 0.0001 kg·m²)."},
        {IDS_LW_INERTIA_WITHOUT_MASS,
         "%1: 관성(최대 %2 kg·m²)이 있는데 중량이 0 kg입니다. 관성이 있는 물체는 중량도 있습니다. "
         "중량을 입력하거나, 부하가 없으면 관성을 0으로 하십시오."},
        {IDS_LW_MASS_ABOVE_TABLE,
         "%1: 중량 %2 kg은 기구 데이터의 최대 정격 가반중량(%3 kg)의 두 배를 넘어 어떤 로봇도 들 수 "
         "없습니다. 중량을 kg 대신 g으로 입력하지 않았는지 확인하십시오."},
        {IDS_LW_COG_FAR_TOOL,
         "%1: 무게중심이 플랜지 중심에서 %2 mm 떨어져 있어 (%3 mm 초과) 실제 툴로는 너무 멉니다. "
         "위치는 플랜지 좌표계의 mm 값입니다. 자릿수가 하나 더 들어갔거나 로봇 베이스 좌표계의 위치를 "
         "입력하지 않았는지 확인하십시오."},
        {IDS_LW_COG_FAR_ADDLOAD,
         "%1: 무게중심이 축에서 %2 mm 떨어져 있어 (%3 mm 초과) 어떤 로봇의 암보다도 멉니다. 위치는 mm "
         "값입니다. 자릿수가 하나 더 들어가지 않았는지 확인하십시오."},
        {IDS_LW_COG_NEAR_FLANGE,
         "%1: 중량 %2 kg인 툴의 무게중심이 플랜지 중심에서 %3 mm밖에 떨어져 있지 않습니다. 1 kg 이상의 "
         "툴은 그보다 멀리 뻗어 있습니다. 위치는 mm 값입니다. m 단위로 입력하지 않았는지 확인하십시오 "
         "(250 mm는 0.25가 아니라 250)."},
        {IDS_RPT_CASES_TITLE, "부하 조건별 결과"},
        {IDS_RPT_PROJECT_VERDICT, "프로젝트 판정"},
        {IDS_RPT_ROBOT, "로봇"},
        {IDS_RPT_WORST_CASE, "가장 나쁜 조건: %1"},
        {IDS_RPT_CASES_NOTE,
         "각 칸: 판정, 최대치, 여유. 프로젝트 판정은 로봇마다 가장 나쁜 부하 조건의 판정입니다. 이어지는 "
         "쪽에 부하 조건마다 부하와 결과가 있습니다."},
        {IDS_RPT_NO_ROBOTS, "비교할 로봇이 없습니다."},
        {IDS_CASE_NAME_PROMPT, "%1의 이름 (비워 두면 번호로 표시):"},
        {IDS_CASE_ADD_TIP, "현재 부하 조건의 복사본을 추가합니다"},
        {IDS_CASE_RENAME_TIP, "현재 부하 조건의 이름을 바꿉니다"},
        {IDS_CASE_REMOVE_TIP, "현재 부하 조건을 삭제합니다 (마지막 하나는 삭제할 수 없습니다)"},
        {IDS_CASE_UP_TIP, "현재 부하 조건을 앞으로 옮깁니다"},
        {IDS_CASE_DOWN_TIP, "현재 부하 조건을 뒤로 옮깁니다"},
        {IDS_CASE_LIST_FULL, "프로젝트의 부하 조건은 %1개까지입니다."},
        {IDS_CASE_MATRIX_ROBOT, "로봇"},
        {IDS_CASE_MATRIX_PROJECT, "프로젝트 (최악)"},
        {IDS_CASE_MATRIX_TIP, "칸을 누르면 그 부하 조건이 현재 조건이 됩니다"},
        {IDS_CASE_REMOVE_ASK, "%1과(와) 그 네 가지 부하를 삭제하시겠습니까?"},
    };
    return kTable;
}

// The same numbers in English. The verdict words keep their technical sense;
// the Korean glosses in parentheses become English ones where they add meaning.
const Table& EnglishTable() {
    static const Table kTable = {
        {IDS_LANGUAGE, "en"},
        {IDS_NEED_FURTHER_ANALYSIS, "further analysis needed"},
        {IDS_NOT_SUPPORTED, "not supported"},
        {IDS_FILE_CREATED, "The following file has been created."},
        {IDS_OPEN_PROJECT_FAILED, "The project file could not be opened."},
        {IDS_OPEN_FILE_FAILED, "The following file could not be opened."},
        {IDS_OK, "O.K."},
        {IDS_HIGH_LOAD, "high load"},
        {IDS_OVERLOAD, "overloaded (exception allowed)"},
        {IDS_HYPER_OVERLOAD, "hyper-overloaded (not applicable)"},
        {IDS_STATICALLY, "Statically "},
        {IDS_DYNAMICALLY, "Dynamically "},
        {IDS_NOTICE,
         "Depending on the robot's operating conditions, results may differ from KestLoad's output."},
        {IDS_ADD_ROBOT, "Add a robot to analyse."},
        {IDS_SAVE_CHANGES, "The project has been modified. Do you want to save it?"},
        {IDS_APPL_SPOT, "Spot welding"},
        {IDS_APPL_ARC, "Arc welding"},
        {IDS_APPL_HANDLING, "Handling"},
        {IDS_APPL_SEALING, "Sealing"},
        {IDS_APPL_DEBURRING, "Deburring"},
        {IDS_PASS, "Pass"},
        {IDS_FAIL, "Fail"},
        {IDS_REPORT, "Analysis report"},
        {IDS_COMPANY, "Company"},
        {IDS_PROJECT, "Project"},
        {IDS_APPLICATION, "Application"},
        {IDS_ENGINEER, "Engineer"},
        {IDS_COMMENT, "Comment"},
        {IDS_MASS, "Mass"},
        {IDS_RESULT, "Result"},
        {IDS_TOOL_PARAMETERS, "Tool parameters"},
        {IDS_ADDLOAD_PARAMETERS, "Additional load parameters"},
        {IDS_ADDLOAD, "Add. load"},
        {IDS_GENERAL_INFO, "General information"},
        {IDS_COORD_SYSTEM, "Coordinate system"},
        {IDS_LINE, "Line"},
        {IDS_ROBOT_NUM, "Robot #"},
        {IDS_LOAD_TABLE, "Detailed load table"},
        {IDS_REST_OMITTED, "Rest omitted"},
        {IDS_DETAIL_MASS, "Tool mass"},
        {IDS_DETAIL_MOMENT, "Moment"},
        // The detail words end between the first and the second tab stop of
        // their line, so that the colons after them line up.
        {IDS_DETAIL_INERTIA, "Inertia load"},
        {IDS_ADDED_EQUIPMENT, "Added equipment"},
        {IDS_OUTPUT_ORIGIN, "Output frame origin"},
        {IDS_ROBOT_MOUNT, "Robot\nmount"},
        {IDS_TOOL_MOUNT, "Tool\nmount"},
        {IDS_NO_MECH_DATA, "No data"},
        {IDS_NOT_IN_MECH_DATA,
         "This model is not in the mechanism data of the chosen\r\n   controller version. No result was "
         "calculated."},
        {IDS_NOT_REGULAR_FILE, "Not a regular file."},
        {IDS_FILE_TOO_LARGE, "The file is too large (at most %1 MB)."},
        {IDS_NOT_XML, "Not a valid XML file"},
        {IDS_NO_ELEMENT, "The element %1 is missing."},
        {IDS_NOT_FINITE, "The %2 value \"%3\" of the element %1 is not a finite number."},
        {IDS_RECOVER_PROJECT,
         "The project \"%1\" was not closed properly.\r\nA copy was saved automatically at %2.\r\n"
         "Do you want to restore it? (No deletes the copy)"},
        {IDS_ROBOT_LIST_FULL, "At most three robots can be compared. Remove one first."},
        {IDS_ROBOT_IN_LIST, "%1 is already in the list."},
        {IDS_REPLACE_LOADS, "Replace the tool and additional loads you entered by the rated load of %1?"},
        {IDS_MECH_DATA_USED, "Mechanism data: %1, version %2"},
        {IDS_GEN_CURRENT, "V40.24.15 and later"},
        {IDS_GEN_OLD, "V40.24.14 and earlier"},
        {IDS_EXAMPLES_FOLDER_MISSING, "The examples folder is missing."},
        {IDS_SAVE_FAILED, "The project could not be saved."},
        {IDS_ENCRYPT_FAILED, "The mechanism data file could not be encrypted."},
        {IDS_GOVERNING, "Governing"},
        {IDS_HEADROOM, "Headroom"},
        {IDS_HEADROOM_COG, "CoG ≤ %1 mm"},
        {IDS_HEADROOM_NO_COG, "CoG: none at this mass"},
        {IDS_HEADROOM_NONE, "none (fails without the tool)"},
        {IDS_LOAD_WARNING, "warning"},
        {IDS_LOAD_WARNINGS_LINE, "Check the loads (%1): %2"},
        {IDS_LOAD_WARNINGS_ALL, "These load values look wrong. The verdicts do not change."},
        {IDS_LOAD_WARNINGS_REPORT, "Load warnings"},
        {IDS_LOAD_CASE_N, "Load case %1"},
        {IDS_FAILS_IN_OTHER_CASE, "Fails in another load case: %1"},
        {IDS_LOAD_CASES, "Load cases"},
        {IDS_CASES_TOO_MANY, "The Load-Cases element holds %1 load cases; at most %2 can be read."},
        {IDS_CASES_BAD_CURRENT,
         "Current=\"%1\" of the Load-Cases element is not a case of its list (%2 cases)."},
        {IDS_CASE_NO_ELEMENT, "Load case %1 (\"%2\") has no %3 element."},
        {IDS_CASE_WHERE, "Load case %1 (\"%2\") %3"},
        {IDS_CLI_LOAD_CASE, "load case %1:"},
        {IDS_CLI_CURRENT_CASE, " (current)"},
        {IDS_LC_INPUT_PAGES, "\"Input\" writes: %1 (pages of empty lists stay as they are)"},
        {IDS_LC_INPUT_NONE, "Every list is empty: \"Input\" changes no load page."},
        {IDS_LC_TABLE_FULL, "The table holds at most %1 loads."},
        {IDS_LC_PREDEF_NOT_READ, "The predefined loads could not be read from PredefLoad.xml: %1"},
        {IDS_LC_PREDEF_LEFT_OUT,
         "%1, line %2: the %4 value \"%5\" of the load \"%3\" is not a finite number; the load is left out."},
        {IDS_TC_NO_WRIST,
         "The robot has no allowable wrist moment or inertia: the tool load cannot be calculated."},
        {IDS_TC_TOTAL_MASS_ZERO, "The total mass is 0 kg: hand and workpiece cannot be combined."},
        {IDS_TC_RESULT_TOO_LARGE, "The result is too large to be used."},
        {IDS_ENTER_NUMBER, "Enter a number."},
        {IDS_MECH_PROBLEMS, "The mechanism table has %1 problems and was not encrypted:"},
        {IDS_MECH_PROBLEM_ONE, "The mechanism table has 1 problem and was not encrypted:"},
        {IDS_MECH_PROBLEMS_MORE, "... and %1 more."},
        {IDS_MECH_PROBLEM_LINE, "line %1"},
        {IDS_INERTIA_NOT_CHECKED, "inertia not checked"},
        {IDS_LANGUAGE_LATER, "Applies to new windows and the next start."},
        {IDS_CLICK_TO_ENLARGE, "Click to enlarge."},
        {IDS_LOAD_ENTERED_DIRECTLY, "No parts list from the load calculator: the load was entered directly."},
        {IDS_PDF_WRITTEN, "The report was written to this PDF file:"},
        {IDS_LANGUAGE_STORED,
         "The language is stored. It applies to new windows and the next start; this window keeps its "
         "language."},
        {IDS_REPORT_PREVIEW, "Report preview"},
        {IDS_PAYLOAD_KEY_Y, "y: R1 moment ratio"},
        {IDS_PAYLOAD_KEY_R, "r: R2/B moment ratio"},
        {IDS_PRINT_FAILED, "The report could not be printed."},
        {IDS_PRINTER_NOT_FOUND, "The printer cannot be found."},
        {IDS_PRINTER_REJECTED, "The printer did not accept the print job."},
        {IDS_LOAD_NEGATIVE, "%1 %2 is negative"},
        {IDS_NEGATIVE_ENTRY, "A mass or an inertia cannot be negative. Enter 0 or more."},
        {IDS_NOT_A_LOAD,
         "The %2 value \"%3\" of the element %1 is beyond any real load (at most 100,000 kg, "
         "100,000 mm and 1,000,000 kg·m²)."},
        {IDS_NUMBER_READ_AS, "%1 %2: '%3' read as %4"},
        {IDS_NUMBERS_READ_IN_PART,
         "Some values of the file are not plain numbers; they were read as follows:"},
        {IDS_PDF_NOT_MADE, "The PDF document could not be created."},
        {IDS_PRINT_DOC_NAME, "Print test"},
        {IDS_CLI_USAGE,
         "Usage: kestload [--lang ko|en] [PROJECT.kestload]\n"
         "       kestload --check FILE.kestload... [--old-data] [--json] [--report OUT.pdf] [--grey]\n"
         "       kestload --fit FILE.kestload [--old-data] [--json]\n"
         "       kestload --mass-props FILE [--mass KG | --density KG_PER_M3] [--unit mm|cm|m|in|ft]\n"
         "                [--mass-unit g|kg|lb|t] [--frame \"X Y Z RX RY RZ\"] [--conservative] [--json]\n"
         "       kestload --help | --version\n"
         "\n"
         "Without options the main window opens (with the project, if one is given).\n"
         "\n"
         "  --check      analyse every robot of each project's comparison list, as the\n"
         "               window does, and print its verdict, details and governing limit\n"
         "  --fit        check the project's loads against every model of the mechanism\n"
         "               data, from the most headroom to the least\n"
         "  --old-data   use the mechanism data of controller software V40.24.14 and earlier\n"
         "  --json       print one JSON document instead of text\n"
         "  --report F   write the two-page report of the project to the PDF file F\n"
         "               (with several projects F is a folder: one PDF per project, the\n"
         "               same name again numbered, as x-2.pdf)\n"
         "  --grey       draw the report in grey scale\n"
         "  --mass-props the load of a CAD file (STEP, STL) or a mass-property report in the\n"
         "               flange frame: mass, centre of gravity (mm), inertia about it (kg·m²)\n"
         "               and the principal moments\n"
         "  --mass, --density  the total mass (kg) or the density (kg/m³)\n"
         "  --unit, --mass-unit  the length and mass units a file does not state (--unit is\n"
         "               also the unit of the --frame origin; millimetres without it)\n"
         "  --frame      the flange's origin X Y Z and angles RX RY RZ (degrees, R = Rz·Ry·Rx)\n"
         "               in the file's coordinates\n"
         "  --conservative  Ixx, Iyy and Izz replaced by the largest principal moment\n"
         "  --help       show this help and exit\n"
         "  --version    show the version and exit\n"
         "  --lang L     texts in Korean (ko) or English (en): verdicts, details, the\n"
         "               report and this help; without it the locale decides (English\n"
         "               for an en_* locale, Korean for any other)\n"
         "  --           every argument after it is a file name\n"
         "\n"
         "Exit status: 0 every robot passes (--fit: at least one model carries the load),\n"
         "1 a robot fails or is not in the mechanism data, 2 a usage, file, data or output error.\n"},
        {IDS_CLI_TRY_HELP, "Try 'kestload --help'."},
        {IDS_CLI_UNKNOWN_OPTION, "unknown option %1"},
        {IDS_CLI_NEEDS_CHECK, "%1 goes with --check or --fit"},
        {IDS_CLI_REPORT_NEEDS_FILE, "--report needs an output file name"},
        {IDS_CLI_OUTPUT_LOST, "the output could not be written: %1"},
        {IDS_CLI_STDOUT_CLOSED, "standard output is closed"},
        {IDS_CLI_REPORT_IS_INPUT, "it is the project file %1 being checked"},
        {IDS_CLI_MECH_DATA, "mechanism data: %1, %2, data version %3"},
        {IDS_CLI_GEN_CURRENT, "controller software V40.24.15 and later"},
        {IDS_CLI_GEN_OLD, "controller software V40.24.14 and earlier"},
        {IDS_CLI_TABLE_FAILED, "the mechanism data %1 cannot be read (code %2)"},
        {IDS_CLI_REPORT_NOT_WRITTEN, "%1: the report %2 was not written: %3"},
        {IDS_LW_TOOL, "Tool"},
        {IDS_LW_INERTIA_NOT_PHYSICAL,
         "%1: the inertias Ixx %2, Iyy %3, Izz %4 kg·m² cannot belong to a rigid body (%5 is larger "
         "than the sum of the other two). Check the inertias or work them out with the Inertia "
         "Calculator."},
        {IDS_LW_INERTIA_MISSING,
         "%1: %2 kg with all three inertias 0. A point mass is almost never real, and a robot set up "
         "with zero inertia moves the tool too hard. Enter the inertias, from the Tool Calculator or "
         "the Inertia Calculator."},
        {IDS_LW_INERTIA_TOO_SMALL,
         "%1: the inertias Ixx %2, Iyy %3, Izz %4 kg·m² are too small for %5 kg: even a solid ball of "
         "the densest metal of that mass has at least %6 kg·m² in all three; these add up to %7 kg·m². "
         "Check the unit (kg·m²) or work the inertias out with the Tool Calculator."},
        {IDS_LW_INERTIA_TOO_LARGE,
         "%1: %2 %3 kg·m² at %4 kg is a radius of gyration of %5 m, more than any real load has (at "
         "most %6 m). Were the inertias entered in kg·cm² instead of kg·m²? (1 kg·cm² = 0.0001 kg·m²)"},
        {IDS_LW_INERTIA_WITHOUT_MASS,
         "%1: inertias (up to %2 kg·m²) with a mass of 0 kg. A body with inertia has mass: enter the "
         "mass, or set the inertias to 0 if there is no load."},
        {IDS_LW_MASS_ABOVE_TABLE,
         "%1: %2 kg is more than twice the largest rated payload in the mechanism data (%3 kg): no "
         "robot in it can carry this tool. Was the mass entered in grams instead of kilograms?"},
        {IDS_LW_COG_FAR_TOOL,
         "%1: the centre of gravity is %2 mm from the flange centre (more than %3 mm), farther than "
         "any real tool. Positions are in millimetres in the flange frame: check for a digit too many "
         "or a position in the robot's base frame."},
        {IDS_LW_COG_FAR_ADDLOAD,
         "%1: the centre of gravity is %2 mm from its axis (more than %3 mm), farther than any robot's "
         "arm reaches. Positions are in millimetres: check for a digit too many."},
        {IDS_LW_COG_NEAR_FLANGE,
         "%1: %2 kg with its centre of gravity only %3 mm from the flange centre; a tool of a kilogram "
         "or more reaches farther out. Positions are in millimetres: were they entered in metres (0.25 "
         "for 250 mm)?"},
        {IDS_RPT_CASES_TITLE, "Results by load case"},
        {IDS_RPT_PROJECT_VERDICT, "Project verdict"},
        {IDS_RPT_ROBOT, "Robot"},
        {IDS_RPT_WORST_CASE, "Worst case: %1"},
        {IDS_RPT_CASES_NOTE,
         "Each cell: the verdict, the governing limit and the headroom. The project verdict is each "
         "robot's worst load case. The pages after this one give every load case's loads and results."},
        {IDS_RPT_NO_ROBOTS, "No robot to compare."},
        {IDS_CASE_NAME_PROMPT, "Name of %1 (empty: shown by its number):"},
        {IDS_CASE_ADD_TIP, "Adds a copy of the current load case"},
        {IDS_CASE_RENAME_TIP, "Renames the current load case"},
        {IDS_CASE_REMOVE_TIP, "Removes the current load case (the last one cannot be removed)"},
        {IDS_CASE_UP_TIP, "Moves the current load case one place earlier"},
        {IDS_CASE_DOWN_TIP, "Moves the current load case one place later"},
        {IDS_CASE_LIST_FULL, "A project holds at most %1 load cases."},
        {IDS_CASE_MATRIX_ROBOT, "Robot"},
        {IDS_CASE_MATRIX_PROJECT, "Project (worst)"},
        {IDS_CASE_MATRIX_TIP, "Click a cell to make its load case current"},
        {IDS_CASE_REMOVE_ASK, "Remove %1 and its four loads?"},
    };
    return kTable;
}

}  // namespace

QString LoadKestString(int id, Lang lang) {
    const Table& table = lang == Lang::English ? EnglishTable() : KoreanTable();
    const auto it = table.find(id);
    if (it != table.end()) return QString::fromUtf8(it->second);
    const CadStringTable& cad = lang == Lang::English ? CadEnglishStrings() : CadKoreanStrings();
    const auto cadIt = cad.find(id);
    return cadIt == cad.end() ? QString() : QString::fromUtf8(cadIt->second);
}

QString LoadKestString(int id) { return LoadKestString(id, CurrentLanguage()); }

std::vector<int> KestStringIds() {
    std::vector<int> ids;
    for (const auto& entry : KoreanTable()) ids.push_back(entry.first);
    for (const auto& entry : CadKoreanStrings()) ids.push_back(entry.first);
    return ids;
}

}  // namespace kest
