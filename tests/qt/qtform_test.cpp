// The Qt backend on a small form of every control kind: the design realised (places, stacking,
// focus order, fonts, the design's widget behaviour) and the binding both ways: a user's action
// reaches the model and fires its event, a change from code reaches the widget and fires none.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyleOptionSlider>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <stdexcept>
#include <vector>

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/qt/qtcontrols.h"
#include "platform/qt/qtform.h"
#include "qt/realised_window.h"

namespace zk::test {
namespace {

// A form with one control of each kind, laid out like the launcher's bottom strip and groups.
struct TSmallForm : TForm {
  TSmallForm() : TForm("Form1", 409, 385, "Small Form") {
    Narrow = Add<TButton>("Narrow", TBounds{216, 328, 193, 38}, "narrow");
    Wide = Add<TButton>("Wide", TBounds{0, 328, 409, 38}, "WIDE");
    Status = Add<TStatusBar>("Status", TBounds{0, 366, 409, 19});
    Pages = Add<TPageControl>("Pages", TBounds{0, 0, 410, 328});
    Page1 = Pages->Add<TTabSheet>("Page1", "first");
    Page2 = Pages->Add<TTabSheet>("Page2", "second");
    Group = Page1->Add<TGroupBox>("Group", TBounds{8, 8, 385, 105}, "  select  ");
    Radio1 = Group->Add<TRadioButton>("Radio1", TBounds{8, 16, 113, 17}, "one", false);
    Edit = Group->Add<TEdit>("Edit", TBounds{72, 16, 257, 21});
    Radio2 = Group->Add<TRadioButton>("Radio2", TBounds{8, 48, 113, 17}, "two", true);
    Combo = Group->Add<TComboBox>("Combo", TBounds{96, 48, 137, 21},
                                  std::vector<std::string>{"a", "b", "c"}, 0);
    Check = Group->Add<TCheckBox>("Check", TBounds{64, 80, 97, 17}, "check", false);
    Caption = Page1->Add<TLabel>("Caption", 8, 120, "number");
    Spin = Page1->Add<TCSpinEdit>("Spin", TBounds{8, 135, 89, 22}, 10, 4000, 10, 200);
    Free = Page1->Add<TCSpinEdit>("Free", TBounds{108, 135, 89, 22}, 0, 0, 1, 0);
    Hidden = Page1->Add<TMemo>("Hidden", TBounds{}, std::vector<std::string>{"x", "y"});
    Bar = Page2->Add<TTrackBar>("Bar", TBounds{88, 32, 89, 25}, 1, 7, 1, true);
    Plain = Page2->Add<TTrackBar>("Plain", TBounds{88, 64, 89, 25}, 10, 700, 125, false);
    Notes = Page2->Add<TMemo>("Notes", TBounds{8, 100, 386, 180},
                              std::vector<std::string>{"first line", "second line"});

    Group->SetFont({true, 0, kRed});
    Hidden->SetVisible(false);
    Edit->SetEnabled(false);
    Status->SetPanelText("credits");
    Wide->SetFont({true, 24, kRed});
    Narrow->SetFont({true, 24, kDefaultColor});
    // Focus: the pages, then the wide button, then the narrow one.
    Pages->TabOrder = 0;
    Wide->TabOrder = 1;
    Narrow->TabOrder = 2;
    Status->TabOrder = 3;

    Wide->OnClick = [this](TControl* sender) { events.push_back("Wide:" + sender->Name()); };
    Narrow->OnClick = [this](TControl*) { events.push_back("Narrow"); };
    Check->OnClick = [this](TControl*) { events.push_back("Check"); };
    Combo->OnChange = [this](TControl*) { events.push_back("Combo"); };
  }
  bool CloseQuery() override {
    ++closeQueries;
    return mayClose;
  }

