// The blank button faces and the page-button pictures, drawn once at
// start-up on persistent images.
#include "launcher/window/FrmMain.h"

namespace {

constexpr std::uint32_t kHighlight = 0x80000014;  // 3-D highlight
constexpr std::uint32_t kShadow = 0x80000010;     // button shadow
constexpr std::uint32_t kBlack = 0x00000000;
constexpr std::uint32_t kDarkGreen = 0x00008000;

// A one-pixel stroke from (x, y) towards 4 right and 4 down.
void Stroke(forms::PictureBox& box, int x, int y, std::uint32_t colour) {
  box.Line(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + 4), static_cast<float>(y + 4),
           colour);
}

void Segment(forms::PictureBox& box, int x1, int y1, int x2, int y2, std::uint32_t colour) {
  box.Line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2), colour);
}

void Box(forms::PictureBox& box, int x1, int y1, int x2, int y2, std::uint32_t colour, bool filled) {
  box.Box(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2), colour,
          filled);
}

struct Points {
  int x1, y1, x2, y2;
};

void Segments(forms::PictureBox& box, std::initializer_list<Points> lines, int dx, int dy, std::uint32_t colour) {
  for (const Points& p : lines) Segment(box, p.x1 + dx, p.y1 + dy, p.x2 + dx, p.y2 + dy, colour);
}

}  // namespace

void FrmMain::DrawBlankFaces(int i) {
  forms::PictureBox& box = PicTmp;
  box.Cls();
  Box(box, 0, 2 * i, 31, 2 * i + 3, kHighlight, true);
  for (int j = -2; j <= 16; ++j) {
    Stroke(box, 2 * j + i, 2 * i + 4, kHighlight);
    Stroke(box, 2 * j + i + 1, 2 * i + 24, kShadow);
  }
  Box(box, 0, 2 * i + 28, 31, 31, kShadow, true);
  Box(box, i - 1, i - 1, 31, 31, kBlack, false);
  Segment(box, 0, 2 * i - 1, 31, 2 * i - 1, kBlack);
  ImgDest(i).SetPicture(box.Image());
}

void FrmMain::DrawPageButtons(int i) {
  // The arrows of the pressed pictures sit 1 pixel right and 2 lower.
  const int dx = i, dy = 2 * i;
  forms::PictureBox& left = ImgSys(i);
  left.Cls();
  Box(left, 0, 2 * i, 14, 2 * i + 3, kHighlight, true);
  for (int j = -2; j <= 7; ++j) Stroke(left, 2 * j, 2 * i + 4, kHighlight);
  Box(left, i - 1, i - 1, 15, 15, kBlack, false);
  Segment(left, 1, 2 * i - 1, 15, 2 * i - 1, kBlack);
  Segments(left, {{11, 3, 12, 3}, {9, 4, 11, 4}, {7, 5, 9, 5}, {5, 6, 7, 6}, {3, 7, 5, 7}}, dx, dy, kShadow);
  Segments(left, {{5, 8, 7, 8}, {7, 9, 9, 9}, {9, 10, 11, 10}}, dx, dy, kHighlight);
  Segments(left, {{9, 5, 11, 5}, {7, 6, 11, 6}, {5, 7, 11, 7}, {7, 8, 11, 8}, {9, 9, 11, 9}}, dx, dy, kDarkGreen);
  Segments(left, {{11, 4, 11, 12}}, dx, dy, kHighlight);

  forms::PictureBox& right = ImgSys(i + 2);
  right.Cls();
  Box(right, 0, 2 * i + 12, 14, 2 * i + 14, kShadow, true);
  for (int j = -2; j <= 7; ++j) Stroke(right, 2 * j, 2 * i + 8, kShadow);
  Box(right, i - 1, i - 1, 15, 15, kBlack, false);
  Segment(right, 1, 2 * i - 1, 15, 2 * i - 1, kBlack);
  Segments(right, {{3, 3, 4, 3}, {4, 4, 6, 4}, {6, 5, 8, 5}, {7, 6, 10, 6}}, dx, dy, kShadow);
  Segments(right, {{8, 8, 10, 8}, {6, 9, 8, 9}, {4, 10, 5, 10}}, dx, dy, kHighlight);
  Segments(right, {{4, 5, 6, 5}, {4, 6, 8, 6}, {4, 7, 10, 7}, {4, 8, 8, 8}, {4, 9, 6, 9}}, dx, dy, kDarkGreen);
  Segments(right, {{3, 4, 3, 12}}, dx, dy, kShadow);
}
