// The GOSUB return stack of a translated program: a singly linked list of return ids.
#pragma once

#include <cstdint>

struct stacknode {
    std::int32_t value;
    stacknode* next;
};

// The running program's pending returns (newest first) and the id the last RETURN took.
extern stacknode* retstack;
extern std::int32_t retid;

// Drops every pending node and sets the head to null.
void stackclear(stacknode*& head);
void stackpush(std::int32_t value, stacknode*& head);
// Callers pop only after a push: the head must not be null.
void stackpop(std::int32_t& value, stacknode*& head);
