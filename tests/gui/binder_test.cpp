// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <vector>

#include "desktop.h"
#include "gui/control_widgets.h"
#include "gui/layouts.h"
#include "road/road.h"
#include "shell/chart.h"
#include "shell/grid.h"
#include "shell/main_menu.h"
#include "shell/splash.h"

namespace velomark::gui {
namespace {

// A small window whose handlers log what ran, in order.
class LogWindow : public Form {
  public:
    explicit LogWindow(Application& app, std::string name = "frmLog")
        : Form(app, std::move(name), "Log"),
          FrameF(*this, "FrameF", "&Frame"),
          lblE(*this, "lblE", "E & more"),
          txtD(*this, "txtD"),
          OptionA(*this, "OptionA", "&A"),
          OptionB(*this, "OptionB", "&B"),
          chkC(*this, "chkC", "&C"),
          cmdG(*this, "cmdG", "&Go") {
        FrameF.onClick([this] { log.push_back("F clicked"); });
        txtD.onChange([this] { log.push_back("D changed to " + txtD.text()); });
        txtD.onLostFocus([this] { log.push_back("D lost focus"); });
        OptionA.onClick([this] { log.push_back("A clicked"); });
        OptionB.onClick([this] { log.push_back("B clicked"); });
        chkC.onClick([this] { log.push_back("C clicked"); });
        cmdG.onClick([this] { log.push_back("G clicked"); });
        setTabOrder({&txtD, &OptionA, &OptionB, &chkC, &cmdG});
    }

    GroupBox FrameF;
    Label lblE;
    TextField txtD;
    OptionButton OptionA;
    OptionButton OptionB;
    CheckBox chkC;
    Button cmdG;
    std::vector<std::string> log;
};

template <class Widget>
Widget* Add(QWidget& parent, const char* name) {
    auto* widget = new Widget(&parent);
    widget->setObjectName(name);
    parent.layout()->addWidget(widget);
    return widget;
}

// The window as a .ui would draw it, built by hand; extra adds a widget of its own.
QMainWindow* LogLayout(void (*extra)(QWidget& central) = nullptr) {
    auto* window = new QMainWindow;
    window->setObjectName("frmLog");
    auto* central = new QWidget(window);
    central->setObjectName("centralwidget");
    new QVBoxLayout(central);
    auto* frame = Add<QGroupBox>(*central, "FrameF");
    new QVBoxLayout(frame);
    Add<QLabel>(*frame, "lblE");
    Add<QLineEdit>(*central, "txtD");
    Add<QRadioButton>(*central, "OptionA");
    Add<QRadioButton>(*central, "OptionB");
    Add<QCheckBox>(*central, "chkC");
    Add<QPushButton>(*central, "cmdG");
    Add<QLabel>(*central, "capCaption");
    if (extra) extra(*central);
    window->setCentralWidget(central);
    return window;
}

class BinderTest : public ::testing::Test {
  protected:
    BinderTest() : form(desktop.app) {
        std::string error;
        view = FormView::Bind(form, desktop.frontEnd, LogLayout(), error);
        EXPECT_TRUE(view) << error;
        view->show();
        QMainWindow* window = view->window();
        EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
    }

    // A click on an option's or check box's own box.
    static void tick(QAbstractButton& box) {
        QTest::mouseClick(&box, Qt::LeftButton, {}, {8, box.height() / 2});
    }

    template <class Widget>
    Widget& widget(const Control& control) {
        return *qobject_cast<Widget*>(view->widgetOf(control));
    }

