// scaleplate-render under LeakSanitizer: fontconfig loses a few hundred bytes
// once while it reads its configuration at its first use (the texts of the
// picture). The renderers these tests start inherit a suppression of exactly
// that function; every other leak still fails the test. Full unwinding lets
// LeakSanitizer see the library's frame. A LSAN_OPTIONS set by hand wins.
#include <cstdlib>

namespace {

const bool suppressed = [] {
    ::setenv("LSAN_OPTIONS", "suppressions=" SCALEPLATE_LSAN_SUPPRESSIONS ":fast_unwind_on_malloc=0", 0);
    return true;
}();

}  // namespace
