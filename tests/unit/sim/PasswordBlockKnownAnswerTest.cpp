// Password blocks worked out by hand from the block's rules, held against the tool's
// construction and the simulated radio's own: the two are written apart, so a misreading of
// the rules in either shows here rather than agreeing with itself over the line.

#include <gtest/gtest.h>

#include <string>

#include "RadioPasswordBlock.h"
#include "session/PasswordBlock.h"

namespace radioprog {
namespace {

struct KnownBlock {
    std::string password;
    PasswordBlock noise;     // r0 .. r15
    PasswordBlock expected;  // the block, byte 0 .. byte 15
};

// "1234" with r0 = 0x5A, r1 = 0x3C, r2..r15 = 01..0E:
//   byte 0  = n = 4
//   byte 1  = k1 = 0x5A
//   byte 2  = (NOT k1) XOR (k1 + k2) = 0xA5 XOR 0x96 = 0x33
//   byte 3+ = (NOT k2) XOR (k2 + c), NOT k2 = 0xC3:
//             '1' 0x31: 0x3C + 0x31 = 0x6D, 0xC3 XOR 0x6D = 0xAE
//             '2' 0x32: 0x6E -> 0xAD;  '3' 0x33: 0x6F -> 0xAC;  '4' 0x34: 0x70 -> 0xB3
//   bytes 7..14 keep r7..r14 = 06 07 08 09 0A 0B 0C 0D
//   byte 15 = 04+5A+33+AE+AD+AC+B3 = 0x34B, + (06+..+0D = 0x4C) = 0x397 -> 0x97
// "AZ" with r0 = 0xF0, r1 = 0xC8, r2..r14 = 00, r15 = 0xEE (the sums wrap):
//   byte 2  = (NOT 0xF0) XOR (0xF0 + 0xC8) = 0x0F XOR 0xB8 = 0xB7
//   NOT k2 = 0x37;  'A' 0x41: 0xC8 + 0x41 = 0x09 -> 0x3E;  'Z' 0x5A: 0x22 -> 0x15
//   byte 15 = 02+F0+B7+3E+15 = 0x1FC -> 0xFC (r15 itself is overwritten)
// "" (no password) with the first noise: byte 0 = 0, bytes 1 and 2 as for "1234", no
//   characters, so bytes 3..14 keep r3..r14 = 02..0D;
//   byte 15 = 00+5A+33 = 0x8D, + (02+..+0D = 0x5A) = 0xE7
const KnownBlock kKnownBlocks[] = {
    {"1234",
     {0x5A, 0x3C, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D,
      0x0E},
     {0x04, 0x5A, 0x33, 0xAE, 0xAD, 0xAC, 0xB3, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D,
      0x97}},
    {"AZ",
     {0xF0, 0xC8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xEE},
     {0x02, 0xF0, 0xB7, 0x3E, 0x15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFC}},
    {"",
     {0x5A, 0x3C, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D,
      0x0E},
     {0x00, 0x5A, 0x33, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D,
      0xE7}},
};

TEST(PasswordBlockKnownAnswer, ToolAndRadioBuildTheBlockWorkedOutByHand) {
    for (const KnownBlock& known : kKnownBlocks) {
        SCOPED_TRACE(known.password);
        EXPECT_EQ(BuildPasswordBlock(known.password, known.noise), known.expected);
        EXPECT_EQ(RadioPasswordBlock(known.password, known.noise), known.expected);
        // The block opens with its own password only (any key opens a radio without one).
        EXPECT_TRUE(CheckPasswordBlock(known.expected, known.password));
        EXPECT_EQ(CheckPasswordBlock(known.expected, known.password + "x"), known.password.empty());
    }
}

}  // namespace
}  // namespace radioprog
