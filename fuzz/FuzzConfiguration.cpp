// The configuration file: any file loads, and what we save from it is stable: saving what
// was loaded from our own saved file writes the same file again.
#include <fstream>
#include <iterator>

#include "FuzzTargets.h"
#include "model/Configuration.h"

namespace radioprog::fuzz {

namespace {

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Loads path into fresh values and saves them to a new file named out; its contents.
std::string LoadThenSave(const std::string& path, const std::string& out) {
    ConfigValues config;
    BandLimits band;
    (void)LoadConfiguration(path, config, band);
    const std::string saved = ScratchPath(out);
    std::remove(saved.c_str());
    FUZZ_CHECK(SaveConfiguration(saved, config, band));
    return Contents(saved);
}

}  // namespace

int FuzzConfiguration(const uint8_t* data, size_t size) {
    const std::string path = ScratchFile("config.ini", {data, size});
    const std::string first = LoadThenSave(path, "first.ini");
    const std::string second = LoadThenSave(ScratchPath("first.ini"), "second.ini");
    FUZZ_CHECK(first == second);
    return 0;
}

}  // namespace radioprog::fuzz
