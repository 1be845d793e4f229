#include "render/flow_names.h"

#include <algorithm>
#include <array>

namespace {

using K = ElementKind;

const std::array<FlowName, 13> kFlows{{
    {"source", "точечный источник/сток", {K::PointSource}},
    {"vortex", "плоский вихрь", {K::PlaneVortex}},
    {"vortex-source", "вихреисточник", {K::VortexSource}},
    {"dipole", "диполь", {K::Dipole}},
    {"cylinder", "цилиндр в набегающем потоке без циркуляции", {K::Cylinder}, true, false},
    {"cylinder-circulation",
     "цилиндр в набегающем потоке с циркуляцией",
     {K::Cylinder},
     true,
     true},
    {"source-in-stream", "исток в набегающем потоке", {K::SourceInStream}},
    {"sink-in-stream", "сток в набегающем потоке", {K::StreamWithSink}},
    {"source-in-stream-and-sink",
     "исток в набегающем потоке и сток к нему (--second)",
     {K::SourceInStream, K::SinkAdded}},
    {"sink-in-stream-and-source",
     "сток в набегающем потоке и исток к нему (--second)",
     {K::StreamWithSink, K::SourceAdded}},
    {"pair", "пара исток (--at) и сток (--second)", {K::PairSource, K::PairSecondSink}},
    {"pair-sink-first", "пара сток (--at) и исток (--second)", {K::PairSink, K::PairSecondSource}},
    {"joukowski", "профиль Жуковского в потоке (joukowski.*)", {}, false, false, true},
}};

}  // namespace

std::span<const FlowName> flowNames() {
    return kFlows;
}

const FlowName* findFlowName(std::string_view name) {
    const auto found = std::find_if(kFlows.begin(), kFlows.end(),
                                    [name](const FlowName& flow) { return flow.name == name; });
    return found == kFlows.end() ? nullptr : &*found;
}
