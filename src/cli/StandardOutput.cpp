#include "cli/StandardOutput.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace radioprog::cli {

StandardOutput::StandardOutput(std::ostream& stream)
    : stream_(stream), previous_(stream.rdbuf(this)) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    // On a terminal every line shows as it is printed, in order with standard error.
    if (isatty(STDOUT_FILENO) == 1) {
        stream_.setf(std::ios::unitbuf);
    }
}

StandardOutput::~StandardOutput() {
    Drain();
    stream_.rdbuf(previous_);
}

StandardOutput::int_type StandardOutput::overflow(int_type c) {
    if (!Drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int StandardOutput::sync() {
    return Drain() ? 0 : -1;
}

bool StandardOutput::Drain() {
    const char* next = pbase();
    const char* const end = pptr();
    while (error_ == 0 && next < end) {
        const ssize_t n = write(STDOUT_FILENO, next, static_cast<size_t>(end - next));
        if (n > 0) {
            next += n;
        } else if (n < 0 && errno == EAGAIN) {
            // Standard output handed over non-blocking: wait until it takes more.
            pollfd out{STDOUT_FILENO, POLLOUT, 0};
            (void)poll(&out, 1, -1);
        } else if (n < 0 && errno != EINTR) {
            error_ = errno;
        } else if (n == 0) {
            error_ = EIO;
        }
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

}  // namespace radioprog::cli
