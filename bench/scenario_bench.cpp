// SPDX-License-Identifier: GPL-3.0-or-later
// Every scenario of one folder run headless, each from a fresh start of the program, as
// velomark-script runs them in the default mode; "all" is the whole suite.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/calculators.h"
#include "tools/script/headless_driver.h"
#include "tools/script/runner.h"

namespace velomark::bench {
namespace {

namespace fs = std::filesystem;
using script::Outcome;
using script::Script;

std::vector<Script> ReadScenarios(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.path().extension() == ".scn") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<Script> scripts;
    for (const fs::path& file : files) {
        std::string error;
        if (auto parsed = script::ParseScript(file.string(), error)) {
            scripts.push_back(std::move(*parsed));
        } else {
            std::cerr << "cannot read " << error << "\n";
        }
    }
    return scripts;
}

void RunScenarios(benchmark::State& state, const std::vector<Script>& scripts) {
    if (scripts.empty()) {
        state.SkipWithError("no scenarios");
        return;
    }
    const script::DriverFactory makeDriver = script::HeadlessDriver::Factory(RegisterCalculators);
    for (auto _ : state) {
        for (const Script& scenario : scripts) {
            const Outcome outcome = script::RunScript(scenario, makeDriver);
            if (outcome.kind != Outcome::Kind::Passed) {
                state.SkipWithError((scenario.file + " failed: " + outcome.what).c_str());
                return;
            }
        }
    }
    state.counters["scenarios"] = static_cast<double>(scripts.size());
}

}  // namespace

void RegisterScenarioBenchmarks(const fs::path& root) {
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(root)) {
        if (entry.is_directory()) folders.push_back(entry.path());
    }
    std::sort(folders.begin(), folders.end());
    folders.push_back(root);
    for (const fs::path& folder : folders) {
        const std::string name =
            "Scenarios/" + (folder == root ? std::string("all") : folder.filename().string());
        benchmark::RegisterBenchmark(name.c_str(), [scripts = ReadScenarios(folder)](
                                                       benchmark::State& state) {
            RunScenarios(state, scripts);
        })->Unit(benchmark::kMillisecond);
    }
}

}  // namespace velomark::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    velomark::bench::RegisterScenarioBenchmarks(VELOMARK_SCENARIO_DIR);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
