#include "report/rtf_reader.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "common/line_file.h"

namespace norvexa {
namespace {

constexpr std::size_t deepest_group = 1000;
constexpr long long largest_parameter = 2'000'000'000;
constexpr int largest_half_points = 3276;  // 1638 points, the largest size word processors offer
constexpr int largest_indent = 31680;      // 22 inches in twips
constexpr int largest_fallback = 255;      // characters skipped after \uN; real fallbacks are one or two
constexpr char32_t replacement = 0xFFFD;

enum class Destination { text, font_table, skip };

// The state a group saves on '{' and gets back on '}': character and paragraph format
// alike, as every writer in use scopes both by groups.
struct Format {
    bool bold = false, italic = false, underline = false, hidden = false;
    int half_points = 24;
    long long font = 0;
    int fallback = 1;  // \ucN
    RtfAlignment alignment = RtfAlignment::left;
    int left_indent = 0, first_line_indent = 0, space_before = 0, space_after = 0;
    bool in_table = false;
    Destination destination = Destination::text;
};

enum class Word {
    paragraph, paragraph_defaults, plain, bold, italic, underline, underline_none, hidden, size, font,
    default_font, fallback_count, unicode, tab, line, cell, row, in_table, align_left, align_centre, align_right,
    align_justified, left_indent, first_line_indent, space_before, space_after, binary, font_table, skip,
    character,
};

struct WordAction {
    Word word;
    char32_t character = 0;  // Word::character only
};

const std::unordered_map<std::string_view, WordAction>& words() {
    static const std::unordered_map<std::string_view, WordAction> table = [] {
        std::unordered_map<std::string_view, WordAction> t = {
            {"par", {Word::paragraph}}, {"page", {Word::paragraph}}, {"sect", {Word::paragraph}},
            {"pard", {Word::paragraph_defaults}}, {"plain", {Word::plain}},
            {"b", {Word::bold}}, {"i", {Word::italic}}, {"ulnone", {Word::underline_none}}, {"v", {Word::hidden}},
            {"fs", {Word::size}}, {"f", {Word::font}}, {"deff", {Word::default_font}},
            {"uc", {Word::fallback_count}}, {"u", {Word::unicode}},
            {"tab", {Word::tab}}, {"line", {Word::line}},
            {"cell", {Word::cell}}, {"nestcell", {Word::cell}}, {"row", {Word::row}}, {"nestrow", {Word::row}},
            {"intbl", {Word::in_table}},
            {"ql", {Word::align_left}}, {"qc", {Word::align_centre}}, {"qr", {Word::align_right}},
            {"qj", {Word::align_justified}}, {"qd", {Word::align_justified}},
            {"li", {Word::left_indent}}, {"fi", {Word::first_line_indent}},
            {"sb", {Word::space_before}}, {"sa", {Word::space_after}},
            {"bin", {Word::binary}}, {"fonttbl", {Word::font_table}},
            {"emdash", {Word::character, 0x2014}}, {"endash", {Word::character, 0x2013}},
            {"bullet", {Word::character, 0x2022}}, {"lquote", {Word::character, 0x2018}},
            {"rquote", {Word::character, 0x2019}}, {"ldblquote", {Word::character, 0x201C}},
            {"rdblquote", {Word::character, 0x201D}}, {"emspace", {Word::character, 0x2003}},
            {"enspace", {Word::character, 0x2002}}, {"qmspace", {Word::character, 0x2005}},
        };
        for (const char* underline : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash",
                                      "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash",
                                      "ululdbwave", "ulw", "ulwave"})
            t.emplace(underline, WordAction{Word::underline});
        // Destinations whose content is no body text.
        for (const char* skipped :
             {"colortbl", "stylesheet", "info", "pict", "object", "objdata", "header", "headerl", "headerr",
              "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "annotation", "atnid", "atnauthor",
              "atrfstart", "atrfend", "comment", "private", "fldinst", "xe", "tc", "txe", "rxe", "listtable",
              "listoverridetable", "revtbl", "rsidtbl", "generator", "filetbl", "themedata", "colorschememapping",
              "datastore", "latentstyles", "pgdsctbl", "docvar", "author", "operator", "title", "subject",
              "keywords", "doccomm", "company", "manager", "category", "creatim", "revtim", "printim", "buptim",
              "nonshppict", "shp", "shpinst", "shprslt", "nonesttables", "bkmkstart", "bkmkend", "template",
              "userprops", "xmlnstbl", "mmathPr", "wgrffmtfilter", "ftnsep", "ftnsepc", "ftncn", "aftnsep",
              "aftnsepc", "aftncn", "background", "passwordhash", "protusertbl", "fchars", "lchars"})
            t.emplace(skipped, WordAction{Word::skip});
        return t;
    }();
    return table;
}

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

int bounded(long long value, int low, int high) {
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

// One unit after a backslash.
struct Token {
    enum class Kind { word, symbol, hex, incomplete } kind = Kind::incomplete;
    std::string_view word;
    bool has_parameter = false;
    long long parameter = 0;
    char symbol = 0;
    unsigned char byte = 0;
};

class Reader {
  public:
    explicit Reader(std::string_view in) : in_(in) {}

    RtfDocument read() {
        std::size_t start = 0;
        if (in_.substr(0, 3) == "\xEF\xBB\xBF") start = 3;
        while (start < in_.size() && (in_[start] == ' ' || in_[start] == '\t' || in_[start] == '\r' ||
                                      in_[start] == '\n'))
            ++start;
        if (in_.substr(start, 5) != "{\\rtf") return std::move(document_);
        document_.rtf = true;
        pos_ = start;
        bool closed = false;
        while (pos_ < in_.size() && !closed) {
            const char c = in_[pos_];
            if (c == '{') {
                ++pos_;
                open_group();
            } else if (c == '}') {
                ++pos_;
                closed = close_group();
            } else if (c == '\\') {
                ++pos_;
                const Token token = next_token();
                if (token.kind == Token::Kind::incomplete) {
                    fault_ = true;
                    break;
                }
                if (fallback_left_ > 0) {
                    --fallback_left_;
                    if (token.kind == Token::Kind::word && token.word == "bin") skip_binary(token);
                    continue;
                }
                handle(token);
            } else {
                ++pos_;
                if (c == '\r' || c == '\n') continue;
                if (fallback_left_ > 0) {
                    --fallback_left_;
                    continue;
                }
                byte(static_cast<unsigned char>(c));
            }
        }
        finish_paragraph_at_end();
        document_.intact = closed && !fault_;
        return std::move(document_);
    }

  private:
    Token next_token() {
        Token token;
        if (pos_ >= in_.size()) return token;
        const char c = in_[pos_];
        if (is_letter(c)) {
            const std::size_t begin = pos_;
            while (pos_ < in_.size() && is_letter(in_[pos_])) ++pos_;
            token.kind = Token::Kind::word;
            token.word = in_.substr(begin, pos_ - begin);
            bool negative = false;
            if (pos_ + 1 < in_.size() && in_[pos_] == '-' && is_digit(in_[pos_ + 1])) {
                negative = true;
                ++pos_;
            }
            long long value = 0;
            while (pos_ < in_.size() && is_digit(in_[pos_])) {
                token.has_parameter = true;
                value = std::min(value * 10 + (in_[pos_] - '0'), largest_parameter);
                ++pos_;
            }
            token.parameter = negative ? -value : value;
            // A word the input ends in may have been cut short: \u83 of \u8364.
            if (pos_ >= in_.size()) return Token{};
            if (in_[pos_] == ' ') ++pos_;
            return token;
        }
        ++pos_;
        if (c == '\'') {
            if (pos_ + 2 > in_.size()) return token;
            const int high = hex_value(in_[pos_]), low = hex_value(in_[pos_ + 1]);
            if (high < 0 || low < 0) {
                // Ignored as an unknown symbol; what follows it is read as text.
                fault_ = true;
                token.kind = Token::Kind::symbol;
                return token;
            }
            pos_ += 2;
            token.kind = Token::Kind::hex;
            token.byte = static_cast<unsigned char>(high * 16 + low);
            return token;
        }
        token.kind = Token::Kind::symbol;
        token.symbol = c;
        return token;
    }

    void open_group() {
        fallback_left_ = 0;
        if (groups_.size() >= deepest_group) {
            ++overflow_;
            fault_ = true;
            return;
        }
        groups_.push_back(format_);
    }

    // True when the document's own group closes.
    bool close_group() {
        fallback_left_ = 0;
        if (overflow_ > 0) {
            --overflow_;
            return false;
        }
        if (format_.destination == Destination::font_table) finish_font();
        if (groups_.empty()) return true;
        format_ = groups_.back();
        groups_.pop_back();
        return groups_.empty();
    }

    void handle(const Token& token) {
        switch (token.kind) {
            case Token::Kind::hex: return byte(token.byte);
            case Token::Kind::symbol: return symbol(token.symbol);
            case Token::Kind::word: return word(token);
            case Token::Kind::incomplete: return;
        }
    }

    void symbol(char c) {
        switch (c) {
            case '\\':
            case '{':
            case '}': return byte(static_cast<unsigned char>(c));
            case '*': format_.destination = Destination::skip; return;
            case '~': return text(0xA0);
            case '_': return text(0x2011);
            case '\r':
            case '\n': return paragraph();
            case '\t': return text('\t');
            default: return;  // \- optional hyphen, \: index entry, \| formula: nothing to show
        }
    }

    void word(const Token& token) {
        const auto found = words().find(token.word);
        if (found == words().end()) return;
        const WordAction action = found->second;
        const bool on = !token.has_parameter || token.parameter != 0;
        if (action.word == Word::binary) return skip_binary(token);
        if (format_.destination == Destination::skip) return;
        if (format_.destination == Destination::font_table) {
            if (action.word == Word::font) {
                finish_font();
                font_number_ = token.parameter;
                font_open_ = true;
            } else if (action.word == Word::skip) {
                format_.destination = Destination::skip;
            }
            return;
        }
        switch (action.word) {
            case Word::paragraph: return paragraph();
            case Word::paragraph_defaults: {
                const Format defaults;
                format_.alignment = defaults.alignment;
                format_.left_indent = format_.first_line_indent = 0;
                format_.space_before = format_.space_after = 0;
                format_.in_table = false;
                return;
            }
            case Word::plain:
                format_.bold = format_.italic = format_.underline = format_.hidden = false;
                format_.half_points = Format{}.half_points;
                format_.font = default_font_;
                return;
            case Word::bold: format_.bold = on; return;
            case Word::italic: format_.italic = on; return;
            case Word::underline: format_.underline = on; return;
            case Word::underline_none: format_.underline = false; return;
            case Word::hidden: format_.hidden = on; return;
            case Word::size:
                if (token.parameter > 0) format_.half_points = bounded(token.parameter, 2, largest_half_points);
                return;
            case Word::font: format_.font = token.parameter; return;
            case Word::default_font:
                default_font_ = token.parameter;
                format_.font = token.parameter;
                return;
            case Word::fallback_count:
                if (token.has_parameter && token.parameter >= 0)
                    format_.fallback = bounded(token.parameter, 0, largest_fallback);
                return;
            case Word::unicode: return unicode(token);
            case Word::tab:
            case Word::cell: return text('\t');
            case Word::line: return text('\n');
            case Word::row: return end_paragraph(true);
            case Word::in_table: format_.in_table = true; return;
            case Word::align_left: format_.alignment = RtfAlignment::left; return;
            case Word::align_centre: format_.alignment = RtfAlignment::centre; return;
            case Word::align_right: format_.alignment = RtfAlignment::right; return;
            case Word::align_justified: format_.alignment = RtfAlignment::justified; return;
            case Word::left_indent: format_.left_indent = bounded(token.parameter, -largest_indent, largest_indent); return;
            case Word::first_line_indent:
                format_.first_line_indent = bounded(token.parameter, -largest_indent, largest_indent);
                return;
            case Word::space_before: format_.space_before = bounded(token.parameter, 0, largest_indent); return;
            case Word::space_after: format_.space_after = bounded(token.parameter, 0, largest_indent); return;
            case Word::font_table: format_.destination = Destination::font_table; return;
            case Word::skip: format_.destination = Destination::skip; return;
            case Word::character: return text(action.character);
            case Word::binary: return;
        }
    }

    void skip_binary(const Token& token) {
        const auto count = static_cast<std::size_t>(std::max<long long>(token.parameter, 0));
        pos_ += std::min(count, in_.size() - pos_);
    }

    // \uN: a UTF-16 unit, signed or not; a surrogate pair arrives as two words.
    void unicode(const Token& token) {
        fallback_left_ = format_.fallback;
        if (!token.has_parameter) return;
        long long unit = token.parameter;
        if (unit < -32768 || unit > 65535) {
            fault_ = true;
            return text(replacement);
        }
        if (unit < 0) unit += 65536;
        const auto code = static_cast<char32_t>(unit);
        if (code >= 0xD800 && code <= 0xDBFF) {
            flush_surrogate();
            high_surrogate_ = code;
            return;
        }
        if (code >= 0xDC00 && code <= 0xDFFF) {
            if (high_surrogate_ == 0) return text(replacement);
            const char32_t combined = 0x10000 + ((high_surrogate_ - 0xD800) << 10) + (code - 0xDC00);
            high_surrogate_ = 0;
            return text(combined);
        }
        text(code);
    }

    void byte(unsigned char b) {
        if (b < 0x20 && b != '\t') return;
        const char32_t code = windows1252_code_point(b);
        if (format_.destination == Destination::font_table) {
            if (b == ';') finish_font();
            else if (font_open_) append_utf8(font_name_, code);
            return;
        }
        if (format_.destination != Destination::text) return;
        text(code);
    }

    void flush_surrogate() {
        if (high_surrogate_ == 0) return;
        high_surrogate_ = 0;
        text(replacement);
    }

    void text(char32_t c) {
        if (format_.destination == Destination::font_table) {
            if (font_open_) append_utf8(font_name_, c);
            return;
        }
        if (format_.destination != Destination::text || format_.hidden) return;
        flush_surrogate();
        RtfRun run;
        run.bold = format_.bold;
        run.italic = format_.italic;
        run.underline = format_.underline;
        run.size = format_.half_points / 2.0;
        if (const auto font = fonts_.find(format_.font); font != fonts_.end()) run.family = font->second;
        auto& runs = paragraph_.runs;
        if (runs.empty() || runs.back().bold != run.bold || runs.back().italic != run.italic ||
            runs.back().underline != run.underline || runs.back().size != run.size ||
            runs.back().family != run.family)
            runs.push_back(std::move(run));
        append_utf8(runs.back().text, c);
    }

    void finish_font() {
        if (!font_open_) return;
        const auto first = font_name_.find_first_not_of(' ');
        const auto last = font_name_.find_last_not_of(' ');
        fonts_[font_number_] = first == std::string::npos ? "" : font_name_.substr(first, last - first + 1);
        font_name_.clear();
        font_open_ = false;
    }

    // A paragraph break inside a table cell is a line break in that cell: the row stays one paragraph.
    void paragraph() {
        if (format_.destination != Destination::text) return;
        if (format_.in_table) return text('\n');
        end_paragraph(false);
    }

    void end_paragraph(bool row) {
        if (format_.destination != Destination::text) return;
        flush_surrogate();
        if (row) {
            auto& runs = paragraph_.runs;
            if (!runs.empty() && !runs.back().text.empty() && runs.back().text.back() == '\t') {
                runs.back().text.pop_back();
                if (runs.back().text.empty()) runs.pop_back();
            }
            paragraph_.table_row = true;
        }
        paragraph_.alignment = format_.alignment;
        paragraph_.left_indent = format_.left_indent;
        paragraph_.first_line_indent = format_.first_line_indent;
        paragraph_.space_before = format_.space_before;
        paragraph_.space_after = format_.space_after;
        document_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = {};
    }

    void finish_paragraph_at_end() {
        flush_surrogate();
        if (paragraph_.runs.empty()) return;
        format_.destination = Destination::text;
        end_paragraph(false);
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    RtfDocument document_;
    RtfParagraph paragraph_;
    Format format_;
    std::vector<Format> groups_;
    std::size_t overflow_ = 0;  // groups opened beyond deepest_group, sharing the innermost format
    std::map<long long, std::string> fonts_;
    long long default_font_ = 0;
    long long font_number_ = 0;
    std::string font_name_;
    bool font_open_ = false;
    int fallback_left_ = 0;
    char32_t high_surrogate_ = 0;
    bool fault_ = false;
};

}  // namespace

std::string RtfParagraph::text() const {
    std::string joined;
    for (const RtfRun& run : runs) joined += run.text;
    return joined;
}

std::vector<std::string> RtfDocument::texts() const {
    std::vector<std::string> lines;
    lines.reserve(paragraphs.size());
    for (const RtfParagraph& paragraph : paragraphs) lines.push_back(paragraph.text());
    return lines;
}

RtfDocument read_rtf(std::string_view bytes) { return Reader(bytes).read(); }

}  // namespace norvexa
