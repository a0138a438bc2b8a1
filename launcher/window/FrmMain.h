#pragma once
// The main window: the bar of slot buttons with its page buttons and title
// label. Its load step is the launcher's whole start-up, its unload step the
// shutdown.
#include <string>
#include <vector>

#include "forms/ControlArray.h"
#include "forms/Form.h"
#include "forms/PictureBox.h"
#include "forms/PictureBoxArray.h"
#include "forms/Timer.h"

class FrmMain : public forms::Form {
 public:
  FrmMain();

  // Controls, by their design names.
  forms::ControlArray<forms::Image> ImgBtn;   // two per slot: 2s normal face (tag Execute), 2s+1 pressed (tag Title)
  forms::ControlArray<forms::Image> ImgDest;  // blank faces: 0 normal, 1 pressed
  forms::PictureBoxArray ImgSys;              // page buttons: 0/1 left, 2/3 right
  forms::PictureBoxArray PicIcon;             // the two notification-area pictures
  forms::PictureBox PicTmp;                   // scratch for drawing faces
  forms::Label& lblTitle;
  forms::Line& Line1;
  forms::Timer Timer1;

  bool LoadFinished = false;
  bool LogHeaderWritten = false;
  bool ResizeBusy = false;

  // Settings passes and the error log (the settings file's reader side).
  void LoadSettings();
  void ReadAllSettings();
  void CheckButtonEntries();
  void LogSettingsError(const std::wstring& record);

  // Start-up drawing.
  void DrawBlankFaces(int face);
  void DrawPageButtons(int face);

  std::wstring SlotExecute(int slot) const { return ImgBtn(2 * slot).Tag; }
  std::wstring SlotTitle(int slot) const { return ImgBtn(2 * slot + 1).Tag; }

 protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;

 private:
  void LoadSettingsFromFile(bool afterRecovery);
  void RecoverMissingSettingsFile(bool afterRecovery);
  void ApplyFirstPass(const std::vector<std::wstring>& records);
  void ApplyGeometryRecord(const std::wstring& record, int& placeRead);
  void SizeBarForButtons();
  void SizeForTitleFont(double points);
  void ApplySecondPassRecord(const std::wstring& record);
  void Timer1_Timer();
};

FrmMain& MainForm();
