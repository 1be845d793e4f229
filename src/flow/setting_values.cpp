#include "flow/setting_values.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "flow/geometry.h"

namespace flow {

namespace {

constexpr Color kRed = Color::fromRgb(255, 0, 0);
constexpr Color kBlue = Color::fromRgb(0, 0, 255);
constexpr Color kGreen = Color::fromRgb(0, 128, 0);
constexpr Color kNavy = Color::fromRgb(0, 0, 128);

constexpr SettingKind kInt = SettingKind::Integer;
constexpr SettingKind kColour = SettingKind::Colour;
constexpr SettingKind kFlag = SettingKind::Flag;

// A catalogue entry's reader of the live setting.
#define ZEF_READ(expression) [](const Settings& s) -> SettingValue { return s.expression; }

// The dialogs' ranges and defaults. The field's texts are kept within reach
// of a picture (the routines step through the field).
const std::array<SettingInfo, 25> kCatalogue{{
    {"streamlines.width", kInt, 1, 5, 1, ZEF_READ(streamlines.lineWidth())},
    {"streamlines.color", kColour, 0, 0, kRed, ZEF_READ(streamlines.lineColor())},
    {"streamlines.count", kInt, 1, 150, 20, ZEF_READ(streamlines.lineCount())},
    {"streamlines.increment", kInt, 5, 100, 50, ZEF_READ(streamlines.increment())},
    {"streamlines.arrows", kFlag, 0, 0, true, ZEF_READ(streamlines.directionArrows())},
    {"streamlines.evenlySpaced", kFlag, 0, 0, false, ZEF_READ(streamlines.evenlySpaced())},
    {"equipotentials.width", kInt, 1, 5, 1, ZEF_READ(equipotentials.lineWidth())},
    {"equipotentials.color", kColour, 0, 0, kBlack, ZEF_READ(equipotentials.lineColor())},
    {"equipotentials.count", kInt, 1, 100, 40, ZEF_READ(equipotentials.lineCount())},
    {"equipotentials.increment", kInt, 5, 50, 50, ZEF_READ(equipotentials.increment())},
    {"field.width", kInt, -kMaxCoordinate, kMaxCoordinate, 800, ZEF_READ(field.width())},
    {"field.height", kInt, -kMaxCoordinate, kMaxCoordinate, 600, ZEF_READ(field.height())},
    {"sourceSink.regionColor", kColour, 0, 0, kBlue, ZEF_READ(sourceSink.regionColor())},
    {"sourceSink.sourceStrength", kInt, 1000, 3000, 1500, ZEF_READ(sourceSink.sourceStrength())},
    {"streamSpeed.speed", kInt, 1, 10, 1, ZEF_READ(streamSpeed.speed())},
    {"vortexSource.strength", kInt, 100, 1000, 1000, ZEF_READ(vortexSource.strength())},
    {"vortexSource.circulation", kInt, 30, 3000, 1000, ZEF_READ(vortexSource.circulation())},
    {"cylinder.circulation", kInt, 100, 2000, 1000, ZEF_READ(cylinder.circulation())},
    {"cylinder.withCirculation", kFlag, 0, 0, false, ZEF_READ(cylinder.withCirculation())},
    {"vectors.resultantWidth", kInt, 1, 3, 1, ZEF_READ(vectorStyle.resultantWidth())},
    {"vectors.componentWidth", kInt, 1, 3, 1, ZEF_READ(vectorStyle.componentWidth())},
    {"vectors.resultantColor", kColour, 0, 0, kRed, ZEF_READ(vectorStyle.resultantColor())},
    {"vectors.componentColor", kColour, 0, 0, kGreen, ZEF_READ(vectorStyle.componentColor())},
    {"vectors.connectingColor", kColour, 0, 0, kNavy, ZEF_READ(vectorStyle.connectingColor())},
    {"vectorScale.scale", kInt, 1, 100, 10, ZEF_READ(vectorScale.scale())},
}};

#undef ZEF_READ

using Source = std::function<SettingValue(std::string_view)>;

int integer(const SettingValue& value) {
    if (const auto* invalid = std::get_if<InvalidText>(&value))
        throw ConversionError(invalid->text);
    return std::get<int>(value);
}

// The nine readers of the routines, each answering by name through `source`.
struct NamedReaders {
    explicit NamedReaders(Source source) : source(std::move(source)) {}
    NamedReaders(const NamedReaders&) = delete;
    NamedReaders& operator=(const NamedReaders&) = delete;

