#include "support/scripted_dialogs.h"

namespace zk::test {

TModalResult TScriptedDialogs::MessageBox(const std::string& text, const std::string& title,
                                          TMsgIcon icon, TMsgButtons buttons) {
  shown.push_back({TShownDialog::Message, text, title, icon, buttons, {}});
  if (!messageAnswers.empty()) {
    const TModalResult r = messageAnswers.front();
    messageAnswers.pop_front();
    return r;
  }
  return buttons == TMsgButtons::YesNo ? TModalResult::No : TModalResult::Ok;
}

bool TScriptedDialogs::InputQuery(const std::string& caption, const std::string& prompt,
                                  std::string& value) {
  shown.push_back({TShownDialog::Input, prompt, caption, TMsgIcon::None, TMsgButtons::Ok, value});
  if (inputAnswers.empty()) return false;
  const auto [ok, text] = inputAnswers.front();
  inputAnswers.pop_front();
  if (ok) value = text;
  return ok;
}

bool TScriptedDialogs::OpenFile(const TOpenDialogSpec& spec, std::string& fileName) {
  lastOpenSpec = spec;
  shown.push_back({TShownDialog::OpenFile, {}, {}, TMsgIcon::None, TMsgButtons::Ok, {}});
  if (openFileAnswers.empty()) return false;
  const auto [ok, path] = openFileAnswers.front();
  openFileAnswers.pop_front();
  if (ok) fileName = path;
  return ok;
}

std::vector<std::string> TScriptedDialogs::Messages() const {
  std::vector<std::string> out;
  for (const TShownDialog& d : shown)
    if (d.kind == TShownDialog::Message) out.push_back(d.title + "|" + d.text);
  return out;
}

}  // namespace zk::test
