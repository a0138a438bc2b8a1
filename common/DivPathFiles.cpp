#include "common/DivPathFiles.h"

namespace DivPathFiles {

void SplitPath(const std::wstring& path, std::wstring& folder, std::wstring& fileName) {
  const std::wstring::size_type lastSeparator = path.rfind(L'\\');
  fileName = lastSeparator == std::wstring::npos ? path : path.substr(lastSeparator + 1);
  // The folder is measured from the end, so a file name that also occurs
  // earlier in the path ("C:\a\a") cannot shift it.
  folder = path.substr(0, path.size() - fileName.size());
}

}  // namespace DivPathFiles
