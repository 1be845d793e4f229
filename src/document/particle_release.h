// Where moving particles are released: where the flow enters the picture, on
// a line the user drew, or at the upstream ends of the streamlines drawn.
#pragma once

#include <QLineF>
#include <QSize>
#include <optional>

#include "flow/particles/particle_system.h"

class Document;

namespace flow {
class Settings;
}  // namespace flow

enum class ParticleRelease { Upstream, DrawnLine, Streamlines };

// The release of that kind on the document's picture of the size; where
// the flow enters when no line is drawn or no streamline is.
flow::particles::Release particleReleaseOf(const Document& document, QSize picture,
                                           ParticleRelease kind, const std::optional<QLineF>& line,
                                           const flow::Settings& settings);
