#include "forms/Controls.h"

#include <cmath>

#include "common/RegistryKey.h"
#include "forms/Application.h"
#include "forms/Gdi.h"
#include "forms/Surface.h"
#include "forms/Units.h"

namespace forms {

COLORREF ToRgb(std::uint32_t colour) {
  if (IsSystemColour(colour)) return GetSysColor(static_cast<int>(colour & 0xFFu));
  return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

namespace {

int CALLBACK NoteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

}  // namespace

bool FontFamilyExists(const std::wstring& name) {
  if (name.empty() || name.size() >= LF_FACESIZE) return false;
  LOGFONTW wanted = {};
  wanted.lfCharSet = DEFAULT_CHARSET;
  name.copy(wanted.lfFaceName, name.size());
  bool found = false;
  WindowDc screen;
  EnumFontFamiliesExW(screen.get(), &wanted, NoteFamily, reinterpret_cast<LPARAM>(&found), 0);
  if (found) return true;
  // A name the system maps to another font (FontSubstitutes) counts too.
  RegistryKey substitutes;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes", 0,
                    KEY_READ, substitutes.put()) != ERROR_SUCCESS) {
    substitutes.release();
    return false;
  }
  return RegQueryValueExW(substitutes.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// --- LightControl ------------------------------------------------------------------------
RECT LightControl::PixelRect() const {
  const double left = holder_.ScaleToPixelsX(left_);
  const double top = holder_.ScaleToPixelsY(top_);
  RECT rect;
  rect.left = static_cast<LONG>(std::lround(left));
  rect.top = static_cast<LONG>(std::lround(top));
  rect.right = static_cast<LONG>(std::lround(left + holder_.ScaleToPixelsX(width_)));
  rect.bottom = static_cast<LONG>(std::lround(top + holder_.ScaleToPixelsY(height_)));
  return rect;
}

void LightControl::Invalidate() const {
  if (!visible_) return;
  RECT rect = PixelRect();
  InflateRect(&rect, 1, 1);
  holder_.Invalidate(&rect);
}

void LightControl::Move(float left, float top) { Move(left, top, width_, height_); }

void LightControl::Move(float left, float top, float width, float height) {
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
}

void LightControl::SetVisible(bool visible) {
  Invalidate();  // the old place, while still shown
  visible_ = visible;
  Invalidate();  // the new look, when shown
}

void LightControl::ZOrder(int position) {
  if (position == 0) {
    holder_.BringToFront(*this);
  } else {
    holder_.SendToBack(*this);
  }
}

// --- Image ----------------------------------------------------------------------------------
void Image::SetPicture(const Picture& picture) {
  picture_ = picture;
  Invalidate();
}

void Image::Paint(HDC dc) const {
  const RECT rect = PixelRect();
  // An image shows its picture at its own corner, clipped to its size.
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  picture_.Draw(dc, rect.left, rect.top);
  RestoreDC(dc, saved);
}

// --- Label ----------------------------------------------------------------------------------
Label::Label(Surface& holder) : LightControl(holder) { RebuildFont(); }

Label::~Label() {
  if (fontHandle_) DeleteObject(fontHandle_);
}

void Label::RebuildFont() {
  HFONT font = CreateFontW(-FontPixelHeight(font_.size, Screen::Dpi()), 0, 0, 0, font_.bold ? FW_BOLD : FW_NORMAL,
                           font_.italic, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font_.name.c_str());
  if (fontHandle_) DeleteObject(fontHandle_);
  fontHandle_ = font;
  Invalidate();
}

void Label::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  Invalidate();
}

bool Label::SetForeColor(std::uint32_t colour) {
  if (!IsAcceptableColour(colour)) return false;
  foreColor_ = colour;
  Invalidate();
  return true;
}

bool Label::SetBackColor(std::uint32_t colour) {
  if (!IsAcceptableColour(colour)) return false;
  backColor_ = colour;
  Invalidate();
  return true;
}

void Label::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

bool Label::SetFontName(const std::wstring& name) {
  if (!FontFamilyExists(name)) return false;
  font_.name = name;
  RebuildFont();
  return true;
}

bool Label::SetFontSize(float points) {
  if (!IsAcceptableFontSize(points)) return false;
  font_.size = RealisedFontSize(points, Screen::Dpi());
  RebuildFont();
  return true;
}

void Label::SetFontBold(bool bold) {
  font_.bold = bold;
  RebuildFont();
}

void Label::SetFontItalic(bool italic) {
  font_.italic = italic;
  RebuildFont();
}

void Label::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void Label::SetBorder(bool fixedSingle) {
  border_ = fixedSingle;
  Invalidate();
}

void Label::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  Invalidate();
}

void Label::Paint(HDC dc) const {
  RECT rect = PixelRect();
  if (!transparent_) {
    Brush back(CreateSolidBrush(ToRgb(backColor_)));
    FillRect(dc, &rect, back.get());
  }
  if (border_) {
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&rect, -1, -1);
  }
  Selection font(dc, fontHandle_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToRgb(foreColor_));
  UINT format = DT_NOPREFIX | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
  if (alignment_ == Alignment::Right) format |= DT_RIGHT;
  if (alignment_ == Alignment::Center) format |= DT_CENTER;
  DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &rect, format);
}

// --- Line -------------------------------------------------------------------------------------
void Line::SetPoints(float x1, float y1, float x2, float y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  Move(std::fmin(x1, x2), std::fmin(y1, y2), std::fabs(x2 - x1) + 1, std::fabs(y2 - y1) + 1);
}

void Line::SetColor(std::uint32_t colour) {
  colour_ = colour;
  Invalidate();
}

void Line::Paint(HDC dc) const {
  Pen pen(CreatePen(PS_SOLID, 1, ToRgb(colour_)));
  Selection selected(dc, pen.get());
  const Surface& holder = Holder();
  MoveToEx(dc, static_cast<int>(std::lround(holder.ScaleToPixelsX(x1_))),
           static_cast<int>(std::lround(holder.ScaleToPixelsY(y1_))), nullptr);
  LineTo(dc, static_cast<int>(std::lround(holder.ScaleToPixelsX(x2_))),
         static_cast<int>(std::lround(holder.ScaleToPixelsY(y2_))));
}

}  // namespace forms
