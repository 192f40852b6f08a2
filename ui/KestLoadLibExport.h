// Symbols of libKestLoadLib.so that the host program and the tests use.
#pragma once

#define KESTLOADLIB_API __attribute__((visibility("default")))
