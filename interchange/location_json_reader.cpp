#include "interchange/location_json_reader.h"

#include "support/cp1251.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

namespace interchange {
namespace {

// A problem is told in one line: the names and texts of the document it
// quotes may hold line breaks and other control characters, which are shown
// escaped.
std::string oneLine(std::string text) {
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u != 0x7F) {
            line += c;
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", u);
        line += escaped;
    }
    return line;
}

using Json = nlohmann::json;

constexpr std::int64_t kLargestSide = std::numeric_limits<std::int32_t>::max();

// One layer as read: its cells' stored bytes row after row, and the number of
// values of each row.
struct LayerInput {
    bool given = false;
    std::vector<unsigned char> bytes;
    std::vector<std::int64_t> rowLengths;
};

enum class Field { Width, Height, Round, Notes, Layers, Other };

// Where the parser is.
enum class At { Start, Document, FieldValue, Skip, Layers, LayerValue, Layer, Row, End };

// The first character of `utf8` (valid UTF-8) that code page 1251 lacks:
// its place (from 1) and the character, or nothing.
std::optional<std::pair<std::size_t, std::string>> firstUnwritable(std::string_view utf8) {
    std::size_t place = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string_view character = utf8.substr(i, length);
        ++place;
        bool lossless = true;
        cp1251::fromUtf8(character, &lossless);
        if (!lossless)
            return std::pair{place, std::string(character)};
        i += length;
    }
    return std::nullopt;
}

std::string codePoint(std::string_view character) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(character[i]); };
    std::uint32_t value = 0;
    if (character.size() == 1)
        value = byte(0);
    else if (character.size() == 2)
        value = (byte(0) & 0x1Fu) << 6 | (byte(1) & 0x3Fu);
    else if (character.size() == 3)
        value = (byte(0) & 0x0Fu) << 12 | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
    else
        value = (byte(0) & 0x07u) << 18 | (byte(1) & 0x3Fu) << 12 | (byte(2) & 0x3Fu) << 6 |
                (byte(3) & 0x3Fu);
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", value);
    return text;
}

// Whether a number's text has neither fraction nor exponent.
bool looksWhole(const std::string& text) {
    return text.find_first_of(".eE") == std::string::npos;
}

// The SAX handler of the parser (see nlohmann::json_sax): each event moves
// the state along; a refused event records the problem and stops the parse.
class Reader {
public:
    explicit Reader(std::uint64_t inputBytes) : m_inputBytes(inputBytes) {}

