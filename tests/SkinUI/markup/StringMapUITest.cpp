#include <gtest/gtest.h>
#include <set>
#include <string>
#include "SkinUI/Utils/StringMapUI.h"

using SkinUI::CStringMapUI;

namespace {
void* P(int n) { return reinterpret_cast<void*>(static_cast<intptr_t>(n)); }
}  // namespace

TEST(StringMapUI, HashTakesBytesAsSignedLastByteFirst) {
    EXPECT_EQ(0xFFFFFFB0u, CStringMapUI::HashKey("\xB0"));
    EXPECT_EQ(98u * 33u + 97u, CStringMapUI::HashKey("ab"));
    const uint32_t lead = static_cast<uint32_t>(-80), trail = static_cast<uint32_t>(-95);
    EXPECT_EQ(trail * 33u + lead, CStringMapUI::HashKey("\xB0\xA1"));
}

TEST(StringMapUI, InsertKeepsOldDataSetReturnsIt) {
    CStringMapUI map;
    EXPECT_TRUE(map.Insert("x", P(1)));
    EXPECT_FALSE(map.Insert("x", P(2)));
    EXPECT_EQ(P(1), map.Find("x"));
    EXPECT_EQ(P(1), map.Set("x", P(3)));
    EXPECT_EQ(P(3), map.Find("x"));
    EXPECT_EQ(nullptr, map.Set("\xB0\xA1", P(4)));
    EXPECT_EQ(P(4), map.Find("\xB0\xA1"));
    EXPECT_FALSE(map.Remove("y"));
    EXPECT_TRUE(map.Remove("x"));
    EXPECT_FALSE(map.Remove("x"));
    EXPECT_EQ(1, map.GetSize());
}

TEST(StringMapUI, NoBucketsRefusesEverythingSafely) {
    CStringMapUI map;
    map.Insert("a", P(1));
    map.Resize(0);
    EXPECT_EQ(0, map.GetSize());
    EXPECT_FALSE(map.Insert("a", P(1)));
    EXPECT_EQ(P(5), map.Set("a", P(5)));
    EXPECT_EQ(nullptr, map.Find("a"));
    EXPECT_FALSE(map.Remove("a"));
    EXPECT_EQ(nullptr, map.GetAt(0));
}

// With one bucket every key shares a chain, so the order shows the chain itself.
TEST(StringMapUI, ChainOrderAndMoveToFront) {
    CStringMapUI map;
    map.Resize(1);
    for (const char* key : {"a", "b", "c"}) map.Insert(key, P(key[0]));
    const auto order = [&map] {
        std::string s;
        for (int i = 0; map.GetAt(i) != nullptr; ++i) s += map.GetAt(i);
        return s;
    };
    EXPECT_EQ("cba", order());
    EXPECT_EQ(nullptr, map.GetAt(-1));
    EXPECT_EQ(P('a'), map.Find("a", false));
    EXPECT_EQ("cba", order());
    EXPECT_EQ(P('a'), map.Find("a", true));
    EXPECT_EQ("acb", order());
    EXPECT_TRUE(map.Remove("c"));
    EXPECT_EQ("ab", order());
}

TEST(StringMapUI, EnumerationReachesEveryItemOnce) {
    CStringMapUI map;
    std::set<std::string> keys;
    for (int i = 0; i < 300; ++i) {
        const std::string key = "k" + std::to_string(i) + "\xC4\xE3";
        keys.insert(key);
        ASSERT_TRUE(map.Insert(key.c_str(), P(i)));
    }
    std::set<std::string> seen;
    for (int i = 0; i < map.GetSize(); ++i) seen.insert(map.GetAt(i));
    EXPECT_EQ(keys, seen);
    EXPECT_EQ(nullptr, map.GetAt(300));
}
