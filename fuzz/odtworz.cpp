// Runs a fuzz target's checks once over every file named on the command line
// (a directory stands for the files in it), without libFuzzer: the seed
// corpus and the inputs of past findings are replayed by every test build.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  // The target works in a directory of its own: resolve the names first.
  std::vector<fs::path> pliki;
  for (int i = 1; i < argc; ++i) {
    const fs::path p = fs::absolute(argv[i]);
    if (fs::is_directory(p)) {
      for (const auto& w : fs::directory_iterator(p))
        if (w.is_regular_file()) pliki.push_back(w.path());
    } else {
      pliki.push_back(p);
    }
  }
  LLVMFuzzerInitialize(&argc, &argv);
  for (const fs::path& p : pliki) {
    std::ifstream f(p, std::ios::binary);
    if (!f) {
      std::printf("cannot read %s\n", p.c_str());
      return 1;
    }
    const std::string dane{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    std::printf("%s\n", p.filename().c_str());
    std::fflush(stdout);  // so that a failing input is named before the report
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(dane.data()), dane.size());
  }
  std::printf("%zu inputs replayed\n", pliki.size());
  return pliki.empty() ? 1 : 0;
}
