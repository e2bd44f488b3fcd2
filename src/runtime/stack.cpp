#include "stack.h"

stacknode* retstack = nullptr;
std::int32_t retid = 0;

void stackclear(stacknode*& head)
{
    // Nodes left by a program that ended with GOSUBs pending are released here, not leaked.
    while (head) {
        stacknode* next = head->next;
        delete head;
        head = next;
    }
}

void stackpush(std::int32_t value, stacknode*& head)
{
    head = new stacknode{value, head};
}

void stackpop(std::int32_t& value, stacknode*& head)
{
    stacknode* old = head;
    value = old->value;
    head = old->next;
    delete old;
}
