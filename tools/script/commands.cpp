// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/commands.h"

#include "tools/script/script.h"
#include "tools/script/session.h"

namespace velomark::script {

namespace {

using Args = std::vector<std::string>;

constexpr CommandDefinition kCommands[] = {
    {"splash", "", 0, 0, "(first line only) start at the splash window, its timer running", true,
     [](Session&, const Args&) {}},
    {"key", "CHAR", 1, 1, "press a character key in the current window", false,
     [](Session& s, const Args& a) { s.key(a[0]); }},
    {"tick", "", 0, 0, "the splash's timer fires once", false,
     [](Session& s, const Args&) { s.tick(); }},
    {"open", "FORM", 1, 1, "click the main-menu button that opens FORM", false,
     [](Session& s, const Args& a) { s.open(a[0]); }},
    {"window", "FORM", 1, 1, "bring the open window FORM to the front", false,
     [](Session& s, const Args& a) { s.bringToFront(a[0]); }},
    {"focus", "CONTROL", 1, 1, "click into CONTROL", false,
     [](Session& s, const Args& a) { s.focus(a[0]); }},
    {"type", "CONTROL TEXT", 2, kRestOfLine,
     "focus CONTROL, select its text and type TEXT a character at a time", false,
     [](Session& s, const Args& a) { s.type(a[0], a[1]); }},
    {"leave", "", 0, 0, "the focused control loses the focus to nothing", false,
     [](Session& s, const Args&) { s.leave(); }},
    {"enter", "CONTROL TEXT", 2, kRestOfLine, "type CONTROL TEXT, then leave", false,
     [](Session& s, const Args& a) {
         s.type(a[0], a[1]);
         s.leave();
     }},
    {"pick", "CONTROL ITEM", 2, kRestOfLine, "open the drop-down list CONTROL and click ITEM",
     false, [](Session& s, const Args& a) { s.pick(a[0], a[1]); }},
    {"click", "CONTROL", 1, 1, "click a button, option button, check box or menu entry", false,
     [](Session& s, const Args& a) { s.click(a[0]); }},
    {"shortcut", "KEYS", 1, 1, "press a menu shortcut such as Ctrl+A, no text field focused", false,
     [](Session& s, const Args& a) { s.shortcut(a[0]); }},
    {"picture", "FORM FILE", 2, 2,
     "with --gui --pictures DIR, save FORM's image on screen as DIR/FILE (PNG); else nothing",
     false, [](Session& s, const Args& a) { s.savePicture(a[0], a[1]); }},
    {"choose-file", "PATH", 1, 1,
     "the next file dialog the program opens is answered with PATH; \"\" for Cancel", true,
     [](Session& s, const Args& a) { s.chooseFile(a[0]); }},
    {"today", "DD/MM/YYYY", 1, 1, "set the date the program takes as today", true,
     [](Session& s, const Args& a) { s.setToday(a[0]); }},
    {"restart", "", 0, 0,
     "the program ends and starts again at the main menu; settings and clipboard are kept", true,
     [](Session& s, const Args&) { s.restart(); }},
    {"expect", "CONTROL TEXT", 2, kRestOfLine,
     "the text or caption of CONTROL (or a window's caption) is TEXT", true,
     [](Session& s, const Args& a) { s.expectText(a[0], a[1]); }},
    {"expect-state", "CONTROL STATE...", 2, 99,
     "every STATE holds: enabled disabled visible hidden locked editable on off", true,
     [](Session& s, const Args& a) {
         for (std::size_t i = 1; i < a.size(); ++i)
             s.expectState(a[0], a[i]);
     }},
    {"expect-colour", "CONTROL R,G,B", 2, 2, "the background colour of CONTROL", true,
     [](Session& s, const Args& a) { s.expectColour(a[0], a[1]); }},
    {"expect-message", "TEXT", 1, kRestOfLine, "the oldest unchecked message box showed TEXT", true,
     [](Session& s, const Args& a) { s.expectMessage(&a[0]); }},
    {"expect-any-message", "", 0, 0, "an unchecked message box showed, whatever its text", true,
     [](Session& s, const Args&) { s.expectMessage(nullptr); }},
    {"expect-no-message", "", 0, 0, "no unchecked message box is left", true,
     [](Session& s, const Args&) { s.expectNoMessage(); }},
    {"expect-window", "FORM open|closed", 2, 2, "whether FORM is loaded", true,
     [](Session& s, const Args& a) { s.expectWindow(a[0], a[1]); }},
    {"expect-current", "FORM", 1, 1, "FORM is the window in front", true,
     [](Session& s, const Args& a) { s.expectCurrent(a[0]); }},
    {"expect-printed", "FORM", 1, 1, "the last print job printed FORM's image", true,
     [](Session& s, const Args& a) { s.expectPrinted(a[0]); }},
    {"expect-ended", "", 0, 0, "the program has ended", true,
     [](Session& s, const Args&) { s.expectEnded(); }},
    {"expect-cell", "GRID ROW COL TEXT", 4, kRestOfLine,
     "the grid's cell shows TEXT (row 0 and column 0 are the headers)", true,
     [](Session& s, const Args& a) { s.expectCell(a[0], a[1], a[2], a[3]); }},
    {"expect-cell-colour", "GRID ROW COL R,G,B", 4, 4, "the background colour of the grid's cell",
     true, [](Session& s, const Args& a) { s.expectCellColour(a[0], a[1], a[2], a[3]); }},
    {"expect-rows", "GRID N", 2, 2, "the grid has N data rows (headers not counted)", true,
     [](Session& s, const Args& a) { s.expectRows(a[0], a[1]); }},
    {"expect-columns", "GRID N", 2, 2, "the grid has N data columns (headers not counted)", true,
     [](Session& s, const Args& a) { s.expectColumns(a[0], a[1]); }},
    {"expect-clipboard", "TEXT", 1, kRestOfLine,
     "the clipboard holds TEXT exactly; \\t in TEXT is a tab, \\n a line end", true,
     [](Session& s, const Args& a) { s.expectClipboard(WithTabsAndLineEnds(a[0])); }},
    {"expect-guide", "SECTION", 1, kRestOfLine,
     "the oldest unchecked opening of the user guide was at SECTION (\"\" for its first page)",
     true, [](Session& s, const Args& a) { s.expectGuide(a[0]); }},
    {"expect-about", "", 0, 0, "an About box showed that no expect-about has checked yet", true,
     [](Session& s, const Args&) { s.expectAbout(); }},
};

}  // namespace

std::span<const CommandDefinition> Commands() {
    return kCommands;
}

const CommandDefinition* FindCommand(std::string_view name) {
    for (const CommandDefinition& command : kCommands) {
        if (name == command.name) return &command;
    }
    return nullptr;
}

}  // namespace velomark::script
