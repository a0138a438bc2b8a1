#pragma once
#include "lnkmake/ShortcutRequest.h"

// The library's only export.

extern "C" __declspec(dllexport) void __stdcall FileLink(const ShortcutRequest* request);
