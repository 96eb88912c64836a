#pragma once
// The fuzz targets: each takes one input and returns 0, aborting on a broken invariant so that
// both libFuzzer and the corpus replay test report it. One libFuzzer program per target is
// built by fuzz/run; the replay test links them all.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

namespace radioprog::fuzz {

using Entry = int (*)(const uint8_t* data, size_t size);

struct Target {
    std::string_view name;  // also the corpus folder's name
    Entry entry;
};

int FuzzSession(const uint8_t* data, size_t size);
int FuzzProject(const uint8_t* data, size_t size);
int FuzzMemory(const uint8_t* data, size_t size);
int FuzzConfiguration(const uint8_t* data, size_t size);
int FuzzCalibration(const uint8_t* data, size_t size);
int FuzzText(const uint8_t* data, size_t size);
int FuzzPassword(const uint8_t* data, size_t size);
int FuzzChannels(const uint8_t* data, size_t size);
int FuzzMultiradio(const uint8_t* data, size_t size);

inline constexpr Target kTargets[] = {
    {"session", FuzzSession},         {"project", FuzzProject},
    {"memory", FuzzMemory},           {"configuration", FuzzConfiguration},
    {"calibration", FuzzCalibration}, {"text", FuzzText},
    {"password", FuzzPassword},       {"channels", FuzzChannels},
    {"multiradio", FuzzMultiradio},
};

// A file of this process for loaders that take a path: on a memory file system where there
// is one, rewritten for every input and removed at exit.
std::string ScratchFile(std::string_view name, std::span<const uint8_t> contents);
std::string ScratchPath(std::string_view name);

[[noreturn]] inline void CheckFailed(const char* what, const char* file, int line) {
    std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", what, file, line);
    std::abort();
}

}  // namespace radioprog::fuzz

#define FUZZ_CHECK(condition)                                               \
    do {                                                                    \
        if (!(condition)) {                                                 \
            ::radioprog::fuzz::CheckFailed(#condition, __FILE__, __LINE__); \
        }                                                                   \
    } while (0)
