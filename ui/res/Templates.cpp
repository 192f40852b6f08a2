#include "Templates.h"

#include <map>

namespace kest {
namespace {

using K = CtrlKind;

const DlgTemplate kMain = {
    IDD_MAIN,
    "KestLoad",
    553,
    305,
    "Arial",
    9,
    {
        {-1, K::GroupBox, 7, 19, 218, 116, "일반정보", ST_NONE},
        {-1, K::Static, 16, 33, 45, 8, "회사명", ST_NONE},
        {IDC_COMPANY, K::Edit, 60, 31, 154, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 16, 48, 45, 8, "프로젝트", ST_NONE},
        {IDC_PROJECT, K::Edit, 60, 46, 154, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 16, 63, 40, 8, "응용분야", ST_NONE},
        {IDC_APPLICATION, K::ComboDropDown, 60, 61, 154, 12, "", ST_VSCROLL},
        {-1, K::Static, 16, 77, 41, 8, "라인", ST_NONE},
        {IDC_LINE, K::Edit, 60, 74, 74, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 148, 77, 23, 8, "로봇 #", ST_NONE},
        {IDC_ROBOT_NUM, K::Edit, 173, 74, 41, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 16, 91, 45, 8, "엔지니어", ST_NONE},
        {IDC_ENGINEER, K::Edit, 60, 89, 154, 14, "", ST_AUTOHSCROLL | ST_BORDER},
        {-1, K::Static, 16, 105, 45, 8, "설명", ST_NONE},
        {IDC_COMMENT, K::Edit, 60, 104, 154, 23, "", ST_MULTILINE | ST_VSCROLL | ST_WANTRETURN | ST_BORDER},
        {IDC_IN_TABLE, K::Static, 7, 141, 218, 65, "", ST_HIDDEN},
        {IDC_TAB_ADDLOAD, K::Tab, 7, 215, 218, 83, "", ST_NONE},
        {IDC_LOAD_CALC, K::PushButton, 98, 235, 41, 14, "부하계산기", ST_NONE},
        {IDC_TOOL_CALC, K::PushButton, 141, 235, 38, 14, "툴 계산기", ST_NONE},
        {IDC_DEFAULT, K::PushButton, 181, 235, 38, 14, "기본값", ST_MULTILINE},
        {IDC_TAB_RESULT, K::Tab, 232, 16, 235, 219, "", ST_NONE},
        {IDC_NOTICE, K::Static, 232, 238, 235, 17, "", ST_HIDDEN | ST_CENTER},
        {IDC_ANALYSE, K::PushButton, 232, 259, 40, 38, "분석", ST_NONE},
        {IDC_RESULT_BOX, K::Static, 275, 259, 192, 38, "", ST_HIDDEN | ST_CENTER},
        {IDC_LB_MECH, K::ListBox, 478, 16, 68, 177, "", ST_SORT | ST_VSCROLL},
        {IDC_ADD_LEG, K::PushButton, 478, 196, 17, 15, "+", ST_ICON},
        {IDC_SUB_LEG, K::PushButton, 495, 196, 17, 15, "-", ST_ICON},
        {IDC_MOVE_UP, K::PushButton, 512, 196, 17, 15, "^", ST_ICON},
        {IDC_MOVE_DN, K::PushButton, 529, 196, 17, 15, "V", ST_ICON},
        {IDC_IMG_MECH, K::Static, 478, 227, 68, 70, "", ST_HIDDEN | ST_CENTER},
    },
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
        {-1, K::Static, 6, 15, 21, 8, "중량", ST_NONE},
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
        {-1, K::Static, 8, 187, 58, 8, "각 영역의 색상 :", ST_NONE},
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
         "로봇 툴과 부가중량이 손목축과 주축의 허용 부하를 넘지 않는지 확인하는 도구입니다.", ST_NONE},
        {-1, K::EtchedLine, 7, 77, 292, 1, "", ST_NONE},
        {-1, K::Static, 42, 87, 201, 41,
         "결과는 입력한 부하와 메커니즘 데이터에 따른 계산값입니다. 로봇을 설치하기 전에 실제 사용조건(속도, "
         "가속도, 자세)을 함께 검토하십시오.",
         ST_NONE},
        {IDOK_BUTTON, K::PushButton, 250, 106, 50, 14, "확인", ST_DEFAULT},
    },
};

