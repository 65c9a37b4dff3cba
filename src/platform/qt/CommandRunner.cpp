#include "platform/qt/CommandRunner.h"

#include <cerrno>
#include <chrono>
#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

std::optional<pid_t> Spawn(const Command& command, int outputFd) {
    std::vector<char*> argv;
    for (const std::string& argument : command) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
    pid_t pid = 0;
    int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        return std::nullopt;
    }
    return pid;
}

// Everything the command writes until it closes its output or the time is up.
bool ReadUntilClosed(int fd, Clock::time_point deadline, std::string& output) {
    char buffer[4096];
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        int polled = ::poll(&ready, 1, MillisecondsLeft(deadline));
        if (polled < 0 && errno == EINTR) {
            continue;
        }
        if (polled <= 0) {
            return false;
        }
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) {
            return true;
        }
        if (got < 0 && errno != EINTR && errno != EAGAIN) {
            return false;
        }
        output.append(buffer, got > 0 ? static_cast<size_t>(got) : 0);
    }
}

// Its exit status, or none when it has not ended by the deadline.
std::optional<int> AwaitExit(pid_t pid, Clock::time_point deadline) {
    for (;;) {
        int status = 0;
        pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid) {
            return status;
        }
        if ((ended < 0 && errno != EINTR) || MillisecondsLeft(deadline) == 0) {
            return std::nullopt;
        }
        ::usleep(10000);
    }
}

}  // namespace

std::optional<std::string> RunCommand(const Command& command, int timeoutMs) {
    int pipeFds[2];
    if (command.empty() || ::pipe2(pipeFds, O_CLOEXEC) != 0) {
        errno = ENOENT;
        return std::nullopt;
    }
    std::optional<pid_t> pid = Spawn(command, pipeFds[1]);
    ::close(pipeFds[1]);
    if (!pid) {
        ::close(pipeFds[0]);
        errno = ENOENT;
        return std::nullopt;
    }
    Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string output;
    bool closed = ReadUntilClosed(pipeFds[0], deadline, output);
    ::close(pipeFds[0]);
    std::optional<int> status = closed ? AwaitExit(*pid, deadline) : std::nullopt;
    if (!status) {
        ::kill(*pid, SIGKILL);
        ::waitpid(*pid, nullptr, 0);
    }
    if (!status || !WIFEXITED(*status) || WEXITSTATUS(*status) != 0) {
        errno = EIO;
        return std::nullopt;
    }
    return output;
}
