// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/widget_session.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QStandardPaths>
#include <QString>
#include <QTest>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/calculators.h"
#include "fuzz/action_input.h"
#include "fuzz/object_count.h"
#include "fuzz/screen_invariants.h"
#include "gui/form_view.h"
#include "gui/front_end.h"
#include "shell/field_rules.h"
#include "shell/main_menu.h"
#include "shell/splash.h"

namespace velomark::fuzz {

namespace {

// No action of a person may keep the program busy longer than this while fuzzing.
constexpr double kActionLimitMs = ActionLimitMs(100.0);
constexpr int kMaxActions = 300;

// Set when a calculation hands inf or nan to a number text, which would show it as 0.
bool nonFiniteShown = false;

void NoteNonFinite(double) {
    nonFiniteShown = true;
}

// What Qt warned of since the last check: a fault of the front end's use of Qt.
std::vector<std::string> qtComplaints;
QtMessageHandler earlierHandler = nullptr;

void NoteComplaint(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (earlierHandler) earlierHandler(type, context, text);
    const bool complaint = type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg;
    if (complaint && !script::IsOffscreenNote(text)) qtComplaints.push_back(text.toStdString());
}

bool IsCalculator(const std::string& name) {
    return name != Splash::kName && name != MainMenu::kName;
}

}  // namespace

void StartWidgetFuzzing() {
    static bool started = false;
    if (started) return;
    started = true;
    StartCountingObjects();
    // Only Qt's own offscreen screen and clipboard, whatever desktop the fuzzer runs on.
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    static char name[] = "velomark-widget-fuzzer";
    static char* argv[] = {name, nullptr};
    script::PrepareWidgetDrivers(1, argv, RegisterCalculators);
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        std::fprintf(stderr, "the widget fuzzer needs Qt's offscreen platform\n");
        std::abort();
    }
    earlierHandler = qInstallMessageHandler(NoteComplaint);
    SetNonFiniteListener(&NoteNonFinite);
    WidgetSession warmUp({});
    ActionInput nothing(nullptr, 0);
    warmUp.start(nothing);
}

WidgetSession::Watch::Watch(const WindowProfile* windowProfile)
    : profile(windowProfile ? *windowProfile : WindowProfile{}),
      hasProfile(windowProfile != nullptr),
      invariants(profile, shown) {}

WidgetSession::WidgetSession(Options options)
    : options_(options),
      trace_(options.home ? options.home : "every window", options.actionLimitMs),
      driver_(std::make_unique<script::WidgetDriver>(RegisterCalculators)) {
    nonFiniteShown = false;
    qtComplaints.clear();
    // What an earlier run copied is not this run's to paste.
    QGuiApplication::clipboard()->clear();
}

WidgetSession::~WidgetSession() {
    driver_.reset();
    script::Settle();
}

void WidgetSession::start(ActionInput& input) {
    driver_->platform().setToday(input.today());
    timed(Splash::kName, "start", [&] { driver_->start(true); });
    verify();
    // The splash goes at the timer's tick, a key or a click on it.
    const std::uint8_t way = input.byte();
    if (Form* splash = loaded(Splash::kName); splash && way % 3 == 1) {
        const char key = input.key();
        timed(Splash::kName, std::string("key '") + key + "'", [&] { driver_->key(key); });
        verify();
    } else if (splash && way % 3 == 2) {
        const auto targets = reachable(*splash, [](const Control&, QObject&) { return true; });
        if (!targets.empty()) {
            Control& target = *targets[input.choose(targets.size())];
            timed(Splash::kName, "click " + target.name(), [&] { driver_->click(target); });
            verify();
        }
    }
    if (loaded(Splash::kName)) {
        timed(Splash::kName, "tick", [&] { driver_->tick(); });
        verify();
    }
    if (options_.home) {
        open(options_.home);
        return;
    }
    openEveryWindow();
}

void WidgetSession::openEveryWindow() {
    for (const char* window : kCalculatorWindows) {
        if (!loaded(window) && app().isRegistered(window) && script::CanShowWindow(window))
            open(window);
    }
}

void WidgetSession::open(const std::string& window) {
    auto* menu = dynamic_cast<MainMenu*>(loaded(MainMenu::kName));
    Button* opener = menu ? menu->buttonOpening(window) : nullptr;
    if (!opener) return;
    timed(window, "main menu: click " + opener->name(), [&] { driver_->open(*opener); });
    verify();
}

std::size_t WidgetSession::calculatorsOpen() const {
    std::size_t open = 0;
    for (const Form* window : driver_->app().loadedWindows()) {
        if (IsCalculator(window->name())) ++open;
    }
    return open;
}

bool WidgetSession::step(ActionInput& input) {
    if (app().ended()) return false;
    reopenHome(input);
    if (app().ended()) return false;
    answerNextFileDialog();
    act(input);
    // A run that leaves alone whatever ends the program must find it still running.
    if (options_.keepRunning && app().ended()) fail("the program ended, though nothing ended it");
    return !app().ended();
}

// A window that opens files (a route) gets, in turn, each of its profile's files and a cancel
// whenever it asks for one.
void WidgetSession::answerNextFileDialog() {
    RecordingPlatform& platform = driver_->platform();
    const Form* window = current();
    const WindowProfile* profile = window ? FindWindowProfile(window->name()) : nullptr;
    if (platform.queuedOpens() != 0 || !profile || profile->openFiles.empty()) return;
    const std::size_t files = profile->openFiles.size();
    const std::size_t turn = opensAnswered_++ % (files + 1);
    platform.queueOpen(turn == files ? std::nullopt
                                     : std::optional<std::string>(profile->openFiles[turn]));
}

