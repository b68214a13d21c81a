#include "text/message_catalogue.h"

#include <cctype>
#include <cstring>

namespace zelvano::text {

namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kSwappedMagic = 0xde120495;
constexpr char kContextSeparator = '\x04';

class MoReader {
public:
    explicit MoReader(std::string_view bytes) : bytes_(bytes) {}

    bool readHeader() {
        const std::optional<std::uint32_t> magic = word(0);
        if (!magic || (*magic != kMagic && *magic != kSwappedMagic)) return false;
        swapped_ = *magic == kSwappedMagic;
        const auto revision = word(4);
        const auto count = word(8);
        const auto originals = word(12);
        const auto translations = word(16);
        if (!revision || !count || !originals || !translations) return false;
        // Only major revision 0 exists; a later one may lay its tables out differently.
        if ((*revision >> 16) != 0) return false;
        count_ = *count;
        originals_ = *originals;
        translations_ = *translations;
        return true;
    }
    std::uint32_t count() const { return count_; }
    std::optional<std::string_view> original(std::uint32_t i) const {
        return string(originals_, i);
    }
    std::optional<std::string_view> translation(std::uint32_t i) const {
        return string(translations_, i);
    }

private:
    std::optional<std::uint32_t> word(std::uint64_t at) const {
        if (at + 4 > bytes_.size()) return std::nullopt;
        std::uint32_t value = 0;
        std::memcpy(&value, bytes_.data() + at, 4);
        if (swapped_) value = __builtin_bswap32(value);
        return value;
    }
    // The i-th string of a table of (length, offset) pairs; it must end with a NUL inside the
    // file, so that a view of it can also be read as a C string.
    std::optional<std::string_view> string(std::uint32_t table, std::uint32_t i) const {
        const std::uint64_t at = std::uint64_t{table} + std::uint64_t{i} * 8;
        const auto length = word(at);
        const auto offset = word(at + 4);
        if (!length || !offset) return std::nullopt;
        const std::uint64_t end = std::uint64_t{*offset} + *length;
        if (end >= bytes_.size() || bytes_[end] != '\0') return std::nullopt;
        return bytes_.substr(*offset, *length);
    }

