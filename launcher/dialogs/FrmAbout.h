#pragma once
// The about box. It is loaded once at start-up, carries the popup menus, and
// is never unloaded while the launcher runs: closing it only hides it.
#include "forms/Form.h"

class FrmAbout : public forms::Form {
 public:
  FrmAbout();

 protected:
  void Form_Unload(int& cancel) override;
};

FrmAbout& AboutForm();
