// LNKMAKE: writes one shell shortcut (.lnk) per call, for Setup.
#include "lnkmake/FileLink.h"

#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "lnkmake/ComPtr.h"

namespace {

// The shell's link object and the two interfaces used on it, spelled out so
// the library depends on nothing but ole32.
const CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

bool HasText(const char* text) { return text != nullptr && text[0] != '\0'; }

// Balances CoInitialize with CoUninitialize on every path, also when the
// thread had COM already (CoInitialize then answers S_FALSE, which still
// counts).
struct ComApartment {
  ComApartment() { CoInitialize(nullptr); }
  ~ComApartment() { CoUninitialize(); }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
};

void SaveLink(IShellLinkA& link, const char* linkPath) {
  ComPtr<IPersistFile> file;
  if (FAILED(link.QueryInterface(kPersistFile, file.put()))) return;
  // A name that does not fit MAX_PATH UTF-16 units with its terminator is
  // refused: MultiByteToWideChar then fails and nothing is saved.
  WCHAR wideName[MAX_PATH];
  if (MultiByteToWideChar(CP_ACP, 0, linkPath, -1, wideName, MAX_PATH) == 0) return;
  file->Save(wideName, TRUE);
}

}  // namespace

extern "C" __declspec(dllexport) void __stdcall FileLink(const ShortcutRequest* request) {
  ComApartment apartment;
  ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkA, link.put()))) {
    return;
  }
  // The setters run in this fixed order and a failing one does not stop the
  // others: the shortcut is saved with whatever could be set.
  link->SetPath(request->TargetPath);
  if (request->Arguments != nullptr) link->SetArguments(request->Arguments);
  if (HasText(request->IconFile)) link->SetIconLocation(request->IconFile, request->IconIndex);
  if (HasText(request->WorkingFolder)) link->SetWorkingDirectory(request->WorkingFolder);
  if (request->LinkPath != nullptr) SaveLink(*link, request->LinkPath);
}
