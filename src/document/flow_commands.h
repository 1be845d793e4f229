// What the two construction commands run for a configuration: the routine
// with its arguments, read from the configuration in each routine's own
// order, and (streamlines only) the flow's description for the document's
// title. The main window's commands and the command-line renderer both ask
// here.
#pragma once

#include <QString>
#include <variant>

#include "document/configuration.h"
#include "flow/routines.h"
#include "flow/settings.h"

// The texts the streamline command's titles quote, as the dialogs and the
// strength panel show them.
struct TitleTexts {
    QString streamSpeed;
    QString vortexSourceStrength;
    QString vortexSourceCirculation;
    QString pairSource;
    QString pairSink;
};

struct CommandRun {
    flow::RoutineCall call;
    QString title;  // empty: the title stays as it is
    // The pair's title is written before its routine runs, the others after.
    bool titleFirst = false;
};

// Why a command draws nothing: no element placed, a flow whose lines of
// equal potential are not drawn, or (silently) one it leaves as it is.
enum class CommandRefusal { NoElement, NoEquipotentials, Nothing };

using CommandPlan = std::variant<CommandRun, CommandRefusal>;

CommandPlan planStreamlines(const Configuration& c, const flow::Settings& settings,
                            const TitleTexts& texts);
CommandPlan planEquipotentials(const Configuration& c, const flow::Settings& settings);

// The cylinder's title (the one without circulation) quoting the radius R
// instead of the one it quotes; any other title as it is.
QString withCylinderRadius(const QString& title, int R);
