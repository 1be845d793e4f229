// Placing elements with the mouse: the rules are tried in a fixed order and
// the first that holds places its element (or starts a text label).
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include "app/errors.h"
#include "app/main_form.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/dipole_dialog.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/vortex_source_dialog.h"
#include "document/configuration.h"
#include "document/element_drawing.h"
#include "document/mdi_child.h"
#include "flow/geometry.h"

namespace {

// The first element of a configuration, its own value already set: its
// place is recorded, then its mark, letter (if it has one) and the axes are
// drawn; the tool is let go.
void placeFirst(TMDIChild& d, Configuration& c, const flow::Settings& live, QToolButton* tool,
                ElementKind kind, int x, int y) {
    c.centreX.set(x);
    c.centreY.set(y);
    writeConfiguration(c, d);
    d.drawPlacedElement({kind, x, y}, live);
    tool->setChecked(false);
    d.setPointer(Qt::ArrowCursor);
}

// A sink added to a source in a stream, or the other way round: it sits on
// the first element's horizontal line whatever the click's y. The pointer
// stays the cross.
void placeSecondInStream(TMDIChild& d, Configuration& c, const flow::Settings& live,
                         SlotValue& strength, const QString& strengthText, QToolButton* tool,
                         ElementKind kind, int x) {
    strength.set(strengthText);
    c.secondX.set(x);
    c.secondY.set(c.centreY.text);
    writeConfiguration(c, d);
    d.drawPlacedElement({kind, x, c.centreY.number()}, live);
    tool->setChecked(false);
}

void startTextLabel(TMDIChild& d, int x, int y) {
    d.EditText->move(x, y);
    d.EditText->show();
    d.EditText->setFocus();
}

}  // namespace

// A point of a source-sink pair, its strength from the panel's checked row.
// The first point offers only the other strength for the second; the second
// sits on the first point's horizontal line, and the panel is reset and put
// away.
void TMainForm::placePairPoint(TMDIChild& d, int x, int y, bool second) {
    const bool source = strengthRow(StrengthRow::Source).choice->isChecked();
    if (!source && !strengthRow(StrengthRow::Sink).choice->isChecked()) return;
    Configuration c = readConfiguration(d);
    SlotValue& strength = source ? c.source : c.sink;
    const int position =
        strengthRow(source ? StrengthRow::Source : StrengthRow::Sink).strength->value();
    if (!second) {
        strength.set(position);
        c.pair.set(QString());
        c.centreX.set(x);
        c.centreY.set(y);
        writeConfiguration(c, d);
        d.drawPlacedElement({source ? ElementKind::PairSource : ElementKind::PairSink, x, y},
                            settingsOf(dialogs_));

        chooseStrengthRow(source ? StrengthRow::Sink : StrengthRow::Source);
        setStrengthRowEnabled(source ? StrengthRow::Source : StrengthRow::Sink, false);
        return;
    }
    c.secondX.set(x);
    c.secondY.set(c.centreY.text);
    strength.set(position);
    writeConfiguration(c, d);
    d.drawPlacedElement({source ? ElementKind::PairSecondSource : ElementKind::PairSecondSink, x,
                         c.secondY.number()},
                        settingsOf(dialogs_));
    d.setPointer(Qt::ArrowCursor);

    chooseStrengthRow(StrengthRow::Source);
    setStrengthRowEnabled(StrengthRow::Source, true);
    setStrengthRowEnabled(StrengthRow::Sink, true);
    strengthPanel->hide();
    pairTool->setChecked(false);
}

// The cylinder's outline in the line-style dialog's pen, a radius up and to
// the right with the theta label beside it, the centre's "0" and the axes.
void TMainForm::placeCylinder(TMDIChild& d, int x, int y) {
    const int r = dialogs_.cylinderDialog->radius();
    const ElementDrawing cylinder{ElementKind::Cylinder,
                                  x,
                                  y,
                                  r,
                                  dialogs_.lineStyleDialog->penWidth(),
                                  dialogs_.lineStyleDialog->penColor()};
    d.showThetaLabel(x, y, r);
    Configuration c = readConfiguration(d);
    c.radius.set(r);
    c.centreX.set(x);
    c.centreY.set(y);
    writeConfiguration(c, d);
    d.drawPlacedElement(cylinder, settingsOf(dialogs_));
    cylinderTool->setChecked(false);
    cylinderCirculationTool->setChecked(false);
    d.setPointer(Qt::ArrowCursor);
}