const DlgTemplate kCrdSys = {IDD_CRDSYS, "좌표계", 314, 259, "Arial", 9, {}};

const DlgTemplate kFileProp = {
    IDD_FILE_PROP,
    "파일 속성",
    260,
    58,
    "Arial",
    9,
    {
        {-1, K::Static, 7, 9, 60, 8, "프로젝트 파일 :", ST_NONE},
        {IDC_FILE_PATH, K::Edit, 7, 20, 246, 14, "", ST_READONLY | ST_AUTOHSCROLL | ST_BORDER},
        {IDOK_BUTTON, K::PushButton, 203, 38, 50, 14, "확인", ST_DEFAULT},
    },
};

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
        {-1, K::Static, 266, 9, 127, 8, "프린터 :", ST_NONE},
        {IDC_RPT_PRINTER, K::ComboDropList, 266, 19, 127, 12, "", ST_VSCROLL},
        {IDC_RPT_GREY, K::CheckBox, 266, 38, 127, 10, "그레이-스케일(&G)", ST_NONE},
        {-1, K::GroupBox, 266, 54, 127, 40, "바 차트", ST_NONE},
        {IDC_RPT_MOMENT, K::CheckBox, 274, 66, 110, 10, "모멘트", ST_NONE},
        {IDC_RPT_INERTIA, K::CheckBox, 274, 79, 110, 10, "이너셔", ST_NONE},
        {-1, K::Static, 266, 105, 40, 8, "페이지 :", ST_NONE},
        {IDC_RPT_PAGE, K::ComboDropList, 306, 103, 40, 12, "", ST_VSCROLL},
        {IDC_RPT_PRINT, K::PushButton, 266, 279, 62, 14, "프린트(&P)", ST_DEFAULT},
        {2, K::PushButton, 331, 279, 62, 14, "닫기", ST_NONE},
    },
};

const MenuTemplate kMainMenu = {
    IDR_MAIN_MENU,
    {
        {0,
         "파일(&F)",
         false,
         {
             {ID_FILE_NEW_PRJ, "새 문서(&N)", false, {}},
             {ID_FILE_OPEN_PRJ, "열기(&O)", false, {}},
             {ID_FILE_SAVE_PRJ, "저장(&S)", false, {}},
             {ID_FILE_SAVE_AS_PRJ, "다른 이름으로 저장(&A)", false, {}},
             {ID_FILE_PROPERTIES, "속성(&I)", false, {}},
             {0, nullptr, false, {}},
             {ID_FILE_PRINT, "프린트(&P)", false, {}},
             {0, nullptr, false, {}},
             {ID_FILE_EXIT, "종료(&X)", false, {}},
         }},
        {0, "창(&W)", false, {{ID_WINDOW_NEW, "새 창(&N)", false, {}}}},
        {0,
         "보기(&V)",
         false,
         {
             {0,
              "이너셔",
              false,
              {
                  {ID_VIEW_INERTIA_SHOW, "보이기", true, {}},
                  {ID_VIEW_INERTIA_HIDE, "숨기기", false, {}},
              }},
         }},
        {0,
         "도움말(&H)",
         false,
         {
             {ID_HELP_CRDSYS, "좌표계 시스템(&C)", false, {}},
             {0,
              "버전(&V)",
              false,
              {
                  {ID_HELP_VER_NEW, "V40.24.15 이상", true, {}},
                  {ID_HELP_VER_OLD, "V40.24.14 이하", false, {}},
              }},
             {ID_HELP_MANUAL, "설명서(&M)", false, {}},
             {0, nullptr, false, {}},
             {ID_HELP_ABOUT, "KestLoad 정보(&A)", false, {}},
         }},
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
        {IDD_FILE_PROP, &kFileProp},
        {IDD_INER_CALC, &kInerCalc},
        {IDD_REPORT, &kReport},
    };
    const auto it = kAll.find(id);
    return it == kAll.end() ? nullptr : it->second;
}

const MenuTemplate& MainMenuTemplate() { return kMainMenu; }
const ToolbarTemplate& MainToolbarTemplate() { return kMainToolbar; }

}  // namespace kest
