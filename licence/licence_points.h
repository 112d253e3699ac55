// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "licence/classifications.h"
#include "licence/event_options.h"
#include "shell/calculator_window.h"

namespace velomark::licence {

// Working values of the window, kept for the whole run.
struct LicencePointsValues {
    // Points
    std::string classification;  // the list's text at the last classification update
    std::int16_t pointsBand;     // 0 to 9; 0 is no points band
    std::int16_t points;
    // Age categories
    std::int16_t age;
    std::string bcfCategory;
    std::string lvrcCategory;
};

// "Licence Points": the points band of an event from its classification or category, refined
// by the race distance or time, the licence points of a finishing position, and a rider's age
// categories.
class LicencePoints : public CalculatorWindow {
  public:
    static constexpr const char* kName = windows::kLicencePoints;

    LicencePoints(Application& app, LicencePointsValues& values);

  private:
    // Points band and points
    void cboEventClassification_Update();
    void Option_Click(const EventOption& option);
    void UpdateClassification();
    void PrepareDistanceEntry(DistanceEntry entry);
    const EventOption* SelectedOption() const;
    void RefineBandByDistance();
    void ShowBand();
    void txtPosition_Change();
    void UpdatePoints();
    void EnablePosition();
    void PointsForPosition();
    void TurnOffOptions(OptionGroup group);
    void ClearLicence();

    // Age categories
    void txtEventDate_LostFocus();
    void txtDob_LostFocus();
    void AgeCategories();

    OptionButton& optionButton(std::size_t index) { return *options_[index]; }

    // An option button named, captioned and grouped as its row of EventOptions().
    struct EventOptionButton : OptionButton {
        EventOptionButton(Form& form, std::size_t row);
    };

    static constexpr const char* kDistanceCaption = "Distance (km)";
    static constexpr const char* kTimeCaption = "Time (mins)";
    static constexpr const char* kYouthNote = "Only the youth events listed below earn points.";

    LicencePointsValues& values_;

    MenuEntry mnuWinClear{*this, "mnuWinClear", "C&lear"};

    GroupBox Frame1{*this, "Frame1", ""};
    GroupBox Frame2{*this, "Frame2", "Road Options"};
    Label Label2{*this, "Label2", "Event Category"};
    ComboBox cboEventClassification{*this, "cboEventClassification"};
    GroupBox Frame5{*this, "Frame5", "Event Description"};
    Label lblEventDescription{*this, "lblEventDescription"};
    EventOptionButton Option1{*this, 0};
    EventOptionButton Option2{*this, 1};
    EventOptionButton Option3{*this, 2};
    EventOptionButton Option4{*this, 3};
    EventOptionButton Option5{*this, 4};
    EventOptionButton Option6{*this, 5};
    EventOptionButton Option7{*this, 6};
    EventOptionButton Option8{*this, 7};
    EventOptionButton Option9{*this, 8};
    GroupBox Frame3{*this, "Frame3", "Track Options"};
    EventOptionButton Option10{*this, 9};
    EventOptionButton Option11{*this, 10};
    EventOptionButton Option12{*this, 11};
    GroupBox Frame4{*this, "Frame4", "Youth Options"};
    Label Label5{*this, "Label5", kYouthNote};
    EventOptionButton Option13{*this, 12};
    EventOptionButton Option14{*this, 13};
    EventOptionButton Option15{*this, 14};
    Label Label1{*this, "Label1", kDistanceCaption};
    TextField txtDistance{*this, "txtDistance"};
    Label Label6{*this, "Label6", "Points Band = "};
    TextField txtPointsBand{*this, "txtPointsBand"};
    Label Label3{*this, "Label3", "Position"};
    TextField txtPosition{*this, "txtPosition"};
    Label Label4{*this, "Label4", "= points"};
    TextField txtPoints{*this, "txtPoints"};
    Button cmdClearLicence{*this, "cmdClearLicence", "&Clear"};

    GroupBox Frame6{*this, "Frame6", "Age Categories"};
    Label Label7{*this, "Label7", "Event Date (dd/mm/yyyy)"};
    TextField txtEventDate{*this, "txtEventDate"};
    Label Label8{*this, "Label8", "Date of Birth (dd/mm/yyyy)"};
    TextField txtDob{*this, "txtDob"};
    Label Label9{*this, "Label9", "BCF Age - Category"};
    TextField txtAgeCategory{*this, "txtAgeCategory"};
    Label Label10{*this, "Label10", "CTT/LVRC Age - Category"};
    TextField txtLVRCCategory{*this, "txtLVRCCategory"};
    CheckBox chkLady{*this, "chkLady", "Check1"};
    Label Label11{*this, "Label11", "Lady"};

    // Option1 to Option15, matching EventOptions() one for one.
    std::array<OptionButton*, 15> options_{&Option1,  &Option2,  &Option3,  &Option4,  &Option5,
                                           &Option6,  &Option7,  &Option8,  &Option9,  &Option10,
                                           &Option11, &Option12, &Option13, &Option14, &Option15};
};

}  // namespace velomark::licence
