#pragma once
// A test that runs radioprog-cli in a fresh folder of its own, removed afterwards, with a
// configuration file that does not exist (the defaults, and nothing written elsewhere).

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/Programs.h"

namespace radioprog::testing {

class CliFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(BinDir().empty()) << "RADIOPROG_BIN_DIR must name the programs' folder";
        char pattern[] = "/tmp/radioprog-e2e-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code error;
        std::filesystem::remove_all(dir_, error);
    }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    CliRun Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {BinDir() + "/radioprog-cli", "--config", Path("none.ini")});
        return RunProgram(args, dir_);
    }

    std::filesystem::path dir_;
};

}  // namespace radioprog::testing
