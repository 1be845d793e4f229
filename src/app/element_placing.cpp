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
#include "document/configuration_slots.h"
#include "document/element_drawing.h"
#include "document/element_placement.h"
#include "document/mdi_child.h"
#include "flow/geometry.h"

namespace {

// An element placed with its tool: recorded in the configuration and drawn.
void place(TMDIChild& d, Configuration& c, const flow::Settings& live, const PlacingValues& values,
           ElementKind kind, int x, int y) {
    const ElementDrawing element = placeElement(c, kind, x, y, values);
    d.document().placeElement(element, c, live);
}

// Placed, and the tool let go. A sink added to a source in a stream, or the
// other way round, is placed so: it sits on the first element's horizontal
// line whatever the click's y, and the pointer stays the cross.
void placeAndLetGo(TMDIChild& d, Configuration& c, const flow::Settings& live,
                   const PlacingValues& values, QToolButton* tool, ElementKind kind, int x, int y) {
    place(d, c, live, values, kind, x, y);
    tool->setChecked(false);
}

// The first element of a configuration: its place is recorded, then its
// mark, letter (if it has one) and the axes are drawn; the tool is let go
// and the pointer is the arrow again.
void placeFirst(TMDIChild& d, Configuration& c, const flow::Settings& live,
                const PlacingValues& values, QToolButton* tool, ElementKind kind, int x, int y) {
    placeAndLetGo(d, c, live, values, tool, kind, x, y);
    d.setPointer(Qt::ArrowCursor);
}

}  // namespace

PlacingValues TMainForm::placingValues() {
    const TOKBottomDlg4& sourceSink = *dialogs_.sourceSinkDialog;
    PlacingValues values;
    values.sourceText = sourceSink.sourceText();
    values.sinkText = sourceSink.sinkText();
    values.pairSource = strengthRow(StrengthRow::Source).strength->value();
    values.pairSink = strengthRow(StrengthRow::Sink).strength->value();
    values.momentText = dialogs_.dipoleDialog->momentText();
    values.boundaryText = dialogs_.vortexSourceDialog->boundaryText();
    values.radius = dialogs_.cylinderDialog->radius();
    values.outlineWidth = dialogs_.lineStyleDialog->penWidth();
    values.outlineColor = dialogs_.lineStyleDialog->penColor();
    return values;
}

// A point of a source-sink pair, its strength from the panel's checked row.
// The first point offers only the other strength for the second; the second
// sits on the first point's horizontal line, and the panel is reset and put
// away.
void TMainForm::placePairPoint(TMDIChild& d, int x, int y, bool second) {
    const bool source = strengthRow(StrengthRow::Source).choice->isChecked();
    if (!source && !strengthRow(StrengthRow::Sink).choice->isChecked()) return;
    Configuration c = readConfiguration(d);
    const ElementKind kind =
        second ? (source ? ElementKind::PairSecondSource : ElementKind::PairSecondSink)
               : (source ? ElementKind::PairSource : ElementKind::PairSink);
    place(d, c, settingsOf(dialogs_), placingValues(), kind, x, y);
    if (!second) {
        chooseStrengthRow(source ? StrengthRow::Sink : StrengthRow::Source);
        setStrengthRowEnabled(source ? StrengthRow::Source : StrengthRow::Sink, false);
        return;
    }
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
    const PlacingValues values = placingValues();
    Configuration c = readConfiguration(d);
    place(d, c, settingsOf(dialogs_), values, ElementKind::Cylinder, x, y);
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
            if (placed) return;
            if (textTool->isChecked()) return d.openLabel(x, y);
            return explainIdleClick(d, x, y);
        }
        // An airfoil document takes no elements.
        if (d.document().isAirfoil()) {
            if (textTool->isChecked()) d.openLabel(x, y);
            return;
        }
        Configuration c = readConfiguration(d);
        const flow::Settings live = settingsOf(dialogs_);
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
        auto first = [&](QToolButton* tool, ElementKind kind) {
            placeFirst(d, c, live, placingValues(), tool, kind, x, y);
        };
        if (down(vortexTool) && cross && empty) return first(vortexTool, ElementKind::PlaneVortex);
        if (down(pointSourceTool) && cross && empty)
            return first(pointSourceTool, ElementKind::PointSource);
        if (down(vortexSourceTool) && cross && empty)
            return first(vortexSourceTool, ElementKind::VortexSource);
        if (down(dipoleTool) && cross && empty) return first(dipoleTool, ElementKind::Dipole);
        if (!c.secondX.filled && down(sinkInStreamTool) && cross && c.source.filled &&
            !c.radius.filled && !c.sink.filled && !c.moment.filled && !c.boundary.filled &&
            !c.pointSource.filled && !c.vortex.filled)
            return placeAndLetGo(d, c, live, placingValues(), sinkInStreamTool,
                                 ElementKind::SinkAdded, x, y);
        if (!c.secondX.filled && down(sourceInStreamTool) && cross && c.sink.filled &&
            !c.source.filled && !c.radius.filled && !c.moment.filled && !c.pointSource.filled &&
            !c.vortex.filled)
            return placeAndLetGo(d, c, live, placingValues(), sourceInStreamTool,
                                 ElementKind::SourceAdded, x, y);
        if (down(textTool)) return d.openLabel(x, y);
        if (down(sinkInStreamTool)) {
            if (!cross) return explainIdleClick(d, x, y);
            if (!empty) return explain(Unchanged::ElementPresent);
            return first(sinkInStreamTool, ElementKind::StreamWithSink);
        }
        if (down(sourceInStreamTool)) {
            if (!cross) return explainIdleClick(d, x, y);
            if (!empty) return explain(Unchanged::ElementPresent);
            return first(sourceInStreamTool, ElementKind::SourceInStream);
        }
        const bool elementTool = down(vortexTool) || down(pointSourceTool) ||
                                 down(vortexSourceTool) || down(dipoleTool) || down(cylinderTool) ||
                                 down(cylinderCirculationTool);
        if (!elementTool || !cross) return explainIdleClick(d, x, y);
        if (!empty) return explain(Unchanged::ElementPresent);
        if (down(cylinderTool) || down(cylinderCirculationTool)) placeCylinder(d, x, y);
    });
}
