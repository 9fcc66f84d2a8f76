// The main window as designed: every option at its default, ranges, Tags, enabled states, the
// controls' clamping, and the layout details the program relies on.

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <climits>

#include "support/window_test.h"
#include "ui/placeholders.h"

namespace zk::test {
namespace {

using MainForm = TWindowTest;

TEST_F(MainForm, WindowProperties) {
  EXPECT_EQ(w.windowTitle(), "Zeb-Kin Setup");
  EXPECT_EQ(w.size(), QSize(409, 385));
  EXPECT_EQ(w.minimumSize(), w.maximumSize());  // fixed size
  EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(w.font().pixelSize(), 11);

  ASSERT_EQ(w.PageControl1->count(), 4);
  EXPECT_EQ(w.PageControl1->tabText(0), "game settings");
  EXPECT_EQ(w.PageControl1->tabText(1), "bot options");
  EXPECT_EQ(w.PageControl1->tabText(2), "weapons");
  EXPECT_EQ(w.PageControl1->tabText(3), "don't read me");
  EXPECT_EQ(w.PageControl1->widget(0), w.TabSheet2);
  EXPECT_EQ(w.PageControl1->currentIndex(), 0);
  EXPECT_EQ(w.Memo1->Lines().size(), 12);
  EXPECT_FALSE(w.StatusBar1->PanelText().isEmpty());

  EXPECT_EQ(w.OpenDialog1.Filter, "Duke Nukem 3D Level (*.map)|*.map");
  EXPECT_EQ(w.OpenDialog1.DefaultExt, "map");
  EXPECT_TRUE(w.OpenDialog1.FileMustExist);
  EXPECT_TRUE(w.OpenDialog1.PathMustExist);
}

// One row per slider: range, default and Tag.
TEST_F(MainForm, SlidersAtTheirDesignedDefaults) {
  struct Row {
    TTrackBar* bar;
    int min, max, position, tag;
    bool enabled;
  } rows[] = {
      {w.TrackBar1, 1, 51, 1, 0, true},      {w.TrackBar2, 1, 51, 1, 3, true},
      {w.TrackBar3, 1, 51, 1, 5, true},      {w.TrackBar4, 1, 51, 1, 9, true},
      {w.TrackBar5, 1, 51, 1, 25, true},     {w.TrackBar6, 10, 700, 125, 0, true},
      {w.TrackBar7, 10, 700, 75, 0, true},   {w.TrackBar8, 10, 700, 110, 0, true},
      {w.TrackBar9, 10, 700, 150, 0, true},  {w.TrackBar10, 10, 700, 100, 0, true},
      {w.TrackBar11, 10, 700, 130, 0, true}, {w.TrackBar12, 0, 48, 0, 0, true},
      {w.TrackBar13, 1, 7, 1, 0, true},      {w.TrackBar14, 0, 100, 10, 0, true},
      {w.TrackBar15, 0, 48, 0, 0, true},     {w.TrackBar16, 1, 7, 1, 0, true},
      {w.TrackBar17, 0, 100, 10, 0, true},   {w.TrackBar18, 0, 48, 0, 0, true},
      {w.TrackBar19, 1, 7, 1, 0, true},      {w.TrackBar20, 0, 100, 10, 0, true},
      {w.TrackBar21, 0, 48, 0, 0, true},     {w.TrackBar22, 1, 7, 1, 0, true},
      {w.TrackBar23, 0, 100, 10, 0, true},   {w.TrackBar24, 0, 48, 0, 0, false},
      {w.TrackBar25, 1, 7, 1, 0, false},     {w.TrackBar26, 0, 100, 10, 0, false},
      {w.TrackBar27, 0, 255, 64, 0, true},   {w.TrackBar28, 1, 7, 1, 0, true},
      {w.TrackBar29, 0, 48, 0, 0, true},     {w.TrackBar30, 1, 7, 1, 0, true},
      {w.TrackBar31, 0, 100, 10, 0, true},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& r = rows[i];
    SCOPED_TRACE("TrackBar" + std::to_string(i + 1));
    EXPECT_EQ(w.SliderTable[i], r.bar);  // entry i is TrackBar(i + 1)
    EXPECT_EQ(r.bar->Min(), r.min);
    EXPECT_EQ(r.bar->Max(), r.max);
    EXPECT_EQ(r.bar->Position(), r.position);
    EXPECT_EQ(r.bar->Tag, r.tag);
    EXPECT_EQ(r.bar->isEnabled(), r.enabled);
    // Tick marks only on the shooting power sliders.
    const bool power = r.min == 1 && r.max == 7;
    EXPECT_EQ(r.bar->tickPosition() != QSlider::NoTicks, power);
  }
}

TEST_F(MainForm, OtherControlsAtTheirDesignedDefaults) {
  struct Spin {
    TCSpinEdit* edit;
    int min, max, step, value;
  } spins[] = {{w.CSpinEdit1, 0, 7, 1, 3},
               {w.CSpinEdit2, 0, 0, 1, 0},
               {w.CSpinEdit3, 0, 600, 1, 10},
               {w.CSpinEdit4, 10, 4000, 10, 200}};
  for (const Spin& s : spins) {
    EXPECT_EQ(s.edit->MinValue(), s.min);
    EXPECT_EQ(s.edit->MaxValue(), s.max);
    EXPECT_EQ(s.edit->Increment(), s.step);
    EXPECT_EQ(s.edit->Value(), s.value);
  }
  struct Check {
    TCheckBox* box;
    const char* caption;
    bool checked, enabled;
  } checks[] = {
      {w.CheckBox1, "respawn zeb-kin ", true, true},
      {w.CheckBox2, "use expander instead of shrinker", true, true},
      {w.CheckBox3, "Use Jetpack", true, true},
      {w.CheckBox4, "Dodge", true, true},
      {w.CheckBox5, "Use Medikit", true, true},
      {w.CheckBox6, "Use Pipebombs", true, true},
      {w.CheckBox7, "respawn monsters", false, false},
      {w.CheckBox8, "respawn items", true, true},
      {w.CheckBox9, "start with all weapons", false, true},
      {w.CheckBox10, "start with all items", false, true},
      {w.CheckBox11, "record a demo", false, true},
      {w.CheckBox12, "reincarnation", false, true},
  };
  for (const Check& c : checks) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(c.box->text(), c.caption);
    EXPECT_EQ(c.box->Checked(), c.checked);
    EXPECT_EQ(c.box->isEnabled(), c.enabled);
  }
  EXPECT_EQ(w.CheckBox7->Tag, 0);

