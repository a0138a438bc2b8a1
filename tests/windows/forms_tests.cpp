// The forms layer on a real desktop: scale, lightweight controls with
// hit-testing, capture and z-order, labels that refuse values, picture boxes
// with persistent images, unload steps, timers and message boxes.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "forms/Application.h"
#include "forms/ControlArray.h"
#include "forms/Form.h"
#include "forms/PictureBox.h"
#include "forms/Timer.h"
#include "tests/driver/Driver.h"

namespace {

// Handles this thread's messages until condition holds (or the timeout).
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000) {
  return driver::WaitUntil(
      [&] {
        forms::DoEvents();
        return condition();
      },
      timeoutMs);
}

forms::FormDesign PlainDesign(const wchar_t* className) {
  forms::FormDesign design;
  design.className = className;
  design.border = forms::BorderStyle::None;
  design.titleBar = false;
  design.left = 150 * 15;
  design.top = 100 * 15;
  design.width = 200 * 15;
  design.height = 120 * 15;
  design.scale = forms::ScaleMode::Pixels;
  design.backColor = 0x00FFFFFF;
  return design;
}

class TestForm : public forms::Form {
 public:
  explicit TestForm(const wchar_t* className) : forms::Form(PlainDesign(className)) {}
  int refuseUnload = 0;
  int loads = 0;

 protected:
  void Form_Load() override { ++loads; }
  void Form_Unload(int& cancel) override { cancel = refuseUnload; }
};

// Screen point of a pixel of the form's inner area.
POINT OnScreen(const forms::Form& form, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(form.hWnd(), &point);
  return point;
}

COLORREF PixelOf(const forms::Form& form, int x, int y) {
  const POINT point = OnScreen(form, x, y);
  return driver::ScreenPixel(point.x, point.y);
}

TEST(Form, PositionsAndSizesAreTwipsOfWholePixels) {
  TestForm form(L"FormsGeometry");
  form.Show();
  const RECT rect = driver::WindowRect(form.hWnd());
  EXPECT_EQ(rect.left, 150);
  EXPECT_EQ(rect.right - rect.left, 200);
  EXPECT_FLOAT_EQ(form.Left(), 2250);
  form.Move(1000.5F, 7.5F / 2, 3000, 1500);  // unrounded twips land on the nearest pixel
  const RECT moved = driver::WindowRect(form.hWnd());
  EXPECT_EQ(moved.left, 67);
  EXPECT_EQ(moved.top, 0);
  EXPECT_EQ(moved.bottom - moved.top, 100);
  EXPECT_FLOAT_EQ(form.Width(), 3000);
  EXPECT_EQ(form.InnerWidthPixels(), 200);
  EXPECT_FLOAT_EQ(form.ScaleWidth(), 200);
}

TEST(Form, LoadRunsOnceAndAnUnloadCanBeRefused) {
  TestForm form(L"FormsUnload");
  form.Load();
  form.Show();
  EXPECT_EQ(form.loads, 1);
  form.refuseUnload = 1;
  SendMessageW(form.hWnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form.Loaded());
  form.refuseUnload = 0;
  SendMessageW(form.hWnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form.Loaded());
  form.Show();  // a reference after unloading loads it again
  EXPECT_EQ(form.loads, 2);
}

