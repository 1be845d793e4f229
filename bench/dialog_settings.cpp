#include "dialog_settings.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "dialogs/cylinder_dialog.h"
#include "dialogs/dialogs.h"
#include "dialogs/dipole_dialog.h"
#include "dialogs/equipotential_dialog.h"
#include "dialogs/field_size_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/stream_speed_dialog.h"
#include "dialogs/streamline_dialog.h"
#include "dialogs/vortex_source_dialog.h"

namespace bench {

namespace {

void setCaption(QLabel* label, int value) {
    label->setText(QString::number(value));
}

}  // namespace

void applySettings(const TDialogs& dialogs, const SettingValues& values) {
    TOKBottomDlg2& streamlines = *dialogs.streamlineDialog;
    setCaption(streamlines.Label8, values.streamlineCount);
    setCaption(streamlines.Label6, values.streamlineIncrement);
    streamlines.CheckBox1->setChecked(values.directionArrows);

    TOKBottomDlg3& equipotentials = *dialogs.equipotentialDialog;
    setCaption(equipotentials.Label8, values.equipotentialCount);
    setCaption(equipotentials.Label6, values.equipotentialIncrement);

    TOKBottomDlg7& field = *dialogs.fieldSizeDialog;
    field.Edit2->setText(QString::number(values.fieldWidth));
    field.Edit1->setText(QString::number(values.fieldHeight));

    // Track bars moved as a user would move them, so their labels follow.
    TOKBottomDlg5& speed = *dialogs.streamSpeedDialog;
    speed.TrackBar1->setValue(values.streamSpeed);
    speed.TrackBar1Change();

    TOKBottomDlg8& vortexSource = *dialogs.vortexSourceDialog;
    vortexSource.TrackBar1->setValue(values.vortexSourceStrength);
    vortexSource.TrackBar1Change();
    vortexSource.TrackBar2->setValue(values.vortexSourceCirculation);
    vortexSource.TrackBar2Change();

    TOKBottomDlg& cylinder = *dialogs.cylinderDialog;
    cylinder.TrackBar2->setValue(values.cylinderCirculation);
    cylinder.TrackBar2Change();
    cylinder.TrackBar1->setValue(values.cylinderRadius);
    cylinder.TrackBar1Change();

    dialogs.dipoleDialog->Label2->setText(QString::number(values.dipoleMoment));
    TOKBottomDlg4& sourceSink = *dialogs.sourceSinkDialog;
    sourceSink.TrackBar1->setValue(values.sourceStrength);
    sourceSink.TrackBar1Change();
}

}  // namespace bench
