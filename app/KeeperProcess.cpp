// SPDX-License-Identifier: MIT
#include "app/KeeperProcess.h"

#include <QByteArray>

#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vorrel {

namespace {

// The text in a file of memory, read from its start. Writing it never waits for the reader, as a
// pipe would once its buffer is full: a keeper that never reads cannot hold Vorrel's exit.
int inputFile(const std::string& input) {
    const int fd = ::memfd_create("vorrel-clipboard-text", MFD_CLOEXEC);
    if (fd < 0)
        return -1;
    for (std::size_t written = 0; written < input.size();) {
        const ssize_t n = ::write(fd, input.data() + written, input.size() - written);
        if (n <= 0) {
            ::close(fd);
            return -1;
        }
        written += std::size_t(n);
    }
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

bool KeeperProcess::start(const QString& program, const QStringList& arguments,
                          const std::string& input) {
    // Everything the child needs is made before the split: a child of a program with threads may
    // only make plain system calls.
    std::vector<QByteArray> words{program.toLocal8Bit()};
    for (const QString& argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const int text = inputFile(input);
    if (text < 0)
        return false;
    const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC);

    pid_ = ::fork();
    if (pid_ == 0) {
        ::setsid();
        ::dup2(text, STDIN_FILENO);
        if (nothing >= 0) {
            ::dup2(nothing, STDOUT_FILENO);
            ::dup2(nothing, STDERR_FILENO);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(text);
    if (nothing >= 0)
        ::close(nothing);
    return pid_ > 0;
}

std::optional<int> KeeperProcess::exitCode() {
    if (exitCode_ || pid_ <= 0)
        return exitCode_;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_)
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return exitCode_;
}

} // namespace vorrel
