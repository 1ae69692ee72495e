#include "win32/fault_guard.h"

#include <windows.h>

#include <csignal>

namespace modlatch::win32 {
namespace {

constexpr UINT kAbortExitCode = 3;  // what abort() ends a process with

void (*g_release)() = nullptr;
LONG g_released = 0;

// Once only, on whichever thread fails first: a fault inside the release itself must not
// start it again.
[[noreturn]] void ReleaseAndEnd(UINT exit_code) {
  if (::InterlockedExchange(&g_released, 1) == 0 && g_release != nullptr) g_release();
  // No unwinding, no static destructors: the state they would touch is what failed.
  ::TerminateProcess(::GetCurrentProcess(), exit_code);
  for (;;) ::Sleep(INFINITE);
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* exception) {
  ReleaseAndEnd(exception->ExceptionRecord->ExceptionCode);
}

void OnAbortSignal(int) { ReleaseAndEnd(kAbortExitCode); }

}  // namespace

void InstallFaultGuard(void (*release)()) {
  g_release = release;
  ::SetUnhandledExceptionFilter(OnUnhandledException);
  std::signal(SIGABRT, OnAbortSignal);
}

}  // namespace modlatch::win32
