// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule taken elsewhere: copied, saved as CSV, printed.

#include <string>

#include "route/route_messages.h"
#include "route/route_window.h"
#include "route/schedule_page.h"
#include "shell/application.h"
#include "shell/field_rules.h"
#include "shell/table_text.h"

namespace velomark::route {

bool Route::HasSchedule(const char* refusal) {
    if (route_) return true;
    ShowMessage(refusal);
    return false;
}

void Route::CopySchedule() {
    if (!HasSchedule(messages::kNothingToCopy)) return;
    app().platform().setClipboardText(TabSeparatedText(grdSchedule.table()));
}

void Route::SaveSchedule() {
    if (!HasSchedule(messages::kNothingToSave)) return;
    const SaveOutcome outcome = app().platform().saveFileAs(
        *this, CsvFileName(route_->route.name), "CSV files (*.csv)", CsvText(grdSchedule.table()));
    // A rider who cancels knows they did; a saved file speaks for itself.
    if (outcome == SaveOutcome::Failed) ShowMessage(messages::kScheduleNotSaved);
}

void Route::PrintSchedule() {
    if (!HasSchedule(messages::kNothingToPrint)) return;
    const std::string unit(UnitSymbol(Unit()));
    std::string summary = "Distance " + txtRouteDistance.text() + " " + unit;
    if (values_.laps > 1) {
        summary += " a lap, " + NumberText(values_.laps) + " laps: " +
                   FormatPattern(route_->length() * values_.laps / MetresPer(Unit()), "0.00") +
                   " " + unit;
    }
    if (route_->route.hasElevations) {
        summary += "; climb " + txtClimb.text() + " m" + (values_.laps > 1 ? " a lap" : "");
    }
    app().platform().printPage(
        *this, SchedulePage(route_->route.name, summary, grdSchedule.table(), picProfile.data()));
}

}  // namespace velomark::route
