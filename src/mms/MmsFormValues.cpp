#include "mms/MmsFormValues.h"

#include "mms/MmsFormVariant.h"

#include <utility>

namespace marrowby {

namespace {

std::size_t textIndex(MmsEdit edit)
{
    const auto index = static_cast<std::size_t>(edit);
    return index < kMmsTextCount ? index : kMmsTextCount;
}

} // namespace

int mmsEditId(MmsEdit edit)
{
    return mmsEditRow(edit).id;
}

const std::string &MmsFormValues::text(MmsEdit edit) const
{
    if (textIndex(edit) < kMmsTextCount)
        return this->*mmsEditRow(edit).value;
    static const std::string none;
    return none;
}

void MmsFormValues::setText(MmsEdit edit, std::string value)
{
    if (textIndex(edit) < kMmsTextCount)
        this->*mmsEditRow(edit).value = std::move(value);
}

bool MmsEditable::editable(MmsEdit edit) const
{
    const std::size_t index = textIndex(edit);
    return index < kMmsTextCount && m_editable[index];
}

void MmsEditable::set(std::initializer_list<MmsEdit> edits, bool editable)
{
    set(std::span<const MmsEdit>(edits.begin(), edits.size()), editable);
}

void MmsEditable::set(std::span<const MmsEdit> edits, bool editable)
{
    for (const MmsEdit edit : edits) {
        const std::size_t index = textIndex(edit);
        if (index < kMmsTextCount)
            m_editable[index] = editable;
    }
}

} // namespace marrowby
