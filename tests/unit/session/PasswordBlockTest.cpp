#include "session/PasswordBlock.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <string>

namespace radioprog {
namespace {

uint8_t SumOfFirst15(const PasswordBlock& block) {
    return static_cast<uint8_t>(std::accumulate(block.begin(), block.begin() + 15, 0u));
}

TEST(PasswordBlock, EmptyPasswordReadsAsNoPassword) {
    std::mt19937 random(1);
    const PasswordBlock block = BuildPasswordBlock("", random);
    EXPECT_EQ(block[0], 0);
    EXPECT_EQ(block[15], SumOfFirst15(block));
    EXPECT_TRUE(CheckPasswordBlock(block, ""));
    EXPECT_TRUE(CheckPasswordBlock(block, "anything"));
}

TEST(PasswordBlock, OneAndTwelveCharactersOpenOnlyWithThemselves) {
    for (const std::string password : {"7", "abcdefghijkl"}) {
        std::mt19937 random(42);
        const PasswordBlock block = BuildPasswordBlock(password, random);
        EXPECT_EQ(block[0], password.size());
        EXPECT_EQ(block[15], SumOfFirst15(block));
        EXPECT_TRUE(CheckPasswordBlock(block, password)) << password;

        std::string wrong = password;
        wrong.back() = static_cast<char>(wrong.back() + 1);
        EXPECT_FALSE(CheckPasswordBlock(block, wrong)) << password;
        EXPECT_FALSE(CheckPasswordBlock(block, password + "x")) << password;
        EXPECT_FALSE(CheckPasswordBlock(block, "")) << password;
    }
}

TEST(PasswordBlock, CharactersDoNotAppearInClear) {
    std::mt19937 random(5);
    const std::string password = "AAAAAAAAAAAA";
    const PasswordBlock block = BuildPasswordBlock(password, random);
    // The same character always scrambles to the same byte under one key, but that byte
    // must not be the character itself for every key.
    int clear = 0;
    for (int seed = 0; seed < 50; ++seed) {
        std::mt19937 r(static_cast<unsigned>(seed));
        const PasswordBlock b = BuildPasswordBlock(password, r);
        clear += b[3] == 'A';
    }
    EXPECT_LT(clear, 50);
    EXPECT_TRUE(CheckPasswordBlock(block, password));
}

TEST(PasswordBlock, LongerPasswordsKeepTheirFirstTwelveCharacters) {
    std::mt19937 random(3);
    const PasswordBlock block = BuildPasswordBlock("0123456789abXYZ", random);
    EXPECT_EQ(block[0], 12);
    EXPECT_TRUE(CheckPasswordBlock(block, "0123456789ab"));
}

TEST(PasswordBlock, RadioWithoutPasswordOrInsaneBlockOpensWithAnything) {
    std::mt19937 random(9);
    PasswordBlock block = BuildPasswordBlock("secret", random);

    PasswordBlock noPassword = block;
    noPassword[0] = 0xFF;
    EXPECT_TRUE(CheckPasswordBlock(noPassword, "wrong"));
    EXPECT_TRUE(CheckPasswordBlock(noPassword, ""));

    PasswordBlock badChecksum = block;
    badChecksum[15] = static_cast<uint8_t>(badChecksum[15] + 1);
    EXPECT_TRUE(CheckPasswordBlock(badChecksum, "wrong!"));

    // A length over 12 that matches the entered text is treated as no password; one that
    // does not match still fails on the length.
    PasswordBlock tooLong = block;
    tooLong[0] = 13;
    tooLong[15] = SumOfFirst15(tooLong);
    EXPECT_TRUE(CheckPasswordBlock(tooLong, "0123456789abc"));
    EXPECT_FALSE(CheckPasswordBlock(tooLong, "secret"));
}

TEST(PasswordBlock, WrongLengthFailsBeforeAnythingElse) {
    std::mt19937 random(4);
    PasswordBlock block = BuildPasswordBlock("abcd", random);
    block[15] = static_cast<uint8_t>(block[15] + 1);  // even with a broken checksum
    EXPECT_FALSE(CheckPasswordBlock(block, "abc"));
    EXPECT_FALSE(CheckPasswordBlock(block, ""));
}

TEST(PasswordBlock, ManyRandomKeysAndPasswordsRoundTrip) {
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> length(1, 12);
    std::uniform_int_distribution<int> character(1, 255);
    for (int round = 0; round < 5000; ++round) {
        std::string password(static_cast<size_t>(length(random)), ' ');
        for (char& c : password) {
            c = static_cast<char>(character(random));
        }
        const PasswordBlock block = BuildPasswordBlock(password, random);
        ASSERT_EQ(block[15], SumOfFirst15(block));
        ASSERT_TRUE(CheckPasswordBlock(block, password)) << "round " << round;

        std::string wrong = password;
        const size_t at = static_cast<size_t>(round) % wrong.size();
        wrong[at] = static_cast<char>(wrong[at] ^ 0x01);
        ASSERT_FALSE(CheckPasswordBlock(block, wrong)) << "round " << round;
    }
}

TEST(PasswordBlock, UnseededBuildsDiffer) {
    // Two blocks of the same password should not be identical: the keys are random.
    int identical = 0;
    for (int i = 0; i < 8; ++i) {
        identical += BuildPasswordBlock("pw") == BuildPasswordBlock("pw");
    }
    EXPECT_LT(identical, 8);
    EXPECT_TRUE(CheckPasswordBlock(BuildPasswordBlock("pw"), "pw"));
}

}  // namespace
}  // namespace radioprog
