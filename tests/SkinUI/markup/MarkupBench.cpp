#include <chrono>
#include <cstdio>
#include <string>
#include "SkinUI/Core/XmlDoc.h"

using SkinUI::CXmlDoc;
using SkinUI::CXmlElem;

namespace {

// Nested layouts with attribute-heavy controls, about 2 MB.
std::string MakeMarkup(size_t target)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Window size=\"800,600\" caption=\"0,0,0,30\">\n";
    for (int group = 0; text.size() < target; ++group) {
        const std::string g = std::to_string(group);
        text += " <VerticalLayout name=\"group" + g + "\" bkcolor=\"#FFF0F0F0\" padding=\"2,2,2,2\">\n";
        text += "  <!-- group " + g + " -->\n  <HorizontalLayout height=\"24\">\n";
        for (int i = 0; i < 4; ++i) {
            const std::string n = std::to_string(i);
            text += "   <Label name=\"l" + g + "_" + n + "\" text=\"A &amp; B &lt;" + n +
                    "&gt;\" textcolor=\"#FF000000\" align=\"left\"/>\n";
            text += "   <Button name=\"b" + g + "_" + n + "\" text=\"&quot;OK&quot;\" pos=\"1,2,3,4\" "
                    "normalimage=\"res='175' restype='png' corner='3,3,3,3'\">tip &apos;" + n + "&apos;</Button>\n";
        }
        text += "  </HorizontalLayout>\n </VerticalLayout>\n";
    }
    return text + "</Window>\n";
}

int CountElements(CXmlElem elem)
{
    int count = 0;
    for (; elem.IsValid(); elem = elem.GetSibling()) {
        count += 1 + CountElements(elem.GetChild());
        elem.GetAttributeCount();
    }
    return count;
}

}  // namespace

int main()
{
    const std::string markup = MakeMarkup(2 * 1024 * 1024);
    const double megabytes = static_cast<double>(markup.size()) / (1024.0 * 1024.0);
    double best = 1e30;
    int elements = 0;
    for (int run = 0; run < 7; ++run) {
        CXmlDoc doc;
        const auto start = std::chrono::steady_clock::now();
        const bool ok = doc.Load(markup.c_str());
        const auto stop = std::chrono::steady_clock::now();
        if (!ok) {
            std::printf("parse failed: %s at \"%s\"\n", doc.GetLastErrorMessage(), doc.GetLastErrorLocation());
            return 1;
        }
        const double seconds = std::chrono::duration<double>(stop - start).count();
        if (seconds < best) best = seconds;
        elements = CountElements(doc.GetRoot());
    }
    std::printf("markup: %.2f MB, %d elements\n", megabytes, elements);
    std::printf("parse: best of 7 %.3f ms, %.1f MB/s\n", best * 1000.0, megabytes / best);
    return 0;
}
