// Streamlines and lines of equal potential of a free superposition, drawn on
// a document's picture with the streamline and equipotential dialogs'
// settings: count N and increment A give the levels 0, +-A, ..., +-(N - 1) A,
// the pen comes from the dialog, and streamlines get direction arrows when
// the dialog asks for them.
#pragma once

#include <string_view>
#include <vector>

#include "flow/settings.h"
#include "flow/superposition/elements.h"
#include "flow/superposition/level_curves.h"

namespace flow::superposition {

enum class Outcome {
    Drawn,
    Truncated,      // drawn, but the work limit stopped it before every line was traced
    NothingToDraw,  // no element acts, no level is asked for, or no curve meets the field
    TooDense,       // nothing drawn: the levels lie too close together to be drawn apart
};

// What the window's status line and zef-render say of a drawing cut short
// by the work budget, and (after what was asked for) of levels too close
// together to be drawn.
inline constexpr std::string_view kTruncatedText =
    "Построены не все линии: для стольких элементов не хватило отведённой работы";
inline constexpr std::string_view kTooDenseText =
    "соседние линии легли бы ближе двух пикселей друг к другу";

struct StreamlineOptions {
    // Streamlines seeded by separation distance (the increment A, in
    // pixels) instead of by level.
    bool evenlySpaced = false;
};

Outcome drawStreamlines(const Canvas& canvas, const std::vector<Element>& elements,
                        StreamlineOptions options = {});
Outcome drawEquipotentials(const Canvas& canvas, const std::vector<Element>& elements);

// Curves are kept up to this many pixels beyond the field's edges.
inline constexpr double kFieldMargin = 16;

// Stagnation points of the elements' flow inside the field plus the margin,
// as picture points.
struct PicturePoint {
    double x = 0;
    double y = 0;
};
std::vector<PicturePoint> stagnationPointsInField(const std::vector<Element>& elements,
                                                  double width, double height);

// A point of the flow plane on the picture.
inline PicturePoint toPicture(Complex z) {
    return {-z.real(), -z.imag()};
}

// The work budget of one drawing's lines (the stagnation points have their
// own). The work of a step grows with the number of elements, so many
// elements get fewer steps.
StepBudget lineBudget();

}  // namespace flow::superposition
