// Resource ids of the dialog templates, menus, toolbars and their commands.
#pragma once

#include <vector>

#include "DlgTemplate.h"

namespace kest {

enum ResourceId : int {
    IDD_MAIN = 13000,
    IDD_PG_PAYLOAD = 13001,
    IDD_PG_ADDLOAD = 13002,
    IDD_PG_BARCHART = 13003,
    IDR_MAIN_MENU = 13005,
    IDD_ABOUT = 13006,
    IDD_REPORT = 13007,
    IDD_CRDSYS = 13010,
    IDD_TOOL_CALC = 13020,
    IDD_FILE_PROP = 13021,
    IDD_LOAD_CALC = 13022,
    IDD_INER_CALC = 13027,
    IDD_CASE_NAME = 13029,
    IDD_CAD_IMPORT = 13031,
    IDR_MAIN_TOOLBAR = 13008,
};

// Commands of the main menu and toolbar.
enum CommandId : int {
    ID_FILE_OPEN_PRJ = 32776,
    ID_FILE_SAVE_PRJ = 32777,
    ID_FILE_SAVE_AS_PRJ = 32778,
    ID_HELP_ABOUT = 32781,
    ID_FILE_PRINT = 32782,
    ID_FILE_EXIT = 32785,
    ID_HELP_CRDSYS = 32786,
    ID_HELP_MANUAL = 32788,
    ID_FILE_PROPERTIES = 32792,
    ID_FILE_NEW_PRJ = 32793,
    ID_WINDOW_NEW = 32794,
    ID_HELP_VER_NEW = 32812,
    ID_HELP_VER_OLD = 32813,
    ID_VIEW_INERTIA_SHOW = 32818,
    ID_VIEW_INERTIA_HIDE = 32819,
    ID_VIEW_LANG_KO = 32830,
    ID_VIEW_LANG_EN = 32831,
    ID_HELP_EXAMPLES = 41050,
};

// Controls of the main dialog and its pages.
enum ControlId : int {
    IDC_TAB_RESULT = 13003,
    IDC_ANALYSE = 13004,
    IDC_COMPANY = 13010,
    IDC_PROJECT = 13011,
    IDC_TAB_ADDLOAD = 13012,
    IDC_RESULT_BOX = 13013,
    IDC_IMG_MECH = 13014,
    IDC_DEFAULT = 13015,
    IDC_LINE = 13016,
    IDC_APPLICATION = 13017,
    IDC_ADD_LEG = 13018,
    IDC_SUB_LEG = 13019,
    IDC_COMMENT = 13020,
    IDC_ENGINEER = 13021,
    IDC_NOTICE = 13022,
    IDC_MOVE_DN = 13023,
    IDC_MOVE_UP = 13024,
    IDC_ROBOT_NUM = 13025,
    IDC_LOAD_WARNINGS = 13026,
    IDC_LB_MECH = 13030,
    IDC_IN_TABLE = 13034,
    IDC_TOOL_CALC = 13035,
    IDC_LOAD_CALC = 13036,
    // the load-case bar above the load table, and the case name dialog
    IDC_CASE_LIST = 13200,
    IDC_CASE_ADD = 13201,
    IDC_CASE_RENAME = 13202,
    IDC_CASE_REMOVE = 13203,
    IDC_CASE_UP = 13204,
    IDC_CASE_DOWN = 13205,
    IDC_CASE_NAME = 13206,
    IDC_CASE_NAME_PROMPT = 13207,
    // additional-load page
    IDC_MASS = 13001,
    IDC_LX = 13002,
    IDC_LY = 13005,
    IDC_LZ = 13006,
    IDC_IXX = 13007,
    IDC_IYY = 13008,
    IDC_IZZ = 13009,
    // about box and file properties
    IDC_ABOUT_APP = 13022,
    IDC_ABOUT_VERSION = 13023,
    IDC_ABOUT_MECH_VERSION = 13024,
    IDC_FILE_PATH = 13109,
    IDOK_BUTTON = 1,
    // tool calculator: inputs
    IDC_TC_MASS_HND = 13036,
    IDC_TC_MASS_ALL = 13037,
    IDC_TC_MASS_WK = 13038,
    IDC_TC_COM_HND_X = 13039,
    IDC_TC_COM_WK_X = 13040,
    IDC_TC_COM_HND_Y = 13042,
    IDC_TC_COM_WK_Y = 13043,
    IDC_TC_COM_HND_Z = 13044,
    IDC_TC_COM_WK_Z = 13045,
    IDC_TC_MI_HND_X = 13046,
    IDC_TC_MI_WK_X = 13047,
    IDC_TC_MI_HND_Y = 13048,
    IDC_TC_MI_WK_Y = 13049,
    IDC_TC_MI_HND_Z = 13050,
    IDC_TC_MI_WK_Z = 13051,
    // tool calculator: wrist check (1 about R1, 2 about R2/B)
    IDC_TC_T1A = 13052,
    IDC_TC_T2A = 13053,
    IDC_TC_T1 = 13054,
    IDC_TC_T2 = 13055,
    IDC_TC_RT1 = 13056,
    IDC_TC_RT2 = 13057,
    IDC_TC_J1A = 13058,
    IDC_TC_J2A = 13059,
    IDC_TC_O1H = 13060,
    IDC_TC_O2H = 13061,
    IDC_TC_E = 13062,
    IDC_TC_O1W = 13064,
    IDC_TC_O2W = 13065,
    IDC_TC_C1H = 13066,
    IDC_TC_C2H = 13067,
    IDC_TC_C1W = 13068,
    IDC_TC_C2W = 13069,
    IDC_TC_J1 = 13070,
    IDC_TC_J2 = 13071,
    IDC_TC_RJ1 = 13072,
    IDC_TC_RJ2 = 13073,
    // tool calculator: result choice and the two result rows
    IDC_TC_RADIO_HND = 13041,
    IDC_TC_RADIO_ALL = 13063,
    IDC_TC_ALL_MASS = 13074,
    IDC_TC_ALL_IXX = 13075,
    IDC_TC_ALL_IYY = 13076,
    IDC_TC_ALL_IZZ = 13077,
    IDC_TC_ALL_LX = 13078,
    IDC_TC_HND_MASS = 13079,
    IDC_TC_HND_IXX = 13080,
    IDC_TC_ALL_LY = 13081,
    IDC_TC_ALL_LZ = 13082,
    IDC_TC_HND_IYY = 13083,
    IDC_TC_HND_IZZ = 13084,
    IDC_TC_HND_LX = 13085,
    IDC_TC_HND_LY = 13086,
    IDC_TC_HND_LZ = 13087,
    // tool calculator: column headers, section titles and buttons
    IDC_TC_HDR_J_ALLOW = 13088,
    IDC_TC_HDR_J_OFFSET = 13089,
    IDC_TC_HDR_J_OWN = 13090,
    IDC_TC_HDR_J_SUM = 13091,
    IDC_TC_HDR_J_RATIO = 13092,
    IDC_TC_HDR_RES_MASS = 13093,
    IDC_TC_HDR_RES_INER = 13094,
    IDC_TC_HDR_RES_COM = 13095,
    IDC_TC_HDR_T_ALLOW = 13096,
    IDC_TC_HDR_T_CALC = 13097,
    IDC_TC_HDR_T_RATIO = 13098,
    IDC_TC_HDR_MASS = 13099,
    IDC_TC_HDR_COM = 13100,
    IDC_TC_HDR_SIZE = 13101,
    IDC_TC_SEC_RESULT = 13102,
    IDC_TC_SEC_INERTIA = 13103,
    IDC_TC_SEC_MOMENT = 13104,
    IDC_TC_SEC_INPUT = 13105,
    IDC_TC_SEC_OTHER = 13106,
    IDC_TC_HDR_OFFSET = 13107,
    IDC_TC_CRDSYS = 13108,
    IDC_TC_INER_WK = 13131,
    IDC_TC_INER_HND = 13132,
    // load calculator
    IDC_LC_NAME = 13110,
    IDC_LC_LOAD = 13112,
    IDC_LC_ADD_ROW = 13113,
    IDC_LC_SUM = 13114,
    IDC_LC_SET_ROW = 13115,
    IDC_LC_PREDEF = 13116,
    IDC_LC_IMG = 13117,
    IDC_LC_DEL_ROW = 13118,
    IDC_LC_ROW_UP = 13119,
    IDC_LC_ROW_DN = 13120,
    IDC_LC_DESC = 13121,
    IDC_LC_TAB = 13122,
    IDC_LC_SPOT = 13123,
    IDC_LC_ARC = 13124,
    IDC_LC_HANDLING = 13125,
    IDC_LC_INER = 13126,
    IDC_LC_GUIDE = 13127,
    IDC_LC_LEGEND = 13128,
    IDC_LC_PREDEF_ERROR = 40101,  // why the predefined loads could not be read
    IDC_LC_INPUT_PAGES = 41101,   // the load pages "Input" writes
    IDC_LC_IMPORT = 13141,        // import from CAD
    IDC_GRID_PREDEF = 2551,
    IDC_GRID_LOAD = 2552,
    IDC_GRID_SUM = 2553,
    IDC_GRID_LEGEND = 2554,
    // import from CAD
    IDC_CI_OPEN = 13300,
    IDC_CI_SOURCE = 13301,
    IDC_CI_PASTE = 13302,
    IDC_CI_READ = 13303,
    IDC_CI_STATUS = 13304,
    IDC_CI_PROGRESS = 13305,
    IDC_CI_CANCEL_READ = 13306,
    IDC_CI_LENGTH_UNIT = 13307,
    IDC_CI_MASS_UNIT = 13308,
    IDC_CI_BODIES = 13309,
    IDC_CI_USE_DENSITY = 13310,
    IDC_CI_USE_TOTAL = 13311,
    IDC_CI_DENSITY = 13312,
    IDC_CI_MATERIAL = 13313,
    IDC_CI_TOTAL = 13314,
    IDC_CI_ORIGIN_X = 13315,  // Y and Z follow
    IDC_CI_RX = 13318,        // RY and RZ follow
    IDC_CI_ORIENTATION = 13321,
    IDC_CI_SHAPE = 13322,
    IDC_CI_CONSERVATIVE = 13323,
    IDC_CI_WARNINGS = 13324,
    IDC_CI_ADD = 13325,
    IDC_CI_CLOSE = 13326,
    IDC_CI_RESULT = 13330,  // the result's 16 fields follow
    // inertia calculator
    IDC_INER_MASS = 13124,
    IDC_INER_DX = 13125,
    IDC_INER_DY = 13126,
    IDC_INER_DZ = 13127,
    IDC_INER_IXX = 13128,
    IDC_INER_IYY = 13129,
    IDC_INER_IZZ = 13130,
    // report dialog
    IDC_RPT_PRINT = 3,
    IDC_RPT_PREVIEW = 13024,
    IDC_RPT_GREY = 13032,
    IDC_RPT_PRINTER = 13033,
    IDC_RPT_PAGE = 13132,
    IDC_RPT_MOMENT = 13134,
    IDC_RPT_INERTIA = 13135,
    // bar-chart page
    IDC_ZONE_NORMAL = 13021,
    IDC_ZONE_HIGH = 13022,
    IDC_ZONE_OVER = 13023,
};

struct MenuTemplateItem {
    int id;            // 0 with a null text: separator
    const char* text;  // UTF-8, with & before the access key
    bool checked;
    std::vector<MenuTemplateItem> children;  // a sub-popup when not empty
    const char* textEn = nullptr;            // English text; null when it equals `text`

    const char* Text(Lang lang) const { return lang == Lang::English && textEn ? textEn : text; }
};

struct MenuTemplate {
    int id;
    std::vector<MenuTemplateItem> popups;
};

struct ToolbarTemplate {
    int id;
    int imageWidth, imageHeight;
    std::vector<int> commands;  // 0: separator
};

KESTLOADLIB_API const MenuTemplate& MainMenuTemplate();
KESTLOADLIB_API const ToolbarTemplate& MainToolbarTemplate();

}  // namespace kest
