#include "launcher/settings/SettingsIo.h"

#include <windows.h>

#include "common/AnsiText.h"
#include "launcher/settings/FileHandles.h"
#include "launcher/settings/Records.h"

namespace SettingsIo {
namespace {

// WriteFile takes at most a DWORD per call; a settings file never comes
// near that, but the loop keeps the size type honest on 64-bit builds.
bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t left = bytes.size() - done;
    const DWORD chunk = left > 0x10000000u ? 0x10000000u : static_cast<DWORD>(left);
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

bool ReadAll(HANDLE file, std::string& bytes) {
  char chunk[4096];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, chunk, sizeof chunk, &read, nullptr)) return false;
    if (read == 0) return true;
    bytes.append(chunk, read);
  }
}

std::string AnsiLines(const std::vector<std::wstring>& lines) {
  std::string bytes;
  for (const std::wstring& line : lines) bytes += AnsiText::ToAnsi(line) + "\r\n";
  return bytes;
}

// Writes the complete new copy; true only when every byte is on disk and the
// handle is closed, so the copy may replace the old file.
bool WriteNewCopy(const std::wstring& newPath, const std::string& bytes) {
  FileHandle file(CreateFileW(newPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!IsOpen(file)) return false;
  if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) return false;
  return CloseHandle(file.release()) != FALSE;
}

// Windows refuses to replace a read-only file but Wine replaces it anyway;
// asking first gives the same answer on both, before anything is written.
bool IsReadOnly(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace

std::wstring SettingsPath(const std::wstring& programFolder, const std::wstring& fileName) {
  if (!programFolder.empty() && programFolder.back() == L'\\') return programFolder + fileName;
  return programFolder + L"\\" + fileName;
}

bool ReadSettingsRecords(const std::wstring& path, std::vector<std::wstring>& records) {
  records.clear();
  // A folder cannot be opened without FILE_FLAG_BACKUP_SEMANTICS, so it
  // fails here like a missing file.
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!IsOpen(file)) return false;
  std::string bytes;
  if (!ReadAll(file.get(), bytes)) return false;
  records = Records::SplitRecords(AnsiText::FromAnsi(bytes));
  return true;
}

bool WriteSettingsLines(const std::wstring& path, const std::vector<std::wstring>& lines) {
  // A fixed name rather than a unique one: a copy left by a killed process
  // is simply overwritten by the next save instead of piling up.
  if (IsReadOnly(path)) return false;
  const std::wstring newPath = path + L".new";
  if (WriteNewCopy(newPath, AnsiLines(lines)) &&
      MoveFileExW(newPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(newPath.c_str());
  return false;
}

void AppendLogLine(const std::wstring& path, const std::wstring& line) {
  FileHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!IsOpen(file)) return;
  WriteAll(file.get(), AnsiText::ToAnsi(line) + "\r\n");
}

}  // namespace SettingsIo
