#include "launcher/dialogs/FrmAbout.h"

#include "launcher/LauncherState.h"
#include "launcher/resources.h"

namespace {

forms::FormDesign AboutDesign() {
  forms::FormDesign design;
  design.className = L"frmAbout";
  design.caption = L"About";
  design.border = forms::BorderStyle::FixedDialog;
  design.showInTaskbar = false;
  design.width = 5640;
  design.height = 2895;
  design.iconResource = IDI_ZENTEI;
  return design;
}

}  // namespace

FrmAbout::FrmAbout() : forms::Form(AboutDesign()) {}

void FrmAbout::Form_Unload(int& cancel) {
  cancel = 1;
  Hide();
  Launcher().DialogOpen = false;
}

FrmAbout& AboutForm() {
  static FrmAbout form;
  return form;
}
