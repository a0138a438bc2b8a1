#pragma once
// The record Setup hands to FileLink: six 32-bit fields, 24 bytes, strings in
// the system ANSI code page. The caller owns the record and its strings.
#include <cstddef>
#include <cstdint>

#pragma pack(push, 4)
struct ShortcutRequest {
  const char* LinkPath;       // full path of the .lnk file to write
  const char* TargetPath;     // file the shortcut points to; never null
  const char* Arguments;      // set when not null, even when empty
  const char* WorkingFolder;  // set when not null and not empty
  const char* IconFile;       // set when not null and not empty
  std::int32_t IconIndex;     // used only together with IconFile
};
#pragma pack(pop)

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(ShortcutRequest) == 24, "ShortcutRequest is a 24-byte record");
static_assert(offsetof(ShortcutRequest, IconIndex) == 20, "IconIndex at offset 20");
#endif