// Any mouse button places.
void TMainForm::ImageMouseDown(TMDIChild& d, int x, int y) {
    runReportingErrors([&] {
        if (d.isSuperposition()) {
            const bool placed =
                d.pointer() == Qt::CrossCursor && placeSuperpositionElement(d, x, y);
            if (!placed && textTool->isChecked()) startTextLabel(d, x, y);
            return;
        }
        Configuration c = readConfiguration(d);
        const flow::Settings live = settingsOf(dialogs_);
        const TOKBottomDlg4& sourceSink = *dialogs_.sourceSinkDialog;
        const bool cross = d.pointer() == Qt::CrossCursor;
        const bool empty = c.isEmpty();
        auto down = [](const QToolButton* button) { return button->isChecked(); };

        if (c.pair.filled && down(pairTool) && cross) {
            // A finished pair is never changed again.
            if (c.secondX.filled) return explain(Unchanged::ElementPresent);
            return placePairPoint(d, x, y, true);
        }
        if (!c.pair.filled && down(pairTool) && cross) {
            // A pair cannot join a configuration already on the field.
            if (!empty) return explain(Unchanged::ElementPresent);
            return placePairPoint(d, x, y, false);
        }
        if (down(vortexTool) && cross && empty) {
            c.vortex.set(QString());
            return placeFirst(d, c, live, vortexTool, ElementKind::PlaneVortex, x, y);
        }
        if (down(pointSourceTool) && cross && empty) {
            c.pointSource.set(QString());
            return placeFirst(d, c, live, pointSourceTool, ElementKind::PointSource, x, y);
        }
        if (down(vortexSourceTool) && cross && empty) {
            c.boundary.set(dialogs_.vortexSourceDialog->boundaryText());
            return placeFirst(d, c, live, vortexSourceTool, ElementKind::VortexSource, x, y);
        }
        if (down(dipoleTool) && cross && empty) {
            c.moment.set(dialogs_.dipoleDialog->momentText());
            return placeFirst(d, c, live, dipoleTool, ElementKind::Dipole, x, y);
        }
        if (!c.secondX.filled && down(sinkInStreamTool) && cross && c.source.filled &&
            !c.radius.filled && !c.sink.filled && !c.moment.filled && !c.boundary.filled &&
            !c.pointSource.filled && !c.vortex.filled)
            return placeSecondInStream(d, c, live, c.sinkPartner, sourceSink.sinkText(),
                                       sinkInStreamTool, ElementKind::SinkAdded, x);
        if (!c.secondX.filled && down(sourceInStreamTool) && cross && c.sink.filled &&
            !c.source.filled && !c.radius.filled && !c.moment.filled && !c.pointSource.filled &&
            !c.vortex.filled)
            return placeSecondInStream(d, c, live, c.sourcePartner, sourceSink.sourceText(),
                                       sourceInStreamTool, ElementKind::SourceAdded, x);
        if (down(textTool)) return startTextLabel(d, x, y);
        if (down(sinkInStreamTool)) {
            if (!cross) return;
            if (!empty) return explain(Unchanged::ElementPresent);
            c.sink.set(sourceSink.sinkText());
            return placeFirst(d, c, live, sinkInStreamTool, ElementKind::StreamWithSink, x, y);
        }
        if (down(sourceInStreamTool)) {
            if (!cross) return;
            if (!empty) return explain(Unchanged::ElementPresent);
            c.source.set(sourceSink.sourceText());
            return placeFirst(d, c, live, sourceInStreamTool, ElementKind::SourceInStream, x, y);
        }
        const bool elementTool = down(vortexTool) || down(pointSourceTool) ||
                                 down(vortexSourceTool) || down(dipoleTool) || down(cylinderTool) ||
                                 down(cylinderCirculationTool);
        if (!elementTool || !cross) return;
        if (!empty) return explain(Unchanged::ElementPresent);
        if (down(cylinderTool) || down(cylinderCirculationTool)) placeCylinder(d, x, y);
    });
}
