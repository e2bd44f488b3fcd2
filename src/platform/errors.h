// The one error type of the system. Its text is UTF-8 and is what the error box shows.
#pragma once

#include <stdexcept>
#include <string>

struct vdrerror : std::runtime_error {
    using std::runtime_error::runtime_error;
};
