// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velomark {

// A control's background colour as red, green and blue from 0 to 255.
struct Colour {
    int red = 255;
    int green = 255;
    int blue = 255;
    friend bool operator==(const Colour&, const Colour&) = default;
};

namespace colours {
inline constexpr Colour kDefault{255, 255, 255};   // what a result field shows
inline constexpr Colour kInput{192, 255, 255};     // light cyan: a field the person types into
inline constexpr Colour kLightRed{255, 192, 192};  // licence window: an entry still needed
}  // namespace colours

}  // namespace velomark
