#include "app/program.h"

TProgram::TProgram() : mainForm_(std::make_unique<TMainForm>()) {
    mainForm_->setDialogs(createDialogs(mainForm_.get()));
}

TProgram::~TProgram() = default;