  EXPECT_FALSE(w.RadioButton1->Checked());
  EXPECT_TRUE(w.RadioButton2->Checked());
  EXPECT_TRUE(w.Edit1->Text().isEmpty());
  EXPECT_FALSE(w.Edit1->isEnabled());
  EXPECT_EQ(w.ComboBox3->Items(),
            (QStringList{"L.A. Meltdown", "Lunar Apocalypse", "Shrapnel City", "The Birth"}));
  EXPECT_EQ(w.ComboBox3->ItemIndex(), 0);
  EXPECT_EQ(w.ComboBox4->Items(), w.Memo2->Lines());
  EXPECT_EQ(w.ComboBox4->Text(), "Hollywood Holocaust");
  EXPECT_EQ(w.ComboBox4->maxVisibleItems(), 11);
  EXPECT_EQ(w.ComboBox2->Items(), (QStringList{"No monsters", "Piece of cake", "Let's rock",
                                               "Come get some", "Damn I'm good"}));
  EXPECT_EQ(w.ComboBox2->ItemIndex(), 0);
  EXPECT_EQ(w.ComboBox1->count(), 0);
  EXPECT_EQ(w.ComboBox1->ItemIndex(), -1);
  EXPECT_FALSE(w.Label29->isEnabled());
  EXPECT_TRUE(w.Label33->isEnabled());
}

TEST_F(MainForm, HiddenListsHoldTheLevelsAndThePlaceholders) {
  EXPECT_EQ(w.Memo2->Lines().size(), 6);
  EXPECT_EQ(w.Memo3->Lines().size(), 11);
  EXPECT_EQ(w.Memo4->Lines().size(), 11);
  EXPECT_EQ(w.Memo5->Lines().size(), 11);
  EXPECT_EQ(w.Memo3->Lines().first(), "Spaceport");
  EXPECT_EQ(w.Memo4->Lines()[5], "Rabit Transit");
  EXPECT_EQ(w.Memo5->Lines().last(), "Area 51");
  const QStringList placeholders = w.Memo6->Lines();
  ASSERT_EQ(placeholders.size(), 52);
  EXPECT_EQ(placeholders.first(), "%ZEBKINSTRENGTH%");
  EXPECT_EQ(placeholders[42], "%SHOOTPOWERSHRINKFREEZ%");
  EXPECT_EQ(placeholders.last(), "%SHOOTPIPES%");
  for (const QString& p : placeholders) {
    EXPECT_TRUE(p.startsWith('%') && p.endsWith('%') && p.count('%') == 2) << p.toStdString();
  }
  for (TMemo* m : {w.Memo2, w.Memo3, w.Memo4, w.Memo5, w.Memo6}) EXPECT_TRUE(m->isHidden());
}

TEST_F(MainForm, SlidersAndSpinEditsClampValuesSetFromCode) {
  w.TrackBar1->SetPosition(0);
  EXPECT_EQ(w.TrackBar1->Position(), 1);
  w.TrackBar6->SetPosition(800);
  EXPECT_EQ(w.TrackBar6->Position(), 700);
  w.CSpinEdit4->SetValue(4005);
  EXPECT_EQ(w.CSpinEdit4->Value(), 4000);
  w.CSpinEdit3->SetValue(-1);
  EXPECT_EQ(w.CSpinEdit3->Value(), 0);
  // Equal bounds mean none at all.
  for (int v : {-2, INT_MIN, 1000000, INT_MAX}) {
    w.CSpinEdit2->SetValue(v);
    EXPECT_EQ(w.CSpinEdit2->Value(), v);
  }
}

TEST_F(MainForm, SpinEditsStepByIncrementAndCannotBeTyped) {
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  w.CSpinEdit4->setFocus();
  QTest::keyClick(w.CSpinEdit4, Qt::Key_Up);
  EXPECT_EQ(w.CSpinEdit4->Value(), 210);
  QTest::keyClick(w.CSpinEdit4, Qt::Key_Down);
  QTest::keyClick(w.CSpinEdit4, Qt::Key_Down);
  EXPECT_EQ(w.CSpinEdit4->Value(), 190);
  QTest::keyClicks(w.CSpinEdit4, "5");
  EXPECT_EQ(w.CSpinEdit4->Value(), 190);
  // Only the arrows and Up/Down change it: no steps of ten, no mouse wheel.
  QTest::keyClick(w.CSpinEdit4, Qt::Key_PageUp);
  QTest::keyClick(w.CSpinEdit4, Qt::Key_PageDown);
  QTest::keyClick(w.CSpinEdit4, Qt::Key_PageDown);
  EXPECT_EQ(w.CSpinEdit4->Value(), 190);
  for (int turn : {120, -120, -120}) {
    const QPointF at = w.CSpinEdit4->rect().center();
    QWheelEvent wheel(at, w.CSpinEdit4->mapToGlobal(at), QPoint(), QPoint(0, turn), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.CSpinEdit4, &wheel);
  }
  EXPECT_EQ(w.CSpinEdit4->Value(), 190);
  // The unbounded spin edit goes below 0 with its arrows.
  w.CSpinEdit2->setFocus();
  QTest::keyClick(w.CSpinEdit2, Qt::Key_Down);
  EXPECT_EQ(w.CSpinEdit2->Value(), -1);
}

TEST_F(MainForm, DropDownsRunTheirChangeOnlyOnAUserPick) {
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  QSignalSpy picks(w.ComboBox3, &QComboBox::activated);
  w.ComboBox3->SetItemIndex(3);  // from code: no change event
  EXPECT_EQ(picks.count(), 0);
  EXPECT_EQ(w.ComboBox4->count(), 6);
  w.ComboBox3->setFocus();
  QTest::keyClick(w.ComboBox3, Qt::Key_Up);  // a user's pick
  EXPECT_EQ(picks.count(), 1);
  EXPECT_EQ(w.ComboBox3->ItemIndex(), 2);
  EXPECT_EQ(w.ComboBox4->count(), 11);
  EXPECT_EQ(w.ComboBox4->Text(), "Raw Meat");
}

TEST_F(MainForm, TheMouseOnTheBottomStripHitsLaunchAndTheKeyboardReachesGenerateMap) {
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  EXPECT_EQ(w.Button1->geometry(), QRect(0, 328, 409, 38));
  EXPECT_EQ(w.Button5->geometry(), QRect(216, 328, 193, 38));
  for (QPoint p : {QPoint(10, 340), QPoint(300, 340), QPoint(400, 360)})
    EXPECT_EQ(w.childAt(p), w.Button1);
  EXPECT_EQ(w.Button1->nextInFocusChain(), w.Button5);
  EXPECT_TRUE(w.Button1->font().bold());
  EXPECT_EQ(w.Button1->font().pixelSize(), 24);
  EXPECT_EQ(w.Button5->font().pixelSize(), 24);
  EXPECT_EQ(w.Button1->palette().color(QPalette::ButtonText), QColor(Qt::red));
  EXPECT_EQ(w.Button4->palette().color(QPalette::ButtonText), QColor(Qt::red));
}

// The group boxes as drawn: the frame's top line runs through the middle of the bold red
// caption, above the first row of controls, which the design places from top 16.
TEST_F(MainForm, GroupBoxCaptionsSitOnTheFrameLine) {
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  for (TGroupBox* box : {w.GroupBox2, w.GroupBox5, w.GroupBox3, w.GroupBox6, w.GroupBox4,
                         w.GroupBox1, w.GroupBox7}) {
    SCOPED_TRACE(box->title().toStdString());
    w.PageControl1->setCurrentWidget(box->parentWidget());
    const QImage image = w.grab(QRect(box->mapTo(&w, QPoint(0, 0)), box->size())).toImage();
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
    // Its controls keep the normal font.
    for (QWidget* child : box->findChildren<QWidget*>()) EXPECT_FALSE(child->font().bold());
  }
}

TEST_F(MainForm, SliderThumbsAreTenPixelsLong) {
  for (TTrackBar* bar : w.SliderTable) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->Min();
    option.maximum = bar->Max();
    option.sliderPosition = bar->Position();
    const QRect thumb =
        bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, bar);
    EXPECT_EQ(thumb.width(), 10);
  }
}

TEST_F(MainForm, NotesFitTheirBoxWithoutScrolling) {
  w.show();
  w.PageControl1->setCurrentWidget(w.TabSheet4);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  QApplication::processEvents();
  EXPECT_EQ(w.Memo1->geometry(), QRect(8, 8, 386, 280));
  EXPECT_EQ(w.Memo1->verticalScrollBar()->maximum(), 0);
  EXPECT_FALSE(w.Memo1->verticalScrollBar()->isVisible());
}

}  // namespace
}  // namespace zk::test
