#pragma once
#include <string>

namespace SkinUI {

// Font of an "f" tag: an index, or a face with size and styles.
struct THtmlFontTag {
    int index = -1;
    std::string face;
    int size = 10;
    bool bold = false;
    bool underline = false;
    bool italic = false;
};

// Image of an "i" tag: one frame of an image cut into equal columns.
struct THtmlImageTag {
    std::string name;
    std::string resType;
    int frames = 1;
    int frame = 0;
};

// Reads the arguments of html text tags.
class CHtmlTagArgs {
public:
    static int ParseInt(const std::string& args);
    static unsigned int ParseColor(const std::string& args);
    static THtmlFontTag ParseFont(const std::string& args);
    static THtmlImageTag ParseImage(const std::string& args);
};

} // namespace SkinUI
