#include <chrono>
#include <cstdio>
#include <string>
#include "SkinUI/Core/XmlDoc.h"

using SkinUI::CXmlDoc;
using SkinUI::CXmlElem;

namespace {

// Nested layouts with attribute-heavy controls.
std::string MakeMarkup(size_t target)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Window size=\"800,600\">\n";
    for (int group = 0; text.size() < target; ++group) {
        const std::string g = std::to_string(group);
        text +=
            " <VerticalLayout name=\"group" + g + "\" padding=\"2,2,2,2\">\n  <!-- group -->\n  <HorizontalLayout>\n";
        for (int i = 0; i < 4; ++i) {
            const std::string n = g + "_" + std::to_string(i);
            text += "   <Label name=\"l" + n +
                    "\" text=\"A &amp; B &lt;x&gt;\" textcolor=\"#FF000000\"/>\n"
                    "   <Button name=\"b" +
                    n +
                    "\" text=\"&quot;OK&quot;\" normalimage=\"res='175' "
                    "corner='3,3,3,3'\">tip &apos;" +
                    n + "&apos;</Button>\n";
        }
        text += "  </HorizontalLayout>\n </VerticalLayout>\n";
    }
    return text + "</Window>\n";
}

int CountElements(CXmlElem elem, int& attributes)
{
    int count = 0;
    for (; elem.IsValid(); elem = elem.GetSibling(), ++count) {
        attributes += elem.GetAttributeCount();
        count += CountElements(elem.GetChild(), attributes);
    }
    return count;
}

} // namespace

int main()
{
    const std::string markup = MakeMarkup(2 * 1024 * 1024);
    const double megabytes = static_cast<double>(markup.size()) / (1024.0 * 1024.0);
    double best = 1e30;
    int elements = 0;
    int attributes = 0;
    for (int run = 0; run < 7; ++run) {
        CXmlDoc doc;
        const auto start = std::chrono::steady_clock::now();
        if (!doc.Load(markup.c_str())) {
            std::printf("parse failed: %s at \"%s\"\n", doc.GetLastErrorMessage(), doc.GetLastErrorLocation());
            return 1;
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds < best) best = seconds;
        attributes = 0;
        elements = CountElements(doc.GetRoot(), attributes);
    }
    std::printf("markup: %.2f MB, %d elements, %d attributes\nparse: best of 7 %.3f ms, %.1f MB/s\n", megabytes,
                elements, attributes, best * 1000.0, megabytes / best);
    return 0;
}
