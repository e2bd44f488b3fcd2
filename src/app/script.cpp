#include "script.h"

#include <fstream>
#include <set>

namespace {

const std::set<std::string> keynames = {"Enter", "Escape", "Backspace", "Delete", "Space", "Up",
                                        "Down", "Left", "Right", "Home", "End", "F1", "F2", "F3",
                                        "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};

// The number of UTF-8 characters in s, or -1 when it is not well formed.
int utf8length(const std::string& s)
{
    int n = 0;
    for (std::size_t i = 0; i < s.size(); ++n) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (len == 0 || i + len > s.size())
            return -1;
        i += len;
    }
    return n;
}

}  // namespace

bool validkey(const std::string& k)
{
    std::string rest = k;
    for (const char* m : {"Shift+", "Ctrl+", "Alt+"}) {
        const std::string prefix = m;
        if (rest.size() > prefix.size() && rest.compare(0, prefix.size(), prefix) == 0)
            rest = rest.substr(prefix.size());
    }
    for (const char* m : {"Shift+", "Ctrl+", "Alt+"})
        if (rest.size() > std::string(m).size() && rest.rfind(m, 0) == 0)
            return validkey(rest);
    return keynames.count(rest) || utf8length(rest) == 1;
}

bool validchord(const std::string& dots)
{
    if (dots == "space")
        return true;
    if (dots.empty())
        return false;
    for (char c : dots)
        if (c < '1' || c > '6')
            return false;
    return true;
}

bool readscript(const std::string& path, std::vector<scriptaction>& actions, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot open the script";
        return false;
    }
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        if (text.empty() || text[0] == '#')
            continue;
        const auto space = text.find(' ');
        const std::string word = text.substr(0, space);
        const std::string arg = space == std::string::npos ? std::string() : text.substr(space + 1);
        auto bad = [&](const std::string& why) {
            error = path + ":" + std::to_string(number) + ": " + why;
            return false;
        };
        scriptaction a{scriptaction::type, arg, 0, number};
        if (word == "type") {
            if (utf8length(arg) < 0)
                return bad("the text is not UTF-8");
        } else if (word == "close" || word == "dialog" || word == "start") {
            if (!arg.empty())
                return bad(word + " takes nothing after it");
            a.what = word == "close" ? scriptaction::close : word == "dialog" ? scriptaction::dialog
                                                                              : scriptaction::start;
        } else if (word == "key" || word == "press") {
            if (!validkey(arg))
                return bad("unknown key: " + arg);
            a.what = word == "key" ? scriptaction::key : scriptaction::press;
        } else if (word == "chord") {
            if (!validchord(arg))
                return bad("a chord is dots 1 to 6, or space: " + arg);
            a.what = scriptaction::chord;
        } else if (word == "idle") {
            std::size_t used = 0;
            try {
                a.ms = std::stoi(arg, &used);
            } catch (...) {
                used = 0;
            }
            if (arg.empty() || used != arg.size() || a.ms < 0)
                return bad("idle takes milliseconds");
            a.what = scriptaction::idle;
        } else {
            return bad("unknown action: " + word);
        }
        actions.push_back(a);
    }
    return true;
}
