// Settings files of the classic initialisation-file form: "[section]" lines and "key=value"
// lines. Every call looks at the file anew and leaves it closed: a read takes the file's lines
// as last read while the file's identity, size and change times say it has not changed since,
// so a burst of reads costs one read of the file, and a change by anyone is seen at once.
//
// Reading:
// - Section and key names are compared without regard to ASCII case and without the blanks
//   (spaces, tabs) around them, in the file and in the call alike: "[voice]" and "[ Voice ]" are
//   one section, "sapi5" and "SAPI5" one key.
// - A section spelled twice is one section: its lines are looked at in file order and the first
//   line of the key counts, wherever it stands.
// - A value is the text after the first '=', without the blanks around it. Lines without '=',
//   lines starting with ';', and key lines before the first section are ignored (and kept).
//   A UTF-8 byte-order mark at the start of the file is passed over.
// - Lines end with LF or CRLF; a last line without an end is a line too.
// - Values are bytes (code page 1250), never converted.
// - An integer is an optional sign followed by decimal digits, or by "0x"/"0X" or "$" and
//   hexadecimal digits ("-0x10" is -16), and nothing else: "12abc", "", "1 2" and any value
//   outside the int range give the default, so a damaged value never turns into some other
//   number.
//
// Writing:
// - An existing line of the key has its value replaced in place; the line keeps the key's spelling
//   as the file has it, its indentation and its line end.
// - A new key goes after the last key line of its section (after the header when the section has
//   none), so blank lines and comments that close the section stay where they are. A new section
//   goes at the end of the file. New lines end like the file's first line (LF for a new file).
// - Every other byte of the file stays as it was. The new content goes to a temporary file in the
//   same folder that then replaces the old one by rename(2), so a crash leaves either the old or
//   the new file, never half of one. The file keeps its permission bits; a symbolic link is
//   written through to the file it points at.
// - A write that cannot be done throws vdrerror("Unable to write to " + file), followed by the
//   reason where it is not the write itself that failed (the path is a folder, the old file
//   cannot be read): the folder is
//   missing or not writable, the path is a folder, the old file cannot be read, the disk is full,
//   or the name or value cannot be stored as one line (an empty name, a line break anywhere, '='
//   in a key or a key starting with ';' or '[', ']' in a section name). The file is then left as
//   it was.
#pragma once

#include <string>

namespace profile {

// Missing file, section or key, or a value that is no integer, gives def.
int readint(const std::string& file, const std::string& section, const std::string& key, int def);
// Missing file, section or key gives def; a key with an empty value gives "".
std::string readstring(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& def);

// Integers are written in decimal.
void writeint(const std::string& file, const std::string& section, const std::string& key,
              int value);
void writestring(const std::string& file, const std::string& section, const std::string& key,
                 const std::string& value);

}  // namespace profile