// Two overlapping 40 x 40 images: "back" at (10, 10), "front" at (30, 30).
class LightControls : public ::testing::Test {
 protected:
  void SetUp() override {
    back_.Move(10, 10, 40, 40);
    front_.Move(30, 30, 40, 40);
    for (auto* image : {&back_, &front_}) {
      const std::wstring name = image == &back_ ? L"back" : L"front";
      image->MouseDown = [this, name](const forms::MouseEvent& e) { Note(name + L" down", e); };
      image->MouseUp = [this, name](const forms::MouseEvent& e) { Note(name + L" up", e); };
      image->Click = [this, name] { events_.push_back(name + L" click"); };
      image->MouseMove = [this, name](const forms::MouseEvent& e) { moves_.push_back({name, e.x, e.y}); };
    }
    // Separate clicks, never a double click.
    doubleClickTime_ = GetDoubleClickTime();
    SetDoubleClickTime(1);
    form_.Show();
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(form_.hWnd()) != FALSE; }));
  }
  void TearDown() override { SetDoubleClickTime(doubleClickTime_); }
  // Moves the pointer and waits until `control` has seen it at (x, y) of the
  // form, so that a following press happens there.
  void MoveOnto(const std::wstring& control, int x, int y, float controlLeft) {
    const POINT p = OnScreen(form_, x, y);
    driver::MoveMouseTo(p.x, p.y);
    ASSERT_TRUE(PumpUntil([&] {
      return !moves_.empty() && moves_.back().control == control && moves_.back().x == static_cast<float>(x) - controlLeft;
    }));
  }
  void Note(const std::wstring& what, const forms::MouseEvent& e) {
    events_.push_back(what);
    last_ = e;
  }
  // A click at (x, y) of the form, where `control` (left edge controlLeft)
  // is expected to be the one under the pointer.
  void ClickAt(int x, int y, const std::wstring& control, float controlLeft) {
    MoveOnto(control, x, y, controlLeft);
    const POINT p = OnScreen(form_, x, y);
    const std::size_t before = events_.size();
    driver::Click(p.x, p.y);
    ASSERT_TRUE(PumpUntil([&] { return events_.size() >= before + 2; }));  // a click comes with its release
  }

  TestForm form_{L"FormsLight"};
  forms::Image& back_ = form_.Add<forms::Image>();
  forms::Image& front_ = form_.Add<forms::Image>();
  struct Move {
    std::wstring control;
    float x, y;
  };
  std::vector<std::wstring> events_;
  std::vector<Move> moves_;
  forms::MouseEvent last_;
  UINT doubleClickTime_ = 500;
};

TEST_F(LightControls, TheFrontmostVisibleControlTakesTheClick) {
  ClickAt(35, 35, L"front", 30);
  EXPECT_EQ(events_, (std::vector<std::wstring>{L"front down", L"front up", L"front click"}));
  EXPECT_FLOAT_EQ(last_.x, 5);  // relative to the control, in the form's scale
  EXPECT_FLOAT_EQ(last_.y, 5);

  events_.clear();
  back_.ZOrder(0);
  ClickAt(36, 36, L"back", 10);
  EXPECT_EQ(events_.front(), L"back down");

  events_.clear();
  back_.SetVisible(false);
  ClickAt(37, 37, L"front", 30);
  EXPECT_EQ(events_.front(), L"front down");
}

TEST_F(LightControls, APressedControlKeepsTheMouseUntilRelease) {
  MoveOnto(L"back", 15, 15, 10);
  INPUT press = {};
  press.type = INPUT_MOUSE;
  press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &press, sizeof press);
  ASSERT_TRUE(PumpUntil([&] { return !events_.empty(); }));
  MoveOnto(L"back", 190, 110, 10);  // off both controls, still reported to the pressed one
  INPUT release = {};
  release.type = INPUT_MOUSE;
  release.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &release, sizeof release);
  ASSERT_TRUE(PumpUntil([&] { return events_.size() >= 2; }));
  EXPECT_EQ(events_, (std::vector<std::wstring>{L"back down", L"back up"}));  // released off it: no click
  EXPECT_FLOAT_EQ(last_.x, 180);
}

TEST(ControlArray, NewElementsTakeTheFirstOnesSizeAndStartHidden) {
  TestForm form(L"FormsArray");
  forms::ControlArray<forms::Image> images(form);
  images.Load(0).Move(5, 6, 32, 32);
  forms::Image& added = images.Load(7);
  EXPECT_FALSE(added.Visible());
  EXPECT_FLOAT_EQ(added.Width(), 32);
  EXPECT_FLOAT_EQ(added.Left(), 5);
  int clicked = -1;
  images.Click = [&](int index) { clicked = index; };
  added.Click();
  EXPECT_EQ(clicked, 7);
  EXPECT_TRUE(images.Exists(7));
  images.Unload(7);
  EXPECT_FALSE(images.Exists(7));
}

