#include "first_paint.h"

#include <windows.h>

#include <cstdio>

#include "timing.h"

namespace aquamere::bench {
namespace {

HHOOK hook = nullptr;

// When the message loop takes the first WM_PAINT of a shown window, the
// window and all its controls paint at once, and then the time is taken.
LRESULT CALLBACK on_message(int code, WPARAM w, LPARAM l) {
  const auto* message = reinterpret_cast<const MSG*>(l);
  HWND window =
      code == HC_ACTION && message->message == WM_PAINT ? GetAncestor(message->hwnd, GA_ROOT) : nullptr;
  if (window != nullptr && IsWindowVisible(window)) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    const double painted = now_seconds();
    RECT client{};
    GetClientRect(window, &client);
    std::printf("painted %.9f %ld %ld\n", painted, client.right, client.bottom);
    std::fflush(stdout);
    ExitProcess(0);
  }
  return CallNextHookEx(hook, code, w, l);
}

}  // namespace

void report_first_paint() {
  hook = SetWindowsHookExW(WH_GETMESSAGE, &on_message, nullptr, GetCurrentThreadId());
}

HWND make_probe_window(int client_width, int client_height, HMENU menu_bar) {
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.lpfnWndProc = &DefWindowProcW;
  c.hInstance = GetModuleHandleW(nullptr);
  c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  c.lpszClassName = L"Probe";
  RegisterClassExW(&c);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, client_width, client_height};
  AdjustWindowRectEx(&frame, style, TRUE, 0);
  return CreateWindowExW(0, L"Probe", L"Aquamere", style, CW_USEDEFAULT, CW_USEDEFAULT,
                         frame.right - frame.left, frame.bottom - frame.top, nullptr, menu_bar, c.hInstance,
                         nullptr);
}

int run_message_loop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace aquamere::bench
