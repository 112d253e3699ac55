// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/guide_window.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/application.h"

namespace velomark::gui {

int FindGuideSection(const QTextDocument& guide, const QString& heading) {
    for (QTextBlock block = guide.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.text() == heading) {
            return block.position();
        }
    }
    return -1;
}

QString HeadingLinkName(const QString& heading) {
    QString name;
    for (const QChar character : heading.toLower()) {
        if (character.isLetterOrNumber() || character == u'-' || character == u'_') {
            name += character;
        } else if (character == u' ') {
            name += u'-';
        }
    }
    return name;
}

GuideWindow::GuideWindow() : browser_(new QTextBrowser(this)) {
    setObjectName("frmUserGuide");
    setWindowTitle(QStringLiteral("%1 User Guide").arg(kApplicationTitle));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // Links within the guide go to its sections; nothing leads out of the program.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &GuideWindow::followLink);
    browser_->setSource(QUrl(kGuideSource), QTextDocument::MarkdownResource);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    QSize size(900, 760);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    }
    resize(size);
}

void GuideWindow::showSection(const QString& heading) {
    show();
    raise();
    activateWindow();
    const int position = heading.isEmpty() ? 0 : FindGuideSection(*browser_->document(), heading);
    scrollTo(position < 0 ? 0 : position);
}

void GuideWindow::followLink(const QUrl& link) {
    if (!link.isRelative() || !link.path().isEmpty() || !link.hasFragment()) return;
    const QTextDocument& guide = *browser_->document();
    for (QTextBlock block = guide.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 &&
            HeadingLinkName(block.text()) == link.fragment()) {
            scrollTo(block.position());
            return;
        }
    }
}

// The section's heading at the top of the window, as the guide's first line is at its start.
void GuideWindow::scrollTo(int position) {
    QTextDocument& guide = *browser_->document();
    const QTextBlock block = guide.findBlock(position);
    const QRectF place = guide.documentLayout()->blockBoundingRect(block);
    browser_->verticalScrollBar()->setValue(qRound(place.top() - guide.documentMargin()));
}

}  // namespace velomark::gui
