// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/invariants.h"

#include <algorithm>
#include <cmath>

#include "shell/application.h"
#include "shell/chart.h"
#include "shell/field_rules.h"
#include "shell/form.h"
#include "shell/grid.h"
#include "tools/harness/recording_platform.h"

namespace velomark::fuzz {

namespace {

// Letters of the C locale, without the locale's cost: these run after every keystroke.
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameWord(std::string_view word, std::string_view lowerCase) {
    if (word.size() != lowerCase.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (Lower(word[i]) != lowerCase[i]) return false;
    }
    return true;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t kShown = 120;
    std::string quoted = "\"";
    quoted.append(text.substr(0, kShown));
    if (text.size() > kShown) quoted.append("...");
    return quoted + "\"";
}

}  // namespace

bool HasNonNumberWord(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsLetter(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && IsLetter(text[i]))
            ++i;
        const std::string_view word = text.substr(start, i - start);
        if (SameWord(word, "inf") || SameWord(word, "infinity") || SameWord(word, "nan")) {
            return true;
        }
    }
    return false;
}

bool HasExponentNumber(std::string_view text) {
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] != 'e' && text[i] != 'E') continue;
        if (!IsDigit(text[i - 1]) && text[i - 1] != '.') continue;
        std::size_t next = i + 1;
        if (text[next] == '+' || text[next] == '-') ++next;
        if (next < text.size() && IsDigit(text[next])) return true;
    }
    return false;
}

// Whether a text the program wrote shows no nonsense number: no inf, no nan, no exponent.
bool SensibleText(std::string_view text) {
    return !HasNonNumberWord(text) && !HasExponentNumber(text);
}

// Whether the text is the window's own message, a "{}" in it standing for any detail.
bool IsMessage(std::string_view text, std::string_view own) {
    const auto detail = own.find("{}");
    if (detail == std::string_view::npos) return text == own;
    const std::string_view before = own.substr(0, detail);
    const std::string_view after = own.substr(detail + 2);
    return text.size() >= before.size() + after.size() && text.starts_with(before) &&
           text.ends_with(after);
}

bool ReadsAsFiniteNumber(std::string_view text) {
    if (StrictNumber(text)) return true;
    if (DateFromText(text)) return true;
    // A time: numbers separated by ":", none of them empty.
    if (text.find(':') == std::string_view::npos) return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(':', start);
        if (!StrictNumber(text.substr(start, end - start))) return false;
        if (end == std::string_view::npos) return true;
        start = end + 1;
    }
}

Invariants::Invariants(const WindowProfile& profile, const RecordingPlatform& platform)
    : profile_(profile), platform_(platform) {}

void Invariants::personEntered(const std::string& field, std::string text) {
    personTexts_[field] = std::move(text);
}

bool Invariants::isWordResult(const std::string& field) const {
    return std::find(profile_.wordResults.begin(), profile_.wordResults.end(), field) !=
           profile_.wordResults.end();
}

bool Invariants::isRestoredInput(const std::string& field) const {
    return std::find(profile_.restoredInputs.begin(), profile_.restoredInputs.end(), field) !=
           profile_.restoredInputs.end();
}

std::string Invariants::checkGrid(const Grid& grid) const {
    const std::string& name = grid.name();
    if (profile_.maxGridRows > 0 && grid.rows() > profile_.maxGridRows) {
        return name + " has " + std::to_string(grid.rows()) + " rows, more than " +
               std::to_string(profile_.maxGridRows);
    }
    if (profile_.maxGridColumns > 0 && grid.columns() > profile_.maxGridColumns) {
        return name + " has " + std::to_string(grid.columns()) + " columns, more than " +
               std::to_string(profile_.maxGridColumns);
    }
    const GridTable& table = grid.table();
    if (table.cells.size() != table.rowHeaders.size()) {
        return name + " has " + std::to_string(table.cells.size()) + " rows of cells for " +
               std::to_string(table.rowHeaders.size()) + " row headers";
    }
    for (std::size_t row = 0; row < table.cells.size(); ++row) {
        if (table.cells[row].size() != table.columnHeaders.size()) {
            return name + " has " + std::to_string(table.cells[row].size()) + " cells in row " +
                   std::to_string(row + 1) + " for " + std::to_string(table.columnHeaders.size()) +
                   " column headers";
        }
    }
    // The corner and the headers are cells of the grid like any other.
    for (int row = 0; row <= grid.rows(); ++row) {
        for (int column = 0; column <= grid.columns(); ++column) {
            const std::string where = " at " + std::to_string(row) + "," + std::to_string(column);
            const std::string text = grid.cellText(row, column);
            if (!SensibleText(text)) return name + " shows " + Quoted(text) + where;
            const std::string tip = grid.cellTip(row, column);
            if (!SensibleText(tip)) return name + " has the tip " + Quoted(tip) + where;
        }
    }
    return {};
}

