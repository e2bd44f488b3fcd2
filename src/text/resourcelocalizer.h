// The message catalogue: every text the program shows or speaks on its own behalf, numbered, in
// each interface language. Message n of the language with base b has the identifier b + n; the
// bases are 1000, 2000, 3000, ... Texts are code page 1250.
#pragma once

#include <string>
#include <vector>

// A list item carrying an integer: a language's name and its base.
struct langitem {
    std::string name;
    int base;
};

class TResourceLocalizer {
public:
    TResourceLocalizer() = delete;

    // The text of the identifier base + n, empty when the catalogue has none.
    static std::string LoadMessage(int base, int n);
    // Empties list, then appends message 0 of 1000, 2000, ... with its base, up to the first base
    // that has no message 0.
    static void ListLanguages(std::vector<langitem>& list);
};

// The base of the language in use; 0 until the settings have been read.
extern int languagebase;

// Message n of the language in use.
std::string message(int n);

namespace catalogue {

inline constexpr int languagecount = 3;
inline constexpr int messagecount = 47;

// The texts as UTF-8 source (messages.cpp), [message][language - 1].
extern const char* const texts[messagecount][languagecount];

}  // namespace catalogue
