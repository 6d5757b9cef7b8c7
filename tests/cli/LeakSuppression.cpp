// scaleplate-render under LeakSanitizer: fontconfig loses a few hundred bytes
// once while it reads its configuration at its first use (the texts of the
// picture). The renderers these tests start inherit a suppression of exactly
// that function; every other leak still fails the test. Full unwinding lets
// LeakSanitizer see the library's frame; the summary of suppressions used is
// not printed, so standard error holds only what the program says (both
// programs measure text now). A LSAN_OPTIONS set by hand wins.
#include <cstdlib>

namespace {

const bool suppressed = [] {
    ::setenv("LSAN_OPTIONS", "suppressions=" SCALEPLATE_LSAN_SUPPRESSIONS ":fast_unwind_on_malloc=0:print_suppressions=0", 0);
    return true;
}();

}  // namespace