namespace {

// A lane named after a bike starts with the name the person typed or saved: only what follows
// it is the program's own.
std::string_view ProgramPartOfLaneName(std::string_view name, const Form& window) {
    std::size_t given = 0;
    const auto take = [&](const std::string& text) {
        if (!text.empty() && text.size() > given && name.starts_with(text)) given = text.size();
    };
    for (const Control* control : window.controls()) {
        const TextField* field = control->asField();
        if (!field) continue;
        take(field->text());
        if (control->kind() != ControlKind::ComboBox) continue;
        for (const std::string& item : static_cast<const ComboBox*>(field)->items())
            take(item);
    }
    return name.substr(given);
}

}  // namespace

std::string Invariants::checkChart(const Chart& chart, const Form& window) const {
    const ChartData& data = chart.data();
    const std::string& name = chart.name();
    if (!std::isfinite(data.low) || !std::isfinite(data.high)) {
        return name + "'s axis runs from " + std::to_string(data.low) + " to " +
               std::to_string(data.high);
    }
    if (!SensibleText(data.axisTitle)) return name + "'s axis is titled " + Quoted(data.axisTitle);
    const ChartSeries& series = data.series;
    if (!std::isfinite(series.low) || !std::isfinite(series.high))
        return name + "'s upright axis runs from " + std::to_string(series.low) + " to " +
               std::to_string(series.high);
    if (!SensibleText(series.title))
        return name + "'s upright axis is titled " + Quoted(series.title);
    for (const auto* points : {&series.points, &series.marked}) {
        for (const ChartPoint& point : *points) {
            if (!std::isfinite(point.x) || !std::isfinite(point.y) || !SensibleText(point.label))
                return name + " has a point at " + std::to_string(point.x) + ", " +
                       std::to_string(point.y) + " labelled " + Quoted(point.label);
        }
    }
    for (const ChartLane& lane : data.lanes) {
        if (!SensibleText(ProgramPartOfLaneName(lane.name, window)))
            return name + " has a lane named " + Quoted(lane.name);
        for (const ChartMark& mark : lane.marks) {
            if (!std::isfinite(mark.value)) {
                return name + " has a mark at " + std::to_string(mark.value) + " on lane " +
                       Quoted(lane.name);
            }
            if (!SensibleText(mark.label)) {
                return name + " labels a mark " + Quoted(mark.label) + " on lane " +
                       Quoted(lane.name);
            }
        }
    }
    return {};
}

std::string Invariants::check(const Form& window) {
    if (HasNonNumberWord(window.caption()))
        return "the window's caption " + Quoted(window.caption());
    for (const Control* control : window.controls()) {
        if (control->kind() == ControlKind::Grid) {
            std::string breach = checkGrid(static_cast<const Grid&>(*control));
            if (!breach.empty()) return breach;
            continue;
        }
        if (control->kind() == ControlKind::Chart) {
            std::string breach = checkChart(static_cast<const Chart&>(*control), window);
            if (!breach.empty()) return breach;
            continue;
        }
        const TextField* asField = control->asField();
        if (!asField) {
            const std::string caption = control->shownText();
            if (HasNonNumberWord(caption)) return control->name() + " shows " + Quoted(caption);
            // A label the window writes its results into (the gear table's lockout line).
            if (isWordResult(control->name()) && HasExponentNumber(caption)) {
                return control->name() + " shows an exponent: " + Quoted(caption);
            }
            continue;
        }
        const TextField& field = *asField;
        const std::string& shown = field.text();
        // What the person typed is theirs to keep, even in an entry field that is locked later
        // (the gear chart's tyre list); only what the program wrote is judged.
        const auto typed = personTexts_.find(field.name());
        if (typed != personTexts_.end() && typed->second == shown) continue;
        if (!field.locked()) {
            if (isRestoredInput(field.name())) continue;
            if (HasNonNumberWord(shown)) return field.name() + " shows " + Quoted(shown);
            continue;
        }
        if (HasNonNumberWord(shown)) return field.name() + " shows " + Quoted(shown);
        if (shown.empty()) continue;
        // A word result may hold numbers too (54 x 21 = 67.5 ( 5.39 m ), 45 - Vet): none of
        // them may need an exponent.
        if (shown.find("e+") != std::string::npos || shown.find("E+") != std::string::npos) {
            return field.name() + " shows an exponent: " + Quoted(shown);
        }
        if (isWordResult(field.name())) continue;
        if (!ReadsAsFiniteNumber(shown)) {
            return field.name() + " does not read back as a number: " + Quoted(shown);
        }
    }
    const auto& messages = platform_.messages();
    while (messagesChecked_ < messages.size()) {
        const auto& message = messages[messagesChecked_++];
        if (message.title != kApplicationTitle) return "a message titled " + Quoted(message.title);
        if (profile_.messages.empty()) continue;
        if (std::find_if(profile_.messages.begin(), profile_.messages.end(), [&](const char* own) {
                return IsMessage(message.text, own);
            }) == profile_.messages.end()) {
            return "a message that is not the window's own: " + Quoted(message.text);
        }
    }
    return {};
}

}  // namespace velomark::fuzz
