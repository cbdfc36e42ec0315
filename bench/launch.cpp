#include "launch.h"
#include "screenwatch.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
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

// The run time of every thread of the process, from /proc/PID/task/*/schedstat.
double cpuMilliseconds(pid_t pid)
{
    double nanoseconds = 0;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu)
            nanoseconds += onCpu;
    }
    return nanoseconds / 1e6;
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
    // Frozen first, so the memory read is the memory at the paint.
    kill(pid, SIGSTOP);
    std::optional<StartSample> sample;
    if (painted) {
        sample = StartSample{std::chrono::duration<double, std::milli>(*painted - started).count(),
                             cpuMilliseconds(pid), peakResidentMiB(pid)};
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return sample;
}