    Desktop desktop;
    LogWindow form;
    std::unique_ptr<FormView> view;
};

TEST_F(BinderTest, TheWidgetsShowTheModel) {
    form.txtD.setText("12");
    form.txtD.setBackground(colours::kInput);
    form.txtD.setLocked(true);
    form.cmdG.setEnabled(false);
    form.chkC.setVisible(false);
    auto& field = widget<QLineEdit>(form.txtD);
    EXPECT_EQ(field.text(), "12");
    EXPECT_TRUE(field.isReadOnly());
    EXPECT_EQ(field.palette().color(QPalette::Base), QColor(192, 255, 255));
    // Switched off, a field looks it whatever its colour when typable.
    form.txtD.setEnabled(false);
    EXPECT_EQ(field.palette().color(QPalette::Disabled, QPalette::Base),
              QApplication::palette(&field).color(QPalette::Disabled, QPalette::Base));
    EXPECT_FALSE(widget<QPushButton>(form.cmdG).isEnabled());
    EXPECT_TRUE(widget<QCheckBox>(form.chkC).isHidden());
    // A text the program writes is shown as it is, "&" included.
    EXPECT_EQ(widget<QLabel>(form.lblE).text(), "E & more");
    EXPECT_EQ(widget<QLabel>(form.lblE).textFormat(), Qt::PlainText);
    EXPECT_EQ(view->window()->windowTitle(), "Log");
    EXPECT_EQ(form.log, std::vector<std::string>{"D changed to 12"});
}

TEST_F(BinderTest, EachKeystrokeIsOneChangeAndAClickComesAfterTheLostFocus) {
    auto& field = widget<QLineEdit>(form.txtD);
    QTest::mouseClick(&field, Qt::LeftButton);
    QTest::keyClicks(&field, "45");
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::mouseClick(&widget<QPushButton>(form.cmdG), Qt::LeftButton);
    const std::vector<std::string> expected{"D changed to 4", "D changed to 45", "D changed to 4",
                                            "D lost focus", "G clicked"};
    EXPECT_EQ(form.log, expected);
}

TEST_F(BinderTest, AnOptionClickedAgainStaysOnAndACheckBoxToggles) {
    auto& optionA = widget<QRadioButton>(form.OptionA);
    tick(optionA);
    tick(optionA);
    EXPECT_TRUE(form.OptionA.value());
    EXPECT_TRUE(optionA.isChecked());
    tick(widget<QRadioButton>(form.OptionB));
    EXPECT_FALSE(optionA.isChecked());
    EXPECT_TRUE(widget<QRadioButton>(form.OptionB).isChecked());
    tick(widget<QCheckBox>(form.chkC));
    EXPECT_TRUE(form.chkC.value());
    EXPECT_TRUE(widget<QCheckBox>(form.chkC).isChecked());
    const std::vector<std::string> expected{"A clicked", "A clicked", "B clicked", "C clicked"};
    EXPECT_EQ(form.log, expected);
}

TEST_F(BinderTest, LeavingAFieldForNothingIsALossOfFocusButAnotherWindowIsNot) {
    auto& field = widget<QLineEdit>(form.txtD);
    widget<QPushButton>(form.cmdG).setFocus(Qt::TabFocusReason);
    QTest::mouseClick(&field, Qt::LeftButton);
    ASSERT_EQ(form.focused(), &form.txtD);
    Form& menu = desktop.open(MainMenu::kName);
    desktop.settle();
    view->show();
    QMainWindow* window = view->window();
    ASSERT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
    EXPECT_EQ(form.log, std::vector<std::string>{});
    field.clearFocus();
    EXPECT_EQ(form.log, std::vector<std::string>{"D lost focus"});
    EXPECT_EQ(form.focused(), nullptr);
    (void)menu;
}

TEST_F(BinderTest, AClickOnALabelIsTheLabelsNotItsFrames) {
    QTest::mouseClick(&widget<QLabel>(form.lblE), Qt::LeftButton);
    EXPECT_EQ(form.log, std::vector<std::string>{});
    auto& frame = widget<QGroupBox>(form.FrameF);
    QTest::mouseClick(&frame, Qt::LeftButton, {}, QPoint(frame.width() - 3, frame.height() - 3));
    EXPECT_EQ(form.log, std::vector<std::string>{"F clicked"});
}

TEST(ControlWidgets, AMismatchNamesTheControlAndTheWidget) {
    Desktop desktop;
    LogWindow form(desktop.app);
    std::unique_ptr<QMainWindow> window(LogLayout([](QWidget& central) {
        delete central.findChild<QPushButton*>("cmdG");
        Add<QLabel>(central, "chkC");
        Add<QLineEdit>(central, "txtStray");
    }));
    delete window->findChild<QRadioButton*>("OptionB");
    window->findChild<QLineEdit*>("txtD")->setObjectName("txtDD");
    const ControlWidgets match = MatchControls(form, *window);
    const std::vector<std::string> expected{
        "the text field txtD has no widget (a QLineEdit named txtD)",
        "the option button OptionB has no widget (a QRadioButton named OptionB)",
        "the check box chkC has 2 widgets of that name",
        "the button cmdG has no widget (a QPushButton named cmdG)",
        "the widget txtDD (QLineEdit) is no control of frmLog",
        "the widget txtStray (QLineEdit) is no control of frmLog",
    };
    EXPECT_EQ(match.problems, expected);
}

TEST(ControlWidgets, AWidgetOfTheWrongClassIsNamed) {
    Desktop desktop;
    LogWindow form(desktop.app);
    std::unique_ptr<QMainWindow> window(LogLayout());
    window->findChild<QPushButton*>("cmdG")->setObjectName("ignored");
    Add<QLabel>(*window->centralWidget(), "cmdG");
    const ControlWidgets match = MatchControls(form, *window);
    EXPECT_EQ(match.problems,
              std::vector<std::string>{"the button cmdG is drawn as a QLabel, not a QPushButton"});
}

class TableWindow : public Form {
  public:
    explicit TableWindow(Application& app) : Form(app, "frmTable", "Table") {}
    Grid grdG{*this, "grdG"};
    Chart picC{*this, "picC"};
};

// The window with a grid and a chart drawn by the widgets that extra adds.
std::unique_ptr<QMainWindow> TableLayout(void (*extra)(QWidget& central)) {
    auto window = std::make_unique<QMainWindow>();
    window->setObjectName("frmTable");
    auto* central = new QWidget(window.get());
    new QVBoxLayout(central);
    extra(*central);
    window->setCentralWidget(central);
    return window;
}

TEST(ControlWidgets, AGridNeedsATableAndAChartAPlainWidget) {
    Desktop desktop;
    TableWindow form(desktop.app);
    const auto problems = [&form](void (*extra)(QWidget&)) {
        return MatchControls(form, *TableLayout(extra)).problems;
    };
    EXPECT_EQ(problems([](QWidget& central) {
                  Add<QTableWidget>(central, "grdG");
                  Add<QWidget>(central, "picC");
              }),
              std::vector<std::string>{});
    EXPECT_EQ(
        problems([](QWidget& central) {
            Add<QListWidget>(central, "grdG");
            Add<QLabel>(central, "picC");
        }),
        (std::vector<std::string>{"the grid grdG is drawn as a QListWidget, not a QTableWidget",
                                  "the chart picC is drawn as a QLabel, not a QWidget"}));
    EXPECT_EQ(
        problems([](QWidget& central) {
            Add<QTableWidget>(central, "grdStray");
            Add<QWidget>(central, "picStray");
        }),
        (std::vector<std::string>{"the grid grdG has no widget (a QTableWidget named grdG)",
                                  "the chart picC has no widget (a QWidget named picC)",
                                  "the widget grdStray (QTableWidget) is no control of frmTable",
                                  "the widget picStray (QWidget) is no control of frmTable"}));
}

TEST(ControlWidgets, AMismatchedLayoutKeepsItsWindowFromOpening) {
    Desktop desktop;
    LogWindow form(desktop.app);
    std::string error;
    auto view = FormView::Bind(
        form, desktop.frontEnd,
        LogLayout([](QWidget& central) { Add<QPushButton>(central, "cmdStray"); }), error);
    EXPECT_EQ(view, nullptr);
    EXPECT_EQ(error,
              "does not match the window frmLog:\n- the widget cmdStray (QPushButton) is no "
              "control of frmLog");
}

// Every layout built into the program matches its window's model.
TEST(Layouts, EveryLayoutMatchesItsWindow) {
    Desktop desktop;
    ASSERT_FALSE(Layouts().empty());
    for (const Layout& layout : Layouts()) {
        ASSERT_TRUE(desktop.app.isRegistered(layout.window)) << layout.file;
        Form& form = desktop.app.load(layout.window);
        EXPECT_NE(desktop.frontEnd.viewOf(form), nullptr) << layout.file;
        desktop.app.unload(form);
    }
    EXPECT_EQ(desktop.platform.messages().size(), 0u);
}

TEST(Layouts, AWindowWithoutALayoutSaysSoAndStaysClosed) {
    Desktop desktop;
    desktop.app.registerWindow("frmNowhere", [](Application& app) {
        return std::make_unique<LogWindow>(app, "frmNowhere");
    });
    desktop.app.open("frmNowhere");
    ASSERT_EQ(desktop.platform.messages().size(), 1u);
    EXPECT_NE(desktop.platform.messages()[0].text.find("frmNowhere"), std::string::npos);
    EXPECT_EQ(desktop.app.loaded("frmNowhere"), nullptr);
}

}  // namespace
}  // namespace velomark::gui