  TButton* Narrow;
  TButton* Wide;
  TStatusBar* Status;
  TPageControl* Pages;
  TTabSheet* Page1;
  TTabSheet* Page2;
  TGroupBox* Group;
  TRadioButton* Radio1;
  TEdit* Edit;
  TRadioButton* Radio2;
  TComboBox* Combo;
  TCheckBox* Check;
  TLabel* Caption;
  TCSpinEdit* Spin;
  TCSpinEdit* Free;
  TMemo* Hidden;
  TTrackBar* Bar;
  TTrackBar* Plain;
  TMemo* Notes;

  std::vector<std::string> events;
  int closeQueries = 0;
  bool mayClose = true;
};

// Records the exception reports.
struct TReportDialogs : IDialogs {
  std::vector<std::string> shown;  // "title|text"
  TModalResult MessageBox(const std::string& text, const std::string& title, TMsgIcon,
                          TMsgButtons) override {
    shown.push_back(title + "|" + text);
    return TModalResult::Ok;
  }
  bool InputQuery(const std::string&, const std::string&, std::string&) override { return false; }
  bool OpenFile(const TOpenDialogSpec&, std::string&) override { return false; }
};

// The model and the dialogs come first: the window is made of them.
struct TSmallFormAndDialogs {
  TSmallForm f;
  TReportDialogs dialogs;
};

class QtForm : public ::testing::Test, protected TSmallFormAndDialogs, public TRealisedWindow {
 protected:
  QtForm() : TRealisedWindow(f, &dialogs) {}
  void ShowPage(int index) {
    f.Pages->SetActivePageIndex(index);
    QApplication::processEvents();
  }
};

TEST_F(QtForm, TheWindowIsFixedCentredAndCarriesTheFormsFontAndTitle) {
  EXPECT_EQ(window->windowTitle(), "Small Form");
  EXPECT_EQ(window->size(), QSize(409, 385));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window->font().pixelSize(), 11);
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE((window->geometry().center() - area.center()).manhattanLength(), 2);
  // Controls inherit the window's font unless their traits say otherwise; a group box's traits
  // are its caption's alone.
  for (const TControl* c : {static_cast<TControl*>(f.Group), static_cast<TControl*>(f.Check)}) {
    EXPECT_EQ(qt.WidgetOf(c)->font().pixelSize(), 11) << c->Name();
    EXPECT_FALSE(qt.WidgetOf(c)->font().bold()) << c->Name();
    EXPECT_NE(qt.WidgetOf(c)->palette().color(QPalette::WindowText), QColor(Qt::red));
  }
}

TEST_F(QtForm, ControlsLieWhereTheDesignPutsThemWithTheirTraits) {
  EXPECT_EQ(Widget<QPushButton>(f.Wide)->geometry(), QRect(0, 328, 409, 38));
  EXPECT_EQ(Widget<QPushButton>(f.Narrow)->geometry(), QRect(216, 328, 193, 38));
  EXPECT_EQ(Widget<QStatusBar>(f.Status)->geometry(), QRect(0, 366, 409, 19));
  EXPECT_EQ(Widget<QGroupBox>(f.Group)->geometry(), QRect(8, 8, 385, 105));
  EXPECT_EQ(Widget<QComboBox>(f.Combo)->geometry(), QRect(96, 48, 137, 21));
  // A label sizes itself to its caption.
  auto* label = Widget<QLabel>(f.Caption);
  EXPECT_EQ(label->pos(), QPoint(8, 120));
  EXPECT_EQ(label->size(), label->sizeHint());

  auto* wide = Widget<QPushButton>(f.Wide);
  EXPECT_TRUE(wide->font().bold());
  EXPECT_EQ(wide->font().pixelSize(), 24);
  EXPECT_EQ(wide->palette().color(QPalette::ButtonText), QColor(Qt::red));
  auto* narrow = Widget<QPushButton>(f.Narrow);
  EXPECT_EQ(narrow->font().pixelSize(), 24);
  EXPECT_NE(narrow->palette().color(QPalette::ButtonText), QColor(Qt::red));

  EXPECT_FALSE(Widget<QLineEdit>(f.Edit)->isEnabled());
  EXPECT_FALSE(Widget<QStatusBar>(f.Status)->isSizeGripEnabled());
  EXPECT_EQ(Widget<QStatusBar>(f.Status)->findChild<QLabel*>()->text(), "credits");
  auto* tabs = Widget<QTabWidget>(f.Pages);
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(1), "second");
  EXPECT_EQ(tabs->widget(1), qt.WidgetOf(f.Page2));
  EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(QtForm, TheLaterSiblingLiesAboveAndTheFocusFollowsTabOrder) {
  Show();
  for (QPoint p : {QPoint(10, 340), QPoint(300, 340), QPoint(400, 360)})
    EXPECT_EQ(window->childAt(p), qt.WidgetOf(f.Wide)) << p.x() << "," << p.y();
  QTest::mouseClick(window->childAt(QPoint(300, 340)), Qt::LeftButton);
  EXPECT_EQ(f.events, (std::vector<std::string>{"Wide:Wide"}));

  // The page's controls come first, then the wide button and the narrow one.
  EXPECT_EQ(qt.WidgetOf(f.Wide)->nextInFocusChain(), qt.WidgetOf(f.Narrow));
  std::vector<QWidget*> chain;
  for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
    chain.push_back(w);
  auto place = [&](const TControl* c) {
    return std::find(chain.begin(), chain.end(), qt.WidgetOf(c)) - chain.begin();
  };
  const TControl* order[] = {f.Pages, f.Radio1, f.Edit, f.Combo, f.Spin, f.Bar, f.Wide, f.Narrow};
  for (std::size_t i = 1; i < std::size(order); ++i)
    EXPECT_LT(place(order[i - 1]), place(order[i])) << order[i]->Name();
  EXPECT_LT(place(f.Narrow), static_cast<std::ptrdiff_t>(chain.size()));
}

TEST_F(QtForm, TheDesignsWidgetDetails) {
  // Group box caption on the frame line: the frame starts at the caption's middle.
  auto* group = dynamic_cast<TQtGroupBox*>(qt.WidgetOf(f.Group));
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->CaptionRect().top(), 0);
  EXPECT_EQ(group->FrameTop(), group->CaptionRect().center().y());
  EXPECT_TRUE(group->CaptionFont().bold());
  EXPECT_LT(group->FrameTop(), 16);  // above the first row of controls
  group->resize(group->size());
  const QImage image = group->grab().toImage();
  bool red = false;
  for (int x = group->CaptionRect().left(); x <= group->CaptionRect().right(); ++x)
    for (int y = 0; y <= group->CaptionRect().bottom(); ++y)
      red = red || image.pixelColor(x, y) == QColor(Qt::red);
  EXPECT_TRUE(red) << "caption painted in red";

