// Built by MinGW only: replaces the libstdc++ pieces that would make up half of the exe.
//
// The default terminate handler prints a demangled type name, which links a demangler and
// printf with floating point (~100 KB). The helpers that throw the standard exceptions
// share one object with every exception class and the reference-counted string (~40 KB).
// Nothing in ModLatch catches an exception (the build has none), so each of these ends the
// process through SIGABRT, which the fault guard handles; going there directly keeps the
// exception runtime and the unwinder out as well.
#include <csignal>
#include <cstdlib>
#include <new>

namespace {

// msvcrt's abort() shows its message box before it raises SIGABRT, with a latched key still
// down while the box waits; raising the signal first lets the fault guard release at once.
[[noreturn]] void Fail() {
  std::raise(SIGABRT);
  std::abort();
}

}  // namespace

namespace __gnu_cxx {

// Only in effect until the fault guard installs its own handler.
void __verbose_terminate_handler() { Fail(); }

}  // namespace __gnu_cxx

namespace std {

// The whole set that one libstdc++ object defines: leaving one out would pull that object
// in and clash with the rest.
void __throw_bad_exception() { Fail(); }
void __throw_bad_alloc() { Fail(); }
void __throw_bad_array_new_length() { Fail(); }
void __throw_bad_cast() { Fail(); }
void __throw_bad_typeid() { Fail(); }
void __throw_logic_error(const char*) { Fail(); }
void __throw_domain_error(const char*) { Fail(); }
void __throw_invalid_argument(const char*) { Fail(); }
void __throw_length_error(const char*) { Fail(); }
void __throw_out_of_range(const char*) { Fail(); }
void __throw_out_of_range_fmt(const char*, ...) { Fail(); }
void __throw_runtime_error(const char*) { Fail(); }
void __throw_range_error(const char*) { Fail(); }
void __throw_overflow_error(const char*) { Fail(); }
void __throw_underflow_error(const char*) { Fail(); }

// A failed library assertion would print the demangled function first (66 KB of it).
void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept { Fail(); }

}  // namespace std

// The library's operator new throws bad_alloc; without exceptions that can only end the
// process, and this ends it without linking the exception machinery.
void* operator new(std::size_t size) {
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  Fail();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
