#include "cli/posix_book_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <random>
#include <system_error>

namespace {

// A file descriptor with one owner that closes it.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and says whether the close went well: a late write error may show only here.
    bool close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string folderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string randomSuffix() {
    static std::mt19937 generator{std::random_device{}()};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix;
    for (int i = 0; i < 8; ++i) {
        suffix += kLetters[pick(generator)];
    }
    return suffix;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

void PosixBookFile::fail(const std::string& what, int error) {
    failure_ = what + ": " + std::generic_category().message(error);
}

BookFile::ReadResult PosixBookFile::read(ByteArray& bytes) {
    failure_.clear();
    // Non-blocking, so that a FIFO at the path cannot hold the program up.
    Descriptor file(::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.valid()) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return ReadResult::Absent;
        }
        fail("cannot open it", errno);
        return ReadResult::Unreadable;
    }
    struct stat status;
    if (::fstat(file.get(), &status) != 0) {
        fail("cannot read it", errno);
        return ReadResult::Unreadable;
    }
    if (!S_ISREG(status.st_mode)) {
        failure_ = "it is not a regular file";
        return ReadResult::Unreadable;
    }
    ByteArray content;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail("cannot read it", errno);
            return ReadResult::Unreadable;
        }
        if (n == 0) {
            break;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
    bytes = std::move(content);
    return ReadResult::Read;
}

bool PosixBookFile::replace(const ByteArray& bytes) {
    failure_.clear();
    // Through a symbolic link the file it names is replaced, and the link stays.
    std::string target = path_;
    struct stat status;
    if (::lstat(path_.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        char* resolved = ::realpath(path_.c_str(), nullptr);
        if (resolved == nullptr) {
            fail("the file its link names cannot be reached", errno);
            return false;
        }
        target = resolved;
        std::free(resolved);
    }

    bool exists = ::stat(target.c_str(), &status) == 0;
    if (!exists && errno != ENOENT) {
        fail("cannot look at it", errno);
        return false;
    }
    if (exists) {
        if (!S_ISREG(status.st_mode)) {
            failure_ = "it is not a regular file";
            return false;
        }
        // A book that its owner marked read-only stays as it is, even for a user whom the
        // permission bits do not stop.
        if ((status.st_mode & 0222) == 0) {
            failure_ = "the file is read-only";
            return false;
        }
        if (::access(target.c_str(), W_OK) != 0) {
            fail("the file cannot be written", errno);
            return false;
        }
    }

    std::string folder = folderOf(target);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + "/." + nameOf(target) + "." + randomSuffix();
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        fail("cannot create a new file in its folder " + folder, errno);
        return false;
    }
    Descriptor file(fd);
    if (exists) {
        // The new file keeps the book's permissions and, where allowed, its owner: only a
        // privileged user may give a file away, anyone else makes it their own.
        ::fchmod(file.get(), status.st_mode & 07777);
        [[maybe_unused]] bool sameOwner = ::fchown(file.get(), status.st_uid, status.st_gid) == 0;
    }

    bool written = writeAll(file.get(), bytes);
    if (!written) {
        fail("cannot write it", errno);
    } else if (::fsync(file.get()) != 0) {
        written = false;
        fail("cannot flush it to the disk", errno);
    }
    if (!file.close() && written) {
        written = false;
        fail("cannot write it", errno);
    }
    if (!written || !moveIntoPlace(temporary, target)) {
        ::unlink(temporary.c_str());
        return false;
    }

    // The rename is on the disk only once the folder is; a file system that cannot flush a
    // folder says EINVAL and keeps its folders by its own means.
    Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.valid() && ::fsync(directory.get()) != 0 && errno != EINVAL) {
        fail("the new file is in place but its folder cannot be flushed to the disk", errno);
        return false;
    }
    return true;
}

bool PosixBookFile::moveIntoPlace(const std::string& temporaryPath, const std::string& bookPath) {
    if (::rename(temporaryPath.c_str(), bookPath.c_str()) != 0) {
        fail("cannot put the new file in its place", errno);
        return false;
    }
    return true;
}
