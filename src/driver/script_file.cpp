#include "driver/script_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>

#include "lexer/utf8.h"

namespace quillo {

bool has_ql_extension(std::string_view path) {
    // Find the last component that is neither empty nor ".".
    std::string_view name;
    std::size_t end = path.size();
    while (end > 0) {
        std::size_t slash = path.rfind('/', end - 1);
        std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
        std::string_view comp = path.substr(start, end - start);
        if (!comp.empty() && comp != ".") {
            name = comp;
            break;
        }
        if (slash == std::string_view::npos) break;
        end = slash;
    }
    if (name.empty() || name == "..") return false;
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return false;
    return name.substr(dot) == ".ql";
}

namespace {

// Closes the descriptor when the read is over, however it ends.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// Reads everything up to the end of the file, or fails with errno set.
// Reading stops with EFBIG as soon as there is more than the limit: a
// character device such as /dev/zero, or a FIFO that never ends, has no
// end to wait for.
bool read_all(int fd, std::size_t expected, std::string& text) {
    text.reserve(std::min(expected, kMaxScriptBytes) + 1);
    char buf[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buf, sizeof buf);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return true;
        if (text.size() + static_cast<std::size_t>(got) > kMaxScriptBytes) {
            errno = EFBIG;
            return false;
        }
        text.append(buf, static_cast<std::size_t>(got));
    }
}

} // namespace

std::optional<std::string> read_script(const std::string& path, std::string& error) {
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        error = std::strerror(errno);
        return std::nullopt;
    }
    // A regular file's size is known before reading it: one too large is
    // refused at once (a sparse file of many gigabytes takes no time to
    // make and long to read).
    const bool regular = S_ISREG(info.st_mode);
    if (regular && static_cast<std::uint64_t>(info.st_size) > kMaxScriptBytes) {
        error = std::strerror(EFBIG);
        return std::nullopt;
    }
    std::string text;
    try {
        if (!read_all(fd.get(), regular ? static_cast<std::size_t>(info.st_size) : 0, text)) {
            error = std::strerror(errno);
            return std::nullopt;
        }
    } catch (const std::bad_alloc&) {
        // A text that fits the limit but not the memory left.
        error = std::strerror(ENOMEM);
        return std::nullopt;
    }
    if (!is_valid_utf8(text)) {
        error = "the file is not valid UTF-8 text";
        return std::nullopt;
    }
    return text;
}

} // namespace quillo
