#include "radio/FirmwareUpgrade.h"

#include <chrono>
#include <fstream>
#include <thread>

#include "radio/FilePath.h"
#include "radio/FirmwarePacket.h"

namespace {

constexpr std::chrono::milliseconds kPagePause{50};
constexpr std::chrono::milliseconds kFinishPause{100};
const std::string kBootStart = "boot_start";
const std::string kWritePage = "write page";
const std::string kFinish = "ISP finish";

std::uint64_t FileSize(std::ifstream& file)
{
    file.seekg(0, std::ios::end);
    std::streamoff size = file.tellg();
    file.seekg(0, std::ios::beg);
    return file && size > 0 ? static_cast<std::uint64_t>(size) : 0;
}

} // namespace

CFirmwareUpgrade::CFirmwareUpgrade(CRadioLink& link, IUpgradeReporter& reporter)
    : m_link(link)
    , m_reporter(reporter)
{}

RadioResult CFirmwareUpgrade::UpgradeFirmware()
{
    std::string path;
    if (!m_reporter.ChooseFirmwareFile(path)) return {RadioCommand::UpgradeFirmware};
    int portNumber = m_reporter.BeginUpgrade();
    bool success = Transfer(path, portNumber);
    m_link.Close();
    m_reporter.EndUpgrade(success);
    return {RadioCommand::UpgradeFirmware, success};
}

bool CFirmwareUpgrade::Transfer(const std::string& path, int portNumber)
{
    std::ifstream file(FilePath(path), std::ios::binary);
    if (!file) return false;
    std::uint64_t fileSize = FileSize(file);
    if (!FirmwarePacket::IsAcceptedSize(fileSize)) return false;
    if (!m_link.OpenPort(portNumber, CRadioLink::kUpgradeBaud)) return false;
    if (!Exchange(kBootStart.data(), kBootStart.size(), "boot start") || !SendPages(file, fileSize)) return false;
    if (!m_link.Send(kFinish.data(), kFinish.size())) return false;
    std::this_thread::sleep_for(kFinishPause);
    return true;
}

// The page count comes from the size, so a file that reads short fails
// instead of ending early as if complete.
bool CFirmwareUpgrade::SendPages(std::ifstream& file, std::uint64_t fileSize)
{
    if (!SendPage(file, 0)) return false;
    std::uint64_t pages = FirmwarePacket::PageCount(fileSize);
    for (std::uint64_t index = 1; index < pages; ++index) {
        if (!SendPage(file, index)) return false;
        // The pause runs from the page's answer, so reporting takes none of the line's time.
        auto pauseEnd = std::chrono::steady_clock::now() + kPagePause;
        m_reporter.ShowProgress(FirmwarePacket::ProgressAfterPage(index, fileSize));
        std::this_thread::sleep_until(pauseEnd);
    }
    return true;
}

bool CFirmwareUpgrade::SendPage(std::ifstream& file, std::uint64_t index)
{
    FirmwarePacket::Page page{};
    file.seekg(static_cast<std::streamoff>(FirmwarePacket::PageOffset(index)));
    file.read(reinterpret_cast<char*>(page.data()), static_cast<std::streamsize>(page.size()));
    if (file.gcount() != static_cast<std::streamsize>(page.size())) return false;
    if (!Exchange(kWritePage.data(), kWritePage.size(), "get page")) return false;
    FirmwarePacket::Packet packet = FirmwarePacket::BuildPacket(page);
    return Exchange(packet.data(), packet.size(), "write OK");
}

bool CFirmwareUpgrade::Exchange(const void* bytes, std::size_t length, const char* expected)
{
    return m_link.SendAndWait(bytes, length) && m_link.ReplyContains(expected);
}
