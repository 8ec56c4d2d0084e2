// Times the markup parser on 2 MB of skin.
#include <algorithm>
#include <cstdio>
#include <string>

#include "SkinUI/Core/XmlDoc.h"
#include "benchmarks/BenchTimer.h"

using SkinUI::CXmlDoc;

namespace {

// Nested layouts with attribute-heavy controls, comments and entities.
std::string MakeMarkup(size_t target)
{
    std::string group =
        " <VerticalLayout name=\"group\" padding=\"2,2,2,2\">\n  <!-- group -->\n  <HorizontalLayout>\n";
    for (int i = 0; i < 4; ++i) {
        group += "   <Label name=\"l\" text=\"A &amp; B &lt;x&gt;\" textcolor=\"#FF000000\"/>\n   <Button name=\"b\" "
                 "text=\"&quot;OK&quot;\" normalimage=\"res='175' corner='3,3,3,3'\">tip &apos;b&apos;</Button>\n";
    }
    group += "  </HorizontalLayout>\n </VerticalLayout>\n";
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Window size=\"800,600\">\n";
    while (text.size() < target) text += group;
    return text + "</Window>\n";
}

} // namespace

int main()
{
    const std::string markup = MakeMarkup(2 * 1024 * 1024);
    const double megabytes = static_cast<double>(markup.size()) / (1024.0 * 1024.0);
    double bestMs = 1e30;
    for (int run = 0; run < 7; ++run) {
        CXmlDoc doc;
        bool loaded = false;
        bestMs = std::min(bestMs, TimedMs([&] { loaded = doc.Load(markup.c_str()); }));
        if (!loaded) {
            std::printf("parse failed: %s at \"%s\"\n", doc.GetLastErrorMessage(), doc.GetLastErrorLocation());
            return 1;
        }
    }
    std::printf("markup: %.2f MB\nparse: best of 7 %.3f ms, %.1f MB/s\n", megabytes, bestMs,
                megabytes * 1000.0 / bestMs);
    return 0;
}
