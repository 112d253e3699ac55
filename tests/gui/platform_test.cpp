// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <string>

#include "gui/page_printing.h"
#include "gui/qt_platform.h"
#include "shell/printed_page.h"

namespace velomark::gui {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The settings of a person who has none yet, in a folder of the test's own: QSettings looks
// nowhere else while the test runs.
class SettingsTest : public ::testing::Test {
  protected:
    SettingsTest() {
        EXPECT_TRUE(folder.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    }

    // Where QtPlatform keeps them: an INI file under the program's own names.
    QString file() const {
        return QSettings(QSettings::IniFormat, QSettings::UserScope,
                         QCoreApplication::organizationName(), QCoreApplication::applicationName())
            .fileName();
    }

    QTemporaryDir folder;
    QtPlatform platform;
};

TEST_F(SettingsTest, ASectionComesBackAsItWasWritten) {
    ASSERT_TRUE(file().startsWith(folder.path()));
    const SettingsSection setup{
        {"Last", "Track bike"},
        {"Setups/1/Name", "Track bike"},
        {"Setups/1/Chainrings", "50/34"},
        {"Setups/1/Sprockets", "11-12-13, 14"},
        {"Setups/1/Wheel", "700 x 23c *"},
        {"Setups/1/Rollout", ""},
        {"Setups/2/Name", "\"Quoted\"; = @odd, é"},
    };
    ASSERT_TRUE(platform.writeSettings("GearTable", setup));
    EXPECT_TRUE(QFileInfo::exists(file()));
    const StoredSettings read = platform.readSettings("GearTable");
    EXPECT_TRUE(read.readable);
    EXPECT_EQ(read.values, setup);
    EXPECT_EQ(platform.readSettings("Elsewhere").values, SettingsSection{});
}

TEST_F(SettingsTest, WritingASectionReplacesItWholeAndLeavesTheOthers) {
    ASSERT_TRUE(platform.writeSettings("Other", {{"Kept", "yes"}}));
    ASSERT_TRUE(platform.writeSettings("GearTable", {{"Setups/1/Name", "Road"}, {"Last", "Road"}}));
    ASSERT_TRUE(platform.writeSettings("GearTable", {{"Last", "Track"}}));
    EXPECT_EQ(platform.readSettings("GearTable").values, (SettingsSection{{"Last", "Track"}}));
    EXPECT_EQ(platform.readSettings("Other").values, (SettingsSection{{"Kept", "yes"}}));
}

TEST_F(SettingsTest, ReadingWritesNothing) {
    EXPECT_TRUE(platform.readSettings("GearTable").readable);
    EXPECT_FALSE(QFileInfo::exists(file()));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// A file the program did not write: it cannot be trusted, and reading it leaves it as it is.
TEST_F(SettingsTest, NonsenseIsNotReadableAndStaysAsItWas) {
    const QByteArray nonsense[] = {
        "[GearTable]\nLast=Road\nSetups\\1\\Chainrings=50, 34\n",
        "[GearTable]\nLast=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x2)\n",
        "[GearTable]\nSetups\\1\\Name=@ByteArray(Road)\n",
    };
    for (const QByteArray& bytes : nonsense) {
        QDir().mkpath(QFileInfo(file()).path());
        WriteAll(file(), bytes);
        const StoredSettings read = platform.readSettings("GearTable");
        EXPECT_FALSE(read.readable) << bytes.constData();
        EXPECT_TRUE(read.values.empty()) << bytes.constData();
        EXPECT_EQ(ReadAll(file()), bytes);
        // A fresh file each time: QSettings remembers the files it has read.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           folder.filePath(QString::number(qHash(bytes))));
    }
}

TEST_F(SettingsTest, AStoreThatCannotBeWrittenSaysSo) {
    if (!QFileInfo(QStringLiteral("/proc")).isDir()) GTEST_SKIP() << "no /proc to fail in";
    // Not even the superuser may create a file there.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, "/proc/velomark-settings");
    EXPECT_FALSE(platform.writeSettings("GearTable", {{"Last", "Road"}}));
}

class SaveBytesTest : public ::testing::Test {
  protected:
    QTemporaryDir folder;
};

TEST_F(SaveBytesTest, WritesExactlyTheBytesOverWhatWasThere) {
    const QString path = folder.filePath("gears.csv");
    WriteAll(path, QByteArray(4096, 'x'));
    const std::string bytes("\"Gear inches\",50,34\r\n11,122.7,\"83,5\"\r\né\0end", 44);
    EXPECT_EQ(SaveBytes(path, bytes), SaveOutcome::Saved);
    EXPECT_EQ(ReadAll(path), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"gears.csv"});
}

TEST_F(SaveBytesTest, AFolderThatCannotTakeTheFileFailsAndLeavesNoFile) {
    const QString missing = folder.filePath("no such folder/gears.csv");
    EXPECT_EQ(SaveBytes(missing, "50,34\n"), SaveOutcome::Failed);
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(missing).path()));

