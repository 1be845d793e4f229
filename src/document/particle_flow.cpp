#include "document/particle_flow.h"

#include "document/airfoil_document.h"
#include "document/colour_map.h"
#include "document/document.h"
#include "flow/airfoil/airfoil_picture_flow.h"
#include "flow/geometry.h"
#include "flow/velocity/element_picture_flow.h"

bool ParticleFlow::sameAs(const ParticleFlow& other) const {
    return elements == other.elements && airfoil == other.airfoil && bodies == other.bodies;
}

ParticleFlow particleFlowOf(const Document& document, const flow::Settings& settings) {
    ParticleFlow made;
    if (const AirfoilStep* airfoil = airfoilOf(document.steps())) {
        made.airfoil = *airfoil;
        made.flow = std::make_unique<flow::airfoil::AirfoilPictureFlow>(*document.airfoilFlow());
        return made;
    }
    if (document.isSuperposition()) {
        made.elements = document.superpositionElements();
    } else {
        try {
            if (const std::optional<MapFlow> map = mapFlowOf(document.configuration(), settings)) {
                made.elements = map->elements;
                made.bodies = map->bodies;
            }
        } catch (const flow::ConversionError&) {
        }
    }
    made.flow = std::make_unique<flow::ElementPictureFlow>(made.elements, made.bodies);
    return made;
}
