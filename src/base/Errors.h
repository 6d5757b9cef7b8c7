// Errors that end a command. Each carries the exact text the error box shows
// (before the box's own "." rule, see ErrorBoxText). The window turns them
// into the error box; scaleplate-render prints them.
#pragma once

#include <stdexcept>
#include <string>

namespace sp {

// Base of every error a command does not handle itself.
class EError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "'%s' is not a valid integer value": a text the integer conversion refuses.
class EConvertError : public EError {
public:
    explicit EConvertError(const std::string& text);
};

// "Range check error": a value outside the range of its type.
class ERangeError : public EError {
public:
    ERangeError();
};

// "Integer overflow": a checked 32-bit sum, difference or doubling overflowed.
class EIntOverflow : public EError {
public:
    EIntOverflow();
};

// "Division by zero": an integer division or remainder by 0.
class EDivByZero : public EError {
public:
    EDivByZero();
};

// The picture storage could not be made: the system's text or
// "Out of system resources".
class EOutOfResources : public EError {
public:
    EOutOfResources();
    using EError::EError;
};

// "Cannot create file "%s". %s": full path, then the system's reason.
class EFCreateError : public EError {
public:
    EFCreateError(const std::string& fullPath, const std::string& reason);
};

// "Cannot open file "%s". %s": full path, then the system's reason.
class EFOpenError : public EError {
public:
    EFOpenError(const std::string& fullPath, const std::string& reason);
};

// "Stream write error": a write that failed part way.
class EWriteError : public EError {
public:
    EWriteError();
};

// "Unable to write to %s": a settings write failed; %s is the full path.
class EIniFileError : public EError {
public:
    explicit EIniFileError(const std::string& fullPath);
};

// The text an error box shows for a message: a "." is appended when the
// message's last byte sorts after "." (so "Range check error" gets one,
// a message that already ends in "." or "!" keeps its end).
std::string ErrorBoxText(const std::string& message);

// The system's description of errno value `err`, without trailing blanks and
// full stops, as the file errors quote it.
std::string SystemReason(int err);

}  // namespace sp
