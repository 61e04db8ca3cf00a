// make_claim LINES OUT.tur: a claim of LINES lines (half legs, half outlays), as saved.
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "bench_claims.h"

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[1]) < 0) {
        std::cerr << "usage: make_claim LINES OUT.tur\n";
        return 2;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << ferdix::bench::ClaimText(std::atoi(argv[1]));
    out.close();
    return out ? 0 : 1;
}
