#pragma once

#include <string>

// Shows the password prompt modally (the program's other windows are disabled meanwhile) and
// returns true with the typed text on OK, false with an empty text on Cancel or the close box.
// ApplicationTitle starts the caption ("Kolvane - Protection"). Raises EKoException when the
// window cannot be made.
bool AskPassword(const std::string& ApplicationTitle, std::string& Entered);
