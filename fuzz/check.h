// A broken property stops the target the way a crash does, so libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond) \
    ((cond) ? void() : (std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #cond), std::abort()))
