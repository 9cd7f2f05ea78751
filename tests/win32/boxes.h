#pragma once

#include <windows.h>

#include <functional>
#include <string>

// The boxes a Win32 test makes the program put up — message boxes, the
// input box, the save dialog — are answered by the test, never by a person:
// a timer of the test's thread looks for a dialog of that thread (not for
// the active window, which another program under the same Wine server may
// hold at any moment) and hands it to the answer the test gave. A box that
// comes with no answer waiting fails the test with its text and is closed,
// so that no test waits for ever.
namespace aquamere::win32::boxes {

struct Seen {
  std::string title, text;
};

// Starts the watch; the test program's main calls it once.
void watch();

// Answers the next box of the test's thread with `answer`, which gets the
// box's window.
void answer_next(std::function<void(HWND box)> answer);
// Presses a box's button: IDOK, IDCANCEL.
void press(HWND box, int button);

// The title and text of the box answered last.
const Seen& last();
// Whether an answer still waits for its box.
bool waiting();

}  // namespace aquamere::win32::boxes
