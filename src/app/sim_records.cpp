#include "app/sim_records.h"

namespace zelvano {

std::string tsvField(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\\n";
        } else if (text[i] == '\t') {
            out += ' ';
        } else {
            out += text[i];
        }
    }
    return out;
}

void printSeasonRecord(std::ostream& out, long long year, int champion,
                       const std::array<std::string, 3>& marks) {
    out << "season\t" << year << '\t' << champion;
    for (const std::string& each : marks) out << '\t' << each;
    out << '\n';
}

void printReportRecord(std::ostream& out, const std::string& championLine,
                       const std::string& titleCount, const std::string& titleRun,
                       const std::array<std::string, 3>& teamAverages) {
    out << "report\t" << tsvField(championLine) << '\t' << tsvField(titleCount) << '\t'
        << tsvField(titleRun);
    for (const std::string& average : teamAverages) out << '\t' << average;
    out << '\n';
}

}  // namespace zelvano
