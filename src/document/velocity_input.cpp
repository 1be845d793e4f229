#include "document/velocity_input.h"

#include <cstdlib>

namespace {

using flow::VelocityConfig;

// The velocity input of the configuration, its parameters read in the order
// of the tests; false when the document holds nothing to draw. Any element
// with a source or sink strength counts as a source or sink in a stream.
bool readFlow(const Configuration& c, const flow::Settings& s, flow::VelocityInput& in) {
    switch (c.kind()) {
        case FlowKind::Cylinder:
            if (s.cylinder.withCirculation()) {
                in.config = VelocityConfig::CylinderCirculation;
                in.R = c.radius.number();
                in.gamma = s.cylinder.circulation();
                in.U = 1;
            } else {
                in.config = VelocityConfig::Cylinder;
                in.R = c.radius.number();
                in.U = s.streamSpeed.speed();
            }
            return true;
        case FlowKind::SourceInStream:
        case FlowKind::SinkInStream:
        case FlowKind::SourceSinkPair:
            in.config = VelocityConfig::SourceInStream;
            in.Q = c.source.filled ? c.source.number() : -c.sink.number();
            in.U = s.streamSpeed.speed();
            return true;
        case FlowKind::VortexSource:
            in.config = VelocityConfig::VortexSource;
            in.Q = s.vortexSource.strength();
            in.gamma = s.vortexSource.circulation();
            return true;
        case FlowKind::Dipole:
            in.config = VelocityConfig::Dipole;
            in.M = c.moment.number();
            return true;
        case FlowKind::Vortex:
            in.config = VelocityConfig::Vortex;
            in.gamma = s.vortexSource.circulation();
            return true;
        case FlowKind::PointSource:
            in.config = VelocityConfig::PointSource;
            in.Q = s.sourceSink.sourceStrength();
            return true;
        case FlowKind::Empty:
            break;
    }
    return false;
}

}  // namespace

std::optional<flow::VelocityInput> velocityInputAt(const Configuration& c,
                                                   const flow::Settings& settings, flow::Point p) {
    flow::VelocityInput in{};
    in.k = settings.vectorScale.scale();
    if (!readFlow(c, settings, in)) return std::nullopt;
    in.centre = {c.centreX.number(), c.centreY.number()};
    in.p = p;
    return in;
}

flow::LeftOut leftOutOf(const Configuration& c) {
    const flow::Point second{c.secondX.filled ? c.secondX.number() : 0,
                             c.centreY.filled ? c.centreY.number() : 0};
    switch (c.kind()) {
        case FlowKind::SourceSinkPair: {
            flow::LeftOut pair{std::nullopt, true};
            if (c.secondX.filled && c.source.filled && c.sink.filled) {
                const int X = c.centreX.number();
                pair.element = {{X + std::abs(X - second.x), second.y}, -c.sink.number()};
            }
            return pair;
        }
        case FlowKind::SourceInStream:
            if (c.secondX.filled && c.sinkPartner.filled)
                return {flow::PointElement{second, -c.sinkPartner.number()}};
            return {};
        case FlowKind::SinkInStream:
            if (c.secondX.filled && c.sourcePartner.filled)
                return {flow::PointElement{second, c.sourcePartner.number()}};
            return {};
        default:
            return {};
    }
}
