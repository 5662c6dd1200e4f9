// Runs the bitmap fuzz target once over each file named, or each file in each folder named,
// without libFuzzer: for valgrind, and for compilers without libFuzzer. Exits 1 when a file
// cannot be read.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool RunOne(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    bool allRead = true;
    std::size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path named(argv[i]);
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(named)) {
            for (const auto& entry : std::filesystem::directory_iterator(named))
                files.push_back(entry.path());
        } else {
            files.push_back(named);
        }
        for (const auto& path : files) {
            allRead = RunOne(path) && allRead;
            ++count;
        }
    }
    std::printf("%zu inputs run\n", count);
    return allRead && count > 0 ? 0 : 1;
}
