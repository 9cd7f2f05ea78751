#pragma once

#include <QWidget>
#include <functional>

// The boxes a desktop test makes the program put up are answered by the
// test, never by a person: a timer looks for the modal box and hands it to
// the answer the test gave. A box that comes with no answer waiting fails
// the test with its title and is closed, so that no test waits for ever.
namespace aquamere::boxes {

// Starts the watch; the test program's main calls it once.
void watch();

// Answers the next modal box with `answer`.
void answer_next(std::function<void(QWidget& box)> answer);

// Whether an answer still waits for its box.
bool waiting();

}  // namespace aquamere::boxes
