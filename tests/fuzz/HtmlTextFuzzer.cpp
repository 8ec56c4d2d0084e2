// Html text: the tokens of any text, the arguments of every tag, and each
// text run broken into lines as the painter breaks it, with a measure that
// gives every byte a width of its own.
#include <cstdint>
#include <string>

#include "SkinUI/Core/HtmlLineFit.h"
#include "SkinUI/Core/HtmlTagArgs.h"
#include "SkinUI/Core/HtmlTokenizer.h"
#include "SkinUI/Core/MbcsText.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace SkinUI;

namespace {

constexpr int kWidth = 60;

int Measure(const char* text, int bytes)
{
    int width = 0;
    for (int i = 0; i < bytes; ++i) width += 1 + static_cast<unsigned char>(text[i]) % 9;
    return width;
}

void ReadArguments(const THtmlToken& token)
{
    const std::string args(token.text, token.length);
    const THtmlImageTag image = CHtmlTagArgs::ParseImage(args);
    FUZZ_CHECK(image.frames >= 1 && image.frame >= 0 && image.frame < image.frames);
    FUZZ_CHECK(CHtmlTagArgs::ParseFont(args).index >= -1);
    CHtmlTagArgs::ParseColor(args);
    CHtmlTagArgs::ParseInt(args);
}

// The painter's loop: each line takes what fits; an empty line always takes something.
int BreakIntoLines(const char* text, int length, int& x, bool wordBreak, bool ellipsis)
{
    int lines = 0;
    while (length > 0) {
        const bool lineEmpty = x == 0;
        const THtmlFit fit = CHtmlLineFit::Fit(text, length, kWidth - x, lineEmpty, wordBreak, ellipsis, Measure);
        FUZZ_CHECK(fit.bytes >= 0 && fit.bytes <= length);
        FUZZ_CHECK(fit.bytes > 0 || !lineEmpty || fit.ellipsis);
        // Never inside a double-byte character.
        int at = 0;
        while (at < fit.bytes) at += CMbcsText::CharLength(text + at) > 0 ? CMbcsText::CharLength(text + at) : 1;
        FUZZ_CHECK(at == fit.bytes || fit.bytes == length);
        x += Measure(text, fit.bytes);
        text += fit.bytes;
        length -= fit.bytes;
        if (!fit.wrap || fit.ellipsis) break;
        x = 0;
        ++lines;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const bool wordBreak = data[0] & 1;
    const bool ellipsis = data[0] & 2;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    CHtmlTokenizer tokenizer(text.c_str());
    const char* const end = text.c_str() + text.size();
    int x = 0;
    for (THtmlToken token = tokenizer.Next(); token.kind != EHtmlToken::End; token = tokenizer.Next()) {
        if (token.text != nullptr)
            FUZZ_CHECK(token.text >= text.c_str() && token.length >= 0 && token.text + token.length <= end);
        if (token.kind == EHtmlToken::Open)
            ReadArguments(token);
        else if (token.kind == EHtmlToken::LineFeed)
            x = 0;
        else if (token.kind == EHtmlToken::Text)
            BreakIntoLines(token.text, token.length, x, wordBreak, ellipsis);
    }
    return 0;
}
