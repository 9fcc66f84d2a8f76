// The launcher's own window through the Qt backend: the design as the player sees it (places,
// stacking, focus order, fonts, colours, the design's widget details) and the player's actions
// on real widgets reaching the window's behaviour, the run's progress painted at each step.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
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
#include <string>
#include <vector>

#include "qt/realised_window.h"
#include "support/laid_out_game.h"
#include "support/window_test.h"

namespace zk::test {
namespace {

class MainWindow : public TWindowTest, public TRealisedWindow {
 protected:
  MainWindow() : TRealisedWindow(w, &f.dialogs) {}
  void ShowPage(TTabSheet* page) {
    auto* tabs = Widget<QTabWidget>(w.PageControl1);
    tabs->setCurrentWidget(qt.WidgetOf(page));
    QApplication::processEvents();
  }
};

TEST_F(MainWindow, TheWindowAndItsBottomStrip) {
  Show();
  EXPECT_EQ(window->windowTitle(), "Zeb-Kin Setup");
  EXPECT_EQ(window->size(), QSize(409, 385));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window->font().pixelSize(), 11);
  auto* tabs = Widget<QTabWidget>(w.PageControl1);
  EXPECT_EQ(tabs->geometry(), QRect(0, 0, 410, 328));
  ASSERT_EQ(tabs->count(), 4);
  EXPECT_EQ(tabs->tabText(3), "don't read me");
  EXPECT_EQ(tabs->currentIndex(), 0);

  // LAUNCH! lies over "generate map": the mouse hits it anywhere on the strip; the keyboard
  // reaches "generate map" after it.
  EXPECT_EQ(Widget(w.Button1)->geometry(), QRect(0, 328, 409, 38));
  EXPECT_EQ(Widget(w.Button5)->geometry(), QRect(216, 328, 193, 38));
  for (QPoint p : {QPoint(1, 329), QPoint(215, 347), QPoint(300, 340), QPoint(408, 365)})
    EXPECT_EQ(window->childAt(p), Widget(w.Button1)) << p.x() << "," << p.y();
  EXPECT_EQ(Widget(w.Button1)->nextInFocusChain(), Widget(w.Button5));
  for (TButton* b : {w.Button1, w.Button5}) {
    EXPECT_TRUE(Widget(b)->font().bold());
    EXPECT_EQ(Widget(b)->font().pixelSize(), 24);
  }
  EXPECT_EQ(Widget(w.Button1)->palette().color(QPalette::ButtonText), QColor(Qt::red));
  EXPECT_NE(Widget(w.Button5)->palette().color(QPalette::ButtonText), QColor(Qt::red));
  EXPECT_EQ(Widget(w.Button4)->palette().color(QPalette::ButtonText), QColor(Qt::red));

