#include <gtest/gtest.h>

#include "Conduit/Location.h"

using Conduit::Location;

TEST(Location, EveryFormNamesTheSamePathComparedAsGiven) {
  const Location fromUtf8("folder/caf\xC3\xA9.txt");
  EXPECT_TRUE(fromUtf8 == Location(Strata::UniString(u"folder/caf\u00E9.txt")));
  EXPECT_TRUE(fromUtf8 == Location(std::filesystem::path(u8"folder/caf\u00E9.txt")));
  EXPECT_TRUE(fromUtf8.GetPath().filename().u8string() == u8"caf\u00E9.txt");
  EXPECT_EQ(fromUtf8.ToString(), Strata::UniString(u"folder/caf\u00E9.txt"));
  EXPECT_FALSE(Location("a.txt") == Location("./a.txt"));  // no normalisation
  EXPECT_TRUE(Location(static_cast<const char*>(nullptr)).IsEmpty());
  // Standard strings give the path of their UTF-8 bytes.
  const std::string path = "folder/caf\xC3\xA9.txt";
  EXPECT_EQ(Location(path), fromUtf8);
  EXPECT_EQ(Location(std::string_view(path)), fromUtf8);
}
