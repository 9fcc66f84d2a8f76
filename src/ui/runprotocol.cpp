#include "ui/runprotocol.h"

#include "platform/application.h"
#include "ui/mainform.h"

namespace zk {

namespace {

// Marks the window busy for one run, whichever way the run ends.
class TRunInProgress {
 public:
  explicit TRunInProgress(TForm1& form) : form_(form) { form_.RunInProgress = true; }
  ~TRunInProgress() {
    form_.RunInProgress = false;
    if (form_.CloseAfterRun) {
      form_.CloseAfterRun = false;
      form_.Close();  // CloseQuery never throws
    }
  }
  TRunInProgress(const TRunInProgress&) = delete;
  TRunInProgress& operator=(const TRunInProgress&) = delete;

 private:
  TForm1& form_;
};

}  // namespace

void RunExclusive(TForm1& form, const std::function<void()>& run) {
  if (form.RunInProgress) return;
  TRunInProgress busy(form);
  run();
}

bool TForm1::CloseQuery() {
  if (RunInProgress) {
    // The generated files must not outlive the launcher: close once the run has cleaned up.
    CloseAfterRun = true;
    return false;
  }
  // A failed save of the last-used settings is reported once; the window closes all the same.
  RunGuarded(Dialogs(), [this] { FormClose(this); });
  return true;
}

}  // namespace zk
