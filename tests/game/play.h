// Shared pieces of the game's play tests: scripts built from commands, the known ways through
// the rooms, and views of a headless run's trace.
#pragma once

#include "headless.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// One script line per step: "key K" stays a key, anything else is typed as a command.
std::string walk(std::initializer_list<std::string_view> steps);

// Scripts that lead from Program > Start to a room, the instructions skipped.
namespace way {
const std::string& start();  // R1, nothing carried
const std::string& r4();  // R4, grid not taken
const std::string& flown();  // R1 after the flight, letter and grid carried
const std::string& r5();  // R5 with the letter
const std::string& r6();
const std::string& r7();  // R7 with the gas mask
const std::string& r9();  // R9's question
const std::string& r10();  // R10, rifle not taken
const std::string& r14();  // R14 with the rifle
const std::string& r15();
const std::string& r18();  // R18 with the rifle and the gas mask
const std::string& a();  // R19 with the suit
const std::string& b();  // R23
const std::string& c();  // R27, note read, no dagger
const std::string& d();  // R28, the judge dead
const std::string& e();  // R31, poison drunk
const std::string& f();  // R40
const std::string& g();  // R45
const std::string& h();  // R24 with the filter
const std::string& i();  // R50's first question
// The winning walk up to the final question (the third plane boarded with key a).
const std::string& won();
}  // namespace way

// The command loop's blank line and the replay question after a death.
inline constexpr const char* prompt = " ";
inline constexpr const char* replayq = "chceš hrát znovu? napiš a, jako ano, nebo y, jako ano, nebo něco jiného.";

// Index in the trace of the k-th last entry the program took (input or inkey event).
std::size_t entry(const headlessrun& r, int k = 1);
// The prints after it.
std::vector<std::string> tail(const headlessrun& r, int k = 1);

// Compares printed lines with expected ones: "*" takes any line, "~x" a line holding x, "^x" a
// line beginning with x, any other text that exact line.
::testing::AssertionResult lines(const std::vector<std::string>& actual, const std::vector<std::string>& expected);

// Index in the trace of the first (or last) print of exactly this text; npos when none.
std::size_t findprint(const headlessrun& r, const std::string& text, std::size_t from = 0);
std::size_t rfindprint(const headlessrun& r, const std::string& text);

// Index of the first event of this type at or after from; npos when none.
std::size_t findevent(const headlessrun& r, const std::string& type, std::size_t from = 0);

// The non-print events in [from, to) as short texts: "pitch 70", "sleep 500", "click 19",
// "play [261,311] 750 3", "poke 44500 0", "print TEXT"; only the types listed.
std::vector<std::string> events(
    const headlessrun& r, std::size_t from, std::size_t to, std::initializer_list<std::string_view> types);

// Speaker turns in [from, to): for each pitch event "N:k", k being the prints until the next.
std::string turns(const headlessrun& r, std::size_t from, std::size_t to);

// Each print in [from, to) with the voice pitch in force ("70 kvelt1"; 0 before any pitch).
std::vector<std::string> voiced(const headlessrun& r, std::size_t from, std::size_t to);

// A byte of the run's saved memory image; -1 when ram.dat is missing or too short.
int ramcell(const headlessrun& r, std::size_t address);
std::size_t ramsize(const headlessrun& r);

// Two lists of lines one after the other.
inline std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The eleven chords of the funeral march, as events() shows them.
std::vector<std::string> funeralmarch();
