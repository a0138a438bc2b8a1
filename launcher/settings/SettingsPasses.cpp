// The two reading passes over Zentei.ini, the check of the registered
// entries and the error log, as the main window runs them at start-up.
#include <windows.h>
#include <shellapi.h>

#include <cmath>

#include "common/AnsiText.h"
#include "common/DivPathFiles.h"
#include "forms/Application.h"
#include "forms/Units.h"
#include "launcher/LauncherState.h"
#include "launcher/dialogs/FrmLoad.h"
#include "launcher/settings/ColourText.h"
#include "launcher/settings/ErrorLogLines.h"
#include "launcher/settings/FirstPass.h"
#include "launcher/settings/NumberText.h"
#include "launcher/settings/RecordClassifier.h"
#include "launcher/settings/SettingsFileSearch.h"
#include "launcher/settings/SettingsIo.h"
#include "launcher/settings/SettingsWriter.h"
#include "launcher/settings/ValueChecks.h"
#include "launcher/window/FrmMain.h"
#include "launcher/window/Functions.h"
#include "launcher/window/ScreenPlace.h"

namespace {

// Moves the main window to a place of the 3 x 3 grid, both rules.
void MoveToPlace(FrmMain& main, int place) {
  const ScreenPlace::Corner corner =
      ScreenPlace::CornerFor(place, forms::Screen::Width(), forms::Screen::Height(), main.Width(), main.Height());
  main.Move(corner.left, corner.top);
}

const wchar_t kMissingFileTitle[] = L"Zenteiii!!! Version2.30";

}  // namespace

// --- First pass ---------------------------------------------------------------------------
void FrmMain::LoadSettings() { LoadSettingsFromFile(false); }

void FrmMain::LoadSettingsFromFile(bool afterRecovery) {
  Functions::LoadShellIcons();
  std::vector<std::wstring> records;
  if (!SettingsIo::ReadSettingsRecords(Functions::SettingsFilePath(), records)) {
    RecoverMissingSettingsFile(afterRecovery);
    return;
  }
  ApplyFirstPass(records);
  LoadForm().PrepareGauge(records.size());
}

void FrmMain::ApplyFirstPass(const std::vector<std::wstring>& records) {
  int placeRead = -1;
  for (const std::wstring& record : records) ApplyGeometryRecord(record, placeRead);
  const LauncherState& state = Launcher();
  if (placeRead == 4) Move(state.Settings.Left, state.Settings.Top);
}

void FrmMain::RecoverMissingSettingsFile(bool afterRecovery) {
  LauncherState& state = Launcher();
  if (afterRecovery) {
    // The folder takes no file: rather than asking again and again, run with
    // the settings in memory, the window sized as if they had been read.
    ApplyFirstPass(SettingsWriter::BuildSettingsLines(state.Settings, {}, 0));
    LoadForm().PrepareGauge(0);
    return;
  }
  forms::MsgBox(L"設定ファイルが\n" + forms::App::Path() + L"\nに見つかりませんので\n" +
                    L"デフォルトの設定値で起動します。\n\n（自動的に設定ファイルも作成します。）",
                MB_OK | MB_ICONSTOP | MB_SYSTEMMODAL, kMissingFileTitle);
  const std::int16_t slots = state.SlotCount;
  state.SlotCount = 0;
  Functions::SaveSettings();
  state.SlotCount = slots;
  LoadSettingsFromFile(true);
}

void FrmMain::ApplyGeometryRecord(const std::wstring& record, int& placeRead) {
  LauncherState& state = Launcher();
  const double v = FirstPass::GeometryValue(record);
  bool fits = false;
  switch (FirstPass::MatchGeometryKey(record)) {
    case FirstPass::GeometryKey::Left: {
      const std::int16_t value = NumberText::ToInt16(v, fits);
      if (fits) state.Settings.Left = value;
      break;
    }
    case FirstPass::GeometryKey::Top: {
      const std::int16_t value = NumberText::ToInt16(v, fits);
      if (fits) state.Settings.Top = value;
      break;
    }
    case FirstPass::GeometryKey::Place: {
      const FirstPass::PlaceReading reading = FirstPass::ReadPlace(v);
      if (!reading.applies) break;
      state.Settings.Place = reading.place;
      placeRead = reading.freePosition ? 4 : static_cast<int>(NumberText::RoundHalfEven(v));
      if (reading.movesToPlace) MoveToPlace(*this, reading.place);
      break;
    }
    case FirstPass::GeometryKey::Buttons:
      state.Settings.Buttons = FirstPass::ReadButtons(v, state.Settings.Buttons);
      SizeBarForButtons();
      break;
    case FirstPass::GeometryKey::FontSize:
      SizeForTitleFont(v);
      break;
    case FirstPass::GeometryKey::WindowStyle:
      state.Settings.WindowStyle = FirstPass::ReadWindowStyle(v);
      break;
    case FirstPass::GeometryKey::Other:
      break;
  }
}

