#include "cli/DescriptorWrite.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace radioprog::cli {

int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<size_t>(n));
        } else if (n < 0 && errno == EAGAIN) {
            // A descriptor handed over non-blocking: wait until it takes more.
            pollfd out{fd, POLLOUT, 0};
            (void)poll(&out, 1, -1);
        } else if (n < 0 && errno != EINTR) {
            return errno;
        } else if (n == 0) {
            return EIO;
        }
    }
    return 0;
}

}  // namespace radioprog::cli
