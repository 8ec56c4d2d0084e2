#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>
#include <stb_image.h>

namespace {

struct TPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
};

struct TRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;
};

// Wine runs the tests with the build's Unix paths; the Z: drive maps them.
std::string NativePath(std::string path)
{
    if (path.empty() || path[0] != '/') return path;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return "Z:" + path;
}

std::string SamplePath(const std::string& name)
{
    return NativePath(SKINVIEW_SAMPLES) + "\\" + name;
}

// A file in the temporary folder, written when text is given.
std::string TempPath(const std::string& name, const char* text = nullptr)
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "skinview_" + name;
    FILE* file = text != nullptr ? std::fopen(path.c_str(), "wb") : nullptr;
    if (file != nullptr) std::fputs(text, file);
    if (file != nullptr) std::fclose(file);
    return path;
}

TRun RunSkinView(const std::string& arguments)
{
    TRun run;
    // cmd strips the outer quotes of a command that starts with one.
    FILE* pipe = _popen(("\"\"" + NativePath(SKINVIEW_EXE) + "\" " + arguments + " 2>&1\"").c_str(), "r");
    if (pipe == nullptr) return run;
    for (int c; (c = std::fgetc(pipe)) != EOF;) run.output += static_cast<char>(c);
    run.exitCode = static_cast<DWORD>(_pclose(pipe));
    return run;
}

// Runs the previewer on a skin into a fresh picture file.
TRun Render(const std::string& skin, const std::string& png, const std::string& options = "")
{
    ::DeleteFileA(png.c_str());
    return RunSkinView(options + "--png \"" + png + "\" \"" + skin + "\"");
}

bool LoadPicture(const std::string& path, TPicture& picture)
{
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    int channels = 0;
    unsigned char* pixels =
        stbi_load_from_memory(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()),
                              &picture.width, &picture.height, &channels, 4);
    if (pixels == nullptr) return false;
    picture.rgba.assign(pixels, pixels + static_cast<size_t>(picture.width) * picture.height * 4);
    stbi_image_free(pixels);
    return true;
}

class SkinViewSample : public ::testing::TestWithParam<const char*> {};

} // namespace

TEST_P(SkinViewSample, RendersItsExpectedPicture)
{
    const std::string name = GetParam();
    // The controls sample has text, whose smoothing differs between systems.
    const int tolerance = name == "controls" ? 24 : 0;
    const std::string out = TempPath(name + ".png");
    const TRun run = Render(SamplePath(name + ".xml"), out);
    ASSERT_EQ(run.exitCode, 0u) << run.output;
    TPicture actual;
    TPicture expected;
    ASSERT_TRUE(LoadPicture(out, actual));
    ASSERT_TRUE(LoadPicture(SamplePath("expected\\" + name + ".png"), expected));
    ASSERT_EQ(actual.width, expected.width);
    ASSERT_EQ(actual.height, expected.height);
    int differences = 0;
    for (size_t i = 0; i < actual.rgba.size(); i += 4) {
        bool differs = false;
        for (size_t c = 0; c < 4; ++c) differs |= std::abs(actual.rgba[i + c] - expected.rgba[i + c]) > tolerance;
        differences += differs ? 1 : 0;
    }
    EXPECT_EQ(differences, 0);
    ::DeleteFileA(out.c_str());
}

INSTANTIATE_TEST_SUITE_P(Samples, SkinViewSample, ::testing::Values("layouts", "images", "includes", "controls"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

TEST(SkinView, FailuresReportWhyAndWriteNoPicture)
{
    const std::string broken =
        TempPath("broken.xml", "<Window><VerticalLayout><Control name='single'/></VerticalLayout></Window>");
    const std::string twoRoots = TempPath("tworoots.xml", "<Window><VerticalLayout/><Label/></Window>");
    const std::string part = TempPath("hostile_part.xml", "<Part><Control/></Part>");
    const std::string many =
        TempPath("many.xml", "<Window><VerticalLayout><Include source=\"skinview_hostile_part.xml\" "
                             "count=\"2147483647\"/></VerticalLayout></Window>");
    const std::pair<std::string, const char*> cases[] = {
        {broken, "'single'"}, {twoRoots, "dropped: LabelUI"}, {many, "more than 1000 includes"}};
    const std::string out = TempPath("failed.png");
    for (const auto& c : cases) {
        const TRun run = Render(c.first, out);
        EXPECT_EQ(run.exitCode, 1u) << c.first;
        EXPECT_NE(run.output.find(c.second), std::string::npos) << run.output;
        EXPECT_EQ(::GetFileAttributesA(out.c_str()), INVALID_FILE_ATTRIBUTES) << c.first;
    }
    EXPECT_EQ(RunSkinView("--size 0,10 x.xml").exitCode, 2u);
    for (const std::string& skin : {broken, twoRoots, part, many}) ::DeleteFileA(skin.c_str());
}
