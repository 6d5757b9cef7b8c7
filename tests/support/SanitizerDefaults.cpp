// fontconfig 2.14 loses a few hundred bytes while it parses its configuration
// files at its first use: one time, inside the library, nothing of ours to
// free. The text tests keep LeakSanitizer on for everything else; full
// unwinding of allocations lets the suppression see the library's frame.
// The sanitizers call these hooks; without them they are unused.
extern "C" const char* __asan_default_options() { return "fast_unwind_on_malloc=0"; }
extern "C" const char* __lsan_default_suppressions() { return "leak:FcInitLoadConfigAndFonts\n"; }
