// SPDX-License-Identifier: GPL-3.0-or-later
// The table taken elsewhere: copied, saved as CSV, printed as a stem card.

#include <string>

#include "gears/gear_table.h"
#include "gears/gear_table_messages.h"
#include "gears/stem_card.h"
#include "gears/table_export.h"
#include "gears/tyre_sizes.h"
#include "shell/application.h"
#include "shell/field_rules.h"

namespace velomark::gears {

namespace messages = table_messages;

namespace {

// The wheel as the card names it: the tyre picked, or the circumference in use, which a typed
// diameter, or a bad text the table is not using, would not say.
std::string WheelName(const std::string& text, double circumference) {
    for (const TyreSize& tyre : TyreSizes()) {
        if (tyre.text == text) return text;
    }
    return FormatPattern(circumference, "0") + " mm wheel";
}

}  // namespace

// Whether the table shows gears; the refusal is said when it does not (no table yet, or a
// unit still waiting for its cadence or crank).
bool GearTable::HasGears(const char* refusal) {
    const GridTable& table = grdGears.table();
    if (table.cells.empty() || table.cells.front().empty() ||
        table.cells.front().front().text.empty()) {
        ShowMessage(refusal);
        return false;
    }
    return true;
}

void GearTable::CopyTable() {
    if (!HasGears(messages::kNothingToCopy)) return;
    app().platform().setClipboardText(TabSeparatedText(grdGears.table()));
}

void GearTable::SaveTable() {
    if (!HasGears(messages::kNothingToSave)) return;
    const SaveOutcome outcome =
        app().platform().saveFileAs(*this, SuggestedFileName(SetupName(cboSetup.text())),
                                    "CSV files (*.csv)", CsvText(grdGears.table()));
    // A rider who cancels knows they did; a saved file speaks for itself.
    if (outcome == SaveOutcome::Failed) ShowMessage(messages::kTableNotSaved);
}

void GearTable::PrintStemCard() {
    if (!HasGears(messages::kNothingToPrint)) return;
    const std::string name = SetupName(cboSetup.text());
    std::string subtitle = WheelName(cboWheelsize.text(), values_.wheelCircumference) + ", " +
                           std::string(NameOf(Unit()));
    switch (Unit()) {
        case GearUnit::GainRatio:
            subtitle += ", " + NumberText(values_.crankLength) + " mm cranks";
            break;
        case GearUnit::SpeedKph:
        case GearUnit::SpeedMph:
            subtitle += " at " + NumberText(values_.cadence) + " rpm";
            break;
        default:
            break;
    }
    const StemCardText text{name.empty() ? caption() : name, subtitle, lblLockout.caption()};
    app().platform().printPage(*this, StemCard(text, grdGears.table()));
}

}  // namespace velomark::gears
