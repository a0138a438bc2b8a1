#pragma once
// A control array: elements of one kind addressed by index, created at run
// time from element 0 (a new element starts hidden), whose events reach one
// handler together with the element's index.
#include <functional>
#include <map>

#include "forms/Controls.h"
#include "forms/Surface.h"

namespace forms {

template <class Control>
class ControlArray : public IndexedMouseHandlers {
 public:
  explicit ControlArray(Surface& holder) : holder_(holder) {}

  Control& operator()(int index) const { return *elements_.at(index); }
  bool Exists(int index) const { return elements_.count(index) != 0; }
  int Count() const { return static_cast<int>(elements_.size()); }

  // Element `index`, made now. Elements other than the first take the first
  // one's size and start hidden.
  Control& Load(int index) {
    Control& element = holder_.Add<Control>();
    elements_[index] = &element;
    if (index != elements_.begin()->first) {
      const Control& first = *elements_.begin()->second;
      element.Move(first.Left(), first.Top(), first.Width(), first.Height());
      element.SetVisible(false);
    }
    Wire(index, element);
    return element;
  }

  void Unload(int index) {
    auto found = elements_.find(index);
    if (found == elements_.end()) return;
    holder_.Remove(*found->second);
    elements_.erase(found);
  }

  std::function<void(int index)> Click, DblClick;

 private:
  void Wire(int index, Control& element) {
    ForwardMouse(element, index, *this);
    element.Click = [this, index] { if (Click) Click(index); };
    element.DblClick = [this, index] { if (DblClick) DblClick(index); };
  }

  Surface& holder_;
  std::map<int, Control*> elements_;
};

}  // namespace forms
