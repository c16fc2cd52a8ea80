// libFuzzer target: the card inspector on arbitrary bytes, as every kind of
// file and with every report. Built with -DMARROWBY_FUZZ=ON and clang.
#include "cardfiles/CardReport.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace marrowby::inspect;
    const std::span<const std::uint8_t> bytes(data, size);
    // The first byte picks a model and a language, so that every layout and
    // every text table is reached.
    const int pick = size > 0 ? data[0] : 0;
    const InspectOptions options{
        .model = pick % 20 == 0 ? std::nullopt : std::optional<int>(pick % 20)};
    const ReportOptions report{.language = 1 + pick % 15, .showPasswords = (pick & 0x80) != 0};
    for (const FileKind kind : {FileKind::Menu, FileKind::Setup, FileKind::Smtp}) {
        const FileInspection file = inspectBytes("card", kind, bytes, options);
        (void)textReport(file, report);
        (void)jsonReport({file}, report);
    }
    (void)inspectSealed(bytes);
    return 0;
}
