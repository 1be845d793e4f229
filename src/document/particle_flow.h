// The flow moving particles follow on a document's picture: a
// superposition's elements, or the flow of the configuration its steps
// left, with a cylinder's body where no fluid flows.
#pragma once

#include <memory>
#include <vector>

#include "flow/velocity/picture_flow.h"

class Document;

namespace flow {
class Settings;
}  // namespace flow

struct ParticleFlow {
    // Nothing for an airfoil document, whose flow particles do not follow yet.
    std::unique_ptr<flow::PictureFlow> flow;
    // What the flow is made of, to tell a changed flow from the same one.
    std::vector<flow::superposition::Element> elements;
    std::vector<flow::maps::Circle> bodies;

    bool sameAs(const ParticleFlow& other) const;
};

// The document's flow now, read with the settings (a configuration's
// strength that is no integer leaves no flow: it is still).
ParticleFlow particleFlowOf(const Document& document, const flow::Settings& settings);
