// Replays fuzz inputs without libFuzzer: every file named on the command line,
// or every file inside a named folder, is fed to the target once.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

static void RunFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  // Every prefix too, since truncated files are the commonest damage.
  for (size_t n = 0; n < bytes.size(); n += 1 + bytes.size() / 64) LLVMFuzzerTestOneInput(bytes.data(), n);
}

int main(int argc, char** argv) {
  int count = 0;
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path p(argv[i]);
    if (std::filesystem::is_directory(p)) {
      for (const auto& e : std::filesystem::recursive_directory_iterator(p))
        if (e.is_regular_file()) { RunFile(e.path()); ++count; }
    } else {
      RunFile(p);
      ++count;
    }
  }
  std::printf("replayed %d inputs\n", count);
  return 0;
}
