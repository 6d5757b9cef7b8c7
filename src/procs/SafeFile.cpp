#include "SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "Errors.h"

namespace sp {

namespace {

bool WriteAll(int fd, std::string_view data) {
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        // Large blocks go in pieces of at most 1 GiB: Linux caps one write()
        // just below 2 GiB anyway.
        const std::size_t chunk = left < (std::size_t{1} << 30) ? left : (std::size_t{1} << 30);
        const ssize_t n = ::write(fd, p, chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return false;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& fullPath) {
    const auto slash = fullPath.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return fullPath.substr(0, slash);
}

mode_t NewFileMode(const std::string& fullPath) {
    struct stat st {};
    if (::stat(fullPath.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string FullPath(const std::string& path) {
    std::error_code ec;
    auto p = std::filesystem::absolute(path, ec);
    if (ec) return path;
    return p.lexically_normal().string();
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void WriteFileAtomically(const std::string& path, std::initializer_list<std::string_view> pieces) {
    std::string full = FullPath(path);
    // A link is written through: the file it points to is replaced, the link stays.
    struct stat lst {};
    if (::lstat(full.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
        std::error_code ec;
        const auto target = std::filesystem::weakly_canonical(full, ec);
        if (!ec) full = target.string();
    }
    struct stat st {};
    if (::stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) throw EFCreateError(full, SystemReason(EISDIR));
    if (::access(full.c_str(), F_OK) == 0 && ::access(full.c_str(), W_OK) != 0)
        throw EFCreateError(full, SystemReason(errno));

    const std::string folder = FolderOf(full);
    const std::string base = full.substr(full.rfind('/') + 1);
    std::string tmpl = folder + (folder == "/" ? "" : "/") + "." + base + ".XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const mode_t mode = NewFileMode(full);
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) throw EFCreateError(full, SystemReason(errno));
    const std::string tmp(name.data());

    // A failed chmod (a foreign owner) is not worth losing the content for.
    if (::fchmod(fd, mode) != 0) errno = 0;
    bool ok = true;
    for (std::string_view piece : pieces) {
        if (!ok) break;
        ok = WriteAll(fd, piece);
    }
    if (ok) ok = ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!ok || !closed) {
        ::unlink(tmp.c_str());
        throw EWriteError();
    }
    if (::rename(tmp.c_str(), full.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        throw EFCreateError(full, SystemReason(err));
    }
    // Make the rename itself durable; a failure here changes nothing the
    // user can act on, so it is not reported.
    const int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

std::string ReadWholeFile(const std::string& path) {
    const std::string full = FullPath(path);
    const int fd = ::open(full.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw EFOpenError(full, SystemReason(errno));
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        throw EFOpenError(full, SystemReason(EISDIR));
    }
    std::string data;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            throw EFOpenError(full, SystemReason(err));
        }
        if (n == 0) break;
        data.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return data;
}

}  // namespace sp
