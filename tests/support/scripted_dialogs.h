#pragma once
// Dialogs for tests: answers come from a script, and every shown dialog is recorded.

#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace zk::test {

struct TShownDialog {
  enum Kind { Message, Input, OpenFile } kind;
  std::string text;   // message text or input prompt
  std::string title;  // message title or input caption
  TMsgIcon icon = TMsgIcon::None;
  TMsgButtons buttons = TMsgButtons::Ok;
  std::string value;  // the value an input query showed
};

class TScriptedDialogs : public IDialogs {
 public:
  // Queued answers; when a queue is empty, message boxes answer Ok/No, input queries and the
  // open-file dialog are cancelled.
  std::deque<TModalResult> messageAnswers;
  std::deque<std::pair<bool, std::string>> inputAnswers;     // OK?, entered text
  std::deque<std::pair<bool, std::string>> openFileAnswers;  // OK?, chosen path
  std::vector<TShownDialog> shown;
  TOpenDialogSpec lastOpenSpec;

  TModalResult MessageBox(const std::string& text, const std::string& title, TMsgIcon icon,
                          TMsgButtons buttons) override;
  bool InputQuery(const std::string& caption, const std::string& prompt,
                  std::string& value) override;
  bool OpenFile(const TOpenDialogSpec& spec, std::string& fileName) override;

  // The message boxes shown, in order, as "title|text".
  std::vector<std::string> Messages() const;
};

}  // namespace zk::test
