#include "dialogs/dialogs.h"

#include "dialogs/airfoil_dialog.h"
#include "dialogs/colour_map_dialog.h"
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

TDialogs createDialogs(QWidget* mainForm) {
    TDialogs d;
    d.cylinderDialog = new TOKBottomDlg(mainForm);
    d.lineStyleDialog = new TOKBottomDlg1(mainForm);
    d.streamlineDialog = new TOKBottomDlg2(mainForm);
    d.equipotentialDialog = new TOKBottomDlg3(mainForm);
    d.sourceSinkDialog = new TOKBottomDlg4(mainForm);
    d.streamSpeedDialog = new TOKBottomDlg5(mainForm);
    d.dipoleDialog = new TOKBottomDlg6(mainForm);
    d.fieldSizeDialog = new TOKBottomDlg7(mainForm);
    d.vortexSourceDialog = new TOKBottomDlg8(mainForm);
    d.vectorStyleDialog = new TSetting9(mainForm);
    d.vectorScaleDialog = new TOKBottomDlg9(mainForm);
    d.colourMapDialog = new TColourMapDialog(mainForm);
    d.airfoilDialog = new TAirfoilDialog(mainForm);
    return d;
}

flow::Settings settingsOf(const TDialogs& d) {
    return flow::Settings{
        *d.streamlineDialog, *d.equipotentialDialog, d.fieldSizeDialog->fieldSettings(),
        *d.sourceSinkDialog, *d.streamSpeedDialog,   *d.vortexSourceDialog,
        *d.cylinderDialog,   *d.vectorStyleDialog,   *d.vectorScaleDialog};
}
