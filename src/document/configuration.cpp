#include "document/configuration.h"

#include "flow/geometry.h"

int SlotValue::number() const {
    return flow::strToInt(text.toStdString());
}

void SlotValue::set(const QString& value) {
    text = value;
    filled = true;
}

void SlotValue::set(long long value) {
    set(QString::number(value));
}

FlowKind Configuration::kind() const {
    if (!source.filled && !radius.filled && !sink.filled && !moment.filled && !boundary.filled &&
        !pointSource.filled && !vortex.filled)
        return FlowKind::Empty;
    if (pair.filled) return FlowKind::SourceSinkPair;
    if (vortex.filled) return FlowKind::Vortex;
    if (pointSource.filled) return FlowKind::PointSource;
    if (boundary.filled) return FlowKind::VortexSource;
    if (moment.filled) return FlowKind::Dipole;
    if (radius.filled) return FlowKind::Cylinder;
    if (source.filled) return FlowKind::SourceInStream;
    return FlowKind::SinkInStream;
}
