#pragma once
// Errors that stop an operation. Their text is what the player reads in the error box,
// so it says in plain words which file or line is wrong.
#include <stdexcept>
#include <string>

struct GameError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A file that is missing, unreadable, too short or cannot be written.
struct FileError : GameError {
  using GameError::GameError;
};

// A line that should hold a whole number and does not.
struct ConvertError : GameError {
  using GameError::GameError;
};
