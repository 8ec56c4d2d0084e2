#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <stb_image.h>
#include "SkinViewArgs.h"

namespace {

struct TPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
};

struct TRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string errors;
};

// Wine runs the tests with the build's Unix paths; the Z: drive maps them.
std::string NativePath(std::string path)
{
    if (path.empty() || path[0] != '/') return path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return "Z:" + path;
}

std::string SamplePath(const std::string& name)
{
    return NativePath(SKINVIEW_SAMPLES) + "\\" + name;
}

std::string TempPath(const char* name)
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + name;
}

std::string ReadPipe(HANDLE hRead)
{
    std::string text;
    char buffer[512];
    DWORD got = 0;
    while (::ReadFile(hRead, buffer, sizeof(buffer), &got, nullptr) && got > 0) text.append(buffer, got);
    return text;
}

TRun RunSkinView(const std::string& arguments)
{
    TRun run;
    SECURITY_ATTRIBUTES security = {sizeof(security), nullptr, TRUE};
    HANDLE hRead = nullptr;
    HANDLE hWrite = nullptr;
    if (!::CreatePipe(&hRead, &hWrite, &security, 0)) return run;
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = hWrite;
    startup.hStdOutput = hWrite;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    std::string command = "\"" + NativePath(SKINVIEW_EXE) + "\" " + arguments;
    PROCESS_INFORMATION process = {};
    const BOOL started = ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                          &startup, &process);
    ::CloseHandle(hWrite);
    if (started) {
        run.errors = ReadPipe(hRead);
        ::WaitForSingleObject(process.hProcess, 60000);
        ::GetExitCodeProcess(process.hProcess, &run.exitCode);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(hRead);
    return run;
}

bool LoadPicture(const std::string& path, TPicture& picture)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    std::vector<unsigned char> bytes;
    unsigned char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof(buffer), file)) > 0;) bytes.insert(bytes.end(), buffer, buffer + got);
    std::fclose(file);
    int channels = 0;
    unsigned char* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &picture.width,
                                                  &picture.height, &channels, 4);
    if (pixels == nullptr) return false;
    picture.rgba.assign(pixels, pixels + static_cast<size_t>(picture.width) * picture.height * 4);
    stbi_image_free(pixels);
    return true;
}

// Counts the pixels whose channels differ by more than the tolerance.
int CountDifferences(const TPicture& a, const TPicture& b, int tolerance)
{
    int differences = 0;
    for (size_t i = 0; i < a.rgba.size(); i += 4) {
        for (size_t c = 0; c < 4; ++c) {
            if (std::abs(a.rgba[i + c] - b.rgba[i + c]) > tolerance) {
                ++differences;
                break;
            }
        }
    }
    return differences;
}

std::string WriteTemp(const char* name, const char* text)
{
    const std::string path = TempPath(name);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return std::string();
    std::fputs(text, file);
    std::fclose(file);
    return path;
}

struct TSample {
    const char* name;
    int tolerance;
};

class SkinViewSample : public ::testing::TestWithParam<TSample> {};

} // namespace

TEST_P(SkinViewSample, RendersItsExpectedPicture)
{
    const TSample sample = GetParam();
    const std::string out = TempPath((std::string("skinview_") + sample.name + ".png").c_str());
    ::DeleteFileA(out.c_str());
    const TRun run = RunSkinView("--png \"" + out + "\" \"" + SamplePath(std::string(sample.name) + ".xml") + "\"");
    ASSERT_EQ(run.exitCode, 0u) << run.errors;
    TPicture actual;
    TPicture expected;
    ASSERT_TRUE(LoadPicture(out, actual));
    ASSERT_TRUE(LoadPicture(SamplePath(std::string("expected\\") + sample.name + ".png"), expected));
    ASSERT_EQ(actual.width, expected.width);
    ASSERT_EQ(actual.height, expected.height);
    EXPECT_EQ(CountDifferences(actual, expected, sample.tolerance), 0);
    ::DeleteFileA(out.c_str());
}

INSTANTIATE_TEST_SUITE_P(Samples, SkinViewSample,
                         ::testing::Values(TSample{"layouts", 0}, TSample{"images", 0}, TSample{"includes", 0},
                                           TSample{"controls", 24}),
                         [](const ::testing::TestParamInfo<TSample>& info) { return std::string(info.param.name); });

