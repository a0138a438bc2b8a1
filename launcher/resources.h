// Resource identifiers of Zentei.exe, shared by Zentei.rc and the C++ code.
// Plain numbers only: this file is read by the resource compiler too.
// The pictures themselves are drawn by assets/make-artwork.sh.
#ifndef ZENTEI_LAUNCHER_RESOURCES_H
#define ZENTEI_LAUNCHER_RESOURCES_H

// Icons (32x32; the ones marked * also carry a 16x16 image).
// IDI_ZENTEI has the lowest number, so the shell shows it as the program's icon.
#define IDI_ZENTEI        1  // * program and window icon
#define IDI_TRAY0         2  // * notification-area picture, lamp off (PicIcon 0)
#define IDI_TRAY1         3  // * notification-area picture, lamp on (PicIcon 1)
#define IDI_ICONMODE      4  //   picture of the icon-mode window
#define IDI_ABOUT_BLINK0  5  //   about box blink frame 0 (Image1 0)
#define IDI_ABOUT_BLINK1  6  //   about box blink frame 1 (Image1 1)

// Bitmaps.
#define IDB_SPLASH        101  // 372x217, 24-bit: splash background
#define IDB_GAUGE_FRAME   102  // 336x26, 24-bit: splash progress bar track
#define IDB_GAUGE_FILL    103  // 336x22, 24-bit: splash progress bar fill
#define IDB_ABOUT_SCROLL  104  // 352x330, 8-bit palette: about box scrolling picture

#endif
