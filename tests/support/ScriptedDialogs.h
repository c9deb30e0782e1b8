#pragma once
// A dialog service for tests: records every message box and modal dialog and
// answers from a script (default: OK, and IDOK for modals).

#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace lumora::test {

class ScriptedDialogs : public DialogService {
public:
    ScriptedDialogs() { SetDialogService(this); }
    ~ScriptedDialogs() override { SetDialogService(nullptr); }

    DialogAnswer ShowMessageBox(const MessageBoxRequest& request) override {
        std::lock_guard lock(mutex_);
        shown_.push_back(request);
        if (answers_.empty()) return DialogAnswer::Ok;
        DialogAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    int RunModal(std::string_view name, const std::function<int()>& run) override {
        std::unique_lock lock(mutex_);
        modals_.emplace_back(name);
        if (real_.count(std::string(name)) != 0) {
            lock.unlock();  // the real dialog may show message boxes of its own
            return run();
        }
        auto it = modalAnswers_.find(std::string(name));
        if (it == modalAnswers_.end() || it->second.empty()) return IDOK;
        int code = it->second.front();
        it->second.pop_front();
        return code;
    }

    // Queues the answer for the next message box.
    void Answer(DialogAnswer answer) {
        std::lock_guard lock(mutex_);
        answers_.push_back(answer);
    }
    // Queues the end code for the next modal dialog of that name.
    void AnswerModal(const std::string& name, int code) {
        std::lock_guard lock(mutex_);
        modalAnswers_[name].push_back(code);
    }

    // Runs the real dialog of that name from now on (the test drives it itself).
    void RunReal(const std::string& name) {
        std::lock_guard lock(mutex_);
        real_.insert(name);
    }

    std::vector<MessageBoxRequest> shown() const {
        std::lock_guard lock(mutex_);
        return shown_;
    }
    std::vector<std::string> modals() const {
        std::lock_guard lock(mutex_);
        return modals_;
    }
    void Clear() {
        std::lock_guard lock(mutex_);
        shown_.clear();
        modals_.clear();
    }

private:
    mutable std::mutex mutex_;
    std::vector<MessageBoxRequest> shown_;
    std::deque<DialogAnswer> answers_;
    std::vector<std::string> modals_;
    std::map<std::string, std::deque<int>> modalAnswers_;
    std::set<std::string> real_;
};

}  // namespace lumora::test
