// The strength panel: the source row and the sink row of a source-sink pair,
// kept in step with the source/sink dialog, and the panel's state while a
// pair is half placed.
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include "app/main_form.h"
#include "dialogs/source_sink_dialog.h"
#include "document/configuration_slots.h"
#include "document/mdi_child.h"

namespace {

StrengthRow otherRow(StrengthRow row) {
    return row == StrengthRow::Source ? StrengthRow::Sink : StrengthRow::Source;
}

}  // namespace

TMainForm::StrengthRowControls& TMainForm::strengthRow(StrengthRow row) {
    return strengthRows_[row == StrengthRow::Source ? 0 : 1];
}

void TMainForm::setStrengthRowEnabled(StrengthRow row, bool enabled) {
    const StrengthRowControls& controls = strengthRow(row);
    for (QWidget* control :
         {static_cast<QWidget*>(controls.choice), static_cast<QWidget*>(controls.strength),
          static_cast<QWidget*>(controls.caption), static_cast<QWidget*>(controls.value)})
        control->setEnabled(enabled);
}

// The row's radio button checked, the other row's not.
void TMainForm::chooseStrengthRow(StrengthRow row) {
    strengthRow(row).choice->setChecked(true);
    strengthRow(otherRow(row)).choice->setChecked(false);
}

void TMainForm::RadioButtonClick(StrengthRow row) {
    chooseStrengthRow(row);
}

void TMainForm::TrackBarChange(StrengthRow row) {
    const StrengthRowControls& controls = strengthRow(row);
    if (!controls.choice->isChecked()) chooseStrengthRow(row);
    controls.value->setText(QString::number(controls.strength->sliderPosition()));
    copyStrengthToDialog(row);
}

void TMainForm::copyStrengthToDialog(StrengthRow row) {
    const QString text = strengthRow(row).value->text();
    TOKBottomDlg4* dialog = dialogs_.sourceSinkDialog;
    if (row == StrengthRow::Source)
        dialog->setSourceStrength(text);
    else
        dialog->setSinkStrength(text);
}

// The dialog's OK: both strengths, positions and captions, to the panel.
void TMainForm::copyStrengthsFromDialog() {
    const TOKBottomDlg4* dialog = dialogs_.sourceSinkDialog;
    StrengthRowControls& source = strengthRow(StrengthRow::Source);
    StrengthRowControls& sink = strengthRow(StrengthRow::Sink);
    source.strength->setValue(dialog->sourceStrength());
    source.value->setText(dialog->sourceText());
    sink.strength->setValue(dialog->sinkStrength());
    sink.value->setText(dialog->sinkText());
}

// Hides the strength panel and makes both of its rows usable again, source
// checked: whatever pair was half-armed on the main window's side is over.
void TMainForm::resetStrengthPanel() {
    strengthPanel->hide();
    setStrengthRowEnabled(StrengthRow::Sink, true);
    setStrengthRowEnabled(StrengthRow::Source, true);
    strengthRow(StrengthRow::Source).choice->setChecked(true);
}

// A document whose pair waits for its second point brings the panel back,
// offering the strength that point still needs.
void TMainForm::FormActivate(TMDIChild& document) {
    const Configuration configuration = readConfiguration(document);
    if (!configuration.pairAwaitsSecondPoint()) return;
    strengthPanel->show();
    const bool sinkDue = configuration.source.filled;
    setStrengthRowEnabled(StrengthRow::Sink, sinkDue);
    setStrengthRowEnabled(StrengthRow::Source, !sinkDue);
    strengthRow(StrengthRow::Sink).choice->setChecked(sinkDue);
    strengthRow(StrengthRow::Source).choice->setChecked(!sinkDue);
    press(pairTool);
}
