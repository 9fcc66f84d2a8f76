#pragma once
// Dialogs for tests: answers come from a script, and every shown dialog is recorded.

#include <QString>
#include <deque>
#include <vector>

#include "platform/dialogs.h"

namespace zk::test {

struct TShownDialog {
  enum Kind { Message, Input, OpenFile } kind;
  QString text;   // message text or input prompt
  QString title;  // message title or input caption
  TMsgIcon icon = TMsgIcon::None;
  TMsgButtons buttons = TMsgButtons::Ok;
  QString value;  // the value an input query showed
};

class TScriptedDialogs : public IDialogs {
 public:
  // Queued answers; when a queue is empty, message boxes answer Ok/No, input queries and the
  // open-file dialog are cancelled.
  std::deque<TModalResult> messageAnswers;
  std::deque<std::pair<bool, QString>> inputAnswers;     // OK?, entered text
  std::deque<std::pair<bool, QString>> openFileAnswers;  // OK?, chosen path
  std::vector<TShownDialog> shown;
  TOpenDialogSpec lastOpenSpec;

  TModalResult MessageBox(const QString& text, const QString& title, TMsgIcon icon,
                          TMsgButtons buttons) override;
  bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;
  bool OpenFile(const TOpenDialogSpec& spec, QString& fileName) override;

  // The message boxes shown, in order, as "title|text".
  std::vector<QString> Messages() const;
};

}  // namespace zk::test
