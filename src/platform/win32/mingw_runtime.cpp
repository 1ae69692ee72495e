// Built by MinGW only: replaces the libstdc++ pieces that would make up half of the exe.
//
// The default terminate handler prints a demangled type name, which links a demangler and
// printf with floating point (~100 KB). The helpers that throw the standard exceptions
// share one object with every exception class and the reference-counted string (~40 KB).
// Nothing in ModLatch catches an exception, so each of these ends in std::terminate and
// the fault guard's handler either way; going there directly keeps all of that out.
#include <cstdlib>
#include <exception>
#include <stdexcept>

namespace __gnu_cxx {

// Only in effect until the fault guard installs its own handler.
void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

namespace std {

// The whole set that one libstdc++ object defines: leaving one out would pull that object
// in and clash with the rest.
void __throw_bad_exception() { std::terminate(); }
void __throw_bad_alloc() { std::terminate(); }
void __throw_bad_array_new_length() { std::terminate(); }
void __throw_bad_cast() { std::terminate(); }
void __throw_bad_typeid() { std::terminate(); }
void __throw_logic_error(const char*) { std::terminate(); }
void __throw_domain_error(const char*) { std::terminate(); }
void __throw_invalid_argument(const char*) { std::terminate(); }
void __throw_length_error(const char*) { std::terminate(); }
void __throw_out_of_range(const char*) { std::terminate(); }
void __throw_out_of_range_fmt(const char*, ...) { std::terminate(); }
void __throw_runtime_error(const char*) { std::terminate(); }
void __throw_range_error(const char*) { std::terminate(); }
void __throw_overflow_error(const char*) { std::terminate(); }
void __throw_underflow_error(const char*) { std::terminate(); }

}  // namespace std
