// The four loads of a project in the window's page order: tool, V, H, S.
#pragma once

#include "KestLoadLibExport.h"
#include "PrmLoadSub.h"

struct KESTLOADLIB_API CProjectLoads {
    CPrmLoadSub tool, v, h, s;
};
