#include "track/single.h"

#include <cfloat>
#include <cmath>

namespace velomark {

std::optional<float> ToSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX) return std::nullopt;
    return static_cast<float>(value);
}

}  // namespace velomark
