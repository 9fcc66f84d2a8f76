// The real dialogs: each shows exactly the title and text it is given (Qt may add none of its
// own), and the player's answer comes back as the interface promises.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "platform/qt/qtdialogs.h"
#include "support/files.h"

namespace zk::test {
namespace {

// Acts on the next modal dialog once it is shown.
void WhenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(10, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return WhenModal(act);
    act(modal);
  });
}

TEST(QtDialogs, MessageBoxShowsItsTextsAndReturnsTheAnswer) {
  TQtDialogs dialogs;
  struct {
    TMsgButtons buttons;
    QMessageBox::StandardButton press;
    TModalResult expected;
  } cases[] = {{TMsgButtons::YesNo, QMessageBox::Yes, TModalResult::Yes},
               {TMsgButtons::YesNo, QMessageBox::No, TModalResult::No},
               {TMsgButtons::Ok, QMessageBox::Ok, TModalResult::Ok}};
  for (const auto& c : cases) {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      box->button(c.press)->click();
    });
    EXPECT_EQ(dialogs.MessageBox("sorry, this stuff must be in a\nsubdirectory",
                                 "Duke Nukem 3D not found", TMsgIcon::Stop, c.buttons),
              c.expected);
    EXPECT_EQ(title, "Duke Nukem 3D not found");
    EXPECT_EQ(text, "sorry, this stuff must be in a\nsubdirectory");
    EXPECT_EQ(icon, QMessageBox::Critical);
  }
}

TEST(QtDialogs, InputQueryGivesTheTextOnOkOnly) {
  TQtDialogs dialogs;
  std::string value = "old";
  WhenModal([](QWidget* modal) {
    auto* input = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->windowTitle(), "save bot settings");
    EXPECT_EQ(input->textValue(), "old");
    input->setTextValue("zeb ü");
    input->accept();
  });
  EXPECT_TRUE(dialogs.InputQuery("save bot settings", "name", value));
  EXPECT_EQ(value, "zeb ü");

  WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
  EXPECT_FALSE(dialogs.InputQuery("save bot settings", "name", value));
  EXPECT_EQ(value, "zeb ü");
}

TEST(QtDialogs, OpenFileOffersTheFilterAndGivesTheChosenPath) {
  TTempFolder temp;
  const std::string map = temp.Write("my maps/arena.map", "map");
  TQtDialogs dialogs;
  TOpenDialogSpec spec;
  spec.Filter = "Duke Nukem 3D Level (*.map)|*.map";
  spec.DefaultExt = "map";
  QStringList filters;
  WhenModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    filters = dialog->nameFilters();
    dialog->selectFile(QString::fromStdString(map));
    QMetaObject::invokeMethod(dialog, "accept");  // as the Open button does
  });
  std::string chosen;
  ASSERT_TRUE(dialogs.OpenFile(spec, chosen));
  EXPECT_EQ(chosen, map);
  EXPECT_EQ(filters, QStringList{"Duke Nukem 3D Level (*.map)"});

  WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
  chosen = "kept";
  EXPECT_FALSE(dialogs.OpenFile(spec, chosen));
  EXPECT_EQ(chosen, "kept");
}

}  // namespace
}  // namespace zk::test
