#include "Strings.h"

#include <map>

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
        {IDS_SAVE_FAILED, "프로젝트를 저장하지 못했습니다."},
        {IDS_ENCRYPT_FAILED, "기구 데이터 파일을 암호화하지 못했습니다."},
        {IDS_GOVERNING, "최대치"},
        {IDS_INERTIA_NOT_CHECKED, "이너셔는 검토하지 않음"},
        {IDS_LANGUAGE_LATER, "새 창과 다음 실행부터 적용됩니다."},
        {IDS_CLICK_TO_ENLARGE, "클릭하면 확대됩니다."},
        {IDS_LOAD_ENTERED_DIRECTLY, "부하계산기의 부품 목록 없음: 부하를 직접 입력했습니다."},
        {IDS_PDF_WRITTEN, "보고서를 아래 PDF 파일로 저장했습니다."},
        {IDS_LANGUAGE_STORED,
         "언어 설정을 저장했습니다. 새 창과 다음 실행부터 적용되며, 이 창은 지금의 언어를 유지합니다."},
        {IDS_REPORT_PREVIEW, "보고서 미리보기"},
        {IDS_PAYLOAD_KEY_Y, "y: R1 부하율"},
        {IDS_PAYLOAD_KEY_R, "r: R2/B 부하율"},
        {IDS_PRINT_FAILED, "보고서를 인쇄하지 못했습니다."},
        {IDS_PRINTER_NOT_FOUND, "프린터를 찾을 수 없습니다."},
        {IDS_PRINTER_REJECTED, "프린터가 인쇄 작업을 받지 않았습니다."},
        {IDS_PDF_NOT_MADE, "PDF 문서를 만들지 못했습니다."},
        {IDS_PRINT_DOC_NAME, "인쇄 테스트"},
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
        {IDS_SAVE_FAILED, "The project could not be saved."},
        {IDS_ENCRYPT_FAILED, "The mechanism data file could not be encrypted."},
        {IDS_GOVERNING, "Governing"},
        {IDS_INERTIA_NOT_CHECKED, "inertia not checked"},
        {IDS_LANGUAGE_LATER, "Applies to new windows and the next start."},
        {IDS_CLICK_TO_ENLARGE, "Click to enlarge."},
        {IDS_LOAD_ENTERED_DIRECTLY, "No parts list from the load calculator: the load was entered directly."},
        {IDS_PDF_WRITTEN, "The report was written to this PDF file:"},
        {IDS_LANGUAGE_STORED,
         "The language is stored. It applies to new windows and the next start; this window keeps its "
         "language."},
        {IDS_REPORT_PREVIEW, "Report preview"},
        {IDS_PAYLOAD_KEY_Y, "y: R1 utilisation"},
        {IDS_PAYLOAD_KEY_R, "r: R2/B utilisation"},
        {IDS_PRINT_FAILED, "The report could not be printed."},
        {IDS_PRINTER_NOT_FOUND, "The printer cannot be found."},
        {IDS_PRINTER_REJECTED, "The printer did not accept the print job."},
        {IDS_PDF_NOT_MADE, "The PDF document could not be created."},
        {IDS_PRINT_DOC_NAME, "Print test"},
    };
    return kTable;
}

}  // namespace

QString LoadKestString(int id, Lang lang) {
    const Table& table = lang == Lang::English ? EnglishTable() : KoreanTable();
    const auto it = table.find(id);
    return it == table.end() ? QString() : QString::fromUtf8(it->second);
}

QString LoadKestString(int id) { return LoadKestString(id, CurrentLanguage()); }

std::vector<int> KestStringIds() {
    std::vector<int> ids;
    for (const auto& entry : KoreanTable()) ids.push_back(entry.first);
    return ids;
}

}  // namespace kest
