#pragma once

#include "i18n/TextExport.h"

#include <vector>

namespace marrowby {

// Every text of the program for the translators' sheet: the text tables, then
// the country and operator names.
std::vector<i18n::TextRow> textSheetRows();

} // namespace marrowby
