// The benchmark cases: each flow routine at the dialogs' defaults, and the
// heavy settings some of them are known to be slow at.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dialog_settings.h"
#include "flow/settings.h"

namespace bench {

struct Case {
    std::string routine;
    std::string name;  // "default" or "stress"
    SettingValues settings;
    std::function<void(const flow::Canvas&)> draw;
};

std::vector<Case> allCases();

}  // namespace bench
