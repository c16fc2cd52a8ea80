// The operator tables live in operators/; this name stays for the card reader
// until it includes them from there.
#pragma once

#include "operators/OperatorTables.h"
