#include "flow/setting_values.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "flow/bounded_settings.h"
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
constexpr std::array<SettingInfo, 28> kCatalogue{{
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
    {"streamlines.markInterval", kInt, 1, 10000, 20, ZEF_READ(streamlines.markInterval())},
    {"streamlines.markSize", kInt, 1, 10, 3, ZEF_READ(streamlines.markSize())},
    {"streamlines.markColor", kColour, 0, 0, kBlack, ZEF_READ(streamlines.markColor())},
}};

#undef ZEF_READ

// The catalogue position of a setting, found while compiling.
consteval std::size_t slot(std::string_view name) {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i)
        if (kCatalogue[i].name == name) return i;
    throw "not in the catalogue";
}

int integerIn(const SettingValue& value) {
    if (const auto* invalid = std::get_if<InvalidText>(&value))
        throw ConversionError(invalid->text);
    return std::get<int>(value);
}

// A setting read through a CatalogueReaders' source (below), whose
// `value<slot>()` gives the setting's value and `integer<slot>()` an integer
// setting's.
template <std::size_t At, class Readers>
int integer(const Readers& r) {
    return r.source.template integer<At>();
}
template <std::size_t At, class Readers>
Color colour(const Readers& r) {
    return std::get<Color>(r.source.template value<At>());
}
template <std::size_t At, class Readers>
bool flag(const Readers& r) {
    return std::get<bool>(r.source.template value<At>());
}

// The nine readers of the routines, each answering by catalogue position
// through `source`.
template <class Source>
struct CatalogueReaders {
    explicit CatalogueReaders(Source source) : source(std::move(source)) {}
    CatalogueReaders(const CatalogueReaders&) = delete;
    CatalogueReaders& operator=(const CatalogueReaders&) = delete;

    Source source;

    struct Streamlines : StreamlineSettings {
        const CatalogueReaders& r;
        explicit Streamlines(const CatalogueReaders& r) : r(r) {}
        int lineWidth() const override { return integer<slot("streamlines.width")>(r); }
        Color lineColor() const override { return colour<slot("streamlines.color")>(r); }
        int lineCount() const override { return integer<slot("streamlines.count")>(r); }
        int increment() const override { return integer<slot("streamlines.increment")>(r); }
        bool directionArrows() const override { return flag<slot("streamlines.arrows")>(r); }
        bool evenlySpaced() const override { return flag<slot("streamlines.evenlySpaced")>(r); }
        int markInterval() const override { return integer<slot("streamlines.markInterval")>(r); }
        int markSize() const override { return integer<slot("streamlines.markSize")>(r); }
        Color markColor() const override { return colour<slot("streamlines.markColor")>(r); }
    } streamlines{*this};
    struct Equipotentials : EquipotentialSettings {
        const CatalogueReaders& r;
        explicit Equipotentials(const CatalogueReaders& r) : r(r) {}
        int lineWidth() const override { return integer<slot("equipotentials.width")>(r); }
        Color lineColor() const override { return colour<slot("equipotentials.color")>(r); }
        int lineCount() const override { return integer<slot("equipotentials.count")>(r); }
        int increment() const override { return integer<slot("equipotentials.increment")>(r); }
    } equipotentials{*this};
    struct Field : FieldSettings {
        const CatalogueReaders& r;
        explicit Field(const CatalogueReaders& r) : r(r) {}
        int width() const override { return integer<slot("field.width")>(r); }
        int height() const override { return integer<slot("field.height")>(r); }
    } field{*this};
    struct SourceSink : SourceSinkSettings {
        const CatalogueReaders& r;
        explicit SourceSink(const CatalogueReaders& r) : r(r) {}
        Color regionColor() const override { return colour<slot("sourceSink.regionColor")>(r); }
        int sourceStrength() const override {
            return integer<slot("sourceSink.sourceStrength")>(r);
        }
    } sourceSink{*this};
    struct StreamSpeed : StreamSpeedSettings {
        const CatalogueReaders& r;
        explicit StreamSpeed(const CatalogueReaders& r) : r(r) {}
        int speed() const override { return integer<slot("streamSpeed.speed")>(r); }
    } streamSpeed{*this};
    struct VortexSource : VortexSourceSettings {
        const CatalogueReaders& r;
        explicit VortexSource(const CatalogueReaders& r) : r(r) {}
        int strength() const override { return integer<slot("vortexSource.strength")>(r); }
        int circulation() const override { return integer<slot("vortexSource.circulation")>(r); }
    } vortexSource{*this};
    struct Cylinder : CylinderSettings {
        const CatalogueReaders& r;
        explicit Cylinder(const CatalogueReaders& r) : r(r) {}
        int circulation() const override { return integer<slot("cylinder.circulation")>(r); }
        bool withCirculation() const override { return flag<slot("cylinder.withCirculation")>(r); }
    } cylinder{*this};
    struct VectorStyle : VectorStyleSettings {
        const CatalogueReaders& r;
        explicit VectorStyle(const CatalogueReaders& r) : r(r) {}
        int resultantWidth() const override { return integer<slot("vectors.resultantWidth")>(r); }
        int componentWidth() const override { return integer<slot("vectors.componentWidth")>(r); }
        Color resultantColor() const override { return colour<slot("vectors.resultantColor")>(r); }
        Color componentColor() const override { return colour<slot("vectors.componentColor")>(r); }
        Color connectingColor() const override {
            return colour<slot("vectors.connectingColor")>(r);
        }
    } vectorStyle{*this};
    struct VectorScale : VectorScaleSettings {
        const CatalogueReaders& r;
        explicit VectorScale(const CatalogueReaders& r) : r(r) {}
        int scale() const override { return integer<slot("vectorScale.scale")>(r); }
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

namespace {

// Answers from a set of values.
struct ValuesSource {
    const SettingValues* values;
    template <std::size_t At>
    SettingValue value() const {
        return values->value(kCatalogue[At].name);
    }
    template <std::size_t At>
    int integer() const {
        return integerIn(value<At>());
    }
};

}  // namespace

struct SettingValues::Readers : CatalogueReaders<ValuesSource> {
    using CatalogueReaders::CatalogueReaders;
};

SettingValues::SettingValues() : readers_(std::make_unique<Readers>(ValuesSource{this})) {}

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

// Answers from the live readers and notes each answer into the record. A
// run reads the same few settings over and over (the field's size at every
// step of some routines), so each setting's place in the record is kept
// once it has one, and a read is hardly dearer than the live one.
class RecordingSettings::Source {
  public:
    Source(const Settings& live, SettingValues& read, ReadBounds bounds)
        : live_(live), read_(read), bounds_(bounds) {}

