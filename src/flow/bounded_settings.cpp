#include "flow/bounded_settings.h"

#include <algorithm>

namespace flow {

namespace {

// The ranges of the other dialogs' controls.
constexpr Range kStreamlineWidth{1, 5};
constexpr Range kStreamlineCount{1, 150};
constexpr Range kStreamlineIncrement{5, 100};
constexpr Range kEquipotentialWidth{1, 5};
constexpr Range kEquipotentialCount{1, 100};
constexpr Range kEquipotentialIncrement{5, 50};
constexpr Range kStreamSpeed{1, 10};
constexpr Range kVortexSourceStrength{100, 1000};
constexpr Range kVortexSourceCirculation{30, 3000};
constexpr Range kCylinderCirculation{100, 2000};
constexpr Range kVectorWidth{1, 3};
constexpr Range kVectorScale{1, 100};

}  // namespace

int limitFieldSide(int side) {
    return std::min(side, kMaxFieldSide);
}

BoundedSettings::BoundedSettings(const Settings& raw)
    : streamlines_(raw.streamlines),
      equipotentials_(raw.equipotentials),
      field_(raw.field),
      sourceSink_(raw.sourceSink),
      streamSpeed_(raw.streamSpeed),
      vortexSource_(raw.vortexSource),
      cylinder_(raw.cylinder),
      vectorStyle_(raw.vectorStyle),
      vectorScale_(raw.vectorScale),
      settings_{streamlines_,  equipotentials_, field_,       sourceSink_, streamSpeed_,
                vortexSource_, cylinder_,       vectorStyle_, vectorScale_} {}

int BoundedSettings::Streamlines::lineWidth() const {
    return kStreamlineWidth(raw.lineWidth());
}
int BoundedSettings::Streamlines::lineCount() const {
    return kStreamlineCount(raw.lineCount());
}
int BoundedSettings::Streamlines::increment() const {
    return kStreamlineIncrement(raw.increment());
}
int BoundedSettings::Equipotentials::lineWidth() const {
    return kEquipotentialWidth(raw.lineWidth());
}
int BoundedSettings::Equipotentials::lineCount() const {
    return kEquipotentialCount(raw.lineCount());
}
int BoundedSettings::Equipotentials::increment() const {
    return kEquipotentialIncrement(raw.increment());
}
int BoundedSettings::Field::limit(int side) const {
    if (side > kMaxFieldSide) limited = true;
    return limitFieldSide(side);
}
int BoundedSettings::SourceSink::sourceStrength() const {
    return kSourceStrength(raw.sourceStrength());
}
int BoundedSettings::StreamSpeed::speed() const {
    return kStreamSpeed(raw.speed());
}
int BoundedSettings::VortexSource::strength() const {
    return kVortexSourceStrength(raw.strength());
}
int BoundedSettings::VortexSource::circulation() const {
    return kVortexSourceCirculation(raw.circulation());
}
int BoundedSettings::Cylinder::circulation() const {
    return kCylinderCirculation(raw.circulation());
}
int BoundedSettings::VectorStyle::resultantWidth() const {
    return kVectorWidth(raw.resultantWidth());
}
int BoundedSettings::VectorStyle::componentWidth() const {
    return kVectorWidth(raw.componentWidth());
}
int BoundedSettings::VectorScale::scale() const {
    return kVectorScale(raw.scale());
}

}  // namespace flow
