// Settings readers that keep every value within the range its dialog allows,
// so that no routine is ever handed a value that makes it run without end or
// overflow (values may also come from places other than the dialogs). The
// field width and height are the exception: only their size is limited, to
// the largest picture side a document has.
#pragma once

#include <string_view>

#include "flow/settings.h"

namespace flow {

// The largest field width and height the routines trace to.
inline constexpr int kMaxFieldSide = 16384;

// The range of a dialog's control.
struct Range {
    int low, high;
    int operator()(int value) const { return value < low ? low : value > high ? high : value; }
};

// The range of the named integer setting, as its dialog's control allows it
// (from the settings catalogue).
Range settingRange(std::string_view name);

// The value, or kMaxFieldSide when it is larger.
inline int limitFieldSide(int side) {
    return side > kMaxFieldSide ? kMaxFieldSide : side;
}

class BoundedSettings {
  public:
    explicit BoundedSettings(const Settings& raw);
    BoundedSettings(const BoundedSettings&) = delete;
    BoundedSettings& operator=(const BoundedSettings&) = delete;

    const Settings& settings() const { return settings_; }
    // Whether a field width or height read so far was larger than the limit.
    bool fieldLimited() const { return field_.limited; }

  private:
    struct Streamlines : StreamlineSettings {
        const StreamlineSettings& raw;
        explicit Streamlines(const StreamlineSettings& r) : raw(r) {}
        int lineWidth() const override;
        Color lineColor() const override { return raw.lineColor(); }
        int lineCount() const override;
        int increment() const override;
        bool directionArrows() const override { return raw.directionArrows(); }
        bool evenlySpaced() const override { return raw.evenlySpaced(); }
        int markInterval() const override;
        int markSize() const override;
        Color markColor() const override { return raw.markColor(); }
    };
    struct Equipotentials : EquipotentialSettings {
        const EquipotentialSettings& raw;
        explicit Equipotentials(const EquipotentialSettings& r) : raw(r) {}
        int lineWidth() const override;
        Color lineColor() const override { return raw.lineColor(); }
        int lineCount() const override;
        int increment() const override;
    };
    struct Field : FieldSettings {
        const FieldSettings& raw;
        mutable bool limited = false;
        explicit Field(const FieldSettings& r) : raw(r) {}
        int width() const override { return limit(raw.width()); }
        int height() const override { return limit(raw.height()); }
        // Read at every step of some routines, so kept inline.
        int limit(int side) const {
            if (side > kMaxFieldSide) limited = true;
            return limitFieldSide(side);
        }
    };
    struct SourceSink : SourceSinkSettings {
        const SourceSinkSettings& raw;
        explicit SourceSink(const SourceSinkSettings& r) : raw(r) {}
        Color regionColor() const override { return raw.regionColor(); }
        int sourceStrength() const override;
    };
    struct StreamSpeed : StreamSpeedSettings {
        const StreamSpeedSettings& raw;
        explicit StreamSpeed(const StreamSpeedSettings& r) : raw(r) {}
        int speed() const override;
    };
    struct VortexSource : VortexSourceSettings {
        const VortexSourceSettings& raw;
        explicit VortexSource(const VortexSourceSettings& r) : raw(r) {}
        int strength() const override;
        int circulation() const override;
    };
    struct Cylinder : CylinderSettings {
        const CylinderSettings& raw;
        explicit Cylinder(const CylinderSettings& r) : raw(r) {}
        int circulation() const override;
        bool withCirculation() const override { return raw.withCirculation(); }
    };
    struct VectorStyle : VectorStyleSettings {
        const VectorStyleSettings& raw;
        explicit VectorStyle(const VectorStyleSettings& r) : raw(r) {}
        int resultantWidth() const override;
        int componentWidth() const override;
        Color resultantColor() const override { return raw.resultantColor(); }
        Color componentColor() const override { return raw.componentColor(); }
        Color connectingColor() const override { return raw.connectingColor(); }
    };
    struct VectorScale : VectorScaleSettings {
        const VectorScaleSettings& raw;
        explicit VectorScale(const VectorScaleSettings& r) : raw(r) {}
        int scale() const override;
    };

    Streamlines streamlines_;
    Equipotentials equipotentials_;
    Field field_;
    SourceSink sourceSink_;
    StreamSpeed streamSpeed_;
    VortexSource vortexSource_;
    Cylinder cylinder_;
    VectorStyle vectorStyle_;
    VectorScale vectorScale_;
    Settings settings_;
};

}  // namespace flow
