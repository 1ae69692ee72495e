// Forced into every MinGW compile (CMakeLists.txt). The library's checks stay; only their call
// changes: it passed the file, the function's full name and the condition as text, which every
// object kept its own copy of (11 KB of the shipped exe), and src/win32/mingw_runtime.cpp ends
// the process without reading them.
#pragma once
#include <bits/c++config.h>

#ifdef _GLIBCXX_ASSERTIONS
#undef __glibcxx_assert_impl
#define __glibcxx_assert_impl(_Condition)                        \
  if (__builtin_expect(!bool(_Condition), false)) {              \
    __glibcxx_constexpr_assert(false);                           \
    std::__glibcxx_assert_fail(nullptr, 0, nullptr, nullptr);    \
  }
#endif
