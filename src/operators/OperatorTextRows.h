#pragma once

#include "i18n/TextExport.h"

#include <vector>

namespace marrowby {

// The country and operator names as rows of the text sheet: table
// "operators.<name>", key "entry N" or "list L entry N" (L the country index, or
// for GprsOperators the GPRS list position), language "-" for names that are
// the same in every language.
std::vector<i18n::TextRow> operatorNameRows();

} // namespace marrowby
