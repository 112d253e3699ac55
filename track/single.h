#pragma once

#include <optional>

namespace velomark {

// A result worked out in Double and kept as a Single, or nothing when it is not a number or
// too large for a Single: such a value would show as inf on screen.
std::optional<float> ToSingle(double value);

}  // namespace velomark
