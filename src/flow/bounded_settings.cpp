#include "flow/bounded_settings.h"

#include "flow/setting_values.h"

namespace flow {

Range settingRange(std::string_view name) {
    const SettingInfo* info = findSetting(name);
    return {info->minimum, info->maximum};
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
    static const Range range = settingRange("streamlines.width");
    return range(raw.lineWidth());
}
int BoundedSettings::Streamlines::lineCount() const {
    static const Range range = settingRange("streamlines.count");
    return range(raw.lineCount());
}
int BoundedSettings::Streamlines::increment() const {
    static const Range range = settingRange("streamlines.increment");
    return range(raw.increment());
}
int BoundedSettings::Streamlines::markInterval() const {
    static const Range range = settingRange("streamlines.markInterval");
    return range(raw.markInterval());
}
int BoundedSettings::Streamlines::markSize() const {
    static const Range range = settingRange("streamlines.markSize");
    return range(raw.markSize());
}
int BoundedSettings::Equipotentials::lineWidth() const {
    static const Range range = settingRange("equipotentials.width");
    return range(raw.lineWidth());
}
int BoundedSettings::Equipotentials::lineCount() const {
    static const Range range = settingRange("equipotentials.count");
    return range(raw.lineCount());
}
int BoundedSettings::Equipotentials::increment() const {
    static const Range range = settingRange("equipotentials.increment");
    return range(raw.increment());
}
int BoundedSettings::SourceSink::sourceStrength() const {
    static const Range range = settingRange("sourceSink.sourceStrength");
    return range(raw.sourceStrength());
}
int BoundedSettings::StreamSpeed::speed() const {
    static const Range range = settingRange("streamSpeed.speed");
    return range(raw.speed());
}
int BoundedSettings::VortexSource::strength() const {
    static const Range range = settingRange("vortexSource.strength");
    return range(raw.strength());
}
int BoundedSettings::VortexSource::circulation() const {
    static const Range range = settingRange("vortexSource.circulation");
    return range(raw.circulation());
}
int BoundedSettings::Cylinder::circulation() const {
    static const Range range = settingRange("cylinder.circulation");
    return range(raw.circulation());
}
int BoundedSettings::VectorStyle::resultantWidth() const {
    static const Range range = settingRange("vectors.resultantWidth");
    return range(raw.resultantWidth());
}
int BoundedSettings::VectorStyle::componentWidth() const {
    static const Range range = settingRange("vectors.componentWidth");
    return range(raw.componentWidth());
}
int BoundedSettings::VectorScale::scale() const {
    static const Range range = settingRange("vectorScale.scale");
    return range(raw.scale());
}

}  // namespace flow
