#include "trace.h"

#include "codepage.h"
#include "errors.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace trace {
namespace {

std::FILE* out = nullptr;

void line(const std::string& body)
{
    if (!out)
        return;
    std::fputs(("{" + body + "}\n").c_str(), out);
    // Flushed per event so that a run killed from outside leaves a readable trace.
    std::fflush(out);
}

std::string ev(const char* name)
{
    return "\"event\":" + jsonstring(name);
}

std::string cptext(const std::string& cp1250)
{
    return jsonstring(codepage::toutf8(cp1250));
}

}  // namespace

void open(const std::string& path)
{
    close();
    out = std::fopen(path.c_str(), "w");
    if (!out)
        throw vdrerror("Cannot create trace file " + path);
}

bool enabled() { return out != nullptr; }

void close()
{
    if (out)
        std::fclose(out);
    out = nullptr;
}

std::string jsonstring(const std::string& utf8)
{
    std::string s = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
        case '"': s += "\\\""; break;
        case '\\': s += "\\\\"; break;
        case '\n': s += "\\n"; break;
        case '\r': s += "\\r"; break;
        case '\t': s += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                s += buf;
            } else {
                s += static_cast<char>(c);
            }
        }
    }
    return s + "\"";
}

std::string jsonnumber(double v)
{
    if (!std::isfinite(v))
        return "null";
    if (v == std::trunc(v) && std::fabs(v) < 1e15) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.0f", v);
        return std::string(buf) == "-0" ? "0" : buf;
    }
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

void print(const std::string& text, int mode)
{
    line(ev("print") + ",\"text\":" + cptext(text) + ",\"mode\":" + std::to_string(mode));
}

void input(int mode, const std::string& value)
{
    line(ev("input") + ",\"mode\":" + std::to_string(mode) + ",\"value\":" + cptext(value));
}

void inkey(const std::string& value)
{
    line(ev("inkey") + ",\"value\":" + cptext(value));
}

void speak(const char* engine, const std::string& text)
{
    line(ev("speak") + ",\"engine\":" + jsonstring(engine) + ",\"text\":" + cptext(text));
}

void pitch(double n)
{
    line(ev("pitch") + ",\"n\":" + jsonnumber(n));
}

void play(const double* notes, int count, double duration, double octave)
{
    std::string list;
    for (int i = 0; i < count; ++i)
        list += (i ? "," : "") + jsonnumber(notes[i]);
    line(ev("play") + ",\"notes\":[" + list + "],\"duration\":" + jsonnumber(duration) +
         ",\"octave\":" + jsonnumber(octave));
}

void click(double n)
{
    line(ev("click") + ",\"n\":" + jsonnumber(n));
}

void beep()
{
    line(ev("beep"));
}

void sleep(double ms)
{
    line(ev("sleep") + ",\"ms\":" + jsonnumber(ms));
}

void poke(double address, double value)
{
    line(ev("poke") + ",\"address\":" + jsonnumber(address) + ",\"value\":" + jsonnumber(value));
}

void message(const std::string& utf8text)
{
    line(ev("message") + ",\"text\":" + jsonstring(utf8text));
}

void error(const std::string& utf8text)
{
    line(ev("error") + ",\"text\":" + jsonstring(utf8text));
}

void end()
{
    line(ev("end"));
}

}  // namespace trace
