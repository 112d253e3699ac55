// SPDX-License-Identifier: GPL-3.0-or-later
#include "power/rider_store.h"

#include "power/input_rules.h"

namespace velomark::power {

namespace {

struct RiderField {
    const char* key;
    std::string RiderTexts::*text;
    const NumberRule* rule;
};
constexpr RiderField kRiderFields[] = {
    {"RiderMass", &RiderTexts::riderMass, &kRiderMassRule},
    {"BikeMass", &RiderTexts::bikeMass, &kBikeMassRule},
    {"CdA", &RiderTexts::cdA, &kCdARule},
    {"Crr", &RiderTexts::crr, &kCrrRule},
    {"Efficiency", &RiderTexts::efficiency, &kEfficiencyRule},
};

}  // namespace

std::optional<RiderTexts> ReadRider(const SettingsSection& values) {
    RiderTexts rider;
    if (values.empty()) return rider;
    if (values.size() != std::size(kRiderFields)) return std::nullopt;
    for (const RiderField& field : kRiderFields) {
        const auto found = values.find(field.key);
        if (found == values.end() || !ReadNumber(found->second, *field.rule)) return std::nullopt;
        rider.*field.text = found->second;
    }
    return rider;
}

SettingsSection WriteRider(const RiderTexts& rider) {
    SettingsSection values;
    for (const RiderField& field : kRiderFields)
        values[field.key] = rider.*field.text;
    return values;
}

}  // namespace velomark::power
