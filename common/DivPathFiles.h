#pragma once
// Splitting a full path into its folder and its file name.
#include <string>

namespace DivPathFiles {

// folder receives everything up to and including the last '\' of path (or
// nothing when there is none), fileName the rest. Only '\' separates; drive
// letters, quotes and '/' have no special meaning.
void SplitPath(const std::wstring& path, std::wstring& folder, std::wstring& fileName);

}  // namespace DivPathFiles
