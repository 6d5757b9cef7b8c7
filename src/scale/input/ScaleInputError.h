// A scale described in values that cannot be made: the Slovak sentence the
// user sees. The command-line program reports it with status 1, apart from
// the file and system errors.
#pragma once

#include "base/Errors.h"

namespace sp {

class EScaleInput : public EError {
public:
    using EError::EError;
};

}  // namespace sp
