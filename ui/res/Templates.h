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
    IDD_FILE_PROP = 13021,
    IDD_INER_CALC = 13027,
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
    IDC_LB_MECH = 13030,
    IDC_IN_TABLE = 13034,
    IDC_TOOL_CALC = 13035,
    IDC_LOAD_CALC = 13036,
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
