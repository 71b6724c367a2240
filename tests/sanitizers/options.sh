# Sanitizer settings for the sanitizer build's tests and the fuzz targets;
# sourced by scripts/test-sanitized.sh and scripts/fuzz.sh.
#
# alloc_dealloc_mismatch=0: the prebuilt WebGPU library's shader compiler
# (Tint, tint::SymbolTable) allocates with operator new[] and releases with
# free(), both inside the library. This AddressSanitizer (GCC 12, LLVM 14)
# cannot suppress that report for one library only, so the check is off for
# the process; the program's own new/delete pairs are checked by the compiler
# instead (-Wmismatched-new-delete, part of -Wall).
supp_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export ASAN_OPTIONS="alloc_dealloc_mismatch=0:detect_leaks=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=${supp_dir}/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
unset supp_dir
