#pragma once
// The splash window shown during start-up, with its progress bar: Picture1
// is the bar's frame, Picture2 inside it the bar, whose width in Picture1's
// user scale is the progress.
#include "forms/Form.h"
#include "forms/PictureBox.h"

class FrmLoad : public forms::Form {
 public:
  FrmLoad();

  forms::PictureBox Picture3;  // the background picture
  forms::PictureBox Picture1;  // the bar's frame
  forms::PictureBox Picture2;  // the bar
  forms::Label& Label5;
  forms::Label& Label1;
  forms::Label& Label2;
  forms::Label& Label3;

  // Scales the frame to `steps` steps of 10 units and empties the bar.
  void PrepareGauge(std::size_t records);
  // One step of the bar: 10 units.
  void StepLoadGauge();
  // Fills whatever is left of the bar, one unit at a time.
  void FillGauge();
};

FrmLoad& LoadForm();
