// What a document's field holds, as one value: the kind of flow and every
// value its slots record, in the slots' own texts (configuration_slots.h
// reads it from a document's slots and writes it back).
#pragma once

#include <QString>

enum class FlowKind {
    Empty,
    SourceSinkPair,
    Vortex,
    PointSource,
    VortexSource,
    Dipole,
    Cylinder,
    SourceInStream,
    SinkInStream,
};

// One recorded value: its text, and whether it is set at all (an unset value
// keeps its slot's sentinel as its text). The number is read from the text
// only when it is asked for, so a text that is no integer stops the reader
// there with the usual conversion error.
struct SlotValue {
    QString text;
    bool filled = false;

    int number() const;
    void set(const QString& value);
    void set(long long value);
    friend bool operator==(const SlotValue&, const SlotValue&) = default;
};

struct Configuration {
    SlotValue centreX;  // the first element's place
    SlotValue centreY;
    SlotValue secondX;  // the second element's place (partner or pair)
    SlotValue secondY;
    SlotValue source;         // strength of a source in a stream or of the pair
    SlotValue sink;           // strength of a sink in a stream or of the pair
    SlotValue sourcePartner;  // strength of a source added to a sink in a stream
    SlotValue sinkPartner;    // strength of a sink added to a source in a stream
    SlotValue radius;         // cylinder radius R
    SlotValue moment;         // dipole moment M
    SlotValue boundary;       // boundary radius of a vortex-source
    SlotValue pointSource;    // set: a point source or sink
    SlotValue vortex;         // set: a plane vortex
    SlotValue pair;           // set: a source-sink pair

    // Decided by which element values are set; a pair is recognised first.
    FlowKind kind() const;
    bool isEmpty() const { return kind() == FlowKind::Empty; }
    // The pair's first point is placed, its second is not.
    bool pairAwaitsSecondPoint() const { return pair.filled && !secondX.filled; }
    friend bool operator==(const Configuration&, const Configuration&) = default;
};