    // Events.
    bool null() { return scalar("null"); }
    bool boolean(bool value) {
        if (m_at == At::FieldValue && m_field == Field::Round) {
            m_round = value;
            m_at = At::Document;
            return true;
        }
        return scalar(value ? "true" : "false");
    }
    bool number_integer(Json::number_integer_t value) {
        if (value >= 0)
            return number_unsigned(static_cast<Json::number_unsigned_t>(value));
        return number(std::to_string(value), true);
    }
    bool number_unsigned(Json::number_unsigned_t value) {
        if (m_at == At::Row)
            return cell(value);
        if (m_at == At::FieldValue && (m_field == Field::Width || m_field == Field::Height)) {
            if (value > static_cast<std::uint64_t>(kLargestSide))
                return number(std::to_string(value), true);
            (m_field == Field::Width ? m_width : m_height) = static_cast<std::int64_t>(value);
            m_at = At::Document;
            return !sized() || checkSize();
        }
        return scalar("a number");
    }
    bool number_float(Json::number_float_t, const Json::string_t& text) {
        return number(text, looksWhole(text));
    }
    bool string(Json::string_t& value) {
        if (m_at == At::FieldValue && m_field == Field::Notes) {
            if (const auto bad = firstUnwritable(value))
                return refuse("notes: character " + std::to_string(bad->first) + " (\"" +
                              bad->second + "\", " + codePoint(bad->second) +
                              ") has no code in code page 1251");
            m_notes = cp1251::fromUtf8(value);
            m_at = At::Document;
            return true;
        }
        return scalar("a text");
    }
    bool binary(Json::binary_t&) { return scalar("binary data"); }
    bool start_object(std::size_t) {
        if (m_at == At::Start) {
            m_at = At::Document;
            return true;
        }
        if (m_at == At::FieldValue && m_field == Field::Layers) {
            m_at = At::Layers;
            return true;
        }
        return container("an object");
    }
    bool key(Json::string_t& name) {
        if (m_at == At::Document)
            return documentKey(name);
        if (m_at == At::Layers)
            return layerKey(name);
        return true; // a key of a skipped object
    }
    bool end_object() {
        if (m_at == At::Skip)
            return leaveSkipped();
        m_at = m_at == At::Layers ? At::Document : At::End;
        return true;
    }
    bool start_array(std::size_t) {
        if (m_at == At::LayerValue) {
            beginLayer();
            m_at = At::Layer;
            return true;
        }
        if (m_at == At::Layer) {
            m_layers[m_layer].rowLengths.push_back(0);
            m_at = At::Row;
            return true;
        }
        return container("an array");
    }
    bool end_array() {
        if (m_at == At::Skip)
            return leaveSkipped();
        if (m_at == At::Row) {
            m_at = At::Layer;
            return sized() ? checkRow(m_layer, m_layers[m_layer].rowLengths.size() - 1) : true;
        }
        m_at = At::Layers; // the end of a layer's rows
        return sized() ? checkRowCount(m_layer) : true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) {
        if (m_problem.empty()) {
            std::string text = error.what();
            // "[json.exception.parse_error.101] parse error at line 1, column 5: ..."
            if (const auto at = text.find(" at line "); at != std::string::npos)
                text.erase(0, at + 4);
            else if (const auto close = text.find("] "); close != std::string::npos)
                text.erase(0, close + 2);
            m_problem = oneLine(std::move(text));
        }
        return false;
    }

    const std::string& problem() const { return m_problem; }

    // The checks that need the whole document; then the content.
    bool finish(LocationContent& content) {
        const std::pair<bool, const char*> fields[] = {{m_width.has_value(), "width"},
                                                       {m_height.has_value(), "height"},
                                                       {m_round.has_value(), "round"},
                                                       {m_notes.has_value(), "notes"},
                                                       {m_layersGiven, "layers"}};
        for (const auto& [given, name] : fields) {
            if (!given)
                return refuse(std::string(name) + ": missing");
        }
        if (!checkSize())
            return false;
        for (std::size_t i = 0; i < kNamedLayers.size(); ++i) {
            if (!m_layers[i].given)
                return refuse("layers." + std::string(kNamedLayers[i].name) + ": missing");
            if (!checkRowCount(i))
                return false;
            for (std::size_t row = 0; row < m_layers[i].rowLengths.size(); ++row) {
                if (!checkRow(i, row))
                    return false;
            }
        }
        model::LocationGrid& grid = content.grid;
        grid.setMapWidth(static_cast<std::int32_t>(*m_width));
        grid.setMapHeight(static_cast<std::int32_t>(*m_height));
        grid.CreatMap(0);
        if (!grid.ErrorMessage().empty() || !grid.isComplete())
            return refuse("cannot hold the grid: " + cp1251::toUtf8(grid.ErrorMessage()));
        for (std::size_t i = 0; i < kNamedLayers.size(); ++i) {
            std::vector<unsigned char>& bytes = m_layers[i].bytes;
            if (!bytes.empty())
                std::memcpy(grid.rowData(kNamedLayers[i].layer, 0), bytes.data(), bytes.size());
            std::vector<unsigned char>().swap(bytes);
        }
        content.notes = std::move(*m_notes);
        content.round = *m_round;
        return true;
    }

private:
    bool refuse(std::string problem) {
        m_problem = oneLine(std::move(problem));
        return false;
    }

