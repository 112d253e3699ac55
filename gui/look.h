// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace velomark::gui {

inline constexpr const char* kDesktopName = "org.velomark.VelomarkLite";
// The program's typeface, on screen and on every page it prints.
inline constexpr const char* kFontFamily = "Arial";

// The program's look on every desktop: one widget style, so the fields' colours show as the
// windows set them, the program's typeface or the nearest sans installed, and the program's icon.
void SetUpLook(QApplication& application);

}  // namespace velomark::gui
