// What the flow routines read from the settings dialogs. Each call reads the
// control at that moment; nothing is cached, so a routine calls a reader
// exactly when (and as often as) it needs the value. Readers that parse a
// text throw ConversionError when it is not an integer.
#pragma once

#include "flow/surface.h"

namespace flow {

// Streamline dialog.
class StreamlineSettings {
  public:
    virtual ~StreamlineSettings() = default;
    virtual int lineWidth() const = 0;         // caption of Label3
    virtual Color lineColor() const = 0;       // swatch Label4
    virtual int lineCount() const = 0;         // caption of Label8
    virtual int increment() const = 0;         // caption of Label6
    virtual bool directionArrows() const = 0;  // CheckBox1
    // Superposition streamlines seeded by separation distance: CheckBox2.
    virtual bool evenlySpaced() const = 0;
    // Time marks: the time between marks, the dots' diameter and colour.
    virtual int markInterval() const = 0;
    virtual int markSize() const = 0;
    virtual Color markColor() const = 0;
};

// Equipotential dialog.
class EquipotentialSettings {
  public:
    virtual ~EquipotentialSettings() = default;
    virtual int lineWidth() const = 0;    // caption of Label3
    virtual Color lineColor() const = 0;  // swatch Label4
    virtual int lineCount() const = 0;    // caption of Label8
    virtual int increment() const = 0;    // caption of Label6
};

// Field-size dialog: the field W and H as typed, converted at each call.
class FieldSettings {
  public:
    virtual ~FieldSettings() = default;
    virtual int width() const = 0;   // text of Edit2
    virtual int height() const = 0;  // text of Edit1
};

// Source/sink dialog.
class SourceSinkSettings {
  public:
    virtual ~SourceSinkSettings() = default;
    virtual Color regionColor() const = 0;   // swatch Label7
    virtual int sourceStrength() const = 0;  // position of TrackBar1
};

// Stream-speed dialog.
class StreamSpeedSettings {
  public:
    virtual ~StreamSpeedSettings() = default;
    virtual int speed() const = 0;  // position of TrackBar1
};

// Vortex-source dialog.
class VortexSourceSettings {
  public:
    virtual ~VortexSourceSettings() = default;
    virtual int strength() const = 0;     // caption of Label2
    virtual int circulation() const = 0;  // caption of Label4
};

// Cylinder dialog.
class CylinderSettings {
  public:
    virtual ~CylinderSettings() = default;
    virtual int circulation() const = 0;       // position of TrackBar2
    virtual bool withCirculation() const = 0;  // enabled state of Label5
};

// Vector-style dialog.
class VectorStyleSettings {
  public:
    virtual ~VectorStyleSettings() = default;
    virtual int resultantWidth() const = 0;     // position of UpDown2
    virtual int componentWidth() const = 0;     // position of UpDown1
    virtual Color resultantColor() const = 0;   // swatch Label7
    virtual Color componentColor() const = 0;   // swatch Label9
    virtual Color connectingColor() const = 0;  // swatch Label13
};

// Vector-scale dialog.
class VectorScaleSettings {
  public:
    virtual ~VectorScaleSettings() = default;
    virtual int scale() const = 0;  // position of TrackBar1
};

// The progress gauge (0..80); advancing clamps at the top.
class Gauge {
  public:
    virtual ~Gauge() = default;
    virtual void advance(int steps) = 0;
};

// Every reader a routine may need.
struct Settings {
    const StreamlineSettings& streamlines;
    const EquipotentialSettings& equipotentials;
    const FieldSettings& field;
    const SourceSinkSettings& sourceSink;
    const StreamSpeedSettings& streamSpeed;
    const VortexSourceSettings& vortexSource;
    const CylinderSettings& cylinder;
    const VectorStyleSettings& vectorStyle;
    const VectorScaleSettings& vectorScale;
};

// What one drawing run works with: the picture, the settings and the gauge.
struct Canvas {
    Surface& surface;
    const Settings& settings;
    Gauge& gauge;
};

}  // namespace flow
