#include "app/calculators.h"

#include "gears/gear_chart.h"
#include "licence/licence_points.h"
#include "road/road.h"
#include "shell/application.h"
#include "timetrials/time_trials.h"
#include "track/track.h"

namespace velomark {

void RegisterCalculators(Application& app) {
    app.registerCalculator<GearChart, GearChartValues>(GearChart::kName);
    app.registerCalculator<TimeTrials, TimeTrialsValues>(TimeTrials::kName);
    app.registerCalculator<Track, TrackValues>(Track::kName);
    app.registerCalculator<Road, RoadValues>(Road::kName);
    app.registerCalculator<LicencePoints, LicencePointsValues>(LicencePoints::kName);
}

}  // namespace velomark
