// The two floors of passer-rating-cli's table benchmark (bench/cli_table.py), each a part
// of its work done alone:
//   engine FILE   the engine rating every line of FILE (att,cmp,yds,td,int after a
//                 header), the lines already split and held in memory; prints the seconds
//                 the rating took;
//   parse FILE    FILE read and written back to standard output line by line with an
//                 unrounded rating added: the numbers parsed, one division, no engine.
#include "engine/rating.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::array<std::string_view, engine::kFieldCount> split(std::string_view line)
{
    std::array<std::string_view, engine::kFieldCount> texts{};
    for (std::string_view& text : texts) {
        const auto comma = line.find(',');
        text = line.substr(0, comma);
        line.remove_prefix(comma == std::string_view::npos ? line.size() : comma + 1);
    }
    return texts;
}

int engineFloor(const char* path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    std::vector<engine::FieldTexts> texts;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        texts.push_back(split(lines[i]));
    }
    const engine::NumberFormat format{.decimal = ".", .group = ""};
    std::size_t rated = 0;
    const auto start = std::chrono::steady_clock::now();
    for (const engine::FieldTexts& line : texts) {
        rated += engine::calculate(line, engine::Formula::Professional, format).refusal ? 0 : 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%.3f %zu\n", took.count(), rated);
    return 0;
}

int parseFloor(const char* path)
{
    std::FILE* in = std::fopen(path, "rb");
    if (in == nullptr) {
        return 1;
    }
    std::vector<char> buffer(std::size_t{1} << 16U);
    std::string carry;
    std::string out;
    const auto line = [&out](std::string_view text) {
        std::array<int, engine::kFieldCount> totals{};
        const auto texts = split(text);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            std::from_chars(texts[i].data(), texts[i].data() + texts[i].size(), totals[i]);
        }
        std::array<char, 32> rating{};
        const double value = totals[0] == 0 ? 0 : ((totals[2] * 8.4) + (totals[1] * 100.0)) / totals[0];
        const auto written = std::to_chars(rating.data(), rating.data() + rating.size(), value);
        out.append(text).append(",").append(rating.data(), written.ptr).append("\n");
        if (out.size() >= std::size_t{1} << 16U) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    };
    for (std::size_t read = 0; (read = std::fread(buffer.data(), 1, buffer.size(), in)) > 0;) {
        carry.append(buffer.data(), read);
        std::size_t start = 0;
        for (std::size_t end = 0; (end = carry.find('\n', start)) != std::string::npos; start = end + 1) {
            line(std::string_view(carry).substr(start, end - start));
        }
        carry.erase(0, start);
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fclose(in);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: table_floors engine|parse FILE\n", stderr);
        return 2;
    }
    return std::string_view(argv[1]) == "engine" ? engineFloor(argv[2]) : parseFloor(argv[2]);
}
