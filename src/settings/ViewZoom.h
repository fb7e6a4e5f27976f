#pragma once

#include <QString>

// The zoom a form view opens with, in tenths of real size, from the screen
// and the stored values of the view's section. The view supplies the screen
// values; everything else is here so it can be worked out without a window.
namespace ViewZoom {

struct Screen {
    int desktopHeight = 0;        // pixels
    bool windows8OrLater = true;  // system version 6.2 or later; always so off Windows
    int logicalDpiX = 0;          // 0 when no screen is available: counts as 96
};

// The running system's answer for Screen::windows8OrLater.
bool runningOnWindows8OrLater();

// 22 below 490 pixels, 18 below 610, 16 below 770, else 14; 3 less on
// version 6.2 or later.
int defaultZoomFactor(int desktopHeight, bool windows8OrLater);
// 100 * dpi / 96, rounded; 100 without a dpi.
int screenScale(int logicalDpiX);

// Reads "ZoomFactor" of the view section (with the screen default) and
// "Settings"/"WinFormScaledFactorOv" (with the screen scale), writes
// "ZoomFactorLU" and "WinFormScaledFactor", and returns
// WinFormScaledFactorOv * ZoomFactor / 100. A stored factor that is not
// positive counts as missing, and the result is at least 1: a zoom of 0
// would collapse the form to nothing.
int loadZoom(const QString& viewSection, const Screen& screen);

} // namespace ViewZoom
