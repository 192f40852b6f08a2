// Visibility of the engine library's four exports; everything else is hidden.
#pragma once

#define TARN_EXPORT extern "C" __attribute__((visibility("default")))
