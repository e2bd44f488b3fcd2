#include "sapi4.h"

#include "platform/errors.h"
#include "platform/hexdigit.h"

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {
sapi4::classes installed;
}  // namespace

GUID guidfromtext(const char* text)
{
    // The bytes in the order of the text; only equality matters here.
    GUID g{};
    std::size_t n = 0;
    for (const char* p = text; *p && n < 32; ++p) {
        const int v = hexdigit(*p);
        if (v < 0)
            continue;
        g[n / 2] = static_cast<std::uint8_t>(g[n / 2] << 4 | v);
        ++n;
    }
    return g;
}

const GUID IID_ITTSNotifySinkA = guidfromtext("{05EB6C6F-DBAB-11CD-B3CA-00AA0047BA4F}");
const GUID IID_ITTSAttributesA = guidfromtext("{0FD6E2A1-E77D-11CD-B3CA-00AA0047BA4F}");
const GUID IID_ITTSBufNotifySink = guidfromtext("{E4963D40-C743-11CD-80E5-00AA003E4B50}");

namespace sapi4 {

void registerclasses(classes c) { installed = std::move(c); }
const classes& registered() { return installed; }

std::string codetext(HRESULT hr)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(hr));
    return buf;
}

void check(HRESULT hr, const char* call)
{
    if (failed(hr))
        throw vdrerror(std::string("The SAPI 4 engine failed in ") + call + " (error " + codetext(hr) + ")");
}

bool parsetag(const char* tag, std::string& name, std::uint64_t& value)
{
    if (!tag)
        return false;
    const std::size_t len = std::strlen(tag);
    if (len < 7 || tag[0] != '\\' || tag[4] != '=' || tag[len - 1] != '\\')
        return false;
    name.assign(tag + 1, 3);
    if (name != "Pit" && name != "Spd" && name != "Vol")
        return false;
    value = 0;
    for (std::size_t i = 5; i + 1 < len; ++i) {
        if (tag[i] < '0' || tag[i] > '9')
            return false;
        // Values past any range an engine has are clamped by it anyway.
        if (value < 1000000000000ULL)
            value = value * 10 + static_cast<unsigned>(tag[i] - '0');
    }
    return true;
}

QWORD timestamp()
{
    return static_cast<QWORD>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  std::chrono::steady_clock::now().time_since_epoch())
                                  .count());
}

}  // namespace sapi4

HRESULT sapi4::modelist::Next(DWORD count, TTSMODEINFO* out, DWORD* fetched)
{
    const auto& list = modes();
    DWORD n = 0;
    for (; n < count && position_ < list.size(); ++n, ++position_) {
        out[n] = TTSMODEINFO{};
        out[n].gModeID = list[position_].id;
        std::strncpy(out[n].szModeName, list[position_].name.c_str(), sizeof out[n].szModeName - 1);
    }
    if (fetched)
        *fetched = n;
    return n == count ? S_OK : S_FALSE;
}

HRESULT sapi4::modelist::Reset()
{
    position_ = 0;
    return S_OK;
}

bool sapi4::textdata(int charset, const SDATA& text, std::string& out)
{
    if (charset != CHARSET_TEXT || (!text.pData && text.dwSize))
        return false;
    out.assign(static_cast<const char*>(text.pData), text.dwSize);
    if (const auto zero = out.find('\0'); zero != std::string::npos)
        out.resize(zero);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 32)
            c = ' ';
    return true;
}
