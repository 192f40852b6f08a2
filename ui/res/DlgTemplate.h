// Dialog templates as data: controls with their ids, kinds, positions and sizes
// in dialog units, texts and the styles that matter on Linux. Every text has
// an English twin in the same entry, so both languages share ids and layout.
#pragma once

#include <vector>

#include "KestLoadLibExport.h"
#include "Lang.h"

namespace kest {

enum class CtrlKind {
    GroupBox,
    Static,
    Edit,
    ComboDropDown,  // editable combo box
    ComboDropList,  // combo box with a fixed list
    ListBox,
    PushButton,
    CheckBox,
    RadioButton,
    Tab,
    EtchedLine,
    Icon,
    Frame,
};

enum CtrlStyle : unsigned {
    ST_NONE = 0,
    ST_HIDDEN = 1u << 0,
    ST_READONLY = 1u << 1,
    ST_MULTILINE = 1u << 2,
    ST_SORT = 1u << 3,
    ST_ICON = 1u << 4,  // button showing an icon instead of its text
    ST_CENTER = 1u << 5,
    ST_RIGHT = 1u << 6,
    ST_DEFAULT = 1u << 7,  // default push button
    ST_GROUP = 1u << 8,    // starts a radio-button group
    ST_WANTRETURN = 1u << 9,
    ST_VSCROLL = 1u << 10,
    ST_AUTOHSCROLL = 1u << 11,
    ST_BORDER = 1u << 12,
    ST_DISABLED = 1u << 13,
};

struct CtrlTemplate {
    int id;  // -1 for controls that are never looked up
    CtrlKind kind;
    int x, y, cx, cy;  // dialog units
    const char* text;  // UTF-8
    unsigned style;
    const char* textEn = nullptr;  // English text; null when it equals `text`

    const char* Text(Lang lang) const { return lang == Lang::English && textEn ? textEn : text; }
};

struct DlgTemplate {
    int id;
    const char* caption;  // UTF-8
    int cx, cy;           // dialog units
    const char* face;
    int pointSize;
    std::vector<CtrlTemplate> controls;
    const char* captionEn = nullptr;  // English caption; null when it equals `caption`

    const char* Caption(Lang lang) const { return lang == Lang::English && captionEn ? captionEn : caption; }
};

// The template with this resource id, or null.
KESTLOADLIB_API const DlgTemplate* FindDlgTemplate(int id);

}  // namespace kest