TEST(Label, RefusedValuesLeaveTheOldOnes) {
  TestForm form(L"FormsLabel");
  forms::Label& label = form.Add<forms::Label>();
  ASSERT_TRUE(label.SetForeColor(0x00123456));
  EXPECT_FALSE(label.SetForeColor(0x01000000));
  EXPECT_FALSE(label.SetBackColor(0x80000019));
  EXPECT_TRUE(label.SetBackColor(0x80000005));  // a system colour
  EXPECT_EQ(label.ForeColor(), 0x00123456u);

  ASSERT_TRUE(label.SetFontName(L"ＭＳ ゴシック"));
  EXPECT_FALSE(label.SetFontName(L"No Such Font Anywhere"));
  EXPECT_FALSE(label.SetFontName(L""));
  EXPECT_EQ(label.FontName(), L"ＭＳ ゴシック");

  struct SizeCase {
    float asked;
    bool taken;
    float reported;
  };
  for (const SizeCase& c : {SizeCase{11.25F, true, 11.25F}, SizeCase{10, true, 9.75F}, SizeCase{9, true, 9},
                            SizeCase{0, false, 9}, SizeCase{-3, false, 9}, SizeCase{2161, false, 9}}) {
    EXPECT_EQ(label.SetFontSize(c.asked), c.taken) << c.asked;
    EXPECT_FLOAT_EQ(label.FontSize(), c.reported) << c.asked;
  }
}

TEST(Label, DrawsItsTextInTheJapaneseFont) {
  TestForm form(L"FormsLabelDraw");
  forms::Label& label = form.Add<forms::Label>();
  label.Move(0, 0, 200, 40);
  label.SetBackColor(0x00008000);
  label.SetForeColor(0x0000FFFF);
  label.SetFontSize(20);
  label.SetCaption(L"設定");
  form.Show();
  ASSERT_TRUE(PumpUntil([&] { return PixelOf(form, 199, 39) == RGB(0, 128, 0); }));
  bool textDrawn = false;
  for (int x = 0; x < 60 && !textDrawn; ++x) {
    for (int y = 0; y < 40 && !textDrawn; ++y) textDrawn = PixelOf(form, x, y) == RGB(255, 255, 0);
  }
  EXPECT_TRUE(textDrawn);
}

TEST(PictureBox, DrawingPersistsAndSnapshotsCarryIt) {
  TestForm form(L"FormsPicture");
  forms::PictureBoxDesign design;
  design.width = 32;
  design.height = 32;
  design.scale = forms::ScaleMode::Pixels;
  design.backColor = 0x00FFFFFF;
  forms::PictureBox box(form, design);
  forms::Image& copy = form.Add<forms::Image>();
  copy.Move(100, 0, 32, 32);
  form.Show();

  box.Box(2, 2, 5, 5, 0x000000FF, true);   // both corners included
  box.Box(10, 10, 20, 20, 0x00FF0000, false);
  box.Line(0, 30, 8, 30, 0x0000FF00);      // end point left out
  box.DrawIconAt(LoadIconW(nullptr, MAKEINTRESOURCEW(32512)), 40, 40);  // outside: clipped, no harm
  forms::PictureBoxDesign sourceDesign = design;
  sourceDesign.backColor = 0x00FF00FF;
  sourceDesign.visible = false;
  forms::PictureBox source(form, sourceDesign);
  box.PaintPicture(source.Image(), 28, 28);  // a magenta square, clipped at the edge
  copy.SetPicture(box.Image());
  box.Refresh();

  struct Expect {
    int x, y;
    COLORREF colour;
  };
  const Expect expected[] = {{2, 2, RGB(255, 0, 0)},   {5, 5, RGB(255, 0, 0)},    {6, 6, RGB(255, 255, 255)},
                             {10, 15, RGB(0, 0, 255)}, {20, 20, RGB(0, 0, 255)},  {15, 15, RGB(255, 255, 255)},
                             {7, 30, RGB(0, 255, 0)},  {8, 30, RGB(255, 255, 255)},
                             {27, 27, RGB(255, 255, 255)}, {28, 28, RGB(255, 0, 255)}, {31, 31, RGB(255, 0, 255)}};
  for (const Expect& e : expected) {
    EXPECT_TRUE(PumpUntil([&] { return PixelOf(form, e.x, e.y) == e.colour; }, 3000)) << e.x << "," << e.y;
    EXPECT_EQ(PixelOf(form, 100 + e.x, e.y), e.colour) << "snapshot " << e.x << "," << e.y;
  }

  // Covered by another window and uncovered, the drawing is still there.
  TestForm cover(L"FormsCover");
  cover.Show();
  ASSERT_TRUE(PumpUntil([&] { return PixelOf(form, 3, 3) == RGB(255, 255, 255); }));
  cover.Unload();
  EXPECT_TRUE(PumpUntil([&] { return PixelOf(form, 3, 3) == RGB(255, 0, 0); }));
  box.Cls();
  EXPECT_TRUE(PumpUntil([&] { return PixelOf(form, 3, 3) == RGB(255, 255, 255); }));
}

