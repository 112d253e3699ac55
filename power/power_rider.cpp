// SPDX-License-Identifier: GPL-3.0-or-later
// The rider and bike, kept in the settings store and shown again at the next opening.

#include <optional>

#include "power/power_and_pace.h"
#include "power/power_and_pace_messages.h"
#include "shell/application.h"

namespace velomark::power {

RiderTexts PowerAndPace::ShownRider() const {
    return {txtRiderMass.text(), txtBikeMass.text(), txtCdA.text(), txtCrr.text(),
            txtEfficiency.text()};
}

// A store that cannot be read, or holds what this window would never have written, is left
// alone: it may be a newer program's, or the rider's to mend. The rider hears of it once a run,
// and it is replaced only when they change the rider or the bike.
void PowerAndPace::LoadRider() {
    const StoredSettings stored = app().platform().readSettings(kRiderSection);
    const std::optional<RiderTexts> read =
        stored.readable ? ReadRider(stored.values) : std::nullopt;
    if (!read && !values_.riderRefused) {
        values_.riderRefused = true;
        ShowMessage(messages::kRiderUnreadable);
    }
    const RiderTexts rider = read.value_or(RiderTexts{});
    Write(txtRiderMass, rider.riderMass);
    Write(txtBikeMass, rider.bikeMass);
    Write(txtCdA, rider.cdA);
    Write(txtCrr, rider.crr);
    Write(txtEfficiency, rider.efficiency);
    kept_ = rider;
}

// Keeps the rider as shown once every field of it reads and it differs from what is kept.
void PowerAndPace::KeepRider() {
    const RiderTexts shown = ShownRider();
    if (shown == kept_ || !ReadRider(WriteRider(shown))) return;
    if (!app().platform().writeSettings(kRiderSection, WriteRider(shown))) {
        if (!saveRefused_) ShowMessage(messages::kRiderNotSaved);
        saveRefused_ = true;
        return;
    }
    kept_ = shown;
    values_.riderRefused = false;
}

}  // namespace velomark::power
