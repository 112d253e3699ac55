// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "shell/calculator_window.h"

namespace velomark::track {

// Working values of the window, kept for the whole run.
struct TrackValues {
    // Race distance, laps and target time
    float trackSize;
    float raceLaps;
    float raceDistance;
    std::int16_t targetSeconds;
    float secondsPerLap;
    std::int16_t wholeLaps;
    float firstLapDistance;
    // Standing start and lap times
    float startLoading;
    float firstLapEntered;
    float firstLapTime;
    float subsequentLapTime;
    double totalTime;
    float raceKilometres;
    float kiloPace;
    float firstKiloTime;
    float subsequentKiloTime;
    // Elapsed time at the end of laps 1 to 16 (lap 1 is the first-lap time).
    std::array<float, 16> lapElapsed;
};

// "Track Stats": race distance against laps of a track from the built-in directory, the
// seconds per lap of a target time, and a schedule from a standing start with lap-by-lap times.
class Track : public CalculatorWindow {
  public:
    static constexpr const char* kName = windows::kTrack;
    static constexpr int kLapLines = 16;

    Track(Application& app, TrackValues& values);

  private:
    // Track directory
    void cboTrackName_Click();
    void cboTrackName_Change();
    void LookUpTrack();
    void ClearTrackWindow();

    // Race distance, laps and target time
    void cboRaceDistance_LostFocus();
    void txtRaceLaps_LostFocus();
    void txtTargSecs_LostFocus();
    std::optional<float> ReadTrackSize();
    void LapsFromDistance();
    void DistanceFromLaps();
    bool ReadTargetTime();
    bool ShowSecondsPerLap();
    void ShowFirstLap();
    bool HasTrackAndDistance();

    // Standing start and lap times
    void txtLoad_LostFocus();
    void BuildStartSchedule();
    void ShowLapTimes(int lines);

    TrackValues& values_;

    MenuEntry mnuWinClear{*this, "mnuWinClear", "Clear"};

    GroupBox FrameTrack{*this, "FrameTrack", "Track Details"};
    ComboBox cboTrackName{*this, "cboTrackName"};
    Label lblTrackSurface{*this, "lblTrackSurface"};
    Label lblAddress{*this, "lblAddress"};
    Label lblContact{*this, "lblContact"};
    Label lblTel{*this, "lblTel"};
    Button cmdClearRace{*this, "cmdClearRace", "&Clear"};

    GroupBox FrameSchedule{*this, "FrameSchedule", "Schedule"};
    TextField txtTrackSize{*this, "txtTrackSize"};
    ComboBox cboRaceDistance{*this, "cboRaceDistance"};
    TextField txtRaceLaps{*this, "txtRaceLaps"};
    TextField txtTargMins{*this, "txtTargMins"};
    TextField txtTargSecs{*this, "txtTargSecs"};
    TextField txtSecsLap{*this, "txtSecsLap"};
    TextField txtLap1Dist{*this, "txtLap1Dist"};
    OptionButton Option1{*this, "Option1", "Loading for standing start", "start"};
    OptionButton Option2{*this, "Option2", "or 1st (part) lap time", "start"};
    TextField txtLoad{*this, "txtLoad"};
    TextField txt1stLapTime{*this, "txt1stLapTime"};
    TextField txtSubsLaps{*this, "txtSubsLaps"};
    TextField txtTotMins{*this, "txtTotMins"};
    TextField txtTotSecs{*this, "txtTotSecs"};
    Label Label61{*this, "Label61", "1st Kilo time (mins/secs) = "};
    TextField txtKilo1Mins{*this, "txtKilo1Mins"};
    TextField txtKilo1Secs{*this, "txtKilo1Secs"};
    Label Label62{*this, "Label62", "Subsequent Kilo times = "};
    TextField txtSubsKiloMins{*this, "txtSubsKiloMins"};
    TextField txtSubsKiloSecs{*this, "txtSubsKiloSecs"};
    Label Label3{*this, "Label3", "Individual Lap Times:-"};
    std::array<TextField, kLapLines> txtLap{{{*this, "txtLap1"},
                                             {*this, "txtLap2"},
                                             {*this, "txtLap3"},
                                             {*this, "txtLap4"},
                                             {*this, "txtLap5"},
                                             {*this, "txtLap6"},
                                             {*this, "txtLap7"},
                                             {*this, "txtLap8"},
                                             {*this, "txtLap9"},
                                             {*this, "txtLap10"},
                                             {*this, "txtLap11"},
                                             {*this, "txtLap12"},
                                             {*this, "txtLap13"},
                                             {*this, "txtLap14"},
                                             {*this, "txtLap15"},
                                             {*this, "txtLap16"}}};
};

}  // namespace velomark::track
