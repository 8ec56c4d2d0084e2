#include "serial/SerialDevices.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

const char* const kDeviceKinds[] = {"ttyUSB", "ttyACM"};

// ("ttyUSB", 10) for ttyUSB10; an empty kind for any other name.
std::pair<std::string, long> DeviceKey(const std::string& name)
{
    for (const char* kind : kDeviceKinds) {
        const std::string prefix(kind);
        const std::string rest = name.substr(std::min(prefix.size(), name.size()));
        if (name.compare(0, prefix.size(), prefix) == 0 && !rest.empty() &&
            rest.find_first_not_of("0123456789") == std::string::npos)
            return {prefix, std::strtol(rest.c_str(), nullptr, 10)};
    }
    return {std::string(), 0};
}

std::vector<std::string> EntriesOf(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    return names;
}

} // namespace

std::vector<std::string> ListSerialDevices(const std::string& root)
{
    std::vector<std::string> byId = EntriesOf(fs::path(root) / "serial" / "by-id");
    std::sort(byId.begin(), byId.end());
    std::vector<std::pair<std::pair<std::string, long>, std::string>> numbered;
    for (const std::string& name : EntriesOf(root)) {
        auto key = DeviceKey(name);
        if (!key.first.empty()) numbered.push_back({key, name});
    }
    std::sort(numbered.begin(), numbered.end());

    std::vector<std::string> devices;
    for (const std::string& name : byId) devices.push_back((fs::path(root) / "serial" / "by-id" / name).string());
    for (const auto& entry : numbered) devices.push_back((fs::path(root) / entry.second).string());
    return devices;
}

std::vector<std::string> DistinctDevices(const std::vector<std::string>& devices)
{
    std::set<std::string> seen;
    std::vector<std::string> distinct;
    for (const std::string& device : devices) {
        std::error_code error;
        const fs::path real = fs::canonical(device, error);
        if (seen.insert(error ? device : real.string()).second) distinct.push_back(device);
    }
    return distinct;
}
