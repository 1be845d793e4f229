// A document's configuration read from its slots and written back: the only
// places that know which slot holds what.
#pragma once

#include "document/configuration.h"

class TMDIChild;

Configuration readConfiguration(const TMDIChild& document);
void writeConfiguration(const Configuration& configuration, TMDIChild& document);
// Every slot takes the configuration's value; an unset one its sentinel.
void mirrorConfiguration(const Configuration& configuration, TMDIChild& document);
