#include "BuilderTestSupport.h"
#include <cstdio>
#include "SkinUI/Core/PaintManagerUI.h"

namespace SkinUI {

CSkinFolder::CSkinFolder()
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    char unique[64] = {};
    static int counter = 0;
    std::snprintf(unique, sizeof(unique), "skinui_builder_%lu_%d\\", ::GetCurrentProcessId(), ++counter);
    m_path = std::string(temp) + unique;
    ::CreateDirectoryA(m_path.c_str(), nullptr);
    CPaintManagerUI::SetResourcePath(m_path.c_str());
}

CSkinFolder::~CSkinFolder()
{
    for (const std::string& file : m_files) ::DeleteFileA(file.c_str());
    ::RemoveDirectoryA(m_path.c_str());
    CPaintManagerUI::SetResourcePath("");
}

void CSkinFolder::Write(const char* name, const std::string& text)
{
    const std::string path = m_path + name;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return;
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    m_files.push_back(path);
}

} // namespace SkinUI
