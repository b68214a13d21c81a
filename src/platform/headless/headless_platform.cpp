#include "platform/headless/headless_platform.h"

namespace zelvano {

HeadlessPlatform::HeadlessPlatform(HeadlessUser& user, std::unique_ptr<FileStore> files,
                                   std::uint64_t seed)
    : HeadlessPlatform(user, std::move(files), std::make_unique<SeededRandom>(seed)) {}

HeadlessPlatform::HeadlessPlatform(HeadlessUser& user, std::unique_ptr<FileStore> files,
                                   std::unique_ptr<RandomSource> random)
    : user_(user), files_(std::move(files)), random_(std::move(random)) {}

void HeadlessPlatform::checkEnd() const {
    if (endRequested_) throw ProgramEnded{endStatus_};
}

void HeadlessPlatform::yieldOnce() {
    checkEnd();
    if (onYield) onYield();
    checkEnd();
}

void HeadlessPlatform::waitUntil(const std::function<bool()>& done) {
    checkEnd();
    while (!done()) {
        if (!user_.act(*this)) {
            throw HeadlessStall("a wait for the user can never end: nothing left to do");
        }
        checkEnd();
    }
}

void HeadlessPlatform::sleepMs(int milliseconds) {
    checkEnd();
    sleptMs += milliseconds;
}

namespace {

const char* answerName(Answer answer) {
    switch (answer) {
        case Answer::Yes:
            return "yes";
        case Answer::No:
            return "no";
        case Answer::Ok:
            return "ok";
    }
    return "";
}

}  // namespace

Answer HeadlessPlatform::message(const MessageRequest& request) {
    checkEnd();
    Answer answer = user_.answer(request);
    if (request.buttons == MessageButtons::Ok) answer = Answer::Ok;
    if (request.buttons == MessageButtons::YesNo && answer == Answer::Ok) {
        answer = request.defaultAnswer;
    }
    if (onDialog) {
        if (request.buttons == MessageButtons::YesNo) {
            onDialog("question", request.title, request.text, answerName(answer));
        } else {
            onDialog("message", request.title, request.text, "");
        }
    }
    return answer;
}

std::string HeadlessPlatform::inputBox(const std::string& prompt, const std::string& title,
                                       const std::string& initialText) {
    checkEnd();
    std::string typed = user_.input(prompt, title, initialText);
    if (onDialog) onDialog("input", title, prompt, typed);
    // A box that comes back until something is typed would come back for ever.
    emptyInputsInARow_ = typed.empty() ? emptyInputsInARow_ + 1 : 0;
    if (emptyInputsInARow_ >= kMaxEmptyInputs) {
        throw HeadlessStall("an input box keeps coming back: nothing is ever typed into it");
    }
    return typed;
}

void HeadlessPlatform::requestEnd(int status) {
    endRequested_ = true;
    endStatus_ = status;
}

std::unique_ptr<GameView> HeadlessPlatform::createGameView(GameViewEvents& events) {
    ++gameViewsCreated;
    return std::make_unique<HeadlessGameView>(*this, events);
}

std::unique_ptr<OrderView> HeadlessPlatform::createOrderView(OrderViewEvents& events) {
    ++orderViewsCreated;
    return std::make_unique<HeadlessOrderView>(*this, events);
}

std::unique_ptr<WizardView> HeadlessPlatform::createWizardView(WizardViewEvents& events) {
    ++wizardViewsCreated;
    return std::make_unique<HeadlessWizardView>(*this, events);
}

std::unique_ptr<ReportView> HeadlessPlatform::createReportView() {
    ++reportViewsCreated;
    return std::make_unique<HeadlessReportView>(*this);
}

std::unique_ptr<InformationView> HeadlessPlatform::createInformationView(
    InformationViewEvents& events) {
    ++informationViewsCreated;
    return std::make_unique<HeadlessInformationView>(*this, events);
}

std::unique_ptr<DemoView> HeadlessPlatform::createDemoView(DemoViewEvents& events) {
    return std::make_unique<HeadlessDemoView>(*this, events);
}

}  // namespace zelvano
