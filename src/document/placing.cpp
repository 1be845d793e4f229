// Placing elements with the mouse: the rules are tried in a fixed order and
// the first that holds places its element (or starts a text label).
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <initializer_list>

#include "app/errors.h"
#include "app/main_form.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/dipole_dialog.h"
#include "dialogs/field_size_dialog.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/vortex_source_dialog.h"
#include "document/element_marks.h"
#include "document/mdi_child.h"
#include "document/shared_values.h"
#include "document/slots.h"
#include "flow/geometry.h"

namespace {

bool allEmpty(std::initializer_list<const QLabel*> labels) {
    for (const QLabel* slot : labels)
        if (slotFilled(slot)) return false;
    return true;
}

const flow::FieldSettings& field(const TMDIChild& d) {
    return d.mainForm()->dialogs().OKBottomDlg7->fieldSettings();
}

// The first element of a configuration, once its own slot is written: its
// place, mark, letter (if it has one) and the axes; the tool is let go.
void placeFirst(TMDIChild& d, QToolButton* tool, int x, int y, const char* letter = nullptr) {
    writeSlot(d.XCIL, x);
    writeSlot(d.YCIL, y);
    flow::Surface& s = d.surface();
    useElementPen(s);
    drawElementMark(s, x, y);
    if (letter) drawElementLetter(s, x, y, letter);
    drawAxes(s, field(d), x, y);
    tool->setChecked(false);
    d.setPointer(Qt::ArrowCursor);
}

// A sink added to a source in a stream, or the other way round: it sits on
// the first element's horizontal line whatever the click's y. The pointer
// stays the cross.
void placeSecondInStream(TMDIChild& d, QLabel* slot, const QLabel* strength, QToolButton* tool,
                         int x, const char* letter) {
    writeSlot(slot, strength->text());
    writeSlot(d.X2, x);
    writeSlot(d.Y2, d.YCIL->text());
    const int y = slotNumber(d.YCIL);
    flow::Surface& s = d.surface();
    useElementPen(s);
    drawElementMark(s, x, y);
    drawElementLetter(s, x, std::int64_t{y} + 2, letter);
    tool->setChecked(false);
}

// First point of a source-sink pair: the strength comes from the panel,
// which then offers only the other strength for the second point.
void placePairFirst(TMDIChild& d, int x, int y) {
    TMainForm& m = *d.mainForm();
    const bool source = m.RadioButton1->isChecked();
    if (!source && !m.RadioButton2->isChecked()) return;
    if (source)
        writeSlot(d.Istok, m.TrackBar1->value());
    else
        writeSlot(d.Stok, m.TrackBar2->value());
    writeSlot(d.A, QString());
    writeSlot(d.XCIL, x);
    writeSlot(d.YCIL, y);
    flow::Surface& s = d.surface();
    useElementPen(s);
    drawElementMark(s, x, y);
    drawElementLetter(s, x, y, source ? kSourceLetter : kPairSinkLetter);
    drawAxes(s, field(d), x, y);

    m.RadioButton1->setChecked(!source);
    m.RadioButton2->setChecked(source);
    m.setStrengthRowEnabled(source, false);
}

// Second point of the pair, on the first point's horizontal line; the
// strength panel is reset and put away.
void placePairSecond(TMDIChild& d, int x) {
    TMainForm& m = *d.mainForm();
    const bool source = m.RadioButton1->isChecked();
    if (!source && !m.RadioButton2->isChecked()) return;
    flow::Surface& s = d.surface();
    useElementPen(s);
    writeSlot(d.X2, x);
    writeSlot(d.Y2, d.YCIL->text());
    if (source)
        writeSlot(d.Istok, m.TrackBar1->value());
    else
        writeSlot(d.Stok, m.TrackBar2->value());
    const int y = slotNumber(d.Y2);
    drawElementMark(s, x, y);
    drawElementLetter(s, x, y, source ? kSourceLetter : kPairSinkLetter);
    d.setPointer(Qt::ArrowCursor);

    m.RadioButton1->setChecked(true);
    m.RadioButton2->setChecked(false);
    m.setStrengthRowEnabled(true, true);
    m.setStrengthRowEnabled(false, true);
    m.Panel1->hide();
    m.SpeedButton15->setChecked(false);
}

// The cylinder's outline in the line-style dialog's pen, a radius up and to
// the right with the theta label beside it, the centre's "0" and the axes.
void placeCylinder(TMDIChild& d, int x, int y) {
    TMainForm& m = *d.mainForm();
    const TDialogs& dialogs = m.dialogs();
    const int r = dialogs.OKBottomDlg->TrackBar1->value();
    sharedValues().cylinderRadius = r;
    flow::Surface& s = d.surface();
    s.setPenWidth(flow::strToInt(dialogs.OKBottomDlg1->Label3->text().toStdString()));
    s.setPenColor(dialogs.OKBottomDlg1->penColor());
    s.ellipse(std::int64_t{x} + r, std::int64_t{y} + r, std::int64_t{x} - r, std::int64_t{y} - r);
    s.setPenWidth(2);
    s.line({x, y}, {flow::Round(x + 0.6 * r), flow::Round(y - 0.8 * r)});

    const auto third = static_cast<int>(flow::Round(r * 0.3333333333333333));
    d.Image1->show();
    d.Image1->move(x + third, y - third);

    writeSlot(d.RCIL, r);
    writeSlot(d.XCIL, x);
    writeSlot(d.YCIL, y);
    useElementPen(s);
    drawElementLetter(s, x, y, kCylinderLetter);
    drawAxes(s, field(d), x, y);
    m.SpeedButton2->setChecked(false);
    m.SpeedButton16->setChecked(false);
    d.setPointer(Qt::ArrowCursor);
}

void startTextLabel(TMDIChild& d, int x, int y) {
    d.EditText->move(x, y);
    d.EditText->show();
    d.EditText->setFocus();
}

void placeAt(TMDIChild& d, int x, int y) {
    TMainForm& m = *d.mainForm();
    const TDialogs& dialogs = m.dialogs();
    const TOKBottomDlg4& sourceSink = *dialogs.OKBottomDlg4;
    const bool cross = d.pointer() == Qt::CrossCursor;
    const bool empty = d.isEmpty();
    auto down = [](const QToolButton* button) { return button->isChecked(); };

    if (slotFilled(d.A) && down(m.SpeedButton15) && cross) {
        // A finished pair is never changed again.
        if (slotEmpty(d.X2)) placePairSecond(d, x);
        return;
    }
    if (slotEmpty(d.A) && down(m.SpeedButton15) && cross) {
        // A pair cannot join a configuration already on the field.
        if (empty) placePairFirst(d, x, y);
        return;
    }
    if (down(m.SpeedButton12) && cross && empty) {
        writeSlot(d.Vihr, QString());
        return placeFirst(d, m.SpeedButton12, x, y);
    }
    if (down(m.SpeedButton11) && cross && empty) {
        writeSlot(d.IorS, QString());
        return placeFirst(d, m.SpeedButton11, x, y);
    }
    if (down(m.SpeedButton9) && cross && empty) {
        writeSlot(d.Vihrestok, dialogs.OKBottomDlg8->Label6->text());
        return placeFirst(d, m.SpeedButton9, x, y);
    }
    if (down(m.SpeedButton6) && cross && empty) {
        writeSlot(d.Dipol, dialogs.OKBottomDlg6->Label2->text());
        return placeFirst(d, m.SpeedButton6, x, y);
    }
    if (slotEmpty(d.X2) && down(m.SpeedButton5) && cross && slotFilled(d.Istok) &&
        allEmpty({d.RCIL, d.Stok, d.Dipol, d.Vihrestok, d.IorS, d.Vihr}))
        return placeSecondInStream(d, d.STOK2, sourceSink.Label4, m.SpeedButton5, x,
                                   kStreamSinkLetter);
    if (slotEmpty(d.X2) && down(m.SpeedButton4) && cross && slotFilled(d.Stok) &&
        allEmpty({d.Istok, d.RCIL, d.Dipol, d.IorS, d.Vihr}))
        return placeSecondInStream(d, d.ISTOK2, sourceSink.Label3, m.SpeedButton4, x,
                                   kSourceLetter);
    if (down(m.SpeedButton7)) return startTextLabel(d, x, y);
    if (down(m.SpeedButton5)) {
        if (!cross || !empty) return;
        writeSlot(d.Stok, sourceSink.Label4->text());
        return placeFirst(d, m.SpeedButton5, x, y, kStreamSinkLetter);
    }
    if (down(m.SpeedButton4)) {
        if (!cross || !empty) return;
        writeSlot(d.Istok, sourceSink.Label3->text());
        return placeFirst(d, m.SpeedButton4, x, y, kSourceLetter);
    }
    if ((down(m.SpeedButton2) || down(m.SpeedButton16)) && cross && empty) placeCylinder(d, x, y);
}

}  // namespace

// Any mouse button places.
void TMDIChild::ImageMouseDown(Qt::MouseButton, int x, int y) {
    runReportingErrors([&] { placeAt(*this, x, y); });
}
