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
#include "dialogs/field_size_dialog.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/vortex_source_dialog.h"
#include "document/configuration.h"
#include "document/element_marks.h"
#include "document/mdi_child.h"
#include "flow/geometry.h"

namespace {

// The first element of a configuration, its own value already set: its
// place is recorded, then its mark, letter (if it has one) and the axes are
// drawn; the tool is let go.
void placeFirst(TMDIChild& d, Configuration& c, const flow::FieldSettings& field, QToolButton* tool,
                int x, int y, const char* letter = nullptr) {
    c.centreX.set(x);
    c.centreY.set(y);
    writeConfiguration(c, d);
    flow::Surface& s = d.surface();
    useElementPen(s);
    drawElementMark(s, x, y);
    if (letter) drawElementLetter(s, x, y, letter);
    drawAxes(s, field, x, y);
    tool->setChecked(false);
    d.setPointer(Qt::ArrowCursor);
}

// A sink added to a source in a stream, or the other way round: it sits on
// the first element's horizontal line whatever the click's y. The pointer
// stays the cross.
void placeSecondInStream(TMDIChild& d, Configuration& c, SlotValue& strength,
                         const QString& strengthText, QToolButton* tool, int x,
                         const char* letter) {
    strength.set(strengthText);
    c.secondX.set(x);
    c.secondY.set(c.centreY.text);
    writeConfiguration(c, d);
    const int y = c.centreY.number();
    flow::Surface& s = d.surface();
    useElementPen(s);
    drawElementMark(s, x, y);
    drawElementLetter(s, x, std::int64_t{y} + 2, letter);
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
    flow::Surface& s = d.surface();
    if (!second) {
        strength.set(position);
        c.pair.set(QString());
        c.centreX.set(x);
        c.centreY.set(y);
        writeConfiguration(c, d);
        useElementPen(s);
        drawElementMark(s, x, y);
        drawElementLetter(s, x, y, source ? kSourceLetter : kPairSinkLetter);
        drawAxes(s, dialogs_.fieldSizeDialog->fieldSettings(), x, y);

        chooseStrengthRow(source ? StrengthRow::Sink : StrengthRow::Source);
        setStrengthRowEnabled(source ? StrengthRow::Source : StrengthRow::Sink, false);
        return;
    }
    useElementPen(s);
    c.secondX.set(x);
    c.secondY.set(c.centreY.text);
    strength.set(position);
    writeConfiguration(c, d);
    const int secondY = c.secondY.number();
    drawElementMark(s, x, secondY);
    drawElementLetter(s, x, secondY, source ? kSourceLetter : kPairSinkLetter);
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
    flow::Surface& s = d.surface();
    s.setPenWidth(dialogs_.lineStyleDialog->penWidth());
    s.setPenColor(dialogs_.lineStyleDialog->penColor());
    s.ellipse(std::int64_t{x} + r, std::int64_t{y} + r, std::int64_t{x} - r, std::int64_t{y} - r);
    s.setPenWidth(2);
    s.line({x, y}, {flow::Round(x + 0.6 * r), flow::Round(y - 0.8 * r)});

    const auto third = static_cast<int>(flow::Round(r * 0.3333333333333333));
    d.Image1->show();
    d.Image1->move(x + third, y - third);

    Configuration c = readConfiguration(d);
    c.radius.set(r);
    c.centreX.set(x);
    c.centreY.set(y);
    writeConfiguration(c, d);
    useElementPen(s);
    drawElementLetter(s, x, y, kCylinderLetter);
    drawAxes(s, dialogs_.fieldSizeDialog->fieldSettings(), x, y);
    cylinderTool->setChecked(false);
    cylinderCirculationTool->setChecked(false);
    d.setPointer(Qt::ArrowCursor);
}

// Any mouse button places.
void TMainForm::ImageMouseDown(TMDIChild& d, int x, int y) {
    runReportingErrors([&] {
        Configuration c = readConfiguration(d);
        const flow::FieldSettings& field = dialogs_.fieldSizeDialog->fieldSettings();
        const TOKBottomDlg4& sourceSink = *dialogs_.sourceSinkDialog;
        const bool cross = d.pointer() == Qt::CrossCursor;
        const bool empty = c.isEmpty();
        auto down = [](const QToolButton* button) { return button->isChecked(); };

        if (c.pair.filled && down(pairTool) && cross) {
            // A finished pair is never changed again.
            if (!c.secondX.filled) placePairPoint(d, x, y, true);
            return;
        }
        if (!c.pair.filled && down(pairTool) && cross) {
            // A pair cannot join a configuration already on the field.
            if (empty) placePairPoint(d, x, y, false);
            return;
        }
        if (down(vortexTool) && cross && empty) {
            c.vortex.set(QString());
            return placeFirst(d, c, field, vortexTool, x, y);
        }
        if (down(pointSourceTool) && cross && empty) {
            c.pointSource.set(QString());
            return placeFirst(d, c, field, pointSourceTool, x, y);
        }
        if (down(vortexSourceTool) && cross && empty) {
            c.boundary.set(dialogs_.vortexSourceDialog->boundaryText());
            return placeFirst(d, c, field, vortexSourceTool, x, y);
        }
        if (down(dipoleTool) && cross && empty) {
            c.moment.set(dialogs_.dipoleDialog->momentText());
            return placeFirst(d, c, field, dipoleTool, x, y);
        }
        if (!c.secondX.filled && down(sinkInStreamTool) && cross && c.source.filled &&
            !c.radius.filled && !c.sink.filled && !c.moment.filled && !c.boundary.filled &&
            !c.pointSource.filled && !c.vortex.filled)
            return placeSecondInStream(d, c, c.sinkPartner, sourceSink.sinkText(), sinkInStreamTool,
                                       x, kStreamSinkLetter);
        if (!c.secondX.filled && down(sourceInStreamTool) && cross && c.sink.filled &&
            !c.source.filled && !c.radius.filled && !c.moment.filled && !c.pointSource.filled &&
            !c.vortex.filled)
            return placeSecondInStream(d, c, c.sourcePartner, sourceSink.sourceText(),
                                       sourceInStreamTool, x, kSourceLetter);
        if (down(textTool)) return startTextLabel(d, x, y);
        if (down(sinkInStreamTool)) {
            if (!cross || !empty) return;
            c.sink.set(sourceSink.sinkText());
            return placeFirst(d, c, field, sinkInStreamTool, x, y, kStreamSinkLetter);
        }
        if (down(sourceInStreamTool)) {
            if (!cross || !empty) return;
            c.source.set(sourceSink.sourceText());
            return placeFirst(d, c, field, sourceInStreamTool, x, y, kSourceLetter);
        }
        if ((down(cylinderTool) || down(cylinderCirculationTool)) && cross && empty)
            placeCylinder(d, x, y);
    });
}
