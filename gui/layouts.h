// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class QMainWindow;

namespace velomark::gui {

// A window's layout as drawn in its .ui file, built into the program.
struct Layout {
    const char* window;  // the window's name: the root widget of the .ui
    const char* file;    // where the .ui lives in the source tree, for messages
    void (*build)(QMainWindow* root);
};

// Every layout built into the program.
const std::vector<Layout>& Layouts();

// The layout of the named window, or null when the program has none.
inline const Layout* FindLayout(const std::string& window) {
    for (const Layout& layout : Layouts()) {
        if (window == layout.window) return &layout;
    }
    return nullptr;
}

}  // namespace velomark::gui
