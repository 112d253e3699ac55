#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "shell/calculator_window.h"

namespace velomark::track {

// Working values of the window, kept for the whole run.
struct TrackValues {
    // Race distance, laps and target time
    float TrackSize;
    float RaceLaps;
    float RaceDistance;
    std::int16_t TargetSeconds;
    float SecondsPerLap;
    std::int16_t WholeLaps;
    float FirstLapDistance;
    // Standing start and lap times
    float StartLoading;
    float FirstLapEntered;
    float FirstLapTime;
    float SubsequentLapTime;
    double TotalTime;
    float RaceKilometres;
    float KiloPace;
    float FirstKiloTime;
    float SubsequentKiloTime;
    // Elapsed time at the end of laps 1 to 16 (lap 1 is the first-lap time).
    std::array<float, 16> LapElapsed;
};

// "Track Stats": race distance against laps of a track from the built-in directory, the
// seconds per lap of a target time, and a schedule from a standing start with lap-by-lap times.
class Track : public CalculatorWindow {
  public:
    static constexpr const char* kName = "frmTrack";
    static constexpr int kLapLines = 16;

    Track(Application& app, TrackValues& values);

  private:
    // Track directory
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

    MenuEntry mnuWinClear;

    GroupBox FrameTrack;
    ComboBox cboTrackName;
    Label lblTrackSurface;
    Label lblAddress;
    Label lblContact;
    Label lblTel;
    Button cmdClearRace;

    GroupBox FrameSchedule;
    TextField txtTrackSize;
    ComboBox cboRaceDistance;
    TextField txtRaceLaps;
    TextField txtTargMins;
    TextField txtTargSecs;
    TextField txtSecsLap;
    TextField txtLap1Dist;
    OptionButton Option1;
    OptionButton Option2;
    TextField txtLoad;
    TextField txt1stLapTime;
    TextField txtSubsLaps;
    TextField txtTotMins;
    TextField txtTotSecs;
    Label Label61;
    TextField txtKilo1Mins;
    TextField txtKilo1Secs;
    Label Label62;
    TextField txtSubsKiloMins;
    TextField txtSubsKiloSecs;
    Label Label3;
    std::array<TextField, kLapLines> txtLap;
};

}  // namespace velomark::track
