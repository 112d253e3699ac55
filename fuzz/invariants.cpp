#include "fuzz/invariants.h"

#include <algorithm>

#include "shell/application.h"
#include "shell/field_rules.h"
#include "shell/form.h"
#include "shell/recording_platform.h"

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

std::string Invariants::check(const Form& window) {
    if (HasNonNumberWord(window.caption()))
        return "the window's caption " + Quoted(window.caption());
    for (const Control* control : window.controls()) {
        const TextField* asField = control->asField();
        if (!asField) {
            const std::string caption = control->shownText();
            if (HasNonNumberWord(caption)) return control->name() + " shows " + Quoted(caption);
            continue;
        }
        const TextField& field = *asField;
        const std::string& shown = field.text();
        // What the person typed is theirs to keep, even in an entry field that is locked later
        // (the gear chart's tyre list); only what the program wrote is judged.
        const auto typed = personTexts_.find(field.name());
        if (typed != personTexts_.end() && typed->second == shown) continue;
        if (!field.locked()) {
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
                return message.text == own;
            }) == profile_.messages.end()) {
            return "a message that is not the window's own: " + Quoted(message.text);
        }
    }
    return {};
}

}  // namespace velomark::fuzz
