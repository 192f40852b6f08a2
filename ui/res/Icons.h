// The program's icons, drawn in code so that they scale cleanly.
#pragma once

#include <QIcon>
#include <QImage>

#include "KestLoadLibExport.h"

namespace kest {

enum class IconId {
    App,         // application icon (resource 128)
    Document,    // .kestload document icon
    Plus,        // IDI_PLUS
    Minus,       // IDI_MINUS
    MoveUp,      // IDI_MOVE_UP
    MoveDown,    // IDI_MOVE_DN
    MoveDown2,   // IDI_MOVE_DN2
    Calc,        // IDI_CALC
    ToolCrdSys,  // IDI_TC_CRDSYS
    FileNew,     // toolbar images
    FileOpen,
    FileSave,
    FilePrint,
    CrdSys,
};

// The icon drawn at `size` x `size` pixels.
KESTLOADLIB_API QImage DrawKestIcon(IconId id, int size);
// The icon with the usual sizes (16 to 256 pixels).
KESTLOADLIB_API QIcon KestIcon(IconId id);

}  // namespace kest
