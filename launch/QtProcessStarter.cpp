// SPDX-License-Identifier: MIT
#include "launch/QtProcessStarter.h"

#include "app/Errors.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

// GIO names a structure field "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vorrel {

namespace {

// The program's full path: as given when it names a folder, else the first executable file of
// that name along PATH. The search is done here, before the process is split off, since only
// plain system calls are safe in the split-off child.
std::optional<std::string> programPath(const std::string& program, int& error) {
    if (program.empty()) {
        error = ENOENT;
        return std::nullopt;
    }
    if (program.find('/') != std::string::npos)
        return program;
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const std::size_t end = std::min(folders.find(':'), folders.size());
        const std::string folder(folders.substr(0, end));
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
        struct stat info {};
        if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (end == folders.size())
            break;
        folders.remove_prefix(end + 1);
    }
    error = ENOENT;
    return std::nullopt;
}

// In the child: the wanted nice value, or the highest priority the user may set when a higher
// one is not allowed.
void applyNice(int wanted) {
    errno = 0;
    const int current = ::getpriority(PRIO_PROCESS, 0);
    if (wanted == current || ::setpriority(PRIO_PROCESS, 0, wanted) == 0)
        return;
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_NICE, &limit) != 0)
        return;
    const int floor = limit.rlim_cur == RLIM_INFINITY ? -20 : 20 - int(limit.rlim_cur);
    const int best = std::max(wanted, floor);
    if (best < current)
        ::setpriority(PRIO_PROCESS, 0, best);
}

// A desktop entry's Exec line as words, without its field codes.
std::vector<std::string> execWords(const char* exec) {
    std::vector<std::string> words;
    gchar** argv = nullptr;
    if (!exec || !g_shell_parse_argv(exec, nullptr, &argv, nullptr))
        return words;
    for (gchar** arg = argv; *arg; ++arg) {
        std::string word;
        for (const char* c = *arg; *c; ++c) {
            if (*c != '%') {
                word += *c;
            } else if (c[1] == '%') {
                word += '%';
                ++c;
            } else if (c[1]) {
                ++c; // a field code: %f, %U, %i and the others stand for what the launcher adds
            }
        }
        if (!word.empty())
            words.push_back(std::move(word));
    }
    g_strfreev(argv);
    return words;
}

} // namespace

// A started process until it has ended and has been collected: a pidfd, readable once the
// process has ended; where the kernel has none, a look every 50 ms.
class ProcessWatch {
public:
    explicit ProcessWatch(int pid) : pid_(pid) {
        fd_ = int(::syscall(SYS_pidfd_open, pid, 0));
        if (fd_ >= 0) {
            notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
            QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                             [this] { collect(); });
        } else {
            poll_ = std::make_unique<QTimer>();
            QObject::connect(poll_.get(), &QTimer::timeout, poll_.get(), [this] { collect(); });
            poll_->start(50);
        }
    }
    ~ProcessWatch() {
        notifier_.reset();
        if (fd_ >= 0)
            ::close(fd_);
    }

    bool ended() const { return ended_; }
    std::function<void()> onEnded;

    // Blocks until the process ends.
    void block() {
        if (notifier_)
            notifier_->setEnabled(false);
        if (poll_)
            poll_->stop();
        while (!ended_ && ::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
        ended_ = true;
    }

private:
    void collect() {
        if (ended_ || ::waitpid(pid_, nullptr, WNOHANG) == 0)
            return;
        ended_ = true;
        if (notifier_)
            notifier_->setEnabled(false);
        if (poll_)
            poll_->stop();
        if (onEnded)
            onEnded();
    }

    int pid_;
    int fd_ = -1;
    bool ended_ = false;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::unique_ptr<QTimer> poll_;
};

QtProcessStarter::QtProcessStarter(QObject* parent) : QObject(parent) {}

QtProcessStarter::~QtProcessStarter() = default;

std::optional<int> QtProcessStarter::start(const Request& request, int& error) {
    if (request.arguments.empty()) {
        error = ENOENT;
        return std::nullopt;
    }
    const auto path = programPath(request.arguments.front(), error);
    if (!path)
        return std::nullopt;
    std::vector<char*> argv;
    for (const std::string& argument : request.arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    // The child tells through this pipe why it could not start the program; a pipe closed by a
    // successful exec says nothing.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        error = errno;
        return std::nullopt;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(report[0]);
        ::setsid();
        applyNice(request.niceValue);
        ::execv(path->c_str(), argv.data());
        const int failure = errno;
        [[maybe_unused]] auto written = ::write(report[1], &failure, sizeof failure);
        ::_exit(127);
    }
    ::close(report[1]);
    if (pid < 0) {
        error = errno;
        ::close(report[0]);
        return std::nullopt;
    }
    int failure = 0;
    ssize_t got;
    while ((got = ::read(report[0], &failure, sizeof failure)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    if (got == sizeof failure) {
        ::waitpid(pid, nullptr, 0);
        error = failure;
        return std::nullopt;
    }
    collectWhenEnded(pid);
    return pid;
}

void QtProcessStarter::collectWhenEnded(int process) {
    auto watch = std::make_unique<ProcessWatch>(process);
    // Dropped once the event that reported the end has been handled.
    watch->onEnded = [this, process] {
        QTimer::singleShot(0, this, [this, process] { watches_.erase(process); });
    };
    watches_[process] = std::move(watch);
}

void QtProcessStarter::wait(int process, TWaitStyle style) {
    const auto found = watches_.find(process);
    if (found == watches_.end())
        return; // ended and collected already
    ProcessWatch& watch = *found->second;
    if (style == TWaitStyle::wSuspend) {
        watch.block();
    } else if (!watch.ended()) {
        QEventLoop loop;
        watch.onEnded = [&loop] { loop.quit(); };
        loop.exec();
        watch.onEnded = nullptr;
        // The loop also ends when the program is asked to end; the process may still run.
        if (!watch.ended()) {
            watches_.erase(process);
            throw Terminated{};
        }
    }
    watches_.erase(process);
}

std::optional<std::vector<std::string>>
QtProcessStarter::associatedProgram(const std::string& document, int& error) {
    GFile* file = g_file_new_for_path(document.c_str());
    GError* failure = nullptr;
    GFileInfo* info = g_file_query_info(file, G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                        G_FILE_QUERY_INFO_NONE, nullptr, &failure);
    g_object_unref(file);
    if (!info) {
        error =
            failure && g_error_matches(failure, G_IO_ERROR, G_IO_ERROR_NOT_FOUND) ? ENOENT : EIO;
        g_clear_error(&failure);
        return std::nullopt;
    }
    GAppInfo* application =
        g_app_info_get_default_for_type(g_file_info_get_content_type(info), FALSE);
    g_object_unref(info);
    std::vector<std::string> words;
    if (application) {
        words = execWords(g_app_info_get_commandline(application));
        g_object_unref(application);
    }
    if (words.empty()) {
        error = ENOEXEC; // nothing opens documents of this type
        return std::nullopt;
    }
    return words;
}

} // namespace vorrel
