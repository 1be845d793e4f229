// The thirteen settings dialogs, created hidden right after the main window and
// living until the program ends.
#pragma once

class QWidget;
class TOKBottomDlg;
class TOKBottomDlg1;
class TOKBottomDlg2;
class TOKBottomDlg3;
class TOKBottomDlg4;
class TOKBottomDlg5;
class TOKBottomDlg6;
class TOKBottomDlg7;
class TOKBottomDlg8;
class TSetting9;
class TOKBottomDlg9;
class TColourMapDialog;
class TAirfoilDialog;

namespace flow {
struct Settings;
}

struct TDialogs {
    TOKBottomDlg* cylinderDialog = nullptr;
    TOKBottomDlg1* lineStyleDialog = nullptr;
    TOKBottomDlg2* streamlineDialog = nullptr;
    TOKBottomDlg3* equipotentialDialog = nullptr;
    TOKBottomDlg4* sourceSinkDialog = nullptr;
    TOKBottomDlg5* streamSpeedDialog = nullptr;
    TOKBottomDlg6* dipoleDialog = nullptr;
    TOKBottomDlg7* fieldSizeDialog = nullptr;
    TOKBottomDlg8* vortexSourceDialog = nullptr;
    TSetting9* vectorStyleDialog = nullptr;
    TOKBottomDlg9* vectorScaleDialog = nullptr;
    TColourMapDialog* colourMapDialog = nullptr;
    TAirfoilDialog* airfoilDialog = nullptr;
};

// Creates the dialogs hidden, in start-up order, as children of the main
// window (so they stay on top of it and die with it).
TDialogs createDialogs(QWidget* mainForm);

// The readers the flow routines use, backed by the dialogs' controls.
flow::Settings settingsOf(const TDialogs& dialogs);
