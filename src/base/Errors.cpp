#include "base/Errors.h"

#include <cstring>

namespace sp {

EConvertError::EConvertError(const std::string& text)
    : EError("'" + text + "' is not a valid integer value") {}

ERangeError::ERangeError() : EError("Range check error") {}

EIntOverflow::EIntOverflow() : EError("Integer overflow") {}

EDivByZero::EDivByZero() : EError("Division by zero") {}

EOutOfResources::EOutOfResources() : EError("Out of system resources") {}

EFCreateError::EFCreateError(const std::string& fullPath, const std::string& reason)
    : EError("Cannot create file \"" + fullPath + "\". " + reason) {}

EFOpenError::EFOpenError(const std::string& fullPath, const std::string& reason)
    : EError("Cannot open file \"" + fullPath + "\". " + reason) {}

EWriteError::EWriteError() : EError("Stream write error") {}

EIniFileError::EIniFileError(const std::string& fullPath)
    : EError("Unable to write to " + fullPath) {}

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

std::string SystemReason(int err) {
    std::string reason = std::strerror(err);
    while (!reason.empty() && (static_cast<unsigned char>(reason.back()) <= ' ' || reason.back() == '.'))
        reason.pop_back();
    return reason;
}

}  // namespace sp
