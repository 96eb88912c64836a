#include "cli/StandardOutput.h"

#include <unistd.h>

#include <string_view>

#include "cli/DescriptorWrite.h"

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
    if (error_ == 0) {
        error_ = WriteAll(STDOUT_FILENO,
                          std::string_view(pbase(), static_cast<size_t>(pptr() - pbase())));
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

}  // namespace radioprog::cli
