// An airfoil document's changes: its airfoil changed (at once, or live
// while a slider is dragged), its lines and its velocity at a point.
#include "document/airfoil_document.h"
#include "document/document.h"
#include "document/time_marks_drawing.h"

bool Document::isAirfoil() const {
    return airfoilOf(steps_) != nullptr;
}

std::optional<flow::airfoil::AirfoilFlow> Document::airfoilFlow() const {
    const AirfoilStep* airfoil = airfoilOf(steps_);
    if (!airfoil) return std::nullopt;
    return ::airfoilFlow(*airfoil, surface_.pictureSize());
}

void Document::changeAirfoil(const AirfoilStep& airfoil) {
    cancelLiveChange();
    const AirfoilStep* now = airfoilOf(steps_);
    if (!now || *now == airfoil) return;
    const std::vector<ConstructionStep> before{steps_.front()};
    const std::vector<ConstructionStep> after{{airfoil, {}}};
    replaceSteps(0, 1, after);
    keepChange("изменение профиля", 0, before, after);
}

void Document::startLiveAirfoilChange() {
    cancelLiveChange();
    if (isAirfoil()) startLive(0, 1);
}

void Document::changeLive(const AirfoilStep& airfoil) {
    if (!live_ || !isAirfoil()) return;
    const QString before = caption();
    steps_.front().action = airfoil;
    requestLivePicture(before);
}

flow::superposition::Outcome Document::drawAirfoilLines(SuperpositionLines lines,
                                                        const flow::Settings& live,
                                                        flow::Gauge& gauge) {
    const auto flow = airfoilFlow();
    auto outcome = flow::superposition::Outcome::NothingToDraw;
    if (!flow) return outcome;
    // Streamlines drawn while the marks are on carry them.
    const bool marks = lines == SuperpositionLines::Streamlines && marksOnAt(steps_, steps_.size());
    std::optional<MarkReading> reading;
    record(lines == SuperpositionLines::Streamlines ? "линии тока" : "линии равного потенциала",
           [&](ConstructionRecorder&) {
               recordStep(steps_, {AirfoilLinesStep{lines}, {}}, live,
                          [&](const flow::Settings& s) {
                              outcome = ::drawAirfoilLines({surface_, s, gauge}, lines, *flow);
                              if (marks) reading = readMarks(*flow, s);
                          });
               if (reading) ::drawTimeMarks(surface_, steps_.back(), *reading, surface_.size());
           });
    return outcome;
}

bool Document::drawAirfoilVelocity(flow::Point p, const flow::Settings& live, flow::Gauge& gauge) {
    const auto flow = airfoilFlow();
    if (!flow || !airfoilVelocityAt(*flow, p)) return false;
    record("векторы скорости", [&](ConstructionRecorder&) {
        recordStep(steps_, {AirfoilVelocityStep{p}, {}}, live, [&](const flow::Settings& s) {
            ::drawAirfoilVelocity({surface_, s, gauge}, *flow, p);
        });
    });
    return true;
}
