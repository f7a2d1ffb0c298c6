#include "driver/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace quillo {

void ensure_standard_streams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // The lowest free number is `fd` itself, as those below it are open.
        const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        // Without /dev/null the descriptor stays closed: nothing better can
        // be done, and writing to it fails harmlessly.
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}

} // namespace quillo
