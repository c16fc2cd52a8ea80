#include "app/TextSheet.h"

#include "operators/OperatorTextRows.h"

#include <iterator>

namespace marrowby {

std::vector<i18n::TextRow> textSheetRows()
{
    std::vector<i18n::TextRow> rows = i18n::collectTextRows();
    std::vector<i18n::TextRow> names = operatorNameRows();
    rows.insert(
        rows.end(), std::make_move_iterator(names.begin()), std::make_move_iterator(names.end()));
    return rows;
}

} // namespace marrowby