    std::string layerPath(std::size_t layer) const {
        return "layers." + std::string(kNamedLayers[layer].name);
    }
    std::string rowPath(std::size_t layer, std::size_t row) const {
        return layerPath(layer) + "[" + std::to_string(row) + "]";
    }
    std::string cellPath() const {
        const auto& rows = m_layers[m_layer].rowLengths;
        return rowPath(m_layer, rows.size() - 1) + "[" + std::to_string(rows.back()) + "]";
    }
    static const char* fieldName(Field field) {
        switch (field) {
        case Field::Width:
            return "width";
        case Field::Height:
            return "height";
        case Field::Round:
            return "round";
        case Field::Notes:
            return "notes";
        case Field::Layers:
            return "layers";
        case Field::Other:
            break;
        }
        return "";
    }

    // What each place holds, for the refusal of another kind of value.
    bool wrongKind(const std::string& found) {
        switch (m_at) {
        case At::Start:
            return refuse("expected an object holding the location, found " + found);
        case At::FieldValue: {
            static const char* const expected[] = {"a whole number", "a whole number",
                                                   "true or false", "a text",
                                                   "an object holding the six layers"};
            return refuse(std::string(fieldName(m_field)) + ": expected " +
                          expected[static_cast<int>(m_field)] + ", found " + found);
        }
        case At::LayerValue:
            return refuse(layerPath(m_layer) + ": expected an array of rows, found " + found);
        case At::Layer:
            return refuse(rowPath(m_layer, m_layers[m_layer].rowLengths.size()) +
                          ": expected a row (an array of numbers), found " + found);
        case At::Row:
            return refuse(cellPath() + ": expected a whole number, found " + found);
        default:
            return refuse("unexpected " + found);
        }
    }

    bool scalar(const char* found) {
        if (m_at == At::Skip)
            return true;
        if (m_at == At::FieldValue && m_field == Field::Other) {
            m_at = At::Document;
            return true;
        }
        return wrongKind(found);
    }
    bool container(const char* found) {
        if (m_at == At::Skip) {
            ++m_skipDepth;
            return true;
        }
        if (m_at == At::FieldValue && m_field == Field::Other) {
            m_at = At::Skip;
            m_skipDepth = 1;
            return true;
        }
        return wrongKind(found);
    }
    bool leaveSkipped() {
        if (--m_skipDepth == 0)
            m_at = At::Document;
        return true;
    }

    // A number that is negative, too large or not whole (`text` as written).
    bool number(const std::string& text, bool whole) {
        if (m_at == At::Skip || (m_at == At::FieldValue && m_field == Field::Other))
            return scalar("a number");
        const bool sized =
            m_at == At::FieldValue && (m_field == Field::Width || m_field == Field::Height);
        if (m_at != At::Row && !sized)
            return wrongKind("a number");
        const std::string where = sized ? fieldName(m_field) : cellPath();
        if (!whole)
            return refuse(where + ": " + text + " is not a whole number");
        const std::int64_t largest = sized ? kLargestSide : largestValue(currentLayer());
        return refuse(where + ": " + text + " is out of range 0.." + std::to_string(largest));
    }

    model::Layer currentLayer() const { return kNamedLayers[m_layer].layer; }

    bool cell(std::uint64_t value) {
        const model::Layer layer = currentLayer();
        if (value > static_cast<std::uint64_t>(largestValue(layer)))
            return number(std::to_string(value), true);
        LayerInput& input = m_layers[m_layer];
        if (model::bytesPerCell(layer) == 2)
            input.bytes.push_back(static_cast<unsigned char>(value >> 8));
        input.bytes.push_back(static_cast<unsigned char>(value));
        ++input.rowLengths.back();
        return true;
    }

    bool documentKey(const std::string& name) {
        static const std::pair<const char*, Field> known[] = {{"width", Field::Width},
                                                              {"height", Field::Height},
                                                              {"round", Field::Round},
                                                              {"notes", Field::Notes},
                                                              {"layers", Field::Layers}};
        m_field = Field::Other;
        for (const auto& [text, field] : known) {
            if (name == text)
                m_field = field;
        }
        m_at = At::FieldValue;
        if (m_field == Field::Other)
            return true;
        const bool seen = m_field == Field::Width    ? m_width.has_value()
                          : m_field == Field::Height ? m_height.has_value()
                          : m_field == Field::Round  ? m_round.has_value()
                          : m_field == Field::Notes  ? m_notes.has_value()
                                                     : m_layersGiven;
        if (seen)
            return refuse(name + ": given twice");
        m_layersGiven = m_layersGiven || m_field == Field::Layers;
        return true;
    }

