// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QTextDocument;
class QUrl;

namespace velomark::gui {

// Where the user guide is built into the program; its pictures lie beside it.
inline constexpr const char* kGuideSource = "qrc:/velomark/guide/user-guide.md";

// Where in the guide the section with this heading begins, or -1 when it has none.
int FindGuideSection(const QTextDocument& guide, const QString& heading);

// The name a link inside the guide gives a heading, as the guide's own links write it:
// "Gear Chart (etc.)" is "#gear-chart-etc".
QString HeadingLinkName(const QString& heading);

// The user guide that comes with the program, in a window of its own: one window for the whole
// run, brought to the front at the section asked for. It reads nothing from outside the program
// and opens no browser.
class GuideWindow : public QWidget {
  public:
    GuideWindow();

    // Shows the guide in front at the section with this heading, or at its start when the
    // heading is empty or the guide has no such section.
    void showSection(const QString& heading);

    QTextBrowser& browser() const { return *browser_; }

  private:
    void followLink(const QUrl& link);
    void scrollTo(int position);

    QTextBrowser* browser_;
};

}  // namespace velomark::gui