    if (QFileInfo(QStringLiteral("/proc")).isDir()) {
        EXPECT_EQ(SaveBytes("/proc/velomark-gears.csv", "50,34\n"), SaveOutcome::Failed);
        EXPECT_FALSE(QFileInfo::exists("/proc/velomark-gears.csv"));
    }
    // A folder the person may only read (the superuser may write anywhere).
    if (::geteuid() != 0) {
        const QString locked = folder.filePath("locked");
        ASSERT_TRUE(QDir().mkdir(locked));
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(SaveBytes(locked + "/gears.csv", "50,34\n"), SaveOutcome::Failed);
        EXPECT_TRUE(QDir(locked).isEmpty());
        QFile::setPermissions(
            locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

// Runs a poppler tool on the PDF; what it printed, or "" when it is not installed.
QString Poppler(const char* tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return {};
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return "(failed) " + QString::fromUtf8(process.readAllStandardError());
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Where a word's box starts, in points from the paper's top-left corner, as pdftotext -bbox
// gives it; (-1, -1) when the word is not there.
QPointF WordAt(const QString& boxes, const QString& word) {
    const QRegularExpression pattern(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" "
                       "yMax=\"[0-9.]+\">%1</word>")
            .arg(QRegularExpression::escape(word)));
    const QRegularExpressionMatch match = pattern.match(boxes);
    if (!match.hasMatch()) return {-1, -1};
    return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

TEST(PrintLaidOutPage, PrintsTheTextsAndLinesWhereThePageSays) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
        QStandardPaths::findExecutable("pdftoppm").isEmpty()) {
        GTEST_SKIP() << "pdftotext and pdftoppm (poppler-utils) are not installed";
    }
    QTemporaryDir folder;
    const QString pdf = folder.filePath("card.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    PrintedPage page;
    page.title = "Stem card 50/34";
    page.texts.push_back({10, 10, 60, 6, "Road-bike", 10, true, PrintedText::Align::Left});
    page.texts.push_back({40, 30, 20, 5, "122.7", 8, false, PrintedText::Align::Right});
    page.lines.push_back({10, 50, 70, 50, 0.5});
    ASSERT_TRUE(PrintLaidOutPage(page, printer));

    EXPECT_TRUE(Poppler("pdfinfo", {pdf}).contains(QRegularExpression("Title: +Stem card 50/34")));
    const QString text = Poppler("pdftotext", {pdf, "-"});
    EXPECT_TRUE(text.contains("Road-bike")) << text.toStdString();
    EXPECT_TRUE(text.contains("122.7")) << text.toStdString();

    // Millimetres from the printable area's corner, inside the paper's margins.
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    const double pointsPerMm = 72 / 25.4;
    const QString boxes = Poppler("pdftotext", {"-bbox", pdf, "-"});
    const QPointF title = WordAt(boxes, "Road-bike");
    EXPECT_NEAR(title.x(), area.left() + 10 * pointsPerMm, 3) << boxes.toStdString();
    EXPECT_GT(title.y(), area.top() + 10 * pointsPerMm - 1);
    EXPECT_LT(title.y(), area.top() + 16 * pointsPerMm);
    // Right-aligned in its box: it ends near the box's right edge, 60 mm in.
    const QPointF number = WordAt(boxes, "122.7");
    EXPECT_GT(number.x(), area.left() + 40 * pointsPerMm + 20);
    EXPECT_LT(number.x(), area.left() + 60 * pointsPerMm);

    // The line, rasterised at 4 pixels a point: dark along its length at its height only.
    ASSERT_FALSE(
        Poppler("pdftoppm", {"-r", "288", "-png", "-singlefile", pdf, folder.filePath("page")})
            .startsWith("(failed)"));
    const QImage image(folder.filePath("page.png"));
    ASSERT_FALSE(image.isNull());
    const double pixelsPerMm = 288 / 25.4;
    const int y = qRound((area.top() / 72 * 25.4 + 50) * pixelsPerMm);
    const auto inked = [&image](int x, int y) { return qGray(image.pixel(x, y)) < 160; };
    for (double mm : {12.0, 40.0, 68.0}) {
        const int x = qRound((area.left() / 72 * 25.4 + mm) * pixelsPerMm);
        EXPECT_TRUE(inked(x, y) || inked(x, y - 1) || inked(x, y + 1)) << mm << " mm";
        EXPECT_FALSE(inked(x, y - 12)) << mm << " mm";
        EXPECT_FALSE(inked(x, y + 12)) << mm << " mm";
    }
    EXPECT_FALSE(inked(qRound((area.left() / 72 * 25.4 + 75) * pixelsPerMm), y));
}

TEST(Clipboard, HoldsWhatTheProgramPutThere) {
    // Only Qt's offscreen clipboard: a desktop's belongs to the person.
    if (QGuiApplication::platformName() != "offscreen") GTEST_SKIP() << "not offscreen";
    QtPlatform platform;
    platform.setClipboardText("Gear inches\t50\t34\n11\t122.7\t83.5\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Gear inches\t50\t34\n11\t122.7\t83.5\n");
}

}  // namespace
}  // namespace velomark::gui
