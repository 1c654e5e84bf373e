#pragma once

#include <stdexcept>
#include <string>

// The run-time errors the program's routines raise. Callers catch RunError and give the user
// their own message; nothing else is thrown for bad input.
enum class ErrNo : int {
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    BadFileName = 52,
    FileNotFound = 53,
    DeviceIO = 57,
    InputPastEnd = 62,
    PermissionDenied = 70,
    PathNotFound = 76,
};

class RunError : public std::runtime_error {
public:
    RunError(ErrNo number, const std::string& what) : std::runtime_error(what), number_(number) {}
    ErrNo number() const { return number_; }

private:
    ErrNo number_;
};
