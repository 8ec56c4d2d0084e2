#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "serial/ComPorts.h"

namespace {

class ComPortsTest : public ::testing::Test {
protected:
    ComPortsTest()
    {
        RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    }
    ~ComPortsTest() override
    {
        RegCloseKey(key);
        RegDeleteKeyA(HKEY_CURRENT_USER, subKey.c_str());
    }

    void AddText(const char* name, const std::string& data)
    {
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>(data.size() + 1));
    }

    std::vector<int> List()
    {
        std::vector<int> ports{99};
        EXPECT_EQ(ListComPortsUnder(HKEY_CURRENT_USER, subKey.c_str(), ports), ERROR_SUCCESS);
        return ports;
    }

    std::string subKey = "Software\\RadioCfgPortTest" + std::to_string(GetCurrentProcessId());
    HKEY key = nullptr;
};

} // namespace

TEST_F(ComPortsTest, PortsComeInRegistryOrderWithoutNmserial)
{
    EXPECT_TRUE(List().empty());
    // Named so that creation order and name order agree (Wine enumerates by
    // name, Windows by creation), while the numbers are not sorted.
    AddText("\\Device\\A", "COM4");
    AddText("\\Device\\BNmserial0", "COM9");
    AddText("\\Device\\C", "COM1");
    AddText("\\Device\\D", "COM12");
    EXPECT_EQ(List(), (std::vector<int>{4, 1, 12}));
}

TEST_F(ComPortsTest, OddDataGivesPortZeroOtherTypesAreSkippedAndAMissingKeyChangesNothing)
{
    AddText("\\Device\\A", "COMX");
    AddText("\\Device\\B", "CO");
    DWORD number = 5;
    RegSetValueExA(key, "\\Device\\C", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    EXPECT_EQ(List(), (std::vector<int>{0, 0}));
    std::vector<int> ports{3, 8};
    EXPECT_EQ(ListComPortsUnder(HKEY_CURRENT_USER, "Software\\NoSuchRadioCfgKey\\Deeper", ports), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ports, (std::vector<int>{3, 8}));
}
