#include "Strings.h"

#include <unordered_map>

namespace kest {

QString LoadKestString(int id) {
    static const std::unordered_map<int, const char*> kTable = {
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
        {IDS_PRINT_FAILED, "보고서를 인쇄하지 못했습니다."},
        {IDS_PRINTER_NOT_FOUND, "프린터를 찾을 수 없습니다."},
        {IDS_PRINTER_REJECTED, "프린터가 인쇄 작업을 받지 않았습니다."},
        {IDS_PDF_NOT_MADE, "PDF 문서를 만들지 못했습니다."},
    };
    const auto it = kTable.find(id);
    return it == kTable.end() ? QString() : QString::fromUtf8(it->second);
}

}  // namespace kest
