#include "input.h"

#include "vdrcommands.h"

#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/trace.h"
#include "text/resourcelocalizer.h"

std::string pendinginput;
std::string keybuffer;
std::string lastkeychar;

namespace {
inputdialoghost* dialog = nullptr;
std::function<void()> inkeyempty;
// How long an empty inkey sleeps in the event loop, so a key-wait loop does not spin a core.
constexpr int idlewaitms = 15;

bool blank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

void trim(std::string& s)
{
    std::size_t b = 0;
    while (b < s.size() && blank(s[b]))
        ++b;
    std::size_t e = s.size();
    while (e > b && blank(s[e - 1]))
        --e;
    s = s.substr(b, e - b);
}

}  // namespace

void setinputdialog(inputdialoghost* host) { dialog = host; }
void oninkeyempty(std::function<void()> f) { inkeyempty = std::move(f); }

namespace vdrcommands {

void input(std::string& dest, std::uint8_t mode)
{
    messages::checkend();
    if (mode == 0 || mode == 2)
        pendinginput.clear();
    if (pendinginput.empty()) {
        if (!dialog)
            throw vdrerror("The data-entry dialog is not available");
        dialog->prepare();
        if (mode != 0)
            print(message(23), 0);
        const bool accepted = dialog->showmodal();
        messages::checkend();
        if (accepted) {
            pendinginput = dialog->text();
            trim(pendinginput);
            if (!pendinginput.empty() && pendinginput[0] == ',') {
                dest.clear();
                pendinginput.erase(0, 1);
                trace::input(mode, dest);
                return;
            }
        }
    }
    if (pendinginput.empty())
        return;
    if (pendinginput[0] == ',')
        pendinginput.erase(0, 1);
    trim(pendinginput);
    if (!pendinginput.empty() && pendinginput[0] == '"') {
        pendinginput.erase(0, 1);
        const auto q = pendinginput.find('"');
        if (q != std::string::npos) {
            dest = pendinginput.substr(0, q);
            pendinginput.erase(0, q + 1);
            trim(pendinginput);
        } else {
            dest = pendinginput;
            pendinginput.clear();
        }
    } else {
        const auto comma = pendinginput.find(',');
        if (comma != std::string::npos) {
            dest = pendinginput.substr(0, comma);
            pendinginput.erase(0, comma + 1);
            trim(pendinginput);
        } else {
            dest = pendinginput;
            pendinginput.clear();
        }
    }
    trace::input(mode, dest);
}

void inkey(std::string& dest)
{
    messages::checkend();
    messages::process();
    if (keybuffer.empty()) {
        if (inkeyempty)
            inkeyempty();
        messages::waitfor(idlewaitms);
        messages::checkend();
    }
    dest = keybuffer;
    keybuffer.clear();
    if (!dest.empty())
        trace::inkey(dest);
}

}  // namespace vdrcommands