    Source source;
    int integerNamed(std::string_view name) const { return integer(source(name)); }
    Color colourNamed(std::string_view name) const { return std::get<Color>(source(name)); }
    bool flagNamed(std::string_view name) const { return std::get<bool>(source(name)); }

    struct Streamlines : StreamlineSettings {
        const NamedReaders& r;
        explicit Streamlines(const NamedReaders& r) : r(r) {}
        int lineWidth() const override { return r.integerNamed("streamlines.width"); }
        Color lineColor() const override { return r.colourNamed("streamlines.color"); }
        int lineCount() const override { return r.integerNamed("streamlines.count"); }
        int increment() const override { return r.integerNamed("streamlines.increment"); }
        bool directionArrows() const override { return r.flagNamed("streamlines.arrows"); }
        bool evenlySpaced() const override { return r.flagNamed("streamlines.evenlySpaced"); }
    } streamlines{*this};
    struct Equipotentials : EquipotentialSettings {
        const NamedReaders& r;
        explicit Equipotentials(const NamedReaders& r) : r(r) {}
        int lineWidth() const override { return r.integerNamed("equipotentials.width"); }
        Color lineColor() const override { return r.colourNamed("equipotentials.color"); }
        int lineCount() const override { return r.integerNamed("equipotentials.count"); }
        int increment() const override { return r.integerNamed("equipotentials.increment"); }
    } equipotentials{*this};
    struct Field : FieldSettings {
        const NamedReaders& r;
        explicit Field(const NamedReaders& r) : r(r) {}
        int width() const override { return r.integerNamed("field.width"); }
        int height() const override { return r.integerNamed("field.height"); }
    } field{*this};
    struct SourceSink : SourceSinkSettings {
        const NamedReaders& r;
        explicit SourceSink(const NamedReaders& r) : r(r) {}
        Color regionColor() const override { return r.colourNamed("sourceSink.regionColor"); }
        int sourceStrength() const override { return r.integerNamed("sourceSink.sourceStrength"); }
    } sourceSink{*this};
    struct StreamSpeed : StreamSpeedSettings {
        const NamedReaders& r;
        explicit StreamSpeed(const NamedReaders& r) : r(r) {}
        int speed() const override { return r.integerNamed("streamSpeed.speed"); }
    } streamSpeed{*this};
    struct VortexSource : VortexSourceSettings {
        const NamedReaders& r;
        explicit VortexSource(const NamedReaders& r) : r(r) {}
        int strength() const override { return r.integerNamed("vortexSource.strength"); }
        int circulation() const override { return r.integerNamed("vortexSource.circulation"); }
    } vortexSource{*this};
    struct Cylinder : CylinderSettings {
        const NamedReaders& r;
        explicit Cylinder(const NamedReaders& r) : r(r) {}
        int circulation() const override { return r.integerNamed("cylinder.circulation"); }
        bool withCirculation() const override { return r.flagNamed("cylinder.withCirculation"); }
    } cylinder{*this};
    struct VectorStyle : VectorStyleSettings {
        const NamedReaders& r;
        explicit VectorStyle(const NamedReaders& r) : r(r) {}
        int resultantWidth() const override { return r.integerNamed("vectors.resultantWidth"); }
        int componentWidth() const override { return r.integerNamed("vectors.componentWidth"); }
        Color resultantColor() const override { return r.colourNamed("vectors.resultantColor"); }
        Color componentColor() const override { return r.colourNamed("vectors.componentColor"); }
        Color connectingColor() const override { return r.colourNamed("vectors.connectingColor"); }
    } vectorStyle{*this};
    struct VectorScale : VectorScaleSettings {
        const NamedReaders& r;
        explicit VectorScale(const NamedReaders& r) : r(r) {}
        int scale() const override { return r.integerNamed("vectorScale.scale"); }
    } vectorScale{*this};

