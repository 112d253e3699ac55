// SPDX-License-Identifier: GPL-3.0-or-later
#include "licence/licence_points.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "licence/licence_points_messages.h"
#include "licence/points_scale.h"
#include "shell/field_rules.h"

namespace velomark::licence {

LicencePoints::EventOptionButton::EventOptionButton(Form& form, std::size_t row)
    : OptionButton(form, std::string(EventOptions()[row].name),
                   std::string(EventOptions()[row].caption),
                   OptionGroupName(EventOptions()[row].group)) {}

LicencePoints::LicencePoints(Application& app, LicencePointsValues& values)
    : CalculatorWindow(app, kName, "Licence Points"), values_(values) {
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
    txtPosition.onChange([this] { txtPosition_Change(); });
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
    values_.classification = cboEventClassification.text();
    if (const EventClassification* chosen = FindClassification(values_.classification)) {
        lblEventDescription.setCaption(std::string(chosen->description));
        values_.pointsBand = chosen->band;
        PrepareDistanceEntry(chosen->entry);
        if (chosen->checksLimitWhenChosen && LeadingNumber(txtDistance.text()) > chosen->longest) {
            ShowMessage(messages::kTooLong);
        }
    } else if (const EventOption* option = SelectedOption()) {
        // Only a National A stage has a description of its own; no other category may keep
        // the description of an event chosen before.
        lblEventDescription.setCaption(std::string(option->description));
        values_.pointsBand = option->band;
        PrepareDistanceEntry(option->entry);
    } else {
        lblEventDescription.setCaption({});
        values_.pointsBand = 0;
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
    if (const EventClassification* chosen = FindClassification(values_.classification)) {
        if (chosen->rule) values_.pointsBand = chosen->rule->bandFor(distance);
        if (chosen->shortest > 0 && distance < chosen->shortest) ShowMessage(messages::kTooShort);
        if (chosen->longest > 0 && distance > chosen->longest) {
            ShowMessage(messages::kTooLong);
            if (chosen->bandWhenTooLong) values_.pointsBand = *chosen->bandWhenTooLong;
        }
    } else {
        for (std::size_t i = 0; i < options_.size(); ++i) {
            const EventOption& option = EventOptions()[i];
            if (option.rule && options_[i]->value()) {
                values_.pointsBand = option.rule->bandFor(distance);
                break;
            }
        }
    }
    ShowBand();
}

void LicencePoints::ShowBand() {
    txtPointsBand.setText(NumberText(values_.pointsBand));
}

void LicencePoints::txtPosition_Change() {
    // Only a position the person can type is scored: Clear empties the field after disabling
    // it, and must neither score nor warn.
    if (txtPosition.enabled()) UpdatePoints();
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
    values_.points = PointsForPlace(values_.pointsBand, LeadingNumber(txtPosition.text()));
    txtPoints.setText(NumberText(values_.points));
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
    values_.classification.clear();
    values_.pointsBand = 0;
    values_.points = 0;
}

}  // namespace velomark::licence
