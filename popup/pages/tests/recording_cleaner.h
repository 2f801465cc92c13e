#pragma once
// A cleaner module that writes down every call it gets.
#include <mutex>
#include <string>
#include <vector>

#include "popup/pages/cleaner_module.h"

namespace popup {

struct RecordingCleaner : CleanerModule {
    mutable std::mutex lock;
    std::vector<std::string> calls;

    void Add(const std::string& call) {
        std::lock_guard<std::mutex> guard(lock);
        calls.push_back(call);
    }
    std::vector<std::string> Calls() const {
        std::lock_guard<std::mutex> guard(lock);
        return calls;
    }
    void EnableOptions() override { Add("options"); }
    void AttachParams() override { Add("attach"); }
    void SetBrowserKind(int kind) override { Add("kind " + std::to_string(kind)); }
    void Scan() override { Add("scan"); }
    void DeleteRedundantEntries() override { Add("delete"); }
    void DeleteOperaRedundantEntries() override { Add("delete opera"); }
};

}  // namespace popup
