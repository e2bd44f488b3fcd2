#include "screen.h"
#include "vdrcommands.h"

#include "platform/trace.h"
#include "speech/service.h"

namespace vdrcommands {
namespace {
bool pausechar(char ch)
{
    return ch == '.' || ch == ',' || ch == ';' || ch == '?';
}
}  // namespace

void print(const std::string& text, std::uint8_t mode)
{
    trace::print(text, mode);
    printmode = mode;
    scrwrite(text);
    if (text.empty())
        return;
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    if (i < text.size() && pausechar(text[i])) {
        // Leading punctuation is heard as pauses, not read out.
        while (i < text.size() && pausechar(text[i])) {
            Sleep(300);
            ++i;
        }
        speakwait(text.substr(i));
    } else {
        speakwait(text);
    }
}

}  // namespace vdrcommands
