#include "base/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <random>
#include <vector>

#include "base/Errors.h"

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

mode_t DefaultMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The file a name finally stands for: links are followed, also a link whose
// target does not exist yet (the target is what gets created).
std::string ResolveLinks(std::string full) {
    for (int depth = 0; depth < 40; ++depth) {
        struct stat lst {};
        if (::lstat(full.c_str(), &lst) != 0 || !S_ISLNK(lst.st_mode)) break;
        std::vector<char> buf(PATH_MAX + 1);
        const ssize_t n = ::readlink(full.c_str(), buf.data(), buf.size() - 1);
        if (n <= 0) break;
        const std::string target(buf.data(), static_cast<std::size_t>(n));
        full = FullPath(target[0] == '/' ? target : FolderOf(full) + "/" + target);
    }
    std::error_code ec;
    const auto canonical = std::filesystem::weakly_canonical(full, ec);
    return ec ? full : canonical.string();
}

// A fresh name for the temporary file beside `full`, hidden by a dot.
std::string TempName(const std::string& folder, const std::string& full) {
    static std::mt19937_64 random{std::random_device{}()};
    const std::string base = full.substr(full.rfind('/') + 1);
    return folder + (folder == "/" ? "" : "/") + "." + base + "." + std::to_string(random() % 1000000000000ULL);
}

bool Refused(int err) { return err == EACCES || err == EPERM; }

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

SafeFileWriter::SafeFileWriter(const std::string& path) : full_(ResolveLinks(FullPath(path))), folder_(FolderOf(full_)) {
    struct stat st {};
    const bool exists = ::stat(full_.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) throw EFCreateError(full_, SystemReason(EISDIR));
    if (exists && ::access(full_.c_str(), W_OK) != 0) throw EFCreateError(full_, SystemReason(errno));
    mode_ = exists ? (st.st_mode & 07777) : DefaultMode();

    // Unnamed until Commit: a killed program leaves nothing behind.
    fd_ = ::open(folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    unnamed_ = fd_ >= 0;
    if (fd_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        // The file system has no unnamed files: a hidden named one.
        std::string name = TempName(folder_, full_) + ".XXXXXX";
        fd_ = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd_ >= 0) tmp_ = name;
    }
    if (fd_ < 0) {
        const int err = errno;
        if (Refused(err) && exists && S_ISREG(st.st_mode)) {
            OpenInPlace(err);
            return;
        }
        throw EFCreateError(full_, SystemReason(err));
    }
    // A failed chmod (a foreign owner) is not worth losing the content for.
    if (::fchmod(fd_, static_cast<mode_t>(mode_)) != 0) errno = 0;
}

SafeFileWriter::~SafeFileWriter() { Discard(); }

void SafeFileWriter::OpenInPlace(int reason) {
    fd_ = ::open(full_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd_ < 0) throw EFCreateError(full_, SystemReason(errno == 0 ? reason : errno));
    inPlace_ = true;
}

void SafeFileWriter::Discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!tmp_.empty()) ::unlink(tmp_.c_str());
    tmp_.clear();
    failed_ = true;
}

void SafeFileWriter::Write(std::string_view data) {
    if (failed_ || fd_ < 0) throw EWriteError();
    if (!WriteAll(fd_, data)) {
        Discard();
        throw EWriteError();
    }
}

// The rename was refused (someone else's file in a sticky folder): the
// complete temporary content is copied over the old file in place.
void SafeFileWriter::CopyInPlace() {
    const int to = ::open(full_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (to < 0) {
        const int err = errno;
        Discard();
        throw EFCreateError(full_, SystemReason(err));
    }
    bool ok = ::lseek(fd_, 0, SEEK_SET) == 0;
    std::vector<char> buf(std::size_t{1} << 20);
    while (ok) {
        const ssize_t n = ::read(fd_, buf.data(), buf.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ok = WriteAll(to, std::string_view(buf.data(), static_cast<std::size_t>(n)));
    }
    ok = ok && ::fsync(to) == 0;
    ok = ::close(to) == 0 && ok;
    Discard();
    if (!ok) throw EWriteError();
}

void SafeFileWriter::Commit() {
    if (failed_ || fd_ < 0) throw EWriteError();
    if (::fsync(fd_) != 0) {
        Discard();
        throw EWriteError();
    }
    if (inPlace_) {
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        failed_ = true;  // done: a second Commit is an error
        if (!closed) throw EWriteError();
        return;
    }
    if (unnamed_) {
        // Give the complete file a name, then move it over the target.
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        int err = EEXIST;
        for (int attempt = 0; attempt < 100 && err == EEXIST; ++attempt) {
            const std::string name = TempName(folder_, full_);
            err = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
            if (err == 0) tmp_ = name;
        }
        if (err != 0) {
            Discard();
            throw EFCreateError(full_, SystemReason(err));
        }
    }
    if (::rename(tmp_.c_str(), full_.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp_.c_str());
        tmp_.clear();
        struct stat st {};
        if (Refused(err) && ::stat(full_.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return CopyInPlace();
        Discard();
        throw EFCreateError(full_, SystemReason(err));
    }
    tmp_.clear();
    Discard();
    // Make the rename itself durable; a failure here changes nothing the
    // user can act on, so it is not reported.
    const int dfd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

void WriteFileAtomically(const std::string& path, std::initializer_list<std::string_view> pieces) {
    SafeFileWriter out(path);
    for (std::string_view piece : pieces) out.Write(piece);
    out.Commit();
}

// Opened without blocking: a FIFO with no writer, or a kernel file such as
// /proc/kmsg chosen in a file dialog, gives what is there or an error at once
// instead of freezing the window. Regular files read as always.
std::string ReadWholeFile(const std::string& path) {
    const std::string full = FullPath(path);
    const int fd = ::open(full.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
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
