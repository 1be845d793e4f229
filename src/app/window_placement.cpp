// The main window's size, place and bars kept in the settings when the
// program is left, and given back at the next start.
#include <QSettings>

#include "app/main_form.h"
#include "app/recent_files.h"

namespace {

constexpr const char* kGeometryKey = "mainWindow/geometry";
constexpr const char* kStateKey = "mainWindow/state";

}  // namespace

void TMainForm::savePlacement() {
    const auto settings = programSettings();
    settings->setValue(kGeometryKey, saveGeometry());
    settings->setValue(kStateKey, saveState());
}

// The superposition panel shows only with its document, whatever was kept.
bool TMainForm::restorePlacement() {
    const auto settings = programSettings();
    if (!restoreGeometry(settings->value(kGeometryKey).toByteArray())) return false;
    restoreState(settings->value(kStateKey).toByteArray());
    followActiveDocument();
    return true;
}
