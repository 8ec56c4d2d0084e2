#include <gtest/gtest.h>

#include "RegistryFixture.h"
#include "app/MainSettings.h"

namespace {

StoredSettings Applied(const char* name, const char* text, int portCount = 2)
{
    StoredSettings settings;
    MainSettings::ApplyStoredValue(settings, name, text, portCount, 5);
    return settings;
}

} // namespace

TEST(StoredValueTest, IndexesInsideTheListAreTakenOthersIgnored)
{
    EXPECT_EQ(Applied("Port", "1").port, 1);
    EXPECT_EQ(Applied("Port", "2").port, -1); // two ports: 0 and 1
    EXPECT_EQ(Applied("Port", "-1").port, -1);
    EXPECT_EQ(Applied("Port", "0", 0).port, -1); // no port at all
    EXPECT_EQ(Applied("Baud", "5").baud, -1);
    EXPECT_EQ(Applied("Baud", " 3x").baud, 3); // read as atoi reads
}

TEST(StoredValueTest, ChineseOnlyForOneAndNamesMatchWholeWithCase)
{
    EXPECT_TRUE(Applied("Chinese", "1").chinese);
    for (const char* text : {"0", "2", ""}) EXPECT_FALSE(Applied("Chinese", text).chinese) << text;
    for (const char* name : {"port", "Ports", "Por", "Chinese "}) {
        const StoredSettings settings = Applied(name, "0");
        EXPECT_TRUE(settings.port == -1 && settings.baud == -1 && settings.chinese) << name;
    }
}

TEST(SettingsRegistryTest, MissingKeyKeepsDefaultsAndTheValueTypeIsNotLookedAt)
{
    CRegistrySnapshot keep(HKEY_CURRENT_USER, TestRegistry::kSettings);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, TestRegistry::kSettings);
    const StoredSettings loaded = MainSettings::Load(StoredSettings{0, 2, true}, 2, 5);
    EXPECT_TRUE(loaded.port == 0 && loaded.baud == 2 && loaded.chinese);

    // One byte "1" of binary type, without a terminating zero.
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, TestRegistry::kSettings, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                                nullptr),
              ERROR_SUCCESS);
    const BYTE one = '1';
    ::RegSetValueExA(key, "Port", 0, REG_BINARY, &one, 1);
    ::RegCloseKey(key);
    EXPECT_EQ(MainSettings::Load(StoredSettings{0, 2, true}, 2, 5).port, 1);
}