TEST(SkinView, SizeOptionOverridesTheMarkupSize)
{
    const std::string out = TempPath("skinview_sized.png");
    const TRun run = RunSkinView("--size 90,50 --png \"" + out + "\" \"" + SamplePath("layouts.xml") + "\"");
    ASSERT_EQ(run.exitCode, 0u) << run.errors;
    TPicture actual;
    ASSERT_TRUE(LoadPicture(out, actual));
    EXPECT_EQ(actual.width, 90);
    EXPECT_EQ(actual.height, 50);
    ::DeleteFileA(out.c_str());
}

TEST(SkinView, MarkupThatDoesNotParseReportsMessageAndLocation)
{
    const std::string skin =
        WriteTemp("skinview_broken.xml", "<Window><VerticalLayout><Control name='single'/></VerticalLayout></Window>");
    ASSERT_FALSE(skin.empty());
    const std::string out = TempPath("skinview_broken.png");
    ::DeleteFileA(out.c_str());
    const TRun run = RunSkinView("--png \"" + out + "\" \"" + skin + "\"");
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.errors.find("Expected attribute value"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("'single'"), std::string::npos) << run.errors;
    EXPECT_EQ(::GetFileAttributesA(out.c_str()), INVALID_FILE_ATTRIBUTES);
    ::DeleteFileA(skin.c_str());
}

TEST(SkinView, MarkupWithoutControlsOrFileFails)
{
    const std::string skin = WriteTemp("skinview_empty.xml", "<Window size=\"50,50\"><Font name=\"Arial\"/></Window>");
    ASSERT_FALSE(skin.empty());
    const TRun empty = RunSkinView("--png \"" + TempPath("skinview_empty.png") + "\" \"" + skin + "\"");
    EXPECT_EQ(empty.exitCode, 1u);
    EXPECT_NE(empty.errors.find("no control"), std::string::npos) << empty.errors;
    const TRun missing = RunSkinView("\"" + TempPath("skinview_absent.xml") + "\"");
    EXPECT_EQ(missing.exitCode, 1u);
    EXPECT_NE(missing.errors.find("Error opening file"), std::string::npos) << missing.errors;
    const TRun usage = RunSkinView("--size 0,10 x.xml");
    EXPECT_EQ(usage.exitCode, 2u);
    EXPECT_NE(usage.errors.find("usage:"), std::string::npos) << usage.errors;
    ::DeleteFileA(skin.c_str());
}

TEST(SkinViewArgs, OptionsAndFile)
{
    const char* argv[] = {"skinview", "--png", "out.png", "--size", "320,200", "skin.xml"};
    TSkinViewArgs args;
    std::string error;
    ASSERT_TRUE(CSkinViewArgs::Parse(6, argv, args, error)) << error;
    EXPECT_EQ(args.png, "out.png");
    EXPECT_EQ(args.file, "skin.xml");
    EXPECT_TRUE(args.hasSize);
    EXPECT_EQ(args.width, 320);
    EXPECT_EQ(args.height, 200);
}

TEST(SkinViewArgs, BadCommandLines)
{
    struct TCase {
        std::vector<const char*> argv;
        const char* error;
    };
    const TCase cases[] = {
        {{"skinview"}, "no markup file"},
        {{"skinview", "a.xml", "b.xml"}, "only one"},
        {{"skinview", "a.xml", "--png"}, "--png needs"},
        {{"skinview", "--size", "10", "a.xml"}, "--size needs"},
        {{"skinview", "--verbose", "a.xml"}, "unknown option --verbose"},
    };
    for (const TCase& c : cases) {
        TSkinViewArgs args;
        std::string error;
        EXPECT_FALSE(CSkinViewArgs::Parse(static_cast<int>(c.argv.size()), c.argv.data(), args, error));
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

TEST(SkinViewArgs, SizeNeedsTwoPositiveNumbers)
{
    int w = 1;
    int h = 1;
    EXPECT_TRUE(CSkinViewArgs::ParseSize("640,480", w, h));
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    for (const char* bad : {"0,10", "10,0", "-5,10", "10,+5", "10", "10,", ",10", "10,10,", "10x10", "a,b", "40000,10"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(CSkinViewArgs::ParseSize(bad, w, h));
    }
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
}

TEST(SkinViewArgs, SplitPathKeepsTheSeparator)
{
    const char* cases[][3] = {{"C:\\skins\\main.xml", "C:\\skins\\", "main.xml"},
                              {"dir/sub/a.xml", "dir/sub/", "a.xml"},
                              {"plain.xml", "", "plain.xml"}};
    for (const auto& c : cases) {
        std::string folder;
        std::string name;
        CSkinViewArgs::SplitPath(c[0], folder, name);
        EXPECT_EQ(folder, c[1]);
        EXPECT_EQ(name, c[2]);
    }
}
