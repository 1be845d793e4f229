#include "dialogs/dialogs.h"

#include "app/main_form.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/dipole_dialog.h"
#include "dialogs/equipotential_dialog.h"
#include "dialogs/field_size_dialog.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/stream_speed_dialog.h"
#include "dialogs/streamline_dialog.h"
#include "dialogs/vector_scale_dialog.h"
#include "dialogs/vector_style_dialog.h"
#include "dialogs/vortex_source_dialog.h"

TDialogs createDialogs(TMainForm* mainForm) {
    TDialogs d;
    d.OKBottomDlg = new TOKBottomDlg(mainForm);
    d.OKBottomDlg1 = new TOKBottomDlg1(mainForm);
    d.OKBottomDlg2 = new TOKBottomDlg2(mainForm);
    d.OKBottomDlg3 = new TOKBottomDlg3(mainForm);
    d.OKBottomDlg4 = new TOKBottomDlg4(mainForm);
    d.OKBottomDlg5 = new TOKBottomDlg5(mainForm);
    d.OKBottomDlg6 = new TOKBottomDlg6(mainForm);
    d.OKBottomDlg7 = new TOKBottomDlg7(mainForm);
    d.OKBottomDlg8 = new TOKBottomDlg8(mainForm);
    d.Setting9 = new TSetting9(mainForm);
    d.OKBottomDlg9 = new TOKBottomDlg9(mainForm);
    return d;
}

flow::Settings settingsOf(const TDialogs& d) {
    return flow::Settings{*d.OKBottomDlg2, *d.OKBottomDlg3, d.OKBottomDlg7->fieldSettings(),
                          *d.OKBottomDlg4, *d.OKBottomDlg5, *d.OKBottomDlg8,
                          *d.OKBottomDlg,  *d.Setting9,     *d.OKBottomDlg9};
}
