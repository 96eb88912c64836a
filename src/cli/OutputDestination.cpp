#include "cli/OutputDestination.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <iostream>

#include "cli/DescriptorWrite.h"
#include "cli/FileReport.h"
#include "model/AtomicOutput.h"

namespace radioprog::cli {

namespace {

constexpr std::string_view kDescriptorFolder = "/dev/fd/";

std::optional<int> DescriptorNumber(std::string_view digits) {
    int fd = -1;
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        })) {
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), fd);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return fd;
}

std::string DescriptorName(const std::string& path, int fd) {
    if (fd == STDOUT_FILENO) {
        return "standard output";
    }
    if (fd == STDERR_FILENO) {
        return "standard error";
    }
    return "\"" + path + "\" (descriptor " + std::to_string(fd) + ")";
}

bool Refuse(const std::string& path, int fd, int error, CliContext& context) {
    std::cerr << "Cannot write to " << DescriptorName(path, fd) << ": " << std::strerror(error)
              << "\n";
    context.exitCode = kExitOutputError;
    return false;
}

// 0 when fd is open for writing, else the errno a write would meet.
int WhyNotWritable(int fd) {
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0) {
        return errno;
    }
    const int access = flags & O_ACCMODE;
    return access == O_WRONLY || access == O_RDWR ? 0 : EBADF;
}

}  // namespace

std::optional<int> OutputDescriptor(const std::string& path) {
    if (path == "-" || path == "/dev/stdout") {
        return STDOUT_FILENO;
    }
    if (path == "/dev/stderr") {
        return STDERR_FILENO;
    }
    if (path.starts_with(kDescriptorFolder)) {
        return DescriptorNumber(std::string_view(path).substr(kDescriptorFolder.size()));
    }
    return std::nullopt;
}

bool CheckOutput(const std::string& path, CliContext& context) {
    const auto fd = OutputDescriptor(path);
    if (!fd) {
        return Report(CheckOutputWritable(path), context);
    }
    const int error = WhyNotWritable(*fd);
    return error == 0 || Refuse(path, *fd, error, context);
}

bool WriteOutput(const std::string& path, std::string_view bytes, CliContext& context,
                 std::optional<mode_t> newFileMode) {
    return WriteOutput(
        path,
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
        context, newFileMode);
}

bool WriteOutput(const std::string& path, std::span<const uint8_t> bytes, CliContext& context,
                 std::optional<mode_t> newFileMode) {
    const auto fd = OutputDescriptor(path);
    if (!fd) {
        return Report(WriteFileAtomically(path, bytes, newFileMode), context);
    }
    // What the command printed before goes first, in the order it was made.
    std::cout.flush();
    std::cerr.flush();
    int error = WhyNotWritable(*fd);
    if (error == 0) {
        error = WriteAll(
            *fd, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    return error == 0 || Refuse(path, *fd, error, context);
}

}  // namespace radioprog::cli
