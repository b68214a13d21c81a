// Replays a fuzz target's corpus without libFuzzer, so the ordinary build and its tests run every
// input that was ever found interesting: each file under the given paths, in name order.
//
//   fuzz_league_file_replay fuzz/corpus/league_file

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path given(argv[i]);
        if (!fs::is_directory(given)) {
            inputs.push_back(given);
            continue;
        }
        for (const auto& entry : fs::recursive_directory_iterator(given)) {
            if (entry.is_regular_file()) inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    // An empty corpus would pass without testing anything.
    if (inputs.empty()) {
        std::cerr << "no inputs to replay\n";
        return 1;
    }
    for (const fs::path& path : inputs) {
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            std::cerr << "cannot read " << path << '\n';
            return 1;
        }
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        // The copy lets AddressSanitizer see a read past the end of the input.
        const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
        LLVMFuzzerTestOneInput(data.data(), data.size());
    }
    std::cout << "replayed " << inputs.size() << " inputs\n";
    return 0;
}
