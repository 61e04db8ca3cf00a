// getline_floor FILE: reads the file line by line with std::getline and prints the line count;
// the least any reader of a claim file must do, the baseline of `ferdix --json`.
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: getline_floor FILE\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        return 1;
    }
    std::string line;
    std::size_t lines = 0;
    std::size_t bytes = 0;
    while (std::getline(in, line)) {
        ++lines;
        bytes += line.size();
    }
    std::cout << lines << ' ' << bytes << '\n';
    return 0;
}
