// The web server answering one small page, for the load benchmark (bench/run-web-benchmark.sh):
//   web_bench_server PORT PAGE_FILE
// It serves the file's bytes at every path, as a page of the web interface would be answered
// (no-cache headers included), and runs until it is killed.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "web/uWebServer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: web_bench_server PORT PAGE_FILE\n");
    return 2;
  }
  std::ifstream File(argv[2], std::ios::binary);
  const std::string Page((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
  if (!File.good() && !File.eof()) {
    std::fprintf(stderr, "cannot read %s\n", argv[2]);
    return 1;
  }
  TWebServer Server;
  Server.SetOnRequest([&Page](TWebRequest&, TWebResponse& Response) {
    Response.SetContent(Page);
    return true;
  });
  try {
    Server.Start(static_cast<std::uint16_t>(std::atoi(argv[1])), "127.0.0.1");
  } catch (const EWebServerError& Error) {
    std::fprintf(stderr, "%s\n", Error.what());
    return 1;
  }
  std::printf("listening on 127.0.0.1:%u\n", Server.Port());
  std::fflush(stdout);
  for (;;)
    Server.ProcessEvents(100);
}
