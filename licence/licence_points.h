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
    std::string Classification;  // the list's text at the last classification update
    std::int16_t PointsBand;     // 0 to 9; 0 is no points band
    std::int16_t Points;
    // Age categories
    std::int16_t Age;
    std::string BcfCategory;
    std::string LvrcCategory;
};

// "Licence Points": the points band of an event from its classification or category, refined
// by the race distance or time, the licence points of a finishing position, and a rider's age
// categories.
class LicencePoints : public CalculatorWindow {
  public:
    static constexpr const char* kName = "frmLicencePoints";

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

    LicencePointsValues& values_;

    MenuEntry mnuWinClear;

    GroupBox Frame1;
    GroupBox Frame2;
    Label Label2;
    ComboBox cboEventClassification;
    GroupBox Frame5;
    Label lblEventDescription;
    OptionButton Option1;
    OptionButton Option2;
    OptionButton Option3;
    OptionButton Option4;
    OptionButton Option5;
    OptionButton Option6;
    OptionButton Option7;
    OptionButton Option8;
    OptionButton Option9;
    GroupBox Frame3;
    OptionButton Option10;
    OptionButton Option11;
    OptionButton Option12;
    GroupBox Frame4;
    Label Label5;
    OptionButton Option13;
    OptionButton Option14;
    OptionButton Option15;
    Label Label1;
    TextField txtDistance;
    Label Label6;
    TextField txtPointsBand;
    Label Label3;
    TextField txtPosition;
    Label Label4;
    TextField txtPoints;
    Button cmdClearLicence;

    GroupBox Frame6;
    Label Label7;
    TextField txtEventDate;
    Label Label8;
    TextField txtDob;
    Label Label9;
    TextField txtAgeCategory;
    Label Label10;
    TextField txtLVRCCategory;
    CheckBox chkLady;
    Label Label11;

    // Option1 to Option15, matching EventOptions() one for one.
    std::array<OptionButton*, 15> options_;
};

}  // namespace velomark::licence
