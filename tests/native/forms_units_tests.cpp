#include <gtest/gtest.h>

#include "forms/ProgramFolder.h"
#include "forms/Units.h"

namespace {

TEST(ProgramFolder, NoTrailingSeparatorUnlessADriveRoot) {
  EXPECT_EQ(forms::ProgramFolderOf(L"C:\\Zentei\\Zentei.exe"), L"C:\\Zentei");
  EXPECT_EQ(forms::ProgramFolderOf(L"C:\\Zentei.exe"), L"C:\\");
  EXPECT_EQ(forms::ProgramFolderOf(L"\\\\server\\share\\Zentei.exe"), L"\\\\server\\share");
  EXPECT_EQ(forms::ProgramFolderOf(L"Zentei.exe"), L"");
}

TEST(Units, FontSizesReadBackAsWholePixelHeights) {
  struct Case {
    double points;
    int dpi;
    float reported;
  };
  for (const Case& c : {Case{11.25, 96, 11.25F}, Case{10, 96, 9.75F}, Case{9, 96, 9}, Case{10.5, 96, 10.5F},
                        Case{8.25, 96, 8.25F}, Case{10, 120, 10.2F}}) {
    EXPECT_FLOAT_EQ(forms::RealisedFontSize(c.points, c.dpi), c.reported) << c.points << " at " << c.dpi;
  }
  EXPECT_EQ(forms::TwipsPerPixelFor(96), 15);
  EXPECT_EQ(forms::TwipsPerPixelFor(120), 12);
}

TEST(Units, ColoursAControlTakes) {
  for (std::uint32_t colour : {0x0u, 0x00FFFFFFu, 0x80000000u, 0x80000018u}) {
    EXPECT_TRUE(forms::IsAcceptableColour(colour)) << std::hex << colour;
  }
  for (std::uint32_t colour : {0x01000000u, 0x80000019u, 0xFFFFFFFFu, 0x7FFFFFFFu}) {
    EXPECT_FALSE(forms::IsAcceptableColour(colour)) << std::hex << colour;
  }
}

}  // namespace