    bool layerKey(const std::string& name) {
        for (std::size_t i = 0; i < kNamedLayers.size(); ++i) {
            if (name != kNamedLayers[i].name)
                continue;
            if (m_layers[i].given)
                return refuse(layerPath(i) + ": given twice");
            m_layers[i].given = true;
            m_layer = i;
            m_at = At::LayerValue;
            return true;
        }
        return refuse("layers." + name +
                      ": no such layer (the layers are earth, object, item, action, block, guard)");
    }

    // Sets aside the layer's room when the size is known and the input can
    // hold that many values.
    void beginLayer() {
        if (!sized())
            return; // the size was checked when it became known
        const std::uint64_t bytes = static_cast<std::uint64_t>(*m_width) *
                                    static_cast<std::uint64_t>(*m_height + 1) *
                                    static_cast<std::uint64_t>(model::bytesPerCell(currentLayer()));
        if (bytes <= m_inputBytes)
            m_layers[m_layer].bytes.reserve(bytes);
    }

    // Once both are known, the rows are checked as they end.
    bool sized() const { return m_width && m_height; }
    bool checkSize() {
        if (model::usableGridSize(*m_width, *m_height))
            return true;
        return refuse("width, height: the editor does not load a location of " +
                      std::to_string(*m_width) + " x " + std::to_string(*m_height + 1) + " cells");
    }

    bool checkRowCount(std::size_t layer) {
        const std::size_t rows = m_layers[layer].rowLengths.size();
        if (static_cast<std::int64_t>(rows) == *m_height + 1)
            return true;
        return refuse(layerPath(layer) + ": " + std::to_string(rows) +
                      " rows, expected height + 1 = " + std::to_string(*m_height + 1));
    }
    bool checkRow(std::size_t layer, std::size_t row) {
        const std::int64_t length = m_layers[layer].rowLengths[row];
        if (length == *m_width)
            return true;
        return refuse(rowPath(layer, row) + ": " + std::to_string(length) +
                      " values, expected width = " + std::to_string(*m_width));
    }

    std::uint64_t m_inputBytes;
    At m_at = At::Start;
    Field m_field = Field::Other;
    int m_skipDepth = 0;
    std::size_t m_layer = 0;
    std::optional<std::int64_t> m_width, m_height;
    std::optional<bool> m_round;
    std::optional<std::string> m_notes;
    bool m_layersGiven = false;
    std::array<LayerInput, kNamedLayers.size()> m_layers;
    std::string m_problem;
};

} // namespace

JsonReading readLocationJson(std::istream& in, LocationContent& content, std::uint64_t inputBytes) {
    JsonReading reading;
    Reader reader(inputBytes);
    if (!Json::sax_parse(in, &reader) || !reader.finish(content)) {
        reading.problem = reader.problem();
        if (reading.problem.empty())
            reading.problem = "cannot be read";
        return reading;
    }
    reading.ok = true;
    return reading;
}

JsonReading readLocationJsonFile(const std::filesystem::path& file, LocationContent& content) {
    JsonReading reading;
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (!ec && status.type() != std::filesystem::file_type::regular)
        ec = std::make_error_code(status.type() == std::filesystem::file_type::directory
                                      ? std::errc::is_a_directory
                                      : std::errc::invalid_argument);
    const std::uint64_t bytes = ec ? 0 : std::filesystem::file_size(file, ec);
    if (ec) {
        reading.problem = "cannot be read: " + ec.message();
        return reading;
    }
    std::vector<char> buffer(1 << 20);
    std::ifstream in;
    in.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    in.open(file, std::ios::binary);
    if (!in) {
        reading.problem = "cannot be read: " + std::string(std::strerror(errno));
        return reading;
    }
    return readLocationJson(in, content, bytes);
}

} // namespace interchange
