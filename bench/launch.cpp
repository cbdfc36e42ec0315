#include "launch.h"
#include "screenwatch.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace {

// VmHWM from /proc/PID/status, in MiB.
double peakResidentMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            std::istringstream fields(line.substr(6));
            double kib = 0;
            fields >> kib;
            return kib / 1024;
        }
    }
    throw std::runtime_error("no VmHWM for process " + std::to_string(pid));
}

pid_t spawn(const std::string& program)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = 0;
    const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        throw std::runtime_error("cannot start " + program);
    return pid;
}

} // namespace

std::optional<StartSample> measureStart(ScreenWatch& screen, const std::string& program,
                                        std::chrono::milliseconds timeout)
{
    screen.drain();
    const auto started = std::chrono::steady_clock::now();
    const pid_t pid = spawn(program);
    const auto painted = screen.waitForFirstPaint(pid, started + timeout);
    // Frozen first, so that memory and CPU time are those at the paint.
    kill(pid, SIGSTOP);
    const double peak = painted ? peakResidentMiB(pid) : 0;
    kill(pid, SIGKILL);
    // The reaped process's usage counts threads that ended before the paint.
    rusage usage{};
    wait4(pid, nullptr, 0, &usage);
    if (!painted)
        return std::nullopt;
    const auto cpu = std::chrono::seconds(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
                     + std::chrono::microseconds(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
    return StartSample{std::chrono::duration<double, std::milli>(*painted - started).count(),
                       std::chrono::duration<double, std::milli>(cpu).count(), peak};
}
