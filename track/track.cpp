// SPDX-License-Identifier: GPL-3.0-or-later
#include "track/track.h"

#include <string>
#include <vector>

#include "shell/venue_directory.h"
#include "track/track_directory.h"

namespace velomark::track {

namespace {
constexpr FrameNames kFrame{.windowMenu = "mnuWin", .exitCaption = "E&xit Program"};
}  // namespace

Track::Track(Application& app, TrackValues& values)
    : CalculatorWindow(app, kName, "Track Stats", kFrame), values_(values) {
    for (TextField* input : {static_cast<TextField*>(&cboTrackName), &txtTrackSize,
                             static_cast<TextField*>(&cboRaceDistance), &txtRaceLaps, &txtTargMins,
                             &txtTargSecs, &txtLoad}) {
        input->setBackground(colours::kInput);
    }
    for (TextField* result :
         {&txtSecsLap, &txtLap1Dist, &txt1stLapTime, &txtSubsLaps, &txtTotMins, &txtTotSecs,
          &txtKilo1Mins, &txtKilo1Secs, &txtSubsKiloMins, &txtSubsKiloSecs}) {
        result->setLocked(true);
    }
    for (TextField& line : txtLap) {
        line.setLocked(true);
        line.setVisible(false);
    }
    // The kilometre rows stay out of sight until a schedule says whether the race has them.
    for (Control* row :
         std::initializer_list<Control*>{&Label61, &txtKilo1Mins, &txtKilo1Secs, &Label62,
                                         &txtSubsKiloMins, &txtSubsKiloSecs}) {
        row->setVisible(false);
    }
    Option1.setValue(true);

    std::vector<std::string> names;
    for (std::string_view name : ListedTrackNames())
        names.emplace_back(name);
    cboTrackName.setItems(std::move(names));
    cboRaceDistance.setItems(
        {"500", "1000", "2000", "3000", "4000", "5000", "8000", "10000", "20000", "40000"});

    cboTrackName.onClick([this] { cboTrackName_Click(); });
    cboTrackName.onLostFocus([this] { LookUpTrack(); });
    cboTrackName.onChange([this] { cboTrackName_Change(); });
    cboRaceDistance.onLostFocus([this] { cboRaceDistance_LostFocus(); });
    txtRaceLaps.onLostFocus([this] { txtRaceLaps_LostFocus(); });
    txtTargSecs.onLostFocus([this] { txtTargSecs_LostFocus(); });
    txtLoad.onLostFocus([this] { txtLoad_LostFocus(); });
    cmdClearRace.onClick([this] { ClearTrackWindow(); });
    mnuWinClear.onClick([this] { ClearTrackWindow(); });

    setTabOrder({&cboTrackName, &txtTrackSize, &cboRaceDistance, &txtRaceLaps, &txtTargMins,
                 &txtTargSecs, &Option1, &Option2, &txtLoad, &cmdClearRace, &cmdExit});
}

void Track::cboTrackName_Click() {
    // Laps worked out on another size of track no longer fit the race: a rider would get a
    // first lap longer than the track.
    const std::string sizeBefore = txtTrackSize.text();
    LookUpTrack();
    if (txtTrackSize.text() != sizeBefore) values_.raceLaps = 0;
}

void Track::cboTrackName_Change() {
    LookUpTrack();
    // A new name may mean a new track: the laps must be worked out again.
    values_.raceLaps = 0;
}

void Track::LookUpTrack() {
    const TrackEntry* track = FindVenue(TrackDirectory(), cboTrackName.text());
    if (!track) {
        // An unknown name keeps the size already shown, which may have been typed by hand.
        for (Label* caption : {&lblTrackSurface, &lblAddress, &lblContact, &lblTel}) {
            caption->setCaption({});
        }
        return;
    }
    txtTrackSize.setText(std::string(track->size));
    lblTrackSurface.setCaption(std::string(track->surface));
    lblAddress.setCaption(std::string(track->address));
    lblContact.setCaption(std::string(track->contact));
    lblTel.setCaption(std::string(track->telephone));
}

void Track::ClearTrackWindow() {
    // The track name goes first: its change blanks the directory details and the laps.
    cboTrackName.setText({});
    txtTrackSize.setText({});
    for (Label* caption : {&lblTrackSurface, &lblAddress, &lblContact, &lblTel}) {
        caption->setCaption({});
    }
    for (TextField* field :
         {static_cast<TextField*>(&cboRaceDistance), &txtRaceLaps, &txtLap1Dist, &txtTargMins,
          &txtTargSecs, &txtLoad, &txtSecsLap, &txt1stLapTime, &txtSubsLaps, &txtTotMins,
          &txtTotSecs, &txtKilo1Mins, &txtKilo1Secs, &txtSubsKiloMins, &txtSubsKiloSecs}) {
        field->setText({});
    }
    for (TextField& line : txtLap) {
        line.setText({});
    }
}

}  // namespace velomark::track
