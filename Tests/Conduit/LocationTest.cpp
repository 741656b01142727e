#include <gtest/gtest.h>

#include "Conduit/Location.h"

using Conduit::Location;

TEST(Location, TheThreeFormsNameTheSamePathComparedAsGiven) {
  const Location fromUtf8("folder/caf\xC3\xA9.txt");
  EXPECT_TRUE(fromUtf8 == Location(Strata::UniString(u"folder/caf\u00E9.txt")));
  EXPECT_TRUE(fromUtf8 == Location(std::filesystem::path(u8"folder/caf\u00E9.txt")));
  EXPECT_TRUE(fromUtf8.GetPath().filename().u8string() == u8"caf\u00E9.txt");
  EXPECT_EQ(fromUtf8.ToString(), Strata::UniString(u"folder/caf\u00E9.txt"));
  EXPECT_FALSE(Location("a.txt") == Location("./a.txt"));  // no normalisation
  EXPECT_TRUE(Location(static_cast<const char*>(nullptr)).IsEmpty());
}

TEST(Location, StandardStringsGiveThePathOfTheirUtf8Bytes) {
  const std::string path = "/tmp/caf\xC3\xA9.bin";
  EXPECT_EQ(Conduit::Location(path), Conduit::Location(path.c_str()));
  EXPECT_EQ(Conduit::Location(std::string_view(path)), Conduit::Location(path.c_str()));
  EXPECT_EQ(Conduit::Location(path).ToString(), Strata::UniString(path));
}
