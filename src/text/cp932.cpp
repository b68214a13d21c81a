#include "text/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>

#include "text/utf8_decode.h"

namespace zelvano::text {

namespace {

// glibc's "CP932" is the Windows table, so files written here read the same on Windows. It also
// takes a few look-alikes onto the Windows codes (〜 U+301C and − U+2212 onto 81 60 and 81 7C);
// those are what a user typing on this system means, so they are accepted rather than refused.
constexpr const char* kCodePage = "CP932";
constexpr const char* kUtf8 = "UTF-8";

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

struct Conversion {
    std::string output;
    bool complete = false;
    std::size_t stoppedAt = 0;  // input offset of the first character that could not be converted
};

// Owns one iconv descriptor. Opening one costs far more than converting a name, and a league file
// converts a few hundred names, so each thread keeps one per direction (see the functions below);
// every conversion starts from the initial state.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Stops at the first character the target cannot hold, or that is not valid in the source,
    // instead of substituting it: without //TRANSLIT or //IGNORE iconv reports EILSEQ there, and
    // EINVAL for a character cut off at the end.
    Conversion convert(std::string_view input) {
        Conversion result;
        if (!valid()) return result;
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        // iconv's interface is not const-correct; it only reads the input.
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        // Neither direction grows by more than 3 bytes for each input byte (a half-width kana
        // byte becomes 3 bytes of UTF-8); the loop still grows the buffer if that were wrong.
        result.output.resize(input.size() * 3 + 4);
        std::size_t used = 0;
        // The first pass converts the input; the second (null input) ends any shift state, which
        // this code page has none of, but the call is what iconv asks for.
        for (bool flushing = false;;) {
            char* out = result.output.data() + used;
            std::size_t outLeft = result.output.size() - used;
            const std::size_t rc = flushing ? iconv(handle_, nullptr, nullptr, &out, &outLeft)
                                            : iconv(handle_, &in, &inLeft, &out, &outLeft);
            used = result.output.size() - outLeft;
            if (rc == static_cast<std::size_t>(-1)) {
                if (errno != E2BIG) {
                    result.stoppedAt = input.size() - inLeft;
                    result.output.resize(used);
                    return result;
                }
                result.output.resize(result.output.size() * 2);
            } else if (flushing) {
                break;
            } else {
                flushing = true;
            }
        }
        result.output.resize(used);
        result.complete = true;
        return result;
    }

private:
    iconv_t handle_;
};

Converter& toCodePage() {
    thread_local Converter converter(kCodePage, kUtf8);
    return converter;
}

Converter& fromCodePage() {
    thread_local Converter converter(kUtf8, kCodePage);
    return converter;
}

}  // namespace

std::optional<std::string> encodeCp932(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    Conversion conversion = toCodePage().convert(utf8);
    if (!conversion.complete) return std::nullopt;
    return std::move(conversion.output);
}

std::optional<std::string> decodeCp932(std::string_view bytes) {
    if (isAscii(bytes)) return std::string(bytes);
    Conversion conversion = fromCodePage().convert(bytes);
    if (!conversion.complete) return std::nullopt;
    return std::move(conversion.output);
}

std::string firstUnencodableCharacter(std::string_view utf8) {
    if (isAscii(utf8)) return {};
    const Conversion conversion = toCodePage().convert(utf8);
    if (conversion.complete) return {};
    const std::size_t length = decodeCharAt(utf8, conversion.stoppedAt).length;
    return std::string(utf8.substr(conversion.stoppedAt, length));
}

}  // namespace zelvano::text
