#pragma once
// A user for the headless windows whose every move a test writes down beforehand.

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "headless/headless_platform.h"
#include "league/league.h"

namespace zelvano::testing {

class ScriptedUser : public HeadlessUser {
public:
    // Answers to Yes/No questions in order; when they run out, the question's default.
    std::deque<Answer> answers;
    std::vector<MessageRequest> asked;  // every message and question, in order
    // One action with the open windows; return false when nothing more can be done.
    std::function<bool(HeadlessPlatform&)> onAct;
    std::deque<std::string> inputs;
    std::string inputAfterwards;  // typed once the scripted inputs have run out

    Answer answer(const MessageRequest& request) override {
        asked.push_back(request);
        if (request.buttons == MessageButtons::Ok) return Answer::Ok;
        if (answers.empty()) return request.defaultAnswer;
        const Answer next = answers.front();
        answers.pop_front();
        return next;
    }
    std::vector<std::string> initialTexts;  // what each input box held when it opened
    std::string input(const std::string&, const std::string&,
                      const std::string& initialText) override {
        initialTexts.push_back(initialText);
        if (inputs.empty()) return inputAfterwards;
        std::string next = inputs.front();
        inputs.pop_front();
        return next;
    }
    bool act(HeadlessPlatform& platform) override { return onAct && onAct(platform); }
};

// Draws from a list, then a value that always makes an out.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values, float after = 0.999f)
        : values_(std::move(values)), after_(after) {}
    float next() override {
        ++drawn;
        if (position_ < values_.size()) return values_[position_++];
        return after_;
    }
    int drawn = 0;

private:
    std::vector<float> values_;
    std::size_t position_ = 0;
    float after_;
};

// Files in memory; a test can make the next replacements fail.
class MemoryFileStore final : public FileStore {
public:
    std::map<std::string, std::string> files;
    // Non-empty: replaceFile and rewriteFileEnd fail with this reason, as many times as
    // replaceFailures says (only for the file failOnly names, when it names one).
    std::string failReplaceWith;
    int replaceFailures = 0;

    FileRead readFile(std::string_view name) override {
        auto it = files.find(canonical(name));
        if (it == files.end()) return {FileRead::Status::Missing, {}, {}};
        return {FileRead::Status::Ok, it->second, {}};
    }
    std::string failOnly;
    std::string replaceFile(std::string_view name, std::string_view bytes) override {
        if (failsNow(name)) return failReplaceWith;
        files[canonical(name)] = std::string(bytes);
        return {};
    }
    FileEnd readFileEnd(std::string_view name, std::size_t maxBytes) override {
        auto it = files.find(canonical(name));
        if (it == files.end()) return {};
        const std::string& bytes = it->second;
        return {FileRead::Status::Ok,
                bytes.size(),
                bytes.substr(bytes.size() - std::min(bytes.size(), maxBytes)),
                {}};
    }
    std::string rewriteFileEnd(std::string_view name, std::uint64_t keep,
                               std::string_view bytes) override {
        if (failsNow(name)) return failReplaceWith;
        std::string& file = files[canonical(name)];
        if (file.size() < keep) return "ファイルが短くなっています。";
        file.resize(keep);
        file += bytes;
        return {};
    }
    std::string replaceFileThrough(std::string_view name, std::string_view,
                                   std::string_view bytes) override {
        return replaceFile(name, bytes);
    }
    std::string failAppendWith;  // non-empty: appendFile fails with this reason
    std::string appendFile(std::string_view name, std::string_view bytes) override {
        if (!failAppendWith.empty()) return failAppendWith;
        files[canonical(name)] += std::string(bytes);
        return {};
    }
    bool exists(std::string_view name) override { return files.count(canonical(name)) != 0; }
    EntryKind entryKind(std::string_view name) override {
        return exists(name) ? EntryKind::RegularFile : EntryKind::Missing;
    }
    std::string failMoveWith;  // non-empty: moveAside fails with this reason
    std::string moveAside(std::string_view name, std::string_view newName) override {
        if (!failMoveWith.empty()) return failMoveWith;
        if (!exists(name)) return "ファイルが見つかりません。";
        if (exists(newName)) return "同じ名前のファイルがすでにあります。";
        files[canonical(newName)] = files[canonical(name)];
        files.erase(canonical(name));
        return {};
    }
    std::string removeFile(std::string_view name) override {
        files.erase(canonical(name));
        return {};
    }
    std::filesystem::path resolve(std::string_view name) override { return canonical(name); }
    // One run alone uses the memory.
    FolderLock lockFolder(const FolderClaim&) override { return {FolderLock::Status::Taken, {}}; }

private:
    bool failsNow(std::string_view name) {
        if (replaceFailures <= 0 || (!failOnly.empty() && canonical(failOnly) != canonical(name)))
            return false;
        --replaceFailures;
        return true;
    }
    // The program spells its files in several ways ("Jbball.Jdt" and "Jbball.jdt", "JBBall.Mei"
    // and "Jbball.Mei", "Z02mem.txt" and "Z02MEM.TXT"); each is one file, kept under one key.
    static std::string canonical(std::string_view name) {
        std::string lower(name);
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (lower == "jbball.jdt") return "Jbball.jdt";
        if (lower == "jbball.mei") return "Jbball.Mei";
        if (lower == "z02mem.txt") return "Z02MEM.TXT";
        return std::string(name);
    }
};

// The headless platform with a scripted user and the league folder in memory.
struct ScriptedRun {
    ScriptedUser user;
    MemoryFileStore* files = nullptr;
    std::unique_ptr<HeadlessPlatform> platform;
    League league;

    explicit ScriptedRun(std::uint64_t seed = 1) {
        auto store = std::make_unique<MemoryFileStore>();
        files = store.get();
        platform = std::make_unique<HeadlessPlatform>(user, std::move(store), seed);
    }
};

// Plays the own team like the soak's sorted manager: the best order, "次へ", the report's OK,
// rookies named 新人 in the first slot offered.
inline void playLikeAManager(ScriptedRun& run) {
    run.user.inputAfterwards = "新人";
    run.user.onAct = [](HeadlessPlatform& p) {
        if (auto* report = p.resultsReportView(); report && report->visible)
            return report->pressOk();
        if (HeadlessBattingOrderView* order = p.battingOrderView();
            order != nullptr && !order->closed) {
            if (!order->sortVisible) return order->pressPlayer(0);
            return order->pressSort() && order->pressWholeOrder();
        }
        return p.scoreboardView() != nullptr && p.scoreboardView()->pressNext();
    };
}

}  // namespace zelvano::testing
