#pragma once
// Program-wide services of the forms layer: the screen, the program's folder
// and title, message boxes, pending events and the message loop.
#include <string>

namespace forms {

namespace Screen {
float TwipsPerPixelX();  // 15 at 96 DPI
float TwipsPerPixelY();
float Width();   // twips
float Height();  // twips
int Dpi();
}  // namespace Screen

namespace App {
// The folder of the program, without a trailing "\" unless it is a drive's
// root ("C:\").
std::wstring Path();
// The title message boxes show when they have none of their own.
void SetTitle(const std::wstring& title);
const std::wstring& Title();
}  // namespace App

// A message box with the Windows style numbers (buttons + icon + modality);
// returns the button pressed (IDOK, IDYES...).
int MsgBox(const std::wstring& prompt, unsigned style = 0, const std::wstring& title = L"");

// Handles every message waiting for this thread, then returns.
void DoEvents();

// Runs the message loop until Quit; returns its code.
int RunMessageLoop();
void Quit(int code = 0);

}  // namespace forms
