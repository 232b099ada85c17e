#include "ui/cli/table.h"

#include <algorithm>
#include <array>
#include <vector>

namespace cli {
namespace {

constexpr std::size_t kChunk = std::size_t{1} << 16U;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The header names of each total, in the order of engine::Field.
constexpr std::array<std::array<std::string_view, 3>, engine::kFieldCount> kColumnNames{{
    {"attempts", "att", ""},
    {"completions", "cmp", "comp"},
    {"yards", "yds", ""},
    {"touchdowns", "td", ""},
    {"interceptions", "int", ""},
}};

class Input {
  public:
    explicit Input(std::FILE* file) : m_file(file), m_buffer(kChunk) {}

    int get() { return available() ? static_cast<unsigned char>(m_buffer[m_at++]) : EOF; }
    int peek() { return available() ? static_cast<unsigned char>(m_buffer[m_at]) : EOF; }
    // The bytes at hand, at least the first chunk's: enough to tell a byte-order mark and
    // the header line's delimiter.
    std::string_view ahead()
    {
        available();
        return {m_buffer.data() + m_at, m_end - m_at};
    }
    void skip(std::size_t count) { m_at += count; }

  private:
    bool available()
    {
        if (m_at == m_end) {
            m_end = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
            m_at = 0;
        }
        return m_at < m_end;
    }

    std::FILE* m_file;
    std::vector<char> m_buffer;
    std::size_t m_at = 0;
    std::size_t m_end = 0;
};

class Output {
  public:
    explicit Output(std::FILE* file) : m_file(file) {}
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    Output(Output&&) = delete;
    Output& operator=(Output&&) = delete;
    ~Output() { flush(); }

    void text(std::string_view text) { m_buffer.append(text); }
    // A field, quoted where its text needs it.
    void field(std::string_view text, char delimiter)
    {
        const std::array<char, 4> special{delimiter, '"', '\r', '\n'};
        if (text.find_first_of(std::string_view(special.data(), special.size())) == std::string_view::npos) {
            m_buffer.append(text);
            return;
        }
        m_buffer += '"';
        for (const char c : text) {
            m_buffer.append(c == '"' ? 2 : 1, c);
        }
        m_buffer += '"';
    }
    void endRecord(std::string_view lineEnd)
    {
        m_buffer.append(lineEnd);
        if (m_buffer.size() >= kChunk) {
            flush();
        }
    }

  private:
    void flush()
    {
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file);
        m_buffer.clear();
    }

    std::FILE* m_file;
    std::string m_buffer;
};

// The next record's fields; false at the end of the input. `lineEnd` is what ended it
// (nothing at the end of the input).
bool readRecord(Input& in, char delimiter, std::vector<std::string>& fields, std::string& lineEnd)
{
    fields.clear();
    lineEnd.clear();
    int c = in.get();
    if (c == EOF) {
        return false;
    }
    std::string field;
    bool quoted = false;
    bool atStart = true;
    for (; c != EOF; c = in.get()) {
        const char ch = static_cast<char>(c);
        if (quoted) {
            if (ch != '"') {
                field += ch;
            } else if (in.peek() == '"') {
                field += static_cast<char>(in.get());
            } else {
                quoted = false;
            }
        } else if (ch == '"' && atStart) {
            quoted = true;
            atStart = false;
        } else if (ch == delimiter) {
            fields.push_back(std::move(field));
            field.clear();
            atStart = true;
        } else if (ch == '\n' || ch == '\r') {
            lineEnd = ch;
            if (ch == '\r' && in.peek() == '\n') {
                lineEnd += static_cast<char>(in.get());
            }
            break;
        } else {
            field += ch;
            atStart = false;
        }
    }
    fields.push_back(std::move(field));
    return true;
}

std::string headerName(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    text = first == std::string_view::npos ? std::string_view{}
                                           : text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::string name(text);
    std::ranges::transform(name, name.begin(),
                           [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return name;
}

void writeRecord(Output& out, const std::vector<std::string>& fields, char delimiter)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out.text({&delimiter, 1});
        }
        out.field(fields[i], delimiter);
    }
}

} // namespace

TableResult rateTable(std::FILE* in, std::FILE* out, LineCalculation& calculation)
{
    Input input(in);
    const bool byteOrderMark = input.ahead().starts_with(kByteOrderMark);
    if (byteOrderMark) {
        input.skip(kByteOrderMark.size());
    }
    const std::string_view firstLine = input.ahead().substr(0, input.ahead().find('\n'));
    const char delimiter = firstLine.find('\t') != std::string_view::npos ? '\t' : ',';

    std::vector<std::string> fields;
    std::string lineEnd;
    readRecord(input, delimiter, fields, lineEnd);
    std::array<std::size_t, engine::kFieldCount> columns{};
    for (std::size_t total = 0; total < columns.size(); ++total) {
        const auto& names = kColumnNames[total];
        const auto found = std::ranges::find_if(fields, [&names](const std::string& field) {
            const std::string name = headerName(field);
            return std::ranges::any_of(names,
                                       [&name](std::string_view known) { return !known.empty() && known == name; });
        });
        if (found == fields.end()) {
            return {.missingColumn = std::string(names[0])};
        }
        columns[total] = static_cast<std::size_t>(found - fields.begin());
    }
    const std::string recordEnd = lineEnd.empty() ? "\n" : lineEnd;

    Output output(out);
    TableResult result;
    if (byteOrderMark) {
        output.text(kByteOrderMark);
    }
    fields.insert(fields.end(), {"rating", "error"});
    writeRecord(output, fields, delimiter);
    output.endRecord(recordEnd);
    while (readRecord(input, delimiter, fields, lineEnd)) {
        if (fields.size() == 1 && fields.front().empty()) { // a blank line is no row
            output.endRecord(lineEnd);
            continue;
        }
        std::array<std::string_view, engine::kFieldCount> texts{};
        for (std::size_t total = 0; total < columns.size(); ++total) {
            texts[total] =
                columns[total] < fields.size() ? std::string_view(fields[columns[total]]) : std::string_view{};
        }
        LineResult line = calculation.rate(texts);
        result.refused = result.refused || !line.message.empty();
        fields.push_back(std::move(line.rating));
        fields.push_back(std::move(line.message));
        writeRecord(output, fields, delimiter);
        output.endRecord(lineEnd.empty() ? recordEnd : lineEnd);
    }
    return result;
}

} // namespace cli
