// Every setting the flow routines read, as plain values under stable dotted
// names ("streamlines.count", "field.width", ...): the catalogue of names
// with their kinds, ranges and defaults, a set of values that answers the
// routines' readers, and a recorder that keeps what a run actually read.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "flow/settings.h"

namespace flow {

// Points, and the field's W and H as settings, lie within this distance of
// the picture's origin.
inline constexpr int kMaxCoordinate = 1'000'000;

// A text read where an integer was expected; reading it again throws the
// same ConversionError.
struct InvalidText {
    std::string text;
    friend bool operator==(const InvalidText&, const InvalidText&) = default;
};

using SettingValue = std::variant<int, Color, bool, InvalidText>;

enum class SettingKind { Integer, Colour, Flag };

struct SettingInfo {
    std::string_view name;
    SettingKind kind;
    int minimum;  // integers only
    int maximum;
    SettingValue defaultValue;
    SettingValue (*read)(const Settings& settings);
};

// Every setting, in a fixed order.
std::span<const SettingInfo> settingCatalogue();
const SettingInfo* findSetting(std::string_view name);

// "v вне пределов min..max" when the value is outside the range.
std::optional<std::string> rangeProblem(int value, int minimum, int maximum);

// Why the value cannot be the named setting's (unknown name, wrong kind, out
// of range), or nothing when it can. An InvalidText fits any integer setting.
std::optional<std::string> settingProblem(std::string_view name, const SettingValue& value);

// Named values answering the routines' readers; a setting without a value
// reads as its default.
class SettingValues {
  public:
    SettingValues();
    SettingValues(const SettingValues& other);
    SettingValues& operator=(const SettingValues& other);
    ~SettingValues();

    // The name must be in the catalogue; the value is taken as it is.
    void set(std::string_view name, SettingValue value);
    SettingValue value(std::string_view name) const;
    const std::map<std::string, SettingValue, std::less<>>& values() const { return values_; }
    const Settings& settings() const;

    friend bool operator==(const SettingValues& a, const SettingValues& b) {
        return a.values_ == b.values_;
    }

  private:
    friend class RecordingSettings;  // writes straight into the values it records
    struct Readers;
    std::map<std::string, SettingValue, std::less<>> values_;
    std::unique_ptr<Readers> readers_;
};

// How a recorded run takes the live values: as they are, or held as
// BoundedSettings holds them (within the dialogs' ranges, the field's sides
// only to their limit), without a second layer of readers.
enum class ReadBounds { AsRead, DialogRanges };

// Readers that pass every read on to `live` (the readers it names must
// outlive this) and note into `read` the value it gave, or the text it could
// not convert (the error still goes on). `read` is not to be assigned to
// while this records.
class RecordingSettings {
  public:
    RecordingSettings(const Settings& live, SettingValues& read,
                      ReadBounds bounds = ReadBounds::AsRead);
    ~RecordingSettings();
    RecordingSettings(const RecordingSettings&) = delete;
    RecordingSettings& operator=(const RecordingSettings&) = delete;
    const Settings& settings() const;
    // Whether a field width or height read so far was held to its limit.
    bool fieldLimited() const;

  private:
    class Source;
    struct Readers;
    std::unique_ptr<Readers> readers_;
};

// Colours as "#rrggbb" and back.
std::string colourName(Color colour);
std::optional<Color> colourNamed(std::string_view name);

}  // namespace flow
