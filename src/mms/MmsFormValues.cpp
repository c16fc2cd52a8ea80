#include "mms/MmsFormValues.h"

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
    if (edit == MmsEdit::PicturesPerDay)
        return 1074;
    return 1002 + static_cast<int>(edit);
}

const std::string &MmsFormValues::text(MmsEdit edit) const
{
    switch (edit) {
    case MmsEdit::Url:
        return url;
    case MmsEdit::Apn:
        return apn;
    case MmsEdit::Gateway:
        return gateway;
    case MmsEdit::Port:
        return port;
    case MmsEdit::Phone1:
        return phone1;
    case MmsEdit::Email:
        return email;
    case MmsEdit::Account:
        return account;
    case MmsEdit::Password:
        return password;
    case MmsEdit::Phone2:
        return phone2;
    case MmsEdit::Phone3:
        return phone3;
    case MmsEdit::Folder:
    case MmsEdit::PicturesPerDay:
        break;
    }
    static const std::string none;
    return none;
}

void MmsFormValues::setText(MmsEdit edit, std::string value)
{
    if (textIndex(edit) < kMmsTextCount)
        const_cast<std::string &>(text(edit)) = std::move(value);
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
