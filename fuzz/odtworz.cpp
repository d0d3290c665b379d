// Runs a fuzz target's checks once over every file in the folders named on
// the command line, without libFuzzer: every test build replays the seed
// corpus and the inputs of past findings. A missing folder holds nothing.
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
  // The target works in a directory of its own: list the files first.
  std::vector<fs::path> pliki;
  for (int i = 1; i < argc; ++i)
    if (fs::is_directory(argv[i]))
      for (const auto& w : fs::directory_iterator(fs::absolute(argv[i])))
        if (w.is_regular_file()) pliki.push_back(w.path());
  LLVMFuzzerInitialize(&argc, &argv);
  for (const fs::path& p : pliki) {
    std::ifstream f(p, std::ios::binary);
    const std::string dane{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    std::printf("%s\n", p.filename().c_str());
    std::fflush(stdout);  // so that a failing input is named before the report
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(dane.data()), dane.size());
  }
  std::printf("%zu inputs replayed\n", pliki.size());
  return pliki.empty() ? 1 : 0;
}
