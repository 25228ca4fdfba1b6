#pragma once

#include <stdexcept>

// The grid family's own exception: raised when a caller misuses a grid
// (a cell outside the store, a typed read of a cell that holds no such value).
class EExGridError : public std::runtime_error { using std::runtime_error::runtime_error; };
