#include "support/scripted_dialogs.h"

namespace zk::test {

TModalResult TScriptedDialogs::MessageBox(const QString& text, const QString& title, TMsgIcon icon,
                                          TMsgButtons buttons) {
  shown.push_back({TShownDialog::Message, text, title, icon, buttons, {}});
  if (!messageAnswers.empty()) {
    const TModalResult r = messageAnswers.front();
    messageAnswers.pop_front();
    return r;
  }
  return buttons == TMsgButtons::YesNo ? TModalResult::No : TModalResult::Ok;
}

bool TScriptedDialogs::InputQuery(const QString& caption, const QString& prompt, QString& value) {
  shown.push_back({TShownDialog::Input, prompt, caption, TMsgIcon::None, TMsgButtons::Ok, value});
  if (inputAnswers.empty()) return false;
  const auto [ok, text] = inputAnswers.front();
  inputAnswers.pop_front();
  if (ok) value = text;
  return ok;
}

bool TScriptedDialogs::OpenFile(const TOpenDialogSpec& spec, QString& fileName) {
  lastOpenSpec = spec;
  shown.push_back({TShownDialog::OpenFile, {}, {}, TMsgIcon::None, TMsgButtons::Ok, {}});
  if (openFileAnswers.empty()) return false;
  const auto [ok, path] = openFileAnswers.front();
  openFileAnswers.pop_front();
  if (ok) fileName = path;
  return ok;
}

std::vector<QString> TScriptedDialogs::Messages() const {
  std::vector<QString> out;
  for (const TShownDialog& d : shown)
    if (d.kind == TShownDialog::Message) out.push_back(d.title + "|" + d.text);
  return out;
}

}  // namespace zk::test
