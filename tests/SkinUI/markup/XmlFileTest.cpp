#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <string>
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/XmlDoc.h"

using SkinUI::CXmlDoc;
using SkinUI::CXmlElem;

namespace {

std::string TempPath(const char* name)
{
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + "skinui_markup_" + std::to_string(::GetCurrentProcessId()) + "_" + name;
}

// Writes a file for one test and removes it afterwards.
class CTempFile {
public:
    explicit CTempFile(const std::string& path, const std::string& bytes) : m_path(path)
    {
        FILE* f = std::fopen(m_path.c_str(), "wb");
        if (f == nullptr) return;
        m_ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        m_ok = std::fclose(f) == 0 && m_ok;
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

std::string DocumentOfSize(size_t size)
{
    const std::string open = "<r a=\"1\">", close = "</r>";
    return open + std::string(size - open.size() - close.size(), 'x') + close;
}

void ExpectFileError(CXmlDoc& doc, const char* path, const char* message)
{
    EXPECT_FALSE(doc.LoadFromPath(path)) << path;
    EXPECT_STREQ(message, doc.GetLastErrorMessage()) << path;
    EXPECT_STREQ("", doc.GetLastErrorLocation()) << path;
    EXPECT_FALSE(doc.GetRoot().IsValid()) << path;
}

}  // namespace

TEST(XmlFile, MissingDirectoryAndEmptyFilesFail) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<a/>"));
    ExpectFileError(doc, TempPath("missing.xml").c_str(), "Error opening file");
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    ExpectFileError(doc, dir, "Error opening file");
    CTempFile empty(TempPath("empty.xml"), "");
    ASSERT_TRUE(empty.IsOk());
    ExpectFileError(doc, empty.Path(), "File is empty");
}

TEST(XmlFile, FourMebibytesAreTheLimit) {
    CXmlDoc doc;
    const size_t limit = 4194304;
    {
        CTempFile exact(TempPath("exact.xml"), DocumentOfSize(limit));
        ASSERT_TRUE(exact.IsOk());
        ASSERT_TRUE(doc.LoadFromPath(exact.Path())) << doc.GetLastErrorMessage();
        EXPECT_STREQ("r", doc.GetRoot().GetName());
        EXPECT_STREQ("1", doc.GetRoot().GetAttributeValue(0));
    }
    CTempFile over(TempPath("over.xml"), DocumentOfSize(limit + 1));
    ASSERT_TRUE(over.IsOk());
    ExpectFileError(doc, over.Path(), "File too large");
}

TEST(XmlFile, ParseErrorInFileKeepsLocation) {
    CTempFile bad(TempPath("bad.xml"), "<a x='1'/>");
    ASSERT_TRUE(bad.IsOk());
    CXmlDoc doc;
    EXPECT_FALSE(doc.LoadFromPath(bad.Path()));
    EXPECT_STREQ("Expected attribute value", doc.GetLastErrorMessage());
    EXPECT_STREQ("'1'/>", doc.GetLastErrorLocation());
    EXPECT_FALSE(doc.GetRoot().IsValid());
}

TEST(XmlFile, FileWithByteOrderMarkLoads) {
    CTempFile bom(TempPath("bom.xml"), "\xEF\xBB\xBF<Window caption=\"0,0,0,30\"><Label/></Window>");
    ASSERT_TRUE(bom.IsOk());
    CXmlDoc doc;
    ASSERT_TRUE(doc.LoadFromPath(bom.Path()));
    EXPECT_STREQ("Window", doc.GetRoot().GetName());
    EXPECT_STREQ("Label", doc.GetRoot().GetChild().GetName());
}

TEST(XmlFile, NameIsTakenRelativeToResourcePath) {
    const std::string name = "skinui_markup_" + std::to_string(::GetCurrentProcessId()) + "_rel.xml";
    CTempFile file(std::string(SkinUI::CPaintManagerUI::GetResourcePath()) + name, "<rel/>");
    ASSERT_TRUE(file.IsOk());
    CXmlDoc doc;
    ASSERT_TRUE(doc.LoadFromFile(name.c_str())) << doc.GetLastErrorMessage();
    EXPECT_STREQ("rel", doc.GetRoot().GetName());
}

// Under Wine a sysfs file reports a 4096-byte size but reads back only a few
// bytes, which gives a short read; elsewhere the file does not exist.
TEST(XmlFile, ShortReadFails) {
    const char* path = "Z:\\sys\\devices\\system\\cpu\\online";
    if (::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no sysfs file to read short";
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<a/>"));
    ExpectFileError(doc, path, "Could not read file");
}

TEST(XmlBytes, ByteOrderMarkIsSkipped) {
    const std::string plain = "<a v=\"x\"/>";
    const std::string marked = "\xEF\xBB\xBF" + plain;
    CXmlDoc doc;
    ASSERT_TRUE(doc.LoadFromMem(reinterpret_cast<const unsigned char*>(marked.data()), marked.size()));
    EXPECT_STREQ("a", doc.GetRoot().GetName());
    EXPECT_STREQ("x", doc.GetRoot().GetAttributeValue(0));
    const std::string bomOnly = "\xEF\xBB\xBF";
    EXPECT_TRUE(doc.LoadFromMem(reinterpret_cast<const unsigned char*>(bomOnly.data()), bomOnly.size()));
    EXPECT_FALSE(doc.GetRoot().IsValid());
    EXPECT_TRUE(doc.LoadFromMem(nullptr, 0));
    EXPECT_FALSE(doc.GetRoot().IsValid());
}

TEST(XmlBytes, LengthBoundsTheText) {
    const std::string text = "<a/><b/>";
    CXmlDoc doc;
    ASSERT_TRUE(doc.LoadFromMem(reinterpret_cast<const unsigned char*>(text.data()), 4));
    EXPECT_FALSE(doc.GetRoot().GetSibling().IsValid());
}
