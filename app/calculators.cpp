// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calculators.h"

#include "gears/gear_chart.h"
#include "gears/gear_table.h"
#include "licence/licence_points.h"
#include "power/power_and_pace.h"
#include "road/road.h"
#include "route/route_window.h"
#include "shell/application.h"
#include "timetrials/time_trials.h"
#include "track/track.h"

namespace velomark {

namespace {

template <class Model, class Values>
void Register(Application& app) {
    app.registerCalculator<Model, Values>(Model::kName);
}

// Every calculator window, in the main menu's order, with what it is about as the program's
// description names it: a window is added here or not at all, so no description leaves it out.
struct Calculator {
    const char* subject;
    void (*add)(Application&);
};
constexpr Calculator kCalculators[] = {
    {"gears, revs and speed", &Register<gears::GearChart, gears::GearChartValues>},
    {"time trials", &Register<timetrials::TimeTrials, timetrials::TimeTrialsValues>},
    {"track race planning", &Register<track::Track, track::TrackValues>},
    {"road race planning", &Register<road::Road, road::RoadValues>},
    {"racing-licence points", &Register<licence::LicencePoints, licence::LicencePointsValues>},
    {"gear tables", &Register<gears::GearTable, gears::GearTableValues>},
    {"power and pace", &Register<power::PowerAndPace, power::PowerAndPaceValues>},
    {"route schedules", &Register<route::Route, route::RouteValues>},
};

}  // namespace

void RegisterCalculators(Application& app) {
    for (const Calculator& calculator : kCalculators)
        calculator.add(app);
}

std::string ProgramDescription() {
    std::string text = "Calculators for racing cyclists: ";
    for (const Calculator& calculator : kCalculators)
        text += std::string(&calculator == kCalculators ? "" : "; ") + calculator.subject;
    return text + ".";
}

}  // namespace velomark
