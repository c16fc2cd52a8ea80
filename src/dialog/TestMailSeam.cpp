#include "dialog/TestMailSeam.h"

#include "dialog/Services.h"

#include <mutex>
#include <optional>

namespace marrowby {

namespace {

// Read on the sending thread, set on the test's: guarded.
std::mutex g_mutex;
std::optional<TestMailSeam::Settings> g_settings;

} // namespace

TestMailSeam::TestMailSeam(const Settings &settings)
{
    const std::lock_guard lock(g_mutex);
    g_settings = settings;
}

TestMailSeam::~TestMailSeam()
{
    const std::lock_guard lock(g_mutex);
    g_settings.reset();
}

mail::TestMailRequest TestMailSeam::applied(mail::TestMailRequest request)
{
    const std::lock_guard lock(g_mutex);
    if (g_settings) {
        request.caFile = g_settings->caFile;
        if (g_settings->timeLimit.count() > 0)
            request.timeLimit = g_settings->timeLimit;
        request.connectTo = g_settings->connectTo;
    }
    return request;
}

mail::TestMailResult DesktopServices::sendTestMail(
    const mail::TestMailRequest &request, const mail::TestMailControl &control)
{
    return mail::sendTestMail(TestMailSeam::applied(request), control);
}

} // namespace marrowby