  // Slider thumb 10 long; ticks only where the model asks.
  auto* bar = Widget<QSlider>(f.Bar);
  QStyleOptionSlider option;
  option.initFrom(bar);
  EXPECT_EQ(bar->style()->pixelMetric(QStyle::PM_SliderLength, &option, bar), 10);
  EXPECT_NE(bar->tickPosition(), QSlider::NoTicks);
  EXPECT_EQ(Widget<QSlider>(f.Plain)->tickPosition(), QSlider::NoTicks);
  EXPECT_EQ(bar->orientation(), Qt::Horizontal);

  // Memos: a hidden one stays hidden; the visible one is read-only, wrapped, without scroll bars.
  EXPECT_TRUE(qt.WidgetOf(f.Hidden)->isHidden());
  auto* notes = Widget<QPlainTextEdit>(f.Notes);
  EXPECT_FALSE(notes->isHidden());
  EXPECT_TRUE(notes->isReadOnly());
  EXPECT_EQ(notes->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(notes->toPlainText(), "first line\nsecond line");
  EXPECT_EQ(notes->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(QtForm, UserActionsChangeTheModelAndFireTheDesignsEvents) {
  Show();
  QTest::mouseClick(Widget<QCheckBox>(f.Check), Qt::LeftButton);
  EXPECT_TRUE(f.Check->Checked());
  QTest::mouseClick(Widget<QCheckBox>(f.Check), Qt::LeftButton);
  EXPECT_FALSE(f.Check->Checked());
  EXPECT_FALSE(Widget<QCheckBox>(f.Check)->isChecked());

  // The model keeps the radio buttons exclusive; a click on the checked one leaves it checked.
  // Qt takes a click on the indicator and caption only.
  QTest::mouseClick(Widget<QRadioButton>(f.Radio1), Qt::LeftButton, {}, QPoint(6, 8));
  EXPECT_TRUE(f.Radio1->Checked());
  EXPECT_FALSE(f.Radio2->Checked());
  EXPECT_FALSE(Widget<QRadioButton>(f.Radio2)->isChecked());
  QTest::mouseClick(Widget<QRadioButton>(f.Radio1), Qt::LeftButton, {}, QPoint(6, 8));
  EXPECT_TRUE(Widget<QRadioButton>(f.Radio1)->isChecked());

  auto* combo = Widget<QComboBox>(f.Combo);
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(f.Combo->ItemIndex(), 1);

  Widget<QPushButton>(f.Narrow)->click();  // reachable by keyboard only
  EXPECT_EQ(f.events, (std::vector<std::string>{"Check", "Check", "Combo", "Narrow"}));

  ShowPage(1);
  auto* bar = Widget<QSlider>(f.Plain);
  bar->setFocus();
  QTest::keyClick(bar, Qt::Key_Right);
  EXPECT_EQ(f.Plain->Position(), 126);
  QTest::mouseClick(Widget<QTabWidget>(f.Pages)->tabBar(), Qt::LeftButton, {},
                    Widget<QTabWidget>(f.Pages)->tabBar()->tabRect(0).center());
  EXPECT_EQ(f.Pages->ActivePageIndex(), 0);
}

TEST_F(QtForm, ChangesFromCodeShowWithoutAnyEvent) {
  f.Check->SetChecked(true);
  f.Radio1->SetChecked(true);
  f.Combo->ClearItems();
  f.Combo->AddItems({"p", "q"});
  f.Combo->SetItemIndex(1);
  f.Bar->SetPosition(9);
  f.Spin->SetValue(4005);
  f.Edit->SetText("/maps/a.map");
  f.Caption->SetCaption("a much longer caption");
  f.Status->SetPanelText("Editing map");
  f.Group->SetEnabled(false);
  f.Notes->SetVisible(false);
  f.Pages->SetActivePageIndex(1);
  f.Wide->SetFont({});
  EXPECT_TRUE(f.events.empty());

  EXPECT_TRUE(Widget<QCheckBox>(f.Check)->isChecked());
  EXPECT_TRUE(Widget<QRadioButton>(f.Radio1)->isChecked());
  EXPECT_FALSE(Widget<QRadioButton>(f.Radio2)->isChecked());
  auto* combo = Widget<QComboBox>(f.Combo);
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->currentText(), "q");
  EXPECT_EQ(Widget<QSlider>(f.Bar)->value(), 7);
  EXPECT_EQ(Widget<QSpinBox>(f.Spin)->value(), 4000);
  EXPECT_EQ(Widget<QLineEdit>(f.Edit)->text(), "/maps/a.map");
  auto* label = Widget<QLabel>(f.Caption);
  EXPECT_EQ(label->text(), "a much longer caption");
  EXPECT_EQ(label->size(), label->sizeHint());
  EXPECT_EQ(Widget<QStatusBar>(f.Status)->findChild<QLabel*>()->text(), "Editing map");
  EXPECT_FALSE(qt.WidgetOf(f.Group)->isEnabled());
  EXPECT_FALSE(qt.WidgetOf(f.Radio1)->isEnabled());
  EXPECT_TRUE(qt.WidgetOf(f.Notes)->isHidden());
  EXPECT_EQ(Widget<QTabWidget>(f.Pages)->currentIndex(), 1);
  EXPECT_FALSE(Widget<QPushButton>(f.Wide)->font().bold());
  EXPECT_NE(Widget<QPushButton>(f.Wide)->palette().color(QPalette::ButtonText), QColor(Qt::red));
}

TEST_F(QtForm, SpinEditsStepOnlyByArrowsAndUpDownKeys) {
  Show();
  auto* spin = Widget<QSpinBox>(f.Spin);
  spin->setFocus();
  QTest::keyClick(spin, Qt::Key_Up);
  EXPECT_EQ(f.Spin->Value(), 210);
  QTest::keyClick(spin, Qt::Key_Down);
  QTest::keyClick(spin, Qt::Key_Down);
  EXPECT_EQ(f.Spin->Value(), 190);
  QTest::keyClick(spin, Qt::Key_Up, Qt::ControlModifier);  // Qt's step of ten: one step here
  EXPECT_EQ(f.Spin->Value(), 200);
  for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_PageDown}) QTest::keyClick(spin, key);
  QTest::keyClicks(spin, "5");
  QTest::keyClick(spin, Qt::Key_Backspace);
  QWheelEvent wheel(QPointF(10, 10), spin->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(spin, &wheel);
  EXPECT_EQ(f.Spin->Value(), 200);
  EXPECT_EQ(spin->value(), 200);
  EXPECT_EQ(spin->text(), "200");

  // The arrow buttons step too; at the end of the range nothing moves.
  f.Spin->SetValue(4000);
  QStyleOptionSpinBox option;
  option.initFrom(spin);
  option.subControls = QStyle::SC_SpinBoxUp;
  const QRect up =
      spin->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, spin);
  QTest::mouseClick(spin, Qt::LeftButton, {}, up.center());
  EXPECT_EQ(f.Spin->Value(), 4000);
  QTest::keyClick(spin, Qt::Key_Down);
  EXPECT_EQ(f.Spin->Value(), 3990);

