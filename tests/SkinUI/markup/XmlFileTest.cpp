#include <gtest/gtest.h>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include "SkinUI/Core/XmlDoc.h"

using SkinUI::CXmlDoc;

namespace {

// A name of this run's own in the temporary folder, or the folder itself.
std::string TempPath(const char* name)
{
    static const std::string run = std::to_string(std::random_device{}());
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    return (name != nullptr ? folder / ("skinui_markup_" + run + name) : folder).string();
}

std::string WriteTemp(const char* name, const std::string& bytes)
{
    const std::string path = TempPath(name);
    FILE* f = std::fopen(path.c_str(), "wb");
    const bool ok = f != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return f != nullptr && std::fclose(f) == 0 && ok ? path : std::string();
}

void ExpectFileError(const std::string& path, const char* message)
{
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<a/>"));
    EXPECT_FALSE(doc.LoadFromPath(path.c_str())) << path;
    EXPECT_STREQ(message, doc.GetLastErrorMessage()) << path;
    EXPECT_STREQ("", doc.GetLastErrorLocation()) << path;
    EXPECT_FALSE(doc.GetRoot().IsValid()) << path;
}

bool LoadBytes(CXmlDoc& doc, const std::string& bytes, size_t length)
{
    return doc.LoadFromMem(reinterpret_cast<const unsigned char*>(bytes.data()), length);
}

} // namespace

TEST(XmlFile, MissingDirectoryEmptyAndShortReadFail)
{
    ExpectFileError(TempPath("missing.xml"), "Error opening file");
    ExpectFileError(TempPath(nullptr), "Error opening file");
    const std::string empty = WriteTemp("empty.xml", "");
    ASSERT_FALSE(empty.empty());
    ExpectFileError(empty, "File is empty");
    std::remove(empty.c_str());
    // A sysfs file reports a 4096-byte size but reads back only a few bytes.
#ifdef _WIN32
    const char* sysfs = "Z:\\sys\\devices\\system\\cpu\\online";
#else
    const char* sysfs = "/sys/devices/system/cpu/online";
#endif
    if (std::filesystem::exists(sysfs)) ExpectFileError(sysfs, "Could not read file");
}

TEST(XmlFile, FourMebibytesAreTheLimit)
{
    const std::string open = "<r a=\"1\">", close = "</r>";
    const std::string exactText = open + std::string(4194304 - open.size() - close.size(), 'x') + close;
    const std::string exact = WriteTemp("exact.xml", exactText);
    const std::string over = WriteTemp("over.xml", exactText + " ");
    ASSERT_FALSE(exact.empty() || over.empty());
    CXmlDoc doc;
    EXPECT_TRUE(doc.LoadFromPath(exact.c_str())) << doc.GetLastErrorMessage();
    EXPECT_STREQ("1", doc.GetRoot().GetAttributeValue(0));
    ExpectFileError(over, "File too large");
    std::remove(exact.c_str());
    std::remove(over.c_str());
}

TEST(XmlBytes, ByteOrderMarkLengthAndCutUtf8)
{
    CXmlDoc doc;
    ASSERT_TRUE(LoadBytes(doc, "\xEF\xBB\xBF<a v=\"x\"/>", 13));
    EXPECT_STREQ("x", doc.GetRoot().GetAttributeValue(0));
    EXPECT_TRUE(LoadBytes(doc, "\xEF\xBB\xBF", 3));
    EXPECT_FALSE(doc.GetRoot().IsValid());
    EXPECT_TRUE(doc.LoadFromMem(nullptr, 0));
    ASSERT_TRUE(LoadBytes(doc, "<a/><b/>", 4));
    EXPECT_FALSE(doc.GetRoot().GetSibling().IsValid());
    const std::string text = "\xEF\xBB\xBF<r a=\"&lt;&amp;\"><b c=\"\xE4\xB8\xAD\"/>\xE6\x96\x87</r>";
    for (size_t n = 0; n <= text.size(); ++n) {
        if (!LoadBytes(doc, text, n)) {
            EXPECT_STRNE("", doc.GetLastErrorMessage()) << n;
        } else if (doc.GetRoot().IsValid()) {
            EXPECT_STREQ("r", doc.GetRoot().GetName()) << n;
        }
    }
}