  auto* status = Widget<QStatusBar>(w.StatusBar1);
  EXPECT_EQ(status->geometry(), QRect(0, 366, 409, 19));
  EXPECT_FALSE(status->isSizeGripEnabled());
  EXPECT_EQ(status->findChild<QLabel*>()->text().toStdString(), w.StatusBar1->PanelText());
}

// The group boxes as drawn: the frame's top line runs through the middle of the bold red
// caption, above the first row of controls, which the design places from top 16; the controls
// keep the normal font and colour.
TEST_F(MainWindow, GroupCaptionsSlidersAndMemosAsDesigned) {
  Show();
  for (TGroupBox* g : {w.GroupBox2, w.GroupBox5, w.GroupBox3, w.GroupBox6, w.GroupBox4, w.GroupBox1,
                       w.GroupBox7}) {
    SCOPED_TRACE(g->Name());
    QWidget* box = qt.WidgetOf(g);
    EXPECT_EQ(box->geometry(),
              QRect(g->Bounds().Left, g->Bounds().Top, g->Bounds().Width, g->Bounds().Height));
    Widget<QTabWidget>(w.PageControl1)->setCurrentWidget(box->parentWidget());
    const QImage image =
        window->grab(QRect(box->mapTo(window, QPoint(0, 0)), box->size())).toImage();
    // The frame's top line, read right of the caption, below the box's top row.
    const QColor background = image.pixelColor(box->width() - 20, 0);
    int frameTop = -1;
    for (int y = 1; y < 30 && frameTop < 0; ++y)
      if (image.pixelColor(box->width() - 20, y) != background) frameTop = y;
    // The caption's red ink.
    int redTop = INT_MAX, redBottom = -1;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < box->width() / 2; ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > 180 && c.green() < 90 && c.blue() < 90) {
          redTop = std::min(redTop, y);
          redBottom = std::max(redBottom, y);
        }
      }
    ASSERT_GE(frameTop, 0) << "no frame line";
    ASSERT_GE(redBottom, 0) << "no red caption";
    EXPECT_NEAR(frameTop, (redTop + redBottom) / 2.0, 2.5);
    EXPECT_LT(frameTop, 14);
    for (const auto& control : g->Children()) {
      QWidget* child = qt.WidgetOf(control.get());
      if (control->Font().Color != kDefaultColor) continue;  // "delete" is red of its own
      EXPECT_FALSE(child->font().bold()) << control->Name();
      EXPECT_NE(child->palette().color(QPalette::WindowText), QColor(Qt::red)) << control->Name();
    }
  }

  for (TTrackBar* bar : w.SliderTable) {
    SCOPED_TRACE(bar->Name());
    auto* slider = Widget<QSlider>(bar);
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->Min();
    option.maximum = bar->Max();
    option.sliderPosition = bar->Position();
    const QRect thumb = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                        QStyle::SC_SliderHandle, slider);
    EXPECT_EQ(thumb.width(), 10);
    // Tick marks on the shooting power sliders alone.
    EXPECT_EQ(slider->tickPosition() != QSlider::NoTicks, bar->Min() == 1 && bar->Max() == 7);
    EXPECT_EQ(slider->isEnabled(), bar->Enabled());
  }

  for (TMemo* m : {w.Memo2, w.Memo3, w.Memo4, w.Memo5, w.Memo6})
    EXPECT_TRUE(Widget(m)->isHidden()) << m->Name();
  EXPECT_FALSE(Widget(w.Edit1)->isEnabled());
  EXPECT_EQ(Widget<QComboBox>(w.ComboBox4)->maxVisibleItems(), 11);

  // The notes page shows all its text without a scroll bar.
  ShowPage(w.TabSheet4);
  auto* notes = Widget<QPlainTextEdit>(w.Memo1);
  EXPECT_EQ(notes->geometry(), QRect(8, 8, 386, 280));
  EXPECT_TRUE(notes->isVisible());
  EXPECT_TRUE(notes->isReadOnly());
  EXPECT_EQ(notes->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(notes->blockCount(), 12);
  EXPECT_FALSE(notes->verticalScrollBar()->isVisible());
  EXPECT_EQ(notes->verticalScrollBar()->maximum(), 0) << "the notes do not fit the page";
}

