// The flow moving particles follow on a document's picture: a
// superposition's elements, the flow of the configuration its steps left,
// with a cylinder's body where no fluid flows, or the airfoil's flow.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "flow/airfoil/airfoil_parameters.h"
#include "flow/velocity/picture_flow.h"

class Document;

namespace flow {
class Settings;
}  // namespace flow

struct ParticleFlow {
    std::unique_ptr<flow::PictureFlow> flow;
    // What the flow is made of, to tell a changed flow from the same one.
    std::vector<flow::superposition::Element> elements;
    std::vector<flow::maps::Circle> bodies;
    std::optional<flow::airfoil::Airfoil> airfoil;

    bool sameAs(const ParticleFlow& other) const;
};

// The document's flow now, read with the settings (a configuration's
// strength that is no integer leaves no flow: it is still).
ParticleFlow particleFlowOf(const Document& document, const flow::Settings& settings);
