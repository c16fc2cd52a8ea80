// A real mail server on the loopback address for the tests: the Python
// script beside this file (aiosmtpd under the system's Python), started on a
// free port for one test and stopped when the object goes.
#pragma once

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <netinet/in.h>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#ifndef MARROWBY_TEST_SERVER_SCRIPT
#error "MARROWBY_TEST_SERVER_SCRIPT names the test server's script"
#endif

namespace marrowby::test {

// One line of the server's log: the event and its fields.
struct ServerEvent {
    std::string name; // "connect", "auth", "message"
    std::map<std::string, std::string> fields;

    std::string operator[](const std::string &key) const
    {
        const auto it = fields.find(key);
        return it == fields.end() ? std::string() : it->second;
    }
};

class SmtpTestServer {
public:
    enum class Mode {
        Plain,
        StartTls,
        Tls,
        Silent
    };
    struct Options {
        Mode mode = Mode::Plain;
        std::string user = "camera";
        std::string password = "secret";
        double delaySeconds = 0; // before the reply to the message
    };

    explicit SmtpTestServer(const Options &options)
    {
        char folderTemplate[] = "/tmp/marrowby-smtp-XXXXXX";
        m_folder = mkdtemp(folderTemplate);
        m_log = m_folder + "/events.log";
        std::ofstream(m_log).close();

        const char *modes[] = {"plain", "starttls", "tls", "silent"};
        std::vector<std::string> args = {"/usr/bin/python3", MARROWBY_TEST_SERVER_SCRIPT,
            modes[static_cast<int>(options.mode)], m_log, "--user", options.user, "--password",
            options.password, "--delay", std::to_string(options.delaySeconds), "--cert-dir",
            m_folder};
        std::vector<char *> argv;
        for (std::string &arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        int out[2];
        if (pipe(out) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            // Only what is safe between fork and exec in a program with threads.
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(out[1]);
        // The first line says the port, once the server accepts connections.
        std::string line;
        pollfd wait{out[0], POLLIN, 0};
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (
            line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
            if (poll(&wait, 1, 200) <= 0)
                continue;
            char buffer[64];
            const ssize_t n = read(out[0], buffer, sizeof buffer);
            if (n <= 0)
                break;
            line.append(buffer, static_cast<std::size_t>(n));
        }
        close(out[0]);
        if (line.rfind("port ", 0) == 0)
            m_port = std::atoi(line.c_str() + 5);
    }

    ~SmtpTestServer()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    SmtpTestServer(const SmtpTestServer &) = delete;
    SmtpTestServer &operator=(const SmtpTestServer &) = delete;

    bool running() const { return m_port > 0; }
    int port() const { return m_port; }
    std::string portText() const { return std::to_string(m_port); }
    // The server's certificate, to trust explicitly (STARTTLS and TLS modes).
    std::string certificate() const { return m_folder + "/server.pem"; }

    // What the server has seen so far.
    std::vector<ServerEvent> events() const
    {
        std::vector<ServerEvent> events;
        std::ifstream in(m_log);
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream words(line);
            ServerEvent event;
            words >> event.name;
            std::string field;
            while (words >> field) {
                const std::size_t eq = field.find('=');
                event.fields[field.substr(0, eq)] = unhex(field.substr(eq + 1));
            }
            events.push_back(event);
        }
        return events;
    }
    std::vector<ServerEvent> events(const std::string &name) const
    {
        std::vector<ServerEvent> matching;
        for (const ServerEvent &event : events()) {
            if (event.name == name)
                matching.push_back(event);
        }
        return matching;
    }

    // A port on the loopback address where nothing listens (it was free a
    // moment ago).
    static int closedPort()
    {
        const int s = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address);
        socklen_t size = sizeof address;
        getsockname(s, reinterpret_cast<sockaddr *>(&address), &size);
        close(s);
        return ntohs(address.sin_port);
    }

private:
    static std::string unhex(const std::string &hex)
    {
        std::string out;
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
            out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        return out;
    }

    std::string m_folder;
    std::string m_log;
    pid_t m_pid = -1;
    int m_port = 0;
};

} // namespace marrowby::test
