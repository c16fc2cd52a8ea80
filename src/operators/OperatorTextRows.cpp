#include "operators/OperatorTextRows.h"

#include "operators/OperatorTables.h"

#include <string>

namespace marrowby {

std::vector<i18n::TextRow> operatorNameRows()
{
    std::vector<i18n::TextRow> rows;
    for (const OperatorNameEntry &name : operatorNameEntries()) {
        std::string key = "entry " + std::to_string(name.entry);
        if (name.list >= 0)
            key = "list " + std::to_string(name.list) + " " + key;
        rows.push_back({"operators." + std::string(name.table), std::move(key),
            name.language == 0 ? std::string("-") : std::to_string(name.language),
            std::string(name.text)});
    }
    return rows;
}

} // namespace marrowby