TEST(PictureBox, AUserScaleMapsUnitsOntoItsWidth) {
  TestForm form(L"FormsUserScale");
  forms::PictureBoxDesign design;
  design.width = 100;
  design.height = 20;
  design.scale = forms::ScaleMode::Pixels;
  forms::PictureBox frame(form, design);
  form.Show();
  frame.SetUserScale(250, 20);
  forms::PictureBoxDesign barDesign;
  barDesign.height = 20;
  forms::PictureBox bar(frame, barDesign);
  bar.SetWidth(125);
  EXPECT_FLOAT_EQ(frame.ScaleWidth(), 250);
  EXPECT_EQ(bar.InnerWidthPixels(), 50);
}

TEST(Timer, TicksWhileEnabled) {
  TestForm form(L"FormsTimer");
  int ticks = 0, witnessTicks = 0;
  forms::Timer timer(form, 20, [&] { ++ticks; });
  // An enabled timer of the same interval tells that time has passed.
  forms::Timer witness(form, 20, [&] { ++witnessTicks; }, true);
  form.Load();
  ASSERT_TRUE(PumpUntil([&] { return witnessTicks >= 3; }));
  EXPECT_EQ(ticks, 0);
  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  timer.SetEnabled(false);
  const int stopped = ticks, seen = witnessTicks;
  ASSERT_TRUE(PumpUntil([&] { return witnessTicks >= seen + 3; }));
  EXPECT_EQ(ticks, stopped);
}

TEST(MsgBox, ShowsTheProgramTitleUnlessGivenOne) {
  forms::App::SetTitle(L"Zenteiy！！ Ｖer.2.30");
  std::vector<driver::MessageBoxSeen> seen;
  std::thread answerer([&] {
    for (int i = 0; i < 2; ++i) {
      seen.push_back(driver::WaitForMessageBox(GetCurrentProcessId()));
      driver::AnswerMessageBox(seen.back(), i == 0 ? IDOK : IDNO);
    }
  });
  const int first = forms::MsgBox(L"一行目\n二行目", MB_OK | MB_ICONSTOP | MB_SYSTEMMODAL);
  const int second = forms::MsgBox(L"閉じますか？", MB_YESNO, L"確認");
  answerer.join();
  EXPECT_EQ(first, IDOK);
  EXPECT_EQ(second, IDNO);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].title, L"Zenteiy！！ Ｖer.2.30");
  EXPECT_EQ(seen[0].text, L"一行目\n二行目");
  EXPECT_NE(seen[0].exStyle & WS_EX_TOPMOST, 0) << "system-modal boxes stay on top";
  EXPECT_EQ(seen[1].title, L"確認");
}

TEST(App, PathIsTheProgramsFolder) {
  wchar_t module[MAX_PATH];
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  const std::wstring path = module;
  EXPECT_EQ(forms::App::Path(), path.substr(0, path.rfind(L'\\')));
}

}  // namespace
