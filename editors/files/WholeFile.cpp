// SPDX-License-Identifier: MIT
#include "editors/files/WholeFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

[[noreturn]] void fail(std::string_view verb, const std::string& path, const std::string& why) {
    throw FileError("Cannot " + std::string(verb) + " " + path + ": " + why);
}

[[noreturn]] void failWithErrno(std::string_view verb, const std::string& path, int code) {
    fail(verb, path, std::strerror(code));
}

// Closes the descriptor on every way out.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

// The file a path names once its symbolic links are followed; the path itself when it does not
// exist yet.
std::string resolved(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file of our own next to `path`, open for writing, with the permissions a new file gets
// (the process's umask applies); its name goes to `name`.
int createBeside(const std::string& path, std::string& name) {
    std::random_device seed;
    const std::string base = folderOf(path) + "/.vorrel-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = base + std::to_string(seed()) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

} // namespace

Kind kindOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return S_ISREG(info.st_mode) ? Kind::Regular : Kind::Other;
    // A link that names nothing is there, but is no file to read or to write through.
    return ::lstat(path.c_str(), &info) == 0 ? Kind::Other : Kind::Missing;
}

std::string readWholeFile(const std::string& path) {
    if (kindOf(path) == Kind::Other)
        fail("read", path, "it is not a regular file");
    Descriptor in{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (in.fd < 0)
        failWithErrno("read", path, errno);
    struct stat info {};
    if (::fstat(in.fd, &info) != 0 || !S_ISREG(info.st_mode)) // replaced since it was looked at
        fail("read", path, "it is not a regular file");
    std::string bytes;
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(in.fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            failWithErrno("read", path, errno);
        if (got == 0)
            return bytes;
        bytes.append(chunk, std::size_t(got));
    }
}

void writeWholeFile(const std::string& path, std::string_view bytes, std::string_view verb) {
    const Kind kind = kindOf(path);
    if (kind == Kind::Other)
        fail(verb, path, "it is not a regular file");
    const std::string target = resolved(path);
    struct stat old {};
    const bool replacing = kind == Kind::Regular && ::stat(target.c_str(), &old) == 0;

    std::string temporary;
    Descriptor out{createBeside(target, temporary)};
    if (out.fd < 0)
        failWithErrno(verb, path, errno);
    const auto abandon = [&](int code) {
        ::unlink(temporary.c_str());
        failWithErrno(verb, path, code);
    };
    if (!writeAll(out.fd, bytes))
        abandon(errno);
    if (replacing && ::fchmod(out.fd, old.st_mode & 07777) != 0)
        abandon(errno);
    // On disk before the rename, so that a crash leaves the old file or the whole new one.
    if (::fsync(out.fd) != 0)
        abandon(errno);
    const int closed = ::close(out.fd);
    out.fd = -1;
    if (closed != 0)
        abandon(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        abandon(errno);
}

} // namespace files