    const Settings settings{streamlines,  equipotentials, field,       sourceSink, streamSpeed,
                            vortexSource, cylinder,       vectorStyle, vectorScale};
};

}  // namespace

std::span<const SettingInfo> settingCatalogue() {
    return kCatalogue;
}

const SettingInfo* findSetting(std::string_view name) {
    const auto found = std::find_if(kCatalogue.begin(), kCatalogue.end(),
                                    [name](const SettingInfo& info) { return info.name == name; });
    return found == kCatalogue.end() ? nullptr : &*found;
}

std::optional<std::string> rangeProblem(int value, int minimum, int maximum) {
    if (value >= minimum && value <= maximum) return std::nullopt;
    return std::to_string(value) + " вне пределов " + std::to_string(minimum) + ".." +
           std::to_string(maximum);
}

std::optional<std::string> settingProblem(std::string_view name, const SettingValue& value) {
    const SettingInfo* info = findSetting(name);
    if (!info) return "неизвестная настройка";
    switch (info->kind) {
        case SettingKind::Integer:
            if (std::holds_alternative<InvalidText>(value)) return std::nullopt;
            if (!std::holds_alternative<int>(value)) return "не целое число";
            return rangeProblem(std::get<int>(value), info->minimum, info->maximum);
        case SettingKind::Colour:
            if (!std::holds_alternative<Color>(value) || std::get<Color>(value).value > 0xFFFFFF)
                return "не цвет";
            return std::nullopt;
        case SettingKind::Flag:
            if (!std::holds_alternative<bool>(value)) return "не true и не false";
            return std::nullopt;
    }
    return std::nullopt;
}

struct SettingValues::Readers : NamedReaders {
    using NamedReaders::NamedReaders;
};

SettingValues::SettingValues()
    : readers_(std::make_unique<Readers>([this](std::string_view name) { return value(name); })) {}

SettingValues::SettingValues(const SettingValues& other) : SettingValues() {
    values_ = other.values_;
}

SettingValues& SettingValues::operator=(const SettingValues& other) {
    values_ = other.values_;
    return *this;
}

SettingValues::~SettingValues() = default;

void SettingValues::set(std::string_view name, SettingValue value) {
    values_.insert_or_assign(std::string(name), std::move(value));
}

SettingValue SettingValues::value(std::string_view name) const {
    if (const auto found = values_.find(name); found != values_.end()) return found->second;
    const SettingInfo* info = findSetting(name);
    return info ? info->defaultValue : SettingValue{};
}

const Settings& SettingValues::settings() const {
    return readers_->settings;
}

struct RecordingSettings::Readers : NamedReaders {
    using NamedReaders::NamedReaders;
};

namespace {

// A setting a recorded run has read: its catalogue entry and its value in
// the record. A run reads the same few settings over and over (the field's
// size at every step of some routines), so each read finds them among these
// few rather than searching the catalogue and the record by name.
struct ReadSetting {
    const SettingInfo* info;
    SettingValue* recorded;
};

}  // namespace

RecordingSettings::RecordingSettings(const Settings& live, SettingValues& read)
    : readers_(std::make_unique<Readers>(
          [live, &read, seen = std::vector<ReadSetting>{}](std::string_view name) mutable {
              const auto known = std::find_if(
                  seen.begin(), seen.end(), [name](const auto& s) { return s.info->name == name; });
              const SettingInfo* info = known != seen.end() ? known->info : findSetting(name);
              try {
                  SettingValue value = info->read(live);
                  if (known != seen.end()) {
                      *known->recorded = value;
                  } else {
                      read.set(name, value);
                      seen.push_back({info, &read.values_.find(name)->second});
                  }
                  return value;
              } catch (const ConversionError& error) {
                  read.set(name, InvalidText{error.text()});
                  throw;
              }
          })) {}

RecordingSettings::~RecordingSettings() = default;

const Settings& RecordingSettings::settings() const {
    return readers_->settings;
}

std::string colourName(Color colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red(), colour.green(), colour.blue());
    return text;
}

std::optional<Color> colourNamed(std::string_view name) {
    if (name.size() != 7 || name[0] != '#') return std::nullopt;
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        int byte = 0;
        for (char c : name.substr(1 + 2 * i, 2)) {
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) return std::nullopt;
            byte = byte * 16 + digit;
        }
        rgb[i] = byte;
    }
    return Color::fromRgb(rgb[0], rgb[1], rgb[2]);
}

}  // namespace flow