// Main Menu and reopening: once no calculator window is left, the person opens one again (a
// session keeping every window open opens again each one closed).
void WidgetSession::reopenHome(ActionInput& input) {
    if (!loaded(MainMenu::kName)) return;
    if (options_.keepEveryWindowOpen) return openEveryWindow();
    if (calculatorsOpen() != 0) return;
    open(options_.home ? options_.home
                       : kCalculatorWindows[input.choose(kCalculatorWindows.size())]);
}

void WidgetSession::act(ActionInput& input) {
    Form* window = current();
    if (!window) return;
    switch (input.byte() % 32) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
            return type(*window, input);
        case 5:
        case 6:
            return pick(*window, input);
        case 7:
        case 8:
        case 9:
        case 10:
            return click(*window, input);
        case 11:
            return leave(*window);
        case 12:
        case 13:
            return focus(*window, input);
        case 14:
            return pressCharacter(*window, input);
        case 15:
        case 16:
            return clickIntoField(*window, input);
        case 17:
            return openListAndEscape(*window, input);
        case 18:
            return scrollList(*window, input);
        case 19:
            return useFieldMenu(*window, input);
        case 20:
        case 21:
            return tab(*window, input);
        case 22:
        case 23:
        case 24:
            return pressKey(*window, input);
        case 25:
            return pressShortcut(*window, input);
        case 26:
            return pressAccessKey(*window, input);
        case 27:
        case 28:
            return switchWindow(input);
        case 29:
            return openFromMenu(input);
        case 30:
            return closeFromTitleBar(input);
        default:
            return type(*window, input);
    }
}

void WidgetSession::timed(const std::string& window, std::string what,
                          const std::function<void()>& action) {
    actingWindow_ = window;
    if (what.front() != ' ') what = window + ": " + what;
    trace_.timed(std::move(what), [&] {
        try {
            action();
        } catch (const std::exception& problem) {
            fail(std::string("the action could not be carried out: ") + problem.what());
        }
    });
}

void WidgetSession::verify() {
    if (nonFiniteShown) fail("a calculation wrote inf or nan as a number text (shown as 0)");
    if (!qtComplaints.empty()) fail("Qt warned: " + qtComplaints.front());
    watchWindows();
    // Each message belongs to the window the person was acting in.
    const auto& messages = driver_->platform().messages();
    for (; messagesSeen_ < messages.size(); ++messagesSeen_) {
        const RecordingPlatform::Message& message = messages[messagesSeen_];
        const auto watch = watches_.find(actingWindow_);
        if (watch == watches_.end()) {
            fail(actingWindow_ + " showed a message, and it has none: \"" + message.text + "\"");
        }
        watch->second->shown.showMessage(message.title, message.text);
    }
    for (const auto& [name, watch] : watches_) {
        if (!watch->form || !watch->hasProfile) continue;
        const std::string breach = watch->invariants.check(*watch->form);
        if (!breach.empty()) fail(name + ": " + breach);
    }
    const std::string breach = ScreenBreach(driver_->frontEnd());
    if (!breach.empty()) fail(breach);
}

// Follows the calculator windows loading and unloading: each keeps its invariants for the run,
// and what the person typed into a window counts only until it unloads.
void WidgetSession::watchWindows() {
    for (const char* name : kCalculatorWindows) {
        const Form* form = app().ended() ? nullptr : loaded(name);
        auto found = watches_.find(name);
        if (form && found == watches_.end()) {
            found = watches_.emplace(name, std::make_unique<Watch>(FindWindowProfile(name))).first;
        }
        if (found == watches_.end()) continue;
        Watch& watch = *found->second;
        if (watch.form && watch.form != form) {
            watch.invariants.windowUnloaded();
            watch.form = nullptr;
        }
        if (form) {
            watch.form = form;
            listenTo(*form);
        }
    }
}

// Hears what the person puts into each field of a newly shown window, as the front end does:
// a text they typed or pasted, or an item they picked, is theirs, not the program's.
void WidgetSession::listenTo(const Form& window) {
    constexpr const char* kListened = "velomarkFuzzListened";
    gui::FormView* view = driver_->frontEnd().viewOf(window);
    if (!view || !view->window() || view->window()->property(kListened).toBool()) return;
    view->window()->setProperty(kListened, true);
    Invariants& invariants = watches_.at(window.name())->invariants;
    for (const Control* control : window.controls()) {
        if (!control->isField()) continue;
        const std::string name = control->name();
        QObject* object = view->widgetOf(*control);
        auto* combo = qobject_cast<QComboBox*>(object);
        auto* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(object);
        if (!edit) continue;
        QObject::connect(edit, &QLineEdit::textEdited, edit,
                         [&invariants, name](const QString& text) {
                             invariants.personEntered(name, text.toStdString());
                         });
        if (combo) {
            QObject::connect(combo, &QComboBox::textActivated, combo,
                             [&invariants, name](const QString& item) {
                                 invariants.personEntered(name, item.toStdString());
                             });
        }
    }
}

int FuzzWidgets(const char* window, const std::uint8_t* data, std::size_t size) {
    StartWidgetFuzzing();
    ActionInput input(data, size);
    {
        WidgetSession session({.home = window, .actionLimitMs = kActionLimitMs});
        session.start(input);
        for (int actions = 0; actions < kMaxActions && !input.exhausted(); ++actions) {
            if (!session.step(input)) break;
        }
    }
    // The program is gone, and every window of it.
    if (const QWidgetList left = QApplication::topLevelWidgets(); !left.isEmpty()) {
        std::fprintf(stderr, "%s: %s (a %s) outlived its program\n", window,
                     qPrintable(left.front()->objectName()),
                     left.front()->metaObject()->className());
        std::abort();
    }
    return 0;
}

}  // namespace velomark::fuzz
