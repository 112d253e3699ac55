// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shell/form.h"
#include "shell/platform.h"
#include "velomark/version.h"

namespace velomark {

inline constexpr const char* kApplicationTitle = "Velomark (Lite)";

// Whoever shows the windows (the Qt binder) hears when one is loaded, brought to the front or
// unloaded.
class ApplicationObserver {
  public:
    virtual ~ApplicationObserver() = default;
    virtual void windowLoaded(Form& window) = 0;
    virtual void windowShown(Form& window) = 0;
    virtual void windowUnloaded(Form& window) = 0;
    virtual void ended() {}
};

// The running program: its window classes, the loaded windows (at most one of each class) and
// the platform. Window-level working values belong to the window class and outlive its window.
class Application {
  public:
    using Factory = std::function<std::unique_ptr<Form>(Application&)>;

    explicit Application(Platform& platform);
    ~Application();

    Platform& platform() const { return platform_; }

    void registerWindow(const std::string& name, Factory factory);

    // A calculator window whose model takes the application and its working values.
    template <class Model, class Values>
    void registerCalculator(const std::string& name) {
        auto values = std::make_shared<Values>();
        registerWindow(
            name, [values](Application& app) { return std::make_unique<Model>(app, *values); });
    }
    bool isRegistered(const std::string& name) const;

    // The splash window, shown with its timer running.
    void start();

    Form* loaded(const std::string& name) const;
    Form& load(const std::string& name);
    void show(Form& window);
    Form& open(const std::string& name);
    void unload(Form& window);
    void end();
    bool ended() const { return ended_; }

    // The window in front, or null.
    Form* current() const;
    std::vector<Form*> loadedWindows() const;

    // Fires the first running timer of the loaded windows; false when none runs.
    bool tick();

    void setObserver(ApplicationObserver* observer) { observer_ = observer; }

    // Every user event runs inside one of these; windows unloaded meanwhile are destroyed when
    // the outermost one closes, so no handler runs on a destroyed window.
    class EventScope {
      public:
        explicit EventScope(Application& app);
        ~EventScope();
        EventScope(const EventScope&) = delete;
        EventScope& operator=(const EventScope&) = delete;

      private:
        Application& app_;
    };

  private:
    Platform& platform_;
    std::map<std::string, Factory> factories_;
    std::vector<std::unique_ptr<Form>> windows_;  // loaded, front window last
    std::vector<std::unique_ptr<Form>> unloaded_;
    ApplicationObserver* observer_ = nullptr;
    bool ended_ = false;
    int eventDepth_ = 0;
};

// Registers the program's windows with a new application: the composition root hands one to
// whatever starts a program (the desktop, the scenario drivers, the fuzzer, the benchmarks).
using Compose = std::function<void(Application&)>;

}  // namespace velomark
