#include "mms/TextRecord.h"

#include "records/RecordText.h"

namespace marrowby {

ConfigRecord textRecord(std::string_view utf8)
{
    ConfigRecord record;
    PutRecordText(utf8, record);
    record[57] = static_cast<std::uint8_t>(utf16Length(utf8) & 0xFF);
    record.setLineEnd();
    return record;
}

} // namespace marrowby
