#include "document/flow_commands.h"

#include <cstdlib>

namespace {

CommandRun run(std::string_view routine, std::vector<int> arguments, QString title = {}) {
    return {flow::routineCall(routine, std::move(arguments)), std::move(title)};
}

const QString kSpeed = "; Скорость набегающего потока U=";
const QString kCylinder = "Обтекание цилиндра без циркуляции R=";

QString cylinderTitle(int R, const QString& streamSpeed) {
    return kCylinder + QString::number(R) + kSpeed + streamSpeed;
}

}  // namespace

CommandPlan planStreamlines(const Configuration& c, const flow::Settings& settings,
                            const TitleTexts& texts) {
    const QString speed = kSpeed + texts.streamSpeed;
    switch (c.kind()) {
        case FlowKind::SourceSinkPair: {
            const int X = c.centreX.number(), Y = c.centreY.number();
            const int x2 = c.secondX.number(), source = c.source.number(), sink = c.sink.number();
            const int D = static_cast<int>(std::llabs(static_cast<long long>(X) - x2));
            CommandRun pair = run("StreamSourceSink", {X, Y, D, source, sink},
                                  "Исток мощностью Qи=" + texts.pairSource +
                                      " и Сток мощьностью Qс=" + texts.pairSink);
            pair.titleFirst = true;
            return pair;
        }
        case FlowKind::Vortex: {
            const int X = c.centreX.number(), Y = c.centreY.number();
            return run("StreamVortex", {X, Y}, "Плоский вихрь");
        }
        case FlowKind::PointSource: {
            const int X = c.centreX.number(), Y = c.centreY.number();
            return run("StreamPointSource", {X, Y}, "Точечный Источник\\Сток");
        }
        case FlowKind::VortexSource: {
            const int X = c.centreX.number(), Y = c.centreY.number();
            const int boundary = c.boundary.number();
            return run(
                "StreamVortexSource", {X, Y, boundary},
                "ВихреСток\\Исток с мощностью Истока\\Стока Q=" + texts.vortexSourceStrength +
                    " ,и циркуляцией Г=" + texts.vortexSourceCirculation);
        }
        case FlowKind::Dipole: {
            const int X = c.centreX.number(), Y = c.centreY.number();
            const int M = c.moment.number();
            return run("StreamDipole", {X, Y, M}, "Диполь с моментом M=" + c.moment.text);
        }
        case FlowKind::Cylinder: {
            const int R = c.radius.number();
            const int X = c.centreX.number(), Y = c.centreY.number();
            if (settings.cylinder.withCirculation())
                return run("StreamCylinderCirculation", {R, X, Y});
            return run("StreamCylinder", {R, X, Y}, cylinderTitle(R, texts.streamSpeed));
        }
        case FlowKind::SourceInStream:
        case FlowKind::SinkInStream: {
            // Not once a partner has joined it.
            if (c.secondX.filled) return CommandRefusal::Nothing;
            const bool sink = c.kind() == FlowKind::SinkInStream;
            const int X = c.centreX.number(), Y = c.centreY.number();
            const int Q = (sink ? c.sink : c.source).number();
            return run(
                sink ? "StreamSinkInStream" : "StreamSourceInStream", {X, Y, Q},
                (sink ? "Cток" : "Исток") + QString(" мощности Q=") + QString::number(Q) + speed);
        }
        case FlowKind::Empty:
            break;
    }
    return CommandRefusal::NoElement;
}

CommandPlan planEquipotentials(const Configuration& c, const flow::Settings& settings) {
    auto X = [&c] { return c.centreX.number(); };
    auto Y = [&c] { return c.centreY.number(); };
    switch (c.kind()) {
        case FlowKind::SourceInStream:
        case FlowKind::SinkInStream: {
            if (c.secondX.filled) return CommandRefusal::NoEquipotentials;
            const bool sink = c.kind() == FlowKind::SinkInStream;
            const int x = X(), y = Y(), Q = (sink ? c.sink : c.source).number();
            return run(sink ? "EquipotentialSinkInStream" : "EquipotentialSourceInStream",
                       {x, y, Q});
        }
        case FlowKind::Vortex: {
            const int x = X(), y = Y();
            return run("EquipotentialVortex", {x, y});
        }
        case FlowKind::PointSource: {
            const int x = X(), y = Y();
            return run("EquipotentialPointSource", {x, y});
        }
        case FlowKind::Cylinder:
            if (settings.cylinder.withCirculation()) {
                const int R = c.radius.number(), x = X(), y = Y();
                return run("EquipotentialCylinderCirculation", {R, x, y});
            } else {
                const int x = X(), y = Y(), R = c.radius.number();
                return run("EquipotentialCylinder", {x, y, R});
            }
        case FlowKind::VortexSource: {
            const int x = X(), y = Y(), boundary = c.boundary.number();
            return run("EquipotentialVortexSource", {x, y, boundary});
        }
        case FlowKind::Dipole: {
            const int x = X(), y = Y(), M = c.moment.number();
            return run("EquipotentialDipole", {x, y, M});
        }
        case FlowKind::SourceSinkPair:
            return CommandRefusal::NoEquipotentials;
        case FlowKind::Empty:
            break;
    }
    return CommandRefusal::NoElement;
}

QString withCylinderRadius(const QString& title, int R) {
    const qsizetype speed = title.indexOf(kSpeed);
    if (!title.startsWith(kCylinder) || speed < 0) return title;
    return cylinderTitle(R, title.mid(speed + kSpeed.size()));
}
