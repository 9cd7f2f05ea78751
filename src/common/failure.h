#pragma once

#include <stdexcept>
#include <string>

namespace aquamere {

// A command met something it cannot compute or do: a box whose text is no
// number, a division by zero, an overflow, a negative base under a root, a
// report file that cannot be written. The event that met it is abandoned and
// the program state put back; `what()` is the Chinese text shown to the user.
class Failure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A procedure refused to go on and has already told the user why in its own
// message box. The command ends as after a failure, without a second message.
class Refusal : public std::exception {
 public:
  const char* what() const noexcept override { return "refused"; }
};

}  // namespace aquamere