    std::string_view bytes_;
    bool swapped_ = false;
    std::uint32_t count_ = 0;
    std::uint32_t originals_ = 0;
    std::uint32_t translations_ = 0;
};

std::string_view firstPart(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string lookupKey(std::string_view text, std::string_view context) {
    if (context.empty()) return std::string(text);
    std::string key(context);
    key += kContextSeparator;
    key += text;
    return key;
}

// A recursive descent over the Plural-Forms grammar, lowest precedence first.
class PluralParser {
public:
    PluralParser(std::string_view rule, std::uint64_t n) : rule_(rule), n_(n) {}

    std::optional<std::uint64_t> parse() {
        const auto value = conditional();
        skipSpaces();
        if (!value || at_ != rule_.size()) return std::nullopt;
        return value;
    }

private:
    using Value = std::optional<std::uint64_t>;

    Value conditional() {
        const Value condition = logicalOr();
        if (!condition || !accept("?")) return condition;
        const Value whenTrue = conditional();
        if (!whenTrue || !accept(":")) return std::nullopt;
        const Value whenFalse = conditional();
        if (!whenFalse) return std::nullopt;
        return *condition != 0 ? whenTrue : whenFalse;
    }
    Value logicalOr() {
        Value left = logicalAnd();
        while (left && accept("||")) {
            const Value right = logicalAnd();
            if (!right) return std::nullopt;
            left = (*left != 0 || *right != 0) ? 1 : 0;
        }
        return left;
    }
    Value logicalAnd() {
        Value left = equality();
        while (left && accept("&&")) {
            const Value right = equality();
            if (!right) return std::nullopt;
            left = (*left != 0 && *right != 0) ? 1 : 0;
        }
        return left;
    }
    Value equality() {
        Value left = relation();
        while (left) {
            const bool equal = accept("==");
            if (!equal && !accept("!=")) break;
            const Value right = relation();
            if (!right) return std::nullopt;
            left = ((*left == *right) == equal) ? 1 : 0;
        }
        return left;
    }
    Value relation() {
        Value left = sum();
        while (left) {
            std::string_view op;
            for (std::string_view candidate : {"<=", ">=", "<", ">"}) {
                if (accept(candidate)) {
                    op = candidate;
                    break;
                }
            }
            if (op.empty()) break;
            const Value right = sum();
            if (!right) return std::nullopt;
            const bool holds = op == "<="   ? *left <= *right
                               : op == ">=" ? *left >= *right
                               : op == "<"  ? *left < *right
                                            : *left > *right;
            left = holds ? 1 : 0;
        }
        return left;
    }
    Value sum() {
        Value left = product();
        while (left) {
            const bool plus = accept("+");
            if (!plus && !accept("-")) break;
            const Value right = product();
            if (!right) return std::nullopt;
            left = plus ? *left + *right : *left - *right;
        }
        return left;
    }
    Value product() {
        Value left = unary();
        while (left) {
            char op = 0;
            for (const char candidate : {'*', '/', '%'}) {
                if (accept(std::string_view(&candidate, 1))) {
                    op = candidate;
                    break;
                }
            }
            if (op == 0) break;
            const Value right = unary();
            if (!right || (op != '*' && *right == 0)) return std::nullopt;
            left = op == '*' ? *left * *right : op == '/' ? *left / *right : *left % *right;
        }
        return left;
    }
    Value unary() {
        if (accept("!")) {
            const Value operand = unary();
            if (!operand) return std::nullopt;
            return *operand == 0 ? 1 : 0;
        }
        return primary();
    }
    Value primary() {
        skipSpaces();
        if (accept("(")) {
            const Value inner = conditional();
            if (!inner || !accept(")")) return std::nullopt;
            return inner;
        }
        if (accept("n")) return n_;
        if (at_ >= rule_.size() || !std::isdigit(static_cast<unsigned char>(rule_[at_]))) {
            return std::nullopt;
        }
        std::uint64_t number = 0;
        while (at_ < rule_.size() && std::isdigit(static_cast<unsigned char>(rule_[at_]))) {
            if (number > 1'000'000'000) return std::nullopt;
            number = number * 10 + static_cast<std::uint64_t>(rule_[at_++] - '0');
        }
        return number;
    }

    void skipSpaces() {
        while (at_ < rule_.size() && std::isspace(static_cast<unsigned char>(rule_[at_]))) ++at_;
    }
    bool accept(std::string_view token) {
        skipSpaces();
        if (rule_.substr(at_, token.size()) != token) return false;
        // "<" must not take the first half of "<=", nor "!" that of "!=", nor "|" of "||".
        const std::size_t next = at_ + token.size();
        if (token.size() == 1 && next < rule_.size() && rule_[next] == '=' &&
            (token == "<" || token == ">" || token == "!")) {
            return false;
        }
        at_ = next;
        return true;
    }

    std::string_view rule_;
    std::uint64_t n_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<std::uint64_t> evaluatePluralRule(std::string_view rule, std::uint64_t n) {
    // A catalogue's rule is short; a long one is no rule, and the recursion stays shallow.
    if (rule.size() > 200) return std::nullopt;
    return PluralParser(rule, n).parse();
}

std::optional<MessageCatalogue> MessageCatalogue::fromMo(std::string_view bytes) {
    MoReader reader(bytes);
    if (!reader.readHeader()) return std::nullopt;
    MessageCatalogue catalogue;
    for (std::uint32_t i = 0; i < reader.count(); ++i) {
        const auto original = reader.original(i);
        const auto translation = reader.translation(i);
        if (!original || !translation) return std::nullopt;
        catalogue.entries_.emplace(firstPart(*original), *translation);
    }
    const std::string forms = catalogue.headerField("Plural-Forms");
    const std::size_t plural = forms.find("plural=");
    if (plural != std::string::npos) {
        std::string rule = forms.substr(plural + 7);
        if (const std::size_t end = rule.find(';'); end != std::string::npos) rule.resize(end);
        if (evaluatePluralRule(rule, 1)) catalogue.pluralRule_ = rule;
    }
    return catalogue;
}

std::optional<std::string_view> MessageCatalogue::find(std::string_view text,
                                                       std::string_view context) const {
    const auto found = entries_.find(lookupKey(text, context));
    if (found == entries_.end()) return std::nullopt;
    const std::string_view translation = firstPart(found->second);
    if (translation.empty()) return std::nullopt;
    return translation;
}

std::optional<std::string_view> MessageCatalogue::findPlural(std::string_view singular,
                                                             std::uint64_t count,
                                                             std::string_view context) const {
    const auto found = entries_.find(lookupKey(singular, context));
    if (found == entries_.end()) return std::nullopt;
    std::uint64_t form = evaluatePluralRule(pluralRule_, count).value_or(0);
    std::string_view forms = found->second;
    while (form > 0) {
        const std::size_t end = forms.find('\0');
        if (end == std::string_view::npos) return std::nullopt;
        forms.remove_prefix(end + 1);
        --form;
    }
    const std::string_view translation = firstPart(forms);
    if (translation.empty()) return std::nullopt;
    return translation;
}

std::string MessageCatalogue::headerField(std::string_view name) const {
    const auto header = entries_.find(std::string_view());
    if (header == entries_.end()) return {};
    std::string_view lines = header->second;
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        const std::string_view line = lines.substr(0, end);
        if (line.size() > name.size() && line.substr(0, name.size()) == name &&
            line[name.size()] == ':') {
            std::string_view value = line.substr(name.size() + 1);
            while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
            return std::string(value);
        }
        if (end == std::string_view::npos) break;
        lines.remove_prefix(end + 1);
    }
    return {};
}

}  // namespace zelvano::text
