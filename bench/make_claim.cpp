// make_claim LINES OUT.tur [word|words BYTES]: a claim of LINES lines (half legs, half
// outlays), as saved; with remarks of BYTES characters, one word or ordinary sentences.
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

#include "bench_claims.h"

int main(int argc, char** argv) {
    bool remarks =
        argc == 5 && (std::strcmp(argv[3], "word") == 0 || std::strcmp(argv[3], "words") == 0);
    if ((argc != 3 && !remarks) || std::atoi(argv[1]) < 0) {
        std::cerr << "usage: make_claim LINES OUT.tur [word|words BYTES]\n";
        return 2;
    }
    std::ofstream out(argv[2], std::ios::binary);
    if (remarks) {
        auto bytes = static_cast<std::size_t>(std::strtoull(argv[4], nullptr, 10));
        bool words = std::strcmp(argv[3], "words") == 0;
        out << ferdix::bench::ClaimText(std::atoi(argv[1]),
                                        ferdix::bench::LongRemarks(bytes, words));
    } else {
        out << ferdix::bench::ClaimText(std::atoi(argv[1]));
    }
    out.close();
    return out ? 0 : 1;
}
