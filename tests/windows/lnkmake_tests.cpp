// LNKMAKE.dll, loaded by name and called by name as Setup does, against the
// shell's own link object.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "lnkmake/ShortcutRequest.h"
#include "tests/driver/Driver.h"

namespace {

using FileLinkFunction = void(__stdcall*)(const ShortcutRequest*);

std::string Ansi(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
  out.resize(static_cast<std::size_t>(size - 1));
  return out;
}

// What the shell reads back from a shortcut file.
struct LinkFields {
  bool loaded = false;
  std::string target, arguments, workingFolder, iconFile;
  int iconIndex = -1;
  DWORD flags = 0;  // LinkFlags of the file header
};

LinkFields ReadLink(const std::wstring& path) {
  LinkFields fields;
  const std::string bytes = driver::ReadFileBytes(path);
  if (bytes.size() >= 0x18) fields.flags = *reinterpret_cast<const DWORD*>(bytes.data() + 0x14);
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link)))) {
    return fields;
  }
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    fields.loaded = SUCCEEDED(file->Load(path.c_str(), STGM_READ));
    file->Release();
  }
  char buffer[MAX_PATH * 2] = {};
  link->GetPath(buffer, sizeof buffer, nullptr, SLGP_RAWPATH);
  fields.target = buffer;
  buffer[0] = 0;
  link->GetArguments(buffer, sizeof buffer);
  fields.arguments = buffer;
  buffer[0] = 0;
  link->GetWorkingDirectory(buffer, sizeof buffer);
  fields.workingFolder = buffer;
  buffer[0] = 0;
  link->GetIconLocation(buffer, sizeof buffer, &fields.iconIndex);
  fields.iconFile = buffer;
  link->Release();
  return fields;
}

constexpr DWORD kHasWorkingDir = 0x10, kHasArguments = 0x20, kHasIconLocation = 0x40;

class FileLinkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    library_ = LoadLibraryA("LNKMAKE");
    ASSERT_NE(library_, nullptr);
    fileLink_ = reinterpret_cast<FileLinkFunction>(
        reinterpret_cast<void*>(GetProcAddress(library_, "FileLink")));
    ASSERT_NE(fileLink_, nullptr);
  }
  static void TearDownTestSuite() { FreeLibrary(library_); }

  void SetUp() override {
    CoInitialize(nullptr);
    folder_ = driver::NewTempFolder();
    target_ = folder_ + L"\\tool.exe";
    driver::WriteFileBytes(target_, "MZ");
  }
  void TearDown() override { CoUninitialize(); }

  static void Call(const ShortcutRequest& request) { fileLink_(&request); }

  static inline HMODULE library_ = nullptr;
  static inline FileLinkFunction fileLink_ = nullptr;
  std::wstring folder_, target_;
};

TEST_F(FileLinkTest, EveryFieldIsWritten) {
  const std::string link = Ansi(folder_ + L"\\Zentei.lnk");
  const std::string target = Ansi(target_), icon = Ansi(folder_ + L"\\icons.dll");
  const std::string working = Ansi(folder_);
  const ShortcutRequest request{link.c_str(), target.c_str(), "/r -x", working.c_str(), icon.c_str(), 3};
  Call(request);

  const LinkFields fields = ReadLink(folder_ + L"\\Zentei.lnk");
  ASSERT_TRUE(fields.loaded);
  EXPECT_EQ(fields.target, target);
  EXPECT_EQ(fields.arguments, "/r -x");
  EXPECT_EQ(fields.workingFolder, working);
  EXPECT_EQ(fields.iconFile, icon);
  EXPECT_EQ(fields.iconIndex, 3);

  // The same request once more, into the artifacts, for lnkinfo on the Linux side.
  const std::string kept = Ansi(driver::ArtifactPath(L"full.lnk"));
  const ShortcutRequest keptRequest{kept.c_str(), target.c_str(), "/r -x", working.c_str(), icon.c_str(), 3};
  Call(keptRequest);
  EXPECT_TRUE(driver::FileExists(driver::ArtifactPath(L"full.lnk")));
  driver::WriteFileBytes(driver::ArtifactPath(L"full.expected"),
                         target + "\n/r -x\n" + working + "\n" + icon + "\n3\n");
}