  // Equal bounds mean none: the arrows go below 0.
  auto* free = Widget<QSpinBox>(f.Free);
  free->setFocus();
  QTest::keyClick(free, Qt::Key_Down);
  EXPECT_EQ(f.Free->Value(), -1);
  f.Free->SetValue(INT_MIN);
  EXPECT_EQ(free->value(), INT_MIN);
}

TEST_F(QtForm, CloseAsksTheFormAndAnEscapingErrorIsReported) {
  Show();
  f.mayClose = false;
  window->close();
  EXPECT_TRUE(window->isVisible());
  f.mayClose = true;
  f.Close();  // from code, through the peer
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(f.closeQueries, 2);

  Show();
  f.Check->OnClick = [](TControl*) { throw std::runtime_error("disk full"); };
  QTest::mouseClick(Widget<QCheckBox>(f.Check), Qt::LeftButton);
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"Zeb-Kin|disk full"}));
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Widget<QCheckBox>(f.Check)->isChecked(), f.Check->Checked());
}

TEST(QtFormLifetime, TheModelOutlivesItsWindowWithoutPeers) {
  TSmallForm f;
  {
    TQtForm qt(f);
    EXPECT_NE(f.Check->Peer(), nullptr);
  }
  EXPECT_EQ(f.Check->Peer(), nullptr);
  EXPECT_EQ(f.FormPeer(), nullptr);
  f.Check->SetChecked(true);  // no widget left to reach
  f.ProcessMessages();
  EXPECT_TRUE(f.CloseQuery());
}

}  // namespace
}  // namespace zk::test
