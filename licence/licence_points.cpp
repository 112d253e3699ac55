#include "licence/licence_points.h"

namespace velomark {

namespace {
FrameNames Frame() {
    FrameNames names;

    return names;
}
}  // namespace

LicencePoints::LicencePoints(Application& app, LicencePointsValues& values)
    : CalculatorWindow(app, kName, "Licence Points", Frame()),
      values_(values),
      mnuWinClear(*this, "mnuWinClear", "C&lear") {}

}  // namespace velomark
