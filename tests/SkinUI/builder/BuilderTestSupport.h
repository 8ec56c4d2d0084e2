#pragma once
#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/DlgBuilder.h"
#include "SkinUI/Core/IContainerUI.h"
#include "SkinUI/Core/IDialogBuilderCallback.h"
#include "SkinUI/Core/PaintManagerUI.h"

namespace SkinUI {

// Collects what a builder would send to the debugger.
struct TTraceLog {
    std::vector<std::string> lines;

    static void Record(const char* text, void* context) { static_cast<TTraceLog*>(context)->lines.push_back(text); }
    void Attach(CDlgBuilder& builder) { builder.SetTraceProc(&TTraceLog::Record, this); }
    bool Contains(const std::string& part) const
    {
        for (const std::string& line : lines) {
            if (line.find(part) != std::string::npos) return true;
        }
        return false;
    }
};

// Counts the probes alive, so that a build can be seen to leak none.
class CProbeUI : public CControlUI {
public:
    CProbeUI() { ++Live(); }
    ~CProbeUI() override { --Live(); }
    const char* GetClass() const override { return "ProbeUI"; }
    static int& Live()
    {
        static int live = 0;
        return live;
    }
};

// Knows one application class, "Probe", and remembers every name it was asked for.
class CRecordingCallback : public IDialogBuilderCallback {
public:
    CControlUI* CreateControl(const char* pstrClass) override
    {
        asked.push_back(pstrClass);
        return std::string(pstrClass) == "Probe" ? new CProbeUI() : nullptr;
    }
    std::vector<std::string> asked;
};

inline IContainerUI* AsContainer(CControlUI* pControl)
{
    return pControl != nullptr ? static_cast<IContainerUI*>(pControl->GetInterface("IContainer")) : nullptr;
}

inline int ChildCount(CControlUI* pControl)
{
    return AsContainer(pControl) != nullptr ? AsContainer(pControl)->GetCount() : -1;
}

inline CControlUI* Child(CControlUI* pControl, int index)
{
    return AsContainer(pControl) != nullptr ? AsContainer(pControl)->GetItemAt(index) : nullptr;
}

inline std::string NameOf(CControlUI* pControl)
{
    return pControl != nullptr ? std::string(pControl->GetName().GetData()) : std::string("<null>");
}

// The names (or classes) of the children, each followed by its own children in brackets.
inline std::string ChildNames(CControlUI* pControl, bool classes = false)
{
    std::string out;
    for (int i = 0; i < ChildCount(pControl); ++i) {
        CControlUI* child = Child(pControl, i);
        out += (out.empty() ? "" : ",") + (classes ? std::string(child->GetClass()) : NameOf(child));
        if (ChildCount(child) > 0) out += "[" + ChildNames(child, classes) + "]";
    }
    return out;
}

// A folder of skin files under the temporary directory, used as the resource path while it lives.
class CSkinFolder {
public:
    CSkinFolder()
    {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        static int counter = 0;
        m_path = std::string(temp) + "skinui_builder_" + std::to_string(::GetCurrentProcessId()) + "_" +
                 std::to_string(++counter) + "\\";
        ::CreateDirectoryA(m_path.c_str(), nullptr);
        CPaintManagerUI::SetResourcePath(m_path.c_str());
    }
    ~CSkinFolder()
    {
        for (const std::string& file : m_files) ::DeleteFileA(file.c_str());
        ::RemoveDirectoryA(m_path.c_str());
        CPaintManagerUI::SetResourcePath("");
    }
    CSkinFolder(const CSkinFolder&) = delete;
    CSkinFolder& operator=(const CSkinFolder&) = delete;

    void Write(const char* name, const std::string& text)
    {
        m_files.push_back(m_path + name);
        FILE* file = std::fopen(m_files.back().c_str(), "wb");
        if (file == nullptr) return;
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }

private:
    std::string m_path;
    std::vector<std::string> m_files;
};

} // namespace SkinUI
