#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <string>
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/XmlDoc.h"

using SkinUI::CXmlDoc;

namespace {

std::string TempPath(const char* name)
{
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + (name != nullptr ? "skinui_markup_" + std::to_string(::GetCurrentProcessId()) + name : "");
}

// Writes a file for one test and removes it afterwards.
class CTempFile {
public:
    explicit CTempFile(const std::string& path, const std::string& bytes) : m_path(path)
    {
        FILE* f = std::fopen(m_path.c_str(), "wb");
        m_ok = f != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        m_ok = f != nullptr && std::fclose(f) == 0 && m_ok;
    }
    ~CTempFile() { std::remove(m_path.c_str()); }
    CTempFile(const CTempFile&) = delete;
    CTempFile& operator=(const CTempFile&) = delete;
    bool IsOk() const { return m_ok; }
    const char* Path() const { return m_path.c_str(); }

private:
    std::string m_path;
    bool m_ok = false;
};

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

}  // namespace

TEST(XmlFile, MissingDirectoryEmptyAndShortReadFail) {
    ExpectFileError(TempPath("missing.xml"), "Error opening file");
    ExpectFileError(TempPath(nullptr), "Error opening file");
    CTempFile empty(TempPath("empty.xml"), "");
    ASSERT_TRUE(empty.IsOk());
    ExpectFileError(empty.Path(), "File is empty");
    // Under Wine a sysfs file reports a 4096-byte size but reads back only a few bytes.
    const char* sysfs = "Z:\\sys\\devices\\system\\cpu\\online";
    if (::GetFileAttributesA(sysfs) != INVALID_FILE_ATTRIBUTES) ExpectFileError(sysfs, "Could not read file");
}

TEST(XmlFile, FourMebibytesAreTheLimit) {
    const size_t limit = 4194304;
    const std::string open = "<r a=\"1\">", close = "</r>";
    const std::string exactText = open + std::string(limit - open.size() - close.size(), 'x') + close;
    {
        CTempFile exact(TempPath("exact.xml"), exactText);
        ASSERT_TRUE(exact.IsOk());
        CXmlDoc doc;
        ASSERT_TRUE(doc.LoadFromPath(exact.Path())) << doc.GetLastErrorMessage();
        EXPECT_STREQ("1", doc.GetRoot().GetAttributeValue(0));
    }
    CTempFile over(TempPath("over.xml"), exactText + " ");
    ASSERT_TRUE(over.IsOk());
    ExpectFileError(over.Path(), "File too large");
}

TEST(XmlFile, NameIsTakenRelativeToResourcePath) {
    const std::string name = "skinui_markup_rel.xml";
    CTempFile file(std::string(SkinUI::CPaintManagerUI::GetResourcePath()) + name, "\xEF\xBB\xBF<rel><Label/></rel>");
    ASSERT_TRUE(file.IsOk());
    CXmlDoc doc;
    ASSERT_TRUE(doc.LoadFromFile(name.c_str())) << doc.GetLastErrorMessage();
    EXPECT_STREQ("rel", doc.GetRoot().GetName());
    EXPECT_STREQ("Label", doc.GetRoot().GetChild().GetName());
}

TEST(XmlBytes, ByteOrderMarkLengthAndCutUtf8) {
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
