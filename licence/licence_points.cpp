#include "licence/licence_points.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "licence/licence_points_messages.h"
#include "licence/points_scale.h"
#include "shell/field_rules.h"

namespace velomark::licence {

namespace {

constexpr const char* kDistanceCaption = "Distance (km)";
constexpr const char* kTimeCaption = "Time (mins)";
constexpr const char* kYouthNote = "Only the youth events listed below earn points.";

FrameNames Frame() {
    return {};
}

// Option buttons take their names, captions and groups from the option table.
std::string OptionName(std::size_t index) {
    return std::string(EventOptions()[index].name);
}
std::string OptionCaption(std::size_t index) {
    return std::string(EventOptions()[index].caption);
}
std::string OptionGroupOf(std::size_t index) {
    return OptionGroupName(EventOptions()[index].group);
}

}  // namespace

LicencePoints::LicencePoints(Application& app, LicencePointsValues& values)
    : CalculatorWindow(app, kName, "Licence Points", Frame()),
      values_(values),
      mnuWinClear(*this, "mnuWinClear", "C&lear"),
      Frame1(*this, "Frame1", ""),
      Frame2(*this, "Frame2", "Road Options"),
      Label2(*this, "Label2", "Event Category"),
      cboEventClassification(*this, "cboEventClassification"),
      Frame5(*this, "Frame5", "Event Description"),
      lblEventDescription(*this, "lblEventDescription"),
      Option1(*this, OptionName(0), OptionCaption(0), OptionGroupOf(0)),
      Option2(*this, OptionName(1), OptionCaption(1), OptionGroupOf(1)),
      Option3(*this, OptionName(2), OptionCaption(2), OptionGroupOf(2)),
      Option4(*this, OptionName(3), OptionCaption(3), OptionGroupOf(3)),
      Option5(*this, OptionName(4), OptionCaption(4), OptionGroupOf(4)),
      Option6(*this, OptionName(5), OptionCaption(5), OptionGroupOf(5)),
      Option7(*this, OptionName(6), OptionCaption(6), OptionGroupOf(6)),
      Option8(*this, OptionName(7), OptionCaption(7), OptionGroupOf(7)),
      Option9(*this, OptionName(8), OptionCaption(8), OptionGroupOf(8)),
      Frame3(*this, "Frame3", "Track Options"),
      Option10(*this, OptionName(9), OptionCaption(9), OptionGroupOf(9)),
      Option11(*this, OptionName(10), OptionCaption(10), OptionGroupOf(10)),
      Option12(*this, OptionName(11), OptionCaption(11), OptionGroupOf(11)),
      Frame4(*this, "Frame4", "Youth Options"),
      Label5(*this, "Label5", kYouthNote),
      Option13(*this, OptionName(12), OptionCaption(12), OptionGroupOf(12)),
      Option14(*this, OptionName(13), OptionCaption(13), OptionGroupOf(13)),
      Option15(*this, OptionName(14), OptionCaption(14), OptionGroupOf(14)),
      Label1(*this, "Label1", kDistanceCaption),
      txtDistance(*this, "txtDistance"),
      Label6(*this, "Label6", "Points Band = "),
      txtPointsBand(*this, "txtPointsBand"),
      Label3(*this, "Label3", "Position"),
      txtPosition(*this, "txtPosition"),
      Label4(*this, "Label4", "= points"),
      txtPoints(*this, "txtPoints"),
      cmdClearLicence(*this, "cmdClearLicence", "&Clear"),
      Frame6(*this, "Frame6", "Age Categories"),
      Label7(*this, "Label7", "Event Date (dd/mm/yyyy)"),
      txtEventDate(*this, "txtEventDate"),
      Label8(*this, "Label8", "Date of Birth (dd/mm/yyyy)"),
      txtDob(*this, "txtDob"),
      Label9(*this, "Label9", "BCF Age - Category"),
      txtAgeCategory(*this, "txtAgeCategory"),
      Label10(*this, "Label10", "CTT/LVRC Age - Category"),
      txtLVRCCategory(*this, "txtLVRCCategory"),
      chkLady(*this, "chkLady", "Check1"),
      Label11(*this, "Label11", "Lady"),
      options_{&Option1, &Option2,  &Option3,  &Option4,  &Option5,  &Option6,  &Option7, &Option8,
               &Option9, &Option10, &Option11, &Option12, &Option13, &Option14, &Option15} {
    for (TextField* input :
         {static_cast<TextField*>(&cboEventClassification), &txtEventDate, &txtDob}) {
        input->setBackground(colours::kInput);
    }
    for (TextField* result : {&txtPointsBand, &txtPoints, &txtAgeCategory, &txtLVRCCategory}) {
        result->setLocked(true);
    }
    std::vector<std::string> names;
    for (const EventClassification& classification : EventClassifications()) {
        names.emplace_back(classification.name);
    }
    cboEventClassification.setItems(std::move(names));
    // The distance and the position wait until an event is chosen.
    for (Control* waiting :
         std::initializer_list<Control*>{&Label1, &txtDistance, &Label3, &txtPosition}) {
        waiting->setEnabled(false);
    }
    Label6.setEnabled(false);

    // A picked item takes effect when the list loses the focus, a typed text at each change.
    cboEventClassification.onChange([this] { cboEventClassification_Update(); });
    cboEventClassification.onLostFocus([this] { cboEventClassification_Update(); });
    for (std::size_t i = 0; i < options_.size(); ++i) {
        optionButton(i).onClick([this, i] { Option_Click(EventOptions()[i]); });
    }
    txtDistance.onLostFocus([this] { UpdatePoints(); });
    // Only a position the person can type is scored: Clear empties the field after disabling
    // it, and must neither score nor warn.
    txtPosition.onChange([this] {
        if (txtPosition.enabled()) UpdatePoints();
    });
    txtPosition.onLostFocus([this] { UpdatePoints(); });
    cmdClearLicence.onClick([this] { ClearLicence(); });
    mnuWinClear.onClick([this] { ClearLicence(); });

    txtEventDate.onLostFocus([this] { txtEventDate_LostFocus(); });
    txtDob.onLostFocus([this] { txtDob_LostFocus(); });
    chkLady.onClick([this] { txtDob_LostFocus(); });

    std::vector<Control*> order{&cboEventClassification};
    for (OptionButton* option : options_)
        order.push_back(option);
    for (Control* control :
         std::initializer_list<Control*>{&txtDistance, &txtPosition, &cmdClearLicence,
                                         &txtEventDate, &txtDob, &chkLady, &cmdExit}) {
        order.push_back(control);
    }
    setTabOrder(std::move(order));
}

void LicencePoints::cboEventClassification_Update() {
    if (cboEventClassification.text().empty()) return;
    txtPoints.setText({});
    txtPointsBand.setText({});
    // A track or youth option still decides for a text that is no classification, and only
    // then goes off.
    TurnOffOptions(OptionGroup::Road);
    UpdateClassification();
    TurnOffOptions(OptionGroup::Track);
    TurnOffOptions(OptionGroup::Youth);
}

void LicencePoints::Option_Click(const EventOption& option) {
    // Emptying the list's text runs its Change, which does nothing for an empty text.
    cboEventClassification.setText({});
    for (OptionGroup group : {OptionGroup::Road, OptionGroup::Track, OptionGroup::Youth}) {
        if (group != option.group) TurnOffOptions(group);
    }
    UpdateClassification();
    PointsForPosition();
}

void LicencePoints::TurnOffOptions(OptionGroup group) {
    for (std::size_t i = 0; i < options_.size(); ++i) {
        if (EventOptions()[i].group == group) optionButton(i).setValue(false);
    }
}

const EventOption* LicencePoints::SelectedOption() const {
    for (std::size_t i = 0; i < options_.size(); ++i) {
        if (options_[i]->value()) return &EventOptions()[i];
    }
    return nullptr;
}

void LicencePoints::UpdateClassification() {
    values_.Classification = cboEventClassification.text();
    if (const EventClassification* chosen = FindClassification(values_.Classification)) {
        lblEventDescription.setCaption(std::string(chosen->description));
        values_.PointsBand = chosen->band;
        PrepareDistanceEntry(chosen->entry);
        if (chosen->checksLimitWhenChosen && LeadingNumber(txtDistance.text()) > chosen->longest) {
            ShowMessage(messages::kTooLong);
        }
    } else if (const EventOption* option = SelectedOption()) {
        // Only a National A stage has a description of its own; no other category may keep
        // the description of an event chosen before.
        lblEventDescription.setCaption(std::string(option->description));
        values_.PointsBand = option->band;
        PrepareDistanceEntry(option->entry);
    } else {
        lblEventDescription.setCaption({});
        values_.PointsBand = 0;
    }
    ShowBand();
}

void LicencePoints::PrepareDistanceEntry(DistanceEntry entry) {
    if (entry.unit) {
        Label1.setCaption(*entry.unit == DistanceUnit::Minutes ? kTimeCaption : kDistanceCaption);
    }
    Label1.setEnabled(entry.needed || entry.setAside);
    txtDistance.setEnabled(entry.needed);
    if (entry.needed) {
        txtDistance.setBackground(colours::kLightRed);
        return;
    }
    if (!entry.setAside) txtDistance.setText({});
    txtDistance.setBackground(colours::kDefault);
    // A band that needs no distance is ready for a position at once.
    EnablePosition();
}

void LicencePoints::RefineBandByDistance() {
    const double distance = LeadingNumber(txtDistance.text());
    if (const EventClassification* chosen = FindClassification(values_.Classification)) {
        if (chosen->rule) values_.PointsBand = chosen->rule->bandFor(distance);
        if (chosen->shortest > 0 && distance < chosen->shortest) ShowMessage(messages::kTooShort);
        if (chosen->longest > 0 && distance > chosen->longest) {
            ShowMessage(messages::kTooLong);
            if (chosen->bandWhenTooLong) values_.PointsBand = *chosen->bandWhenTooLong;
        }
    } else {
        for (std::size_t i = 0; i < options_.size(); ++i) {
            const EventOption& option = EventOptions()[i];
            if (option.rule && options_[i]->value()) {
                values_.PointsBand = option.rule->bandFor(distance);
                break;
            }
        }
    }
    ShowBand();
}

void LicencePoints::ShowBand() {
    txtPointsBand.setText(NumberText(values_.PointsBand));
}

void LicencePoints::UpdatePoints() {
    const double distance = LeadingNumber(txtDistance.text());
    if (txtDistance.enabled() && distance == 0) {
        // A distance or time is needed and missing: no position can be scored yet.
        txtPosition.setEnabled(false);
        txtPosition.setBackground(colours::kDefault);
        txtPoints.setText({});
        return;
    }
    EnablePosition();
    RefineBandByDistance();
    const double position = LeadingNumber(txtPosition.text());
    // A band that needs no distance is scored without one.
    const bool distanceSettled = !txtDistance.enabled() || LeadingNumber(txtDistance.text()) > 0;
    if (position > 0 && distanceSettled) PointsForPosition();
}

void LicencePoints::EnablePosition() {
    Label3.setEnabled(true);
    txtPosition.setEnabled(true);
    txtPosition.setBackground(colours::kLightRed);
}

void LicencePoints::PointsForPosition() {
    values_.Points = PointsForPlace(values_.PointsBand, LeadingNumber(txtPosition.text()));
    txtPoints.setText(NumberText(values_.Points));
}

void LicencePoints::ClearLicence() {
    txtDistance.setEnabled(false);
    txtDistance.setText({});
    txtDistance.setBackground(colours::kDefault);
    Label1.setEnabled(false);
    Label1.setCaption(kDistanceCaption);
    // Disabled before it is emptied, so that its Change scores nothing.
    txtPosition.setEnabled(false);
    txtPosition.setText({});
    txtPosition.setBackground(colours::kDefault);
    Label3.setEnabled(false);
    txtPoints.setText({});
    txtPointsBand.setText({});
    lblEventDescription.setCaption({});
    cboEventClassification.setText({});
    for (OptionGroup group : {OptionGroup::Road, OptionGroup::Track, OptionGroup::Youth}) {
        TurnOffOptions(group);
    }
    values_.Classification.clear();
    values_.PointsBand = 0;
    values_.Points = 0;
}

}  // namespace velomark::licence