TEST_F(MainWindow, SpinEditsStepByKeysOnlyAndPicksReachTheBehaviour) {
  Show();
  auto* health = Widget<QSpinBox>(w.CSpinEdit4);
  ShowPage(w.TabSheet1);
  health->setFocus();
  QTest::keyClick(health, Qt::Key_Up);
  EXPECT_EQ(w.CSpinEdit4->Value(), 210);
  QTest::keyClick(health, Qt::Key_Down);
  QTest::keyClick(health, Qt::Key_Down);
  EXPECT_EQ(w.CSpinEdit4->Value(), 190);
  QTest::keyClicks(health, "5");
  QTest::keyClick(health, Qt::Key_PageUp);
  QWheelEvent wheel(QPointF(10, 10), health->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(health, &wheel);
  EXPECT_EQ(w.CSpinEdit4->Value(), 190);
  EXPECT_EQ(health->text(), "190");

  ShowPage(w.TabSheet2);
  auto* bots = Widget<QSpinBox>(w.CSpinEdit2);  // no bounds: below 0
  bots->setFocus();
  QTest::keyClick(bots, Qt::Key_Down);
  EXPECT_EQ(w.CSpinEdit2->Value(), -1);

  // A pick of the second episode lists its levels and switches to the game's maps.
  w.RadioButton1->SetChecked(true);
  auto* episodes = Widget<QComboBox>(w.ComboBox3);
  episodes->setFocus();
  QTest::keyClick(episodes, Qt::Key_Down);
  EXPECT_EQ(w.ComboBox3->ItemIndex(), 1);
  auto* levels = Widget<QComboBox>(w.ComboBox4);
  ASSERT_EQ(levels->count(), 11);
  EXPECT_EQ(levels->currentText(), "Spaceport");
  EXPECT_TRUE(Widget<QRadioButton>(w.RadioButton2)->isChecked());
  EXPECT_FALSE(Widget<QRadioButton>(w.RadioButton1)->isChecked());

  // A difficulty with monsters frees "respawn monsters".
  auto* difficulty = Widget<QComboBox>(w.ComboBox2);
  difficulty->setFocus();
  QTest::keyClick(difficulty, Qt::Key_Down);
  EXPECT_TRUE(Widget(w.CheckBox7)->isEnabled());

  // The expander switch: clicked off, the shrinker row is the one that can be edited.
  ShowPage(w.TabSheet5);
  QTest::mouseClick(Widget(w.CheckBox2), Qt::LeftButton, {}, QPoint(6, 8));
  EXPECT_FALSE(w.CheckBox2->Checked());
  ExpectWeaponRowsFor(w, false);
  for (TControl* c : {static_cast<TControl*>(w.TrackBar24), static_cast<TControl*>(w.Label29)})
    EXPECT_TRUE(Widget(c)->isEnabled()) << c->Name();
  for (TControl* c : {static_cast<TControl*>(w.TrackBar29), static_cast<TControl*>(w.Label33)})
    EXPECT_FALSE(Widget(c)->isEnabled()) << c->Name();
  EXPECT_TRUE(f.dialogs.shown.empty());
}

// The status texts that reached the screen: one entry per paint of the panel.
struct TPaintedPanel : QObject {
  explicit TPaintedPanel(QLabel* panel) : panel_(panel) { panel->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == panel_ && event->type() == QEvent::Paint &&
        (texts.empty() || texts.back() != panel_->text().toStdString()))
      texts.push_back(panel_->text().toStdString());
    return false;
  }
  std::vector<std::string> texts;

 private:
  QLabel* panel_;
};

// LAUNCH! clicked on the real window: each step's text is painted while the step runs (no event
// loop runs in between), and a close during the game waits for the cleanup, then happens.
class MainWindowRun : public ::testing::Test {
 protected:
  MainWindowRun() { LayOutGame(folder); }
  TGameFolder folder{TGameFolder::WithGame};
  TFormFixture f{folder};
  TForm1& w = *f.form;
  TQtForm qt{w, &f.dialogs};
  QWidget* window = qt.Window();
};

TEST_F(MainWindowRun, EachStepIsPaintedAndACloseWaitsForTheCleanup) {
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  const std::string credits = w.StatusBar1->PanelText();
  TPaintedPanel painted(qt.WidgetOf(w.StatusBar1)->findChild<QLabel*>());
  bool visibleDuringRun = false;
  std::vector<std::string> leftDuringRun;
  f.runner.whileRunning = [&] {
    window->close();  // the close box, while the game runs
    visibleDuringRun = window->isVisible();
    leftDuringRun = GeneratedLeft(folder);
  };

  QTest::mouseClick(window->childAt(QPoint(300, 347)), Qt::LeftButton);

  const std::vector<std::string> steps = {"copying zeb-kin files", "extracting selected map",
                                          "Editing map",           "Writing con file",
                                          "Writing def file",      "Launching Duke Nukem 3D"};
  ASSERT_GE(painted.texts.size(), steps.size());
  EXPECT_EQ(std::vector<std::string>(painted.texts.begin(), painted.texts.begin() + 6), steps);
  EXPECT_EQ(f.runner.calls, 1);
  EXPECT_TRUE(visibleDuringRun);
  EXPECT_EQ(leftDuringRun, kGeneratedFiles);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(GeneratedLeft(folder).empty());
  EXPECT_EQ(w.StatusBar1->PanelText(), credits);
  EXPECT_TRUE(f.dialogs.shown.empty());
}

}  // namespace
}  // namespace zk::test
