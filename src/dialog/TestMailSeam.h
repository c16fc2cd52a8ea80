// The test seam of the desktop's test e-mail: while a TestMailSeam lives,
// every test e-mail trusts its certificate file, keeps its time limit and goes
// to its address, so tests reach a server on the loopback address with a
// certificate made for them, and need not wait 30 seconds for a silent one.
// Its end restores the real sending.
#pragma once

#include "mail/TestMail.h"

#include <chrono>
#include <string>

namespace marrowby {

class TestMailSeam {
public:
    struct Settings {
        std::string caFile;                    // empty: the system's certificates
        std::chrono::milliseconds timeLimit{}; // zero: the request's own
        std::string connectTo;                 // "host:port"; empty: where the form says
    };
    explicit TestMailSeam(const Settings &settings);
    ~TestMailSeam();
    TestMailSeam(const TestMailSeam &) = delete;
    TestMailSeam &operator=(const TestMailSeam &) = delete;

    // The request as the desktop sends it: the seam's settings applied, if one lives.
    static mail::TestMailRequest applied(mail::TestMailRequest request);
};

} // namespace marrowby
