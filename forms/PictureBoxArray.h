#pragma once
// A control array of picture boxes: elements made at run time take element
// 0's place, size and look, and start hidden.
#include <map>
#include <memory>

#include "forms/PictureBox.h"

namespace forms {

class PictureBoxArray : public IndexedMouseHandlers {
 public:
  PictureBoxArray(Surface& holder, PictureBoxDesign design) : holder_(holder), design_(design) {}

  PictureBox& operator()(int index) const { return *elements_.at(index); }
  bool Exists(int index) const { return elements_.count(index) != 0; }

  PictureBox& Load(int index) {
    PictureBoxDesign design = design_;
    if (!elements_.empty()) {
      const PictureBox& first = *elements_.begin()->second;
      design = {first.Left(), first.Top(), first.Width(), first.Height(), design_.border,
                first.BackColor(), false, design_.scale};
    }
    auto& element = elements_[index];
    element = std::make_unique<PictureBox>(holder_, design);
    ForwardMouse(*element, index, *this);
    return *element;
  }

 private:
  Surface& holder_;
  PictureBoxDesign design_;
  std::map<int, std::unique_ptr<PictureBox>> elements_;
};

}  // namespace forms
