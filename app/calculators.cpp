// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calculators.h"

#include "gears/gear_chart.h"
#include "gears/gear_table.h"
#include "licence/licence_points.h"
#include "power/power_and_pace.h"
#include "road/road.h"
#include "shell/application.h"
#include "timetrials/time_trials.h"
#include "track/track.h"

namespace velomark {

void RegisterCalculators(Application& app) {
    app.registerCalculator<gears::GearChart, gears::GearChartValues>(gears::GearChart::kName);
    app.registerCalculator<timetrials::TimeTrials, timetrials::TimeTrialsValues>(
        timetrials::TimeTrials::kName);
    app.registerCalculator<track::Track, track::TrackValues>(track::Track::kName);
    app.registerCalculator<road::Road, road::RoadValues>(road::Road::kName);
    app.registerCalculator<licence::LicencePoints, licence::LicencePointsValues>(
        licence::LicencePoints::kName);
    app.registerCalculator<gears::GearTable, gears::GearTableValues>(gears::GearTable::kName);
    app.registerCalculator<power::PowerAndPace, power::PowerAndPaceValues>(
        power::PowerAndPace::kName);
}

}  // namespace velomark
