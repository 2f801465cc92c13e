#include "popup/pages/sound_list.h"

#include <algorithm>
#include <cctype>

namespace popup {

namespace {

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The listed form of a sound file: its name without ".wav".
std::string TitleOf(const std::string& fileName) {
    const std::string ext = ".wav";
    if (fileName.size() > ext.size() &&
        SameText(fileName.substr(fileName.size() - ext.size()), ext))
        return fileName.substr(0, fileName.size() - ext.size());
    return fileName;
}

}  // namespace

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void SoundList::Fill(const std::string& soundsFolder, const std::vector<std::string>& titles,
                     const std::string& userWavPath) {
    soundsFolder_ = soundsFolder;
    entries_.clear();
    customPath_.clear();
    for (const std::string& title : titles) {
        if (title == "Default")
            entries_.insert(entries_.begin(), title);
        else
            entries_.push_back(title);
    }
    currentName_ = FileNameOf(userWavPath);
    const std::string current = TitleOf(currentName_);
    const std::string inFolder = soundsFolder_ + "\\" + currentName_;
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [&](const std::string& e) { return SameText(e, current); });
    if (found != entries_.end() && SameText(userWavPath, inFolder)) {
        selected_ = static_cast<int>(found - entries_.begin());
    } else if (userWavPath.empty()) {
        selected_ = -1;
    } else {
        entries_.push_back(current);
        customPath_ = userWavPath;
        selected_ = static_cast<int>(entries_.size()) - 1;
    }
    entries_.push_back(kCustomEntry);
}

bool SoundList::IsCustomEntry(int index) const {
    return index == static_cast<int>(entries_.size()) - 1;
}

std::string SoundList::Choose(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size()) - 1) return std::string();
    selected_ = index;
    const bool extra = CustomSoundAdded() && index == static_cast<int>(entries_.size()) - 2;
    if (extra) {
        currentName_ = FileNameOf(customPath_);
        return customPath_;
    }
    currentName_ = entries_[index] + ".wav";
    return soundsFolder_ + "\\" + currentName_;
}

void SoundList::ChooseCustom(const std::string& path) {
    if (CustomSoundAdded()) entries_.erase(entries_.end() - 2);
    customPath_ = path;
    currentName_ = FileNameOf(path);
    entries_.insert(entries_.end() - 1, TitleOf(currentName_));
    selected_ = static_cast<int>(entries_.size()) - 2;
}

}  // namespace popup
