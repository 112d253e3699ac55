// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cstdint>

#include "shell/printed_page.h"

namespace velomark {

namespace {

// The advance of each printable ASCII character, from the space on, in thousandths of the
// font's size: the bold face of the sans-serif family the page printer asks for, which is at
// least as wide as its regular face and as the metric-compatible faces that stand in for it.
constexpr std::array<std::uint16_t, 95> kAdvances = {
    // space ! " # $ % & ' ( ) * + , - . /
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,
    // 0 to 9, then : ; < = > ? @
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611, 975,
    // A to Z
    722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778, 667, 778, 722, 667,
    611, 722, 667, 944, 667, 667, 611,
    // [ backslash ] ^ _ and the grave accent
    333, 278, 333, 584, 556, 333,
    // a to z
    556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611, 611, 611, 389, 556,
    333, 611, 556, 778, 556, 556, 500,
    // { | } ~
    389, 280, 389, 584};
// Any other character (a letter of another alphabet, a sign) may be as wide as the font's size.
constexpr int kWidest = 1000;
// Room for a face that is not quite the one measured.
constexpr double kSafety = 1.15;
constexpr double kMillimetresPerPoint = 25.4 / 72;

}  // namespace

double PrintedWidth(std::string_view text, double points) {
    long thousandths = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= ' ' && byte < ' ' + kAdvances.size()) {
            thousandths += kAdvances[byte - ' '];
        } else if ((byte & 0xC0) != 0x80) {
            // The first byte of a character beyond ASCII; the bytes after it add nothing.
            thousandths += kWidest;
        }
    }
    return thousandths / 1000.0 * points * kMillimetresPerPoint * kSafety;
}

double PrintedLineHeight(double points) {
    return points * kMillimetresPerPoint * kLineSpacing;
}

}  // namespace velomark
