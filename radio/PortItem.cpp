#include "radio/PortItem.h"

#include "radio/RadioTables.h"

namespace {

const std::string kPrefix = " COM";

} // namespace

std::string PortItem(int port)
{
    return kPrefix + std::to_string(port);
}

int PortItemNumber(const std::string& item)
{
    return item.size() > kPrefix.size() ? LeadingInteger(item.substr(kPrefix.size())) : 0;
}
