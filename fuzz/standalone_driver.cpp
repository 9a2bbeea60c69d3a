// Runs a fuzz target without libFuzzer: every file of the corpus folders
// first, then inputs made by mutating them with a seeded generator. Used by
// builds whose compiler has no libFuzzer, and to replay the corpus under
// GCC's sanitizers.
//
//   fuzz_TARGET_standalone [-runs=N] [-seed=S] FOLDER...

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Input = std::vector<std::uint8_t>;

void Run(const Input& input) {
    LLVMFuzzerTestOneInput(input.data(), input.size());
}

Input Mutate(const std::vector<Input>& corpus, std::mt19937& rng) {
    auto pick = [&rng](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };
    Input out = corpus.empty() ? Input{} : corpus[pick(corpus.size())];
    for (std::size_t edits = 1 + pick(8); edits > 0; --edits) {
        const std::size_t at = out.empty() ? 0 : pick(out.size() + 1);
        switch (pick(5)) {
            case 0:  // a random byte changed
                if (!out.empty()) {
                    out[pick(out.size())] = static_cast<std::uint8_t>(rng());
                }
                break;
            case 1:  // a random byte inserted
                out.insert(out.begin() + static_cast<std::ptrdiff_t>(at),
                           static_cast<std::uint8_t>(rng()));
                break;
            case 2:  // a stretch removed
                if (at < out.size()) {
                    const std::size_t n = std::min(out.size() - at, 1 + pick(16));
                    out.erase(out.begin() + static_cast<std::ptrdiff_t>(at),
                              out.begin() + static_cast<std::ptrdiff_t>(at + n));
                }
                break;
            case 3:  // a stretch of another input spliced in
                if (!corpus.empty()) {
                    const Input& other = corpus[pick(corpus.size())];
                    if (!other.empty()) {
                        const std::size_t from = pick(other.size());
                        const std::size_t n = std::min(other.size() - from, 1 + pick(32));
                        out.insert(out.begin() + static_cast<std::ptrdiff_t>(at),
                                   other.begin() + static_cast<std::ptrdiff_t>(from),
                                   other.begin() + static_cast<std::ptrdiff_t>(from + n));
                    }
                }
                break;
            default:  // an interesting number written as text
                for (const char c : std::to_string(static_cast<std::int64_t>(rng()) -
                                                   static_cast<std::int64_t>(rng()))) {
                    out.insert(out.begin() + static_cast<std::ptrdiff_t>(at), c);
                }
                break;
        }
    }
    if (out.size() > 4096) {
        out.resize(4096);
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    long runs = 0;
    std::uint32_t seed = 1;
    std::vector<Input> corpus;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "-runs=", 6) == 0) {
            runs = std::atol(argv[i] + 6);
        } else if (std::strncmp(argv[i], "-seed=", 6) == 0) {
            seed = static_cast<std::uint32_t>(std::strtoul(argv[i] + 6, nullptr, 10));
        } else {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
                std::ifstream file(entry.path(), std::ios::binary);
                corpus.emplace_back(std::istreambuf_iterator<char>(file),
                                    std::istreambuf_iterator<char>());
            }
        }
    }
    for (const Input& input : corpus) {
        Run(input);
    }
    std::mt19937 rng(seed);
    for (long i = 0; i < runs; ++i) {
        Run(Mutate(corpus, rng));
    }
    std::cout << "Done " << corpus.size() + static_cast<std::size_t>(runs) << " runs ("
              << corpus.size() << " from the corpus)\n";
    return 0;
}
