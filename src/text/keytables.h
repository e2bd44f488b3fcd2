// The braille table (.ebt) and key-name (.eky) files, and the tables they fill.
//
// Both files are CP1250 text, opened by bare name in the current directory. A line ends at LF or
// at CR LF. Nothing in a line is trimmed.
//
// Braille table: sections headed "[name]" (any line starting with "[" is a header; its name is the
// line without its first and last characters). "[prefixes]" holds lines "#name=dots" (other lines
// are ignored, and a second such section starts the prefix table again); "[characters]" and every
// "[#name]" hold lines "text=dots" for the character table, which is never restarted; other
// sections are skipped. A line without "=" gives the whole line to both parts.
//
// The tables are fixed in size: prefixes past the 10th and character cells past the 255th are
// ignored (the file is still read to its end), so the counts never pass 10 and 255.
//
// Key names: each non-empty line "code=name" fills the next slot of echokeys, code's low 8 bits
// as keychar; after slot 255 the slots start again at 0.
#pragma once

#include <array>
#include <string>

struct brlpreftype {
    std::string name;  // as written, with its "#"
    std::string dots;
};

struct brlchartype {
    std::string prefix;  // "" for [characters], else the "#" section the cell came from
    std::string chars;
    std::string dots;
};

struct echokeytype {
    unsigned char keychar = 0;
    std::string keyname;
};

constexpr int brlprefixslots = 10;
constexpr int brlcharslots = 255;

extern std::string brltablefile;
// Slots 1 to brlprefixcount are in use; slot 0 is never filled.
extern std::array<brlpreftype, brlprefixslots + 1> brlprefixes;
extern unsigned char brlprefixcount;
// Slots 1 to brlcharcount are in use; slot 0 is never filled.
extern std::array<brlchartype, brlcharslots + 1> brlchars;
extern unsigned char brlcharcount;

extern std::string keynamefile;
extern std::array<echokeytype, 256> echokeys;

// Each load starts from empty tables. Both raise vdrerror "File not found: NAME" for a missing file. loadkeynames raises
// "'TEXT' is not a valid integer value" for a bad code and keeps the lines before it.
void loadbrltable();
void loadkeynames();
