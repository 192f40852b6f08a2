#include "Templates.h"

#include <map>

namespace kest {
namespace {

using K = CtrlKind;

const DlgTemplate kMain = {
    IDD_MAIN,
    "KestLoad",
    553,
    321,
    "Arial",
    9,
    {
        {-1, K::GroupBox, 7, 19, 218, 116, "일반정보", ST_NONE, "General information"},
        {-1, K::Static, 16, 33, 45, 8, "회사명", ST_NONE, "Company"},
        {IDC_COMPANY, K::Edit, 60, 31, 154, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 16, 48, 45, 8, "프로젝트", ST_NONE, "Project"},
        {IDC_PROJECT, K::Edit, 60, 46, 154, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 16, 63, 40, 8, "응용분야", ST_NONE, "Application"},
        {IDC_APPLICATION, K::ComboDropDown, 60, 61, 154, 12, "", ST_VSCROLL},
        {-1, K::Static, 16, 77, 41, 8, "라인", ST_NONE, "Line"},
        {IDC_LINE, K::Edit, 60, 74, 74, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 136, 77, 35, 8, "로봇 #", ST_RIGHT, "Robot #"},
        {IDC_ROBOT_NUM, K::Edit, 173, 74, 41, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 16, 91, 45, 8, "엔지니어", ST_NONE, "Engineer"},
        {IDC_ENGINEER, K::Edit, 60, 89, 154, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 16, 105, 45, 8, "설명", ST_NONE, "Comment"},
        {IDC_COMMENT, K::Edit, 60, 104, 154, 23, "", ST_MULTILINE | ST_VSCROLL | ST_WANTRETURN | ST_BORDER},
        // The load cases: the list, add (a copy of the current), rename, remove and move.
        {IDC_CASE_LIST, K::ComboDropList, 7, 140, 76, 12, "", ST_VSCROLL},
        {IDC_CASE_ADD, K::PushButton, 85, 139, 30, 14, "추가", ST_NONE, "Add"},
        {IDC_CASE_RENAME, K::PushButton, 117, 139, 38, 14, "이름 변경", ST_NONE, "Rename"},
        {IDC_CASE_REMOVE, K::PushButton, 157, 139, 32, 14, "삭제", ST_NONE, "Remove"},
        {IDC_CASE_UP, K::PushButton, 191, 139, 17, 14, "<", ST_ICON},
        {IDC_CASE_DOWN, K::PushButton, 208, 139, 17, 14, ">", ST_ICON},
        {IDC_IN_TABLE, K::Static, 7, 157, 218, 65, "", ST_HIDDEN},
        {IDC_LOAD_WARNINGS, K::Static, 7, 222, 218, 9, "", ST_HIDDEN},
        {IDC_TAB_ADDLOAD, K::Tab, 7, 231, 218, 83, "", ST_NONE},
        {IDC_LOAD_CALC, K::PushButton, 98, 251, 41, 14, "부하계산기", ST_NONE, "Load calc."},
        {IDC_TOOL_CALC, K::PushButton, 141, 251, 38, 14, "툴 계산기", ST_NONE, "Tool calc."},
        {IDC_DEFAULT, K::PushButton, 181, 251, 38, 14, "기본값", ST_MULTILINE, "Default"},
        {IDC_TAB_RESULT, K::Tab, 232, 16, 235, 198, "", ST_NONE},
        {IDC_NOTICE, K::Static, 232, 215, 235, 17, "", ST_HIDDEN | ST_CENTER},
        {IDC_ANALYSE, K::PushButton, 232, 232, 40, 81, "분석", ST_NONE, "Analyse"},
        {IDC_RESULT_BOX, K::Static, 275, 232, 192, 81, "", ST_HIDDEN | ST_CENTER},
        {IDC_LB_MECH, K::ListBox, 478, 16, 68, 177, "", ST_SORT | ST_VSCROLL},
        {IDC_ADD_LEG, K::PushButton, 478, 196, 17, 15, "+", ST_ICON},
        {IDC_SUB_LEG, K::PushButton, 495, 196, 17, 15, "-", ST_ICON},
        {IDC_MOVE_UP, K::PushButton, 512, 196, 17, 15, "^", ST_ICON},
        {IDC_MOVE_DN, K::PushButton, 529, 196, 17, 15, "V", ST_ICON},
        {IDC_IMG_MECH, K::Static, 478, 227, 68, 86, "", ST_HIDDEN | ST_CENTER},
    },
};

// The name of a load case.
const DlgTemplate kCaseName = {
    IDD_CASE_NAME,
    "부하 조건 이름",
    220,
    62,
    "Arial",
    9,
    {
        {IDC_CASE_NAME_PROMPT, K::Static, 7, 8, 206, 8, "", ST_NONE},
        {IDC_CASE_NAME, K::Edit, 7, 20, 206, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {IDOK_BUTTON, K::PushButton, 109, 41, 50, 14, "확인", ST_DEFAULT, "OK"},
        {2, K::PushButton, 163, 41, 50, 14, "취소", ST_NONE, "Cancel"},
    },
    "Load case name",
};

const DlgTemplate kPgPayload = {IDD_PG_PAYLOAD, "", 213, 182, "Arial", 9, {}};

const DlgTemplate kPgAddLoad = {
    IDD_PG_ADDLOAD,
    "",
    233,
    80,
    "Arial",
    9,
    {
        {-1, K::Static, 6, 15, 21, 8, "중량", ST_NONE, "Mass"},
        {IDC_MASS, K::Edit, 32, 10, 40, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 74, 15, 15, 8, "kg", ST_NONE},
        {-1, K::Static, 6, 34, 12, 8, "Lx", ST_NONE},
        {IDC_LX, K::Edit, 22, 29, 40, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 67, 34, 12, 8, "Ly", ST_NONE},
        {IDC_LY, K::Edit, 83, 29, 40, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 128, 34, 12, 8, "Lz", ST_NONE},
        {IDC_LZ, K::Edit, 144, 29, 40, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 189, 34, 15, 8, "mm", ST_NONE},
        {-1, K::Static, 6, 50, 12, 8, "Ixx", ST_NONE},
        {IDC_IXX, K::Edit, 22, 45, 40, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 67, 50, 12, 8, "Iyy", ST_NONE},
        {IDC_IYY, K::Edit, 83, 45, 40, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 128, 50, 12, 8, "Izz", ST_NONE},
        {IDC_IZZ, K::Edit, 144, 45, 40, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 189, 51, 22, 8, "kg m²", ST_NONE},
    },
};

const DlgTemplate kPgBarChart = {
    IDD_PG_BARCHART,
    "",
    237,
    218,
    "Arial",
    9,
    {
        {-1, K::Static, 8, 187, 58, 8, "각 영역의 색상 :", ST_NONE, "Zone colours :"},
        {IDC_ZONE_NORMAL, K::Static, 68, 186, 46, 10, "Normal load", ST_CENTER},
        {IDC_ZONE_HIGH, K::Static, 118, 186, 46, 10, "High load", ST_CENTER},
        {IDC_ZONE_OVER, K::Static, 168, 186, 46, 10, "Overload", ST_CENTER},
    },
};

const DlgTemplate kAbout = {
    IDD_ABOUT,
    "KestLoad에 대하여",
    307,
    127,
    "Arial",
    9,
    {
        {-1, K::Icon, 11, 13, 21, 20, "", ST_NONE},
        {IDC_ABOUT_APP, K::Static, 42, 7, 201, 10, "", ST_NONE},
        {IDC_ABOUT_VERSION, K::Static, 42, 21, 129, 10, "", ST_NONE},
        {IDC_ABOUT_MECH_VERSION, K::Static, 42, 32, 129, 10, "", ST_NONE},
        {-1, K::Static, 42, 51, 201, 22,
         "로봇 툴과 부가중량이 손목축과 주축의 허용 부하를 넘지 않는지 확인하는 도구입니다.", ST_NONE,
         "Checks whether a robot's tool and added loads stay within what its wrist and main axes may carry."},
        {-1, K::EtchedLine, 7, 77, 292, 1, "", ST_NONE},
        {-1, K::Static, 42, 87, 201, 41,
         "결과는 입력한 부하와 메커니즘 데이터에 따른 계산값입니다. 로봇을 설치하기 전에 실제 사용조건(속도, "
         "가속도, 자세)을 함께 검토하십시오.",
         ST_NONE,
         "The results are calculated from the loads entered and the mechanism data. Before the robot is "
         "installed, also review its real operating conditions (speed, acceleration, posture)."},
        {IDOK_BUTTON, K::PushButton, 250, 106, 50, 14, "확인", ST_DEFAULT, "OK"},
    },
    "About KestLoad",
};

const DlgTemplate kCrdSys = {IDD_CRDSYS, "좌표계", 314, 259, "Arial", 9, {}, "Coordinate System"};

// The tool calculator: five sections one under the other, each with its bold
// title on the left. The wrist sections and the results share one grid of
// seven value columns (x = 116 + 42·k).
const DlgTemplate kToolCalc = {
    IDD_TOOL_CALC,
    "툴 계산기",
    419,
    308,
    "Arial",
    9,
    {
        // Input data: mass, centre of gravity and inertias of hand and workpiece.
        {IDC_TC_SEC_INPUT, K::Static, 7, 30, 34, 20, "입력\n데이터", ST_NONE, "Input\ndata"},
        {IDC_TC_HDR_MASS, K::Static, 46, 7, 74, 8, "중량 (kg)", ST_CENTER, "Mass (kg)"},
        {-1, K::Static, 46, 29, 34, 8, "핸드", ST_NONE, "Hand"},
        {IDC_TC_MASS_HND, K::Edit, 80, 27, 40, 12, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 46, 43, 34, 8, "워크피스", ST_NONE, "Workpiece"},
        {IDC_TC_MASS_WK, K::Edit, 80, 41, 40, 12, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 46, 57, 34, 8, "합계", ST_NONE, "Total"},
        {IDC_TC_MASS_ALL, K::Edit, 80, 55, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_HDR_COM, K::Static, 130, 7, 96, 8, "무게중심 (mm)", ST_CENTER, "Centre of gravity (mm)"},
        {-1, K::Static, 142, 17, 40, 8, "핸드", ST_CENTER, "Hand"},
        {-1, K::Static, 186, 17, 40, 8, "워크피스", ST_CENTER, "Workpiece"},
        {-1, K::Static, 130, 29, 10, 8, "x", ST_NONE},
        {-1, K::Static, 130, 43, 10, 8, "y", ST_NONE},
        {-1, K::Static, 130, 57, 10, 8, "z", ST_NONE},
        {IDC_TC_COM_HND_X, K::Edit, 142, 27, 40, 12, "", ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_COM_HND_Y, K::Edit, 142, 41, 40, 12, "", ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_COM_HND_Z, K::Edit, 142, 55, 40, 12, "", ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_COM_WK_X, K::Edit, 186, 27, 40, 12, "", ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_COM_WK_Y, K::Edit, 186, 41, 40, 12, "", ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_COM_WK_Z, K::Edit, 186, 55, 40, 12, "", ST_AUTOHSCROLL | ST_BORDER},
        // The edits below hold each part's own inertias in kg·m² (the inertia
        // calculator computes them from the outer size).
        {IDC_TC_HDR_SIZE, K::Static, 236, 7, 124, 8, "관성 (kgm²)", ST_CENTER, "Inertia (kgm²)"},
        {-1, K::Static, 250, 17, 40, 8, "핸드", ST_CENTER, "Hand"},
        {-1, K::Static, 306, 17, 40, 8, "워크피스", ST_CENTER, "Workpiece"},
        {-1, K::Static, 236, 29, 12, 8, "Ixx", ST_NONE},
        {-1, K::Static, 236, 43, 12, 8, "Iyy", ST_NONE},
        {-1, K::Static, 236, 57, 12, 8, "Izz", ST_NONE},
        {IDC_TC_MI_HND_X, K::Edit, 250, 27, 40, 12, "", ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_MI_HND_Y, K::Edit, 250, 41, 40, 12, "", ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_MI_HND_Z, K::Edit, 250, 55, 40, 12, "", ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_INER_HND, K::PushButton, 291, 55, 12, 12, "Inertia Calculator", ST_ICON},
        {IDC_TC_MI_WK_X, K::Edit, 306, 27, 40, 12, "", ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_MI_WK_Y, K::Edit, 306, 41, 40, 12, "", ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_MI_WK_Z, K::Edit, 306, 55, 40, 12, "", ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_INER_WK, K::PushButton, 347, 55, 12, 12, "Inertia Calculator", ST_ICON},
        {IDC_TC_CRDSYS, K::PushButton, 366, 7, 46, 40, "crdsys", ST_ICON},
        {-1, K::Static, 366, 49, 46, 18, "클릭하면 확대됩니다.", ST_CENTER, "Click to enlarge."},
        {-1, K::EtchedLine, 7, 72, 405, 1, "", ST_NONE},
        // Moments about R1 and R2/B against the allowable ones.
        {IDC_TC_SEC_MOMENT, K::Static, 7, 102, 34, 10, "모멘트", ST_NONE, "Moment"},
        {IDC_TC_HDR_T_ALLOW, K::Static, 121, 77, 30, 16, "허용값 (kgf m)", ST_CENTER, "Allowed (kgf m)"},
        {IDC_TC_HDR_T_CALC, K::Static, 163, 77, 30, 16, "계산값 (kgf m)", ST_CENTER, "Calc.\n(kgf m)"},
        {IDC_TC_HDR_T_RATIO, K::Static, 200, 77, 40, 16, "비율 (%)", ST_CENTER, "Ratio (%)"},
        {-1, K::Static, 46, 97, 66, 8, "R1", ST_NONE},
        {IDC_TC_T1A, K::Edit, 116, 95, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_T1, K::Edit, 158, 95, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_RT1, K::Edit, 200, 95, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 46, 111, 66, 8, "R2, B", ST_NONE},
        {IDC_TC_T2A, K::Edit, 116, 109, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_T2, K::Edit, 158, 109, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_RT2, K::Edit, 200, 109, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::EtchedLine, 7, 125, 405, 1, "", ST_NONE},
        // Other: the length from the R2/B axis to the flange.
        {IDC_TC_SEC_OTHER, K::Static, 7, 141, 34, 10, "기타", ST_NONE, "Other"},
        {IDC_TC_HDR_OFFSET, K::Static, 106, 130, 60, 8, "오프셋 (mm)", ST_CENTER, "Offset (mm)"},
        {IDC_TC_E, K::Edit, 116, 140, 40, 12, "", ST_READONLY | ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::EtchedLine, 7, 156, 405, 1, "", ST_NONE},
        // Inertias about R1 and R2/B: offsets, own inertias, sums, ratios.
        {IDC_TC_SEC_INERTIA, K::Static, 7, 179, 34, 20, "관성\n모멘트", ST_NONE, "Inertia"},
        {IDC_TC_HDR_J_ALLOW, K::Static, 116, 160, 40, 16, "허용값 (kgm²)", ST_CENTER, "Allowed (kgm²)"},
        {IDC_TC_HDR_J_OFFSET, K::Static, 158, 160, 82, 8, "오프셋 (kgm²)", ST_CENTER, "Offset (kgm²)"},
        {-1, K::Static, 158, 169, 40, 8, "핸드", ST_CENTER, "Hand"},
        {-1, K::Static, 200, 169, 40, 8, "워크피스", ST_CENTER, "Workpiece"},
        // Each part's own inertia, as typed above.
        {IDC_TC_HDR_J_OWN, K::Static, 242, 160, 82, 8, "자체 관성 (kgm²)", ST_CENTER, "Own inertia (kgm²)"},
        {-1, K::Static, 242, 169, 40, 8, "핸드", ST_CENTER, "Hand"},
        {-1, K::Static, 284, 169, 40, 8, "워크피스", ST_CENTER, "Workpiece"},
        {IDC_TC_HDR_J_SUM, K::Static, 326, 160, 40, 16, "합계 (kgm²)", ST_CENTER, "Total (kgm²)"},
        {IDC_TC_HDR_J_RATIO, K::Static, 368, 160, 40, 16, "비율 (%)", ST_CENTER, "Ratio (%)"},
        {-1, K::Static, 46, 180, 66, 8, "R1", ST_NONE},
        {IDC_TC_J1A, K::Edit, 116, 178, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_O1H, K::Edit, 158, 178, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_O1W, K::Edit, 200, 178, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_C1H, K::Edit, 242, 178, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_C1W, K::Edit, 284, 178, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_J1, K::Edit, 326, 178, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_RJ1, K::Edit, 368, 178, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 46, 194, 66, 8, "R2, B", ST_NONE},
        {IDC_TC_J2A, K::Edit, 116, 192, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_O2H, K::Edit, 158, 192, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_O2W, K::Edit, 200, 192, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_C2H, K::Edit, 242, 192, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_C2W, K::Edit, 284, 192, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_J2, K::Edit, 326, 192, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_RJ2, K::Edit, 368, 192, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::EtchedLine, 7, 208, 405, 1, "", ST_NONE},
        // Results: the hand alone, or hand and workpiece as one body.
        {IDC_TC_SEC_RESULT, K::Static, 7, 237, 34, 10, "결과", ST_NONE, "Result"},
        {IDC_TC_HDR_RES_MASS, K::Static, 116, 212, 40, 16, "중량 (kg)", ST_CENTER, "Mass (kg)"},
        {IDC_TC_HDR_RES_INER, K::Static, 158, 212, 124, 8, "관성모멘트 (kgm²)", ST_CENTER,
         "Moment of inertia (kgm²)"},
        {-1, K::Static, 158, 221, 40, 8, "Ixx", ST_CENTER},
        {-1, K::Static, 200, 221, 40, 8, "Iyy", ST_CENTER},
        {-1, K::Static, 242, 221, 40, 8, "Izz", ST_CENTER},
        {IDC_TC_HDR_RES_COM, K::Static, 284, 212, 124, 8, "무게중심 (mm)", ST_CENTER,
         "Centre of gravity (mm)"},
        {-1, K::Static, 284, 221, 40, 8, "Lx", ST_CENTER},
        {-1, K::Static, 326, 221, 40, 8, "Ly", ST_CENTER},
        {-1, K::Static, 368, 221, 40, 8, "Lz", ST_CENTER},
        {IDC_TC_RADIO_HND, K::RadioButton, 46, 230, 66, 12, "핸드", ST_GROUP, "Hand"},
        {IDC_TC_HND_MASS, K::Edit, 116, 230, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_HND_IXX, K::Edit, 158, 230, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_HND_IYY, K::Edit, 200, 230, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_HND_IZZ, K::Edit, 242, 230, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_HND_LX, K::Edit, 284, 230, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_HND_LY, K::Edit, 326, 230, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_HND_LZ, K::Edit, 368, 230, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_RADIO_ALL, K::RadioButton, 46, 244, 66, 12, "핸드+워크피스", ST_NONE, "Hand+workpiece"},
        {IDC_TC_ALL_MASS, K::Edit, 116, 244, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_ALL_IXX, K::Edit, 158, 244, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_ALL_IYY, K::Edit, 200, 244, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_ALL_IZZ, K::Edit, 242, 244, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_ALL_LX, K::Edit, 284, 244, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_ALL_LY, K::Edit, 326, 244, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {IDC_TC_ALL_LZ, K::Edit, 368, 244, 40, 12, "", ST_READONLY | ST_RIGHT | ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::EtchedLine, 7, 261, 405, 1, "", ST_NONE},
        {IDOK_BUTTON, K::PushButton, 298, 284, 56, 14, "확인 (입력)", ST_DEFAULT, "OK (Input)"},
        {2, K::PushButton, 358, 284, 54, 14, "취소", ST_NONE, "Cancel"},
    },
    "Tool Calculator",
};

const DlgTemplate kFileProp = {
    IDD_FILE_PROP,
    "파일 속성",
    260,
    58,
    "Arial",
    9,
    {
        {-1, K::Static, 7, 9, 60, 8, "프로젝트 파일 :", ST_NONE, "Project file :"},
        {IDC_FILE_PATH, K::Edit, 7, 20, 246, 14, "", ST_READONLY | ST_AUTOHSCROLL | ST_BORDER},
        {IDOK_BUTTON, K::PushButton, 203, 38, 50, 14, "확인", ST_DEFAULT, "OK"},
    },
    "File Properties",
};

const DlgTemplate kLoadCalc = {
    IDD_LOAD_CALC,
    "Load Calculator",
    467,
    269,
    "Arial",
    9,
    {
        {IDC_LC_TAB, K::Tab, 4, 4, 298, 238, "", ST_NONE},
        {-1, K::GroupBox, 8, 22, 290, 108, "Predefined load", ST_NONE},
        {-1, K::Static, 14, 35, 40, 8, "Application", ST_NONE},
        {IDC_LC_SPOT, K::CheckBox, 56, 34, 50, 10, "spot weld", ST_NONE},
        {IDC_LC_ARC, K::CheckBox, 108, 34, 46, 10, "arc weld", ST_NONE},
        {IDC_LC_HANDLING, K::CheckBox, 156, 34, 46, 10, "handling", ST_NONE},
        {-1, K::Static, 14, 51, 40, 8, "Name", ST_NONE},
        {IDC_LC_NAME, K::ComboDropList, 56, 48, 146, 13, "", ST_SORT | ST_VSCROLL},
        {IDC_LC_IMG, K::Frame, 14, 64, 66, 60, "", ST_NONE},
        {IDC_LC_DESC, K::Frame, 85, 64, 204, 34, "", ST_NONE},
        {IDC_LC_PREDEF_ERROR, K::Static, 87, 65, 200, 32, "", ST_HIDDEN},
        {IDC_LC_PREDEF, K::Frame, 85, 100, 204, 24, "", ST_HIDDEN},
        {IDC_LC_ADD_ROW, K::PushButton, 8, 133, 17, 15, "Add row", ST_ICON},
        {IDC_LC_DEL_ROW, K::PushButton, 25, 133, 17, 15, "Remove row", ST_ICON},
        {IDC_LC_ROW_UP, K::PushButton, 42, 133, 17, 15, "Move up", ST_ICON},
        {IDC_LC_ROW_DN, K::PushButton, 59, 133, 17, 15, "Move down", ST_ICON},
        {IDC_LC_INER, K::PushButton, 80, 133, 17, 15, "Inertia calculator", ST_ICON},
        {IDC_LC_IMPORT, K::PushButton, 101, 133, 56, 15, "가져오기…", ST_NONE, "Import…"},
        {IDC_LC_SET_ROW, K::PushButton, 189, 133, 100, 15, "Set to selected row", ST_NONE},
        {IDC_LC_LOAD, K::Frame, 8, 151, 290, 70, "", ST_HIDDEN},
        {IDC_LC_SUM, K::Frame, 8, 223, 281, 13, "", ST_HIDDEN},
        {IDC_LC_GUIDE, K::Frame, 311, 22, 150, 76, "", ST_NONE},
        {-1, K::Static, 311, 103, 150, 34,
         "부가설비가 툴과 로봇 사이에 부착되는경우\n툴의 무게중심은 로봇 마운트 원점위치에서\n측정", ST_NONE,
         "When equipment sits between the tool and the robot, measure the tool's centre of gravity from the "
         "robot mount."},
        {IDC_LC_LEGEND, K::Frame, 311, 140, 150, 53, "", ST_HIDDEN},
        {IDC_LC_INPUT_PAGES, K::Static, 8, 251, 344, 8, "", ST_NONE},
        {IDOK_BUTTON, K::PushButton, 356, 248, 50, 14, "Input", ST_DEFAULT},
        {2, K::PushButton, 410, 248, 50, 14, "Cancel", ST_NONE},
    },
};

// Import from CAD: its controls are laid out in code (DlgCadImport.cpp).
const DlgTemplate kCadImport = {IDD_CAD_IMPORT, "CAD에서 부하 가져오기", 560, 360, "Arial", 9, {},
                                "Load from CAD"};

const DlgTemplate kInerCalc = {
    IDD_INER_CALC,
    "Inertia Calculator",
    222,
    86,
    "Arial",
    9,
    {
        {-1, K::Static, 7, 10, 20, 8, "Mass", ST_NONE},
        {IDC_INER_MASS, K::Edit, 27, 7, 36, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 67, 10, 15, 8, "kg", ST_NONE},
        {-1, K::Static, 114, 10, 24, 8, "Shape", ST_NONE},
        {-1, K::Static, 141, 7, 36, 14, "Cuboid", ST_CENTER | ST_BORDER},
        {-1, K::Static, 7, 30, 12, 8, "dx", ST_NONE},
        {IDC_INER_DX, K::Edit, 27, 27, 36, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 70, 30, 12, 8, "dy", ST_NONE},
        {IDC_INER_DY, K::Edit, 84, 27, 36, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 127, 30, 12, 8, "dz", ST_NONE},
        {IDC_INER_DZ, K::Edit, 141, 27, 36, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 181, 30, 15, 8, "mm", ST_NONE},
        {-1, K::Static, 7, 48, 14, 8, "Ixx", ST_NONE},
        {IDC_INER_IXX, K::Edit, 27, 45, 36, 14, "", ST_READONLY | ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 70, 48, 14, 8, "Iyy", ST_NONE},
        {IDC_INER_IYY, K::Edit, 84, 45, 36, 14, "", ST_READONLY | ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 127, 48, 14, 8, "Izz", ST_NONE},
        {IDC_INER_IZZ, K::Edit, 141, 45, 36, 14, "", ST_READONLY | ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 181, 48, 24, 8, "kg m²", ST_NONE},
        {IDOK_BUTTON, K::PushButton, 111, 65, 50, 14, "Input", ST_DEFAULT},
        {2, K::PushButton, 165, 65, 50, 14, "Cancel", ST_NONE},
    },
};

const DlgTemplate kReport = {
    IDD_REPORT,
    "보고서",
    400,
    300,
    "Arial",
    9,
    {
        {IDC_RPT_PREVIEW, K::Frame, 7, 7, 250, 286, "", ST_NONE},
        {-1, K::Static, 266, 9, 127, 8, "프린터 :", ST_NONE, "Printer :"},
        {IDC_RPT_PRINTER, K::ComboDropList, 266, 19, 127, 12, "", ST_VSCROLL},
        {IDC_RPT_GREY, K::CheckBox, 266, 38, 127, 10, "그레이-스케일(&G)", ST_NONE, "&Grey scale"},
        {-1, K::GroupBox, 266, 54, 127, 40, "바 차트", ST_NONE, "Bar charts"},
        {IDC_RPT_MOMENT, K::CheckBox, 274, 66, 110, 10, "모멘트", ST_NONE, "Moment"},
        {IDC_RPT_INERTIA, K::CheckBox, 274, 79, 110, 10, "이너셔", ST_NONE, "Inertia"},
        {-1, K::Static, 266, 105, 40, 8, "페이지 :", ST_NONE, "Page :"},
        {IDC_RPT_PAGE, K::ComboDropList, 306, 103, 40, 12, "", ST_VSCROLL},
        {IDC_RPT_PRINT, K::PushButton, 266, 279, 62, 14, "프린트(&P)", ST_DEFAULT, "&Print"},
        {2, K::PushButton, 331, 279, 62, 14, "닫기", ST_NONE, "Close"},
    },
    "Report",
};

const MenuTemplate kMainMenu = {
    IDR_MAIN_MENU,
    {
        {0,
         "파일(&F)",
         false,
         {
             {ID_FILE_NEW_PRJ, "새 문서(&N)", false, {}, "&New"},
             {ID_FILE_OPEN_PRJ, "열기(&O)", false, {}, "&Open"},
             {ID_FILE_SAVE_PRJ, "저장(&S)", false, {}, "&Save"},
             {ID_FILE_SAVE_AS_PRJ, "다른 이름으로 저장(&A)", false, {}, "Save &As"},
             {ID_FILE_PROPERTIES, "속성(&I)", false, {}, "Propert&ies"},
             {0, nullptr, false, {}},
             {ID_FILE_PRINT, "프린트(&P)", false, {}, "&Print"},
             {0, nullptr, false, {}},
             {ID_FILE_EXIT, "종료(&X)", false, {}, "E&xit"},
         },
         "&File"},
        {0, "창(&W)", false, {{ID_WINDOW_NEW, "새 창(&N)", false, {}, "&New Window"}}, "&Window"},
        {0,
         "보기(&V)",
         false,
         {
             {0,
              "이너셔",
              false,
              {
                  {ID_VIEW_INERTIA_SHOW, "보이기", true, {}, "&Show"},
                  {ID_VIEW_INERTIA_HIDE, "숨기기", false, {}, "&Hide"},
              },
              "&Inertia"},
             // Each language names itself in the Korean menu, so that it can be found.
             {0,
              "언어(&L)",
              false,
              {
                  {ID_VIEW_LANG_KO, "한국어", false, {}, "Korean"},
                  {ID_VIEW_LANG_EN, "English", false, {}},
              },
              "&Language"},
         },
         "&View"},
        {0,
         "도움말(&H)",
         false,
         {
             {ID_HELP_CRDSYS, "좌표계 시스템(&C)", false, {}, "&Coordinate System"},
             {0,
              "버전(&V)",
              false,
              {
                  {ID_HELP_VER_NEW, "V40.24.15 이상", true, {}, "V40.24.15 and later"},
                  {ID_HELP_VER_OLD, "V40.24.14 이하", false, {}, "V40.24.14 and earlier"},
              },
              "&Version"},
             {ID_HELP_MANUAL, "설명서(&M)", false, {}, "&Manual"},
             {ID_HELP_EXAMPLES, "예제 프로젝트(&E)...", false, {}, "&Examples..."},
             {0, nullptr, false, {}},
             {ID_HELP_ABOUT, "KestLoad 정보(&A)", false, {}, "&About KestLoad"},
         },
         "&Help"},
    },
};

const ToolbarTemplate kMainToolbar = {
    IDR_MAIN_TOOLBAR,
    16,
    15,
    {ID_FILE_NEW_PRJ, ID_FILE_OPEN_PRJ, ID_FILE_SAVE_PRJ, ID_FILE_PRINT, 0, ID_HELP_CRDSYS},
};

}  // namespace

const DlgTemplate* FindDlgTemplate(int id) {
    static const std::map<int, const DlgTemplate*> kAll = {
        {IDD_MAIN, &kMain},
        {IDD_PG_PAYLOAD, &kPgPayload},
        {IDD_PG_ADDLOAD, &kPgAddLoad},
        {IDD_PG_BARCHART, &kPgBarChart},
        {IDD_ABOUT, &kAbout},
        {IDD_CRDSYS, &kCrdSys},
        {IDD_TOOL_CALC, &kToolCalc},
        {IDD_FILE_PROP, &kFileProp},
        {IDD_LOAD_CALC, &kLoadCalc},
        {IDD_INER_CALC, &kInerCalc},
        {IDD_CAD_IMPORT, &kCadImport},
        {IDD_CASE_NAME, &kCaseName},
        {IDD_REPORT, &kReport},
    };
    const auto it = kAll.find(id);
    return it == kAll.end() ? nullptr : it->second;
}

const MenuTemplate& MainMenuTemplate() { return kMainMenu; }
const ToolbarTemplate& MainToolbarTemplate() { return kMainToolbar; }

}  // namespace kest
