// SPDX-License-Identifier: GPL-3.0-or-later
// The age categories group of the licence window: a rider's BCF category by the calendar year
// of the event, and the CTT/LVRC category by exact age on the event date.

#include <cstdint>
#include <optional>
#include <string>

#include "licence/age_categories.h"
#include "licence/licence_points.h"
#include "licence/licence_points_messages.h"
#include "shell/application.h"
#include "shell/field_rules.h"
#include "shell/platform.h"

namespace velomark::licence {

namespace {

// Women of 40 and over race in the category of a man ten years older.
constexpr int kLadyAdjustment = 10;
constexpr int kLadyYoungestAdjusted = 40;

// Both dates lie in the years 100 to 9999, so any difference of them (adjusted or not) fits an
// Integer.
std::int16_t Years(int years) {
    return static_cast<std::int16_t>(years);
}

}  // namespace

void LicencePoints::txtEventDate_LostFocus() {
    if (txtEventDate.text().empty()) txtEventDate.setText(DateText(app().platform().today()));
    txtEventDate.setText(FormatPattern(txtEventDate.text(), kDatePattern));
    if (!txtEventDate.text().empty() && !txtDob.text().empty()) AgeCategories();
}

void LicencePoints::txtDob_LostFocus() {
    txtDob.setText(FormatPattern(txtDob.text(), kDatePattern));
    if (!txtEventDate.text().empty() && !txtDob.text().empty()) AgeCategories();
}

void LicencePoints::AgeCategories() {
    const std::optional<Date> event = DateFromText(txtEventDate.text());
    const std::optional<Date> birth = DateFromText(txtDob.text());
    if (!event || !birth) {
        // Categories of other dates must not stand beside a date that cannot be read.
        txtAgeCategory.setText({});
        txtLVRCCategory.setText({});
        ShowMessage(event ? messages::kBirthDateWanted : messages::kEventDateWanted);
        return;
    }

    values_.age = Years(DateDiffYears(*birth, *event));
    values_.bcfCategory = std::string(BcfCategory(values_.age));
    txtAgeCategory.setText(NumberText(values_.age) + " (this year) - " + values_.bcfCategory);

    const std::int16_t exactAge = Years(AgeOn(*birth, *event));
    const bool ladyAdjusted = chkLady.value() && exactAge >= kLadyYoungestAdjusted;
    values_.age = ladyAdjusted ? Years(exactAge + kLadyAdjustment) : exactAge;
    values_.lvrcCategory = std::string(LvrcCategory(values_.age));
    // The real age is shown, with the category of the adjusted one.
    txtLVRCCategory.setText(NumberText(exactAge) + " - " + values_.lvrcCategory);
}

}  // namespace velomark::licence
