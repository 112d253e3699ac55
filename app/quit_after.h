#pragma once

namespace velomark::gui {
class FrontEnd;
}

namespace velomark {

// The environment variable that makes the program go straight to one point of its start-up and
// quit as soon as that point is on screen, for timing the start-up (bench/startup). Values:
//   frmSplash      quit once the splash is shown
//   frmMainMenu    dismiss the splash at once, quit once the main menu is shown
//   <window name>  from the main menu, open that calculator window (frmGearChart,
//                  frmTimeTrials, frmTrack, frmRoad, frmLicencePoints), quit once it is shown
//   all            open the five calculator windows one after another, quit once all are shown
// Each window opened from the menu is reported on standard error with the milliseconds from
// its button's click to its window shown. Without the variable nothing changes.
inline constexpr const char* kQuitAfterVariable = "VELOMARK_QUIT_AFTER";

// Arms the switch when the variable is set; false, with a message, when it names no such point.
bool ArmQuitAfter(gui::FrontEnd& frontEnd);

}  // namespace velomark
