// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <QtGlobal>
#include <string>
#include <vector>

#include "desktop.h"
#include "gui/guide_window.h"
#include "gui/qt_platform.h"
#include "shell/window_names.h"
#include "velomark/version.h"

namespace velomark::gui {
namespace {

const std::vector<std::string> kCalculators = {
    windows::kGearChart,     windows::kTimeTrials, windows::kTrack, windows::kRoad,
    windows::kLicencePoints, windows::kGearTable,  windows::kPower, windows::kRoute};

// The pictures the section starting at this block shows, up to the next heading of its level
// or above.
QStringList PicturesOfSection(QTextBlock heading) {
    const int level = heading.blockFormat().headingLevel();
    QStringList pictures;
    for (QTextBlock block = heading.next(); block.isValid(); block = block.next()) {
        const int blockLevel = block.blockFormat().headingLevel();
        if (blockLevel > 0 && blockLevel <= level) break;
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            const QTextCharFormat format = part.fragment().charFormat();
            if (format.isImageFormat()) pictures << format.toImageFormat().name();
        }
    }
    return pictures;
}

bool Loads(QTextBrowser& browser, const QString& picture) {
    const QVariant loaded = browser.loadResource(QTextDocument::ImageResource, QUrl(picture));
    if (loaded.canConvert<QImage>() && !loaded.value<QImage>().isNull()) return true;
    if (loaded.canConvert<QPixmap>() && !loaded.value<QPixmap>().isNull()) return true;
    return !QImage::fromData(loaded.toByteArray()).isNull();
}

// Where the block lies in the browser's view: its top from the view's top, in pixels, less the
// margin the guide's first line has too.
int ShownAt(QTextBrowser& browser, const QTextBlock& block) {
    const QRectF place = browser.document()->documentLayout()->blockBoundingRect(block);
    return qRound(place.top() - browser.document()->documentMargin()) -
           browser.verticalScrollBar()->value();
}

class GuideTest : public ::testing::Test {
  protected:
    GuideWindow guide;
    QTextBrowser& browser = guide.browser();
};

TEST_F(GuideTest, EveryWindowHasASectionUnderItsTitleWithItsPicture) {
    Desktop desktop;
    for (const std::string& name : kCalculators) {
        const QString title = QString::fromStdString(desktop.open(name).caption());
        const int position = FindGuideSection(*browser.document(), title);
        ASSERT_GE(position, 0) << "the guide has no section headed " << title.toStdString();
        const QStringList pictures = PicturesOfSection(browser.document()->findBlock(position));
        EXPECT_FALSE(pictures.isEmpty()) << title.toStdString() << " has no picture";
    }
}

TEST_F(GuideTest, EveryPictureTheGuideShowsIsBuiltIn) {
    int pictures = 0;
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            const QTextCharFormat format = part.fragment().charFormat();
            if (!format.isImageFormat()) continue;
            const QString picture = format.toImageFormat().name();
            EXPECT_FALSE(QUrl(picture).scheme().startsWith("http")) << picture.toStdString();
            EXPECT_TRUE(Loads(browser, picture)) << picture.toStdString() << " is missing";
            ++pictures;
        }
    }
    // The main menu and the seven calculators.
    EXPECT_GE(pictures, 8);
}

TEST_F(GuideTest, OpensAtTheSectionAskedForWithItsHeadingInView) {
    Desktop desktop;
    for (const std::string& name : kCalculators) {
        const QString title = QString::fromStdString(desktop.open(name).caption());
        guide.showSection(title);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&guide));
        const QTextBlock heading =
            browser.document()->findBlock(FindGuideSection(*browser.document(), title));
        const int top = ShownAt(browser, heading);
        EXPECT_GE(top, 0) << title.toStdString();
        EXPECT_LT(top, browser.viewport()->height() / 2) << title.toStdString();
        // Where the guide is long enough, the heading is at the very top.
        if (browser.verticalScrollBar()->value() < browser.verticalScrollBar()->maximum()) {
            EXPECT_EQ(top, 0) << title.toStdString();
        }
    }
}

TEST_F(GuideTest, TheFirstPageIsItsStartAndAnUnknownSectionToo) {
    guide.showSection("Track Stats");
    ASSERT_GT(browser.verticalScrollBar()->value(), 0);
    guide.showSection({});
    EXPECT_EQ(browser.verticalScrollBar()->value(), 0);
    guide.showSection("Track Stats");
    guide.showSection("No such window");
    EXPECT_EQ(browser.verticalScrollBar()->value(), 0);
    EXPECT_EQ(browser.document()->begin().text(), "Velomark (Lite) User Guide");
}

TEST_F(GuideTest, LinksInsideTheGuideGoToTheirSection) {
    guide.showSection({});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&guide));
    emit browser.anchorClicked(QUrl("#road-stats"));
    const QTextBlock heading =
        browser.document()->findBlock(FindGuideSection(*browser.document(), "Road Stats"));
    EXPECT_EQ(ShownAt(browser, heading), 0);
    // Nothing leads out of the program, not even when asked.
    const int before = browser.verticalScrollBar()->value();
    emit browser.anchorClicked(QUrl("https://example.org/#track-stats"));
    EXPECT_EQ(browser.verticalScrollBar()->value(), before);
    EXPECT_EQ(HeadingLinkName("Gear Chart (etc.)"), "gear-chart-etc");
}

// A menu bar's access key shared with a field or button would reach neither: Qt only moves
// between the two.
TEST(HelpMenu, ComesAfterTheWindowMenuWithAnAccessKeyOfItsOwn) {
    Desktop desktop;
    for (const std::string& name : kCalculators) {
        QMainWindow* shown = desktop.frontEnd.windowOf(desktop.open(name));
        QStringList titles;
        for (QAction* menu : shown->menuBar()->actions())
            titles << menu->text();
        ASSERT_EQ(titles, (QStringList{"&Window", "&Help"})) << name;
        QList<QKeySequence> others;
        for (auto* label : shown->findChildren<QLabel*>()) {
            if (label->buddy()) others << QKeySequence::mnemonic(label->text());
        }
        for (auto* button : shown->findChildren<QAbstractButton*>()) {
            others << QKeySequence::mnemonic(button->text());
        }
        for (auto* box : shown->findChildren<QGroupBox*>()) {
            others << QKeySequence::mnemonic(box->title());
        }
        for (const QString& title : titles) {
            EXPECT_FALSE(others.contains(QKeySequence::mnemonic(title)))
                << name << ": " << title.toStdString();
        }
    }
}

TEST(AboutText, NamesTheProgramItsVersionLicenceAndQt) {
    const QString about = AboutText("Calculators for racing cyclists: gear tables.");
    EXPECT_TRUE(about.contains("gear tables"));
    EXPECT_TRUE(about.contains("Velomark (Lite)"));
    EXPECT_TRUE(about.contains(QStringLiteral("Version %1").arg(kVersionText)));
    EXPECT_TRUE(about.contains("GPL-3.0-or-later"));
    EXPECT_TRUE(about.contains(QStringLiteral("Qt %1").arg(qVersion())));
}

}  // namespace
}  // namespace velomark::gui
