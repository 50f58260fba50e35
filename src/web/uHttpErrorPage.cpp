#include "web/uHttpErrorPage.h"

#include <ostream>

#include <boost/beast/http/status.hpp>

std::string HttpErrorPage(unsigned Status) {
  const auto Reason =
      boost::beast::http::obsolete_reason(static_cast<boost::beast::http::status>(Status));
  const std::string Title =
      std::to_string(Status) + " " + std::string(Reason.data(), Reason.size());
  return "<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\"><title>" + Title +
         "</title></head>\r\n<body><h1>" + Title + "</h1></body></html>\r\n";
}
