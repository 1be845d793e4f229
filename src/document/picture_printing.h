// The picture printed: drawn again from its construction on a printer's page.
#pragma once

#include "document/construction.h"

class QPrinter;

// One page, the picture scaled to the page's printable area.
void printConstruction(const Construction& construction, QPrinter& printer);
