#pragma once
// The small always-on-top form of icon and label mode.
#include "forms/Form.h"
#include "forms/Timer.h"

class FrmIcon : public forms::Form {
 public:
  FrmIcon();

  forms::Label& Label1;
  forms::Timer Timer1;

 protected:
  void Form_Load() override;

 private:
  void PlaceByScreenPlace();
};

FrmIcon& IconForm();
