// The program's windows, built in start-up order: the main window, then the
// twelve settings dialogs, hidden.
#pragma once

#include <memory>

#include "app/main_form.h"

class TProgram {
  public:
    TProgram();
    ~TProgram();
    TMainForm& mainForm() { return *mainForm_; }
    const TDialogs& dialogs() const { return mainForm_->dialogs(); }

  private:
    std::unique_ptr<TMainForm> mainForm_;
};
