// SPDX-License-Identifier: GPL-3.0-or-later
// The profiles the windows' fuzz targets lend to programs that drive several windows.

#include <vector>

#include "fuzz/window_fuzzer.h"

namespace velomark::fuzz {

namespace {

std::vector<WindowProfile>& Gathered() {
    static std::vector<WindowProfile> profiles;
    return profiles;
}

}  // namespace

bool AddWindowProfile(const WindowProfile& profile) {
    Gathered().push_back(profile);
    return true;
}

const WindowProfile* FindWindowProfile(std::string_view window) {
    for (const WindowProfile& profile : Gathered()) {
        if (window == profile.window) return &profile;
    }
    return nullptr;
}

}  // namespace velomark::fuzz
