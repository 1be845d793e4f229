// The eleven settings dialogs, created hidden right after the main window and
// living until the program ends.
#pragma once

class TMainForm;
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

namespace flow {
struct Settings;
}

struct TDialogs {
    TOKBottomDlg* OKBottomDlg = nullptr;    // cylinder
    TOKBottomDlg1* OKBottomDlg1 = nullptr;  // line style
    TOKBottomDlg2* OKBottomDlg2 = nullptr;  // streamlines
    TOKBottomDlg3* OKBottomDlg3 = nullptr;  // equipotentials
    TOKBottomDlg4* OKBottomDlg4 = nullptr;  // source/sink
    TOKBottomDlg5* OKBottomDlg5 = nullptr;  // stream speed
    TOKBottomDlg6* OKBottomDlg6 = nullptr;  // dipole
    TOKBottomDlg7* OKBottomDlg7 = nullptr;  // field size
    TOKBottomDlg8* OKBottomDlg8 = nullptr;  // vortex-source
    TSetting9* Setting9 = nullptr;          // vector style
    TOKBottomDlg9* OKBottomDlg9 = nullptr;  // vector scale
};

// Creates the dialogs hidden, in start-up order, as children of the main
// window (so they stay on top of it and die with it).
TDialogs createDialogs(TMainForm* mainForm);

// The readers the flow routines use, backed by the dialogs' controls.
flow::Settings settingsOf(const TDialogs& dialogs);