TEST_F(FileLinkTest, NullFieldsLeaveOnlyTheTarget) {
  const std::string link = Ansi(folder_ + L"\\bare.lnk"), target = Ansi(target_);
  Call({link.c_str(), target.c_str(), nullptr, nullptr, nullptr, 7});

  const LinkFields fields = ReadLink(folder_ + L"\\bare.lnk");
  ASSERT_TRUE(fields.loaded);
  EXPECT_EQ(fields.target, target);
  EXPECT_EQ(fields.arguments, "");
  EXPECT_EQ(fields.workingFolder, "");
  EXPECT_EQ(fields.iconFile, "");
  EXPECT_EQ(fields.flags & (kHasArguments | kHasWorkingDir | kHasIconLocation), 0u);
}

TEST_F(FileLinkTest, EmptyArgumentsAreSetEmptyFolderAndIconCountAsNull) {
  const std::string link = Ansi(folder_ + L"\\empty.lnk"), target = Ansi(target_);
  Call({link.c_str(), target.c_str(), "", "", "", 5});

  const LinkFields fields = ReadLink(folder_ + L"\\empty.lnk");
  ASSERT_TRUE(fields.loaded);
  EXPECT_EQ(fields.arguments, "");
  EXPECT_EQ(fields.iconFile, "");
  EXPECT_EQ(fields.iconIndex, 0) << "the icon index goes only with an icon file";
  EXPECT_EQ(fields.flags & (kHasWorkingDir | kHasIconLocation), 0u);
}

TEST_F(FileLinkTest, AFolderThatDoesNotExistWritesNothing) {
  const std::wstring missing = folder_ + L"\\missing\\x.lnk";
  const std::string link = Ansi(missing), target = Ansi(target_);
  Call({link.c_str(), target.c_str(), "a", nullptr, nullptr, 0});
  EXPECT_FALSE(driver::FileExists(missing));
  EXPECT_FALSE(driver::FileExists(folder_ + L"\\missing"));
}

TEST_F(FileLinkTest, AJapaneseNameIsConvertedFromTheAnsiCodePage) {
  const std::wstring wide = folder_ + L"\\前定ランチャー.lnk";
  const std::string link = Ansi(wide), target = Ansi(target_);
  ASSERT_EQ(GetACP(), 932u);
  Call({link.c_str(), target.c_str(), nullptr, nullptr, nullptr, 0});
  EXPECT_TRUE(driver::FileExists(wide));
  EXPECT_TRUE(ReadLink(wide).loaded);
}

TEST_F(FileLinkTest, TheSameLinkPathTwiceIsOverwritten) {
  const std::string link = Ansi(folder_ + L"\\twice.lnk"), target = Ansi(target_);
  Call({link.c_str(), target.c_str(), "first", nullptr, nullptr, 0});
  Call({link.c_str(), target.c_str(), "second", nullptr, nullptr, 0});
  EXPECT_EQ(ReadLink(folder_ + L"\\twice.lnk").arguments, "second");
}

// A path of exactly `units` UTF-16 units: nested folders (created), then a
// file name of Japanese characters, which take two bytes each in code page
// 932 but one unit each in UTF-16.
std::wstring PathOfLength(std::wstring folder, std::size_t units) {
  while (units - folder.size() > 60) {
    folder += L"\\" + std::wstring(40, L'd');
    CreateDirectoryW(folder.c_str(), nullptr);
  }
  return folder + L"\\" + std::wstring(units - folder.size() - 5, L'ア') + L".lnk";
}

// 259 units is the longest name that fits the conversion buffer with its
// terminator, however many ANSI bytes it has; a longer one is refused whole,
// so no cut or unterminated name ever reaches Save.
TEST_F(FileLinkTest, ANameLongerThan259UnitsIsRefused) {
  const std::string target = Ansi(target_);
  for (std::size_t units : {std::size_t{259}, std::size_t{260}, std::size_t{300}}) {
    SCOPED_TRACE(units);
    const std::wstring name = PathOfLength(folder_, units);
    ASSERT_EQ(name.size(), units);
    const std::string link = Ansi(name);
    ASSERT_GT(link.size(), 259u);
    Call({link.c_str(), target.c_str(), nullptr, nullptr, nullptr, 0});
    EXPECT_EQ(driver::FileExists(name), units <= 259);
    const std::wstring deepest = name.substr(0, name.rfind(L'\\'));
    DeleteFileW(name.c_str());
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((deepest + L"\\*.lnk").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "left behind: " << ::testing::PrintToString(std::wstring(found.cFileName));
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
  }
}

}  // namespace
