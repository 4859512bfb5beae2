// Player names travel as Windows-1252 inside the program and as UTF-8 in file names:
// every character of the code page makes the round trip, and a file name that is not
// clean UTF-8 of code-page characters does not come back as a name at all.
#include <gtest/gtest.h>

#include "platform/Events.h"

TEST(Utf8Names, RoundTripAndRefusals) {
  std::string all;
  for (int c = 1; c < 256; ++c)
    if (c < 0x80 || c >= 0xA0 || UnicodeFromCp1252(uint8_t(c)) != uint32_t(c)) all.push_back(char(c));
  std::string back;
  ASSERT_TRUE(Cp1252FromUtf8(Utf8FromCp1252(all), back));
  EXPECT_EQ(back, all);
  EXPECT_TRUE(Cp1252FromUtf8("Zo\xC3\xAB \xE2\x82\xAC", back));
  EXPECT_EQ(back, "Zo\xEB \x80");

  for (const char* bad : {"\xFF", "a\xC3", "\xC3(", "\xC0\xAE", "\xE0\x80\xAE", "\xC2\x81", "\xE2\x98\x83",
                          "\xF0\x9F\x8E\x84"})
    EXPECT_FALSE(Cp1252FromUtf8(bad, back)) << bad;
}
