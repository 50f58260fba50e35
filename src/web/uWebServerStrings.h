#pragma once

#include "core/uResourceStrings.h"

namespace uwebserver {
inline constexpr TResString sfailedtostart{"uwebserver.sfailedtostart",
                                           "Failed to start web server: "};
inline constexpr TResString sinvalidaddress{"uwebserver.sinvalidaddress",
                                            "\"%s\" is not a valid IP address"};
inline constexpr TResString scannotlisten{"uwebserver.scannotlisten", "Cannot listen on %s:%d: %s"};
inline constexpr TResString sopensslmissing{
    "uwebserver.sopensslmissing",
    "Unable to initialize OpenSSL library, please check your OpenSSL installation (%s)"};
inline constexpr TResString sopensslfunctionmissing{
    "uwebserver.sopensslfunctionmissing",
    "Unable to initialize OpenSSL library: function %s is missing in %s"};
inline constexpr TResString stlscontextfailed{"uwebserver.stlscontextfailed",
                                              "Cannot create the TLS context: %s"};
inline constexpr TResString scertificatefailed{"uwebserver.scertificatefailed",
                                               "Cannot load the certificate chain file \"%s\": %s"};
inline constexpr TResString sprivatekeyfailed{"uwebserver.sprivatekeyfailed",
                                              "Cannot load the private key file \"%s\": %s"};
inline constexpr TResString stlshandshakefailed{"uwebserver.stlshandshakefailed",
                                                "TLS handshake with %s failed: %s"};
}  // namespace uwebserver
