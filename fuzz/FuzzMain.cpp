// The scratch folder of the targets, and, when the targets are not built for libFuzzer,
// a main that replays every file of the corpus folders named on the command line.

#include "fuzz/FuzzInput.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace qor::fuzz {

namespace {

// Made on first use, removed with everything in it when the process ends.
struct Scratch {
    std::string path;
    Scratch() {
        namespace fs = std::filesystem;
        fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        path = (base / "qor-fuzz-XXXXXX").string();
        if (!::mkdtemp(path.data()))
            std::abort();
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

} // namespace

const std::string& scratchFolder() {
    static const Scratch scratch;
    return scratch.path;
}

} // namespace qor::fuzz

#ifndef QOR_LIBFUZZER
int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        if (fs::is_directory(argv[i])) {
            for (const auto& e : fs::recursive_directory_iterator(argv[i]))
                if (e.is_regular_file())
                    files.push_back(e.path());
        } else {
            files.emplace_back(argv[i]);
        }
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) {
        std::ifstream in(f, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("replayed %zu inputs\n", files.size());
    return files.empty() ? 1 : 0;
}
#endif
