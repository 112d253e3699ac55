#include "track/track.h"

namespace velomark {

namespace {
FrameNames Frame() {
    FrameNames names;
    names.windowMenu = "mnuWin";
    names.exitCaption = "E&xit Program";
    return names;
}
}  // namespace

Track::Track(Application& app, TrackValues& values)
    : CalculatorWindow(app, kName, "Track Stats", Frame()),
      values_(values),
      mnuWinClear(*this, "mnuWinClear", "Clear") {}

}  // namespace velomark