    // The live read is called directly, and its value is not looked at again.
    template <std::size_t At>
    SettingValue value() const {
        try {
            SettingValue value = kCatalogue[At].read(live_);
            if (SettingValue* recorded = recorded_[At])
                *recorded = value;
            else
                recorded_[At] = &record(At, value);
            return value;
        } catch (const ConversionError& error) {
            recordInvalid(At, error);
            throw;
        }
    }

    // The same for an integer, kept an int all the way: the field's size is
    // read at every step of some routines.
    template <std::size_t At>
    int integer() const {
        try {
            int value = std::get<int>(kCatalogue[At].read(live_));
            if (bounds_ == ReadBounds::DialogRanges) value = bounded<At>(value);
            SettingValue* recorded = recorded_[At];
            if (int* kept = recorded ? std::get_if<int>(recorded) : nullptr)
                *kept = value;
            else
                recorded_[At] = &record(At, value);
            return value;
        } catch (const ConversionError& error) {
            recordInvalid(At, error);
            throw;
        }
    }

    bool fieldLimited() const { return fieldLimited_; }

  private:
    // The value as BoundedSettings gives it.
    template <std::size_t At>
    int bounded(int value) const {
        if constexpr (At == slot("field.width") || At == slot("field.height")) {
            if (value > kMaxFieldSide) fieldLimited_ = true;
            return limitFieldSide(value);
        } else {
            return Range{kCatalogue[At].minimum, kCatalogue[At].maximum}(value);
        }
    }

    SettingValue& record(std::size_t at, SettingValue value) const {
        return read_.values_.insert_or_assign(std::string(kCatalogue[at].name), std::move(value))
            .first->second;
    }

    void recordInvalid(std::size_t at, const ConversionError& error) const {
        recorded_[at] = &record(at, InvalidText{error.text()});
    }

    Settings live_;
    SettingValues& read_;
    const ReadBounds bounds_;
    mutable bool fieldLimited_ = false;
    mutable std::array<SettingValue*, kCatalogue.size()> recorded_{};
};

struct RecordingSettings::Readers : CatalogueReaders<Source> {
    using CatalogueReaders::CatalogueReaders;
};

RecordingSettings::RecordingSettings(const Settings& live, SettingValues& read, ReadBounds bounds)
    : readers_(std::make_unique<Readers>(Source(live, read, bounds))) {}

RecordingSettings::~RecordingSettings() = default;

const Settings& RecordingSettings::settings() const {
    return readers_->settings;
}

bool RecordingSettings::fieldLimited() const {
    return readers_->source.fieldLimited();
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
