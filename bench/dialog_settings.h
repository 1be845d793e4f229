// The settings a benchmark case runs with, put into the program's dialogs
// through their public controls, as a user would set them.
#pragma once

struct TDialogs;

namespace bench {

// Every setting the flow routines read, at the dialogs' defaults.
struct SettingValues {
    int streamlineCount = 20;
    int streamlineIncrement = 50;
    bool directionArrows = true;
    int equipotentialCount = 40;
    int equipotentialIncrement = 50;
    int fieldWidth = 800;
    int fieldHeight = 600;
    int streamSpeed = 1;
    int vortexSourceStrength = 1000;
    int vortexSourceCirculation = 1000;
    int cylinderCirculation = 1000;
    // The element's own values, read when it is placed.
    int cylinderRadius = 100;
    int dipoleMoment = 50;
    int sourceStrength = 1500;
};

// Writes the values into the value-label captions, track bar positions,
// check box and field texts the routines read.
void applySettings(const TDialogs& dialogs, const SettingValues& values);

}  // namespace bench
