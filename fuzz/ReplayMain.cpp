// Feeds every file of the folders (or the files) named on the command line
// to a fuzz target, as libFuzzer would replay a corpus, so an ordinary build
// without libFuzzer checks that no input once found goes wrong again. A
// target reports a failure by aborting, which ends the run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

bool replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    std::fprintf(stderr, "%s\n", file.c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        if (fs::is_directory(argv[i], error)) {
            for (const auto& entry : fs::directory_iterator(argv[i], error)) {
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            }
        } else {
            files.emplace_back(argv[i]);
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "usage: %s CORPUS-FOLDER|FILE...   (no inputs found)\n", argv[0]);
        return 2;
    }
    std::sort(files.begin(), files.end());
    int unreadable = 0;
    for (const fs::path& file : files) unreadable += replay(file) ? 0 : 1;
    std::fprintf(stderr, "%zu inputs replayed\n", files.size() - std::size_t(unreadable));
    return unreadable == 0 ? 0 : 1;
}
