#pragma once

#include <string>

// The server's own page for a status answered without a body: small, plain HTML naming the
// status and its reason.
std::string HttpErrorPage(unsigned Status);
