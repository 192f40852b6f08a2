// The numbered texts of the program (Korean and English), used exactly as
// written.
#pragma once

#include <QString>
#include <vector>

#include "KestLoadLibExport.h"
#include "Language.h"

namespace kest {

enum StringId : int {
    IDS_LANGUAGE = 50,
    IDS_NEED_FURTHER_ANALYSIS = 13006,
    IDS_NOT_SUPPORTED = 13007,
    IDS_FILE_CREATED = 13011,
    IDS_OPEN_PROJECT_FAILED = 13101,
    IDS_OPEN_FILE_FAILED = 13105,
    IDS_OK = 13500,
    IDS_HIGH_LOAD = 13501,
    IDS_OVERLOAD = 13502,
    IDS_HYPER_OVERLOAD = 13503,
    IDS_STATICALLY = 13504,
    IDS_DYNAMICALLY = 13505,
    IDS_NOTICE = 14001,
    IDS_ADD_ROBOT = 14002,
    IDS_SAVE_CHANGES = 16007,
    IDS_APPL_SPOT = 33001,
    IDS_APPL_ARC = 33002,
    IDS_APPL_HANDLING = 33003,
    IDS_APPL_SEALING = 33004,
    IDS_APPL_DEBURRING = 33005,
    IDS_PASS = 33101,
    IDS_FAIL = 33102,
    IDS_REPORT = 33105,
    IDS_COMPANY = 33106,
    IDS_PROJECT = 33107,
    IDS_APPLICATION = 33108,
    IDS_ENGINEER = 33110,
    IDS_COMMENT = 33111,
    IDS_MASS = 33112,
    IDS_RESULT = 33113,
    IDS_TOOL_PARAMETERS = 33115,
    IDS_ADDLOAD_PARAMETERS = 33116,
    IDS_ADDLOAD = 33117,
    IDS_GENERAL_INFO = 33118,
    IDS_COORD_SYSTEM = 33119,
    IDS_LINE = 33120,
    IDS_ROBOT_NUM = 33121,
    IDS_LOAD_TABLE = 33122,
    IDS_REST_OMITTED = 33123,
    IDS_DETAIL_MASS = 33124,
    IDS_DETAIL_MOMENT = 33125,
    IDS_DETAIL_INERTIA = 33126,
    IDS_ADDED_EQUIPMENT = 34001,
    IDS_OUTPUT_ORIGIN = 34002,
    IDS_ROBOT_MOUNT = 34003,
    IDS_TOOL_MOUNT = 34004,
    // Texts of our own, beyond the numbers of earlier releases.
    IDS_NO_MECH_DATA = 40001,
    IDS_NOT_IN_MECH_DATA = 40002,
    IDS_NOT_REGULAR_FILE = 40003,
    IDS_FILE_TOO_LARGE = 40004,
    IDS_NOT_XML = 40005,
    IDS_NO_ELEMENT = 40006,
    IDS_NOT_FINITE = 40007,
    IDS_SAVE_FAILED = 40008,
    IDS_ENCRYPT_FAILED = 40009,
    IDS_GOVERNING = 40010,
    IDS_INERTIA_NOT_CHECKED = 40011,
    IDS_LANGUAGE_LATER = 40012,
    IDS_CLICK_TO_ENLARGE = 40013,
    IDS_PRINT_FAILED = 40101,
    IDS_PRINTER_NOT_FOUND = 40102,
    IDS_PRINTER_REJECTED = 40103,
    IDS_LOAD_NEGATIVE = 41300,
    IDS_NEGATIVE_ENTRY = 41301,
    IDS_NOT_A_LOAD = 41302,
    IDS_NUMBER_READ_AS = 41303,
    IDS_NUMBERS_READ_IN_PART = 41304,
    IDS_PDF_NOT_MADE = 40104,
    IDS_PRINT_DOC_NAME = 40105,
};

// The text with this number in the current language, or empty text for an
// unknown number.
KESTLOADLIB_API QString LoadKestString(int id);
// The text with this number in `lang`.
KESTLOADLIB_API QString LoadKestString(int id, Lang lang);
// Every number of the table, in ascending order.
KESTLOADLIB_API std::vector<int> KestStringIds();

}  // namespace kest