void FrmMain::SizeBarForButtons() {
  const LauncherState& state = Launcher();
  RECT outer = {};
  GetWindowRect(hWnd(), &outer);
  const int frame = (outer.right - outer.left) - InnerWidthPixels();
  const int buttons = state.Settings.Buttons;
  SetWidth(static_cast<float>(state.TwipsPerPixelX * (frame + buttons * 32 + 17)));
  for (int i = 0; i <= 3 && ImgSys.Exists(i); ++i) {
    ImgSys(i).Move(static_cast<float>(buttons * 32 + 1), i < 2 ? 0.0F : 16.0F);
  }
  lblTitle.SetWidth(static_cast<float>(buttons * 32 + 17));
}

void FrmMain::SizeForTitleFont(double points) {
  const LauncherState& state = Launcher();
  lblTitle.SetHeight(static_cast<float>(points * forms::Screen::Dpi() / 72.0 + 4));
  const float frame = Height() - static_cast<float>(state.TwipsPerPixelY * InnerHeightPixels());
  SetHeight((lblTitle.Height() + 34) * state.TwipsPerPixelY + frame);
}

// --- Second pass ------------------------------------------------------------------------
void FrmMain::ReadAllSettings() {
  LogHeaderWritten = false;
  std::vector<std::wstring> records;
  SettingsIo::ReadSettingsRecords(Functions::SettingsFilePath(), records);
  for (const std::wstring& record : records) {
    forms::DoEvents();
    LoadForm().StepLoadGauge();
    ApplySecondPassRecord(record);
  }
  SettingsModel::LauncherSettings& settings = Launcher().Settings;
  settings.Sounds = ValueChecks::SoundsAfterPass(settings.Sounds, settings.SoundName);
}

