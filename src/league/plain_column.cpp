#include "league/plain_column.h"

#include "text/utf8.h"

namespace zelvano {

std::size_t cellWidth(std::string_view utf8) {
    std::size_t cells = 0;
    for (const char32_t c : text::toCodePoints(utf8)) {
        const bool narrow = c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
        cells += narrow ? 1 : 2;
    }
    return cells;
}

std::string plainColumn(std::string_view utf8, std::size_t width) {
    std::string column(utf8);
    const std::size_t cells = cellWidth(utf8);
    if (cells < width) column.append(width - cells, ' ');
    return column;
}

}  // namespace zelvano
