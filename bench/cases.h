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
    // Where the element sits (a pair: the middle between its points).
    int elementX = 400;
    int elementY = 300;
};

std::vector<Case> allCases();

}  // namespace bench