void FrmMain::ApplySecondPassRecord(const std::wstring& record) {
  using RecordClassifier::RecordKind;
  LauncherState& state = Launcher();
  SettingsModel::LauncherSettings& settings = state.Settings;
  const RecordClassifier::ClassifiedRecord classified = RecordClassifier::ClassifyRecord(record);
  const double n = classified.number;
  bool report = false;
  switch (classified.kind) {
    case RecordKind::NoEquals:
    case RecordKind::UnknownKey:
      report = true;
      break;
    case RecordKind::Arguments: case RecordKind::WinState: case RecordKind::Sounds: case RecordKind::Place:
    case RecordKind::TopMost: case RecordKind::Left: case RecordKind::Top: case RecordKind::FontBold:
    case RecordKind::FontItalic: {
      const ValueChecks::FieldUpdate update = ValueChecks::CheckField(classified.kind, n);
      report = update.report;
      if (!update.assign) break;
      switch (classified.kind) {
        case RecordKind::Arguments: settings.Arguments = update.value; break;
        case RecordKind::WinState: settings.WinState = update.value; break;
        case RecordKind::Sounds: settings.Sounds = update.value; break;
        case RecordKind::Place:
          settings.Place = update.value;
          if (!report && update.value != 4) MoveToPlace(*this, update.value);
          break;
        case RecordKind::TopMost: settings.TopMost = update.value; break;
        case RecordKind::Left: settings.Left = update.value; break;
        case RecordKind::Top: settings.Top = update.value; break;
        case RecordKind::FontBold:
          settings.FontBold = update.value;
          if (!report) lblTitle.SetFontBold(update.value != 0);
          break;
        default:
          settings.FontItalic = update.value;
          if (!report) lblTitle.SetFontItalic(update.value != 0);
          break;
      }
      break;
    }
    case RecordKind::SoundName: {
      const std::wstring name = ValueChecks::SoundNameCandidate(classified.text);
      if (!name.empty() && !SettingsIo::FileSearchFinds(name, false, false)) {
        report = true;
        settings.SoundName.clear();
      } else {
        settings.SoundName = name;
      }
      break;
    }
    case RecordKind::ForeColor:
    case RecordKind::BackColor: {
      const bool fore = classified.kind == RecordKind::ForeColor;
      std::uint32_t colour = 0;
      const bool taken = ColourText::ParseColour(classified.text, colour) &&
                         (fore ? lblTitle.SetForeColor(colour) : lblTitle.SetBackColor(colour));
      if (!taken) {
        report = true;
        if (fore) lblTitle.SetForeColor(settings.ForeColor); else lblTitle.SetBackColor(settings.BackColor);
      } else if (fore) {
        settings.ForeColor = lblTitle.ForeColor();
      } else {
        settings.BackColor = lblTitle.BackColor();
      }
      break;
    }
    case RecordKind::Buttons: {
      const float limit = ValueChecks::ButtonsLimit(forms::Screen::Width(), state.TwipsPerPixelX);
      const ValueChecks::FieldUpdate update = ValueChecks::CheckButtons(n, limit);
      report = update.report;
      if (update.assign) settings.Buttons = update.value;
      break;
    }
    case RecordKind::FontName: {
      const std::wstring name = ValueChecks::FontNameCandidate(classified.text);
      if (lblTitle.SetFontName(name)) {
        settings.FontName = lblTitle.FontName();
      } else {
        lblTitle.SetFontName(settings.FontName);
        report = true;
      }
      break;
    }
    case RecordKind::FontSize:
      if (lblTitle.SetFontSize(static_cast<float>(n))) {
        settings.FontSize = lblTitle.FontSize();
      } else {
        lblTitle.SetFontSize(settings.FontSize);
        report = true;
      }
      break;
    case RecordKind::PageStart: {
      const ValueChecks::FieldUpdate update = ValueChecks::CheckPageStart(n, settings.Buttons);
      if (update.assign) settings.PageStart = update.value;
      Functions::ArrangeButtons();
      break;
    }
    case RecordKind::Title:
    case RecordKind::Execute: {
      const ValueChecks::SlotAssignment slot = ValueChecks::CheckSlotRecord(classified);
      report = slot.report;
      if (!report && !slot.value.empty()) ImgBtn(slot.element).Tag = slot.value;
      break;
    }
    case RecordKind::WindowStyleIgnored:
      break;
  }
  if (report) LogSettingsError(record);
}

void FrmMain::LogSettingsError(const std::wstring& record) {
  const std::wstring path = Functions::ErrorLogPath();
  if (!LogHeaderWritten) {
    SYSTEMTIME today;
    GetLocalTime(&today);
    SettingsIo::AppendLogLine(path, ErrorLogLines::DateLine(today.wYear, today.wMonth, today.wDay));
    LogHeaderWritten = true;
  }
  SettingsIo::AppendLogLine(path, ErrorLogLines::ErrorLine(record));
}

// --- Registered entries -------------------------------------------------------------------
void FrmMain::CheckButtonEntries() {
  const std::string programFolder = AnsiText::ToAnsi(forms::App::Path());
  for (int s = 0; s < Launcher().SlotCount; ++s) {
    forms::Image& executeImage = ImgBtn(2 * s);
    const std::wstring path = executeImage.Tag;
    // A folder is what the file search misses and the folder search finds.
    const bool file = SettingsIo::FileSearch(path);
    const bool folder = !file && SettingsIo::FolderSearch(path);
    if (!path.empty() && !file && !folder) executeImage.Tag.clear();
    if (!executeImage.Tag.empty() && !folder) {
      // MAX_PATH characters: a long associated program cannot overrun it.
      char found[MAX_PATH] = {};
      const auto result = reinterpret_cast<INT_PTR>(
          FindExecutableA(AnsiText::ToAnsi(path).c_str(), programFolder.c_str(), found));
      if (result < 32) executeImage.Tag.clear();
    }
    forms::Image& titleImage = ImgBtn(2 * s + 1);
    if (titleImage.Tag.empty() && !executeImage.Tag.empty()) {
      std::wstring folderPart;
      DivPathFiles::SplitPath(executeImage.Tag, folderPart, titleImage.Tag);
    }
  }
}
